// What the bank movement reports share: their column headings and date line, the account header,
// the concept, account, bank and global total lines, and the concept groups of the two listings
// by date.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace tesoreria {

namespace {

constexpr int LimiteMovimientos = 13500;

}  // namespace

const QString frmConTesoreria::CuentasConMoneda = QStringLiteral(
    "SELECT COD_BANCO,NUM_CUENTA,COD_MONCTA,tblMonedas.COD_MON,DES_MON,ABREVIA FROM tblCatCtasBancos INNER JOIN "
    "tblMonedas ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA");

void frmConTesoreria::ImprimeFechaYFolio(int32_t y) {
    ImprimeFecha(0, y, QStringLiteral("Fecha"), rsMovimientos.Fields("FEC_MOV").Value());
    const QString folio = Campo(rsMovimientos, "FOL_MOV");
    ImprimeTexto(850, y, QStringLiteral("Folio"), folio, UltimosDiez(folio));
}

void frmConTesoreria::ImprimeEstatusEImportes(int32_t y, vb::Currency importe, vb::Currency enPesos) {
    report::Superficie& s = *Superficie;
    s.DrawRule(6000, y, 4500, 200);
    const QString estatus = Campo(rsMovimientos, "DES_ESTATUS"), moneda = Campo(rsCuentas, "ABREVIA");
    ImprimeTexto(6100, y, QStringLiteral("Estatus"), estatus, estatus);
    ImprimeTexto(8250, y, QStringLiteral("Moneda"), moneda, moneda);
    s.DrawRule(8810, y, 4500, 200);
    s.TextAlign(report::AlineaDerecha);
    s.MarkValue(QStringLiteral("Importe"), importe);
    s.PrintText(8050, y, TextoDinero(importe));
    ImprimeTipoDeCambio(9350, y);
    s.MarkValue(QStringLiteral("Importe M.N."), enPesos);
    s.PrintText(10500, y, TextoDinero(enPesos));
    s.TextAlign(report::AlineaIzquierda);
}

QString frmConTesoreria::Campo(const ado::Recordset& rs, const char* nombre) {
    return rs.Fields(nombre).Value().Texto();
}

void frmConTesoreria::ColumnasMovimientos(const QString& titulo, const Columnas& columnas) {
    report::Superficie& s = *Superficie;
    EncabezadoPagina(titulo);
    s.BeginGroup();
    s.ForeColor(Negro);
    s.FontBold(true);
    s.FontSize(9);
    const int32_t y = LineaActual;
    for (const Columna& c : columnas) {
        s.TextAlign(c.derecha ? report::AlineaDerecha : report::AlineaIzquierda);
        s.PrintText(c.x, y, c.texto);
    }
    s.TextAlign(report::AlineaIzquierda);
    s.DrawLine(0, y + 200, 10500, y + 200);
    LineaActual += 300;
    s.PrintText(0, LineaActual, LineaFechas());
    s.EndGroup();
    LineaActual += 250;
}

void frmConTesoreria::EncabezadoMovimientosBancos(bool PorAplicacion) {
    if (!PorAplicacion)
        ColumnasMovimientos(QStringLiteral("Relación de Movimientos"),
                            {{0, QStringLiteral("Fecha")}, {850, QStringLiteral("Folio")},
                             {1900, QStringLiteral("No. Cheque")}, {3100, QStringLiteral("Beneficiario")},
                             {6100, QStringLiteral("Estatus")}, {7400, QStringLiteral("Importe")},
                             {8150, QStringLiteral("Moneda")}, {9000, QStringLiteral("T.C.")},
                             {9500, QStringLiteral("Importe M.N.")}});
    else
        ColumnasMovimientos(QStringLiteral("Mov. por Fecha de Aplicación"),
                            {{0, QStringLiteral("Fecha")}, {850, QStringLiteral("Aplica")},
                             {1700, QStringLiteral("Folio")}, {2850, QStringLiteral("No. Cheque")},
                             {4200, QStringLiteral("Beneficiario")}, {7700, QStringLiteral("Estatus")},
                             {9000, QStringLiteral("T.C.")}, {9500, QStringLiteral("Importe")}});
}

const QString frmConTesoreria::DeBancos = QStringLiteral(" AND (COD_FOL='INGR' OR COD_FOL='EGRE')");

