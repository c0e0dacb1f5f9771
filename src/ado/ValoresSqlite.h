#pragma once
// How a SQLite column value becomes a Variant. The embedded database keeps dates as 'YYYY-MM-DD'
// text in columns declared DATE, amounts as REAL in columns declared CURRENCY and flags as 0/1 in
// columns declared BOOLEAN. A result column without a declared type is an expression; the only
// ones the reports write are money (SUM(IMP_MOV), LIM_CRE-SAL_PROV), so a number there arrives
// as Currency.
#include "vb/ErrorEjecucion.h"
#include "vb/Variant.h"

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::detalle {

enum class Clase { Texto, Fecha, Moneda, Entero, Logico, Doble, Expresion, SegunValor };

// From the column's declared type (null for an expression).
Clase ClaseDeclarada(const char* tipoDeclarado);
int TipoAdo(Clase c);
// The value of column i of the statement's current row. A stored value its declared type cannot
// hold (text in an amount, number or date column, an infinite real) raises the runtime's error 13
// or 6 naming the column and the value, instead of reading as something else.
vb::Variant Convierte(sqlite3_stmt* st, int i, Clase clase);

// That error, for a value shown as MuestraValor shows it.
[[noreturn]] void LanzaValorAjeno(int32_t numero, const QString& columna, const QString& valor);
// A stored value as an error names it: text quoted (long text cut), numbers as SQLite writes them.
QString MuestraValor(int tipo, const unsigned char* texto, int bytes);

// The SQL function compruebanumero(valor, 'COLUMNA') the rewritten sums call on each value: the
// value itself when it is a finite number, else the statement stops and `pendiente` holds the
// error to raise.
// Also replaces SUM with one that adds reals as the amounts they read as, to the ten-thousandth.
void RegistraCompruebaNumero(sqlite3* db, std::optional<vb::ErrorEjecucion>* pendiente);

}  // namespace ado::detalle
