// "Relación de Movimientos": the expense movements of a period by creditor or by concept, each
// movement with its amount before tax, tax, both withholdings and total ("Detallado"), or one
// total per creditor or concept ("Resumido"); grouped by agrupación when some are ticked.
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace gastos {

namespace {

constexpr int LimiteDetallado = 13000;
constexpr int LimiteResumido = 14200;
constexpr int LimiteAgrupacion = 13000;
constexpr int LimiteRenglon = 14000;

}  // namespace

void frmConGastos::ImprimePeriodo() {
    const auto fecha = [this](int i) { return vb::Format(vb::Variant(dtpFecha(i).Value()), u"dd/mmm/yyyy"); };
    Superficie->PrintText(300, LineaActual,
                          dtpFecha(0).Value() != dtpFecha(1).Value()
                              ? QStringLiteral("Del:  ") + fecha(0) + QStringLiteral("    Al :  ") + fecha(1)
                              : QStringLiteral("Del :  ") + fecha(1));
}

void frmConGastos::EncabezadoMovimientos() {
    report::Superficie& s = *Superficie;
    const bool porAcreedor = optOrden(0).Value();
    EncabezadoPagina(QStringLiteral("Relación de Movimientos"));
    s.MarkLine(report::ClaseRenglon::Titulos);
    s.BeginGroup();
    s.ForeColor(Azul);
    s.FontBold(true);
    s.FontSize(9);
    if (porAcreedor) {
        s.PrintText(200, LineaActual, QStringLiteral("Código"));
        s.PrintText(1500, LineaActual, QStringLiteral("Nombre del Acreedor"));
    } else {
        s.PrintText(200, LineaActual, QStringLiteral("Concepto"));
    }
    if (optTipo(0).Value()) {
        LineaActual += 200;
        s.PrintText(300, LineaActual, QStringLiteral("Fecha"));
        s.PrintText(1000, LineaActual, porAcreedor ? QStringLiteral("Concepto") : QStringLiteral("Acreedor"));
        s.PrintText(3800, LineaActual, QStringLiteral("Referencia"));
        s.PrintText(4900, LineaActual, QStringLiteral("Estatus"));
        s.TextAlign(report::AlineaDerecha);
        static const std::pair<int, const char16_t*> importes[] = {
            {6500, u"Importe"}, {7500, u"Impuesto"}, {8500, u"Reten.IVA"}, {9500, u"Reten.ISR"}, {10500, u"Total"}};
        for (const auto& [x, titulo] : importes) s.PrintText(x, LineaActual, QString::fromUtf16(titulo));
        s.TextAlign(report::AlineaIzquierda);
    } else {
        s.PrintText(9700, LineaActual, QStringLiteral("Total"));
    }
    s.DrawLine(0, LineaActual + 200, 10500, LineaActual + 200);
    LineaActual += 300;
    ImprimePeriodo();
    s.EndGroup();
    LineaActual += 250;
}

void frmConGastos::ImprimeAgrupacionMovimientos(MarchaMovimientos& m) {
    if (!Agrupado || rsAcreedores.Fields("COD_AGR").Value().CLng() == m.agrupacionAnterior) return;
    m.agrupacionAnterior = rsAcreedores.Fields("COD_AGR").Value().CInt();
    if (LineaActual > LimiteAgrupacion) NuevaPagina();
    else LineaActual += 100;
    MarcaAgrupacion();
    ImprimeEncabezadoAgrupacion();
    LineaActual += 240;
}

void frmConGastos::ImprimeTotalMovimientos(MarchaMovimientos& m, const QString& etiqueta) {
    report::Superficie& s = *Superficie;
    if (m.detallado ? m.total > vb::Currency() : m.encabezadoPendiente) {
        s.MarkLine(report::ClaseRenglon::Subtotal, 2);
        s.MarkValue(QStringLiteral("Total"), m.total);
        if (m.detallado) {
            s.FontBold(true);
            s.DrawLine(9600, LineaActual, 10500, LineaActual);
            s.PrintText(8050, LineaActual, etiqueta);
        }
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(10500, LineaActual, vb::FormatoMoneda(m.total));
        s.TextAlign(report::AlineaIzquierda);
        LineaActual += 250;
        if (LineaActual > (m.detallado ? LimiteDetallado : LimiteResumido)) NuevaPagina();
    }
    m.total = vb::Currency();
    m.encabezadoPendiente = false;
}

// The previous group's total, the agrupación's heading if it changed, and the new creditor's or
// concept's heading.
void frmConGastos::AbreGrupoMovimientos(MarchaMovimientos& m, bool porAcreedor) {
    report::Superficie& s = *Superficie;
    const auto texto = [this](const char* nombre) { return rsAcreedores.Fields(nombre).Value().Texto(); };
    ImprimeTotalMovimientos(m, porAcreedor ? QStringLiteral("TOTAL ACREEDOR") : QStringLiteral("TOTAL CONCEPTO"));
    ImprimeAgrupacionMovimientos(m);
    s.FontBold(true);  // by creditor it stays on for the creditor's movements
    s.ForeColor(Azul);
    if (porAcreedor) {
        s.MarkLine(report::ClaseRenglon::Grupo, 2, QStringLiteral("Acreedor"), texto("COD_PROV"), texto("NOM_PROV"));
        s.PrintText(200, LineaActual, texto("COD_PROV"));
        s.PrintText(1550, LineaActual, texto("NOM_PROV"));
    } else {
        s.MarkLine(report::ClaseRenglon::Grupo, 2, QStringLiteral("Concepto"), texto("COD_CON"), texto("DES_CON"));
        s.PrintText(200, LineaActual, texto("DES_CON") + QStringLiteral(" (") + texto("COD_CON") + u')');
    }
    m.encabezadoPendiente = true;
    if (m.detallado) LineaActual += 250;
    if (!porAcreedor) s.FontBold(false);
    s.ForeColor(Negro);
}

void frmConGastos::ImprimeMovimiento(bool porAcreedor) {
    report::Superficie& s = *Superficie;
    const auto campo = [this](const char* nombre) { return rsAcreedores.Fields(nombre).Value(); };
    const auto texto = [&campo](const char* nombre) { return campo(nombre).Texto(); };
    // The spreadsheet's values: whole texts, and an amount in a column only where it is printed.
    const auto importe = [&s](const QString& columna, const vb::Variant& v) {
        if (!v.IsNull()) s.MarkValue(columna, v.CCur());
    };
    const QString otro = porAcreedor ? u'(' + texto("COD_CON") + QStringLiteral(") ") + texto("DES_CON") : texto("NOM_PROV");
    s.MarkLine(report::ClaseRenglon::Detalle);
    if (!campo("FEC_MOV").IsNull()) s.MarkValue(QStringLiteral("Fecha"), campo("FEC_MOV").CDate().dia);
    s.PrintText(200, LineaActual, campo("FEC_MOV").Texto());
    s.MarkValue(porAcreedor ? QStringLiteral("Concepto") : QStringLiteral("Acreedor"), report::TipoDato::Texto, otro);
    s.PrintText(1000, LineaActual, vb::Left(otro, 40));
    s.DrawRule(3700, LineaActual, 2500, 200);
    s.MarkValue(QStringLiteral("Referencia"), report::TipoDato::Texto, texto("FOL_MOV"));
    s.PrintText(3800, LineaActual, report::UltimosDiez(texto("FOL_MOV")));
    s.MarkValue(QStringLiteral("Estatus"), report::TipoDato::Texto, texto("DES_ESTATUS"));
    s.PrintText(4900, LineaActual, texto("DES_ESTATUS"));
    const vb::Variant total = campo("IMP_MOV"), iva = campo("IVA_MOV"), retIva = campo("RET_TOT"),
                      retIsr = campo("RET_ISRTOT");
    // Null anywhere leaves the amount before tax blank, as it leaves its own column blank.
    const vb::Variant antes = total.IsNull() || iva.IsNull() || retIva.IsNull() || retIsr.IsNull()
                                  ? vb::Variant::Null()
                                  : vb::Variant(total.CCur() - iva.CCur() + retIva.CCur() + retIsr.CCur());
    s.TextAlign(report::AlineaDerecha);
    importe(QStringLiteral("Importe"), antes);
    s.PrintText(6500, LineaActual, vb::Format(antes, u"#,##0.00"));
    importe(QStringLiteral("Impuesto"), iva);
    s.PrintText(7500, LineaActual, vb::Format(iva, u"#,##0.00"));
    importe(QStringLiteral("Reten.IVA"), retIva);
    s.PrintText(8500, LineaActual, vb::Format(retIva, u"#,##0.00"));
    importe(QStringLiteral("Reten.ISR"), retIsr);
    s.PrintText(9500, LineaActual, vb::Format(retIsr, u"#,##0.00"));
    // The total printed is the movement's; what it adds to its group's total carries the sign.
    if (!total.IsNull())
        s.MarkValue(QStringLiteral("Total"), texto("CON_GRL") == u"GTOS" ? total.CCur() : -total.CCur());
    s.PrintText(10500, LineaActual, vb::Format(total, u"#,##0.00"));
    s.TextAlign(report::AlineaIzquierda);
    LineaActual += 200;
}

void frmConGastos::ImprimeMovimientos() {
    report::Superficie& s = *Superficie;
    const bool porAcreedor = optOrden(0).Value();
    MarchaMovimientos m;
    m.detallado = optTipo(0).Value();
    Agrupado = txtCodAcreedor.Text().isEmpty() && ConsultaMovtosGrupo();
    if (!Agrupado) ConsultaMovtosAcreedor();

    EncabezadoMovimientos();
    ImprimeFiltroAcreedor();
    s.FontSize(7);

    ado::Recordset& rs = rsAcreedores;
    const auto texto = [&rs](const char* nombre) { return rs.Fields(nombre).Value().Texto(); };
    QString conceptoAnterior, acreedorAnterior;
    const auto cambioAgrupacion = [&] { return Agrupado && rs.Fields("COD_AGR").Value().CLng() != m.agrupacionAnterior; };

    if (!(rs.BOF() && rs.EOF_())) {
        rs.MoveFirst();
        ImprimeAgrupacionMovimientos(m);
    }
    for (; !rs.EOF_(); rs.MoveNext()) {
        if (!porAcreedor && (texto("COD_CON") != conceptoAnterior || cambioAgrupacion())) {
            AbreGrupoMovimientos(m, false);
            conceptoAnterior = texto("COD_CON");
            acreedorAnterior = texto("COD_PROV");
        }
        if (porAcreedor && (texto("COD_PROV") != acreedorAnterior || cambioAgrupacion())) {
            AbreGrupoMovimientos(m, true);
            acreedorAnterior = texto("COD_PROV");
            conceptoAnterior = texto("COD_CON");
        }
        if (m.detallado) {
            ImprimeAgrupacionMovimientos(m);
            ImprimeMovimiento(porAcreedor);
        }
        if (texto("CON_GRL") == u"GTOS") m.total += rs.Fields("IMP_MOV").Value().CCur();
        else m.total -= rs.Fields("IMP_MOV").Value().CCur();
        if (LineaActual > LimiteRenglon) NuevaPagina();
    }
    ImprimeTotalMovimientos(m, porAcreedor ? QStringLiteral("TOTAL ACREEDOR") : QStringLiteral("TOTAL CONCEPTO"));
    s.FontBold(false);
    rs.Close();
    rsAcreedores = ado::Recordset();
}

}  // namespace gastos
