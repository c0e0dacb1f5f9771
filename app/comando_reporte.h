#pragma once
#include <QStringList>

// `zrconsgt reporte`: the query window run without a screen. The connection options of `mostrar`,
// --ventana, the settings (--fijar, --marcar) applied after the window's load, "CONSULTAR [F10]",
// and the document the preview receives written out (--listado, --pdf, --png, --emf, --xlsx,
// --csv). Returns the exit code: 0, or 1 with a message on the standard error.
int ComandoReporte(const QStringList& args);
