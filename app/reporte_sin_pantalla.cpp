#include "reporte_sin_pantalla.h"

#include "mensajes_consola.h"
#include "puerto_reporte.h"
#include "ventanas.h"
#include "component/Servicios.h"
#include "component/clsConsGT.h"
#include "controles/PuertoUI.h"
#include "vb/ErrorEjecucion.h"

#include <QGuiApplication>
#include <memory>
#include <optional>

namespace app {

namespace {

// The library writes to none of the host's streams: what Qt says while the run's own application
// paints (no XDG_RUNTIME_DIR, a missing font) is nothing a user could act on.
void Callado(QtMsgType, const QMessageLogContext&, const QString&) {}

// PDF and PNG are painted with fonts, which needs a GUI application; the offscreen platform
// needs no display. Listing, EMF and the rows need none. Qt takes the platform options out of
// the arguments it is given, so each application gets a fresh copy of them, and the host's
// message handler is its own again when the application ends: a host may ask again and again.
class AplicacionParaPintar {
public:
    AplicacionParaPintar() : manejadorAnterior_(qInstallMessageHandler(Callado)) {
        aplicacion_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~AplicacionParaPintar() {
        aplicacion_.reset();
        qInstallMessageHandler(manejadorAnterior_);
    }
    AplicacionParaPintar(const AplicacionParaPintar&) = delete;
    AplicacionParaPintar& operator=(const AplicacionParaPintar&) = delete;

private:
    char nombre_[9] = "zrconsgt", opcion_[10] = "-platform", plataforma_[10] = "offscreen";
    char* argv_[4] = {nombre_, opcion_, plataforma_, nullptr};
    int argc_ = 3;
    QtMessageHandler manejadorAnterior_;
    std::unique_ptr<QGuiApplication> aplicacion_;
};

// The UI port and the host's services of this run, back as they were when it ends.
class EnUso {
public:
    explicit EnUso(controles::PuertoUI& puerto) : antes_(component::ServiciosAnfitrion()) {
        controles::FijaPuertoUI(&puerto);
    }
    ~EnUso() {
        controles::FijaPuertoUI(nullptr);
        component::ServiciosAnfitrion() = antes_;
    }
    EnUso(const EnUso&) = delete;
    EnUso& operator=(const EnUso&) = delete;

private:
    component::Servicios antes_;
};

ResultadoReporte Fallo(int32_t numero, const QString& mensaje, bool mostrado = false) {
    return {-1, numero, mensaje, mostrado};
}

ResultadoReporte Corre(component::clsConsGT& consulta, const PedidoReporte& p) {
    std::optional<AplicacionParaPintar> aplicacion;
    if (p.salidas.Pinta()) {
        if (QCoreApplication* existente = QCoreApplication::instance()) {
            if (!qobject_cast<QGuiApplication*>(existente))
                return Fallo(vb::errores::NoSePuedeCrearObjeto,
                             QStringLiteral("el programa anfitrión usa una aplicación Qt sin gráficos: PDF y PNG "
                                            "no se pueden pintar"));
        } else {
            aplicacion.emplace();
        }
    }
    PuertoReporte puerto(p.ajustes, p.salidas, p.examina);
    const EnUso enUso(puerto);
    MensajesConsola::Instala(p.mensajes);
    if (p.progreso) component::ServiciosAnfitrion().progreso = p.progreso;
    InstalaVentanas({});
    const int erroresAntes = MensajesConsola::ErroresMostrados();
    const Conexion& c = p.conexion;
    try {
        consulta.MostrarConsulta(c.ventana, c.cadena, c.manejador, c.empresa, c.ayuda, c.ruta);
    } catch (const vb::ErrorEjecucion& e) {
        return Fallo(e.numero(), QStringLiteral("error %1: %2").arg(e.numero()).arg(e.descripcion()));
    }
    if (!consulta.ConexionAbierta())
        return Fallo(vb::errores::ErrorProveedor, TextoConexionFallida(c.cadena, consulta.MotivoConexion()));
    if (!puerto.FalloAjuste().isEmpty()) return Fallo(vb::errores::LlamadaNoValida, puerto.FalloAjuste());
    if (MensajesConsola::ErroresMostrados() != erroresAntes)
        return Fallo(MensajesConsola::UltimoNumero(), MensajesConsola::UltimaDescripcion(), true);
    if (puerto.Paginas() < 0 && !p.examina)
        return Fallo(vb::errores::LlamadaNoValida, QStringLiteral("la consulta no llegó a la vista preliminar"));
    ResultadoReporte r;
    r.paginas = puerto.Paginas();
    return r;
}

}  // namespace

ResultadoReporte GeneraReporte(component::clsConsGT& consulta, const PedidoReporte& pedido) {
    try {
        return Corre(consulta, pedido);
    } catch (const vb::ErrorEjecucion& e) {
        return Fallo(e.numero() != 0 ? e.numero() : vb::errores::ErrorProveedor, e.descripcion());
    } catch (const std::exception& e) {
        return Fallo(vb::errores::ErrorProveedor, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return Fallo(vb::errores::ErrorProveedor, QStringLiteral("Error interno del componente de consultas"));
    }
}

}  // namespace app
