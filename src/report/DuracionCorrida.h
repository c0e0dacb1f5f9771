#pragma once
// How long the last report run that reached its preview took, from "CONSULTAR" to the preview
// showing: what a user waits for once the window is open. The page writer notes it.
#include <chrono>

namespace report {

std::chrono::nanoseconds DuracionUltimaCorrida();

}  // namespace report
