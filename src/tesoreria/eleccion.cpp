// Which filters each bank report reads: the groups of controls are enabled and shown for the report
// chosen, the reconciliation folio stands in for dates and banks, and the status options govern
// the two status boxes.
#include "controles/Constants.h"
#include "tesoreria/frmConTesoreria.h"

namespace tesoreria {

using namespace controles;

namespace {

void Habilita(std::initializer_list<Control*> controles, bool b) {
    for (Control* c : controles) c->SetEnabled(b);
}

void HabilitaYMuestra(std::initializer_list<Control*> controles, bool b) {
    for (Control* c : controles) {
        c->SetEnabled(b);
        c->SetVisible(b);
    }
}

// Arguments of the enablers for each report choice; -1 where the choice does not call it.
struct Habilitacion {
    int concepto, conciliacion, rangoMeses, mes, estatus, fechas, tipo, bancos, sinMovimientos;
};

constexpr Habilitacion PorConsulta[] = {
    {0, 0, 0, 0, 0, 0, 0, 1, 0},     // "Catálogo de Cuentas"
    {1, 0, 0, 0, 1, 1, 1, 1, 0},     // "Relación de Movimientos"
    {0, 0, 0, 0, 0, 1, 1, 1, 1},     // "Aux. de Cuentas Bancarias"
    {0, 1, 0, 0, 0, -1, 0, -1, 0},   // "Libro de Bancos": the reconciliation choice decides dates and banks
    {0, 0, 0, 0, 0, 1, 0, 1, 0},     // "Relación de Conciliaciones"
    {0, 0, 0, -1, 0, 0, 0, 1, 0},    // "Promedio diario mensual": the single month stays as the range left it
    {0, 0, 1, -1, 0, 0, 0, 1, 0},    // "Promedio mensual"
    {0, 0, 0, 0, 0, 1, 1, 1, 0},     // "Movimientos por Fecha de Aplicación"
    {0, 0, 0, 0, 0, 1, 0, 1, 0},     // "Movimientos de Traspaso"
};

constexpr int LibroDeBancos = 3;
constexpr int Traspasos = 8;

}  // namespace

void frmConTesoreria::cmbConsulta_Click() {
    cmbTras.SetVisible(false);
    cmbTras.SetEnabled(false);
    const int consulta = cmbConsulta.ListIndex();
    if (consulta < 0 || consulta >= static_cast<int>(std::size(PorConsulta))) return;

    const Habilitacion& h = PorConsulta[consulta];
    HabilitaConcepto(h.concepto);
    HabilitaConciliacion(h.conciliacion);
    HabilitaRangoMeses(h.rangoMeses);
    if (h.mes >= 0) HabilitaMes(h.mes);
    HabilitaEstatus(h.estatus);
    if (consulta == LibroDeBancos) cmbConciliaciones_Click();
    if (h.fechas >= 0) HabilitaFechas(h.fechas);
    HabilitaTipo(h.tipo);
    if (h.bancos >= 0) HabilitaBancos(h.bancos);
    HabilitaSinMovimientos(h.sinMovimientos);

    if (consulta == Traspasos) {
        cmbTras.SetVisible(true);
        cmbTras.SetEnabled(true);
        lblDatos(0).SetVisible(true);
        lblDatos(0).SetEnabled(true);
    }
}

void frmConTesoreria::cmbConciliaciones_Click() {
    const bool todas = cmbConciliaciones.ListIndex() == 0;
    HabilitaFechas(todas);
    HabilitaBancos(todas);
}

void frmConTesoreria::chkEnTransito_Click() {
    if (chkEnTransito.Value() != vbUnchecked) chkConciliados.SetValue(vbUnchecked);
}

void frmConTesoreria::chkConciliados_Click() {
    if (chkConciliados.Value() != vbUnchecked) chkEnTransito.SetValue(vbUnchecked);
}

void frmConTesoreria::optEstatus_Click(int Index) { Habilita({&chkEnTransito, &chkConciliados}, Index == 0); }

void frmConTesoreria::HabilitaConcepto(bool b) { HabilitaYMuestra({&lblDatos(0), &cmbConceptos(0)}, b); }

void frmConTesoreria::HabilitaEstatus(bool b) {
    Habilita({&fmeDatos(0), &lblDato(0), &optEstatus(0), &optEstatus(1)}, b);
    if (optEstatus(0).Value()) Habilita({&chkEnTransito, &chkConciliados}, b);
}

void frmConTesoreria::HabilitaBancos(bool b) { Habilita({&fmeDatos(1), &cmbBancos, &cmbCuentas}, b); }

void frmConTesoreria::HabilitaMes(bool b) { Habilita({&cmbMeses(0), &cmbAnios(0), &lblDatos(5)}, b); }

void frmConTesoreria::HabilitaRangoMeses(bool b) {
    HabilitaYMuestra({&cmbMeses(0), &cmbAnios(0)}, !b);
    lblDatos(5).SetEnabled(true);
    HabilitaYMuestra({&lblDatos(6), &cmbMeses(1), &cmbMeses(2), &cmbAnios(1), &cmbAnios(2)}, b);
}

void frmConTesoreria::HabilitaFechas(bool b) {
    Habilita({&fmeDatos(3), &lblDatos(3), &lblDatos(4), &dtpFecha(0), &dtpFecha(1)}, b);
}

void frmConTesoreria::HabilitaTipo(bool b) { Habilita({&fmeDatos(2), &lblDato(5), &optTipo(0), &optTipo(1)}, b); }

void frmConTesoreria::HabilitaConciliacion(bool b) { HabilitaYMuestra({&lblDatos(7), &cmbConciliaciones}, b); }

void frmConTesoreria::HabilitaSinMovimientos(bool b) { HabilitaYMuestra({&chkSinMovimientos}, b); }

}  // namespace tesoreria
