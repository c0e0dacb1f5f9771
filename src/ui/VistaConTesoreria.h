#pragma once
// The window "CONSULTAS DE TESORERÍA": the report list with the concept, transfer and reconciliation
// lists on top; the bank, date and month filters on the left, the status and layout options on the
// right; the three commands along the bottom. The frmConTesoreria form decides what every choice,
// tick and key does, and which filters are shown.
#include "ui/VistaConsulta.h"

namespace tesoreria {
class frmConTesoreria;
}

namespace ui {

class VistaConTesoreria : public VistaConsulta {
public:
    explicit VistaConTesoreria(tesoreria::frmConTesoreria& form, QWidget* padre = nullptr);

private:
    QLayout* Encabezado();
    QLayout* Filtros();
    QLayout* Opciones();
    QLayout* Meses();
    QLayout* Comandos();

    tesoreria::frmConTesoreria& tesoreria_;
};

// Registers the treasury window's view with the UI port.
void RegistraVistaConTesoreria();

}  // namespace ui
