// "Promedio mensual": for each account, every month of the chosen range, which may cross a year
// end, with its balances and their mean.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Fechas.h"
#include "vb/Formato.h"

namespace tesoreria {

namespace {

constexpr int LimiteMensual = 13500;

}  // namespace

void frmConTesoreria::ImprimePromedioMensual() {
    report::Superficie& s = *Superficie;
    const QDate inicio = vb::DateSerial(vb::Variant(cmbAnios(1).Text()).CInt(), cmbMeses(1).ListIndex() + 1, 1);
    const QDate fin = vb::DateSerial(vb::Variant(cmbAnios(2).Text()).CInt(), cmbMeses(2).ListIndex() + 2, 0);
    EncabezadoPromedios(false);
    s.ForeColor(Negro);

    bool otraCuenta = false;
    Importes importes;
    Recorrido r = RecorridoDePromedios(inicio, fin, importes);
    r.porCuenta = [&] {
        if (otraCuenta) NuevaPagina();
        otraCuenta = true;
        ImprimeEncabezadoPromedio(3200, 6000, QString());
        const QString cuenta = Campo(rsCuentas, "NUM_CUENTA");
        vb::Currency saldo = SaldoAntesDe(*importes.antes, cuenta);
        // A last month before the first leaves the account with its header alone.
        for (QDate mes = inicio; mes <= fin; mes = vb::DateSerial(mes.year(), mes.month() + 1, mes.day())) {
            const QDate finDeMes = vb::DateSerial(mes.year(), mes.month() + 1, 0);
            const Sumas mensual = SumaEntre(*importes.periodo, cuenta, mes, finDeMes);
            const QString nombre = vb::Format(vb::Variant(mes), u"mmm/yyyy");
            s.MarkLine(report::ClaseRenglon::Detalle);
            ImprimeTexto(0, LineaActual, QStringLiteral("Mes/Año"), nombre, nombre);
            ImprimeSaldosPromedio(LineaActual, saldo, mensual, false);
            LineaActual += 240;
            if (LineaActual > LimiteMensual) NuevaPagina();
            saldo += mensual.ingresos - mensual.egresos;
        }
        LineaActual += 240;
    };
    RecorreBancos(r);
    SueltaConjuntos();
}

}  // namespace tesoreria
