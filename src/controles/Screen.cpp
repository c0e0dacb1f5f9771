#include "controles/Screen.h"

#include "controles/Errores.h"

namespace controles {

ScreenObject Screen;

void ScreenObject::SetMousePointer(int pointer) {
    if ((pointer < 0 || pointer > 15) && pointer != 99) Lanza(errores::ValorDePropiedadNoValido);
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    PropertyChanged(Property::MousePointer, -1);
}

}  // namespace controles
