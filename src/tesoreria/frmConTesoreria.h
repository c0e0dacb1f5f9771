#pragma once
// The treasury query window: its controls, the filters each bank report reads from them, the
// bank → account walk the reports share, and its side of the page writer (page files, report
// dispatch, headings).
#include "ado/Recordset.h"
#include "controles/CheckBox.h"
#include "controles/ComboBox.h"
#include "controles/CommandButton.h"
#include "controles/ControlArray.h"
#include "controles/DTPicker.h"
#include "controles/Form.h"
#include "controles/Frame.h"
#include "controles/Label.h"
#include "controles/OptionButton.h"
#include "report/Colores.h"
#include "report/CortePorClave.h"
#include "report/VentanaConsulta.h"
#include "vb/Currency.h"
#include "vb/Integer.h"
#include "vb/Variant.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace tesoreria {

using namespace report::colores;

class frmConTesoreria : public report::VentanaConsulta {
public:
    frmConTesoreria();
    ~frmConTesoreria() override;

    // The module's default instance, created on first reference and dropped when it unloads,
    // so every MostrarConsulta builds a fresh window. Keep the pointer while using the window.
    static std::shared_ptr<frmConTesoreria> Predeterminada();

    // Controls, each in its container, in the order of the window's table.
    controles::ComboBox cmbConsulta{*this, QStringLiteral("cmbConsulta")};
    controles::ComboBox cmbTras{*this, QStringLiteral("cmbTras")};
    controles::ControlArray<controles::CommandButton> cmdFunciones{*this, QStringLiteral("cmdFunciones"), {0, 1, 2}};
    controles::CheckBox chkSinMovimientos{*this, QStringLiteral("chkSinMovimientos")};
    controles::ControlArray<controles::ComboBox> cmbConceptos{*this, QStringLiteral("cmbConceptos"), {0, 1}};
    controles::ComboBox cmbConciliaciones{*this, QStringLiteral("cmbConciliaciones")};
    controles::ControlArray<controles::ComboBox> cmbMeses{*this, QStringLiteral("cmbMeses"), {0, 1, 2}};
    controles::ControlArray<controles::ComboBox> cmbAnios{*this, QStringLiteral("cmbAnios"), {0, 1, 2}};
    controles::ControlArray<controles::Frame> fmeDatos{*this, QStringLiteral("fmeDatos"), {0, 1, 2, 3}};
    controles::ComboBox cmbBancos{fmeDatos(1), QStringLiteral("cmbBancos")};
    controles::ComboBox cmbCuentas{fmeDatos(1), QStringLiteral("cmbCuentas")};
    // lblDatos(1), lblDatos(2) sit in fmeDatos(1); lblDatos(3), lblDatos(4) in fmeDatos(3); the rest on the window.
    controles::ControlArray<controles::Label> lblDatos{*this, QStringLiteral("lblDatos"), {0, 1, 2, 3, 4, 5, 6, 7}};
    controles::CheckBox chkPosfechados{fmeDatos(0), QStringLiteral("chkPosfechados")};
    controles::CheckBox chkEnTransito{fmeDatos(0), QStringLiteral("chkEnTransito")};
    controles::CheckBox chkConciliados{fmeDatos(0), QStringLiteral("chkConciliados")};
    controles::ControlArray<controles::OptionButton> optEstatus{fmeDatos(0), QStringLiteral("optEstatus"), {0, 1}};
    controles::ControlArray<controles::OptionButton> optTipo{fmeDatos(2), QStringLiteral("optTipo"), {0, 1}};
    controles::ControlArray<controles::DTPicker> dtpFecha{fmeDatos(3), QStringLiteral("dtpFecha"), {0, 1}};
    controles::ControlArray<controles::Label> lblDato{*this, QStringLiteral("lblDato"), {0, 5}};

    // Report state: the SQL being built and the recordsets of the walk, each released after use.
    QString CadenaSQL;
    ado::Recordset rsBancos;
    ado::Recordset rsCuentas;
    ado::Recordset rsMovimientos;
    ado::Recordset rsSaldos;
    // The option list behind cmbTras.
    ado::Recordset rsOpciones;

