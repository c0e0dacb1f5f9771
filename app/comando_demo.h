#pragma once
#include <QStringList>

// `zrconsgt demo DIR [--escala N] [--postgres FILE]`: writes the demo company into DIR (database,
// QUIROX.INI, Temp folder) and prints its connection string. `args` are the words after "demo".
// Returns the process exit code: 0, or 1 with a message on the standard error.
int ComandoDemo(const QStringList& args);
