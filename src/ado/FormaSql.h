#pragma once
// A statement's text apart from the values it compares with: two reports' queries that differ
// only in a creditor's code or a date share one shape, and a prepared statement of that shape
// serves both with the values bound.
#include "ado/Lexico.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace ado::detalle {

struct ValorSeparado {
    bool entero = false;  // an integer literal; otherwise a quoted text
    int64_t numero = 0;
    QString texto;
    bool operator==(const ValorSeparado&) const = default;
};

struct FormaSql {
    QString sql;    // the text with '?' where a value was taken out
    QString clave;  // the shape and the kinds of its values: equal keys bind alike
    std::vector<ValorSeparado> valores;
    std::vector<qsizetype> marcas;  // where each '?' stands in `sql`

    // `sql` with the engine's numbered markers ($1, $2, ...) for the '?'.
    QString ConMarcasNumeradas() const;
};

// Only values a parameter stands for exactly are taken out: plain quoted texts and 32-bit integers
// right after a comparison or in BETWEEN .. AND, read the way `dialecto` quotes them. Reals (the
// engine reads their digits its own way), NULL, escape and dollar-quoted strings, column numbers
// of ORDER BY and anything glued to a word stay in the text.
FormaSql SeparaValores(QStringView sql, Dialecto dialecto = Dialecto::Estandar);

}  // namespace ado::detalle
