#pragma once
// How a SQLite column value becomes a Variant. The embedded database keeps dates as 'YYYY-MM-DD'
// text in columns declared DATE, amounts as REAL in columns declared CURRENCY and flags as 0/1 in
// columns declared BOOLEAN. A result column without a declared type is an expression; the only
// ones the reports write are money (SUM(IMP_MOV), LIM_CRE-SAL_PROV), so a number there arrives
// as Currency.
#include "vb/Variant.h"

struct sqlite3_stmt;

namespace ado::detalle {

enum class Clase { Texto, Fecha, Moneda, Entero, Logico, Doble, Expresion, SegunValor };

// From the column's declared type (null for an expression).
Clase ClaseDeclarada(const char* tipoDeclarado);
int TipoAdo(Clase c);
// The value of column i of the statement's current row.
vb::Variant Convierte(sqlite3_stmt* st, int i, Clase clase);

}  // namespace ado::detalle
