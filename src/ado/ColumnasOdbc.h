#pragma once
// What each column of an ODBC result is and how its value is read into a Variant.
#include "vb/Variant.h"

#include <QString>
#include <sql.h>

namespace ado::detalle {

enum class Lectura { Texto, Numero, Dinero, Entero, Doble, Logico, Dia, Momento, Hora };

struct Columna {
    QString nombre;
    Lectura lectura;
    int tipoAdo;
    bool operator==(const Columna&) const = default;
};

Columna DescribeColumna(SQLHSTMT st, SQLUSMALLINT i);
// Column i (from 1) of the current row; columns must be read in increasing order.
vb::Variant LeeValor(SQLHSTMT st, SQLUSMALLINT i, Lectura l);

}  // namespace ado::detalle
