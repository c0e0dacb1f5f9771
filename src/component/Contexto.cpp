#include "component/modConGastos.h"

#include "ado/Connection.h"

namespace modConGastos {

std::unique_ptr<ado::Connection> Conexion;
QString CadenaConexion;
vb::Integer ManejadorBD;
vb::Integer EmpresaActual;
QString ArchivoAyuda;
QString RutaBD;
QString DirConsultas;

ado::Connection& ConexionModulo() {
    if (!Conexion) Conexion = std::make_unique<ado::Connection>();
    return *Conexion;
}

}  // namespace modConGastos
