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
#include <functional>
#include <memory>

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
const char16_t* const TitulosImportes[5] = {u"Importe", u"Impuesto", u"Ret. IVA", u"Ret. ISR", u"Total"};

QString Pesos(vb::Currency c) { return QStringLiteral("$ ") + vb::FormatoMoneda(c); }

}  // namespace

void frmConGastos::ConsultaReposicion() {
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
    s.MarkLine(report::ClaseRenglon::Titulos);
    s.BeginGroup();
    const auto columnasImportes = [&] {
        s.TextAlign(report::AlineaDerecha);
        for (int i = 0; i < 5; ++i) s.PrintText(ColumnasImportes[i], LineaActual, QString::fromUtf16(TitulosImportes[i]));
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

namespace {

// One layout of the report: what it prints as a group closes (only when the group's expenses add
// up to more than nothing), as a group opens, for each expense (its amounts; the first Null when
// it has none), and at the end with the last group's amounts.
struct Caja {
    std::function<void(const Importes&)> cierraGrupo;
    std::function<void()> abreGrupo;
    std::function<void(const Importes&, bool)> renglon;
    std::function<void(const Importes&)> alFinal;
};

// The layouts' shared pieces, on the window's surface.
struct Pluma {
    frmConGastos& v;
    report::Superficie& s = *v.Superficie;

    QString Texto(const char* campo) const { return v.rsAcreedores.Fields(campo).Value().Texto(); }
    // A value of the line for the spreadsheet: the whole text of a field, or an exact amount.
    void Marca(const QString& columna, const char* campo) const {
        s.MarkValue(columna, report::TipoDato::Texto, Texto(campo));
    }
    void MarcaFecha(const QString& columna, const char* campo) const {
        const vb::Variant fecha = v.rsAcreedores.Fields(campo).Value();
        if (!fecha.IsNull()) s.MarkValue(columna, fecha.CDate().dia);
    }
    // The five amounts, marked exact unless `marcados` is false (a line printed once more).
    void Importes(const gastos::Importes& importes, bool marcados = true) const {
        s.TextAlign(report::AlineaDerecha);
        for (int i = 0; i < 5; ++i) {
            if (marcados) s.MarkValue(QString::fromUtf16(TitulosImportes[i]), importes[i]);
            s.PrintText(ColumnasImportes[i], v.LineaActual, vb::FormatoMoneda(importes[i]));
        }
        s.TextAlign(report::AlineaIzquierda);
    }
    // A group's totals, marked as closing it.
    void Subtotal(const gastos::Importes& importes) const {
        s.MarkLine(report::ClaseRenglon::Subtotal, 1);
        Importes(importes);
    }
    // A detail line's amounts, or an empty one for an expense without amount.
    void ImportesDeRenglon(const gastos::Importes& importes, bool nulo) const {
        if (!nulo) return Importes(importes);
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(10500, v.LineaActual, QString());
        s.TextAlign(report::AlineaIzquierda);
    }
    void TotalConcepto(const gastos::Importes& importes) const {
        s.FontBold(true);
        s.DrawLine(5800, v.LineaActual, 10500, v.LineaActual);
        s.MarkLine(report::ClaseRenglon::Subtotal, 1);
        s.PrintText(4000, v.LineaActual, QStringLiteral("TOTAL CONCEPTO"));
        Importes(importes);
    }
    void TotalGlobalConceptos(const gastos::Importes& global) const {
        s.DrawLine(5800, v.LineaActual, 10500, v.LineaActual);
        s.MarkLine(report::ClaseRenglon::Total);
        s.PrintText(4000, v.LineaActual, QStringLiteral("TOTAL GLOBAL"));
        s.TextAlign(report::AlineaDerecha);
        for (int i = 0; i < 5; ++i) {
            s.MarkValue(QString::fromUtf16(TitulosImportes[i]), global[i]);
            s.PrintText(ColumnasImportes[i], v.LineaActual, Pesos(global[i]));
        }
        s.TextAlign(report::AlineaIzquierda);
        s.FontBold(false);
    }
};

// A cheque's amount, what its expenses prove and what is still to prove, or their sums.
struct Cheques {
    vb::Currency cheques, comprobado, porComprobar;
};

// Those three amounts, marked exact, in their columns.
void ImprimeCheques(Pluma& p, const Cheques& c) {
    report::Superficie& s = p.s;
    s.TextAlign(report::AlineaDerecha);
    s.MarkValue(QStringLiteral("Importe del cheque"), c.cheques);
    s.PrintText(6200, p.v.LineaActual, Pesos(c.cheques));
    s.MarkValue(QStringLiteral("Comprobado"), c.comprobado);
    s.PrintText(8050, p.v.LineaActual, Pesos(c.comprobado));
    s.MarkValue(QStringLiteral("Por comprobar"), c.porComprobar);
    s.PrintText(9900, p.v.LineaActual, Pesos(c.porComprobar));
    s.TextAlign(report::AlineaIzquierda);
}

// Amounts added column by column.
void Suma(Importes& a, const Importes& b) {
    for (int i = 0; i < 5; ++i) a[i] += b[i];
}

// "Por Folio": each document's cheque, amount proven and still to prove; detailed, its expenses
// and their totals; at the end the cheques' sums.
Caja PorFolio(Pluma& p, bool detallado) {
    auto sumas = std::make_shared<Cheques>();
    Caja c;
    c.cierraGrupo = [&p, detallado](const Importes& grupo) {
        if (!detallado) return;
        p.s.FontBold(true);
        p.s.DrawLine(5800, p.v.LineaActual, 10500, p.v.LineaActual);
        p.Subtotal(grupo);
    };
    c.abreGrupo = [&p, detallado, sumas] {
        report::Superficie& s = p.s;
        if (detallado) s.FontBold(true);
        s.ForeColor(Azul);
        const vb::Currency cheque = p.v.rsAcreedores.Fields("IMP_CHEQUE").Value().CCur();
        const vb::Currency soporte = p.v.rsAcreedores.Fields("TOT_DOC").Value().CCur();
        sumas->cheques += cheque;
        sumas->comprobado += soporte;
        sumas->porComprobar += cheque - soporte;
        s.MarkLine(report::ClaseRenglon::Grupo, 1, QStringLiteral("Folio"), p.Texto("FOL_DOC"));
        s.PrintText(100, p.v.LineaActual, report::UltimosDiez(p.Texto("FOL_DOC")));
        p.Marca(QStringLiteral("Cheque"), "FOL_CHEQUE");
        s.PrintText(2100, p.v.LineaActual, report::UltimosDiez(p.Texto("FOL_CHEQUE")));
        p.Marca(QStringLiteral("Cuenta"), "NUM_CTA");
        s.PrintText(3800, p.v.LineaActual, p.Texto("NUM_CTA"));
        ImprimeCheques(p, {cheque, soporte, cheque - soporte});
        if (detallado) p.v.LineaActual += 250;
        s.FontBold(false);
        s.ForeColor(Negro);
    };
    c.renglon = [&p, detallado](const Importes& renglon, bool nulo) {
        if (!detallado) return;
        p.s.MarkLine(report::ClaseRenglon::Detalle);
        p.Marca(QStringLiteral("Concepto"), "DES_CON");
        p.s.PrintText(300, p.v.LineaActual, vb::Left(p.Texto("DES_CON"), 27));
        p.Marca(QStringLiteral("Referencia"), "REF_MOV");
        p.s.PrintText(2500, p.v.LineaActual, vb::Left(p.Texto("REF_MOV"), 27));
        p.MarcaFecha(QStringLiteral("Fecha"), "FEC_MOV");
        p.s.PrintText(4600, p.v.LineaActual, p.Texto("FEC_MOV"));
        p.ImportesDeRenglon(renglon, nulo);
        p.v.LineaActual += 200;
    };
    // The summary prints the last document's totals here too, where no other document's show.
    c.alFinal = [&p, detallado, sumas](const Importes& grupo) {
        if (!(grupo[0] > vb::Currency())) return;
        report::Superficie& s = p.s;
        s.FontBold(true);
        if (detallado) s.DrawLine(5800, p.v.LineaActual, 10500, p.v.LineaActual);
        p.Subtotal(grupo);
        p.v.LineaActual += 400;
        s.ForeColor(Azul);
        s.MarkLine(report::ClaseRenglon::Total);
        s.PrintText(100, p.v.LineaActual, QStringLiteral("TOTAL GLOBAL"));
        ImprimeCheques(p, *sumas);
        s.FontBold(false);
    };
    return c;
}

// "Por Concepto", detailed: each concept's name, its expenses and its total; the global total.
Caja PorConceptoDetallado(Pluma& p) {
    auto global = std::make_shared<Importes>();
    Caja c;
    c.cierraGrupo = [&p, global](const Importes& grupo) {
        p.TotalConcepto(grupo);
        Suma(*global, grupo);
    };
    c.abreGrupo = [&p] {
        p.s.FontBold(true);
        p.s.ForeColor(Azul);
        p.s.MarkLine(report::ClaseRenglon::Grupo, 1, QStringLiteral("Concepto"), p.Texto("COD_CON"), p.Texto("DES_CON"));
        p.s.PrintText(100, p.v.LineaActual, p.Texto("DES_CON"));
        p.s.TextAlign(report::AlineaIzquierda);
        p.v.LineaActual += 250;
        p.s.FontBold(false);
        p.s.ForeColor(Negro);
    };
    c.renglon = [&p](const Importes& renglon, bool nulo) {
        p.s.MarkLine(report::ClaseRenglon::Detalle);
        p.MarcaFecha(QStringLiteral("Fecha"), "FEC_MOV");
        p.s.PrintText(100, p.v.LineaActual, p.Texto("FEC_MOV"));
        p.Marca(QStringLiteral("Referencia"), "REF_MOV");
        p.s.PrintText(1000, p.v.LineaActual, report::UltimosDiez(p.Texto("REF_MOV")));
        p.Marca(QStringLiteral("Cheque"), "FOL_CHEQUE");
        p.s.PrintText(2500, p.v.LineaActual, report::UltimosDiez(p.Texto("FOL_CHEQUE")));
        p.Marca(QStringLiteral("Cuenta"), "NUM_CTA");
        p.s.PrintText(3900, p.v.LineaActual, p.Texto("NUM_CTA"));
        p.ImportesDeRenglon(renglon, nulo);
        p.v.LineaActual += 200;
    };
    c.alFinal = [&p, global](const Importes& grupo) {
        if (!(grupo[0] > vb::Currency())) return;
        p.TotalConcepto(grupo);
        p.v.LineaActual += 400;
        Suma(*global, grupo);
        p.TotalGlobalConceptos(*global);
    };
    return c;
}

// "Por Concepto", summary: a line per concept with its totals, then the global total.
Caja PorConceptoResumido(Pluma& p) {
    auto global = std::make_shared<Importes>();
    auto ultimo = std::make_shared<QString>();  // the concept of the group in course
    Caja c;
    c.cierraGrupo = [&p, global, ultimo](const Importes& grupo) {
        p.s.MarkLine(report::ClaseRenglon::Subtotal, 1);
        p.s.PrintText(100, p.v.LineaActual, *ultimo);
        p.Importes(grupo);
        Suma(*global, grupo);
    };
    // No heading is printed: the concept's line is its total.
    c.abreGrupo = [&p] {
        p.s.MarkLine(report::ClaseRenglon::Grupo, 1, QStringLiteral("Concepto"), p.Texto("COD_CON"), p.Texto("DES_CON"));
        p.s.ForeColor(Azul);
        p.s.TextAlign(report::AlineaIzquierda);
        p.s.FontBold(false);
        p.s.ForeColor(Negro);
    };
    c.renglon = [&p, ultimo](const Importes&, bool) { *ultimo = p.Texto("DES_CON"); };
    // The last concept's line, then its totals once more over the global total.
    c.alFinal = [&p, global, ultimo](const Importes& grupo) {
        if (!ultimo->isEmpty()) {
            p.s.MarkLine(report::ClaseRenglon::Subtotal, 1);
            p.s.PrintText(100, p.v.LineaActual, *ultimo);
            p.Importes(grupo);
        }
        if (!(grupo[0] > vb::Currency())) return;
        p.s.FontBold(true);
        p.Importes(grupo, false);
        p.v.LineaActual += 400;
        Suma(*global, grupo);
        p.TotalGlobalConceptos(*global);
    };
    return c;
}

// Importe, tax, both withholdings from their percentages, and the total of the current expense.
Importes ImportesDelGasto(const ado::Recordset& rs) {
    const auto campo = [&rs](const char* nombre) { return rs.Fields(nombre).Value(); };
    Importes renglon{};
    renglon[0] = campo("IMP_MOV").CCur();
    renglon[1] = vb::PorcentajeDe(renglon[0], campo("IMPTO_MOV"));
    renglon[2] = vb::PorcentajeDe(renglon[0], campo("POR_RETE"));
    renglon[3] = vb::PorcentajeDe(renglon[0], campo("RET_ISR"));
    renglon[4] = renglon[0] + renglon[1] - renglon[2] - renglon[3];
    return renglon;
}

}  // namespace

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

    Pluma pluma{*this};
    const Caja caja = porFolio ? PorFolio(pluma, detallado)
                               : (detallado ? PorConceptoDetallado(pluma) : PorConceptoResumido(pluma));
    ado::Recordset& rs = rsAcreedores;
    Importes grupo{};
    QString claveAnterior;
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString clave = rs.Fields(porFolio ? "FOL_DOC" : "COD_CON").Value().Texto();
        if (clave != claveAnterior) {
            // A group whose expenses add up to nothing leaves its totals, and its line, to the next.
            if (grupo[0] > vb::Currency()) {
                caja.cierraGrupo(grupo);
                grupo = Importes{};
                LineaActual += 250;
                if (LineaActual > LimiteTrasTotal) NuevaPagina();
            }
            claveAnterior = clave;
            caja.abreGrupo();
        }
        const bool nulo = rs.Fields("IMP_MOV").Value().IsNull();
        const Importes renglon = nulo ? Importes{} : ImportesDelGasto(rs);
        caja.renglon(renglon, nulo);
        if (!nulo) Suma(grupo, renglon);
        if (LineaActual > LimiteTrasRenglon) NuevaPagina();
    }
    rs.Close();
    rsAcreedores = ado::Recordset();
    caja.alFinal(grupo);
}

}  // namespace gastos
