// Every treasury report and form drawn from the SQLite demo company and from the same company on
// each server must give the same listing, line for line.
#include "ListadosEnServidores.h"
#include "tesoreria/frmConTesoreria.h"

#include <functional>

namespace {

using Ventana = tesoreria::frmConTesoreria;

// The filters of one run, set on a freshly loaded window after the report is chosen.
struct Forma {
    const char* nombre;
    int consulta;
    std::function<void(Ventana&)> filtro;
};

// Month and year pair i of the average reports.
void EligeMes(Ventana& v, int i, int mes, int anio) {
    v.cmbMeses(i).SetListIndex(mes - 1);
    for (int j = 0; j < v.cmbAnios(i).ListCount(); ++j)
        if (v.cmbAnios(i).List(j) == QString::number(anio)) v.cmbAnios(i).SetListIndex(j);
}

// Of the reconciliations whose folio ends so, the lowest folio: the list has no order of its own.
void EligeFolio(Ventana& v, QStringView final) {
    int elegida = -1;
    for (int i = 1; i < v.cmbConciliaciones.ListCount(); ++i)
        if (v.cmbConciliaciones.List(i).endsWith(final) &&
            (elegida < 0 || v.cmbConciliaciones.List(i) < v.cmbConciliaciones.List(elegida)))
            elegida = i;
    if (elegida > 0) v.cmbConciliaciones.SetListIndex(elegida);
}

class TesoreriaEnAmbosMotores : public ListadosEnServidores {
protected:
    TesoreriaEnAmbosMotores() : ListadosEnServidores(false, QStringLiteral("TEMP")) {}

    QByteArray Corre(const char* variable, const Forma& forma) {
        ConectaModulo(variable);
        Ventana ventana;
        controles::Load(ventana);
        ventana.cmbConsulta.SetListIndex(forma.consulta);
        ventana.dtpFecha(0).SetValue(QDate(2025, 3, 1));
        ventana.dtpFecha(1).SetValue(QDate(2025, 3, 31));
        if (forma.filtro) forma.filtro(ventana);
        ventana.cmdFunciones(0).UserClick();
        return TerminaCorrida(variable);
    }

};

TEST_F(TesoreriaEnAmbosMotores, MismoListado) {
    const auto resumido = [](Ventana& v) { v.optTipo(1).UserClick(); };
    const Forma formas[] = {
        {"Catálogo de Cuentas", 0, {}},
        {"Relación detallada", 1, {}},
        {"Relación resumida", 1, resumido},
        {"Relación de cancelados", 1, [](Ventana& v) { v.optEstatus(1).UserClick(); }},
        {"Relación en tránsito", 1, [](Ventana& v) { v.chkEnTransito.UserClick(); }},
        {"Relación conciliados", 1, [](Ventana& v) { v.chkConciliados.UserClick(); }},
        // The concept list has no order of its own, so the concept is taken by its code.
        {"Relación de un concepto", 1, [](Ventana& v) {
             for (int i = 0; i < v.cmbConceptos(1).ListCount(); ++i)
                 if (v.cmbConceptos(1).List(i) == u"PAGPR") v.cmbConceptos(0).SetListIndex(i);
         }},
        {"Relación de un banco", 1, [](Ventana& v) { v.cmbBancos.SetListIndex(1); }},
        {"Auxiliar detallado", 2, {}},
        {"Auxiliar resumido sin movimientos", 2, [resumido](Ventana& v) { resumido(v); v.chkSinMovimientos.UserClick(); }},
        {"Por aplicación detallado", 7, {}},
        {"Por aplicación resumido", 7, resumido},
        {"Traspasos entre cuentas", 8, [](Ventana& v) { v.cmbTras.SetListIndex(0); }},
        {"Traspasos a terceros", 8, [](Ventana& v) { v.cmbTras.SetListIndex(1); }},
        {"Recepción de traspasos", 8, [](Ventana& v) { v.cmbTras.SetListIndex(2); }},
        {"Libro de Bancos", 3, {}},
        {"Libro de Bancos de un folio abierto", 3, [](Ventana& v) { EligeFolio(v, u"-2512"); }},
        {"Conciliaciones de dos años", 4, [](Ventana& v) {
             v.dtpFecha(0).SetValue(QDate(2024, 1, 1));
             v.dtpFecha(1).SetValue(QDate(2025, 12, 31));
         }},
        {"Promedio diario de febrero bisiesto", 5, [](Ventana& v) { EligeMes(v, 0, 2, 2024); }},
        {"Promedio mensual de noviembre a febrero", 6, [](Ventana& v) {
             EligeMes(v, 1, 11, 2024);
             EligeMes(v, 2, 2, 2025);
         }},
    };
    for (const Forma& forma : formas) {
        const QByteArray deSqlite = Corre("ZR_SQLITE_DEMO", forma);
        // The demo gives every form something to list.
        for (const char* servidor : Servidores())
            EXPECT_GT(ComparaListados(deSqlite, Corre(servidor, forma), forma.nombre, servidor), 40) << forma.nombre;
    }
}

}  // namespace
