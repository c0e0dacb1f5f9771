#include "mensajes_consola.h"

#include "vb/ErrorEjecucion.h"

namespace app {

namespace {

int erroresMostrados = 0;
int32_t ultimoNumero = 0;
QString ultimaDescripcion;

// The message's number and, when it has one, its text on the same line.
QString ConTexto(const char* clase, int32_t numero, const QString& texto) {
    QString linea = QStringLiteral("%1 %2").arg(QLatin1String(clase)).arg(numero);
    const QString limpio = texto.simplified();
    if (!limpio.isEmpty()) linea += QStringLiteral(": ") + limpio;
    return linea;
}

}  // namespace

void MensajesConsola::Escribe(const QString& linea) const {
    if (destino_) destino_(linea);
}

void MensajesConsola::MuestraMensaje(int32_t numero, int32_t, const QString& texto, int32_t) {
    Escribe(ConTexto("mensaje", numero, texto));
}

int32_t MensajesConsola::Pregunta(int32_t numero, int32_t, const QString& texto, int32_t, int32_t) {
    Escribe(ConTexto("pregunta", numero, texto) + QStringLiteral(" (se responde que no)"));
    return component::RespuestaNo;
}

QString MensajesConsola::Captura(int32_t, int32_t, const QString& indicacion, int32_t, int32_t, int32_t) {
    Escribe(indicacion + QStringLiteral(" (no se escribe nada)"));
    return {};
}

void MensajesConsola::MuestraError(const vb::Variant& numero, const vb::Variant& descripcion, int32_t) {
    ++erroresMostrados;
    ultimaDescripcion = descripcion.CStr();
    try {
        ultimoNumero = numero.CLng();
    } catch (const vb::ErrorEjecucion&) {
        ultimoNumero = vb::errores::ErrorProveedor;  // a number that is not one still means an error
    }
    Escribe(QStringLiteral("error %1: %2").arg(numero.CStr(), descripcion.CStr()));
}

int MensajesConsola::ErroresMostrados() { return erroresMostrados; }
int32_t MensajesConsola::UltimoNumero() { return ultimoNumero; }
QString MensajesConsola::UltimaDescripcion() { return ultimaDescripcion; }

void MensajesConsola::Instala(const DestinoMensajes& destino) {
    component::ServiciosAnfitrion().mensajes = [destino] { return std::make_unique<MensajesConsola>(destino); };
}

}  // namespace app
