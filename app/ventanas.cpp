#include "ventanas.h"

#include "controles/Constants.h"
#include "controles/Form.h"
#include "gastos/frmConGastos.h"

namespace app {

namespace {

// A window that is still loaded is unloaded, which drops the default instance, so the next call
// builds a fresh one. Releasing never raises: the error that got here matters more.
void Libera(controles::Form& ventana) noexcept {
    try {
        if (ventana.Loaded()) controles::Unload(ventana);
    } catch (...) {
    }
}

void MuestraGastos() {
    const std::shared_ptr<gastos::frmConGastos> ventana = gastos::frmConGastos::Predeterminada();
    try {
        ventana->Show(controles::vbModal);  // loads it first; an error of its load comes back here
    } catch (...) {
        Libera(*ventana);
        throw;
    }
    Libera(*ventana);
}

}  // namespace

bool HayVentana(component::TipoDeConsulta tipo) { return tipo == component::ConsultasDeGastos; }

void InstalaVentanas(std::function<void()> antesDeMostrar) {
    component::ServiciosAnfitrion().muestraVentana = [antes =
                                                          std::move(antesDeMostrar)](component::TipoDeConsulta tipo) {
        switch (tipo) {
        case component::ConsultasDeGastos:
            if (antes) antes();
            MuestraGastos();
            break;
        case component::ConsultasDeTesoreria:
            // The treasury window is not built yet: the call returns having shown nothing.
            break;
        }
    };
}

}  // namespace app
