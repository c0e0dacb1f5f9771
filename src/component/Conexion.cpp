#include "component/modConGastos.h"

#include "ado/Connection.h"
#include "vb/ErrorEjecucion.h"

namespace modConGastos {

bool Conecta(const QString& cadena, QString* motivo) { return AbreConexion(ConexionModulo(), cadena, motivo); }

bool AbreConexion(ado::Connection& conexion, const QString& cadena, QString* motivo) {
    if (conexion.State() == 1) conexion.Close();
    conexion.ConnectionString(cadena);
    if (motivo) motivo->clear();
    try {
        conexion.Open(QString(), QString(), QString(), -1);
    } catch (const vb::ErrorEjecucion& e) {
        // A connection that does not open is not reported; the caller sees State, and the
        // reason when it asks.
        if (motivo) *motivo = e.descripcion();
    }
    return conexion.State() == 1;
}

void CierraConexion() {
    if (Conexion && Conexion->State() == 1) Conexion->Close();
    Conexion.reset();
}

}  // namespace modConGastos
