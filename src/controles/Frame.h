#pragma once
// Frame: a captioned container; its option buttons form one group.
#include "controles/Control.h"

namespace controles {

class Frame : public CaptionedControl, public ControlContainer {
public:
    Frame(ControlContainer& container, QString name, int index = -1);
    ~Frame() override;
    ControlType Type() const override { return ControlType::Frame; }
    Form& ContainerForm() override { return Parent(); }
};

}  // namespace controles
