// Which filters each report reads: the controls are enabled, captioned and coloured for the report
// chosen, and the region lists and the concept tree follow their own switches.
#include "controles/Constants.h"
#include "gastos/Colores.h"
#include "gastos/frmConGastos.h"

namespace gastos {

using namespace controles;

namespace {

// A control that follows another takes its enabled state.
void Sigue(Control& seguidor, const Control& guia) { seguidor.SetEnabled(guia.Enabled()); }

}  // namespace

void frmConGastos::cmbConsulta_Click() {
    optOrden(0).SetCaption(QStringLiteral("Por Acreedor"));
    for (int i : {0, 1, 2, 3, 4}) fmeDatos(i).SetEnabled(true);
    for (Control* c : std::initializer_list<Control*>{&fmeAcreedores, &fmeConceptos, &txtCodAcreedor, &cmdFunciones(1),
                                                      &optTipo(0), &optTipo(1), &dtpFecha(0), &dtpFecha(1), &tvwGral(0),
                                                      &tvwGral(1), &fmeDatos(5), &chkRegion})
        c->SetEnabled(true);
    cmdFunciones(1).SetBackColor(ColorBoton);
    for (Control* c : std::initializer_list<Control*>{&txtFolioCheque, &optOrden(0), &optOrden(1), &chkStatus(0),
                                                      &chkStatus(1), &cmbTipCatalogo})
        c->SetEnabled(false);
    for (ComboBox& region : cmbRegion) region.SetEnabled(chkRegion.Value() == vbChecked);

    switch (cmbConsulta.ListIndex()) {
    case 0:
        chkSinSaldo.SetEnabled(false);
        chkSinMovtos.SetEnabled(false);
        dtpFecha(0).SetEnabled(false);
        dtpFecha(1).SetEnabled(false);
        cmbTipCatalogo.SetEnabled(true);
        break;
    case 1:
        chkSinSaldo.SetEnabled(true);
        chkSinMovtos.SetEnabled(true);
        break;
    case 2:
        for (Control* c : std::initializer_list<Control*>{&tvwGral(1), &chkSinSaldo, &chkSinMovtos, &optOrden(0),
                                                          &optOrden(1), &chkStatus(0), &chkStatus(1)})
            c->SetEnabled(true);
        break;
    case 3:
        chkSinSaldo.SetEnabled(true);
        chkSinMovtos.SetEnabled(false);
        optTipo(0).SetEnabled(false);
        optTipo(1).SetEnabled(false);
        dtpFecha(0).SetEnabled(false);
        break;
    case 4:
        tvwGral(0).SetEnabled(false);
        txtCodAcreedor.SetEnabled(false);
        cmdFunciones(1).SetEnabled(false);
        cmdFunciones(1).SetBackColor(ColorFondo);
        chkSinSaldo.SetEnabled(false);
        chkSinMovtos.SetEnabled(false);
        optOrden(0).SetEnabled(true);
        optOrden(1).SetEnabled(true);
        tvwGral(1).SetEnabled(optOrden(1).Value());
        txtFolioCheque.SetEnabled(true);
        optOrden(0).SetCaption(QStringLiteral("Por Folio"));
        fmeDatos(5).SetEnabled(false);
        chkRegion.SetEnabled(false);
        for (ComboBox& region : cmbRegion) region.SetEnabled(false);
        break;
    default: break;
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
    // Only the petty-cash report filters by concept, and only when ordered by concept.
    if (cmbConsulta.ListIndex() != 4) return;
    const bool porConcepto = !optOrden(0).Value();
    tvwGral(1).SetEnabled(porConcepto);
    fmeConceptos.SetEnabled(porConcepto);
}

void frmConGastos::chkRegion_Click() {
    for (ComboBox& region : cmbRegion) region.SetEnabled(chkRegion.Value() == vbChecked);
}

}  // namespace gastos
