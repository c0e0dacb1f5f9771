#pragma once
// Reads "Clave=Valor;Clave=Valor" connection strings. Keys are matched without regard to case;
// a value may be wrapped in {braces} or "double quotes" to hold a ';'.
#include <QString>
#include <QStringView>

namespace ado::detalle {

// The value of `clave` (trimmed, wrappers removed), or a null QString when the key is absent.
QString ValorDeCadena(QStringView cadena, QStringView clave);

}  // namespace ado::detalle
