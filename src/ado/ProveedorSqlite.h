#pragma once
// The embedded provider: a SQLite file opened read-only.
#include "ado/Proveedor.h"

namespace ado::detalle {

// Opens `archivo` read-only; a missing file or one that is not a database raises the engine's error.
std::shared_ptr<Sesion> AbreSesionSqlite(const QString& archivo);

}  // namespace ado::detalle
