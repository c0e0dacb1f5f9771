#pragma once
// The host services the component calls but does not contain: messages, the two search dialogs,
// the help document and the query windows themselves. The desktop host installs Qt ones; the
// command line and the tests install their own.
#include "vb/Variant.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace component {

class ServicioMensajes {
public:
    virtual ~ServicioMensajes() = default;
    virtual void MuestraMensaje(int32_t numero, int32_t reservado, const QString& texto, int32_t opciones) = 0;
    // 6 means yes.
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

enum TipoDeConsulta : int32_t { ConsultasDeGastos = 0, ConsultasDeTesoreria = 1 };

struct Servicios {
    // Each use creates an instance and releases it afterwards, as the host's components are used.
    std::function<std::unique_ptr<ServicioMensajes>()> mensajes;
    std::function<std::unique_ptr<BuscadorAcreedores>()> buscadorAcreedores;
    std::function<std::unique_ptr<BuscadorCheques>()> buscadorCheques;
    // Opens a document with the desktop's default application; false when it could not.
    std::function<bool(const QString& archivo)> abreDocumento;
    // Builds the window of that kind and shows it modally; returns when it closes.
    std::function<void(TipoDeConsulta)> muestraVentana;
};

Servicios& ServiciosAnfitrion();

// Shows an error through a fresh message-service instance (nothing when no service is installed).
void MuestraError(int32_t numero, const QString& descripcion);

}  // namespace component