    // One report of the window: its entry in cmbConsulta, the filters it enables, the routine that
    // prints it and the headings each new page of it starts with.
    struct Reporte {
        struct Filtros {
            int concepto, conciliacion, rangoMeses, mes, estatus, fechas, tipo, bancos, sinMovimientos;
            bool traspaso;  // the transfer concepts list
        };
        const char16_t* titulo;
        Filtros filtros;
        void (*imprime)(frmConTesoreria&);
        void (*encabezado)(frmConTesoreria&);
    };
    // The window's reports in the order cmbConsulta lists them.
    static std::span<const Reporte> Reportes();
    // The row of the entry chosen in cmbConsulta; null when none is.
    const Reporte* ReporteElegido() const;

    // Event handlers and procedures of the window.
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void cmdFunciones_Click(int Index) override;
    void AplicaEstilo();
    void cmbConsulta_Click();
    void cmbBancos_Click();
    void cmbConceptos_Click(int Index);
    void cmbConciliaciones_Click();
    void chkEnTransito_Click();
    void chkConciliados_Click();
    void optEstatus_Click(int Index);

    void HabilitaConcepto(bool b);
    void HabilitaEstatus(bool b);
    void HabilitaBancos(bool b);
    void HabilitaMes(bool b);
    void HabilitaRangoMeses(bool b);
    void HabilitaFechas(bool b);
    void HabilitaTipo(bool b);
    void HabilitaConciliacion(bool b);
    void HabilitaSinMovimientos(bool b);

    // Which accounts a movement or reconciliation query reads: those the walk visits, of the chosen
    // bank or of every bank in the bank list, and only the chosen account if there is one. Its rows
    // lead with the account number as ClaveCuenta; the accounts are joined (with their currency, as
    // the walk's account query joins it) on the query's own account column, and their bank code and
    // number lead its order, as the walk orders them, so a report takes each account's rows with a
    // report::CortePorClave.
    struct Alcance {
        static QString Columna();                         // the key column and a comma
        static QString Une(const QString& columna);       // the join, after the FROM's tables
        QString Condicion() const;                        // the accounts' part of the WHERE
        static QString OrdenadaPor(const QString& orden);  // " ORDER BY" with bank and account first
        static QString SumadaPor(const QString& columnas);  // " GROUP BY" the account and `columnas`
        QString banco;   // the bank's code; "" for every bank
        QString cuenta;  // the account's number; "" for every account
    };
    static constexpr const char* ClaveCuenta = "CLAVE_CUENTA";
    // Runs `consulta` into `rs`, its rows taken key by key of the field `clave`.
    report::CortePorClave PorClave(ado::Recordset& rs, const QString& consulta, const char* clave = ClaveCuenta);

    // The bank → account walk every bank report runs. The bank query, `bancos` followed by
    // `filtroBanco` (a bank code, "" for every bank, ordered), opens into rsBancos; the account
    // query, `cuentas` with the same bank and `filtroCuenta` (an account number, "" for every
    // account), runs once into rsCuentas ordered by bank code and number, and `porCuenta` sees
    // each account row under its bank. After a bank's accounts, `trasBanco` runs and then
    // `saltoTrasBanco` (by default a blank line of 240).
    // A set read for every account of the walk: `consulta` opens into `filas`, taken key by key of
    // `clave` through `corte`.
    struct Conjunto {
        std::optional<report::CortePorClave>* corte;
        ado::Recordset* filas;
        QString consulta;
        const char* clave = ClaveCuenta;
    };
    struct Recorrido {
        QString bancos = QStringLiteral("SELECT tblBancos.COD_BANCO,NOM_BANCO FROM tblBancos");
        QString cuentas;  // the account query up to its WHERE
        // What the report reads for all the accounts the walk visits at once, opened before the
        // first bank; the bank list, these sets and the account list are asked together.
        std::function<std::vector<Conjunto>(const Alcance&)> conjuntos;
        std::function<void()> alEmpezarBanco;
        std::function<void()> porCuenta;
        std::function<void()> trasBanco;
        std::function<void()> saltoTrasBanco;
    };
    void RecorreBancos(const Recorrido& recorrido, const QString& filtroBanco, const QString& filtroCuenta);
    // The same with the bank and account chosen in cmbBancos and cmbCuentas.
    void RecorreBancos(const Recorrido& recorrido);
    // The group headings of the walk, as the exports and the outline read them: the bank in
    // course (level 1) and the account in course inside it (level 2).
    void MarcaBanco();
    void MarcaCuenta();
    // The bank code chosen in cmbBancos, "" for "TODOS"; the account in cmbCuentas, "" for "TODAS".
    QString BancoElegido() const;
    QString CuentaElegida() const;
    // The date line under the column headings: the range, or the one date when both are equal.
    QString LineaFechas() const;

