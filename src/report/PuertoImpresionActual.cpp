#include "report/PuertoImpresionActual.h"

namespace report {

namespace {
PuertoImpresion* puertoActual = nullptr;
}

void FijaPuertoImpresion(PuertoImpresion* puerto) { puertoActual = puerto; }
PuertoImpresion* PuertoImpresionActual() { return puertoActual; }

}  // namespace report
