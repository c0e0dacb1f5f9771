#include "comando_controles.h"

#include "consola.h"
#include "controles_ventana.h"
#include "opciones.h"
#include "reporte_sin_pantalla.h"
#include "component/clsConsGT.h"
#include "controles/Form.h"

using namespace app;

namespace {

PedidoReporte LeePedido(const QStringList& args) {
    PedidoReporte p;
    std::vector<Opcion> opciones;
    QStringList palabras;
    SeparaOpciones(args, opciones, palabras);
    if (!palabras.isEmpty()) throw ErrorOpciones{QStringLiteral("sobra el argumento \"%1\"").arg(palabras[0])};
    for (const Opcion& o : opciones) {
        if (TomaOpcionConexion(o, p.conexion)) continue;
        if (o.nombre == u"--ventana")
            p.conexion.ventana = LeeVentana(o.valor);
        else if (o.nombre == u"--consulta")
            p.ajustes.assign(1, Ajuste{Ajuste::Clase::Fijar, QStringLiteral("cmbConsulta"), o.valor});
        else
            throw ErrorOpciones{QStringLiteral("opción desconocida: %1").arg(o.nombre)};
    }
    CompruebaConexion(p.conexion);
    return p;
}

}  // namespace

int ComandoControles(const QStringList& args) {
    PedidoReporte p;
    try {
        p = LeePedido(args);
    } catch (const ErrorOpciones& e) {
        return Falla("controles", e.mensaje, true);
    }
    QString lista;
    p.mensajes = MensajesDe("controles");
    p.examina = [&lista](controles::Form& ventana) { lista = DescribeControles(ventana); };
    component::clsConsGT consulta;
    const ResultadoReporte r = GeneraReporte(consulta, p);
    if (r.error != 0) {
        // --consulta reaches the window as a setting of cmbConsulta: the message names the option.
        const QString ajuste = QStringLiteral("--fijar cmbConsulta=%1: ").arg(p.ajustes.empty() ? QString() : p.ajustes[0].valor);
        QString mensaje = r.mensaje;
        if (mensaje.startsWith(ajuste)) mensaje = QStringLiteral("--consulta %1: ").arg(p.ajustes[0].valor) + mensaje.mid(ajuste.size());
        return r.mostrado ? 1 : Falla("controles", mensaje);
    }
    return Escribe(Flujo::Salida, lista) ? 0 : 1;
}
