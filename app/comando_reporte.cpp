#include "comando_reporte.h"

#include "ajustes.h"
#include "consola.h"
#include "opciones.h"
#include "progreso_consola.h"
#include "reporte_sin_pantalla.h"
#include "salidas.h"
#include "ado/Recordset.h"
#include "component/clsConsGT.h"
#include "render/Exportacion.h"
#include "report/ArchivosEnCurso.h"
#include "report/DuracionCorrida.h"

#include <QDir>

using namespace app;

namespace {

using Pedido = PedidoReporte;

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
            else if (QString* const destino = n.startsWith(u"--") ? p.salidas.Destino(QStringView(n).mid(2)) : nullptr)
                *destino = o.valor;
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

// What was written, one line each, after the page count; false when the output failed.
bool Informa(const Salidas& s, int paginas) {
    QString texto = QStringLiteral("Páginas: %1\n").arg(paginas);
    const auto linea = [&texto](const char* que, const QString& donde, const QString& resto = {}) {
        if (!donde.isEmpty())
            texto += QStringLiteral("%1: %2%3\n")
                         .arg(QString::fromUtf8(que), QDir::toNativeSeparators(QDir(donde).absolutePath()), resto);
    };
    const QString archivos =
        paginas == 1 ? QStringLiteral(" (1 archivo)") : QStringLiteral(" (%1 archivos)").arg(paginas);
    linea("Listado", s.listado);
    linea("PDF", s.pdf);
    linea("PDF/A", s.pdfa);
    linea("PNG", s.png, archivos);
    linea("EMF", s.emf, archivos);
    linea("XLSX", s.xlsx);
    linea("CSV", s.csv);
    return Escribe(Flujo::Salida, texto);
}

// The benchmark's measure of a run: its queries and the time spent in them, and the report run
// itself (from "CONSULTAR" to the preview), after the report.
bool InformaConsultas() {
    const ado::MedidaConsultas m = ado::Consultas();
    const auto corrida = std::chrono::duration_cast<std::chrono::microseconds>(report::DuracionUltimaCorrida());
    return Escribe(Flujo::Salida, QStringLiteral("ZR_BENCH consultas=%1 sql_us=%2 corrida_us=%3\n")
                                      .arg(m.consultas)
                                      .arg(m.nanosegundos / 1000)
                                      .arg(corrida.count()));
}

}  // namespace

int ComandoReporte(const QStringList& args) {
    Pedido p;
    try {
        p = LeePedido(args);
    } catch (const ErrorOpciones& e) {
        return Falla("reporte", e.mensaje, true);
    }
    p.mensajes = MensajesDe("reporte");
    if (ProgresoConsola::HayTerminal())
        p.progreso = [] { return std::make_unique<ProgresoConsola>(QStringLiteral("zrconsgt reporte")); };
    report::BorraArchivosEnCursoAlInterrumpir();  // an interrupted run leaves no page file or output
    const bool mide = !qEnvironmentVariableIsEmpty("ZR_MIDE_CONSULTAS");
    ado::MideConsultas(mide);
    component::clsConsGT consulta;
    const ResultadoReporte r = GeneraReporte(consulta, p);
    if (r.error != 0) return r.mostrado ? 1 : Falla("reporte", r.mensaje);
    return Informa(p.salidas, r.paginas) && (!mide || InformaConsultas()) ? 0 : 1;
}
