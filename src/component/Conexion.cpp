#include "component/modConGastos.h"

#include "ado/Connection.h"
#include "vb/ErrorEjecucion.h"

namespace modConGastos {

bool Conecta(const QString& cadena) { return AbreConexion(ConexionModulo(), cadena); }

bool AbreConexion(ado::Connection& conexion, const QString& cadena) {
    if (conexion.State() == 1) conexion.Close();
    conexion.ConnectionString(cadena);
    try {
        conexion.Open(QString(), QString(), QString(), -1);
    } catch (const vb::ErrorEjecucion&) {
        // A connection that does not open is not reported; the caller sees State.
    }
    return conexion.State() == 1;
}

void CierraConexion() {
    if (Conexion && Conexion->State() == 1) Conexion->Close();
    Conexion.reset();
}

}  // namespace modConGastos
