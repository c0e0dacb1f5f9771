#include "ado/OdbcComun.h"

#include "ado/Errores.h"

#include <algorithm>
#include <iterator>

namespace ado::detalle {

QString Diagnostico(SQLSMALLINT tipo, SQLHANDLE h) {
    QString r;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR estado[6];
        SQLINTEGER nativo = 0;
        SQLWCHAR texto[1024];
        SQLSMALLINT largo = 0;
        const SQLRETURN rc = SQLGetDiagRecW(tipo, h, i, estado, &nativo, texto, SQLSMALLINT(std::size(texto)), &largo);
        if (!SQL_SUCCEEDED(rc)) break;
        if (!r.isEmpty()) r += u'\n';
        r += DeAncho(texto, std::min<qsizetype>(largo, std::size(texto) - 1));
    }
    return r.isEmpty() ? QStringLiteral("[ODBC] Error sin descripción del controlador") : r;
}

void LanzaDiagnostico(SQLSMALLINT tipo, SQLHANDLE h) { LanzaProveedor(Diagnostico(tipo, h)); }

}  // namespace ado::detalle
