#pragma once
// The module shared by every window and report: the host context, the settings reader, SQL date
// literals, the page-file stamp, the company heading data and the catalog lists.
#include "vb/Integer.h"
#include "vb/Variant.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace ado { class Connection; class Recordset; }
namespace controles { class ComboBox; }

namespace modConGastos {

// Host context, replaced by every MostrarConsulta call.
extern std::unique_ptr<ado::Connection> Conexion;   // created on first use
extern QString CadenaConexion;
extern vb::Integer ManejadorBD;
extern vb::Integer EmpresaActual;
extern QString ArchivoAyuda;
extern QString RutaBD;
extern QString DirConsultas;

// The module connection, created when first needed (an auto-created object reference).
ado::Connection& ConexionModulo();

// False when the connection does not open; `motivo`, when given, receives the provider's reason.
bool Conecta(const QString& cadena, QString* motivo = nullptr);
bool AbreConexion(ado::Connection& conexion, const QString& cadena, QString* motivo = nullptr);
void CierraConexion();

// Settings file RutaBD & "\QUIROX.INI": the trimmed value, cut to 254 characters, or "(error)".
// A file that is there but is no settings file (a folder, a FIFO, a device, binary, over 1 MiB)
// raises a run-time error that names it and says why.
QString LeeIni(const QString& seccion, const QString& clave);
// The lookup itself, on the text of a profile file (sections and keys without regard to case).
QString BuscaEnPerfil(const QString& contenido, const QString& seccion, const QString& clave);
// The same on the file's bytes: UTF-16 or UTF-8 by their mark, UTF-8 when they decode as such,
// else the Windows code page.
QString LeePerfil(const QByteArray& contenido, const QString& seccion, const QString& clave);

// SQL date literal of the current engine kind: 2 #yyyy/mm/dd#, 3 'yyyymmdd', other 'yyyy-mm-dd'.
QString FechaSQL(const vb::Variant& fecha);
// Page-file stamp: hhmmss of the current time followed by the company code.
QString SelloTiempo();

}  // namespace modConGastos
