#pragma once
// The one way a form is shown modally: the Qt view in the desktop, a script in the command
// line and in tests. The controls draw nothing themselves.

namespace controles {

class Form;

class PuertoUI {
public:
    virtual ~PuertoUI() = default;
    // Shows the form and returns once it is hidden or unloaded (Visible turns False).
    virtual void MuestraModal(Form& form) = 0;
};

// The port in force for every Show; nullptr: none, and a modal Show is a run-time error.
void FijaPuertoUI(PuertoUI* puerto);
PuertoUI* PuertoUIActual();

}  // namespace controles
