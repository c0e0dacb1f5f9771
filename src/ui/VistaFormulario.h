#pragma once
// The Qt window of a form: it shows the form's controls, follows their PropertyChanged hooks,
// hands the user's clicks, choices and keys to the form, and closes when the form is hidden or
// unloaded. The form decides everything; a view of a particular window derives from this one
// and builds its widgets with Boton, Etiqueta and Combo.
#include "controles/Property.h"

#include <QAbstractNativeEventFilter>
#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace controles {
class ComboBox;
class CommandButton;
class Control;
class Form;
class Label;
}  // namespace controles

namespace ui {

class VistaFormulario : public QDialog {
public:
    explicit VistaFormulario(controles::Form& form, QWidget* padre = nullptr);
    ~VistaFormulario() override;

    controles::Form& Formulario() const { return form_; }

    // Runs an action of the form for the user; a run-time error it lets out is shown through the
    // message service, so nothing escapes into Qt's event loop. False when it failed.
    static bool Protege(const std::function<void()>& accion);

    // Ends the dialog's modal loop once the form is no longer visible. Called by the UI port.
    void Ejecuta();

protected:
    // Widgets bound to a control, created in `padre` (this window when none) and kept in step.
    QPushButton* Boton(controles::CommandButton& boton, QWidget* padre = nullptr);
    QLabel* Etiqueta(controles::Label& etiqueta, QWidget* padre = nullptr);
    QComboBox* Combo(controles::ComboBox& combo, QWidget* padre = nullptr);

    // Binds any widget to its control: Enabled and Visible follow the control, keys pressed while
    // the widget holds the focus reach the control, and `alCambiar` sees every other change.
    void Vincula(QWidget* widget, controles::Control& control,
                 std::function<void(controles::Property, int)> alCambiar = {});

    // A change of the form itself other than Visible; the caption and colour are handled here.
    virtual void FormularioCambio(controles::Property) {}

    void closeEvent(QCloseEvent* evento) override;
    void reject() override;  // Escape belongs to the form, never to the dialog
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    class VentanaDestruida;

    void CambioDeFormulario(controles::Property propiedad);
    controles::Control* ControlConFoco() const;
    void CerradaPorFuera();

    controles::Form& form_;
    QHash<QWidget*, controles::Control*> controles_;
    std::vector<controles::Control*> vinculados_;
    bool filtrando_ = false;
    bool reenviando_ = false;  // a key the form let through is on its way to its widget
    std::unique_ptr<VentanaDestruida> destruida_;  // while shown
};

// Paints a widget's background in a 0x00BBGGRR colour; a system colour (high bit set) leaves
// the style's own.
void ColorDeFondo(QWidget* widget, uint32_t color, bool boton = false);

}  // namespace ui
