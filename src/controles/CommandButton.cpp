#include "controles/CommandButton.h"

#include "controles/Constants.h"
#include "controles/Errores.h"

namespace controles {

CommandButton::CommandButton(ControlContainer& container, QString name, int index)
    : CaptionedControl(container, std::move(name), index, vbButtonFace) {}

void CommandButton::SetPicture(int item) {
    if (item < 0) Lanza(errores::ValorDePropiedadNoValido);
    Assign(picture_, item, Property::Picture);
}

void CommandButton::SetDisabledPicture(int item) {
    if (item < 0) Lanza(errores::ValorDePropiedadNoValido);
    Assign(disabledPicture_, item, Property::Picture);
}

}  // namespace controles
