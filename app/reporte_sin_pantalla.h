#pragma once
// The report run with nobody looking, shared by `zrconsgt reporte` and the library's
// clsConsGT_GeneraReporte: load the window, apply the settings, press "CONSULTAR [F10]", write
// what the preview received.
#include "ajustes.h"
#include "mensajes_consola.h"
#include "opciones.h"
#include "salidas.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace component {
class clsConsGT;
}
namespace controles {
class Form;
}

namespace app {

struct PedidoReporte {
    Conexion conexion;
    std::vector<Ajuste> ajustes;  // applied in order
    Salidas salidas;              // at least one
    DestinoMensajes mensajes;     // where the run's messages go; empty: nowhere
    std::function<std::unique_ptr<component::ProgresoCorrida>()> progreso;  // empty: none shown
    // Set: called with the window once the settings are applied, instead of running a report.
    std::function<void(controles::Form&)> examina;
};

struct ResultadoReporte {
    int paginas = -1;
    int32_t error = 0;      // 0, or the run-time error number
    QString mensaje;        // Spanish, for the user
    bool mostrado = false;  // the run's messages already gave it to `mensajes`
};

// Runs the report on `consulta` (its connection is left as MostrarConsulta leaves it). The host's
// services are restored afterwards. Never throws.
ResultadoReporte GeneraReporte(component::clsConsGT& consulta, const PedidoReporte& pedido);

}  // namespace app
