#include "ui/VistaFormulario.h"

#include "component/Servicios.h"
#include "controles/ComboBox.h"
#include "controles/CommandButton.h"
#include "controles/Constants.h"
#include "controles/Form.h"
#include "controles/Label.h"
#include "render/Color.h"
#include "ui/Teclas.h"
#include "vb/ErrorEjecucion.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cstring>
#include <new>

namespace ui {

namespace {

constexpr uint32_t ColorDelSistema = 0x80000000;
constexpr int32_t SinMemoria = 7;
constexpr int32_t ErrorInterno = 51;

using Cambio = controles::Event<controles::Property, int>::Handler;

// A caption's key hint goes on a second line, so seven commands fit side by side.
QString TextoBoton(const QString& titulo) {
    QString texto = titulo;
    const qsizetype corchete = texto.lastIndexOf(QStringLiteral(" ["));
    if (corchete > 0) texto[corchete] = u'\n';
    return texto;
}

void Rellena(QComboBox* lista, const controles::ComboBox& combo) {
    const QSignalBlocker bloqueo(lista);
    lista->clear();
    for (int i = 0; i < combo.ListCount(); ++i) lista->addItem(combo.List(i));
    lista->setCurrentIndex(combo.ListIndex());
    if (lista->isEditable()) lista->setEditText(combo.Text());
}

}  // namespace

// Another X client (a window manager's "close", xdotool windowclose) may destroy the native window
// outright instead of asking it to close; Qt then keeps the dialog's loop running with nothing on
// screen, and the host waits forever. Such a window is taken as closed by its user.
class VistaFormulario::VentanaDestruida : public QAbstractNativeEventFilter {
public:
    explicit VentanaDestruida(VistaFormulario& vista) : vista_(vista), ventana_(static_cast<uint32_t>(vista.winId())) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~VentanaDestruida() override {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
    }
    VentanaDestruida(const VentanaDestruida&) = delete;
    VentanaDestruida& operator=(const VentanaDestruida&) = delete;

