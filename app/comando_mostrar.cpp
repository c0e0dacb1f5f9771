#include "comando_mostrar.h"

#include "opciones.h"
#include "pantalla.h"
#include "ventanas.h"

using namespace app;

int ComandoMostrar(const QStringList& args) {
    Conexion c;
    try {
        std::vector<Opcion> opciones;
        QStringList palabras;
        SeparaOpciones(args, opciones, palabras);
        if (palabras.isEmpty()) throw ErrorOpciones{QStringLiteral("falta la ventana: gastos o tesoreria")};
        if (palabras.size() > 1) throw ErrorOpciones{QStringLiteral("sobra el argumento \"%1\"").arg(palabras[1])};
        c.ventana = LeeVentana(palabras[0]);
        for (const Opcion& o : opciones)
            if (!TomaOpcionConexion(o, c)) throw ErrorOpciones{QStringLiteral("opción desconocida: %1").arg(o.nombre)};
        CompruebaConexion(c);
    } catch (const ErrorOpciones& e) {
        return Falla("mostrar", e.mensaje, true);
    }

    InstalaVentanas([] { PreparaPantalla("zrconsgt"); });
    return MuestraConsulta("mostrar", c);
}
