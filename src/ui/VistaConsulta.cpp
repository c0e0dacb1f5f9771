#include "ui/VistaConsulta.h"

#include "controles/CheckBox.h"
#include "controles/CommandButton.h"
#include "controles/ComboBox.h"
#include "controles/Constants.h"
#include "controles/DTPicker.h"
#include "controles/Frame.h"
#include "controles/OptionButton.h"
#include "controles/TextBox.h"
#include "controles/TreeView.h"
#include "render/Color.h"
#include "controles/Label.h"
#include "ui/ArbolQt.h"
#include "ui/CampoFecha.h"
#include "ui/Iconos.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {

namespace {

constexpr uint32_t ColorDelSistema = 0x80000000;
constexpr int LadoImagen = 24;
constexpr int Separacion = 8;

Qt::CheckState Estado(int valor) {
    switch (valor) {
    case controles::vbChecked: return Qt::Checked;
    case controles::vbGrayed: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

void MuestraValor(QCheckBox* widget, const controles::CheckBox& casilla) {
    const QSignalBlocker bloqueo(widget);
    widget->setCheckState(Estado(casilla.Value()));
}

void MuestraValor(QRadioButton* widget, const controles::OptionButton& opcion) {
    const QSignalBlocker bloqueo(widget);
    widget->setChecked(opcion.Value());
}

void MuestraValor(QDateEdit* widget, const controles::DTPicker& fecha) {
    // The date being typed stays as it is while the control agrees with it.
    if (widget->date() == fecha.Value()) return;
    const QSignalBlocker bloqueo(widget);
    widget->setDate(fecha.Value());
}

// Check and option boxes share the colour of the frame they sit in; painting it over the
// frame's own shading would show as a patch.
void Transparente(QWidget* widget) { widget->setAutoFillBackground(false); }

void MuestraTexto(QLineEdit* widget, const QString& texto) {
    if (widget->text() != texto) widget->setText(texto);
}

}  // namespace

void ColorDeCampo(QWidget* widget, uint32_t color) {
    QPalette paleta = QApplication::palette(widget);
    if (!(color & ColorDelSistema)) paleta.setColor(QPalette::Base, render::ColorQt(color));
    widget->setPalette(paleta);
    widget->setAutoFillBackground(false);
}

QGroupBox* VistaConsulta::Marco(controles::Frame& marco, QWidget* padre) {
    auto* widget = new QGroupBox(marco.Caption(), padre ? padre : this);
    Vincula(widget, marco, [widget, &marco](controles::Property p, int) {
        if (p == controles::Property::Caption) widget->setTitle(marco.Caption());
    });
    return widget;
}

QCheckBox* VistaConsulta::Casilla(controles::CheckBox& casilla, QWidget* padre) {
    auto* widget = new QCheckBox(casilla.Caption(), padre ? padre : this);
    MuestraValor(widget, casilla);
    // The box shows what the control made of the click, also when the click failed.
    connect(widget, &QCheckBox::clicked, this, [widget, &casilla] {
        Protege([&casilla] { casilla.UserClick(); });
        MuestraValor(widget, casilla);
    });
    Vincula(widget, casilla, [widget, &casilla](controles::Property p, int) {
        if (p == controles::Property::Caption) widget->setText(casilla.Caption());
        if (p == controles::Property::Value) MuestraValor(widget, casilla);
        if (p == controles::Property::BackColor) Transparente(widget);
    });
    Transparente(widget);
    return widget;
}

QRadioButton* VistaConsulta::Opcion(controles::OptionButton& opcion, QWidget* padre) {
    auto* widget = new QRadioButton(opcion.Caption(), padre ? padre : this);
    // The control clears the other options of its container, not Qt.
    widget->setAutoExclusive(false);
    MuestraValor(widget, opcion);
    connect(widget, &QRadioButton::clicked, this, [widget, &opcion] {
        Protege([&opcion] { opcion.UserClick(); });
        MuestraValor(widget, opcion);
    });
    Vincula(widget, opcion, [widget, &opcion](controles::Property p, int) {
        if (p == controles::Property::Caption) widget->setText(opcion.Caption());
        if (p == controles::Property::Value) MuestraValor(widget, opcion);
        if (p == controles::Property::BackColor) Transparente(widget);
    });
    Transparente(widget);
    return widget;
}

QDateEdit* VistaConsulta::Fecha(controles::DTPicker& fecha, QWidget* padre) {
    auto* widget = new CampoFecha(padre ? padre : this);
    widget->setDateRange(controles::DTPicker::MinDate(), controles::DTPicker::MaxDate());
    // Each whole date typed reaches the control at once, so F10 runs with the date on screen.
    MuestraValor(widget, fecha);
    connect(widget, &QDateEdit::dateChanged, this, [widget, &fecha](QDate dia) {
        Protege([&fecha, dia] { fecha.SetValue(dia); });
        MuestraValor(widget, fecha);
    });
    Vincula(widget, fecha, [widget, &fecha](controles::Property p, int) {
        if (p == controles::Property::Value) MuestraValor(widget, fecha);
    });
    return widget;
}

QLineEdit* VistaConsulta::CajaTexto(controles::TextBox& caja, QWidget* padre) {
    auto* widget = new QLineEdit(caja.Text(), padre ? padre : this);
    connect(widget, &QLineEdit::textEdited, this, [widget, &caja](const QString& texto) {
        Protege([&caja, &texto] { caja.SetText(texto); });
        MuestraTexto(widget, caja.Text());
    });
    Vincula(widget, caja, [widget, &caja](controles::Property p, int) {
        if (p == controles::Property::Text) MuestraTexto(widget, caja.Text());
        if (p == controles::Property::BackColor) ColorDeCampo(widget, caja.BackColor());
    });
    ColorDeCampo(widget, caja.BackColor());
    return widget;
}

QGroupBox* VistaConsulta::MarcoTitulado(QGridLayout* rejilla, controles::Label& titulo, controles::Frame& marco) {
    const int fila = rejilla->rowCount();
    QLabel* etiqueta = Registra(titulo, Etiqueta(titulo));
    QGroupBox* caja = Registra(marco, Marco(marco));
    rejilla->addWidget(etiqueta, fila, 0, Qt::AlignVCenter);
    rejilla->addWidget(caja, fila, 1);
    return caja;
}

QLayout* VistaConsulta::FilaDeComandos(const controles::ControlArray<controles::CommandButton>& comandos) {
    auto* fila = new QHBoxLayout;
    fila->setSpacing(Separacion);
    for (controles::CommandButton& comando : comandos) {
        QPushButton* boton = Registra(comando, Boton(comando));
        boton->setIcon(ImagenDeBoton(comando));
        boton->setIconSize(QSize(LadoImagen, LadoImagen));
        boton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        boton->setMinimumHeight(boton->sizeHint().height() + 6);
        boton->setFocusPolicy(Qt::TabFocus);
        fila->addWidget(boton);
    }
    return fila;
}

ArbolQt* VistaConsulta::Arbol(controles::TreeView& arbol, QWidget* padre) {
    auto* widget = new ArbolQt(arbol, padre ? padre : this);
    Vincula(widget, arbol, [widget](controles::Property p, int indice) { widget->Cambio(p, indice); });
    return widget;
}

}  // namespace ui
