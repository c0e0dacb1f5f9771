#include "controles/OptionButton.h"

#include "controles/Constants.h"

namespace controles {

OptionButton::OptionButton(ControlContainer& container, QString name, int index)
    : CaptionedControl(container, std::move(name), index, vbButtonFace) {}

void OptionButton::SetValue(bool value) {
    if (!value) {
        Assign(value_, false, Property::Value);
        return;
    }
    if (value_) return;
    // The group is cleared first, so Click sees the new selection alone.
    const std::vector<Control*> hermanos = Container().Children();
    for (Control* c : hermanos)
        if (auto* otro = dynamic_cast<OptionButton*>(c); otro && otro != this) otro->Assign(otro->value_, false, Property::Value);
    Assign(value_, true, Property::Value);
    Click();
}

}  // namespace controles
