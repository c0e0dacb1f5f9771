#pragma once
// The printer every new preview window prints through: the desktop installs its Qt printer,
// tests a double; none installed means printing is a run-time error.
#include "report/SuperficieImpresion.h"

namespace report {

void FijaPuertoImpresion(PuertoImpresion* puerto);
PuertoImpresion* PuertoImpresionActual();

}  // namespace report
