#include "component/Eventos.h"

#include "component/Servicios.h"
#include "controles/Constants.h"
#include "controles/Screen.h"
#include "vb/ErrorEjecucion.h"

namespace component {

namespace {

// Counts how deep in event handlers the window is, for as long as the handler runs.
struct Nivel {
    explicit Nivel(int& n) : n_(++n) {}
    ~Nivel() { --n_; }
    int& n_;
};

}  // namespace

void AtencionEventos::Atiende(const std::function<void()>& manejador) {
    if (profundidad_ > 0) return manejador();
    try {
        Nivel nivel(profundidad_);
        manejador();
    } catch (const vb::ErrorEjecucion& e) {
        controles::Screen.SetMousePointer(controles::vbDefault);
        MuestraError(e.numero(), e.descripcion());
    }
}

void AtencionEventos::Carga(const std::function<void()>& manejador) {
    Nivel nivel(profundidad_);
    manejador();
}

}  // namespace component
