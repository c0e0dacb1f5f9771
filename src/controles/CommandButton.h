#pragma once
// CommandButton: caption, pictures from the shared image list, colour; Click from the user or
// from Value = True in code.
#include "controles/Control.h"

namespace controles {

class CommandButton : public CaptionedControl {
public:
    CommandButton(ControlContainer& container, QString name, int index = -1);
    ControlType Type() const override { return ControlType::CommandButton; }

    // 1-based item numbers of the shared image list; 0 no picture.
    int Picture() const { return picture_; }
    void SetPicture(int item);
    int DisabledPicture() const { return disabledPicture_; }
    void SetDisabledPicture(int item);

    // Always False; assigning True raises Click.
    bool Value() const { return false; }
    void SetValue(bool value) {
        if (value) Click();
    }
    void UserClick() { Click(); }

    Event<> Click;

private:
    int picture_ = 0;
    int disabledPicture_ = 0;
};

}  // namespace controles
