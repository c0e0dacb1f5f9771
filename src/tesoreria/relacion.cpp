// "Relación de Movimientos": the deposits and withdrawals of the range by account and concept, with
// the status, in-transit, reconciled and concept filters, converted to national currency.
#include "ado/Comillas.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Producto.h"

namespace tesoreria {

QString frmConTesoreria::ConsultaRelacion(const QString& cuenta) const {
    const QString concepto =
        cmbConceptos(0).ListIndex() != 0
            ? QStringLiteral(" AND tblIngreEgre.COD_CON='") + ado::Comillas(cmbConceptos(1).Text()) +
                  QStringLiteral("' ORDER BY FEC_MOV,FOL_MOV,MOVIMIENTO;")
            : QStringLiteral(" ORDER BY DES_CON,FEC_MOV,FOL_MOV,MOVIMIENTO;");
    return QStringLiteral("SELECT FEC_MOV,FOL_MOV,FOL_CHEQUE,NOMBRE,tblIngreEgre.NOTAS,DES_ESTATUS,IMP_MOV,TIP_CAM,"
                          "tblConceptosGyT.COD_CON,DES_CON FROM (tblIngreEgre INNER JOIN tblConceptosGyT ON "
                          "tblConceptosGyT.COD_CON=tblIngreEgre.COD_CON) INNER JOIN tblEstatusGyT ON "
                          "tblIngreEgre.COD_ESTATUS=tblEstatusGyT.COD_ESTATUS WHERE NUM_CTA='") +
           ado::Comillas(cuenta) + QStringLiteral("' AND (COD_FOL='INGR' OR COD_FOL='EGRE') AND (FEC_MOV BETWEEN ") +
           FechaInicial + QStringLiteral(" AND ") + FechaFinal + u')' + FiltroEstatus() + concepto;
}

void frmConTesoreria::ImprimeRelacionMovimientos() {
    report::Superficie& s = *Superficie;
    const auto detalle = [&] {
        const vb::Currency importe = rsMovimientos.Fields("IMP_MOV").Value().CCur();
        const vb::Currency enPesos = vb::Producto(importe, rsMovimientos.Fields("TIP_CAM").Value().CCur());
        if (!optTipo(0).Value()) return enPesos;
        const int32_t y = LineaActual;
        ImprimeFechaYFolio(y);
        const QString cheque = Campo(rsMovimientos, "FOL_CHEQUE");
        if (cheque.isEmpty()) {
            s.PrintText(1900, y, Campo(rsMovimientos, "NOTAS"));
        } else {
            s.PrintText(1900, y, UltimosDiez(cheque));
            s.PrintText(3100, y, Campo(rsMovimientos, "NOMBRE"));
        }
        ImprimeEstatusEImportes(y, importe, enPesos);
        LineaActual += 240;
        return enPesos;
    };
    RecorreMovimientosPorConcepto(
        false, [this](const QString& cuenta) { return ConsultaRelacion(cuenta); }, detalle);
}

}  // namespace tesoreria
