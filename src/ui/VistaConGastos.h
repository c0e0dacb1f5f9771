#pragma once
// The window "CONSULTAS DE GASTOS": the report list and the catalog layout on top, the filters
// in their frames, the agrupación and concept trees side by side, and the four commands along
// the bottom. The frmConGastos form decides what every click, choice, tick and key does.
#include "ui/VistaConsulta.h"

class QLayout;

namespace gastos {
class frmConGastos;
}

namespace ui {

class VistaConGastos : public VistaConsulta {
public:
    explicit VistaConGastos(gastos::frmConGastos& form, QWidget* padre = nullptr);

private:
    QLayout* Encabezado();
    QLayout* Fechas();
    QLayout* Opciones();
    QLayout* Region();
    QLayout* Arboles();
    QLayout* Comandos();

    gastos::frmConGastos& gastos_;
};

// Registers the expense window's view with the UI port.
void RegistraVistaConGastos();

}  // namespace ui