    bool nativeEventFilter(const QByteArray& tipo, void* mensaje, qintptr*) override {
        // The X protocol's DestroyNotify: code 17, the destroyed window at byte 8.
        constexpr uint8_t DestroyNotify = 17;
        if (tipo != "xcb_generic_event_t") return false;
        const auto* bytes = static_cast<const uint8_t*>(mensaje);
        uint32_t ventana = 0;
        std::memcpy(&ventana, bytes + 8, sizeof ventana);
        if ((bytes[0] & 0x7f) == DestroyNotify && ventana == ventana_)
            QMetaObject::invokeMethod(&vista_, [v = QPointer<VistaFormulario>(&vista_)] {
                if (v) v->CerradaPorFuera();
            }, Qt::QueuedConnection);
        return false;
    }

private:
    VistaFormulario& vista_;
    uint32_t ventana_;
};

void ColorDeFondo(QWidget* widget, uint32_t color, bool boton) {
    if (color & ColorDelSistema) return;
    QPalette paleta = widget->palette();
    paleta.setColor(boton ? QPalette::Button : QPalette::Window, render::ColorQt(color));
    widget->setPalette(paleta);
    if (!boton) widget->setAutoFillBackground(true);
}

VistaFormulario::VistaFormulario(controles::Form& form, QWidget* padre) : QDialog(padre), form_(form) {
    setModal(true);
    setWindowTitle(form_.Caption());
    ColorDeFondo(this, form_.BackColor());
    setEnabled(form_.Enabled());
    form_.PropertyChanged = [this](controles::Property p, int) { CambioDeFormulario(p); };
}

VistaFormulario::~VistaFormulario() {
    qApp->removeEventFilter(this);
    form_.PropertyChanged = Cambio();
    for (controles::Control* c : vinculados_) c->PropertyChanged = Cambio();
}

bool VistaFormulario::Protege(const std::function<void()>& accion) {
    try {
        accion();
        return true;
    } catch (const vb::ErrorEjecucion& e) {
        component::MuestraError(e.numero(), e.descripcion());
    } catch (const std::bad_alloc&) {
        component::MuestraError(SinMemoria, vb::DescripcionError(SinMemoria));
    } catch (const std::exception& e) {
        component::MuestraError(ErrorInterno, QStringLiteral("Error interno: ") + QString::fromUtf8(e.what()));
    }
    return false;
}

void VistaFormulario::Ejecuta() {
    if (form_.Visible() && form_.Loaded()) exec();
}

void VistaFormulario::CambioDeFormulario(controles::Property propiedad) {
    switch (propiedad) {
    case controles::Property::Visible:
    case controles::Property::Loaded:
        if (!form_.Visible() || !form_.Loaded()) done(0);
        break;
    case controles::Property::Caption: setWindowTitle(form_.Caption()); break;
    case controles::Property::BackColor: ColorDeFondo(this, form_.BackColor()); break;
    case controles::Property::Enabled: setEnabled(form_.Enabled()); break;
    default: break;
    }
    FormularioCambio(propiedad);
}

void VistaFormulario::Vincula(QWidget* widget, controles::Control& control,
                              std::function<void(controles::Property, int)> alCambiar) {
    const bool boton = control.Type() == controles::ControlType::CommandButton;
    controles_.insert(widget, &control);
    vinculados_.push_back(&control);
    widget->setEnabled(control.Enabled());
    if (!control.Visible()) widget->hide();
    ColorDeFondo(widget, control.BackColor(), boton);
    control.PropertyChanged = [widget, &control, boton, alCambiar = std::move(alCambiar)](controles::Property p, int item) {
        switch (p) {
        case controles::Property::Enabled: widget->setEnabled(control.Enabled()); break;
        case controles::Property::Visible: widget->setHidden(!control.Visible()); break;
        case controles::Property::BackColor: ColorDeFondo(widget, control.BackColor(), boton); break;
        default: break;
        }
        if (alCambiar) alCambiar(p, item);
    };
}

QPushButton* VistaFormulario::Boton(controles::CommandButton& boton, QWidget* padre) {
    auto* widget = new QPushButton(TextoBoton(boton.Caption()), padre ? padre : this);
    widget->setAutoDefault(false);
    connect(widget, &QPushButton::clicked, this, [&boton] { Protege([&boton] { boton.UserClick(); }); });
    Vincula(widget, boton, [widget, &boton](controles::Property p, int) {
        if (p == controles::Property::Caption) widget->setText(TextoBoton(boton.Caption()));
    });
    return widget;
}

QLabel* VistaFormulario::Etiqueta(controles::Label& etiqueta, QWidget* padre) {
    auto* widget = new QLabel(etiqueta.Caption(), padre ? padre : this);
    widget->setTextFormat(Qt::PlainText);
    Vincula(widget, etiqueta, [widget, &etiqueta](controles::Property p, int) {
        if (p == controles::Property::Caption) widget->setText(etiqueta.Caption());
    });
    return widget;
}

QComboBox* VistaFormulario::Combo(controles::ComboBox& combo, QWidget* padre) {
    auto* widget = new QComboBox(padre ? padre : this);
    widget->setEditable(combo.Style() == controles::vbComboDropdown);
    Rellena(widget, combo);
    // Only the user's choice goes to the control; changes from code come back as ListIndex.
    connect(widget, &QComboBox::activated, this, [&combo](int i) { Protege([&combo, i] { combo.SetListIndex(i); }); });
    // What the user types in an editable combo is its Text, so a cleared entry clears the filter too.
    if (QLineEdit* texto = widget->lineEdit())
        connect(texto, &QLineEdit::textEdited, this, [&combo](const QString& escrito) {
            Protege([&combo, &escrito] { combo.SetText(escrito); });
        });
    if (combo.DroppedWidth() > 0) widget->view()->setMinimumWidth(combo.DroppedWidth());
    Vincula(widget, combo, [widget, &combo](controles::Property p, int) {
        switch (p) {
        case controles::Property::Style:
            widget->setEditable(combo.Style() == controles::vbComboDropdown);
            Rellena(widget, combo);
            break;
        case controles::Property::List:
        case controles::Property::ListIndex:
        case controles::Property::Text: Rellena(widget, combo); break;
        default: break;
        }
    });
    return widget;
}

void VistaFormulario::closeEvent(QCloseEvent* evento) {
    // The close box asks the form; it closes this window by hiding itself.
    evento->ignore();
    Protege([this] { form_.UserClose(); });
}

void VistaFormulario::reject() {}

void VistaFormulario::CerradaPorFuera() {
    destruida_.reset();
    if (!isVisible()) return;
    Protege([this] { form_.UserClose(); });
    // Nothing is left on screen to go back to, whatever the form said.
    if (isVisible()) done(0);
}

void VistaFormulario::showEvent(QShowEvent* evento) {
    if (!filtrando_) qApp->installEventFilter(this);
    filtrando_ = true;
    if (!destruida_ && QGuiApplication::platformName() == u"xcb") destruida_ = std::make_unique<VentanaDestruida>(*this);
    QDialog::showEvent(evento);
}

void VistaFormulario::hideEvent(QHideEvent* evento) {
    qApp->removeEventFilter(this);
    filtrando_ = false;
    destruida_.reset();
    QDialog::hideEvent(evento);
}

bool VistaFormulario::eventFilter(QObject* objeto, QEvent* evento) {
    if (reenviando_ || evento->type() != QEvent::KeyPress || !objeto->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(objeto);
    if (widget->window() != this) return false;
    // Seen once, at the widget Qt delivers it to first, not again as it climbs to the parents.
    QWidget* foco = QApplication::focusWidget();
    if (widget != (foco && foco->window() == this ? foco : this)) return false;

    const auto* tecla = static_cast<QKeyEvent*>(evento);
    const int codigo = CodigoTecla(tecla->key(), tecla->modifiers());
    if (codigo == 0) return false;
    int resto = 0;
    const QPointer<VistaFormulario> vista(this);
    const QPointer<QWidget> destino(widget);
    Protege([&] { resto = form_.KeyDownFrom(ControlConFoco(), codigo, EstadoShift(tecla->modifiers())); });
    // The form has seen the key; whatever it did, this event is done with here. A key the form
    // let through goes on to the widget it was meant for and its parents as a copy, so a command
    // that showed a modal window (the preview, a search) and so moved the focus is never run a
    // second time when the event climbs to a widget that holds the focus now.
    evento->accept();
    if (resto != 0 && vista && destino) {
        QKeyEvent copia(QEvent::KeyPress, tecla->key(), tecla->modifiers(), tecla->nativeScanCode(),
                        tecla->nativeVirtualKey(), tecla->nativeModifiers(), tecla->text(), tecla->isAutoRepeat(),
                        static_cast<quint16>(tecla->count()));
        reenviando_ = true;
        QCoreApplication::sendEvent(destino, &copia);
        if (vista) reenviando_ = false;
    }
    return true;
}

controles::Control* VistaFormulario::ControlConFoco() const {
    for (QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget())
        if (auto it = controles_.constFind(w); it != controles_.constEnd()) return it.value();
    return nullptr;
}

}  // namespace ui
