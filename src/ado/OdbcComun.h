#pragma once
// Small helpers shared by the ODBC provider's files: UTF-16 text and the driver's diagnostics.
#include <QString>
#include <sql.h>
#include <sqlucode.h>

namespace ado::detalle {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager must use UTF-16 wide characters");

inline const SQLWCHAR* Ancho(const QString& s) { return reinterpret_cast<const SQLWCHAR*>(s.utf16()); }
inline QString DeAncho(const SQLWCHAR* p, qsizetype n) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(p), n);
}

// Every diagnostic record of the handle, as the driver worded it.
QString Diagnostico(SQLSMALLINT tipo, SQLHANDLE h);
// A failed call raises the provider error with the driver's diagnostics.
[[noreturn]] void LanzaDiagnostico(SQLSMALLINT tipo, SQLHANDLE h);
inline void Verifica(SQLRETURN rc, SQLSMALLINT tipo, SQLHANDLE h) {
    if (!SQL_SUCCEEDED(rc)) LanzaDiagnostico(tipo, h);
}

}  // namespace ado::detalle
