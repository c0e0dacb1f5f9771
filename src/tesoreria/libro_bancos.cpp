// "Libro de Bancos": each reconciliation chosen, on a page of its own, with its summary and the
// book movements that belong to it, each reconciled, not reconciled or in transit.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

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
           cuentas.Condicion(QStringLiteral("tblConciliaEnc.NUM_CUENTA")) + QStringLiteral(" AND ") +
           Conciliaciones(folio, FechaInicial, FechaFinal) +
           cuentas.OrdenadaPor(QStringLiteral("tblConciliaEnc.FOL_CONCI, ") + OrdenMovimientos);
}

void frmConTesoreria::EncabezadoLibroBancos() {
    report::Superficie& s = *Superficie;
    const auto importe = [this](const char* campo) { return vb::Format(rsMovimientos.Fields(campo).Value(), u"#,##0.00"); };
    s.BeginGroup();
    s.FontSize(9);
    s.ForeColor(Negro);
    s.FontBold(true);
    s.PrintText(0, LineaActual, vb::Left(Campo(rsBancos, "NOM_BANCO"), 22));
    s.PrintText(2000, LineaActual, QStringLiteral("Cuenta: ") + Campo(rsCuentas, "NUM_CUENTA"));
    s.PrintText(4000, LineaActual, QStringLiteral("Moneda: ") + Campo(rsCuentas, "DES_MON"));
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(10500, LineaActual,
                EstaCerrada(rsMovimientos.Fields("CERRADA").Value()) ? QStringLiteral("Conciliación CERRADA")
                                                                     : QStringLiteral("Conciliación ABIERTA"));
    LineaActual += 240;
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
    const std::pair<int, const char*> resumen[] = {
        {1050, "SAL_INI"}, {3500, "IMP_ING"}, {6000, "IMP_EGRE"}, {8500, "IMP_TRAN"}, {10500, "SAL_EDO"}};
    const char* const titulos[] = {"Saldo Inicial", "Ingresos", "Egresos", "No Conciliado", "Saldo Final"};
    for (size_t i = 0; i < std::size(resumen); ++i)
        s.PrintText(resumen[i].first, LineaActual, QString::fromUtf8(titulos[i]));
    LineaActual += 200;
    for (const auto& [x, campo] : resumen) s.PrintText(x, LineaActual, importe(campo));
    s.TextAlign(report::AlineaIzquierda);
    s.DrawLine(0, LineaActual + 200, 10500, LineaActual + 200);
    LineaActual += 400;

    const int32_t y = LineaActual;
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
        s.PrintText(0, y, Campo(rsSaldos, "FEC_MOV"));
        s.PrintText(1000, y, UltimosDiez(Campo(rsSaldos, "FOL_MOV")));
        s.PrintText(2400, y, Campo(rsSaldos, "DES_CON"));
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(6500, y, vb::Format(rsSaldos.Fields("IMP_INGR").Value(), u"#,##0.00"));
        s.PrintText(8500, y, vb::Format(rsSaldos.Fields("IMP_EGRE").Value(), u"#,##0.00"));
        s.TextAlign(report::AlineaIzquierda);
        s.PrintText(9250, y, estatus);
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
    Recorrido r;
    r.cuentas = CuentasConNombreMoneda;
    r.abreConjuntos = [&](const Alcance& cuentas) {
        conciliaciones.emplace(PorClave(rsMovimientos, ConsultaLibro(cuentas, folio)));
        movimientos.emplace(PorClave(rsSaldos, ConsultaMovimientosLibro(cuentas, folio), ClaveConciliacion));
    };
    r.porCuenta = [&] {
        for (; conciliaciones->En(Campo(rsCuentas, "NUM_CUENTA")); conciliaciones->Siguiente()) {
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
