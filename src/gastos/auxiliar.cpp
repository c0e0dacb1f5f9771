// "Auxiliar de Acreedores": each creditor's account over the date range, from the balance brought
// forward through the range's charges and credits to the final balance; every movement with its
// running balance ("Detallado") or one line per creditor ("Resumido"), grouped by agrupación or not.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace gastos {

namespace {

constexpr int LimiteTotalGrupo = 12500;
constexpr int LimiteAgrupacion = 13000;
constexpr int LimiteResumido = 13700;
constexpr int LimiteAcreedor = 14000;
constexpr int LimiteMovimiento = 14300;

// Right edges of the four totals: balance brought forward, charges, credits, final balance.
constexpr int TotalesDetallado[4] = {5400, 7100, 8600, 10300};
constexpr int TotalesResumido[4] = {6400, 7800, 9100, 10500};

// Amounts as "#,##0.00", each right-aligned at its column's right edge, at height y.
void Importes(report::Superficie& s, int32_t y, std::initializer_list<std::pair<int, vb::Currency>> columnas) {
    s.TextAlign(report::AlineaDerecha);
    for (const auto& [x, importe] : columnas) s.PrintText(x, y, vb::FormatoMoneda(importe));
    s.TextAlign(report::AlineaIzquierda);
}

}  // namespace

void frmConGastos::ImprimeAuxiliar() {
    EligeConsultaAcreedores();
    EncabezadoAuxSaldos(false);
    ImprimeFiltroAcreedor();

    const bool detallado = optTipo(0).Value();
    const bool sinMovimientos = chkSinMovtos.Value() != controles::vbUnchecked;
    const bool sinSaldo = chkSinSaldo.Value() != controles::vbUnchecked;
    const QString rango = QStringLiteral("FEC_MOV BETWEEN ") + FechaInicial + QStringLiteral(" AND ") + FechaFinal;
    TotalesAuxiliar totales;
    vb::Integer grupoAnterior, agrupacionAnterior;
    bool impreso = false;

    ado::Recordset& rs = rsAcreedores;
    const auto campo = [&rs](const char* nombre) { return rs.Fields(nombre).Value(); };
    while (!rs.EOF_()) {
        if (Agrupado) {
            if (campo("COD_GPO").CLng() != grupoAnterior && impreso) {
                grupoAnterior = campo("COD_GPO").CInt();
                ImprimeSaldoTotalAuxiliar(1000, QStringLiteral("SALDO TOTAL DEL GRUPO :"), totales, detallado);
                totales = TotalesAuxiliar();
                if (LineaActual > LimiteTotalGrupo) NuevaPagina();
                else LineaActual += 350;
            }
            if (campo("COD_AGR").CLng() != agrupacionAnterior) {
                agrupacionAnterior = campo("COD_AGR").CInt();
                grupoAnterior = campo("COD_GPO").CInt();
                if (LineaActual > LimiteAgrupacion) NuevaPagina();
                else LineaActual += 250;
                ImprimeEncabezadoAgrupacion();
                LineaActual += 220;
            }
        }

        const QString codigo = ado::Comillas(campo("COD_PROV").CStr());
        rsMovtos = ado::Recordset();
        rsMovtos.Open(
            detallado
                ? QStringLiteral("SELECT FOL_MOV,COD_CON,CON_GRL,COD_ACRE,FEC_MOV,IMP_MOV FROM tblGastosEnc WHERE COD_ACRE='") +
                      codigo + QStringLiteral("' AND (") + rango +
                      QStringLiteral(") AND (COD_ESTATUS IN(1,5)) ORDER BY FEC_MOV, NUM_MOV;")
                : QStringLiteral("SELECT CON_GRL, SUM(IMP_MOV) AS IMPORTE, SUM(SAL_MOV) AS SALDO FROM tblGastosEnc WHERE "
                                 "COD_ACRE='") +
                      codigo + QStringLiteral("' AND ") + rango +
                      QStringLiteral(" AND (COD_ESTATUS IN(1,5)) GROUP BY CON_GRL ORDER BY CON_GRL DESC;"),
            modConGastos::ConexionModulo(), 1, 1, 1);
        const bool conMovimientos = !(rsMovtos.BOF() && rsMovtos.EOF_());

        if (sinMovimientos || conMovimientos) {
            // Brought forward counts charges and credits only; the range's net counts any other
            // class as a credit.
            const vb::Currency anterior = NetoDeMovimientos(
                QStringLiteral("SELECT CON_GRL, SUM(IMP_MOV) AS SALDO FROM tblGastosEnc WHERE (COD_ACRE='") + codigo +
                    QStringLiteral("' AND FEC_MOV<") + FechaInicial +
                    QStringLiteral(" AND (COD_ESTATUS IN(1,5))) GROUP BY CON_GRL ORDER BY CON_GRL DESC;"),
                false);
            vb::Currency neto;
            if (!detallado || !sinSaldo)
                neto = NetoDeMovimientos(QStringLiteral("SELECT CON_GRL,SUM(IMP_MOV) AS SALDO FROM tblGastosEnc WHERE (COD_ACRE='") +
                                             codigo + QStringLiteral("' AND (") + rango +
                                             QStringLiteral(") AND (COD_ESTATUS IN(1,5))) GROUP BY CON_GRL ORDER BY CON_GRL DESC;"),
                                         true);
            const vb::Currency final_ = anterior + neto;
            const bool conSaldo = sinMovimientos ? final_ > vb::Currency() : final_ > vb::Currency() && conMovimientos;
            if (sinSaldo || conSaldo) {
                impreso = true;
                if (detallado) ImprimeAcreedorDetallado(anterior, totales);
                else ImprimeAcreedorResumido(anterior, totales);
            }
        }

        rsMovtos.Close();
        rsMovtos = ado::Recordset();
        rs.MoveNext();
    }

    if (Agrupado) ImprimeSaldoTotalAuxiliar(1000, QStringLiteral("SALDO TOTAL DEL GRUPO :"), totales, detallado);
    else ImprimeSaldoTotalAuxiliar(2000, QStringLiteral("SALDO TOTAL  :"), totales, detallado);
    rsAcreedores.Close();
    rsAcreedores = ado::Recordset();
}

