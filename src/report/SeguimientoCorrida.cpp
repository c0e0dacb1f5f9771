#include "report/SeguimientoCorrida.h"

#include "ado/Recordset.h"

namespace report {

SeguimientoCorrida::SeguimientoCorrida() : filasAlEmpezar_(ado::FilasLeidas()) {
    const auto& fabrica = component::ServiciosAnfitrion().progreso;
    if (fabrica) progreso_ = fabrica();
    if (progreso_) ado::AlLeerFilas([this] { Informa(); });
}

SeguimientoCorrida::~SeguimientoCorrida() {
    if (progreso_) ado::AlLeerFilas({});
}

void SeguimientoCorrida::Pagina(int32_t n) {
    paginas_ = n;
    Informa();
}

void SeguimientoCorrida::Informa() {
    if (progreso_ && !progreso_->Avanza({paginas_, ado::FilasLeidas() - filasAlEmpezar_})) throw CorridaCancelada{};
}

}  // namespace report
