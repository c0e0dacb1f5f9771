// "Aux. de Cuentas Bancarias": for each account, the balance before the range, each deposit and
// withdrawal with the running balance, and a closing line with both sums and the final balance,
// all in the account's own currency.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Texto.h"

namespace tesoreria {

namespace {

constexpr int LimiteAuxiliar = 13500;
constexpr int ColumnaIngresos = 7500;
constexpr int ColumnaEgresos = 9000;
const QString Ingresos = QStringLiteral("Ingresos");
const QString Egresos = QStringLiteral("Egresos");
const QString Saldo = QStringLiteral("Saldo");

}  // namespace

void frmConTesoreria::EncabezadoAuxiliarBancos() {
    ColumnasMovimientos(QStringLiteral("Auxiliar de Cuentas"),
                        {{0, QStringLiteral("Concepto")}, {3000, QStringLiteral("Fecha")}, {3850, QStringLiteral("Folio")},
                         {4900, QStringLiteral("No. Cheque")}, {ColumnaIngresos, Ingresos, true},
                         {ColumnaEgresos, Egresos, true}, {10500, Saldo, true}});
}

QString frmConTesoreria::ConsultaSaldoAnterior(const Alcance& cuentas) const {
    return QStringLiteral("SELECT ") + cuentas.Columna() + QStringLiteral("CON_GRL,SUM(IMP_MOV) AS IMP_MOV FROM tblIngreEgre") +
           cuentas.Une(QStringLiteral("tblIngreEgre.NUM_CTA")) + QStringLiteral(" WHERE (") +
           cuentas.Condicion() + QStringLiteral(" AND FEC_MOV<") + FechaInicial +
           QStringLiteral(" AND (COD_ESTATUS<>2))") + Alcance::SumadaPor(QStringLiteral("CON_GRL")) +
           cuentas.OrdenadaPor({}) + u';';
}

vb::Currency frmConTesoreria::SaldoAnterior(report::CortePorClave& antes, const QString& cuenta, vb::Currency inicial) {
    vb::Currency saldo = inicial;
    for (; antes.En(cuenta); antes.Siguiente()) {
        const vb::Variant importe = antes.Filas().Fields("IMP_MOV").Value();
        if (importe.IsNull() || !importe.IsNumeric()) continue;
        const QString clase = Campo(antes.Filas(), "CON_GRL");
        if (clase == u"INGR") saldo += importe.CCur();
        else if (clase == u"EGRE") saldo -= importe.CCur();
    }
    return saldo;
}

const QString frmConTesoreria::CuentasConSaldo = QStringLiteral(
    "SELECT COD_BANCO,NUM_CUENTA,COD_MONCTA,SAL_INICIAL,tblMonedas.COD_MON,DES_MON FROM tblCatCtasBancos INNER "
    "JOIN tblMonedas ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA");

QString frmConTesoreria::ConsultaAuxiliar(const Alcance& cuentas) const {
    return ConsultaMovimientos(
        cuentas, QStringLiteral("FEC_MOV,FOL_MOV,FOL_CHEQUE,NOMBRE,DES_ESTATUS,IMP_MOV,TIP_CAM,CON_GRL"),
        QStringLiteral(" AND (CON_GRL IN('INGR','EGRE'))") + EntreFechas(QStringLiteral("FEC_MOV")) +
            QStringLiteral(" AND tblIngreEgre.COD_ESTATUS<>2"),
        QStringLiteral("FEC_MOV,MOVIMIENTO"));
}

void frmConTesoreria::ImprimeEncabezadoAuxiliar(vb::Currency saldo) {
    report::Superficie& s = *Superficie;
    s.BeginGroup();
    s.FontSize(9);
    s.ForeColor(Azul);
    const bool cuentaAparte = ImprimeBancoDeCuenta();
    s.FontBold(false);
    s.DrawRule(1900, LineaActual, 4500, 200);
    ImprimeCuentaYMoneda(2000, 4500, cuentaAparte);
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(9000, LineaActual, QStringLiteral("Saldo Anterior:"));
    // The balance the account's closing line starts from.
    s.MarkValue(QStringLiteral("Saldo Anterior"), saldo);
    s.PrintText(10500, LineaActual, TextoDinero(saldo));
    s.TextAlign(report::AlineaIzquierda);
    LineaActual += 240;
    s.EndGroup();
    s.FontSize(7);
}

void frmConTesoreria::ImprimeCierreAuxiliar(vb::Currency ingresos, vb::Currency egresos, vb::Currency saldo) {
    report::Superficie& s = *Superficie;
    LineaActual += 240;
    s.BeginGroup();
    s.FontSize(9);
    s.FontBold(true);
    s.DrawLine(6500, LineaActual, 10500, LineaActual);
    s.MarkLine(report::ClaseRenglon::Subtotal, 2);
    s.TextAlign(report::AlineaDerecha);
    s.MarkValue(Ingresos, ingresos);
    s.PrintText(ColumnaIngresos, LineaActual, TextoDinero(ingresos));
    s.MarkValue(Egresos, egresos);
    s.PrintText(ColumnaEgresos, LineaActual, TextoDinero(egresos));
    s.MarkValue(Saldo, saldo);
    s.PrintText(10500, LineaActual, TextoDinero(saldo));
    s.TextAlign(report::AlineaIzquierda);
    s.FontBold(false);
    s.EndGroup();
    LineaActual += 480;
}

void frmConTesoreria::ImprimeAuxiliarBancos() {
    report::Superficie& s = *Superficie;
    EncabezadoAuxiliarBancos();
    s.ForeColor(Negro);
    s.FontBold(false);
    const bool detallado = optTipo(0).Value();

    std::optional<report::CortePorClave> movimientos, antes;
    Recorrido r = RecorridoMarcado(CuentasConSaldo);
    r.conjuntos = [&](const Alcance& cuentas) {
        return std::vector<Conjunto>{{&movimientos, &rsMovimientos, ConsultaAuxiliar(cuentas)},
                                     {&antes, &rsSaldos, ConsultaSaldoAnterior(cuentas)}};
    };
    r.porCuenta = [&] {
        const QString cuenta = Campo(rsCuentas, "NUM_CUENTA");
        const bool encabezado = movimientos->En(cuenta) || chkSinMovimientos.Value() != 0;
        vb::Currency ingresos, egresos, saldo;
        if (encabezado) {
            saldo = SaldoAnterior(*antes, cuenta, rsCuentas.Fields("SAL_INICIAL").Value().CCur());
            ImprimeEncabezadoAuxiliar(saldo);
        }
        int columna = ColumnaIngresos;
        for (; movimientos->En(cuenta); movimientos->Siguiente()) {
            const vb::Currency importe = rsMovimientos.Fields("IMP_MOV").Value().CCur();
            const QString clase = Campo(rsMovimientos, "CON_GRL");
            if (clase == u"INGR") {
                saldo += importe;
                ingresos += importe;
                columna = ColumnaIngresos;
            } else if (clase == u"EGRE") {
                saldo -= importe;
                egresos += importe;
                columna = ColumnaEgresos;
            }
            if (detallado) {
                const int32_t y = LineaActual;
                const QString concepto = Campo(rsMovimientos, "DES_CON"), folio = Campo(rsMovimientos, "FOL_MOV"),
                              cheque = Campo(rsMovimientos, "FOL_CHEQUE");
                s.MarkLine(report::ClaseRenglon::Detalle);
                ImprimeTexto(0, y, QStringLiteral("Concepto"), concepto, concepto);
                ImprimeFecha(3000, y, QStringLiteral("Fecha"), rsMovimientos.Fields("FEC_MOV").Value());
                ImprimeTexto(3850, y, QStringLiteral("Folio"), folio, UltimosDiez(folio));
                ImprimeTexto(4900, y, QStringLiteral("No. Cheque"), cheque, UltimosDiez(cheque));
                s.TextAlign(report::AlineaDerecha);
                s.MarkValue(columna == ColumnaIngresos ? Ingresos : Egresos, importe);
                s.PrintText(columna, y, TextoDinero(importe));
                s.MarkValue(Saldo, saldo);
                s.PrintText(10500, y, TextoDinero(saldo));
                s.TextAlign(report::AlineaIzquierda);
                LineaActual += 240;
            }
            if (LineaActual > LimiteAuxiliar) NuevaPagina();
        }
        if (encabezado) ImprimeCierreAuxiliar(ingresos, egresos, saldo);
    };
    RecorreBancos(r);
    SueltaConjuntos();
}

}  // namespace tesoreria
