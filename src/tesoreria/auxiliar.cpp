// "Aux. de Cuentas Bancarias": for each account, the balance before the range, each deposit and
// withdrawal with the running balance, and a closing line with both sums and the final balance,
// all in the account's own currency.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Texto.h"

namespace tesoreria {

namespace {

constexpr int LimiteAuxiliar = 13500;
constexpr int ColumnaIngresos = 7500;
constexpr int ColumnaEgresos = 9000;

}  // namespace

void frmConTesoreria::EncabezadoAuxiliarBancos() {
    ColumnasMovimientos(QStringLiteral("Auxiliar de Cuentas"),
                        {{0, QStringLiteral("Concepto")}, {3000, QStringLiteral("Fecha")}, {3850, QStringLiteral("Folio")},
                         {4900, QStringLiteral("No. Cheque")}, {ColumnaIngresos, QStringLiteral("Ingresos"), true},
                         {ColumnaEgresos, QStringLiteral("Egresos"), true}, {10500, QStringLiteral("Saldo"), true}});
}

vb::Currency frmConTesoreria::SaldoAnterior(const QString& cuenta, vb::Currency inicial) {
    rsSaldos = modConGastos::ConexionModulo().Execute(
        QStringLiteral("SELECT CON_GRL,IMP_MOV FROM tblIngreEgre WHERE (NUM_CTA='") + ado::Comillas(cuenta) +
        QStringLiteral("' AND FEC_MOV<") + FechaInicial + QStringLiteral(" AND (COD_ESTATUS<>2));"));
    vb::Currency saldo = inicial;
    for (; !rsSaldos.EOF_(); rsSaldos.MoveNext()) {
        const vb::Variant importe = rsSaldos.Fields("IMP_MOV").Value();
        if (importe.IsNull() || !importe.IsNumeric()) continue;
        const QString clase = Campo(rsSaldos, "CON_GRL");
        if (clase == u"INGR") saldo += importe.CCur();
        else if (clase == u"EGRE") saldo -= importe.CCur();
    }
    rsSaldos.Close();
    rsSaldos = ado::Recordset();
    return saldo;
}

const QString frmConTesoreria::CuentasConSaldo = QStringLiteral(
    "SELECT COD_BANCO,NUM_CUENTA,COD_MONCTA,SAL_INICIAL,tblMonedas.COD_MON,DES_MON FROM tblCatCtasBancos INNER "
    "JOIN tblMonedas ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA WHERE COD_BANCO=");

QString frmConTesoreria::ConsultaAuxiliar(const QString& cuenta) const {
    return QStringLiteral("SELECT FEC_MOV,FOL_MOV,FOL_CHEQUE,NOMBRE,DES_ESTATUS,IMP_MOV,TIP_CAM,tblConceptosGyT.COD_CON,"
                          "DES_CON,CON_GRL FROM (tblIngreEgre INNER JOIN tblConceptosGyT ON "
                          "tblConceptosGyT.COD_CON=tblIngreEgre.COD_CON) INNER JOIN tblEstatusGyT ON "
                          "tblIngreEgre.COD_ESTATUS=tblEstatusGyT.COD_ESTATUS WHERE NUM_CTA='") +
           ado::Comillas(cuenta) + QStringLiteral("' AND (CON_GRL IN('INGR','EGRE')) AND (FEC_MOV BETWEEN ") +
           FechaInicial + QStringLiteral(" AND ") + FechaFinal +
           QStringLiteral(") AND tblIngreEgre.COD_ESTATUS<>2 ORDER BY FEC_MOV,MOVIMIENTO;");
}

void frmConTesoreria::ImprimeAuxiliarBancos() {
    report::Superficie& s = *Superficie;
    EncabezadoAuxiliarBancos();
    s.ForeColor(Negro);
    s.FontBold(false);
    const bool detallado = optTipo(0).Value();

    Recorrido r;
    r.cuentas = CuentasConSaldo;
    r.porCuenta = [&] {
        const QString cuenta = Campo(rsCuentas, "NUM_CUENTA");
        bool encabezado = false;
        vb::Currency ingresos, egresos, saldo;
        rsMovimientos = modConGastos::ConexionModulo().Execute(ConsultaAuxiliar(cuenta));
        if (!rsMovimientos.EOF_() || chkSinMovimientos.Value() != 0) {
            saldo = SaldoAnterior(cuenta, rsCuentas.Fields("SAL_INICIAL").Value().CCur());
            s.BeginGroup();
            s.FontSize(9);
            s.ForeColor(Azul);
            s.PrintText(0, LineaActual, vb::Left(Campo(rsBancos, "NOM_BANCO"), 22));
            s.FontBold(false);
            s.DrawRule(1900, LineaActual, 4500, 200);
            s.PrintText(2000, LineaActual, QStringLiteral("Cuenta: ") + cuenta);
            s.PrintText(4500, LineaActual, QStringLiteral("Moneda: ") + Campo(rsCuentas, "DES_MON"));
            s.TextAlign(report::AlineaDerecha);
            s.PrintText(9000, LineaActual, QStringLiteral("Saldo Anterior:"));
            s.PrintText(10500, LineaActual, TextoDinero(saldo));
            s.TextAlign(report::AlineaIzquierda);
            LineaActual += 240;
            s.EndGroup();
            s.FontSize(7);
            encabezado = true;
        }
        int columna = ColumnaIngresos;
        for (; !rsMovimientos.EOF_(); rsMovimientos.MoveNext()) {
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
                s.PrintText(0, y, Campo(rsMovimientos, "DES_CON"));
                s.PrintText(3000, y, Campo(rsMovimientos, "FEC_MOV"));
                s.PrintText(3850, y, UltimosDiez(Campo(rsMovimientos, "FOL_MOV")));
                s.PrintText(4900, y, UltimosDiez(Campo(rsMovimientos, "FOL_CHEQUE")));
                s.TextAlign(report::AlineaDerecha);
                s.PrintText(columna, y, TextoDinero(importe));
                s.PrintText(10500, y, TextoDinero(saldo));
                s.TextAlign(report::AlineaIzquierda);
                LineaActual += 240;
            }
            if (LineaActual > LimiteAuxiliar) NuevaPagina();
        }
        rsMovimientos.Close();
        rsMovimientos = ado::Recordset();
        if (!encabezado) return;
        LineaActual += 240;
        s.BeginGroup();
        s.FontSize(9);
        s.FontBold(true);
        s.DrawLine(6500, LineaActual, 10500, LineaActual);
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(ColumnaIngresos, LineaActual, TextoDinero(ingresos));
        s.PrintText(ColumnaEgresos, LineaActual, TextoDinero(egresos));
        s.PrintText(10500, LineaActual, TextoDinero(saldo));
        s.TextAlign(report::AlineaIzquierda);
        s.FontBold(false);
        s.EndGroup();
        LineaActual += 480;
    };
    RecorreBancos(r);
}

}  // namespace tesoreria