void frmConGastos::ImprimeSaldoTotalAuxiliar(int x, const QString& titulo, const TotalesAuxiliar& t, bool detallado) {
    report::Superficie& s = *Superficie;
    const int* columnas = detallado ? TotalesDetallado : TotalesResumido;
    s.FontBold(true);
    s.ForeColor(Azul);
    s.PrintText(x, LineaActual, titulo);
    Importes(s, LineaActual,
             {{columnas[0], t.anterior}, {columnas[1], t.cargos}, {columnas[2], t.abonos}, {columnas[3], t.final_}});
    s.FontBold(false);
    s.ForeColor(Negro);
}

void frmConGastos::ImprimeAcreedorDetallado(vb::Currency anterior, TotalesAuxiliar& t) {
    report::Superficie& s = *Superficie;
    LineaActual += 200;
    if (LineaActual > LimiteAcreedor) NuevaPagina();
    s.FontBold(true);
    t.anterior += anterior;

    s.ForeColor(Azul);
    s.FontSize(8);
    s.PrintText(0, LineaActual, rsAcreedores.Fields("COD_PROV").Value().CStr());
    s.PrintText(1200, LineaActual, rsAcreedores.Fields("NOM_PROV").Value().Texto());
    s.PrintText(8000, LineaActual, QStringLiteral("ESTATUS :   ") + rsAcreedores.Fields("DES_STS").Value().Texto());
    LineaActual += 200;
    s.PrintText(7000, LineaActual, QStringLiteral("Saldo Anterior:"));
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(10300, LineaActual, QStringLiteral("$   ") + vb::FormatoMoneda(anterior));
    s.TextAlign(report::AlineaIzquierda);
    LineaActual += 240;
    s.DrawLine(0, LineaActual, 10500, LineaActual);
    s.ForeColor(Negro);
    LineaActual += 100;

    s.FontBold(false);
    vb::Currency cargos, abonos, saldo = anterior;
    ado::Recordset& rs = rsMovtos;
    if (!(rs.BOF() && rs.EOF_())) rs.MoveFirst();
    while (!rs.EOF_()) {
        const QString concepto = ado::Comillas(rs.Fields("COD_CON").Value().Texto());
        QString descripcion = LeeDescripcion(QStringLiteral("SELECT DES_CON FROM tblConceptosGyT WHERE COD_CON='") +
                                          concepto + QStringLiteral("';"));
        // A movement whose concept is a folio class is described by the folio table.
        if (descripcion.isEmpty())
            descripcion = LeeDescripcion(QStringLiteral("SELECT DES_FOL FROM tblFolioGralesGyT WHERE COD_FOL='") + concepto +
                                      QStringLiteral("';"));
        const QString folio = report::UltimosDiez(rs.Fields("FOL_MOV").Value().Texto());

        s.FontSize(7);
        s.PrintText(0, LineaActual, descripcion);
        s.PrintText(3000, LineaActual, folio);
        s.PrintText(4200, LineaActual, rs.Fields("FEC_MOV").Value().Texto());
        const vb::Currency importe = rs.Fields("IMP_MOV").Value().CCur();
        const bool cargo = rs.Fields("CON_GRL").Value().Texto() == u"GTOS";
        if (cargo) {
            saldo += importe;
            cargos += importe;
        } else {
            saldo -= importe;
            abonos += importe;
        }
        Importes(s, LineaActual, {{cargo ? 7100 : 8600, importe}, {10300, saldo}});
        rs.MoveNext();
        if (!rs.EOF_()) {
            LineaActual += 240;
            if (LineaActual > LimiteMovimiento) NuevaPagina();
        }
    }

    LineaActual += 240;
    if (LineaActual > LimiteMovimiento) NuevaPagina();
    s.DrawLine(0, LineaActual, 10500, LineaActual);
    s.FontBold(true);
    Importes(s, LineaActual, {{7100, cargos}, {8600, abonos}, {10300, saldo}});
    t.cargos += cargos;
    t.abonos += abonos;
    t.final_ += saldo;
    LineaActual += 200;
    s.FontBold(false);
}

