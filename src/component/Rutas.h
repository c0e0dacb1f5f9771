#pragma once
#include <QString>

namespace component {

// Turns a path built the Windows way ("C:\Datos\TEMP\0905071_1.emf", RutaBD & "\QUIROX.INI") into a
// local one: backslashes become "/", repeated separators fold, and every component that exists is
// matched without regard to case, so "Temp" and "TEMP" name the same folder as they did there.
QString RutaLocal(const QString& rutaWindows);

}  // namespace component
