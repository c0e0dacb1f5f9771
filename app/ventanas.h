#pragma once
// The windows MostrarConsulta shows: the factory installed in the host services, shared by the
// library hosts load and the command line.
#include "component/Servicios.h"

#include <functional>

namespace app {

// Installs the factory. `antesDeMostrar` runs before a window is built (the desktop prepares Qt
// there; the headless report needs nothing); an error it raises reaches MostrarConsulta's caller.
void InstalaVentanas(std::function<void()> antesDeMostrar);

}  // namespace app
