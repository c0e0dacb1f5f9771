#pragma once
// The host's message service on the desktop: message boxes, a yes/no question and a text prompt,
// with the component's numbered messages worded here.
#include "component/Servicios.h"

namespace ui {

// The text of a numbered message followed by the caller's text; line breaks as "\n".
QString TextoMensaje(int32_t numero, const QString& texto);

class MensajesQt : public component::ServicioMensajes {
public:
    void MuestraMensaje(int32_t numero, int32_t reservado, const QString& texto, int32_t opciones) override;
    // 6 for "Sí", 7 for "No" (also when the box is closed).
    int32_t Pregunta(int32_t numero, int32_t reservado, const QString& texto, int32_t botones, int32_t icono) override;
    QString Captura(int32_t numero, int32_t reservado, const QString& indicacion, int32_t a, int32_t b, int32_t c) override;
    void MuestraError(const vb::Variant& numero, const vb::Variant& descripcion, int32_t opciones) override;
};

}  // namespace ui
