#pragma once
// The company data every page heading prints, read once per window load.
#include <QString>
#include <QStringList>
#include <cstdint>

namespace ado { class Connection; }

namespace modConGastos {

extern bool ImprimeNombreEmpresa;
extern bool ImprimeNombreComercial;
extern QString NombreEmpresa;
extern QString NombreComercial;
extern QString DireccionEmpresa;
extern QString RegistroEmpresa1;
extern QString RegistroEmpresa2;
extern QString RegistroEmpresa3;
extern QString TelefonosEmpresa;

// Company code 0 means 1. Null fields read as empty text.
void LeeDatosEmpresa(ado::Connection& conexion, int16_t empresa);
// The queries LeeDatosEmpresa opens, in order, for a window to ask them with its lists.
QStringList ConsultasDatosEmpresa(int16_t empresa);

}  // namespace modConGastos
