// "Promedio diario mensual": for each account, on a page of its own, every day of the chosen month
// with its balances and their mean, then the month's own.
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Fechas.h"

namespace tesoreria {

void frmConTesoreria::ImprimePromedioDiario() {
    report::Superficie& s = *Superficie;
    const int mes = cmbMeses(0).ListIndex() + 1;
    const int anio = vb::Variant(cmbAnios(0).Text()).CInt();
    const QDate primero = vb::DateSerial(anio, mes, 1);
    const int dias = vb::DateSerial(anio, mes + 1, 0).day();
    const QString titulo = cmbMeses(0).Text() + QStringLiteral(" / ") + cmbAnios(0).Text();
    EncabezadoPromedios(true);
    s.ForeColor(Negro);

    bool otraCuenta = false;
    Importes importes;
    Recorrido r = RecorridoDePromedios(primero, vb::DateSerial(anio, mes, dias), importes);
    r.porCuenta = [&] {
        if (otraCuenta) NuevaPagina();  // every account on a page of its own
        otraCuenta = true;
        ImprimeEncabezadoPromedio(2900, 5500, titulo);
        const QString cuenta = Campo(rsCuentas, "NUM_CUENTA");
        const vb::Currency apertura = SaldoAntesDe(*importes.antes, cuenta);
        vb::Currency saldo = apertura;
        Sumas mensual;
        vb::Integer dia;
        for (dia = 1; dia <= dias; ++dia) {
            const QDate fecha = vb::DateSerial(anio, mes, dia);
            const Sumas diaria = SumaEntre(*importes.periodo, cuenta, fecha, fecha);
            const QString numero = QString::number(static_cast<int32_t>(dia));
            s.MarkLine(report::ClaseRenglon::Detalle);
            ImprimeTexto(0, LineaActual, QStringLiteral("Dia"), numero, numero);
            ImprimeSaldosPromedio(LineaActual, saldo, diaria, true);
            LineaActual += 240;
            saldo += diaria.ingresos - diaria.egresos;
            mensual.ingresos += diaria.ingresos;
            mensual.egresos += diaria.egresos;
        }

        LineaActual += 240;
        s.BeginGroup();
        s.FontSize(9);
        s.FontBold(true);
        s.DrawLine(0, LineaActual, 10500, LineaActual);
        s.ForeColor(Azul);
        LineaActual += 240;
        // The month's own balances and mean close the account, under the days' columns.
        s.MarkLine(report::ClaseRenglon::Subtotal, 2);
        s.PrintText(780, LineaActual, QStringLiteral("Promedio del mes: "));
        LineaActual += 480;
        s.TextAlign(report::AlineaDerecha);
        s.PrintText(2400, LineaActual, QStringLiteral("Saldo Anterior"));
        s.PrintText(4200, LineaActual, QStringLiteral("Ingresos"));
        s.PrintText(6200, LineaActual, QStringLiteral("Egresos"));
        s.PrintText(8500, LineaActual, QStringLiteral("Saldo"));
        s.PrintText(10400, LineaActual, QStringLiteral("Promedio"));
        LineaActual += 240;
        ImprimeSaldosPromedio(LineaActual, apertura, mensual, true);
        s.FontBold(false);
        s.EndGroup();
    };
    RecorreBancos(r);
    SueltaConjuntos();
}

}  // namespace tesoreria
