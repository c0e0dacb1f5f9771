#pragma once
// Qt keys as the windows' KeyDown sees them: the platform's key codes and shift mask.
#include <Qt>

namespace ui {

// The key code of a Qt key (Home 36, Page Up 33, F10 121, 'P' 80, ...); 0 for a key the windows
// never see (Tab, which moves the focus, and keys without a code).
int CodigoTecla(int teclaQt, Qt::KeyboardModifiers modificadores);

// 1 Shift, 2 Ctrl, 4 Alt, combined.
int EstadoShift(Qt::KeyboardModifiers modificadores);

}  // namespace ui
