#pragma once
// The message service of the command line: every message goes to the standard error, questions
// are answered "no" and nothing is typed. It counts the errors shown, so a command can tell that
// the run it started reported one.
#include "component/Servicios.h"

namespace app {

class MensajesConsola : public component::ServicioMensajes {
public:
    // `prefijo` starts every line ("zrconsgt reporte").
    explicit MensajesConsola(QString prefijo) : prefijo_(std::move(prefijo)) {}

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
    static void Instala(const QString& prefijo);

private:
    void Escribe(const QString& linea) const;
    QString prefijo_;
};

}  // namespace app
