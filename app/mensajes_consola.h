#pragma once
// The message service of a run nobody looks at: every message becomes one line for a destination
// (the program's standard error, a host's callback, or nowhere), questions are answered "no" and
// nothing is typed. It counts the errors shown, so a command can tell that the run it started
// reported one.
#include "component/Servicios.h"

#include <functional>

namespace app {

// Receives each message as one line, without its end.
using DestinoMensajes = std::function<void(const QString& linea)>;

class MensajesConsola : public component::ServicioMensajes {
public:
    explicit MensajesConsola(DestinoMensajes destino) : destino_(std::move(destino)) {}

    void MuestraMensaje(int32_t numero, int32_t reservado, const QString& texto, int32_t opciones) override;
    int32_t Pregunta(int32_t numero, int32_t reservado, const QString& texto, int32_t botones, int32_t icono) override;
    QString Captura(int32_t numero, int32_t reservado, const QString& indicacion, int32_t a, int32_t b,
                    int32_t c) override;
    void MuestraError(const vb::Variant& numero, const vb::Variant& descripcion, int32_t opciones) override;

    // Errors shown by every instance since the process started, and the last one's number and
    // description.
    static int ErroresMostrados();
    static int32_t UltimoNumero();
    static QString UltimaDescripcion();

    // Installs a fresh instance per use into the host services.
    static void Instala(const DestinoMensajes& destino);

private:
    void Escribe(const QString& linea) const;
    DestinoMensajes destino_;
};

}  // namespace app
