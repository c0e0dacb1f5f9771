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
    // An amount of at most four decimals is a whole number of ten-thousandths within the product's
    // own rounding, far from any half: that number is what its text reads as, found without it.
    const double r = d * 10000.0;
    const double k = std::nearbyint(r);
    if (std::fabs(k) < 0x1p49 && std::fabs(r - k) <= std::fabs(r) * 0x1p-50)
        return vb::Currency::DesdeDiezmilesimos(static_cast<int64_t>(k));
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

// 'YYYY-MM-DD', optionally followed by ' HH:MM:SS' or 'THH:MM:SS' (and a fraction).
std::optional<vb::Fecha> FechaIso(std::string_view s) {
    if (s.size() < 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
    const QDate d(Digitos(s, 0, 4), Digitos(s, 5, 2), Digitos(s, 8, 2));
    if (!d.isValid()) return std::nullopt;
    if (s.size() == 10) return vb::Fecha{d, QTime(0, 0)};
    // Fractions of a second are below what a Date holds.
    const bool fraccion = s.size() > 20 && s[19] == '.' && Digitos(s, 20, std::min<size_t>(s.size() - 20, 9)) >= 0 &&
                          s.size() <= 29;
    if ((s.size() == 19 || fraccion) && (s[10] == ' ' || s[10] == 'T') && s[13] == ':' && s[16] == ':') {
        const QTime h(Digitos(s, 11, 2), Digitos(s, 14, 2), Digitos(s, 17, 2));
        if (h.isValid()) return vb::Fecha{d, h};
    }
    return std::nullopt;
}

// "tblGastosEnc, columna IMP_MOV" when the value comes straight from a table, else the
// result column's own name.
QString NombreColumna(sqlite3_stmt* st, int i) {
    const char* tabla = sqlite3_column_table_name(st, i);
    const char* origen = sqlite3_column_origin_name(st, i);
    if (tabla && origen) return QStringLiteral("%1, columna %2").arg(QString::fromUtf8(tabla), QString::fromUtf8(origen));
    return QStringLiteral("columna ") + QString::fromUtf8(sqlite3_column_name(st, i));
}

// `tipo` is the value's type as stored: reading it as text changes what SQLite reports.
[[noreturn]] void LanzaDeColumna(sqlite3_stmt* st, int i, int tipo, int32_t numero) {
    const unsigned char* texto = tipo == SQLITE_BLOB ? nullptr : sqlite3_column_text(st, i);
    LanzaValorAjeno(numero, NombreColumna(st, i), MuestraValor(tipo, texto, sqlite3_column_bytes(st, i)));
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
        }
        LanzaDeColumna(st, i, tipo, vb::errores::TiposNoCoinciden);
    case Clase::Moneda:
    case Clase::Expresion: {
        std::optional<vb::Currency> c;
        if (tipo == SQLITE_INTEGER) c = MonedaDeEntero(sqlite3_column_int64(st, i));
        else if (tipo == SQLITE_FLOAT) c = MonedaDeReal(sqlite3_column_double(st, i));
        else if (clase == Clase::Moneda) {
            if (tipo == SQLITE_BLOB) LanzaDeColumna(st, i, tipo, vb::errores::TiposNoCoinciden);
            try {
                c = vb::Currency::DesdeTexto(TextoColumna(st, i));
            } catch (const vb::ErrorEjecucion&) {
                LanzaDeColumna(st, i, tipo, vb::errores::Desbordamiento);
            }
            if (!c) LanzaDeColumna(st, i, tipo, vb::errores::TiposNoCoinciden);
        }
        if (c) return vb::Variant(*c);
        // A whole number or a finite real beyond the Currency range is only allowed in an expression.
        if (tipo == SQLITE_FLOAT && (clase == Clase::Moneda || !std::isfinite(sqlite3_column_double(st, i))))
            LanzaDeColumna(st, i, tipo, vb::errores::Desbordamiento);
        if (tipo == SQLITE_INTEGER && clase == Clase::Moneda) LanzaDeColumna(st, i, tipo, vb::errores::Desbordamiento);
        break;
    }
    case Clase::Entero:
    case Clase::Doble:
        if (tipo == SQLITE_TEXT || tipo == SQLITE_BLOB) LanzaDeColumna(st, i, tipo, vb::errores::TiposNoCoinciden);
        if (tipo == SQLITE_FLOAT && !std::isfinite(sqlite3_column_double(st, i))) LanzaDeColumna(st, i, tipo, vb::errores::Desbordamiento);
        if (clase == Clase::Entero && tipo == SQLITE_INTEGER) return Entero(sqlite3_column_int64(st, i));
        if (clase == Clase::Doble) return vb::Variant(sqlite3_column_double(st, i));
        break;
    case Clase::Logico:
        if (tipo == SQLITE_INTEGER || tipo == SQLITE_FLOAT) return vb::Variant(sqlite3_column_double(st, i) != 0);
        break;
    case Clase::SegunValor: break;
    }
    return SegunValor(st, i);
}

void LanzaValorAjeno(int32_t numero, const QString& columna, const QString& valor) {
    throw vb::ErrorEjecucion(numero, QStringLiteral("%1: %2: %3").arg(vb::DescripcionError(numero), columna, valor));
}

