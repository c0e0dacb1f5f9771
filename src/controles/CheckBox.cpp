#include "controles/CheckBox.h"

#include "controles/Constants.h"
#include "controles/Errores.h"

namespace controles {

CheckBox::CheckBox(ControlContainer& container, QString name, int index)
    : CaptionedControl(container, std::move(name), index, vbButtonFace) {}

void CheckBox::SetValue(int value) {
    if (value < vbUnchecked || value > vbGrayed) Lanza(errores::ValorDePropiedadNoValido);
    if (Assign(value_, value, Property::Value)) Click();
}

}  // namespace controles
