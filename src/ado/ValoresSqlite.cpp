#include "ado/ValoresSqlite.h"

#include "ado/TiposCampo.h"
#include "vb/ErrorEjecucion.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace ado::detalle {
namespace {

QString TextoColumna(sqlite3_stmt* st, int i) {
    const auto* p = static_cast<const char16_t*>(sqlite3_column_text16(st, i));
    return QString::fromUtf16(p, sqlite3_column_bytes16(st, i) / 2);
}

// "-1234.56" -> -12345600 when the text has at most four decimals and fits; nullopt otherwise.
std::optional<int64_t> DiezmilesimosExactos(std::string_view t) {
    const bool negativo = !t.empty() && t.front() == '-';
    if (negativo) t.remove_prefix(1);
    int64_t v = 0;
    int decimales = -1;
    for (char c : t) {
        if (c == '.' && decimales < 0) { decimales = 0; continue; }
        if (c < '0' || c > '9' || (decimales >= 0 && ++decimales > 4) || v > (INT64_MAX - 9) / 10) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    for (int k = std::max(decimales, 0); k < 4; ++k) {
        if (v > INT64_MAX / 10) return std::nullopt;
        v *= 10;
    }
    return negativo ? -v : v;
}

// The REAL's shortest round-trip text, so 1234.56 stored as a double reads back as 1234.56;
// past the fourth decimal it rounds half to even.
std::optional<vb::Currency> MonedaDeReal(double d) {
    if (!std::isfinite(d)) return std::nullopt;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, d);
    const std::string_view texto(buf, res.ptr - buf);
    if (const auto exacto = DiezmilesimosExactos(texto)) return vb::Currency::DesdeDiezmilesimos(*exacto);
    try {
        return vb::Currency::DesdeTexto(QString::fromLatin1(texto.data(), qsizetype(texto.size())));
    } catch (const vb::ErrorEjecucion&) {
        return std::nullopt;  // beyond the Currency range
    }
}

std::optional<vb::Currency> MonedaDeEntero(sqlite3_int64 v) {
    if (v > INT64_MAX / 10000 || v < INT64_MIN / 10000) return std::nullopt;
    return vb::Currency::DesdeDiezmilesimos(v * 10000);
}

vb::Variant Entero(sqlite3_int64 v) {
    if (v >= INT32_MIN && v <= INT32_MAX) return vb::Variant(int32_t(v));
    return vb::Variant(double(v));
}

int Digitos(std::string_view s, size_t i, size_t n) {
    int v = 0;
    for (size_t k = i; k < i + n; ++k) {
        if (s[k] < '0' || s[k] > '9') return -1;
        v = v * 10 + (s[k] - '0');
    }
    return v;
}

// 'YYYY-MM-DD', optionally followed by ' HH:MM:SS' or 'THH:MM:SS'.
std::optional<vb::Fecha> FechaIso(std::string_view s) {
    if (s.size() < 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
    const QDate d(Digitos(s, 0, 4), Digitos(s, 5, 2), Digitos(s, 8, 2));
    if (!d.isValid()) return std::nullopt;
    if (s.size() == 10) return vb::Fecha{d, QTime(0, 0)};
    if (s.size() == 19 && (s[10] == ' ' || s[10] == 'T') && s[13] == ':' && s[16] == ':') {
        const QTime h(Digitos(s, 11, 2), Digitos(s, 14, 2), Digitos(s, 17, 2));
        if (h.isValid()) return vb::Fecha{d, h};
    }
    return std::nullopt;
}

vb::Variant SegunValor(sqlite3_stmt* st, int i) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER: return Entero(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT: return vb::Variant(sqlite3_column_double(st, i));
    case SQLITE_NULL: return vb::Variant::Null();
    default: return vb::Variant(TextoColumna(st, i));
    }
}

}  // namespace

Clase ClaseDeclarada(const char* decl) {
    if (!decl) return Clase::Expresion;
    QString t = QString::fromUtf8(decl).toUpper();
    const qsizetype p = t.indexOf(u'(');
    if (p >= 0) t.truncate(p);
    t = t.simplified();
    if (t == u"DATE" || t == u"DATETIME" || t == u"TIMESTAMP" || t == u"SMALLDATETIME") return Clase::Fecha;
    if (t == u"CURRENCY" || t == u"MONEY" || t == u"SMALLMONEY" || t == u"NUMERIC" || t == u"DECIMAL")
        return Clase::Moneda;
    if (t == u"BOOLEAN" || t == u"BOOL" || t == u"BIT" || t == u"YESNO" || t == u"LOGICAL") return Clase::Logico;
    if (t.contains(u"INT") || t == u"LONG") return Clase::Entero;
    if (t == u"REAL" || t == u"DOUBLE" || t == u"DOUBLE PRECISION" || t == u"FLOAT" || t == u"SINGLE")
        return Clase::Doble;
    if (t.contains(u"CHAR") || t.contains(u"TEXT") || t.contains(u"CLOB") || t == u"MEMO") return Clase::Texto;
    return Clase::SegunValor;
}

int TipoAdo(Clase c) {
    switch (c) {
    case Clase::Texto: return tipos::adVarWChar;
    case Clase::Fecha: return tipos::adDate;
    case Clase::Moneda: return tipos::adCurrency;
    case Clase::Entero: return tipos::adInteger;
    case Clase::Logico: return tipos::adBoolean;
    case Clase::Doble: return tipos::adDouble;
    case Clase::Expresion:
    case Clase::SegunValor: return tipos::adVariant;
    }
    return tipos::adVariant;
}

vb::Variant Convierte(sqlite3_stmt* st, int i, Clase clase) {
    const int tipo = sqlite3_column_type(st, i);
    if (tipo == SQLITE_NULL) return vb::Variant::Null();
    switch (clase) {
    case Clase::Texto: return vb::Variant(TextoColumna(st, i));
    case Clase::Fecha:
        if (tipo == SQLITE_TEXT) {
            const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
            if (const auto f = FechaIso(std::string_view(p, size_t(sqlite3_column_bytes(st, i))))) return vb::Variant(*f);
            return vb::Variant(TextoColumna(st, i));
        }
        break;
    case Clase::Moneda:
    case Clase::Expresion: {
        std::optional<vb::Currency> c;
        if (tipo == SQLITE_INTEGER) c = MonedaDeEntero(sqlite3_column_int64(st, i));
        else if (tipo == SQLITE_FLOAT) c = MonedaDeReal(sqlite3_column_double(st, i));
        else if (clase == Clase::Moneda) {
            const QString t = TextoColumna(st, i);
            c = vb::Currency::DesdeTexto(t);
            if (!c) return vb::Variant(t);
        }
        if (c) return vb::Variant(*c);
        break;
    }
    case Clase::Entero:
        if (tipo == SQLITE_INTEGER) return Entero(sqlite3_column_int64(st, i));
        break;
    case Clase::Logico:
        if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT) return vb::Variant(sqlite3_column_double(st, i) != 0);
        break;
    case Clase::Doble:
        if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT) return vb::Variant(sqlite3_column_double(st, i));
        break;
    case Clase::SegunValor: break;
    }
    return SegunValor(st, i);
}

}  // namespace ado::detalle
