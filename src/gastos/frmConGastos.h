#pragma once
// The expense query window: its controls, the filters each creditor report reads from them, the
// trees of agrupaciones and concepts, and its side of the page writer (page files, report
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
#include "controles/TextBox.h"
#include "controles/TreeView.h"
#include "report/Colores.h"
#include "report/VentanaConsulta.h"
#include "vb/Currency.h"
#include "vb/Integer.h"

#include <QHash>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace gastos {

using namespace report::colores;

class frmConGastos : public report::VentanaConsulta {
public:
    frmConGastos();
    ~frmConGastos() override;

    // The module's default instance, created on first reference and dropped when it unloads,
    // so every MostrarConsulta builds a fresh window. Keep the pointer while using the window.
    static std::shared_ptr<frmConGastos> Predeterminada();

    // Controls, each in its container, in the order of the window's table.
    controles::ComboBox cmbConsulta{*this, QStringLiteral("cmbConsulta")};
    controles::ControlArray<controles::CommandButton> cmdFunciones{*this, QStringLiteral("cmdFunciones"), {0, 1, 2, 3}};
    controles::ControlArray<controles::Frame> fmeDatos{*this, QStringLiteral("fmeDatos"), {0, 1, 2, 3, 4, 5}};
    controles::ControlArray<controles::ComboBox> cmbRegion{fmeDatos(5), QStringLiteral("cmbRegion"), {0, 1, 2}};
    controles::CheckBox chkRegion{fmeDatos(5), QStringLiteral("chkRegion")};
    controles::CommandButton cmdBuscar{*this, QStringLiteral("cmdBuscar")};
    controles::ControlArray<controles::CheckBox> chkStatus{fmeDatos(1), QStringLiteral("chkStatus"), {0, 1}};
    controles::ComboBox cmbTipCatalogo{*this, QStringLiteral("cmbTipCatalogo")};
    controles::Frame fmeConceptos{*this, QStringLiteral("fmeConceptos")};
    controles::Frame fmeAcreedores{*this, QStringLiteral("fmeAcreedores")};
    // tvwGral(0) sits in fmeAcreedores, tvwGral(1) in fmeConceptos.
    controles::ControlArray<controles::TreeView> tvwGral{fmeAcreedores, QStringLiteral("tvwGral"), {0, 1}};
    controles::TextBox txtFolioCheque{*this, QStringLiteral("txtFolioCheque")};
    controles::ControlArray<controles::OptionButton> optOrden{fmeDatos(0), QStringLiteral("optOrden"), {0, 1}};
    controles::ControlArray<controles::OptionButton> optTipo{fmeDatos(2), QStringLiteral("optTipo"), {0, 1}};
    controles::TextBox txtCodAcreedor{fmeDatos(3), QStringLiteral("txtCodAcreedor")};
    controles::CheckBox chkSinMovtos{fmeDatos(3), QStringLiteral("chkSinMovtos")};
    controles::CheckBox chkSinSaldo{fmeDatos(3), QStringLiteral("chkSinSaldo")};
    controles::Label Label1{fmeDatos(3), QStringLiteral("Label1")};
    controles::ControlArray<controles::DTPicker> dtpFecha{fmeDatos(4), QStringLiteral("dtpFecha"), {0, 1}};
    // lblDatos(3) and lblDatos(4) sit in fmeDatos(4), lblDatos(0) on the window.
    controles::ControlArray<controles::Label> lblDatos{fmeDatos(4), QStringLiteral("lblDatos"), {0, 3, 4}};
    controles::ControlArray<controles::Label> lblDato{*this, QStringLiteral("lblDato"), {0, 1, 5}};

    // Recordsets that live as long as the window.
    ado::Recordset rsArbol;
    ado::Recordset rsAcreedores;
    ado::Recordset rsSaldos;
    ado::Recordset rsMovtos;
    // One option list per region level: city, state, country.
    std::array<ado::Recordset, 3> rsOpciones;

    // True while the creditor list was opened grouped by agrupación; False at the start of a run.
    bool Agrupado = false;
    // Filters of the movements and petty-cash reports, rebuilt by their queries on every run: the
    // ticked concept codes ('A','B') and the ticked statuses ("1,2,", used without the last comma).
    QString ListaConceptos;
    QString ListaEstatus;

