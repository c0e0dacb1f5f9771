#include "component/Servicios.h"

namespace component {

Servicios& ServiciosAnfitrion() {
    static Servicios servicios;
    return servicios;
}

void MuestraError(int32_t numero, const QString& descripcion) {
    auto& s = ServiciosAnfitrion();
    if (!s.mensajes) return;
    if (auto mensajes = s.mensajes()) mensajes->MuestraError(vb::Variant(numero), vb::Variant(descripcion), 0);
}

}  // namespace component
