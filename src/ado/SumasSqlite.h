#pragma once
// SQLite lets any text into a column declared as an amount, and its sums read such text as 0.
// A sum of a column is made to check each value it adds; nothing else in the text changes, and
// what is inside literals and comments is never touched.
#include <QString>

namespace ado::detalle {

// "SUM(A)", "TOTAL(A)" and "AVG(A)" with A a bare or qualified column become
// "SUM(compruebanumero(A,'A'))", so a value that is not a finite number stops the query with the
// runtime's error naming the column and the value (see RegistraCompruebaNumero).
QString ReescribeSumas(const QString& sql);

}  // namespace ado::detalle
