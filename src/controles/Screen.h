#pragma once
// The module-wide Screen object: the mouse pointer shown over every window.
#include "controles/Event.h"
#include "controles/Property.h"

namespace controles {

class ScreenObject {
public:
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);  // vbDefault 0, vbHourglass 11, ... (0 to 15 and 99)

    Event<Property, int> PropertyChanged;

private:
    int mousePointer_ = 0;
};

extern ScreenObject Screen;

}  // namespace controles
