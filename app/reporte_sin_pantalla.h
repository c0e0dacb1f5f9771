#pragma once
// The report run with nobody looking, shared by `zrconsgt reporte` and the library's
// clsConsGT_GeneraReporte: load the window, apply the settings, press "CONSULTAR [F10]", write
// what the preview received.
#include "ajustes.h"
#include "opciones.h"
#include "salidas.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace component {
class clsConsGT;
}

namespace app {

struct PedidoReporte {
    Conexion conexion;
    std::vector<Ajuste> ajustes;  // applied in order
    Salidas salidas;              // at least one
    bool progreso = false;        // the run's progress on the standard error, a terminal
};

struct ResultadoReporte {
    int paginas = -1;
    int32_t error = 0;      // 0, or the run-time error number
    QString mensaje;        // Spanish, for the user
    bool mostrado = false;  // the run's messages already wrote it on the standard error
};

// Runs the report on `consulta` (its connection is left as MostrarConsulta leaves it). The run's
// messages go to the standard error after `prefijo`; the host's services are restored afterwards.
// Never throws.
ResultadoReporte GeneraReporte(component::clsConsGT& consulta, const PedidoReporte& pedido, const QString& prefijo);

}  // namespace app
