#pragma once
// CheckBox: Value 0/1 (2 greyed); a change of Value raises Click, from code or from the user.
#include "controles/Control.h"

namespace controles {

class CheckBox : public CaptionedControl {
public:
    CheckBox(ControlContainer& container, QString name, int index = -1);
    ControlType Type() const override { return ControlType::CheckBox; }

    int Value() const { return value_; }
    void SetValue(int value);  // vbUnchecked 0, vbChecked 1, vbGrayed 2
    // The user's click: a ticked box clears, any other ticks.
    void UserClick() { SetValue(value_ == 1 ? 0 : 1); }

    Event<> Click;

private:
    int value_ = 0;
};

}  // namespace controles
