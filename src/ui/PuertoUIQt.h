#pragma once
// The desktop's UI port: a modal Show finds the Qt view registered for the form's name and runs
// it until the form is hidden or unloaded.
#include "controles/PuertoUI.h"

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace ui {

class VistaFormulario;

// Builds the view of one form; the form is of the class registered under that name.
using FabricaVista = std::function<std::unique_ptr<VistaFormulario>(controles::Form& form, QWidget* padre)>;

// Registers (or replaces) the view of the forms with that name, matched without regard to case.
void RegistraVista(const QString& nombreFormulario, FabricaVista fabrica);

class PuertoUIQt : public controles::PuertoUI {
public:
    // A form with no registered view is a run-time error; the view's window sits over the
    // active one.
    void MuestraModal(controles::Form& form) override;
};

}  // namespace ui
