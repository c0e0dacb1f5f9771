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

}  // namespace

void frmConTesoreria::cmbConsulta_Click() {
    cmbTras.SetVisible(false);
    cmbTras.SetEnabled(false);
    const Reporte* reporte = ReporteElegido();
    if (!reporte) return;

    const Reporte::Filtros& h = reporte->filtros;
    HabilitaConcepto(h.concepto);
    HabilitaConciliacion(h.conciliacion);
    HabilitaRangoMeses(h.rangoMeses);
    if (h.mes >= 0) HabilitaMes(h.mes);
    HabilitaEstatus(h.estatus);
    if (h.conciliacion > 0) cmbConciliaciones_Click();
    if (h.fechas >= 0) HabilitaFechas(h.fechas);
    HabilitaTipo(h.tipo);
    if (h.bancos >= 0) HabilitaBancos(h.bancos);
    HabilitaSinMovimientos(h.sinMovimientos);

    if (h.traspaso) {
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
