#include "ado/PreparadasOdbc.h"

#include "ado/Comillas.h"
#include "ado/Errores.h"
#include "ado/OdbcComun.h"

#include <sqlext.h>

#include <algorithm>

namespace ado::detalle {

std::unique_ptr<Preparada> Preparada::Prepara(SQLHDBC dbc, const QString& sql) {
    SQLHSTMT st = nullptr;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &st))) return nullptr;
    if (!SQL_SUCCEEDED(SQLPrepareW(st, const_cast<SQLWCHAR*>(Ancho(sql)), SQLINTEGER(sql.size())))) {
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        return nullptr;
    }
    return std::unique_ptr<Preparada>(new Preparada(st));
}

Preparada::~Preparada() { SQLFreeHandle(SQL_HANDLE_STMT, st_); }

// Integers go as BIGINT and texts as wide VARCHAR: the server reads a text parameter as it reads
// a quoted literal, by what it is compared with (a date, a code).
void Preparada::Ejecuta(const std::vector<ValorSeparado>& valores) {
    const std::size_t n = valores.size();
    textos_.assign(n, QString());
    enteros_.assign(n, 0);
    largos_.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const ValorSeparado& v = valores[i];
        SQLRETURN rc;
        if (v.entero) {
            enteros_[i] = v.numero;
            rc = SQLBindParameter(st_, SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0,
                                  &enteros_[i], 0, &largos_[i]);
        } else {
            textos_[i] = v.texto;
            largos_[i] = SQLLEN(textos_[i].size() * 2);
            rc = SQLBindParameter(st_, SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                                  SQLULEN(std::max<qsizetype>(textos_[i].size(), 1)), 0, textos_[i].data(),
                                  largos_[i], &largos_[i]);
        }
        Verifica(rc, SQL_HANDLE_STMT, st_);
    }
    Reejecuta();
}

void Preparada::Reejecuta() {
    SQLFreeStmt(st_, SQL_CLOSE);
    const SQLRETURN rc = SQLExecute(st_);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) LanzaDiagnostico(SQL_HANDLE_STMT, st_);
}

QString PreparaNombrada(const QString& nombre, const FormaSql& forma) {
    return QStringLiteral("PREPARE ") + nombre + QStringLiteral(" AS ") + forma.ConMarcasNumeradas();
}

// The session reads a backslash as an ordinary character, so doubling the quote is all a text needs.
QString EjecutaNombrada(const QString& nombre, const std::vector<ValorSeparado>& valores) {
    QString r = QStringLiteral("EXECUTE ") + nombre + u'(';
    for (std::size_t i = 0; i < valores.size(); ++i) {
        if (i) r += u',';
        const ValorSeparado& v = valores[i];
        r += v.entero ? QString::number(v.numero) : u'\'' + Comillas(v.texto) + u'\'';
    }
    return r + u')';
}

void PreparadasOdbc::Devuelve(const QString& clave, std::unique_ptr<Preparada> p) {
    SQLFreeStmt(p->Sentencia(), SQL_CLOSE);
    Guarda(clave, std::move(p));
}

}  // namespace ado::detalle