QString MuestraValor(int tipo, const unsigned char* texto, int bytes) {
    if (tipo == SQLITE_BLOB) return QStringLiteral("%1 bytes binarios").arg(bytes);
    QString t = QString::fromUtf8(reinterpret_cast<const char*>(texto), bytes);
    if (tipo != SQLITE_TEXT) return t;
    constexpr qsizetype Largo = 40;
    if (t.size() > Largo) t = t.left(Largo) + u'…';
    return u'\'' + t + u'\'';
}

}  // namespace ado::detalle

namespace ado::detalle {
namespace {

// compruebanumero(valor, 'COLUMNA'): the value an aggregate sums, unchanged, when it is a finite
// number (text that reads as one becomes it, as the aggregate would read it); anything else is
// the runtime's error, kept for the cursor and reported to SQLite to stop the statement.
void CompruebaNumero(sqlite3_context* ctx, int, sqlite3_value** args) {
    sqlite3_value* v = args[0];
    const int tipo = sqlite3_value_numeric_type(v);
    int32_t numero = 0;
    if (tipo == SQLITE_TEXT || tipo == SQLITE_BLOB) numero = vb::errores::TiposNoCoinciden;
    else if (tipo == SQLITE_FLOAT && !std::isfinite(sqlite3_value_double(v))) numero = vb::errores::Desbordamiento;
    if (numero == 0) {
        sqlite3_result_value(ctx, v);
        return;
    }
    const QString columna = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(args[1])));
    const unsigned char* texto = tipo == SQLITE_BLOB ? nullptr : sqlite3_value_text(v);
    auto* pendiente = static_cast<std::optional<vb::ErrorEjecucion>*>(sqlite3_user_data(ctx));
    try {
        LanzaValorAjeno(numero, QStringLiteral("columna ") + columna, MuestraValor(tipo, texto, sqlite3_value_bytes(v)));
    } catch (const vb::ErrorEjecucion& e) {
        pendiente->emplace(e);
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

// sum(valor): what the engine's SUM gives, but a real is added as the amount it reads as (to the
// ten-thousandth), so thousands of amounts stored as binary reals add up to the cent as the server
// engines' decimals do (exactly up to about 900,000 million, where a real still holds every
// ten-thousandth). Whole numbers alone still sum to a whole number; a total beyond an amount's
// range falls back to a binary sum, as the engine's own.
struct SumaExacta {  // in SQLite's aggregate memory, aligned to 8 bytes only
    int64_t enteros = 0;
    int64_t diezmilesimos = 0;
    double real = 0;
    bool hayValor = false;
    bool hayReal = false;
    bool enterosDesbordados = false;
    bool fueraDeRango = false;
};

void AgregaASuma(sqlite3_context* ctx, int, sqlite3_value** args) {
    auto* s = static_cast<SumaExacta*>(sqlite3_aggregate_context(ctx, sizeof(SumaExacta)));
    if (!s) return sqlite3_result_error_nomem(ctx);
    sqlite3_value* v = args[0];
    const int tipo = sqlite3_value_numeric_type(v);
    if (tipo == SQLITE_NULL) return;
    s->hayValor = true;
    int64_t sumando = 0;
    if (tipo == SQLITE_INTEGER) {
        const int64_t n = sqlite3_value_int64(v);
        s->enterosDesbordados |= __builtin_add_overflow(s->enteros, n, &s->enteros);
        s->real += static_cast<double>(n);
        s->fueraDeRango |= __builtin_mul_overflow(n, int64_t{10000}, &sumando);
    } else {
        const double d = sqlite3_value_double(v);  // text or a blob that is no number counts 0, as in SUM
        s->hayReal = true;
        s->real += d;
        if (const auto c = MonedaDeReal(d)) sumando = c->diezmilesimos();
        else s->fueraDeRango = true;
    }
    s->fueraDeRango |= __builtin_add_overflow(s->diezmilesimos, sumando, &s->diezmilesimos);
}

void TerminaSuma(sqlite3_context* ctx) {
    auto* s = static_cast<SumaExacta*>(sqlite3_aggregate_context(ctx, 0));
    if (!s || !s->hayValor) return sqlite3_result_null(ctx);
    if (!s->hayReal) {
        if (s->enterosDesbordados) return sqlite3_result_error(ctx, "integer overflow", -1);
        return sqlite3_result_int64(ctx, s->enteros);
    }
    if (s->fueraDeRango) return sqlite3_result_double(ctx, s->real);
    // The nearest real to a whole number of ten-thousandths reads back as exactly that amount.
    sqlite3_result_double(ctx, static_cast<double>(s->diezmilesimos) / 10000.0);
}

}  // namespace

void RegistraCompruebaNumero(sqlite3* db, std::optional<vb::ErrorEjecucion>* pendiente) {
    sqlite3_create_function_v2(db, "compruebanumero", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, pendiente,
                               CompruebaNumero, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "sum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr, AgregaASuma,
                               TerminaSuma, nullptr);
}

}  // namespace ado::detalle
