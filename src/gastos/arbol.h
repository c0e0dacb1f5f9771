#pragma once
// The queries that fill the two trees, for the window's load to ask them with its other lists.
#include <QString>

namespace gastos {

// 0: creditor groups and their agrupaciones; 1: expense folios and their concepts.
QString ConsultaArbol(int Index);

}  // namespace gastos