void frmConGastos::ImprimeAcreedorResumido(vb::Currency anterior, TotalesAuxiliar& t) {
    report::Superficie& s = *Superficie;
    s.FontBold(true);
    t.anterior += anterior;
    s.FontSize(6);
    s.PrintText(0, LineaActual, rsAcreedores.Fields("COD_PROV").Value().CStr());
    s.PrintText(1000, LineaActual, vb::Left(rsAcreedores.Fields("NOM_PROV").Value().Texto(), 45));
    Importes(s, LineaActual, {{6400, anterior}});
    s.FontBold(false);

    vb::Currency cargos, abonos;
    for (ado::Recordset& rs = rsMovtos; !rs.EOF_(); rs.MoveNext()) {
        const vb::Variant importe = rs.Fields("IMPORTE").Value();
        if (!importe.IsNumeric()) continue;
        if (rs.Fields("CON_GRL").Value().Texto() == u"GTOS") cargos += importe.CCur();
        else abonos += importe.CCur();
    }
    const vb::Currency final_ = anterior + (cargos - abonos);
    Importes(s, LineaActual, {{7800, cargos}, {9100, abonos}, {10500, final_}});
    t.cargos += cargos;
    t.abonos += abonos;
    t.final_ += final_;

    if (LineaActual > LimiteResumido) NuevaPagina();
    else LineaActual += 300;
}

QString frmConGastos::LeeDescripcion(const QString& sql) {
    rsSaldos = modConGastos::ConexionModulo().Execute(sql);
    QString texto;
    if (!rsSaldos.EOF_()) texto = rsSaldos.Fields(0).Value().Texto();
    rsSaldos.Close();
    rsSaldos = ado::Recordset();
    return texto;
}

}  // namespace gastos
