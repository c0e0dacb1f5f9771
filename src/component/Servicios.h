#pragma once
// The host services the component calls but does not contain: messages, the two search dialogs,
// the help document and the query windows themselves. The desktop host installs Qt ones; the
// command line and the tests install their own.
#include "vb/ErrorEjecucion.h"
#include "vb/Variant.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace component {

// What Pregunta answers, and the numbers of the messages whose wording the service supplies.
inline constexpr int32_t RespuestaSi = 6;
inline constexpr int32_t RespuestaNo = 7;
inline constexpr int32_t MensajeSalirDeVista = 129;   // "¿Desea salir de la vista preliminar?"
inline constexpr int32_t MensajePaginaGrabada = 130;  // "Página grabada:" and the file

class ServicioMensajes {
public:
    virtual ~ServicioMensajes() = default;
    virtual void MuestraMensaje(int32_t numero, int32_t reservado, const QString& texto, int32_t opciones) = 0;
    // RespuestaSi or RespuestaNo.
    virtual int32_t Pregunta(int32_t numero, int32_t reservado, const QString& texto, int32_t botones, int32_t icono) = 0;
    // The text the user typed; "" when cancelled.
    virtual QString Captura(int32_t numero, int32_t reservado, const QString& indicacion, int32_t a, int32_t b, int32_t c) = 0;
    virtual void MuestraError(const vb::Variant& numero, const vb::Variant& descripcion, int32_t opciones) = 0;
};

// Both search dialogs open their own connection from the host's string and engine kind (a byte).
// The window passes the remaining arguments as fixed values; what the dialogs make of them is theirs.
class BuscadorAcreedores {
public:
    virtual ~BuscadorAcreedores() = default;
    // The expense window passes DirConsultas, "ACREEDORES", "" and 0.
    virtual void MuestraBusqueda(const QString& cadenaConexion, uint8_t manejador, const QString& archivoAyuda,
                                 const QString& dirConsultas, const QString& catalogo, const QString& filtro,
                                 int32_t opciones) = 0;
    virtual QString CodigoSeleccionado() const = 0;  // "" when cancelled
};

class BuscadorCheques {
public:
    virtual ~BuscadorCheques() = default;
    // The expense window passes DirConsultas, 2, 57, "", "", an empty text by reference, "" and "".
    virtual void MuestraBusqueda(const QString& cadenaConexion, uint8_t manejador, const QString& archivoAyuda,
                                 const QString& dirConsultas, int32_t tipo, int32_t clase, const QString& filtro1,
                                 const QString& filtro2, QString& referencia, const QString& filtro3,
                                 const QString& filtro4) = 0;
    virtual QString CodigoSeleccionado() const = 0;  // "" when cancelled
};

// What a report run has done so far.
struct AvanceCorrida {
    int32_t paginas = 0;  // pages drawn and saved
    int64_t filas = 0;    // rows its queries read
};

// The host's view of a report run while it lasts: it shows how far the run is and lets the user
// stop it. Created when a run starts and released when it ends, however it ends.
class ProgresoCorrida {
public:
    virtual ~ProgresoCorrida() = default;
    // Called at every page and every few hundred rows; false ends the run, cleanly, as if it had
    // never started.
    virtual bool Avanza(const AvanceCorrida& avance) = 0;
};

enum TipoDeConsulta : int32_t { ConsultasDeGastos = 0, ConsultasDeTesoreria = 1 };

struct Servicios {
    // Each use creates an instance and releases it afterwards, as the host's components are used.
    std::function<std::unique_ptr<ServicioMensajes>()> mensajes;
    std::function<std::unique_ptr<BuscadorAcreedores>()> buscadorAcreedores;
    std::function<std::unique_ptr<BuscadorCheques>()> buscadorCheques;
    // Opens a document with the desktop's default application; false when it could not.
    std::function<bool(const QString& archivo)> abreDocumento;
    // Optional: without it a run shows nothing of its progress and cannot be stopped.
    std::function<std::unique_ptr<ProgresoCorrida>()> progreso;
    // Builds the window of that kind and shows it modally; returns when it closes.
    std::function<void(TipoDeConsulta)> muestraVentana;
};

Servicios& ServiciosAnfitrion();

// A fresh instance from one of the host's factories; run-time error 429 when the host installed
// none or it gave none.
template <class T>
std::unique_ptr<T> CreaServicio(const std::function<std::unique_ptr<T>()>& fabrica) {
    std::unique_ptr<T> servicio = fabrica ? fabrica() : nullptr;
    if (!servicio) throw vb::ErrorEjecucion(vb::errores::NoSePuedeCrearObjeto);
    return servicio;
}

// Shows an error through a fresh message-service instance (nothing when no service is installed).
void MuestraError(int32_t numero, const QString& descripcion);

}  // namespace component
