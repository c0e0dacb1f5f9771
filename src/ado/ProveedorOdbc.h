#pragma once
// The server provider: any ODBC data source, reached with the connection string as given.
#include "ado/Proveedor.h"

namespace ado::detalle {

std::shared_ptr<Sesion> AbreSesionOdbc(const QString& cadena, const QString& usuario, const QString& clave);

}  // namespace ado::detalle
