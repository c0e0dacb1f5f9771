// "Movimientos por Fecha de Aplicación": the applied movements by the date the bank applied them,
// grouped by runs of one concept, totalled in the account's own currency.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"

namespace tesoreria {

QString frmConTesoreria::ConsultaAplicacion(const Alcance& cuentas) const {
    return ConsultaMovimientos(
        cuentas, QStringLiteral("FEC_MOV,FEC_APLI,FOL_MOV,FOL_CHEQUE,NOMBRE,DES_ESTATUS,IMP_MOV,TIP_CAM"),
        DeBancos + EntreFechas(QStringLiteral("FEC_APLI")) + QStringLiteral(" AND (tblIngreEgre.COD_ESTATUS<>2)"),
        QStringLiteral("FEC_APLI,MOVIMIENTO"));
}

void frmConTesoreria::ImprimeMovtosAplicacion() {
    report::Superficie& s = *Superficie;
    const auto detalle = [&] {
        const vb::Currency importe = rsMovimientos.Fields("IMP_MOV").Value().CCur();
        if (!optTipo(0).Value()) return importe;
        const int32_t y = LineaActual;
        s.MarkLine(report::ClaseRenglon::Detalle);
        MarcaFecha(QStringLiteral("Fecha"), "FEC_MOV");
        s.PrintText(0, y, Campo(rsMovimientos, "FEC_MOV"));
        MarcaFecha(QStringLiteral("Aplica"), "FEC_APLI");
        s.PrintText(850, y, Campo(rsMovimientos, "FEC_APLI"));
        s.PrintText(1700, y, UltimosDiez(MarcaTexto(QStringLiteral("Folio"), rsMovimientos, "FOL_MOV")));
        s.PrintText(2850, y, UltimosDiez(MarcaTexto(QStringLiteral("No. Cheque"), rsMovimientos, "FOL_CHEQUE")));
        s.PrintText(4200, y, MarcaTexto(QStringLiteral("Beneficiario"), rsMovimientos, "NOMBRE"));
        s.DrawRule(7600, y, 4500, 200);
        s.PrintText(7700, y, MarcaTexto(QStringLiteral("Estatus"), rsMovimientos, "DES_ESTATUS"));
        s.DrawRule(9000, y, 4500, 200);
        s.TextAlign(report::AlineaDerecha);
        MarcaTipoDeCambio();
        s.PrintText(9350, y, vb::Format(rsMovimientos.Fields("TIP_CAM").Value(), u"#,##0.00"));
        s.MarkValue(QStringLiteral("Importe"), importe);
        s.PrintText(10500, y, TextoDinero(importe));
        s.TextAlign(report::AlineaIzquierda);
        LineaActual += 240;
        return importe;
    };
    RecorreMovimientosPorConcepto(
        true, [this](const Alcance& cuentas) { return ConsultaAplicacion(cuentas); }, detalle);
}

}  // namespace tesoreria
