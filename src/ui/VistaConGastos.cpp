#include "ui/VistaConGastos.h"

#include "gastos/frmConGastos.h"
#include "ui/ArbolQt.h"
#include "ui/Iconos.h"
#include "ui/PuertoUIQt.h"
#include "vb/ErrorEjecucion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

namespace {

const QSize TamanoInicial(1000, 700);
constexpr int Separacion = 8;

// The region lists carry no caption of their own; an empty one says what it lists.
const char16_t* const IndicacionRegion[] = {u"Ciudad", u"Estado", u"País"};

}  // namespace

VistaConGastos::VistaConGastos(gastos::frmConGastos& form, QWidget* padre) : VistaConsulta(form, padre), gastos_(form) {
    auto* columnas = new QVBoxLayout(this);
    columnas->setContentsMargins(10, 10, 10, 10);
    columnas->setSpacing(Separacion);
    columnas->addLayout(Encabezado());

    auto* filtros = new QHBoxLayout;
    filtros->setSpacing(Separacion);
    filtros->addLayout(Fechas(), 4);
    filtros->addLayout(Opciones(), 5);
    filtros->addLayout(Region(), 4);
    columnas->addLayout(filtros);
    columnas->addLayout(Arboles(), 1);
    columnas->addLayout(Comandos());

    setMinimumSize(columnas->minimumSize().expandedTo(QSize(760, 560)));
    QSize tamano = TamanoInicial.expandedTo(sizeHint());
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() * 0.95);
    resize(tamano.expandedTo(minimumSize()));
    Widget(QStringLiteral("cmbConsulta"))->setFocus();
}

QLayout* VistaConGastos::Encabezado() {
    auto* fila = new QHBoxLayout;
    fila->setSpacing(Separacion);
    fila->addWidget(Registra(gastos_.cmbConsulta, Combo(gastos_.cmbConsulta)), 3);
    fila->addWidget(Registra(gastos_.cmbTipCatalogo, Combo(gastos_.cmbTipCatalogo)), 1);
    fila->addStretch(1);
    return fila;
}

QLayout* VistaConGastos::Fechas() {
    auto* columna = new QVBoxLayout;
    columna->setSpacing(Separacion);

    QGroupBox* fechas = Registra(gastos_.fmeDatos(4), Marco(gastos_.fmeDatos(4)));
    auto* rejilla = new QGridLayout(fechas);
    for (int i : {0, 1}) {
        rejilla->addWidget(Registra(gastos_.lblDatos(i + 3), Etiqueta(gastos_.lblDatos(i + 3), fechas)), i, 0);
        rejilla->addWidget(Registra(gastos_.dtpFecha(i), Fecha(gastos_.dtpFecha(i), fechas)), i, 1);
    }
    rejilla->setColumnStretch(1, 1);
    columna->addWidget(fechas);

    QGroupBox* acreedores = Registra(gastos_.fmeDatos(3), Marco(gastos_.fmeDatos(3)));
    auto* campos = new QGridLayout(acreedores);
    campos->addWidget(Registra(gastos_.Label1, Etiqueta(gastos_.Label1, acreedores)), 0, 0);
    campos->addWidget(Registra(gastos_.txtCodAcreedor, CajaTexto(gastos_.txtCodAcreedor, acreedores)), 0, 1);
    campos->addWidget(Registra(gastos_.chkSinMovtos, Casilla(gastos_.chkSinMovtos, acreedores)), 1, 0, 1, 2);
    campos->addWidget(Registra(gastos_.chkSinSaldo, Casilla(gastos_.chkSinSaldo, acreedores)), 2, 0, 1, 2);
    campos->setColumnStretch(1, 1);
    columna->addWidget(acreedores);
    columna->addStretch(1);
    return columna;
}

