#pragma once
// A report run as the host's progress view sees it: the pages saved and the rows read, told at
// every page and every few hundred rows, and the user's wish to stop it.
#include "component/Servicios.h"

#include <cstdint>
#include <memory>

namespace report {

// The user stopped the run. It is no run-time error, so the report routines' own error handling
// lets it through; the page writer ends the run as if it had never started.
struct CorridaCancelada {};

class SeguimientoCorrida {
public:
    // Creates the host's progress view, when it has one, and follows the rows read from now on.
    SeguimientoCorrida();
    ~SeguimientoCorrida();  // stops following and releases the view
    SeguimientoCorrida(const SeguimientoCorrida&) = delete;
    SeguimientoCorrida& operator=(const SeguimientoCorrida&) = delete;

    // Page `n` was saved. Raises CorridaCancelada when the user stopped the run.
    void Pagina(int32_t n);

private:
    void Informa();

    std::unique_ptr<component::ProgresoCorrida> progreso_;
    int32_t paginas_ = 0;
    int64_t filasAlEmpezar_ = 0;
};

}  // namespace report