    // Account catalog.
    void EncabezadoCatalogoCuentas();
    void ImprimeCatalogoCuentas();
    // Its bank query (with executive and telephone) and account query up to its WHERE.
    static const QString BancosConEjecutivo;
    static const QString CuentasConRubro;

    // Bank movements: by date, by application date, and of one transfer concept.
    void EncabezadoMovimientosBancos(bool PorAplicacion);
    void EncabezadoTraspasos();
    void ImprimeRelacionMovimientos();
    void ImprimeMovtosAplicacion();
    void ImprimeTraspasos();
    // Each one's movement query (see Alcance), with the window's filters and FechaInicial..FechaFinal.
    QString ConsultaRelacion(const Alcance& cuentas) const;
    QString ConsultaAplicacion(const Alcance& cuentas) const;
    QString ConsultaTraspasos(const Alcance& cuentas, const QString& codigo) const;

    // Account ledger.
    void EncabezadoAuxiliarBancos();
    void ImprimeAuxiliarBancos();
    // Its movements of the range, and the sums of every class of movement before it by account
    // (see Alcance).
    QString ConsultaAuxiliar(const Alcance& cuentas) const;
    QString ConsultaSaldoAnterior(const Alcance& cuentas) const;
    // Its account query, with the opening balance, up to its WHERE.
    static const QString CuentasConSaldo;
    // SAL_INICIAL plus the deposits less the withdrawals dated before the range, cancelled ones apart,
    // of `cuenta` in `antes`, rows of ConsultaSaldoAnterior.
    static vb::Currency SaldoAnterior(report::CortePorClave& antes, const QString& cuenta, vb::Currency inicial);
    // The account's line with the balance brought forward, and the closing line with both sums.
    void ImprimeEncabezadoAuxiliar(vb::Currency saldo);
    void ImprimeCierreAuxiliar(vb::Currency ingresos, vb::Currency egresos, vb::Currency saldo);

    // The sets a run read all at once (rsMovimientos, rsSaldos), released when it ends.
    void SueltaConjuntos();

    // What the bank reports share. A column caption: left-aligned at x, or ending there.
    struct Columna {
        int x;
        QString texto;
        bool derecha = false;
    };
    using Columnas = std::vector<Columna>;
    // The page heading with this title, the bold column captions over a rule, and the date line.
    void ColumnasMovimientos(const QString& titulo, const Columnas& columnas);
    // A movement query: `columnas` and the concept's code and name of the movements of `cuentas`, with
    // their concept and status, that meet `condiciones` (each after " AND "), in `orden` in each
    // account. The movements of bank folios ("INGR", "EGRE"); those of a field in FechaInicial..FechaFinal.
    static QString ConsultaMovimientos(const Alcance& cuentas, const QString& columnas, const QString& condiciones,
                                       const QString& orden);
    static const QString DeBancos;
    QString EntreFechas(const QString& campo) const;
    // The status part of the movement queries: applied (all, in transit, reconciled) or cancelled.
    QString FiltroEstatus() const;
    // A field's text; "" for a Null.
    static QString Campo(const ado::Recordset& rs, const char* nombre);
    // The account query, with currency name and abbreviation, up to its WHERE.
    static const QString CuentasConMoneda;

