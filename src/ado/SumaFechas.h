#pragma once
// "(FEC_MOV + PLA_PAG)" means a date some days later, but engines without date + number
// arithmetic read it otherwise: SQLite adds a number to 'YYYY-MM-DD' text, MySQL and MariaDB
// turn the date into the number YYYYMMDD. The one date expression the component writes, a date
// column plus a number of days in parentheses, is put in the engine's own date arithmetic;
// nothing else in the text changes.
#include <QSet>
#include <QString>

namespace ado::detalle {

// Date columns of the database, names in upper case.
struct ColumnasFecha {
    QSet<QString> calificadas;  // "TABLA.COLUMNA"
    QSet<QString> tablas;       // every table and view, so a known qualifier is judged by its own columns
    QSet<QString> sinCalificar; // columns that hold dates in some table

    // One column of one table or view, as the catalog names them.
    void Agrega(const QString& tabla, const QString& columna, bool esFecha);
};

enum class SumaDias {
    Sqlite,  // date(A, B || ' days')
    MySql,   // DATE_ADD(A, INTERVAL B DAY)
};

// "(A + B)" with A a date column (bare or qualified) and B a column or a whole number becomes
// "(date(A, B || ' days'))" or "(DATE_ADD(A, INTERVAL B DAY))"; the text is read the way that
// engine reads it, so what is inside literals and comments is never touched.
QString ReescribeSumaFechas(const QString& sql, const ColumnasFecha& fechas, SumaDias motor);

}  // namespace ado::detalle
