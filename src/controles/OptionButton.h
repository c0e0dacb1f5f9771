#pragma once
// OptionButton: selecting one clears the other option buttons of the same container and
// raises Click; a button already selected raises nothing, nor does clearing one.
#include "controles/Control.h"

namespace controles {

class OptionButton : public CaptionedControl {
public:
    OptionButton(ControlContainer& container, QString name, int index = -1);
    ControlType Type() const override { return ControlType::OptionButton; }

    bool Value() const { return value_; }
    void SetValue(bool value);
    void UserClick() { SetValue(true); }

    Event<> Click;

private:
    bool value_ = false;
};

}  // namespace controles
