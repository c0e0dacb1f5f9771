// "Relación de Conciliaciones": per bank and account, each reconciliation ending in the range with
// its dates, the amounts as stored and whether it is closed.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace tesoreria {

namespace {

constexpr int LimiteConciliaciones = 13500;

}  // namespace

const QString frmConTesoreria::CuentasConNombreMoneda = QStringLiteral(
    "SELECT COD_BANCO,NUM_CUENTA,COD_MONCTA,tblMonedas.COD_MON,DES_MON FROM tblCatCtasBancos INNER JOIN tblMonedas "
    "ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA WHERE COD_BANCO=");

QString frmConTesoreria::EncabezadosConciliacion(const Alcance& cuentas) {
    return QStringLiteral("SELECT ") + cuentas.Columna() +
           QStringLiteral("FOL_CONCI,FEC_INI,FEC_FIN,SAL_INI,IMP_ING,IMP_EGRE,IMP_TRAN,SAL_EDO,CERRADA "
                          "FROM tblConciliaEnc") +
           cuentas.Une(QStringLiteral("tblConciliaEnc.NUM_CUENTA")) + QStringLiteral(" WHERE ") +
           cuentas.Condicion(QStringLiteral("NUM_CUENTA"));
}

QString frmConTesoreria::ConsultaConciliaciones(const Alcance& cuentas) const {
    return EncabezadosConciliacion(cuentas) + QStringLiteral(" AND (FEC_FIN BETWEEN ") + FechaInicial +
           QStringLiteral(" AND ") + FechaFinal + u')' + cuentas.OrdenadaPor(QStringLiteral("FOL_CONCI"));
}

bool EstaCerrada(const vb::Variant& cerrada) { return !cerrada.IsNull() && cerrada.CBool(); }

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

    const auto importe = [this](const char* campo) { return vb::Format(rsMovimientos.Fields(campo).Value(), u"#,##0.00"); };
    std::optional<report::CortePorClave> conciliaciones;
    Recorrido r;
    r.cuentas = CuentasConNombreMoneda;
    r.abreConjuntos = [&](const Alcance& cuentas) {
        conciliaciones.emplace(PorClave(rsMovimientos, ConsultaConciliaciones(cuentas)));
    };
    r.porCuenta = [&] {
        const QString cuenta = Campo(rsCuentas, "NUM_CUENTA");
        bool encabezado = false;
        for (; conciliaciones->En(cuenta); conciliaciones->Siguiente()) {
            if (!encabezado) {
                s.BeginGroup();
                s.FontSize(9);
                s.ForeColor(Azul);
                s.PrintText(0, LineaActual, vb::Left(Campo(rsBancos, "NOM_BANCO"), 22));
                s.FontBold(false);
                s.PrintText(4000, LineaActual, QStringLiteral("Cuenta: ") + cuenta);
                s.PrintText(6500, LineaActual, QStringLiteral("Moneda: ") + Campo(rsCuentas, "DES_MON"));
                LineaActual += 480;
                s.EndGroup();
                s.FontSize(7);
                encabezado = true;
            }
            const int32_t y = LineaActual;
            s.PrintText(0, y, Campo(rsMovimientos, "FOL_CONCI"));
            s.PrintText(1500, y, Campo(rsMovimientos, "FEC_INI"));
            s.PrintText(2500, y, Campo(rsMovimientos, "FEC_FIN"));
            s.TextAlign(report::AlineaDerecha);
            // The balance carried in ends 100 twips short of its caption.
            s.PrintText(4600, y, importe("SAL_INI"));
            s.PrintText(5900, y, importe("IMP_ING"));
            s.PrintText(7000, y, importe("IMP_EGRE"));
            s.PrintText(8300, y, importe("IMP_TRAN"));
            s.PrintText(9600, y, importe("SAL_EDO"));
            s.TextAlign(report::AlineaIzquierda);
            s.PrintText(9800, y, EstaCerrada(rsMovimientos.Fields("CERRADA").Value()) ? QStringLiteral("CERRADA")
                                                                                      : QStringLiteral("ABIERTA"));
            LineaActual += 240;
            if (LineaActual > LimiteConciliaciones) NuevaPagina();
        }
    };
    RecorreBancos(r);
    SueltaConjuntos();
}

}  // namespace tesoreria
