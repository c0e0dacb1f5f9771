#pragma once
#include <QStringList>

// `zrconsgt mostrar gastos|tesoreria --conexion STR [--manejador N] [--empresa N] [--ayuda FILE]
// --ruta DIR`: calls MostrarConsulta as a host does and shows the window until the user closes it.
// Returns the exit code: 0, or 1 with a message on the standard error.
int ComandoMostrar(const QStringList& args);
