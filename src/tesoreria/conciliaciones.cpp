// "Relación de Conciliaciones": per bank and account, each reconciliation ending in the range with
// its dates, the amounts as stored and whether it is closed.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

#include <utility>

namespace tesoreria {

namespace {

constexpr int LimiteConciliaciones = 13500;

}  // namespace

const QString frmConTesoreria::CuentasConNombreMoneda = QStringLiteral(
    "SELECT COD_BANCO,NUM_CUENTA,COD_MONCTA,tblMonedas.COD_MON,DES_MON FROM tblCatCtasBancos INNER JOIN tblMonedas "
    "ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA");

QString frmConTesoreria::EncabezadosConciliacion(const Alcance& cuentas) {
    return QStringLiteral("SELECT ") + cuentas.Columna() +
           QStringLiteral("FOL_CONCI,FEC_INI,FEC_FIN,SAL_INI,IMP_ING,IMP_EGRE,IMP_TRAN,SAL_EDO,CERRADA "
                          "FROM tblConciliaEnc") +
           cuentas.Une(QStringLiteral("tblConciliaEnc.NUM_CUENTA")) + QStringLiteral(" WHERE ") +
           cuentas.Condicion();
}

QString frmConTesoreria::ConsultaConciliaciones(const Alcance& cuentas) const {
    return EncabezadosConciliacion(cuentas) + QStringLiteral(" AND (FEC_FIN BETWEEN ") + FechaInicial +
           QStringLiteral(" AND ") + FechaFinal + u')' + cuentas.OrdenadaPor(QStringLiteral("FOL_CONCI"));
}

bool EstaCerrada(const vb::Variant& cerrada) { return !cerrada.IsNull() && cerrada.CBool(); }

frmConTesoreria::Recorrido frmConTesoreria::RecorridoMarcado(const QString& cuentas) {
    Recorrido r;
    r.cuentas = cuentas;
    r.alEmpezarBanco = [this] { porMarcar.banco = true; };
    return r;
}

bool frmConTesoreria::ImprimeBancoDeCuenta(bool marcar) {
    bool cuentaAparte = false;
    if (marcar && std::exchange(porMarcar.banco, false)) {
        MarcaBanco();
        cuentaAparte = true;
    } else if (marcar) {
        MarcaCuenta();
    }
    Superficie->PrintText(0, LineaActual, vb::Left(Campo(rsBancos, "NOM_BANCO"), 22));
    return cuentaAparte;
}

void frmConTesoreria::ImprimeCuentaYMoneda(int xCuenta, int xMoneda, bool cuentaAparte, bool marcar) {
    report::Superficie& s = *Superficie;
    if (cuentaAparte) MarcaCuenta();
    s.PrintText(xCuenta, LineaActual, QStringLiteral("Cuenta: ") + Campo(rsCuentas, "NUM_CUENTA"));
    const QString moneda = Campo(rsCuentas, "DES_MON");
    if (marcar) s.MarkValue(QStringLiteral("Moneda"), report::TipoDato::Texto, moneda);
    s.PrintText(xMoneda, LineaActual, QStringLiteral("Moneda: ") + moneda);
}

void frmConTesoreria::ImprimeTexto(int32_t x, int32_t y, const QString& columna, const QString& valor,
                                   const QString& impreso) {
    Superficie->MarkValue(columna, report::TipoDato::Texto, valor);
    Superficie->PrintText(x, y, impreso);
}

void frmConTesoreria::ImprimeImporte(int32_t x, int32_t y, const QString& columna, const vb::Variant& importe,
                                     bool marcado) {
    if (marcado && !importe.IsNull()) Superficie->MarkValue(columna, importe.CCur());
    Superficie->PrintText(x, y, vb::Format(importe, u"#,##0.00"));
}

void frmConTesoreria::ImprimeFecha(int32_t x, int32_t y, const QString& columna, const vb::Variant& fecha) {
    if (!fecha.IsNull()) Superficie->MarkValue(columna, fecha.CDate().dia);
    Superficie->PrintText(x, y, fecha.Texto());
}

void frmConTesoreria::ImprimeTipoDeCambio(int32_t x, int32_t y) {
    const vb::Variant tipo = rsMovimientos.Fields("TIP_CAM").Value();
    if (!tipo.IsNull() && tipo.IsNumeric())
        Superficie->MarkValue(QStringLiteral("T.C."), report::TipoDato::Numero, tipo.CCur().ATexto());
    Superficie->PrintText(x, y, vb::Format(tipo, u"#,##0.00"));
}

void frmConTesoreria::EncabezadoConciliaciones() {
    ColumnasMovimientos(QStringLiteral("Relación de Conciliaciones"),
                        {{0, QStringLiteral("Folio")}, {1500, QStringLiteral("Fec.Inicio")},
                         {2500, QStringLiteral("Fec.Final")}, {4700, QStringLiteral("Saldo Anterior"), true},
                         {5900, QStringLiteral("Ingresos"), true}, {7000, QStringLiteral("Egresos"), true},
                         {8300, QStringLiteral("En Tránsito"), true}, {9600, QStringLiteral("Saldo Final"), true},
                         {9800, QStringLiteral("Estatus")}});
}

void frmConTesoreria::ImprimeConciliaciones() {
    report::Superficie& s = *Superficie;
    EncabezadoConciliaciones();
    s.ForeColor(Negro);
    s.FontBold(false);

    const auto campo = [this](const char* nombre) { return rsMovimientos.Fields(nombre).Value(); };
    std::optional<report::CortePorClave> conciliaciones;
    Recorrido r = RecorridoMarcado(CuentasConNombreMoneda);
    r.conjuntos = [&](const Alcance& cuentas) {
        return std::vector<Conjunto>{{&conciliaciones, &rsMovimientos, ConsultaConciliaciones(cuentas)}};
    };
    r.porCuenta = [&] {
        const QString cuenta = Campo(rsCuentas, "NUM_CUENTA");
        bool encabezado = false;
        for (; conciliaciones->En(cuenta); conciliaciones->Siguiente()) {
            if (!encabezado) {
                s.BeginGroup();
                s.FontSize(9);
                s.ForeColor(Azul);
                const bool cuentaAparte = ImprimeBancoDeCuenta();
                s.FontBold(false);
                ImprimeCuentaYMoneda(4000, 6500, cuentaAparte);
                LineaActual += 480;
                s.EndGroup();
                s.FontSize(7);
                encabezado = true;
            }
            const int32_t y = LineaActual;
            const QString folio = Campo(rsMovimientos, "FOL_CONCI");
            s.MarkLine(report::ClaseRenglon::Detalle);
            ImprimeTexto(0, y, QStringLiteral("Folio"), folio, folio);
            ImprimeFecha(1500, y, QStringLiteral("Fec.Inicio"), campo("FEC_INI"));
            ImprimeFecha(2500, y, QStringLiteral("Fec.Final"), campo("FEC_FIN"));
            s.TextAlign(report::AlineaDerecha);
            // The balance carried in ends 100 twips short of its caption.
            ImprimeImporte(4600, y, QStringLiteral("Saldo Anterior"), campo("SAL_INI"));
            ImprimeImporte(5900, y, QStringLiteral("Ingresos"), campo("IMP_ING"));
            ImprimeImporte(7000, y, QStringLiteral("Egresos"), campo("IMP_EGRE"));
            ImprimeImporte(8300, y, QStringLiteral("En Tránsito"), campo("IMP_TRAN"));
            ImprimeImporte(9600, y, QStringLiteral("Saldo Final"), campo("SAL_EDO"));
            s.TextAlign(report::AlineaIzquierda);
            const QString estatus = EstaCerrada(campo("CERRADA")) ? QStringLiteral("CERRADA") : QStringLiteral("ABIERTA");
            ImprimeTexto(9800, y, QStringLiteral("Estatus"), estatus, estatus);
            LineaActual += 240;
            if (LineaActual > LimiteConciliaciones) NuevaPagina();
        }
    };
    RecorreBancos(r);
    SueltaConjuntos();
}

}  // namespace tesoreria
