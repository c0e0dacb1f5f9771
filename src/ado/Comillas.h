#pragma once
// The one way a user-typed value (a code, a folio) enters SQL text: between single quotes,
// with every quote doubled, so it can neither end the literal nor change the statement.
#include <QString>

namespace ado {

// "O'Brien" -> "O''Brien". The caller writes the surrounding quotes: "...='" & Comillas(x) & "'".
QString Comillas(const QString& valor);

}  // namespace ado