    // Working values of one run of a movements report.
    struct Totales {
        vb::Currency concepto, cuenta, banco, global;
        QString conceptoAnterior;
        bool encabezado = false;      // the account's header is printed
        vb::Integer cuentasImpresas;  // account headers of the current bank
        vb::Integer bancosConTotal;   // banks whose total is not 0
        QString abrevia;              // the account's currency abbreviation
        bool enMonedaDeCuenta = false;  // totals in the account's currency, not in pesos
    };
    // The levels of a movements report's groups: the walk's bank and account, and the concept.
    static constexpr int16_t NivelBanco = 1, NivelCuenta = 2, NivelConcepto = 3;
    // The walk of a movements report: bank totals reset at each bank and, with `totalBanco`,
    // printed after it.
    Recorrido RecorridoDeMovimientos(Totales& t, bool totalBanco);
    // The account's line, which also heads its bank when it is the bank's first.
    void ImprimeEncabezadoCuenta(Totales& t);
    // A bold total line in size 9, marked as closing the group of `nivel` (0: the report): the
    // title at x, the total ending at 10500, in pesos or in the account's currency as `t` says;
    // blue or black when `azul` says, else in the colour in force.
    void ImprimeTotal(const QString& titulo, int x, int16_t nivel, vb::Currency total, const Totales& t,
                      std::optional<bool> azul);
    void ImprimeTotalCuenta(const Totales& t);
    void ImprimeTotalBanco(Totales& t);
    void ImprimeTotalGlobal(const Totales& t);
    // The two ends of a movement's line in the listings by date: its date and folio; then its status
    // on a shaded band, the account's currency, the amount, the exchange rate and the amount in pesos.
    void ImprimeFechaYFolio(int32_t y);
    void ImprimeEstatusEImportes(int32_t y, vb::Currency importe, vb::Currency enPesos);
    // The concept groups of the two listings by date: `consulta` gives the movement query,
    // `detalle` draws a movement (when detailed) and gives its amount for the totals.
    void RecorreMovimientosPorConcepto(bool PorAplicacion, const std::function<QString(const Alcance&)>& consulta,
                                       const std::function<vb::Currency()>& detalle);

    // Reconciliation list.
    void EncabezadoConciliaciones();
    void ImprimeConciliaciones();

    // The group headings still to mark in the ledger, the reconciliation reports and the averages:
    // a bank where the first of its accounts that prints puts it; in the bank book, an account and
    // a reconciliation at their first heading, not on the pages that heading is carried over to.
    struct PorMarcar {
        bool banco = false, cuenta = false, conciliacion = false;
    } porMarcar;
    // A walk over the accounts of `cuentas` (up to its WHERE) with each bank still to mark.
    Recorrido RecorridoMarcado(const QString& cuentas);
    // An account heading's line, in the font and colour in force: the bank's name (cut to 22) at
    // x 0, marked as the bank if still to mark (true: the account is left for its own text) or
    // else as the account, which then heads the whole line; nothing marked unless `marcar`.
    bool ImprimeBancoDeCuenta(bool marcar = true);
    // Then "Cuenta: " and "Moneda: " at their x, the account marked when `cuentaAparte` and the
    // currency, when `marcar`, as a value of the heading.
    void ImprimeCuentaYMoneda(int xCuenta, int xMoneda, bool cuentaAparte, bool marcar = true);
    // Texts that stand for a value, marked under `columna` and printed at (x, y): a whole text
    // printed as `impreso` (cut, say); an amount field in "#,##0.00", exact unless `marcado` is
    // false; a date field as its text; the movement's exchange rate in "#,##0.00", marked as stored,
    // as the amounts in pesos are figured with. A Null prints empty and is not marked.
    void ImprimeTexto(int32_t x, int32_t y, const QString& columna, const QString& valor, const QString& impreso);
    void ImprimeImporte(int32_t x, int32_t y, const QString& columna, const vb::Variant& importe, bool marcado = true);
    void ImprimeFecha(int32_t x, int32_t y, const QString& columna, const vb::Variant& fecha);
    void ImprimeTipoDeCambio(int32_t x, int32_t y);

    // Bank book: each reconciliation on its own page, its summary and its movements' status.
    void EncabezadoLibroBancos();
    void ImprimeLibroBancos();
    // The movements of the reconciliation `conciliacion` in `movimientos` (rows of
    // ConsultaMovimientosLibro, its folio as ClaveConciliacion), each with its status.
    void ImprimeMovimientosLibro(report::CortePorClave& movimientos, const QString& conciliacion, bool cerrada);
    static constexpr const char* ClaveConciliacion = "CLAVE_CONCILIACION";

