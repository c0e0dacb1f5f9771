// "Libro de Bancos": each reconciliation chosen, on a page of its own, with its summary and the
// book movements that belong to it, each reconciled, not reconciled or in transit.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

#include <utility>

namespace tesoreria {

namespace {

constexpr int LimiteLibro = 14300;
constexpr int32_t GrisTexto = static_cast<int32_t>(0x80000011u);  // the system's grey-text colour

}  // namespace

namespace {

// The reconciliations the book prints: the folio, or those ending in the range.
QString Conciliaciones(const QString& folio, const QString& desde, const QString& hasta) {
    if (!folio.isEmpty()) return QStringLiteral("tblConciliaEnc.FOL_CONCI='") + ado::Comillas(folio) + u'\'';
    return QStringLiteral("FEC_FIN BETWEEN ") + desde + QStringLiteral(" AND ") + hasta;
}

// The movements the book lists for the reconciliation `folio` ending on `fin` (SQL values or
// columns): its own, and any not yet reconciled up to the end date, whatever its account.
QString MovimientosDe(const QString& folio, const QString& fin) {
    return QStringLiteral("COD_ESTATUS <> 2 AND (tblConciliaciones.FOL_CONCI = ") + folio +
           QStringLiteral(" OR (CONCI_FOL = '' AND FEC_MOV <= ") + fin + QStringLiteral("))");
}

const QString ColumnasDelLibro = QStringLiteral(
    "FEC_MOV,FOL_MOV,DES_CON,tblConciliaciones.IMP_INGR,tblConciliaciones.IMP_EGRE,tblConciliaciones.FOL_CONCI,"
    "CONCI_FOL FROM tblConciliaciones INNER JOIN tblConceptosGyT ON tblConceptosGyT.COD_CON = tblConciliaciones.COD_CON");
const QString OrdenMovimientos = QStringLiteral("FEC_MOV, FOL_CHEQUE, tblConciliaciones.MOVIMIENTO");

}  // namespace

QString frmConTesoreria::ConsultaLibro(const Alcance& cuentas, const QString& folio) const {
    if (folio.isEmpty()) return ConsultaConciliaciones(cuentas);
    return EncabezadosConciliacion(cuentas) + QStringLiteral(" AND ") + Conciliaciones(folio, FechaInicial, FechaFinal) +
           cuentas.OrdenadaPor({});
}

QString frmConTesoreria::ConsultaMovimientosLibro(const Alcance& cuentas, const QString& folio) const {
    // Each reconciliation's movements in a row, in the order its headers are read.
    return QStringLiteral("SELECT tblConciliaEnc.FOL_CONCI AS ") + ClaveConciliacion + u',' + ColumnasDelLibro +
           QStringLiteral(" INNER JOIN tblConciliaEnc ON ") +
           MovimientosDe(QStringLiteral("tblConciliaEnc.FOL_CONCI"), QStringLiteral("tblConciliaEnc.FEC_FIN")) +
           cuentas.Une(QStringLiteral("tblConciliaEnc.NUM_CUENTA")) + QStringLiteral(" WHERE ") +
           cuentas.Condicion() + QStringLiteral(" AND ") +
           Conciliaciones(folio, FechaInicial, FechaFinal) +
           cuentas.OrdenadaPor(QStringLiteral("tblConciliaEnc.FOL_CONCI, ") + OrdenMovimientos);
}

void frmConTesoreria::EncabezadoLibroBancos() {
    report::Superficie& s = *Superficie;
    // Marked once, at the reconciliation's first page; the pages it runs onto repeat the heading.
    const bool cuenta = std::exchange(porMarcar.cuenta, false);
    const bool conciliacion = std::exchange(porMarcar.conciliacion, false);
    s.BeginGroup();
    s.FontSize(9);
    s.ForeColor(Negro);
    s.FontBold(true);
    ImprimeCuentaYMoneda(2000, 4000, ImprimeBancoDeCuenta(cuenta), cuenta);
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(10500, LineaActual,
                EstaCerrada(rsMovimientos.Fields("CERRADA").Value()) ? QStringLiteral("Conciliación CERRADA")
                                                                     : QStringLiteral("Conciliación ABIERTA"));
    LineaActual += 240;
    // The reconciliation's heading in the outline is its period; its row holds the summary below.
    if (conciliacion)
        s.MarkLine(report::ClaseRenglon::Grupo, 3, QStringLiteral("Conciliación"), Campo(rsMovimientos, "FOL_CONCI"));
    s.PrintText(10500, LineaActual,
                QStringLiteral("Del ") + Campo(rsMovimientos, "FEC_INI") + QStringLiteral(" Al ") +
                    Campo(rsMovimientos, "FEC_FIN"));
    LineaActual += 240;
    s.PrintText(10500, LineaActual, QStringLiteral("Folio: ") + Campo(rsMovimientos, "FOL_CONCI"));
    s.EndGroup();
    s.FontSize(7);
    LineaActual += 240;

    s.ForeColor(Negro);
    s.FontBold(false);
    s.FontSize(9);
    s.DrawLine(0, LineaActual, 10500, LineaActual);
    s.TextAlign(report::AlineaDerecha);
    struct Resumen {
        int x;
        const char* campo;
        const char16_t* titulo;
        const char16_t* columna;  // in the spreadsheet, apart from the movements' own columns
    };
    static constexpr Resumen resumen[] = {{1050, "SAL_INI", u"Saldo Inicial", u"Saldo Inicial"},
                                          {3500, "IMP_ING", u"Ingresos", u"Ingresos del periodo"},
                                          {6000, "IMP_EGRE", u"Egresos", u"Egresos del periodo"},
                                          {8500, "IMP_TRAN", u"No Conciliado", u"No Conciliado"},
                                          {10500, "SAL_EDO", u"Saldo Final", u"Saldo Final"}};
    for (const Resumen& r : resumen) s.PrintText(r.x, LineaActual, QString::fromUtf16(r.titulo));
    LineaActual += 200;
    for (const Resumen& r : resumen)
        ImprimeImporte(r.x, LineaActual, QString::fromUtf16(r.columna), rsMovimientos.Fields(r.campo).Value(), conciliacion);
    s.TextAlign(report::AlineaIzquierda);
    s.DrawLine(0, LineaActual + 200, 10500, LineaActual + 200);
    LineaActual += 400;

    const int32_t y = LineaActual;
    if (conciliacion) s.MarkLine(report::ClaseRenglon::Titulos);
    s.PrintText(0, y, QStringLiteral("Fecha"));
    s.PrintText(1000, y, QStringLiteral("Folio"));
    s.PrintText(2400, y, QStringLiteral("Concepto"));
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(6500, y, QStringLiteral("Ingresos"));
    s.PrintText(8500, y, QStringLiteral("Egresos"));
    s.TextAlign(report::AlineaIzquierda);
    s.PrintText(9250, y, QStringLiteral("Estatus"));
    for (const int d : {200, 240, 250}) s.DrawLine(0, y + d, 10500, y + d);
    s.EndGroup();  // closes no block: the summary was drawn outside one
    LineaActual += 350;
}

void frmConTesoreria::ImprimeMovimientosLibro(report::CortePorClave& movimientos, const QString& conciliacion,
                                              bool cerrada) {
    report::Superficie& s = *Superficie;
    while (movimientos.En(conciliacion)) {
        const QString suya = Campo(rsSaldos, "FOL_CONCI");
        QString estatus;
        if (suya != conciliacion) {
            s.ForeColor(Azul);
            estatus = QStringLiteral("EN TRÁNSITO");
        } else if (Campo(rsSaldos, "CONCI_FOL") == suya) {
            s.ForeColor(Negro);
            estatus = QStringLiteral("CONCILIADO");
        } else if (cerrada) {
            s.ForeColor(Azul);
            estatus = QStringLiteral("EN TRÁNSITO");
        } else {
            s.ForeColor(GrisTexto);
            estatus = QStringLiteral("NO CONCILIADO");
        }
        const int32_t y = LineaActual;
        const QString folio = Campo(rsSaldos, "FOL_MOV"), concepto = Campo(rsSaldos, "DES_CON");
        s.MarkLine(report::ClaseRenglon::Detalle);
        ImprimeFecha(0, y, QStringLiteral("Fecha"), rsSaldos.Fields("FEC_MOV").Value());
        ImprimeTexto(1000, y, QStringLiteral("Folio"), folio, UltimosDiez(folio));
        ImprimeTexto(2400, y, QStringLiteral("Concepto"), concepto, concepto);
        s.TextAlign(report::AlineaDerecha);
        ImprimeImporte(6500, y, QStringLiteral("Ingresos"), rsSaldos.Fields("IMP_INGR").Value());
        ImprimeImporte(8500, y, QStringLiteral("Egresos"), rsSaldos.Fields("IMP_EGRE").Value());
        s.TextAlign(report::AlineaIzquierda);
        ImprimeTexto(9250, y, QStringLiteral("Estatus"), estatus, estatus);
        movimientos.Siguiente();
        // The last movement leaves the line where it is.
        if (!movimientos.En(conciliacion)) break;
        if (LineaActual + 240 <= LimiteLibro) LineaActual += 240;
        else NuevaPagina();
    }
}

void frmConTesoreria::ImprimeLibroBancos() {
    report::Superficie& s = *Superficie;
    ado::Connection& conexion = modConGastos::ConexionModulo();
    const bool porFolio = cmbConciliaciones.ListIndex() != 0;
    const QString folio = porFolio ? cmbConciliaciones.Text() : QString();
    QString banco = BancoElegido(), cuenta = CuentaElegida();
    if (porFolio) {
        // One folio ignores the dates and the bank lists: its own bank and account are walked.
        banco.clear();
        cuenta.clear();
        rsMovimientos = conexion.Execute(
            QStringLiteral("SELECT COD_BANCO, tblConciliaEnc.NUM_CUENTA FROM tblConciliaEnc INNER JOIN tblCatCtasBancos ON "
                           "tblCatCtasBancos.NUM_CUENTA = tblConciliaEnc.NUM_CUENTA WHERE FOL_CONCI='") +
            ado::Comillas(folio) + QStringLiteral("';"));
        if (!(rsMovimientos.BOF() && rsMovimientos.EOF_())) {
            banco = Campo(rsMovimientos, "COD_BANCO");
            cuenta = Campo(rsMovimientos, "NUM_CUENTA");
        }
        rsMovimientos.Close();
        rsMovimientos = ado::Recordset();
    }
    s.ForeColor(Negro);
    s.FontBold(false);
    EncabezadoPagina(QStringLiteral("Libro de Bancos"));

    bool otraConciliacion = false;
    std::optional<report::CortePorClave> conciliaciones, movimientos;
    Recorrido r = RecorridoMarcado(CuentasConNombreMoneda);
    r.conjuntos = [&](const Alcance& cuentas) {
        return std::vector<Conjunto>{{&conciliaciones, &rsMovimientos, ConsultaLibro(cuentas, folio)},
                                     {&movimientos, &rsSaldos, ConsultaMovimientosLibro(cuentas, folio), ClaveConciliacion}};
    };
    r.porCuenta = [&] {
        porMarcar.cuenta = true;
        for (; conciliaciones->En(Campo(rsCuentas, "NUM_CUENTA")); conciliaciones->Siguiente()) {
            porMarcar.conciliacion = true;
            if (otraConciliacion) NuevaPagina();
            else EncabezadoLibroBancos();
            otraConciliacion = true;
            ImprimeMovimientosLibro(*movimientos, Campo(rsMovimientos, "FOL_CONCI"),
                                    EstaCerrada(rsMovimientos.Fields("CERRADA").Value()));
        }
    };
    r.saltoTrasBanco = [this] {
        if (LineaActual + 240 < LimiteLibro) LineaActual += 240;
    };
    RecorreBancos(r, banco, cuenta);
    SueltaConjuntos();
}

}  // namespace tesoreria
