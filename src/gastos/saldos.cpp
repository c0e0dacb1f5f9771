// "Saldos": what the company owes each creditor at the end date, one line per creditor, grouped by
// agrupación or not; and the column headings it shares with the creditor ledger.
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Formato.h"

#include <QHash>

namespace gastos {

namespace {

constexpr int LimiteSaldos = 13000;

QString Fecha(const QDate& dia) { return vb::Format(vb::Variant(dia), u"dd/mmm/yyyy"); }

}  // namespace

void frmConGastos::EncabezadoAuxSaldos(bool saldos) {
    report::Superficie& s = *Superficie;
    EncabezadoPagina(saldos ? QStringLiteral("Saldos") : QStringLiteral("Auxiliar de Acreedores"));

    s.BeginGroup();
    s.ForeColor(Azul);
    s.FontBold(true);
    s.FontSize(8);
    if (saldos) {
        s.PrintText(200, LineaActual, QStringLiteral("Código"));
        s.PrintText(1400, LineaActual, QStringLiteral("Nombre"));
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(10300, LineaActual, QStringLiteral("Saldo"));
        s.TextAlign(report::AlineaIzquierda);
    } else if (optTipo(0).Value()) {
        s.PrintText(100, LineaActual, QStringLiteral("Concepto"));
        s.PrintText(3200, LineaActual, QStringLiteral("Folio                Fecha"));
        s.PrintText(6500, LineaActual, QStringLiteral("Cargos                      Abonos"));
        s.PrintText(9800, LineaActual, QStringLiteral("Saldo"));
    } else {
        s.PrintText(100, LineaActual, QStringLiteral("Acreedor"));
        s.PrintText(5700, LineaActual, QStringLiteral("Saldo Ant."));
        s.PrintText(7300, LineaActual, QStringLiteral("Cargos               Abonos"));
        s.PrintText(10000, LineaActual, QStringLiteral("Saldo"));
    }
    s.DrawLine(0, LineaActual + 200, 10500, LineaActual + 200);
    LineaActual += 300;

    const QDate& inicio = dtpFecha(0).Value();
    const QDate& fin = dtpFecha(1).Value();
    s.PrintText(300, LineaActual,
                inicio != fin ? QStringLiteral("Del:  ") + Fecha(inicio) + QStringLiteral("    Al :  ") + Fecha(fin)
                              : QStringLiteral("Al :  ") + Fecha(fin));
    s.EndGroup();
    LineaActual += 250;
}

void frmConGastos::ImprimeSaldos() {
    EligeConsultaAcreedores();
    EncabezadoAuxSaldos(true);
    ImprimeFiltroAcreedor();
    const QHash<QString, SumasAcreedor> sumas = SumasPorAcreedor(QStringLiteral("FEC_MOV<=") + FechaFinal);

    ado::Recordset& rs = rsAcreedores;
    vb::Currency agrupacionAnterior;
    vb::Currency total;
    vb::Integer cuenta;
    const auto agrupacion = [&rs] { return rs.Fields("COD_AGR").Value().CCur(); };

    while (!rs.EOF_()) {
        if (Agrupado && agrupacion() != agrupacionAnterior) {
            agrupacionAnterior = agrupacion();
            if (LineaActual > LimiteSaldos) NuevaPagina();
            else LineaActual += 300;
            MarcaAgrupacion();
            ImprimeEncabezadoAgrupacion();
            LineaActual += 240;
        }

        const QString codigo = rs.Fields("COD_PROV").Value().CStr();
        const vb::Currency saldo = sumas.value(ClaveDe(rs)).Neto();
        if (saldo != vb::Currency() || chkSinSaldo.Value() != controles::vbUnchecked)
            ImprimeSaldoAcreedor(codigo, saldo, total, cuenta);

        rs.MoveNext();
        if (Agrupado && !rs.EOF_() && agrupacion() != agrupacionAnterior && cuenta > 0) {
            MarcaTotal(true, total);
            ImprimeTotal(cuenta, total);
            LineaActual += 300;
            cuenta = 0;
            total = vb::Currency();
        }
    }

    if (Agrupado) {
        // The last agrupación always closes with its total, even when none of it was printed.
        MarcaTotal(true, total);
        ImprimeTotal(cuenta, total);
        LineaActual += 300;
    } else {
        MarcaTotal(false, total);
        ImprimeTotalesSaldos(cuenta, total);
    }
    CierraAcreedores();
}

void frmConGastos::ImprimeSaldoAcreedor(const QString& codigo, vb::Currency saldo, vb::Currency& total,
                                        vb::Integer& cuenta) {
    report::Superficie& s = *Superficie;
    const QString nombre = rsAcreedores.Fields("NOM_PROV").Value().Texto();
    s.FontBold(true);
    s.FontSize(7);
    s.MarkLine(report::ClaseRenglon::Detalle);
    s.MarkValue(QStringLiteral("Código"), report::TipoDato::Texto, codigo);
    s.PrintText(200, LineaActual, codigo);
    s.MarkValue(QStringLiteral("Nombre"), report::TipoDato::Texto, nombre);
    s.PrintText(1400, LineaActual, nombre);
    total += saldo;
    cuenta += 1;
    s.FontBold(false);
    s.TextAlign(report::AlineaDerecha);
    s.MarkValue(QStringLiteral("Saldo"), saldo);
    s.PrintText(10300, LineaActual, vb::FormatoMoneda(saldo));
    s.TextAlign(report::AlineaIzquierda);
    LineaActual += 250;
    if (LineaActual > LimiteSaldos) NuevaPagina();
}

// What the total line about to print closes (its agrupación, or the whole list) and the balance
// it adds up.
void frmConGastos::MarcaTotal(bool deAgrupacion, vb::Currency total) {
    Superficie->MarkLine(deAgrupacion ? report::ClaseRenglon::Subtotal : report::ClaseRenglon::Total, deAgrupacion ? 1 : 0);
    Superficie->MarkValue(QStringLiteral("Saldo"), total);
}

void frmConGastos::ImprimeTotalesSaldos(vb::Integer cuenta, vb::Currency total) {
    report::Superficie& s = *Superficie;
    s.BeginGroup();
    s.FontSize(8);
    s.FontBold(true);
    s.ForeColor(Azul);
    s.PrintText(1300, LineaActual, QStringLiteral("TOTALES :"));
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(7300, LineaActual, QString::number(static_cast<int32_t>(cuenta)) + QStringLiteral(" Acreedor(es)"));
    s.PrintText(10300, LineaActual, vb::FormatoMoneda(total));
    s.TextAlign(report::AlineaIzquierda);
    s.EndGroup();
}

QString frmConGastos::ConsultaSumasPorAcreedor(const QString& condicion) const {
    const QString clave = ClaveLista();
    return QStringLiteral("SELECT ") + clave + QStringLiteral(",CON_GRL,SUM(IMP_MOV) AS SALDO") +
           MovimientosDeLaLista({}, QStringLiteral("(") + condicion + QStringLiteral(") AND (COD_ESTATUS IN(1,5))")) +
           QStringLiteral(" GROUP BY ") + clave + QStringLiteral(",CON_GRL;");
}

QHash<QString, frmConGastos::SumasAcreedor> frmConGastos::SumasPorAcreedor(const QString& condicion) {
    QHash<QString, SumasAcreedor> sumas;
    rsSaldos = modConGastos::ConexionModulo().Execute(ConsultaSumasPorAcreedor(condicion));
    for (; !rsSaldos.EOF_(); rsSaldos.MoveNext()) {
        SumasAcreedor& suma = sumas[ClaveDe(rsSaldos)];
        const vb::Variant importe = rsSaldos.Fields("SALDO").Value();
        if (!importe.IsNumeric()) continue;
        const QString clase = rsSaldos.Fields("CON_GRL").Value().Texto();
        if (clase == u"GTOS") suma.cargos += importe.CCur();
        else if (clase == u"AACR") suma.aacr += importe.CCur();
        else suma.otras += importe.CCur();
    }
    rsSaldos.Close();
    rsSaldos = ado::Recordset();
    return sumas;
}

void frmConGastos::CierraAcreedores() {
    try {
        rsAcreedores.Close();
    } catch (const vb::ErrorEjecucion&) {
    }
    rsAcreedores = ado::Recordset();
}

}  // namespace gastos