QLayout* VistaConGastos::Opciones() {
    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(Separacion);
    rejilla->setVerticalSpacing(Separacion / 2);

    auto enFila = [](QGroupBox* caja, std::initializer_list<QWidget*> widgets) {
        auto* fila = new QHBoxLayout(caja);
        fila->setContentsMargins(8, 4, 8, 4);
        for (QWidget* w : widgets) fila->addWidget(w, 1);
    };
    QGroupBox* tipo = MarcoTitulado(rejilla, gastos_.lblDato(5), gastos_.fmeDatos(2));
    enFila(tipo, {Registra(gastos_.optTipo(0), Opcion(gastos_.optTipo(0), tipo)),
                  Registra(gastos_.optTipo(1), Opcion(gastos_.optTipo(1), tipo))});
    QGroupBox* orden = MarcoTitulado(rejilla, gastos_.lblDato(0), gastos_.fmeDatos(0));
    enFila(orden, {Registra(gastos_.optOrden(0), Opcion(gastos_.optOrden(0), orden)),
                   Registra(gastos_.optOrden(1), Opcion(gastos_.optOrden(1), orden))});
    QGroupBox* estado = MarcoTitulado(rejilla, gastos_.lblDato(1), gastos_.fmeDatos(1));
    enFila(estado, {Registra(gastos_.chkStatus(0), Casilla(gastos_.chkStatus(0), estado)),
                    Registra(gastos_.chkStatus(1), Casilla(gastos_.chkStatus(1), estado))});

    // The cheque folio of the petty-cash report, with its search button.
    const int fila = rejilla->rowCount();
    rejilla->addWidget(Registra(gastos_.lblDatos(0), Etiqueta(gastos_.lblDatos(0))), fila, 0);
    auto* cheque = new QHBoxLayout;
    cheque->setContentsMargins(0, Separacion / 2, 0, 0);
    cheque->addWidget(Registra(gastos_.txtFolioCheque, CajaTexto(gastos_.txtFolioCheque)), 1);
    QPushButton* buscar = Registra(gastos_.cmdBuscar, Boton(gastos_.cmdBuscar));
    buscar->setIcon(ImagenDeLista(gastos_.cmdBuscar.Picture() ? gastos_.cmdBuscar.Picture() : ImagenBuscar));
    buscar->setToolTip(QStringLiteral("Buscar cheque"));
    cheque->addWidget(buscar);
    rejilla->addLayout(cheque, fila, 1);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(rejilla->rowCount(), 1);
    return rejilla;
}

QLayout* VistaConGastos::Region() {
    auto* columna = new QVBoxLayout;
    QGroupBox* region = Registra(gastos_.fmeDatos(5), Marco(gastos_.fmeDatos(5)));
    auto* listas = new QVBoxLayout(region);
    listas->addWidget(Registra(gastos_.chkRegion, Casilla(gastos_.chkRegion, region)));
    for (int i : {0, 1, 2}) {
        QComboBox* lista = Registra(gastos_.cmbRegion(i), Combo(gastos_.cmbRegion(i), region));
        lista->setPlaceholderText(QString::fromUtf16(IndicacionRegion[i]));
        if (QLineEdit* texto = lista->lineEdit()) texto->setPlaceholderText(lista->placeholderText());
        listas->addWidget(lista);
    }
    columna->addWidget(region);
    columna->addStretch(1);
    return columna;
}

QLayout* VistaConGastos::Arboles() {
    auto* fila = new QHBoxLayout;
    fila->setSpacing(Separacion);
    for (controles::Frame* marco : {&gastos_.fmeAcreedores, &gastos_.fmeConceptos}) {
        const int indice = marco == &gastos_.fmeAcreedores ? 0 : 1;
        QGroupBox* caja = Registra(*marco, Marco(*marco));
        auto* dentro = new QVBoxLayout(caja);
        dentro->addWidget(Registra(gastos_.tvwGral(indice), Arbol(gastos_.tvwGral(indice), caja)));
        fila->addWidget(caja, 1);
    }
    return fila;
}

QLayout* VistaConGastos::Comandos() { return FilaDeComandos(gastos_.cmdFunciones); }

void RegistraVistaConGastos() {
    RegistraVista(QStringLiteral("frmConGastos"), [](controles::Form& form, QWidget* padre) -> std::unique_ptr<VistaFormulario> {
        auto* gastos = dynamic_cast<gastos::frmConGastos*>(&form);
        if (!gastos) throw vb::ErrorEjecucion(vb::errores::TiposNoCoinciden);
        return std::make_unique<VistaConGastos>(*gastos, padre);
    });
}

}  // namespace ui
