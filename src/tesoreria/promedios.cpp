// What the two average balance reports share: their column headings, the account header, the
// balance before a date, the sums of a day or month, and the line of balances with their mean.
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace tesoreria {

namespace {

// The closing balance's caption: the day's in the daily layout, the month's in the monthly one.
QString ColumnaSaldo(bool diario) { return diario ? QStringLiteral("Saldo del día") : QStringLiteral("Saldo final"); }

// The mean of two amounts at their own precision, half a ten-thousandth to even.
vb::Currency Media(vb::Currency a, vb::Currency b) {
    const int64_t doble = (a + b).diezmilesimos();
    int64_t media = doble / 2;
    if (doble % 2 != 0 && media % 2 != 0) media += doble > 0 ? 1 : -1;
    return vb::Currency::DesdeDiezmilesimos(media);
}

}  // namespace

void frmConTesoreria::EncabezadoPromedios(bool Diario) {
    report::Superficie& s = *Superficie;
    EncabezadoPagina(Diario ? QStringLiteral("Promedio Diario Mensual") : QStringLiteral("Promedio Mensual"));
    s.BeginGroup();
    s.ForeColor(Negro);
    s.FontBold(true);
    s.FontSize(9);
    const int32_t y = LineaActual;
    s.PrintText(0, y, Diario ? QStringLiteral("Dia") : QStringLiteral("Mes/Año"));
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(2400, y, QStringLiteral("Saldo Anterior"));
    s.PrintText(4200, y, QStringLiteral("Ingresos"));
    s.PrintText(6200, y, QStringLiteral("Egresos"));
    s.PrintText(8500, y, ColumnaSaldo(Diario));
    s.PrintText(10400, y, QStringLiteral("Promedio"));
    s.TextAlign(report::AlineaIzquierda);
    s.DrawLine(0, y + 200, 10500, y + 200);
    s.EndGroup();
    LineaActual += 250;
}

void frmConTesoreria::Sumas::Agrega(const ado::Recordset& rs) {
    const vb::Variant importe = rs.Fields("IMP_MOV").Value();
    if (importe.IsNull() || !importe.IsNumeric()) return;
    const QString clase = Campo(rs, "CON_GRL");
    if (clase == u"INGR") ingresos += importe.CCur();
    else if (clase == u"EGRE") egresos += importe.CCur();
}

QString frmConTesoreria::ConsultaSaldoAntesDe(const Alcance& cuentas, QDate dia) {
    return QStringLiteral("SELECT ") + cuentas.Columna() + QStringLiteral("CON_GRL, SUM(IMP_MOV) AS IMP_MOV FROM tblIngreEgre") +
           cuentas.Une(QStringLiteral("tblIngreEgre.NUM_CTA")) + QStringLiteral(" WHERE ") +
           cuentas.Condicion() +
           QStringLiteral(" AND (CON_GRL='INGR' OR CON_GRL='EGRE') AND COD_ESTATUS<>2 AND FEC_MOV<") +
           modConGastos::FechaSQL(vb::Variant(dia)) + Alcance::SumadaPor(QStringLiteral("CON_GRL")) +
           cuentas.OrdenadaPor({}) + QStringLiteral(" ;");
}

vb::Currency frmConTesoreria::SaldoAntesDe(report::CortePorClave& antes, const QString& cuenta) {
    Sumas sumas;
    for (; antes.En(cuenta); antes.Siguiente()) sumas.Agrega(antes.Filas());
    return sumas.ingresos - sumas.egresos;
}

QString frmConTesoreria::ConsultaImportes(const Alcance& cuentas, QDate desde, QDate hasta) {
    QString sql = QStringLiteral("SELECT ") + cuentas.Columna() +
                  QStringLiteral("IMP_MOV, CON_GRL, FEC_MOV FROM tblIngreEgre") +
                  cuentas.Une(QStringLiteral("tblIngreEgre.NUM_CTA")) + QStringLiteral(" WHERE ") +
                  cuentas.Condicion() +
                  QStringLiteral(" AND (CON_GRL='INGR' OR CON_GRL='EGRE') AND COD_ESTATUS<>2 AND (FEC_MOV ");
    if (desde == hasta) sql += QStringLiteral("= ") + modConGastos::FechaSQL(vb::Variant(desde)) + u')';
    else
        sql += QStringLiteral("BETWEEN ") + modConGastos::FechaSQL(vb::Variant(desde)) + QStringLiteral(" AND ") +
               modConGastos::FechaSQL(vb::Variant(hasta)) + u')';
    return sql + cuentas.OrdenadaPor(QStringLiteral("FEC_MOV,MOVIMIENTO"));
}

frmConTesoreria::Sumas frmConTesoreria::SumaEntre(report::CortePorClave& importes, const QString& cuenta, QDate desde,
                                                  QDate hasta) {
    Sumas sumas;
    for (; importes.En(cuenta); importes.Siguiente()) {
        // Compared as the engine compares them, time of day included: noon of `hasta` is past it.
        const vb::Fecha f = importes.Filas().Fields("FEC_MOV").Value().CDate();
        if (f.dia > hasta || (f.dia == hasta && f.hora != QTime(0, 0))) break;
        if (f.dia >= desde) sumas.Agrega(importes.Filas());
    }
    return sumas;
}

frmConTesoreria::Recorrido frmConTesoreria::RecorridoDePromedios(QDate desde, QDate hasta, Importes& importes) {
    Recorrido r = RecorridoMarcado(CuentasConNombreMoneda);
    r.conjuntos = [this, desde, hasta, &importes](const Alcance& cuentas) {
        return std::vector<Conjunto>{{&importes.antes, &rsSaldos, ConsultaSaldoAntesDe(cuentas, desde)},
                                     {&importes.periodo, &rsMovimientos, ConsultaImportes(cuentas, desde, hasta)}};
    };
    return r;
}

void frmConTesoreria::ImprimeEncabezadoPromedio(int xCuenta, int xMoneda, const QString& mes) {
    report::Superficie& s = *Superficie;
    s.BeginGroup();
    s.FontSize(9);
    s.FontBold(true);
    s.ForeColor(Azul);
    ImprimeCuentaYMoneda(xCuenta, xMoneda, ImprimeBancoDeCuenta());
    if (!mes.isEmpty()) s.PrintText(8600, LineaActual, QStringLiteral("Mes: ") + mes);
    s.FontBold(false);
    LineaActual += 240;
    s.EndGroup();
    s.FontSize(7);
}

void frmConTesoreria::ImprimeSaldosPromedio(int32_t y, vb::Currency saldo, const Sumas& sumas, bool Diario) {
    report::Superficie& s = *Superficie;
    const vb::Currency final = saldo + sumas.ingresos - sumas.egresos;
    // The mean of opening and closing, in double precision and rounded only when printed.
    const double promedio = (saldo + final).ADouble() / 2;
    s.TextAlign(report::AlineaDerecha);
    const std::pair<int, vb::Currency> saldos[] = {{2400, saldo}, {4200, sumas.ingresos}, {6200, sumas.egresos}, {8500, final}};
    const QString columnas[] = {QStringLiteral("Saldo Anterior"), QStringLiteral("Ingresos"), QStringLiteral("Egresos"),
                                ColumnaSaldo(Diario)};
    for (std::size_t i = 0; i < std::size(saldos); ++i) {
        s.MarkValue(columnas[i], saldos[i].second);
        s.PrintText(saldos[i].first, y, TextoDinero(saldos[i].second));
    }
    s.MarkValue(QStringLiteral("Promedio"), Media(saldo, final));
    s.PrintText(10400, y, QStringLiteral("$ ") + vb::FormatoMoneda(promedio));
    s.TextAlign(report::AlineaIzquierda);
}

}  // namespace tesoreria
