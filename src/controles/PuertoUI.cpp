#include "controles/PuertoUI.h"

namespace controles {

namespace {
PuertoUI* puertoActual = nullptr;
}

void FijaPuertoUI(PuertoUI* puerto) { puertoActual = puerto; }
PuertoUI* PuertoUIActual() { return puertoActual; }

}  // namespace controles
