#include "ado/ColumnasOdbc.h"

#include "ado/OdbcComun.h"
#include "ado/TiposCampo.h"

#include <sqlext.h>

#include <algorithm>
#include <iterator>
#include <optional>

namespace ado::detalle {
namespace {

// Text of a column of the current row; long values come in several pieces.
std::optional<QString> LeeTexto(SQLHSTMT st, SQLUSMALLINT i) {
    QString r;
    SQLWCHAR buf[512];
    for (;;) {
        SQLLEN ind = 0;
        const SQLRETURN rc = SQLGetData(st, i, SQL_C_WCHAR, buf, sizeof buf, &ind);
        if (rc == SQL_NO_DATA) break;
        Verifica(rc, SQL_HANDLE_STMT, st);
        if (ind == SQL_NULL_DATA) return std::nullopt;
        const qsizetype cabe = qsizetype(std::size(buf)) - 1;
        qsizetype n = (ind == SQL_NO_TOTAL || ind / 2 > cabe) ? cabe : ind / 2;
        // MariaDB's driver reports some texts with multi-byte characters one character short;
        // the piece it wrote is terminated, so a terminator further on gives the true length.
        if (rc == SQL_SUCCESS)
            while (n < cabe && buf[n] != 0) ++n;
        r += DeAncho(buf, n);
        if (rc == SQL_SUCCESS) break;  // SQL_SUCCESS_WITH_INFO: more pieces follow
    }
    return r;
}

template <class T> bool LeeFijo(SQLHSTMT st, SQLUSMALLINT i, SQLSMALLINT tipoC, T& v) {
    SQLLEN ind = 0;
    Verifica(SQLGetData(st, i, tipoC, &v, sizeof v, &ind), SQL_HANDLE_STMT, st);
    return ind != SQL_NULL_DATA;
}

vb::Variant Moneda(const QString& texto) {
    if (const auto c = vb::Currency::DesdeTexto(texto)) return vb::Variant(*c);
    return vb::Variant(texto);
}

QString NombreDeTipo(SQLHSTMT st, SQLUSMALLINT i, SQLUSMALLINT campo) {
    SQLWCHAR nombre[64] = {0};
    SQLSMALLINT largo = 0;
    if (!SQL_SUCCEEDED(SQLColAttributeW(st, i, campo, nombre, sizeof nombre, &largo, nullptr))) return {};
    return DeAncho(nombre, std::min<qsizetype>(largo / 2, std::size(nombre) - 1)).toLower();
}

// The column's SQL type from its verbose type and, for dates and times, its subcode or the server's
// name for it: some drivers look the column up in the server's catalog, a round trip per table, to
// answer the concise type.
SQLLEN TipoConciso(SQLHSTMT st, SQLUSMALLINT i, const QString& tipoServidor) {
    SQLLEN tipo = 0, codigo = 0;
    Verifica(SQLColAttributeW(st, i, SQL_DESC_TYPE, nullptr, 0, nullptr, &tipo), SQL_HANDLE_STMT, st);
    if (tipo != SQL_DATETIME) return tipo;
    if (!SQL_SUCCEEDED(SQLColAttributeW(st, i, SQL_DESC_DATETIME_INTERVAL_CODE, nullptr, 0, nullptr, &codigo))) {
        if (tipoServidor.isEmpty()) {
            Verifica(SQLColAttributeW(st, i, SQL_DESC_CONCISE_TYPE, nullptr, 0, nullptr, &tipo), SQL_HANDLE_STMT, st);
            return tipo;
        }
        codigo = tipoServidor == u"date"                                                   ? SQL_CODE_DATE
                 : tipoServidor.startsWith(u"time") && !tipoServidor.startsWith(u"timestamp") ? SQL_CODE_TIME
                                                                                           : SQL_CODE_TIMESTAMP;
    }
    switch (codigo) {
    case SQL_CODE_DATE: return SQL_TYPE_DATE;
    case SQL_CODE_TIME: return SQL_TYPE_TIME;
    default: return SQL_TYPE_TIMESTAMP;
    }
}

}  // namespace

std::vector<Columna> DescribeColumnas(SQLHSTMT st) {
    SQLSMALLINT n = 0;
    Verifica(SQLNumResultCols(st, &n), SQL_HANDLE_STMT, st);
    std::vector<Columna> columnas;
    columnas.reserve(static_cast<std::size_t>(std::max<SQLSMALLINT>(n, 0)));
    for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(n); ++i) columnas.push_back(DescribeColumna(st, i));
    return columnas;
}

