// "Relación de Movimientos": the deposits and withdrawals of the range by account and concept, with
// the status, in-transit, reconciled and concept filters, converted to national currency.
#include "ado/Comillas.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Producto.h"

namespace tesoreria {

QString frmConTesoreria::ConsultaRelacion(const Alcance& cuentas) const {
    const bool unConcepto = cmbConceptos(0).ListIndex() != 0;
    const QString concepto =
        unConcepto ? QStringLiteral(" AND tblIngreEgre.COD_CON='") + ado::Comillas(cmbConceptos(1).Text()) + u'\''
                   : QString();
    return ConsultaMovimientos(
        cuentas, QStringLiteral("FEC_MOV,FOL_MOV,FOL_CHEQUE,NOMBRE,tblIngreEgre.NOTAS,DES_ESTATUS,IMP_MOV,TIP_CAM"),
        DeBancos + EntreFechas(QStringLiteral("FEC_MOV")) + FiltroEstatus() + concepto,
        unConcepto ? QStringLiteral("FEC_MOV,FOL_MOV,MOVIMIENTO") : QStringLiteral("DES_CON,FEC_MOV,FOL_MOV,MOVIMIENTO"));
}

void frmConTesoreria::ImprimeRelacionMovimientos() {
    report::Superficie& s = *Superficie;
    const auto detalle = [&] {
        const vb::Currency importe = rsMovimientos.Fields("IMP_MOV").Value().CCur();
        const vb::Currency enPesos = vb::Producto(importe, rsMovimientos.Fields("TIP_CAM").Value().CCur());
        if (!optTipo(0).Value()) return enPesos;
        const int32_t y = LineaActual;
        s.MarkLine(report::ClaseRenglon::Detalle);
        ImprimeFechaYFolio(y);
        // Without a cheque, the notes take its place.
        if (Campo(rsMovimientos, "FOL_CHEQUE").isEmpty()) {
            s.PrintText(1900, y, MarcaTexto(QStringLiteral("Notas"), rsMovimientos, "NOTAS"));
        } else {
            s.PrintText(1900, y, UltimosDiez(MarcaTexto(QStringLiteral("No. Cheque"), rsMovimientos, "FOL_CHEQUE")));
            s.PrintText(3100, y, MarcaTexto(QStringLiteral("Beneficiario"), rsMovimientos, "NOMBRE"));
        }
        ImprimeEstatusEImportes(y, importe, enPesos);
        LineaActual += 240;
        return enPesos;
    };
    RecorreMovimientosPorConcepto(
        false, [this](const Alcance& cuentas) { return ConsultaRelacion(cuentas); }, detalle);
}

}  // namespace tesoreria
