// "Reposición de Caja": the petty-cash replenishment documents of one cheque or of a period, by
// document or by concept, with every expense behind them and its tax and withholdings worked out
// from the percentages captured with it.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/Producto.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

#include <array>

namespace gastos {

namespace {

constexpr int LimiteTrasTotal = 13000;
constexpr int LimiteTrasRenglon = 14000;

const QString CamposReposicion = QStringLiteral(
    "SELECT DISTINCT tblReposicionCaja.FOL_DOC, NUM_CTA, tblReposicionCaja.FOL_CHEQUE, FEC_DOC, IMP_CHEQUE, TOT_DOC, "
    "tblConceptosGyT.COD_CON, DES_CON, REF_MOV, tblReposicionCajaMov.FEC_MOV, tblReposicionCajaMov.IMP_MOV, "
    "tblReposicionCajaMov.IMPTO_MOV, POR_RETE, RET_ISR, tblReposicionCajaMov.NUM_REN "
    "FROM ((tblReposicionCaja INNER JOIN tblReposicionCajaMov ON tblReposicionCaja.FOL_DOC=tblReposicionCajaMov.FOL_DOC) "
    "INNER JOIN tblIngreEgre ON tblIngreEgre.FOL_GRL = tblReposicionCaja.FOL_GRL) INNER JOIN tblConceptosGyT ON "
    "tblReposicionCajaMov.CON_MOV = tblConceptosGyT.COD_CON WHERE ");
// Expenses that tie on every key keep the order of their documents and lines, on every engine.
const QString OrdenFolio = QStringLiteral(
    " ORDER BY tblReposicionCaja.FOL_DOC, FEC_DOC, tblReposicionCajaMov.FEC_MOV, REF_MOV, tblReposicionCajaMov.NUM_REN;");
const QString OrdenConcepto = QStringLiteral(
    " ORDER BY tblConceptosGyT.COD_CON, FEC_DOC, tblReposicionCajaMov.FEC_MOV, tblReposicionCaja.FOL_DOC, REF_MOV, "
    "tblReposicionCajaMov.NUM_REN;");

// Importe, Impuesto, Ret. IVA, Ret. ISR and Total of one expense or of a sum of them.
using Importes = std::array<vb::Currency, 5>;
constexpr int ColumnasImportes[5] = {6500, 7500, 8500, 9500, 10500};

QString Pesos(vb::Currency c) { return QStringLiteral("$ ") + vb::FormatoMoneda(c); }

}  // namespace

void frmConGastos::ConsultaReposicion() {
    using modConGastos::ListaConceptos;
    ListaConceptos.clear();
    if (optOrden(1).Value()) ArmaListaConceptos();
    QString sql = CamposReposicion;
    const QString folio = txtFolioCheque.Text();
    if (!folio.isEmpty())
        sql += QStringLiteral(" (tblReposicionCaja.FOL_CHEQUE='") + ado::Comillas(folio) + QStringLiteral("')");
    else
        sql += QStringLiteral(" (tblReposicionCaja.FEC_DOC BETWEEN ") + FechaInicial + QStringLiteral(" AND ") +
               FechaFinal + QStringLiteral(") ");
    if (!ListaConceptos.isEmpty()) sql += QStringLiteral(" AND tblConceptosGyT.COD_CON IN(") + ListaConceptos + u')';
    sql += optOrden(0).Value() ? OrdenFolio : OrdenConcepto;
    rsAcreedores = ado::Recordset();
    rsAcreedores.Open(sql, modConGastos::ConexionModulo(), 1, 1, 1);
}

void frmConGastos::EncabezadoReposicion() {
    report::Superficie& s = *Superficie;
    const bool porFolio = optOrden(0).Value();
    const bool detallado = optTipo(0).Value();
    EncabezadoPagina(QStringLiteral("Reposición de Caja"));
    s.BeginGroup();
    const auto columnasImportes = [&] {
        s.TextAlign(report::AlineaDerecha);
        static const char16_t* const titulos[] = {u"Importe", u"Impuesto", u"Ret. IVA", u"Ret. ISR", u"Total"};
        for (int i = 0; i < 5; ++i) s.PrintText(ColumnasImportes[i], LineaActual, QString::fromUtf16(titulos[i]));
        s.TextAlign(report::AlineaIzquierda);
    };
    if (porFolio) {
        s.ForeColor(Azul);
        s.FontBold(true);
        s.PrintText(100, LineaActual, QStringLiteral("Folio"));
        s.PrintText(2100, LineaActual, QStringLiteral("Cheque"));
        s.PrintText(3800, LineaActual, QStringLiteral("Cuenta"));
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(6200, LineaActual, QStringLiteral("Importe"));
        s.PrintText(8050, LineaActual, QStringLiteral("Comprobado"));
        s.PrintText(9900, LineaActual, QStringLiteral("Por Comprobar"));
        s.ForeColor(Negro);
        s.FontBold(false);
        s.TextAlign(report::AlineaIzquierda);
        if (detallado) {
            LineaActual += 200;
            s.PrintText(300, LineaActual, QStringLiteral("Concepto"));
            s.PrintText(2500, LineaActual, QStringLiteral("Referencia"));
            s.PrintText(4600, LineaActual, QStringLiteral("Fecha"));
            columnasImportes();
        }
    } else {
        if (detallado) {
            s.PrintText(100, LineaActual, QStringLiteral("Fecha"));
            s.PrintText(1000, LineaActual, QStringLiteral("Referencia"));
            s.PrintText(2500, LineaActual, QStringLiteral("Cheque"));
            s.PrintText(3900, LineaActual, QStringLiteral("Cuenta"));
        }
        columnasImportes();
    }
    s.DrawLine(0, LineaActual + 200, 10500, LineaActual + 200);
    LineaActual += 300;
    ImprimePeriodo();
    s.EndGroup();
    LineaActual += 250;
}

void frmConGastos::ImprimeReposicion() {
    report::Superficie& s = *Superficie;
    const bool porFolio = optOrden(0).Value();
    const bool detallado = optTipo(0).Value();
    ConsultaReposicion();
    EncabezadoReposicion();
    s.ForeColor(Negro);
    s.FontBold(false);
    s.FontSize(7);
    LineaActual += 100;

    ado::Recordset& rs = rsAcreedores;
    const auto campo = [&rs](const char* nombre) { return rs.Fields(nombre).Value(); };
    const auto texto = [&campo](const char* nombre) { return campo(nombre).Texto(); };
    const auto importes = [&](const Importes& v) {
        s.TextAlign(report::AlineaDerecha);
        for (int i = 0; i < 5; ++i) s.PrintText(ColumnasImportes[i], LineaActual, vb::FormatoMoneda(v[i]));
        s.TextAlign(report::AlineaIzquierda);
    };
    Importes grupo{}, global{};
    vb::Currency cheques, comprobado, porComprobar;  // "Por Folio": once per document
    QString claveAnterior, ultimoConcepto;

    while (!rs.EOF_()) {
        const QString clave = texto(porFolio ? "FOL_DOC" : "COD_CON");
        if (clave != claveAnterior) {
            // A group whose expenses add up to nothing leaves its totals, and its line, to the next.
            if (grupo[0] > vb::Currency()) {
                if (detallado || !porFolio) {
                    if (!porFolio && !detallado) {
                        s.PrintText(100, LineaActual, ultimoConcepto);
                    } else {
                        s.FontBold(true);
                        s.DrawLine(5800, LineaActual, 10500, LineaActual);
                        if (!porFolio) s.PrintText(4000, LineaActual, QStringLiteral("TOTAL CONCEPTO"));
                    }
                    importes(grupo);
                }
                if (!porFolio)
                    for (int i = 0; i < 5; ++i) global[i] += grupo[i];
                grupo = Importes{};
                LineaActual += 250;
                if (LineaActual > LimiteTrasTotal) NuevaPagina();
            }
            if (detallado) s.FontBold(true);
            s.ForeColor(Azul);
            claveAnterior = clave;
            if (porFolio) {
                const vb::Currency cheque = campo("IMP_CHEQUE").CCur(), soporte = campo("TOT_DOC").CCur();
                cheques += cheque;
                comprobado += soporte;
                porComprobar += cheque - soporte;
                s.PrintText(100, LineaActual, report::UltimosDiez(texto("FOL_DOC")));
                s.PrintText(2100, LineaActual, report::UltimosDiez(texto("FOL_CHEQUE")));
                s.PrintText(3800, LineaActual, texto("NUM_CTA"));
                s.TextAlign(report::AlineaDerecha);
                s.PrintText(6200, LineaActual, Pesos(cheque));
                s.PrintText(8050, LineaActual, Pesos(soporte));
                s.PrintText(9900, LineaActual, Pesos(cheque - soporte));
            } else if (detallado) {
                s.PrintText(100, LineaActual, texto("DES_CON"));
            }
            s.TextAlign(report::AlineaIzquierda);
            if (detallado) LineaActual += 250;
            s.FontBold(false);
            s.ForeColor(Negro);
        }
        if (!porFolio && !detallado) ultimoConcepto = texto("DES_CON");

        const vb::Variant importe = campo("IMP_MOV");
        Importes renglon{};
        if (!importe.IsNull()) {
            renglon[0] = importe.CCur();
            renglon[1] = vb::PorcentajeDe(renglon[0], campo("IMPTO_MOV"));
            renglon[2] = vb::PorcentajeDe(renglon[0], campo("POR_RETE"));
            renglon[3] = vb::PorcentajeDe(renglon[0], campo("RET_ISR"));
            renglon[4] = renglon[0] + renglon[1] - renglon[2] - renglon[3];
        }
        if (detallado) {
            if (porFolio) {
                s.PrintText(300, LineaActual, vb::Left(texto("DES_CON"), 27));
                s.PrintText(2500, LineaActual, vb::Left(texto("REF_MOV"), 27));
                s.PrintText(4600, LineaActual, texto("FEC_MOV"));
            } else {
                s.PrintText(100, LineaActual, texto("FEC_MOV"));
                s.PrintText(1000, LineaActual, report::UltimosDiez(texto("REF_MOV")));
                s.PrintText(2500, LineaActual, report::UltimosDiez(texto("FOL_CHEQUE")));
                s.PrintText(3900, LineaActual, texto("NUM_CTA"));
            }
            if (importe.IsNull()) {
                s.TextAlign(report::AlineaDerecha);
                s.PrintText(10500, LineaActual, QString());
                s.TextAlign(report::AlineaIzquierda);
            } else {
                importes(renglon);
            }
            LineaActual += 200;
        }
        if (!importe.IsNull())
            for (int i = 0; i < 5; ++i) grupo[i] += renglon[i];
        if (LineaActual > LimiteTrasRenglon) NuevaPagina();
        rs.MoveNext();
    }
    rs.Close();
    rsAcreedores = ado::Recordset();

    if (!porFolio && !detallado && !ultimoConcepto.isEmpty()) {
        s.PrintText(100, LineaActual, ultimoConcepto);
        importes(grupo);
    }
    if (!(grupo[0] > vb::Currency())) return;
    s.FontBold(true);
    if (detallado) {
        s.DrawLine(5800, LineaActual, 10500, LineaActual);
        if (!porFolio) s.PrintText(4000, LineaActual, QStringLiteral("TOTAL CONCEPTO"));
    }
    importes(grupo);
    LineaActual += 400;
    if (!porFolio) {
        s.DrawLine(5800, LineaActual, 10500, LineaActual);
        s.PrintText(4000, LineaActual, QStringLiteral("TOTAL GLOBAL"));
        s.TextAlign(report::AlineaDerecha);
        for (int i = 0; i < 5; ++i) s.PrintText(ColumnasImportes[i], LineaActual, Pesos(global[i] + grupo[i]));
    } else {
        s.ForeColor(Azul);
        s.PrintText(100, LineaActual, QStringLiteral("TOTAL GLOBAL"));
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(6200, LineaActual, Pesos(cheques));
        s.PrintText(8050, LineaActual, Pesos(comprobado));
        s.PrintText(9900, LineaActual, Pesos(porComprobar));
    }
    s.TextAlign(report::AlineaIzquierda);
    s.FontBold(false);
}

}  // namespace gastos
