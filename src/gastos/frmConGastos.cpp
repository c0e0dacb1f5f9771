#include "gastos/frmConGastos.h"

#include "ado/Connection.h"
#include "component/Catalogos.h"
#include "component/DatosEmpresa.h"
#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/arbol.h"
#include "vb/Fechas.h"

namespace gastos {

using namespace controles;

namespace {

std::shared_ptr<frmConGastos> predeterminada;

constexpr report::VentanaConsulta::Funcion Funciones[] = {
    {u"CONSULTAR [F10]", vbKeyF10, 8, false},
    {u"BUSCAR ACREEDOR [F6]", vbKeyF6, 13, true},
    {u"SALIR [ESC]", vbKeyEscape, 7, true},
    {u"AYUDA [F1]", vbKeyF1, 10, false},
};

// What the load reads from the database, for it to be asked in one go.
QStringList ConsultasDeCarga() {
    QStringList consultas;
    for (int nivel = 1; nivel <= 3; ++nivel) consultas << modConGastos::ConsultaCatalogo(nivel);
    return consultas << ConsultaArbol(0) << ConsultaArbol(1) << modConGastos::ConsultasDatosEmpresa(1);
}

}  // namespace

frmConGastos::frmConGastos() : VentanaConsulta(QStringLiteral("frmConGastos"), QStringLiteral("CONSULTAS DE GASTOS")) {
    tvwGral(1).SetContainer(fmeConceptos);
    lblDatos(0).SetContainer(*this);

    cmbConsulta.SetStyle(vbComboDropdownList);
    for (const Reporte& reporte : Reportes()) cmbConsulta.AddItem(QString::fromUtf16(reporte.titulo));
    cmbTipCatalogo.SetStyle(vbComboDropdownList);
    cmbTipCatalogo.AddItem(QStringLiteral("Directorio"));
    cmbTipCatalogo.AddItem(QStringLiteral("Parámetros"));

    chkRegion.SetCaption(QStringLiteral("Por Región"));
    chkStatus(0).SetCaption(QStringLiteral("Aplicados"));
    chkStatus(1).SetCaption(QStringLiteral("Cancelados"));
    fmeConceptos.SetCaption(QStringLiteral("Conceptos"));
    fmeAcreedores.SetCaption(QStringLiteral("Agrupaciones"));
    optOrden(0).SetCaption(QStringLiteral("Por Acreedor"));
    optOrden(1).SetCaption(QStringLiteral("Por Concepto"));
    optTipo(0).SetCaption(QStringLiteral("Detallado"));
    optTipo(1).SetCaption(QStringLiteral("Resumido"));
    fmeDatos(3).SetCaption(QStringLiteral("Acreedores"));
    chkSinMovtos.SetCaption(QStringLiteral("Sin Movimientos"));
    chkSinSaldo.SetCaption(QStringLiteral("Sin Saldo"));
    Label1.SetCaption(QStringLiteral("Código"));
    lblDatos(3).SetCaption(QStringLiteral("Del"));
    lblDatos(4).SetCaption(QStringLiteral("al"));
    lblDato(5).SetCaption(QStringLiteral("Tipo"));
    lblDato(0).SetCaption(QStringLiteral("Orden"));
    lblDato(1).SetCaption(QStringLiteral("Estado"));
    lblDatos(0).SetCaption(QStringLiteral("Cheque"));

    tvwGral(0).SetCheckboxes(true);
    tvwGral(1).SetCheckboxes(true);
    // Design-time choices: detailed layout, ordered by creditor.
    optOrden(0).SetValue(true);
    optTipo(0).SetValue(true);

    ConectaEventos();
}

frmConGastos::~frmConGastos() = default;

std::shared_ptr<frmConGastos> frmConGastos::Predeterminada() {
    if (!predeterminada) predeterminada = std::make_shared<frmConGastos>();
    return predeterminada;
}

void frmConGastos::ConectaEventos() {
    ConectaFormulario(cmdFunciones, Funciones);
    cmdBuscar.Click = Atendido([this] { cmdBuscar_Click(); });
    cmbConsulta.Click = Atendido([this] { cmbConsulta_Click(); });
    for (int i : {0, 1}) optOrden(i).Click = Atendido([this, i] { optOrden_Click(i); });
    chkRegion.Click = Atendido([this] { chkRegion_Click(); });
    for (int i : {0, 1})
        tvwGral(i).NodeCheck = [this, i](Node& nodo) { Atiende([this, i, &nodo] { tvwGral_NodeCheck(i, nodo); }); };
}

void frmConGastos::Form_Load() {
    const QDate hoy = vb::Hoy();
    dtpFecha(0).SetValue(hoy);
    dtpFecha(1).SetValue(hoy);

    LeeDirConsultas();
    AplicaEstilo();
    const ado::Adelanto carga(modConGastos::ConexionModulo(), ConsultasDeCarga());
    CargaRegiones();
    CargaArbol(0);
    CargaArbol(1);
    modConGastos::LeeDatosEmpresa(modConGastos::ConexionModulo(), 1);
    cmbConsulta.SetListIndex(0);
    cmbConsulta.SetDroppedWidth(610);
    cmbTipCatalogo.SetListIndex(0);
}

void frmConGastos::AplicaEstilo() {
    SetBackColor(ColorFondo);
    PintaFunciones();
    for (Frame& marco : fmeDatos) marco.SetBackColor(ColorFondo);
    for (OptionButton& opcion : optOrden) opcion.SetBackColor(ColorFondo);
    for (OptionButton& opcion : optTipo) opcion.SetBackColor(ColorFondo);
    for (CheckBox& casilla : chkStatus) casilla.SetBackColor(ColorFondo);
    chkRegion.SetBackColor(ColorFondo);
    chkSinSaldo.SetBackColor(ColorFondo);
    chkSinMovtos.SetBackColor(ColorFondo);
    fmeAcreedores.SetBackColor(ColorFondo);
    fmeConceptos.SetBackColor(ColorFondo);
    cmdBuscar.SetBackColor(ColorBoton);

}

void frmConGastos::CargaRegiones() {
    for (int nivel = 1; nivel <= 3; ++nivel)
        modConGastos::CargaCatalogo(modConGastos::ConexionModulo(), nivel, cmbRegion(nivel - 1),
                                    rsOpciones[static_cast<size_t>(nivel - 1)], false);
}

void frmConGastos::Form_QueryUnload(int&, int) {
    rsArbol = ado::Recordset();
    rsAcreedores = ado::Recordset();
    rsSaldos = ado::Recordset();
    rsMovtos = ado::Recordset();
    // The next MostrarConsulta builds a fresh window; whoever holds this one keeps it until done.
    if (predeterminada.get() == this) predeterminada.reset();
}

void frmConGastos::cmdFunciones_Click(int Index) {
    switch (Index) {
    case 0: GeneraConsulta(); break;
    case 1: BuscaAcreedor(); break;
    case 2: controles::Unload(*this); break;
    case 3: AbreAyuda(); break;
    default: break;
    }
}

}  // namespace gastos
