#pragma once
// What each column of an ODBC result is and how its value is read into a Variant.
#include "vb/Variant.h"

#include <QString>
#include <sql.h>
#include <vector>

namespace ado::detalle {

enum class Lectura { Texto, Numero, Dinero, Entero, Doble, Logico, Dia, Momento, Hora };

struct Columna {
    QString nombre;
    Lectura lectura;
    int tipoAdo;
    bool operator==(const Columna&) const = default;
};

Columna DescribeColumna(SQLHSTMT st, SQLUSMALLINT i);
// Every column of the statement's answer, in order.
std::vector<Columna> DescribeColumnas(SQLHSTMT st);
// Column i (from 1) of the current row; columns must be read in increasing order.
vb::Variant LeeValor(SQLHSTMT st, SQLUSMALLINT i, Lectura l);
// The whole current row into `valores` (one per column): drivers need columns read in order.
void LeeFila(SQLHSTMT st, const std::vector<Columna>& columnas, std::vector<vb::Variant>& valores);

}  // namespace ado::detalle