QString frmConTesoreria::ConsultaMovimientos(const Alcance& cuentas, const QString& columnas,
                                             const QString& condiciones, const QString& orden) {
    return QStringLiteral("SELECT ") + cuentas.Columna() + columnas +
           QStringLiteral(",tblConceptosGyT.COD_CON,DES_CON FROM (tblIngreEgre INNER JOIN tblConceptosGyT ON "
                          "tblConceptosGyT.COD_CON=tblIngreEgre.COD_CON) INNER JOIN tblEstatusGyT ON "
                          "tblIngreEgre.COD_ESTATUS=tblEstatusGyT.COD_ESTATUS") +
           cuentas.Une(QStringLiteral("tblIngreEgre.NUM_CTA")) + QStringLiteral(" WHERE ") +
           cuentas.Condicion() + condiciones + cuentas.OrdenadaPor(orden) + u';';
}

QString frmConTesoreria::EntreFechas(const QString& campo) const {
    return QStringLiteral(" AND (") + campo + QStringLiteral(" BETWEEN ") + FechaInicial + QStringLiteral(" AND ") +
           FechaFinal + u')';
}

QString frmConTesoreria::FiltroEstatus() const {
    if (!optEstatus(0).Value()) return QStringLiteral(" AND tblIngreEgre.COD_ESTATUS=2");
    QString filtro = QStringLiteral(" AND (tblIngreEgre.COD_ESTATUS=1");
    if (chkEnTransito.Value() == 0 && chkConciliados.Value() == 0) {
        filtro += QStringLiteral(" OR tblIngreEgre.COD_ESTATUS=4 OR tblIngreEgre.COD_ESTATUS=3");
    } else {
        if (chkEnTransito.Value() != 0) filtro += QStringLiteral(" OR tblIngreEgre.COD_ESTATUS=3");
        if (chkConciliados.Value() != 0) filtro += QStringLiteral(" OR tblIngreEgre.COD_ESTATUS=4");
    }
    return filtro + u')';
}

frmConTesoreria::Recorrido frmConTesoreria::RecorridoDeMovimientos(Totales& t, bool totalBanco) {
    Recorrido r;
    r.cuentas = CuentasConMoneda;
    r.alEmpezarBanco = [&t] {
        t.banco = vb::Currency();
        t.cuentasImpresas = 0;
    };
    if (totalBanco) r.trasBanco = [this, &t] { ImprimeTotalBanco(t); };
    return r;
}

void frmConTesoreria::ImprimeEncabezadoCuenta(Totales& t) {
    report::Superficie& s = *Superficie;
    t.cuentasImpresas += 1;
    s.BeginGroup();
    s.FontSize(9);
    s.ForeColor(Azul);
    // The bank's first account's line also heads the bank: its name is the bank's heading, the
    // rest the account's. A later account's line is the account's alone.
    const bool primera = t.cuentasImpresas == 1;
    if (primera) MarcaBanco();
    else MarcaCuenta();
    s.PrintText(0, LineaActual, vb::Left(Campo(rsBancos, "NOM_BANCO"), 22));
    if (primera) MarcaCuenta();
    s.FontBold(false);
    s.PrintText(4000, LineaActual, QStringLiteral("Cuenta: ") + Campo(rsCuentas, "NUM_CUENTA"));
    s.PrintText(6500, LineaActual, QStringLiteral("Moneda: ") + Campo(rsCuentas, "DES_MON"));
    LineaActual += 240;
    s.EndGroup();
    s.FontSize(7);
    t.encabezado = true;
}

void frmConTesoreria::ImprimeTotal(const QString& titulo, int x, int16_t nivel, vb::Currency total, const Totales& t,
                                   std::optional<bool> azul) {
    report::Superficie& s = *Superficie;
    s.BeginGroup();
    s.FontSize(9);
    if (azul) s.ForeColor(*azul ? Azul : Negro);
    s.FontBold(true);
    s.MarkLine(nivel > 0 ? report::ClaseRenglon::Subtotal : report::ClaseRenglon::Total, nivel);
    s.PrintText(x, LineaActual, titulo);
    s.TextAlign(report::AlineaDerecha);
    if (t.enMonedaDeCuenta) {
        s.MarkValue(QStringLiteral("Importe"), total);
        s.MarkValue(QStringLiteral("Moneda"), report::TipoDato::Texto, t.abrevia);
        s.PrintText(10500, LineaActual, TextoDinero(total) + QStringLiteral("  ") + t.abrevia);
    } else {
        s.MarkValue(QStringLiteral("Importe M.N."), total);
        s.PrintText(10500, LineaActual, TextoDinero(total));
    }
    s.TextAlign(report::AlineaIzquierda);
    s.FontBold(false);
    s.EndGroup();
}

