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

namespace app {

namespace {

QtMessageHandler manejadorQt = nullptr;

// A run without a session has no XDG_RUNTIME_DIR; Qt's warning about it says nothing a user of
// the command could act on. Every other message goes on as before.
void SinAvisoDeSesion(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje) {
    if (tipo == QtWarningMsg && mensaje.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set")) return;
    if (manejadorQt) manejadorQt(tipo, contexto, mensaje);
}

// PDF and PNG are painted with fonts, which needs a GUI application; the offscreen platform
// needs no display. Listing, EMF and the rows need none.
std::unique_ptr<QGuiApplication> AplicacionParaPintar() {
    static char nombre[] = "zrconsgt", opcion[] = "-platform", plataforma[] = "offscreen";
    static char* argv[] = {nombre, opcion, plataforma, nullptr};
    static int argc = 3;
    manejadorQt = qInstallMessageHandler(SinAvisoDeSesion);
    return std::make_unique<QGuiApplication>(argc, argv);
}

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
    std::unique_ptr<QGuiApplication> aplicacion;
    if (p.salidas.Pinta()) {
        if (QCoreApplication* existente = QCoreApplication::instance()) {
            if (!qobject_cast<QGuiApplication*>(existente))
                return Fallo(vb::errores::NoSePuedeCrearObjeto,
                             QStringLiteral("el programa anfitrión usa una aplicación Qt sin gráficos: PDF y PNG "
                                            "no se pueden pintar"));
        } else {
            aplicacion = AplicacionParaPintar();
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