    // Average balances: every day of one month, or every month of a range.
    void EncabezadoPromedios(bool Diario);
    void ImprimePromedioDiario();
    void ImprimePromedioMensual();
    // The account query with the currency name only, up to its WHERE.
    static const QString CuentasConNombreMoneda;
    // The queries of these reports, for the accounts of the walk (see Alcance): the reconciliations
    // ending in the range (the list), or by `folio` or range (the book); the movements the book lists
    // for each of those reconciliations; the amounts (IMP_MOV, CON_GRL) before `dia`, and those
    // (with FEC_MOV, by date) of one day or from `desde` to `hasta`.
    QString ConsultaConciliaciones(const Alcance& cuentas) const;
    // Their SELECT, FROM and the accounts' part of the WHERE.
    static QString EncabezadosConciliacion(const Alcance& cuentas);
    QString ConsultaLibro(const Alcance& cuentas, const QString& folio) const;
    QString ConsultaMovimientosLibro(const Alcance& cuentas, const QString& folio) const;
    // The deposits' and withdrawals' sums before `dia` by account, and the movements of a range.
    static QString ConsultaSaldoAntesDe(const Alcance& cuentas, QDate dia);
    static QString ConsultaImportes(const Alcance& cuentas, QDate desde, QDate hasta);
    // Deposits and withdrawals. Agrega counts the current row (IMP_MOV, CON_GRL) of `rs`; a Null or
    // non-numeric amount and other classes count for nothing.
    struct Sumas {
        vb::Currency ingresos, egresos;
        void Agrega(const ado::Recordset& rs);
    };
    // The movements' balance before `dia`, cancelled ones apart, from 0, of `cuenta` in `antes`,
    // rows of ConsultaSaldoAntesDe.
    static vb::Currency SaldoAntesDe(report::CortePorClave& antes, const QString& cuenta);
    // The sums of the rows of `cuenta` in `importes` (rows of ConsultaImportes) dated from `desde` to
    // `hasta`; its rows dated before `desde` are passed over.
    static Sumas SumaEntre(report::CortePorClave& importes, const QString& cuenta, QDate desde, QDate hasta);
    // The walk of an average report: per bank, the movements before `desde` into `importes.antes` and
    // those from `desde` to `hasta` into `importes.periodo`, each taken account by account.
    struct Importes {
        std::optional<report::CortePorClave> antes, periodo;
    };
    Recorrido RecorridoDePromedios(QDate desde, QDate hasta, Importes& importes);
    // The bank, account and currency in blue over the average lines; `mes` appended when given.
    void ImprimeEncabezadoPromedio(int xCuenta, int xMoneda, const QString& mes);
    // One line of an average report: opening balance, deposits, withdrawals, closing balance and
    // the mean of opening and closing, each marked under the caption of its column (the closing
    // one is the day's or the month's).
    void ImprimeSaldosPromedio(int32_t y, vb::Currency saldo, const Sumas& sumas, bool Diario);

protected:
    // Page-writer hooks of this window.
    QString DirectorioPaginas() const override;
    QDate FechaConsulta(int indice) const override;
    void ImprimeConsulta() override;
    void EncabezadosNuevaPagina() override;

private:
    void ConectaEventos();
    void CargaAnios();
    void CargaBancos();
    void CargaConceptos();
    void CargaConciliaciones();

    const Reporte* reporteEnCurso_ = nullptr;  // the row the run in course prints
};

// A reconciliation's closed flag; Null counts as open.
bool EstaCerrada(const vb::Variant& cerrada);
// Money as the bank reports print it: "$ " and "#,##0.00".
QString TextoDinero(vb::Currency importe);
using report::UltimosDiez;
// The lines of a transfer's notes: up to the first period from the 28th character, then pieces
// of at most 120 characters, or up to the first comma from the 120th.
QStringList LineasDeNotas(const QString& notas);

}  // namespace tesoreria
