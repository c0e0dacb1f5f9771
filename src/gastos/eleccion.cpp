// Which filters each report reads: the controls are enabled, captioned and coloured for the report
// chosen, and the region lists and the concept tree follow their own switches.
#include "controles/Constants.h"
#include "gastos/frmConGastos.h"

namespace gastos {

using namespace controles;

namespace {

// With no report chosen everything but the report-specific filters stays usable.
constexpr frmConGastos::Reporte::Filtros SinReporte{true, true, true, true, false, false, false, false, false, false};

void Habilita(std::initializer_list<Control*> controles, bool b) {
    for (Control* c : controles) c->SetEnabled(b);
}

// A control that follows another takes its enabled state.
void Sigue(Control& seguidor, const Control& guia) { seguidor.SetEnabled(guia.Enabled()); }

}  // namespace

void frmConGastos::cmbConsulta_Click() {
    const Reporte* reporte = ReporteElegido();
    const Reporte::Filtros f = reporte ? reporte->filtros : SinReporte;
    optOrden(0).SetCaption(f.porFolio ? QStringLiteral("Por Folio") : QStringLiteral("Por Acreedor"));
    for (int i : {0, 1, 2, 3, 4}) fmeDatos(i).SetEnabled(true);
    fmeAcreedores.SetEnabled(true);
    fmeConceptos.SetEnabled(true);
    Habilita({&tvwGral(0), &txtCodAcreedor, &cmdFunciones(1), &fmeDatos(5), &chkRegion}, f.acreedores);
    cmdFunciones(1).SetBackColor(f.acreedores ? ColorBoton : ColorFondo);
    for (ComboBox& region : cmbRegion) region.SetEnabled(f.acreedores && chkRegion.Value() == vbChecked);
    dtpFecha(0).SetEnabled(f.fechaInicial);
    dtpFecha(1).SetEnabled(f.fechaFinal);
    Habilita({&optTipo(0), &optTipo(1)}, f.tipo);
    Habilita({&optOrden(0), &optOrden(1)}, f.orden);
    Habilita({&chkStatus(0), &chkStatus(1)}, f.estatus);
    cmbTipCatalogo.SetEnabled(f.tipoCatalogo);
    txtFolioCheque.SetEnabled(f.porFolio);
    tvwGral(1).SetEnabled(!f.porFolio || optOrden(1).Value());
    if (reporte) {
        chkSinSaldo.SetEnabled(f.sinSaldo);
        chkSinMovtos.SetEnabled(f.sinMovtos);
    }

    txtCodAcreedor.SetBackColor(txtCodAcreedor.Enabled() ? ColorTextoHabilitado : ColorFondo);
    txtFolioCheque.SetBackColor(txtFolioCheque.Enabled() ? ColorTextoHabilitado : ColorFondo);
    Sigue(Label1, txtCodAcreedor);
    Sigue(lblDatos(0), txtFolioCheque);
    Sigue(cmdBuscar, txtFolioCheque);
    Sigue(lblDatos(3), dtpFecha(0));
    Sigue(lblDatos(4), dtpFecha(1));
    Sigue(fmeDatos(0), optOrden(0));
    Sigue(fmeDatos(1), chkStatus(0));
    Sigue(fmeDatos(2), optTipo(0));
    Sigue(fmeDatos(3), txtCodAcreedor);
    Sigue(fmeDatos(4), dtpFecha(1));
    Sigue(fmeAcreedores, tvwGral(0));
    Sigue(fmeConceptos, tvwGral(1));
}

void frmConGastos::optOrden_Click(int) {
    // Only the report by cheque folio filters by concept, and only when ordered by concept.
    const Reporte* reporte = ReporteElegido();
    if (!reporte || !reporte->filtros.porFolio) return;
    const bool porConcepto = !optOrden(0).Value();
    tvwGral(1).SetEnabled(porConcepto);
    fmeConceptos.SetEnabled(porConcepto);
}

void frmConGastos::chkRegion_Click() {
    for (ComboBox& region : cmbRegion) region.SetEnabled(chkRegion.Value() == vbChecked);
}

}  // namespace gastos