void LeeFila(SQLHSTMT st, const std::vector<Columna>& columnas, std::vector<vb::Variant>& valores) {
    valores.resize(columnas.size());
    for (std::size_t i = 0; i < columnas.size(); ++i) valores[i] = LeeValor(st, SQLUSMALLINT(i + 1), columnas[i].lectura);
}

Columna DescribeColumna(SQLHSTMT st, SQLUSMALLINT i) {
    SQLWCHAR nombre[256];
    SQLSMALLINT largo = 0;
    Verifica(SQLColAttributeW(st, i, SQL_DESC_NAME, nombre, sizeof nombre, &largo, nullptr), SQL_HANDLE_STMT, st);
    largo /= SQLSMALLINT(sizeof(SQLWCHAR));
    Columna c{DeAncho(nombre, std::min<qsizetype>(largo, std::size(nombre) - 1)), Lectura::Texto, tipos::adVarWChar};
    // Drivers that report booleans or money as text or floats still name the server's type; the
    // local name first, which some drivers give without a catalog lookup.
    QString tipoServidor = NombreDeTipo(st, i, SQL_DESC_LOCAL_TYPE_NAME);
    if (tipoServidor.isEmpty()) tipoServidor = NombreDeTipo(st, i, SQL_DESC_TYPE_NAME);
    const SQLLEN tipo = TipoConciso(st, i, tipoServidor);
    if (tipoServidor == u"bool" || tipoServidor == u"boolean") return {c.nombre, Lectura::Logico, tipos::adBoolean};
    if (tipoServidor == u"money") return {c.nombre, Lectura::Dinero, tipos::adCurrency};
    switch (tipo) {
    case SQL_NUMERIC:
    case SQL_DECIMAL: return {c.nombre, Lectura::Numero, tipos::adNumeric};
    case SQL_INTEGER:
    case SQL_SMALLINT:
    case SQL_TINYINT:
    case SQL_BIGINT: return {c.nombre, Lectura::Entero, tipos::adInteger};
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: return {c.nombre, Lectura::Doble, tipos::adDouble};
    case SQL_BIT: return {c.nombre, Lectura::Logico, tipos::adBoolean};
    case SQL_TYPE_DATE:
    case SQL_DATE: return {c.nombre, Lectura::Dia, tipos::adDBDate};
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: return {c.nombre, Lectura::Momento, tipos::adDBTimeStamp};
    case SQL_TYPE_TIME:
    case SQL_TIME: return {c.nombre, Lectura::Hora, tipos::adDBTime};
    default: return c;
    }
}

vb::Variant LeeValor(SQLHSTMT st, SQLUSMALLINT i, Lectura l) {
    switch (l) {
    case Lectura::Entero: {
        SQLBIGINT v = 0;
        if (!LeeFijo(st, i, SQL_C_SBIGINT, v)) return vb::Variant::Null();
        if (v >= INT32_MIN && v <= INT32_MAX) return vb::Variant(int32_t(v));
        return vb::Variant(double(v));
    }
    case Lectura::Doble: {
        double v = 0;
        if (!LeeFijo(st, i, SQL_C_DOUBLE, v)) return vb::Variant::Null();
        return vb::Variant(v);
    }
    case Lectura::Dia: {
        SQL_DATE_STRUCT d{};
        if (!LeeFijo(st, i, SQL_C_TYPE_DATE, d)) return vb::Variant::Null();
        return vb::Variant(QDate(d.year, d.month, d.day));
    }
    case Lectura::Momento: {
        SQL_TIMESTAMP_STRUCT t{};
        if (!LeeFijo(st, i, SQL_C_TYPE_TIMESTAMP, t)) return vb::Variant::Null();
        return vb::Variant(vb::Fecha{QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)});
    }
    case Lectura::Hora: {
        SQL_TIME_STRUCT t{};
        if (!LeeFijo(st, i, SQL_C_TYPE_TIME, t)) return vb::Variant::Null();
        return vb::Variant(vb::Fecha{QDate(1899, 12, 30), QTime(t.hour, t.minute, t.second)});
    }
    default: break;
    }
    const auto texto = LeeTexto(st, i);
    if (!texto) return vb::Variant::Null();
    switch (l) {
    case Lectura::Numero: return Moneda(*texto);
    case Lectura::Dinero: {
        // The server's money text carries its symbol and grouping ("-$1,234.56").
        QString limpio;
        for (QChar c : *texto)
            if (c.isDigit() || c == u'.' || c == u'-') limpio += c;
        return Moneda(limpio);
    }
    case Lectura::Logico: {
        const QString t = texto->trimmed().toLower();
        return vb::Variant(!(t.isEmpty() || t == u"0" || t == u"f" || t == u"false" || t == u"n" || t == u"no"));
    }
    default: return vb::Variant(*texto);
    }
}

}  // namespace ado::detalle