void frmConTesoreria::ImprimeTotalCuenta(const Totales& t) {
    if (t.cuenta == vb::Currency()) return;
    LineaActual += 240;
    ImprimeTotal(QStringLiteral("TOTAL CUENTA: "), 5600, NivelCuenta, t.cuenta, t, optTipo(1).Value());
    LineaActual += 480;
}

void frmConTesoreria::ImprimeTotalBanco(Totales& t) {
    if (t.banco == vb::Currency()) return;
    t.bancosConTotal += 1;
    if (t.cuentasImpresas <= 1) return;
    ImprimeTotal(QStringLiteral("TOTAL BANCO: "), 5600, NivelBanco, t.banco, t, optTipo(0).Value());
    LineaActual += 240;
}

void frmConTesoreria::ImprimeTotalGlobal(const Totales& t) {
    if (t.bancosConTotal < 2) return;
    LineaActual += 240;
    ImprimeTotal(QStringLiteral("TOTAL GLOBAL: "), 5600, 0, t.global, t, std::nullopt);
    LineaActual += 240;
}

void frmConTesoreria::RecorreMovimientosPorConcepto(bool PorAplicacion,
                                                    const std::function<QString(const Alcance&)>& consulta,
                                                    const std::function<vb::Currency()>& detalle) {
    report::Superficie& s = *Superficie;
    const bool detallado = optTipo(0).Value();
    Totales t;
    // By application date the totals are in the account's own currency, and say which.
    t.enMonedaDeCuenta = PorAplicacion;
    const auto totalConcepto = [&] {
        ImprimeTotal(QStringLiteral("TOTAL CONCEPTO: "), 6100, NivelConcepto, t.concepto, t, detallado);
        LineaActual += 240;
        t.concepto = vb::Currency();
    };

    EncabezadoMovimientosBancos(PorAplicacion);
    s.ForeColor(Negro);
    s.FontBold(false);
    std::optional<report::CortePorClave> movimientos;
    Recorrido r = RecorridoDeMovimientos(t, !PorAplicacion);
    r.conjuntos = [&](const Alcance& cuentas) {
        return std::vector<Conjunto>{{&movimientos, &rsMovimientos, consulta(cuentas)}};
    };
    r.porCuenta = [&] {
        t.cuenta = t.concepto = vb::Currency();
        t.conceptoAnterior.clear();
        t.encabezado = false;
        for (const QString cuenta = Campo(rsCuentas, "NUM_CUENTA"); movimientos->En(cuenta); movimientos->Siguiente()) {
            if (!t.encabezado) {
                ImprimeEncabezadoCuenta(t);
                t.abrevia = Campo(rsCuentas, "ABREVIA");
            }
            const QString concepto = Campo(rsMovimientos, "COD_CON");
            if (concepto != t.conceptoAnterior) {
                if (!t.conceptoAnterior.isEmpty()) totalConcepto();
                s.ForeColor(detallado ? Azul : Negro);
                s.MarkLine(report::ClaseRenglon::Grupo, NivelConcepto, QStringLiteral("Concepto"), concepto,
                           Campo(rsMovimientos, "DES_CON"));
                s.PrintText(0, LineaActual, QStringLiteral("CONCEPTO: ") + Campo(rsMovimientos, "DES_CON"));
                s.ForeColor(Negro);
                if (detallado) LineaActual += 240;
            }
            t.conceptoAnterior = concepto;
            const vb::Currency importe = detalle();
            t.concepto += importe;
            t.cuenta += importe;
            if (!PorAplicacion) {
                t.banco += importe;
                t.global += importe;
            }
            if (LineaActual > LimiteMovimientos) NuevaPagina();
        }
        if (!t.conceptoAnterior.isEmpty()) totalConcepto();
        ImprimeTotalCuenta(t);
    };
    RecorreBancos(r);
    SueltaConjuntos();
    if (!PorAplicacion) ImprimeTotalGlobal(t);
}

}  // namespace tesoreria
