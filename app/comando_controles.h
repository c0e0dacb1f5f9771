#pragma once
#include <QStringList>

// `zrconsgt controles`: loads the query window as `reporte` does, chooses the report of
// --consulta (a position or a name of cmbConsulta) and lists the controls --fijar and --marcar
// can change, as the window holds them then. Returns the exit code: 0, or 1 with a message on the
// standard error.
int ComandoControles(const QStringList& args);
