#pragma once
// Label: a caption and nothing else the windows use.
#include "controles/Constants.h"
#include "controles/Control.h"

namespace controles {

class Label : public CaptionedControl {
public:
    Label(ControlContainer& container, QString name, int index = -1)
        : CaptionedControl(container, std::move(name), index, vbButtonFace) {}
    ControlType Type() const override { return ControlType::Label; }
};

}  // namespace controles
