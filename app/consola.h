#pragma once
// The command line's two streams. The library writes to no stream of its own: the zrconsgt
// program hands in a writer for its standard output and error, and until one is handed in every
// text goes nowhere, so a host's streams stay untouched.
#include "herramienta.h"

#include <QString>

namespace app {

enum class Flujo { Salida = 1, Errores = 2 };

// Installs the program's writer (null: nothing is written).
void FijaConsola(zrconsgt_Escritor escritor, void* datos);

// Writes the text in the locale's encoding; false when the writer failed.
bool Escribe(Flujo flujo, const QString& texto);

}  // namespace app
