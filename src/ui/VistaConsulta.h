#pragma once
// What the views of the query windows add to a form's view: widgets for the filter controls
// (frames, check boxes, option buttons, dates, text boxes, editable lists, trees), each bound to
// its control. A user's change goes to the control as the user's action; the control's changes
// come back through its PropertyChanged.
#include "controles/Control.h"
#include "controles/ControlArray.h"
#include "ui/VistaFormulario.h"

#include <QHash>

class QCheckBox;
class QGridLayout;
class QLayout;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace controles {
class CheckBox;
class CommandButton;
class DTPicker;
class Frame;
class Label;
class OptionButton;
class TextBox;
class TreeView;
}  // namespace controles

namespace ui {

class ArbolQt;

class VistaConsulta : public VistaFormulario {
public:
    using VistaFormulario::VistaFormulario;

    // The widget bound to a control of the form ("cmbConsulta", "tvwGral(1)"); nullptr if none.
    QWidget* Widget(const QString& control) const { return widgets_.value(control.toLower()); }

protected:
    template <class W>
    W* Registra(const controles::Control& control, W* widget) {
        widgets_.insert(control.FullName().toLower(), widget);
        return widget;
    }
    // A frame with no caption of its own, titled by the window's label beside it, on a row of `rejilla`.
    QGroupBox* MarcoTitulado(QGridLayout* rejilla, controles::Label& titulo, controles::Frame& marco);
    // The function buttons along the bottom, with their pictures.
    QLayout* FilaDeComandos(const controles::ControlArray<controles::CommandButton>& comandos);

    // A frame's caption is the group box's title; a disabled frame greys what it holds.
    QGroupBox* Marco(controles::Frame& marco, QWidget* padre = nullptr);
    QCheckBox* Casilla(controles::CheckBox& casilla, QWidget* padre = nullptr);
    QRadioButton* Opcion(controles::OptionButton& opcion, QWidget* padre = nullptr);
    QDateEdit* Fecha(controles::DTPicker& fecha, QWidget* padre = nullptr);
    QLineEdit* CajaTexto(controles::TextBox& caja, QWidget* padre = nullptr);
    ArbolQt* Arbol(controles::TreeView& arbol, QWidget* padre = nullptr);

private:
    QHash<QString, QWidget*> widgets_;
};

// A text box's colour is its field's: a system colour gives the style's own back.
void ColorDeCampo(QWidget* widget, uint32_t color);

}  // namespace ui
