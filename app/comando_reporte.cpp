#include "comando_reporte.h"

#include "ajustes.h"
#include "mensajes_consola.h"
#include "opciones.h"
#include "puerto_reporte.h"
#include "salidas.h"
#include "ventanas.h"
#include "controles/PuertoUI.h"
#include "render/Exportacion.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

using namespace app;

namespace {

struct Pedido {
    Conexion conexion;
    std::vector<Ajuste> ajustes;
    Salidas salidas;
};

Pedido LeePedido(const QStringList& args) {
    Pedido p;
    std::vector<Opcion> opciones;
    QStringList palabras;
    SeparaOpciones(args, opciones, palabras);
    if (!palabras.isEmpty()) throw ErrorOpciones{QStringLiteral("sobra el argumento \"%1\"").arg(palabras[0])};
    try {
        for (const Opcion& o : opciones) {
            const QString& n = o.nombre;
            if (TomaOpcionConexion(o, p.conexion)) continue;
            if (n == u"--ventana")
                p.conexion.ventana = LeeVentana(o.valor);
            else if (n == u"--fijar")
                p.ajustes.push_back(LeeFijar(o.valor));
            else if (n == u"--marcar")
                p.ajustes.push_back(LeeMarcar(o.valor));
            else if (n == u"--listado")
                p.salidas.listado = o.valor;
            else if (n == u"--pdf")
                p.salidas.pdf = o.valor;
            else if (n == u"--png")
                p.salidas.png = o.valor;
            else if (n == u"--emf")
                p.salidas.emf = o.valor;
            else if (n == u"--pdfa")
                p.salidas.pdfa = o.valor;
            else if (n == u"--xlsx")
                p.salidas.xlsx = o.valor;
            else if (n == u"--csv")
                p.salidas.csv = o.valor;
            else if (n == u"--ppp")
                p.salidas.ppp = LeeEntero(o, render::PppMinimo, render::PppMaximo);
            else
                throw ErrorOpciones{QStringLiteral("opción desconocida: %1").arg(n)};
        }
    } catch (const ErrorAjuste& e) {
        throw ErrorOpciones{e.mensaje()};
    }
    CompruebaConexion(p.conexion);
    if (!p.salidas.Alguna())
        throw ErrorOpciones{QStringLiteral("falta al menos una salida: --listado, --pdf, --pdfa, --png, --emf, --xlsx o --csv")};
    return p;
}

QtMessageHandler manejadorQt = nullptr;

// A run without a session has no XDG_RUNTIME_DIR; Qt's warning about it says nothing a user of
// the command could act on. Every other message goes on as before.
void SinAvisoDeSesion(QtMsgType tipo, const QMessageLogContext& contexto, const QString& mensaje) {
    if (tipo == QtWarningMsg && mensaje.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set")) return;
    if (manejadorQt) manejadorQt(tipo, contexto, mensaje);
}

// PDF and PNG are painted with fonts, which needs a GUI application; the offscreen platform
// needs no display. Listing and EMF need neither.
std::unique_ptr<QGuiApplication> AplicacionParaPintar() {
    static char nombre[] = "zrconsgt", opcion[] = "-platform", plataforma[] = "offscreen";
    static char* argv[] = {nombre, opcion, plataforma, nullptr};
    static int argc = 3;
    manejadorQt = qInstallMessageHandler(SinAvisoDeSesion);
    return std::make_unique<QGuiApplication>(argc, argv);
}

// What was written, one line each, after the page count.
void Informa(const Salidas& s, int paginas) {
    const auto linea = [](const char* que, const QString& donde, const QString& resto = {}) {
        if (!donde.isEmpty())
            std::printf("%s: %s%s\n", que,
                        QDir::toNativeSeparators(QDir(donde).absolutePath()).toLocal8Bit().constData(),
                        resto.toLocal8Bit().constData());
    };
    const QString archivos =
        paginas == 1 ? QStringLiteral(" (1 archivo)") : QStringLiteral(" (%1 archivos)").arg(paginas);
    std::printf("Páginas: %d\n", paginas);
    linea("Listado", s.listado);
    linea("PDF", s.pdf);
    linea("PDF/A", s.pdfa);
    linea("PNG", s.png, archivos);
    linea("EMF", s.emf, archivos);
    linea("XLSX", s.xlsx);
    linea("CSV", s.csv);
}

// The UI port in force for as long as the command runs.
class PuertoEnUso {
public:
    explicit PuertoEnUso(controles::PuertoUI& puerto) { controles::FijaPuertoUI(&puerto); }
    ~PuertoEnUso() { controles::FijaPuertoUI(nullptr); }
    PuertoEnUso(const PuertoEnUso&) = delete;
    PuertoEnUso& operator=(const PuertoEnUso&) = delete;
};

}  // namespace

int ComandoReporte(const QStringList& args) {
    Pedido p;
    try {
        p = LeePedido(args);
    } catch (const ErrorOpciones& e) {
        return Falla("reporte", e.mensaje, true);
    }
    const Conexion& c = p.conexion;

    const std::unique_ptr<QGuiApplication> aplicacion = p.salidas.Pinta() ? AplicacionParaPintar() : nullptr;
    MensajesConsola::Instala(QStringLiteral("zrconsgt reporte"));
    InstalaVentanas({});
    PuertoReporte puerto(std::move(p.ajustes), p.salidas);
    const PuertoEnUso enUso(puerto);
    const int erroresAntes = MensajesConsola::ErroresMostrados();
    if (MuestraConsulta("reporte", c) != 0) return 1;
    if (!puerto.FalloAjuste().isEmpty()) return Falla("reporte", puerto.FalloAjuste());
    if (MensajesConsola::ErroresMostrados() != erroresAntes) return 1;  // the run said what went wrong
    if (puerto.Paginas() < 0) return Falla("reporte", QStringLiteral("la consulta no llegó a la vista preliminar"));

    Informa(p.salidas, puerto.Paginas());
    return std::fflush(stdout) == 0 ? 0 : 1;
}
