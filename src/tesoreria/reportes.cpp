// The window's reports, one row each: the entry cmbConsulta shows, the filters it enables, the
// routine that prints it and the headings each new page of it starts with. A new report is its
// own file with its routine and headings, plus one row here.
#include "tesoreria/frmConTesoreria.h"

namespace tesoreria {

namespace {

using V = frmConTesoreria;
using F = frmConTesoreria::Reporte::Filtros;

// Filters: concepto, conciliacion, rangoMeses, mes, estatus, fechas, tipo, bancos, sinMovimientos
// (each enabler's argument, -1 where the report leaves it as it is), and the transfer list.
const frmConTesoreria::Reporte Tabla[] = {
    {u"Catálogo de Cuentas", F{0, 0, 0, 0, 0, 0, 0, 1, 0, false},
     [](V& v) { v.ImprimeCatalogoCuentas(); }, [](V& v) { v.EncabezadoCatalogoCuentas(); }},
    {u"Relación de Movimientos", F{1, 0, 0, 0, 1, 1, 1, 1, 0, false},
     [](V& v) { v.ImprimeRelacionMovimientos(); }, [](V& v) { v.EncabezadoMovimientosBancos(false); }},
    {u"Aux. de Cuentas Bancarias", F{0, 0, 0, 0, 0, 1, 1, 1, 1, false},
     [](V& v) { v.ImprimeAuxiliarBancos(); }, [](V& v) { v.EncabezadoAuxiliarBancos(); }},
    // The reconciliation choice decides dates and banks.
    {u"Libro de Bancos", F{0, 1, 0, 0, 0, -1, 0, -1, 0, false},
     [](V& v) { v.ImprimeLibroBancos(); },
     [](V& v) {
         v.EncabezadoPagina(QStringLiteral("Libro de Bancos"));
         v.EncabezadoLibroBancos();
     }},
    {u"Relación de Conciliaciones", F{0, 0, 0, 0, 0, 1, 0, 1, 0, false},
     [](V& v) { v.ImprimeConciliaciones(); }, [](V& v) { v.EncabezadoConciliaciones(); }},
    // The single month stays as the range left it.
    {u"Promedio diario mensual", F{0, 0, 0, -1, 0, 0, 0, 1, 0, false},
     [](V& v) { v.ImprimePromedioDiario(); }, [](V& v) { v.EncabezadoPromedios(true); }},
    {u"Promedio mensual", F{0, 0, 1, -1, 0, 0, 0, 1, 0, false},
     [](V& v) { v.ImprimePromedioMensual(); }, [](V& v) { v.EncabezadoPromedios(false); }},
    {u"Movimientos por Fecha de Aplicación", F{0, 0, 0, 0, 0, 1, 1, 1, 0, false},
     [](V& v) { v.ImprimeMovtosAplicacion(); }, [](V& v) { v.EncabezadoMovimientosBancos(true); }},
    {u"Movimientos de Traspaso", F{0, 0, 0, 0, 0, 1, 0, 1, 0, true},
     [](V& v) { v.ImprimeTraspasos(); }, [](V& v) { v.EncabezadoTraspasos(); }},
};

}  // namespace

std::span<const frmConTesoreria::Reporte> frmConTesoreria::Reportes() { return Tabla; }

const frmConTesoreria::Reporte* frmConTesoreria::ReporteElegido() const {
    return report::FilaElegida(Reportes(), cmbConsulta.ListIndex());
}

}  // namespace tesoreria
