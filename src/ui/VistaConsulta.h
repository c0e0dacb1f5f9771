#pragma once
// What the views of the query windows add to a form's view: widgets for the filter controls
// (frames, check boxes, option buttons, dates, text boxes, editable lists, trees), each bound to
// its control. A user's change goes to the control as the user's action; the control's changes
// come back through its PropertyChanged.
#include "ui/VistaFormulario.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace controles {
class CheckBox;
class DTPicker;
class Frame;
class OptionButton;
class TextBox;
class TreeView;
}  // namespace controles

namespace ui {

class ArbolQt;

class VistaConsulta : public VistaFormulario {
public:
    using VistaFormulario::VistaFormulario;

protected:
    // A frame's caption is the group box's title; a disabled frame greys what it holds.
    QGroupBox* Marco(controles::Frame& marco, QWidget* padre = nullptr);
    QCheckBox* Casilla(controles::CheckBox& casilla, QWidget* padre = nullptr);
    QRadioButton* Opcion(controles::OptionButton& opcion, QWidget* padre = nullptr);
    QDateEdit* Fecha(controles::DTPicker& fecha, QWidget* padre = nullptr);
    QLineEdit* CajaTexto(controles::TextBox& caja, QWidget* padre = nullptr);
    ArbolQt* Arbol(controles::TreeView& arbol, QWidget* padre = nullptr);
};

// A text box's colour is its field's: a system colour gives the style's own back.
void ColorDeCampo(QWidget* widget, uint32_t color);

}  // namespace ui
