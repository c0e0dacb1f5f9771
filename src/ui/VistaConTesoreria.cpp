#include "ui/VistaConTesoreria.h"

#include "tesoreria/frmConTesoreria.h"
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
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

namespace {

const QSize TamanoInicial(900, 400);
constexpr int Separacion = 8;

}  // namespace

VistaConTesoreria::VistaConTesoreria(tesoreria::frmConTesoreria& form, QWidget* padre)
    : VistaConsulta(form, padre), tesoreria_(form) {
    auto* columnas = new QVBoxLayout(this);
    columnas->setContentsMargins(10, 10, 10, 10);
    columnas->setSpacing(Separacion);
    columnas->addLayout(Encabezado());
    auto* filtros = new QHBoxLayout;
    filtros->setSpacing(Separacion * 2);
    filtros->addLayout(Filtros(), 3);
    filtros->addLayout(Opciones(), 2);
    columnas->addLayout(filtros);
    columnas->addStretch(1);
    columnas->addLayout(Comandos());

    setMinimumSize(columnas->minimumSize().expandedTo(QSize(720, 340)));
    QSize tamano = TamanoInicial.expandedTo(sizeHint());
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() * 0.95);
    resize(tamano.expandedTo(minimumSize()));
    Widget(QStringLiteral("cmbConsulta"))->setFocus();
}

QLayout* VistaConTesoreria::Encabezado() {
    tesoreria::frmConTesoreria& t = tesoreria_;
    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(Separacion);
    rejilla->addWidget(Registra(t.cmbConsulta, Combo(t.cmbConsulta)), 0, 0, 1, 2);
    // The concept names and the transfer concepts take turns in one place, under one label.
    rejilla->addWidget(Registra(t.lblDatos(0), Etiqueta(t.lblDatos(0))), 1, 0);
    auto* conceptos = new QHBoxLayout;
    conceptos->addWidget(Registra(t.cmbConceptos(0), Combo(t.cmbConceptos(0))), 1);
    conceptos->addWidget(Registra(t.cmbConceptos(1), Combo(t.cmbConceptos(1))));
    conceptos->addWidget(Registra(t.cmbTras, Combo(t.cmbTras)), 1);
    rejilla->addLayout(conceptos, 1, 1);
    rejilla->addWidget(Registra(t.lblDatos(7), Etiqueta(t.lblDatos(7))), 2, 0);
    rejilla->addWidget(Registra(t.cmbConciliaciones, Combo(t.cmbConciliaciones)), 2, 1);
    rejilla->setColumnStretch(1, 1);
    return rejilla;
}

QLayout* VistaConTesoreria::Filtros() {
    tesoreria::frmConTesoreria& t = tesoreria_;
    auto* columna = new QVBoxLayout;
    columna->setSpacing(Separacion);

    QGroupBox* bancos = Registra(t.fmeDatos(1), Marco(t.fmeDatos(1)));
    auto* listas = new QGridLayout(bancos);
    for (int i : {1, 2}) {
        listas->addWidget(Registra(t.lblDatos(i), Etiqueta(t.lblDatos(i), bancos)), i - 1, 0);
        controles::ComboBox& lista = i == 1 ? t.cmbBancos : t.cmbCuentas;
        listas->addWidget(Registra(lista, Combo(lista, bancos)), i - 1, 1);
    }
    listas->setColumnStretch(1, 1);
    columna->addWidget(bancos);

    QGroupBox* fechas = Registra(t.fmeDatos(3), Marco(t.fmeDatos(3)));
    auto* dias = new QHBoxLayout(fechas);
    for (int i : {0, 1}) {
        dias->addWidget(Registra(t.lblDatos(i + 3), Etiqueta(t.lblDatos(i + 3), fechas)));
        dias->addWidget(Registra(t.dtpFecha(i), Fecha(t.dtpFecha(i), fechas)), 1);
    }
    columna->addWidget(fechas);
    columna->addLayout(Meses());
    return columna;
}

// The single month of the daily average, or the month range of the monthly one.
QLayout* VistaConTesoreria::Meses() {
    tesoreria::frmConTesoreria& t = tesoreria_;
    auto* fila = new QHBoxLayout;
    fila->setSpacing(Separacion);
    fila->addWidget(Registra(t.lblDatos(5), Etiqueta(t.lblDatos(5))));
    for (int i : {0, 1, 2}) {
        if (i == 2) fila->addWidget(Registra(t.lblDatos(6), Etiqueta(t.lblDatos(6))));
        fila->addWidget(Registra(t.cmbMeses(i), Combo(t.cmbMeses(i))), 2);
        fila->addWidget(Registra(t.cmbAnios(i), Combo(t.cmbAnios(i))), 1);
    }
    return fila;
}

QLayout* VistaConTesoreria::Opciones() {
    tesoreria::frmConTesoreria& t = tesoreria_;
    auto* rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(Separacion);
    rejilla->setVerticalSpacing(Separacion / 2);

    QGroupBox* estado = MarcoTitulado(rejilla, t.lblDato(0), t.fmeDatos(0));
    auto* casillas = new QGridLayout(estado);
    casillas->addWidget(Registra(t.optEstatus(0), Opcion(t.optEstatus(0), estado)), 0, 0);
    casillas->addWidget(Registra(t.optEstatus(1), Opcion(t.optEstatus(1), estado)), 0, 1);
    casillas->addWidget(Registra(t.chkEnTransito, Casilla(t.chkEnTransito, estado)), 1, 0);
    casillas->addWidget(Registra(t.chkConciliados, Casilla(t.chkConciliados, estado)), 1, 1);
    casillas->addWidget(Registra(t.chkPosfechados, Casilla(t.chkPosfechados, estado)), 2, 0);

    QGroupBox* tipo = MarcoTitulado(rejilla, t.lblDato(5), t.fmeDatos(2));
    auto* opciones = new QHBoxLayout(tipo);
    opciones->addWidget(Registra(t.optTipo(0), Opcion(t.optTipo(0), tipo)));
    opciones->addWidget(Registra(t.optTipo(1), Opcion(t.optTipo(1), tipo)));

    rejilla->addWidget(Registra(t.chkSinMovimientos, Casilla(t.chkSinMovimientos)), rejilla->rowCount(), 1);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(rejilla->rowCount(), 1);
    return rejilla;
}

QLayout* VistaConTesoreria::Comandos() { return FilaDeComandos(tesoreria_.cmdFunciones); }

void RegistraVistaConTesoreria() {
    RegistraVista(QStringLiteral("frmConTesoreria"),
                  [](controles::Form& form, QWidget* padre) -> std::unique_ptr<VistaFormulario> {
                      auto* tesoreria = dynamic_cast<tesoreria::frmConTesoreria*>(&form);
                      if (!tesoreria) throw vb::ErrorEjecucion(vb::errores::TiposNoCoinciden);
                      return std::make_unique<VistaConTesoreria>(*tesoreria, padre);
                  });
}

}  // namespace ui
