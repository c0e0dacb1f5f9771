#pragma once
// TextBox: Text; a change raises Change, from code or from the user.
#include "controles/Constants.h"
#include "controles/Control.h"

namespace controles {

class TextBox : public Control {
public:
    TextBox(ControlContainer& container, QString name, int index = -1)
        : Control(container, std::move(name), index, vbWindowBackground) {}
    ControlType Type() const override { return ControlType::TextBox; }

    const QString& Text() const { return text_; }
    void SetText(const QString& text) {
        if (Assign(text_, text, Property::Text)) Change();
    }

    Event<> Change;

private:
    QString text_;
};

}  // namespace controles
