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
        const auto campo = [this](const char* nombre) { return Campo(rsMovimientos, nombre); };
        const QString folio = campo("FOL_MOV"), cheque = campo("FOL_CHEQUE"), nombre = campo("NOMBRE"),
                      estatus = campo("DES_ESTATUS");
        ImprimeFecha(0, y, QStringLiteral("Fecha"), rsMovimientos.Fields("FEC_MOV").Value());
        ImprimeFecha(850, y, QStringLiteral("Aplica"), rsMovimientos.Fields("FEC_APLI").Value());
        ImprimeTexto(1700, y, QStringLiteral("Folio"), folio, UltimosDiez(folio));
        ImprimeTexto(2850, y, QStringLiteral("No. Cheque"), cheque, UltimosDiez(cheque));
        ImprimeTexto(4200, y, QStringLiteral("Beneficiario"), nombre, nombre);
        s.DrawRule(7600, y, 4500, 200);
        ImprimeTexto(7700, y, QStringLiteral("Estatus"), estatus, estatus);
        s.DrawRule(9000, y, 4500, 200);
        s.TextAlign(report::AlineaDerecha);
        ImprimeTipoDeCambio(9350, y);
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
