#pragma once
// SQLite keeps dates as 'YYYY-MM-DD' text, so "(FEC_MOV + PLA_PAG)" would add a number to text.
// The one date expression the component writes, a DATE column plus a number of days in
// parentheses, is turned into SQLite's date arithmetic; nothing else in the text changes.
#include <QSet>
#include <QString>

namespace ado::detalle {

// Columns declared DATE in the database, names in upper case.
struct ColumnasFecha {
    QSet<QString> calificadas;  // "TABLA.COLUMNA"
    QSet<QString> tablas;       // every table and view, so a known qualifier is judged by its own columns
    QSet<QString> sinCalificar; // columns declared DATE in some table
};

// "(A + B)" with A a DATE column (bare or qualified) and B a column or a whole number
// becomes "(date(A, B || ' days'))"; text inside literals and comments is never touched.
QString ReescribeSumaFechas(const QString& sql, const ColumnasFecha& fechas);

}  // namespace ado::detalle
