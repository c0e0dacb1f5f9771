#pragma once
// The window "CONSULTAS DE GASTOS": the report list and the catalog layout on top, the filters
// in their frames, the agrupación and concept trees side by side, and the four commands along
// the bottom. The frmConGastos form decides what every click, choice, tick and key does.
#include "controles/Control.h"
#include "ui/VistaConsulta.h"

#include <QHash>

class QGridLayout;
class QGroupBox;
class QLayout;

namespace controles {
class Frame;
class Label;
}  // namespace controles

namespace gastos {
class frmConGastos;
}

namespace ui {

class VistaConGastos : public VistaConsulta {
public:
    explicit VistaConGastos(gastos::frmConGastos& form, QWidget* padre = nullptr);

    // The widget bound to a control of the form ("cmbConsulta", "tvwGral(1)"); nullptr if none.
    QWidget* Widget(const QString& control) const { return widgets_.value(control.toLower()); }

private:
    QLayout* Encabezado();
    QLayout* Fechas();
    QLayout* Opciones();
    QLayout* Region();
    QLayout* Arboles();
    QLayout* Comandos();
    // A frame with no caption of its own, titled by the window's label beside it, on a row of `rejilla`.
    QGroupBox* MarcoTitulado(QGridLayout* rejilla, controles::Label& titulo, controles::Frame& marco);

    template <class W>
    W* Registra(const controles::Control& control, W* widget) {
        widgets_.insert(control.FullName().toLower(), widget);
        return widget;
    }

    gastos::frmConGastos& gastos_;
    QHash<QString, QWidget*> widgets_;
};

// Registers the expense window's view with the UI port.
void RegistraVistaConGastos();

}  // namespace ui