    // The creditor list a report reads: none, with status (the ledger and the balances), or the
    // catalog's, whose columns follow cmbTipCatalogo.
    enum class Acreedores { Ninguna, Estatus, Catalogo };
    // One report of the window: its entry in cmbConsulta, the filters it enables, its creditor
    // list, the routine that prints it and the headings each new page of it starts with.
    struct Reporte {
        struct Filtros {
            bool acreedores;  // the agrupaciones, the creditor's code and its search, the region
            bool fechaInicial, fechaFinal, tipo, orden, estatus, sinSaldo, sinMovtos, tipoCatalogo;
            bool porFolio;    // the cheque folio; the order reads "Por Folio" and governs the concepts
        };
        const char16_t* titulo;
        Filtros filtros;
        Acreedores acreedores;
        void (*imprime)(frmConGastos&);
        void (*encabezado)(frmConGastos&);
    };
    // The window's reports in the order cmbConsulta lists them.
    static std::span<const Reporte> Reportes();
    // The row of the entry chosen in cmbConsulta; null when none is.
    const Reporte* ReporteElegido() const;
    // The columns of the creditor list after the code, by the chosen report; none when it reads none.
    enum class Columnas { Estatus, Parametros, Directorio };
    std::optional<Columnas> ColumnasDelReporte() const;

    // Event handlers and procedures of the window.
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void cmdFunciones_Click(int Index) override;
    void BuscaAcreedor();
    void cmdBuscar_Click();
    void AplicaEstilo();
    void CargaRegiones();
    void CargaArbol(int Index);
    void cmbConsulta_Click();
    void optOrden_Click(int Index);
    void chkRegion_Click();
    void tvwGral_NodeCheck(int Index, controles::Node& Node);

    // Creditor list queries, shared by the catalog, ledger and balances reports.
    void ConsultaAcreedores();
    void ConsultaAcreedoresAgrupacion(bool& AgrupadoPor);
    // Grouped query when no code is typed and an agrupación is ticked, plain query otherwise.
    void EligeConsultaAcreedores();

    // Creditor catalog.
    void EncabezadoCatalogo();
    void ImprimeDirectorio();
    void ImprimeParametros();
    // The open balance of the creditor's status-1 charges due by today (Vencido) or after it, from
    // one query per kind over the creditor list, read on first use in a run.
    vb::Currency SaldoVencido(const QString& Codigo, bool Vencido);

    // Creditor balances and creditor ledger, with the column headings they share.
    void EncabezadoAuxSaldos(bool saldos);
    void ImprimeSaldos();
    void ImprimeAuxiliar();

    // Region filter line under the headings of the first page.
    void ImprimeRegion();

    // The concept codes ticked in tvwGral(1), each quoted, into ListaConceptos.
    void ArmaListaConceptos();

    // Expense movements.
    void ConsultaMovtosAcreedor();
    bool ConsultaMovtosGrupo();
    void EncabezadoMovimientos();
    void ImprimeMovimientos();

    // Petty-cash replenishment.
    void ConsultaReposicion();
    void EncabezadoReposicion();
    void ImprimeReposicion();

protected:
    // Page-writer hooks of this window.
    QString DirectorioPaginas() const override;
    void PreparaConsulta() override;
    QDate FechaConsulta(int indice) const override;
    void ImprimeConsulta() override;
    void EncabezadosNuevaPagina() override;

private:
    void ConectaEventos();
    // "TOTAL :" with the count of creditors and, where the report sums them, their amount.
    void ImprimeTotal(vb::Integer cuenta, std::optional<vb::Currency> importe = std::nullopt);
    void ImprimeEncabezadoAgrupacion();
    // The same agrupación as the group the lines after it belong to, for reports that mark theirs;
    // `nivel` 2 where the agrupación sits inside its group.
    void MarcaAgrupacion(int16_t nivel = 1);
    void ImprimeCatalogo(bool directorio);
    std::array<QHash<QString, vb::Variant>, 2> LeeSaldosVencidos();  // due and not yet due, per creditor code
    // Under the first page's headings: the typed code (in blue, size 9, bold) unless `conCodigo`
    // is false, the region line, then black regular text 100 twips lower.
    void ImprimeFiltroAcreedor(bool conCodigo = true);
    // Closes the creditor list at the end of a report, whatever state it is in.
    void CierraAcreedores();
    // One creditor's movements summed by class: charges ("GTOS"), credits ("AACR") and any other.
    struct SumasAcreedor {
        vb::Currency cargos, aacr, otras;
        vb::Currency Abonos() const { return aacr + otras; }
        vb::Currency Neto() const { return cargos - Abonos(); }  // any other class counts as a credit
        vb::Currency Anterior() const { return cargos - aacr; }  // other classes do not count
    };
    // Per key of the creditor list (ClaveDe), the sums by class of the creditor's movements of status
    // 1 or 5 that meet `condicion`, in one grouped query for the run (read through rsSaldos); no
    // entry for a creditor without any.
    QHash<QString, SumasAcreedor> SumasPorAcreedor(const QString& condicion);
    QString ConsultaSumasPorAcreedor(const QString& condicion) const;  // its query
    void ImprimeSaldoAcreedor(const QString& codigo, vb::Currency saldo, vb::Currency& total, vb::Integer& cuenta);
    void MarcaTotal(bool deAgrupacion, vb::Currency total);  // what a total line closes, for the exports
    void ImprimeTotalesSaldos(vb::Integer cuenta, vb::Currency total);  // "TOTALES :" of an ungrouped list

