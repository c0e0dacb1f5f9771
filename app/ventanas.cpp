#include "ventanas.h"

#include "controles/Constants.h"
#include "controles/Form.h"
#include "gastos/frmConGastos.h"
#include "tesoreria/frmConTesoreria.h"

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

// Shows the window's default instance modally and unloads it when the modal loop ends.
template <class Ventana>
void Muestra() {
    const std::shared_ptr<Ventana> ventana = Ventana::Predeterminada();
    try {
        ventana->Show(controles::vbModal);  // loads it first; an error of its load comes back here
    } catch (...) {
        Libera(*ventana);
        throw;
    }
    Libera(*ventana);
}

}  // namespace

void InstalaVentanas(std::function<void()> antesDeMostrar) {
    component::ServiciosAnfitrion().muestraVentana = [antes =
                                                          std::move(antesDeMostrar)](component::TipoDeConsulta tipo) {
        switch (tipo) {
        case component::ConsultasDeGastos:
            if (antes) antes();
            Muestra<gastos::frmConGastos>();
            break;
        case component::ConsultasDeTesoreria:
            if (antes) antes();
            Muestra<tesoreria::frmConTesoreria>();
            break;
        }
    };
}

}  // namespace app
