// The window's reports, one row each: the entry cmbConsulta shows, the filters it enables, the
// creditor list it reads, the routine that prints it and the headings each new page of it starts
// with. A new report is its own file with its routine and headings, plus one row here.
#include "gastos/frmConGastos.h"

namespace gastos {

namespace {

using V = frmConGastos;
using F = frmConGastos::Reporte::Filtros;
using A = frmConGastos::Acreedores;

// Filters: acreedores, fechaInicial, fechaFinal, tipo, orden, estatus, sinSaldo, sinMovtos,
// tipoCatalogo, porFolio.
const frmConGastos::Reporte Tabla[] = {
    {u"Catálogo de Acreedores", F{true, false, false, true, false, false, false, false, true, false}, A::Catalogo,
     [](V& v) {
         if (v.cmbTipCatalogo.ListIndex() == 0) v.ImprimeDirectorio();
         else if (v.cmbTipCatalogo.ListIndex() == 1) v.ImprimeParametros();
     },
     [](V& v) { v.EncabezadoCatalogo(); }},
    {u"Auxiliar de Acreedores", F{true, true, true, true, false, false, true, true, false, false}, A::Estatus,
     [](V& v) { v.ImprimeAuxiliar(); }, [](V& v) { v.EncabezadoAuxSaldos(false); }},
    {u"Relación de Movimientos", F{true, true, true, true, true, true, true, true, false, false}, A::Ninguna,
     [](V& v) { v.ImprimeMovimientos(); }, [](V& v) { v.EncabezadoMovimientos(); }},
    {u"Saldos", F{true, false, true, false, false, false, true, false, false, false}, A::Estatus,
     [](V& v) { v.ImprimeSaldos(); }, [](V& v) { v.EncabezadoAuxSaldos(true); }},
    {u"Reposición de Caja", F{false, true, true, true, true, false, false, false, false, true}, A::Ninguna,
     [](V& v) { v.ImprimeReposicion(); }, [](V& v) { v.EncabezadoReposicion(); }},
};

}  // namespace

std::span<const frmConGastos::Reporte> frmConGastos::Reportes() { return Tabla; }

const frmConGastos::Reporte* frmConGastos::ReporteElegido() const {
    return report::FilaElegida(Reportes(), cmbConsulta.ListIndex());
}

}  // namespace gastos