    // The ledger's sums over the creditors printed since the last group total.
    struct TotalesAuxiliar {
        vb::Currency anterior, cargos, abonos, final_;
    };
    // The ledger's walk: its form, the sums since the last group total, the group and agrupación
    // in course, and whether any creditor has been printed.
    struct MarchaAuxiliar {
        bool detallado = true;
        TotalesAuxiliar totales;
        vb::Integer grupoAnterior, agrupacionAnterior;
        bool impreso = false;
        std::optional<QString> grupoMarcado;  // the group the exports hold the lines in
    };
    // Grouped: the group's total when the group changes after a printed creditor, and the
    // agrupación's heading when the agrupación changes.
    void ImprimeCortesAuxiliar(MarchaAuxiliar& m);
    // For the exports: the group (level 1) when it changes, and the agrupación (level 2) when its
    // heading is printed (`encabezado`) or a new group opens under the same one.
    void MarcaGrupoAuxiliar(MarchaAuxiliar& m, bool encabezado);
    int16_t NivelAcreedor() const;  // a creditor's group level in the ledger's marks
    // Opens on rsMovtos the range's movements of every creditor of the list, with their concept's
    // and folio class's descriptions, in the walk's order and each creditor's by date and number.
    void AbreMovimientosAuxiliar(const QString& rango);
    QString ConsultaMovimientosAuxiliar(const QString& rango) const;  // its query
    // Whether rsMovtos stands on a movement of the creditor row rsAcreedores stands on.
    bool MovimientoDelAcreedor() const;
    void ImprimeSaldoTotalAuxiliar(int x, const QString& titulo, const TotalesAuxiliar& t, bool detallado);
    void ImprimeAcreedorDetallado(vb::Currency anterior, TotalesAuxiliar& t);
    void ImprimeCabezaAcreedor(vb::Currency anterior);  // code, name, status and balance brought forward
    // The movement rsMovtos stands on, carried into the running balance and the creditor's sums.
    void ImprimeMovimientoAuxiliar(vb::Currency& saldo, vb::Currency& cargos, vb::Currency& abonos);
    void ImprimeAcreedorResumido(vb::Currency anterior, const SumasAcreedor& sumas, TotalesAuxiliar& t);
    void AgregaFiltroRegion(QString& consulta);
    void AbreAcreedores();  // opens rsAcreedores on listaAcreedores_
    // The walk's key columns, as a select list, and the current row's key of a recordset that reads them.
    QString ClaveLista() const;
    QString ClaveDe(const ado::Recordset& rs) const;
    // " FROM ... WHERE ...": the creditor list's rows joined with their movements, then each of
    // `uniones` ("LEFT JOIN ... ON ..."), under the list's conditions and `condicion`.
    QString MovimientosDeLaLista(std::initializer_list<QString> uniones, const QString& condicion) const;
    void ArmaListaEstatus();
    void ImprimePeriodo();  // "Del: .. Al : .." under the movement and petty-cash headings

    // The movements' walk: the group's signed sum, whether its heading waits on its line for it,
    // and the agrupación in course.
    struct MarchaMovimientos {
        vb::Currency total;
        bool encabezadoPendiente = false;
        vb::Integer agrupacionAnterior = 0;
        bool detallado = true;
    };
    // The agrupación's heading when the grouped list enters another one.
    void ImprimeAgrupacionMovimientos(MarchaMovimientos& m);
    // A group's total: in "Detallado" when positive, under a rule; in "Resumido" on its heading's line.
    void ImprimeTotalMovimientos(MarchaMovimientos& m, const QString& etiqueta);
    // One movement's line in "Detallado".
    void ImprimeMovimiento(bool porAcreedor);
    void AbreGrupoMovimientos(MarchaMovimientos& m, bool porAcreedor);

    const Reporte* reporteEnCurso_ = nullptr;  // the row the run in course prints
    // The run's balances due by today and after it, per creditor code, once read.
    std::optional<std::array<QHash<QString, vb::Variant>, 2>> saldosVencidos_;
    // The creditor list the run walks, in parts: the tables after FROM, the conditions from WHERE on
    // and its ORDER BY. A set read beside the walk joins the same tables under the same conditions
    // and orders by the same columns first, so it holds the walk's keys only, in the walk's order.
    struct ListaAcreedores {
        QString tablas, condicion, orden;
    };
    // Select list and tables of the creditor list queries; they keep their text between runs.
    QString camposAcreedores_;
    ListaAcreedores listaAcreedores_;
};

}  // namespace gastos
