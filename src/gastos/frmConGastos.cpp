#include "gastos/frmConGastos.h"

#include "ado/Connection.h"
#include "component/Catalogos.h"
#include "component/DatosEmpresa.h"
#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "controles/Screen.h"
#include "gastos/Colores.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Fechas.h"

namespace gastos {

using namespace controles;

namespace {

std::shared_ptr<frmConGastos> predeterminada;

// Counts how deep in event handlers the window is, for as long as it lives.
struct Nivel {
    explicit Nivel(int& n) : n_(++n) {}
    ~Nivel() { --n_; }
    int& n_;
};

}  // namespace

frmConGastos::frmConGastos() : Form(QStringLiteral("frmConGastos")) {
    SetCaption(QStringLiteral("CONSULTAS DE GASTOS"));
    SetKeyPreview(true);

    tvwGral(1).SetContainer(fmeConceptos);
    lblDatos(0).SetContainer(*this);

    cmbConsulta.SetStyle(vbComboDropdownList);
    for (const Reporte& reporte : Reportes()) cmbConsulta.AddItem(QString::fromUtf16(reporte.titulo));
    cmbTipCatalogo.SetStyle(vbComboDropdownList);
    cmbTipCatalogo.AddItem(QStringLiteral("Directorio"));
    cmbTipCatalogo.AddItem(QStringLiteral("Parámetros"));

    cmdFunciones(0).SetCaption(QStringLiteral("CONSULTAR [F10]"));
    cmdFunciones(1).SetCaption(QStringLiteral("BUSCAR ACREEDOR [F6]"));
    cmdFunciones(2).SetCaption(QStringLiteral("SALIR [ESC]"));
    cmdFunciones(3).SetCaption(QStringLiteral("AYUDA [F1]"));
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
    Load = [this] {
        // Load is not a user's action: its errors go back to whoever showed the window, and the
        // events it raises from code let their errors through to it.
        Nivel nivel(profundidadEventos_);
        Form_Load();
    };
    KeyDown = [this](int& KeyCode, int& Shift) { Atiende([&] { Form_KeyDown(KeyCode, Shift); }); };
    QueryUnload = [this](int& Cancel, int UnloadMode) { Form_QueryUnload(Cancel, UnloadMode); };
    for (int i : {0, 1, 2, 3}) cmdFunciones(i).Click = [this, i] { Atiende([this, i] { cmdFunciones_Click(i); }); };
    cmdBuscar.Click = [this] { Atiende([this] { cmdBuscar_Click(); }); };
    cmbConsulta.Click = [this] { Atiende([this] { cmbConsulta_Click(); }); };
    for (int i : {0, 1}) optOrden(i).Click = [this, i] { Atiende([this, i] { optOrden_Click(i); }); };
    chkRegion.Click = [this] { Atiende([this] { chkRegion_Click(); }); };
    for (int i : {0, 1})
        tvwGral(i).NodeCheck = [this, i](Node& nodo) { Atiende([this, i, &nodo] { tvwGral_NodeCheck(i, nodo); }); };
}

void frmConGastos::Atiende(const std::function<void()>& manejador) {
    // An event raised from code inside another handler lets its error through to that handler.
    if (profundidadEventos_ > 0) return manejador();
    try {
        Nivel nivel(profundidadEventos_);
        manejador();
    } catch (const vb::ErrorEjecucion& e) {
        Screen.SetMousePointer(vbDefault);
        component::MuestraError(e.numero(), e.descripcion());
    }
}

void frmConGastos::Form_Load() {
    const QDate hoy = vb::Hoy();
    dtpFecha(0).SetValue(hoy);
    dtpFecha(1).SetValue(hoy);

    LeeDirConsultas();
    AplicaEstilo();
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
    for (CommandButton& boton : cmdFunciones) boton.SetBackColor(ColorBoton);
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

    // Item numbers of the shared image list.
    cmdFunciones(0).SetPicture(8);
    cmdFunciones(1).SetPicture(13);
    cmdFunciones(1).SetDisabledPicture(13);
    cmdFunciones(2).SetPicture(7);
    cmdFunciones(2).SetDisabledPicture(7);
    cmdFunciones(3).SetPicture(10);
}

void frmConGastos::CargaRegiones() {
    for (int nivel = 1; nivel <= 3; ++nivel)
        modConGastos::CargaCatalogo(modConGastos::ConexionModulo(), nivel, cmbRegion(nivel - 1),
                                    rsOpciones[static_cast<size_t>(nivel - 1)], false);
}

void frmConGastos::Form_KeyDown(int& KeyCode, int& Shift) {
    switch (KeyCode) {
    case vbKeyF10: cmdFunciones_Click(0); break;
    case vbKeyF6: cmdFunciones_Click(1); break;
    case vbKeyEscape: cmdFunciones_Click(2); break;
    case vbKeyF1:
        cmdFunciones_Click(3);
        KeyCode = 0;
        Shift = 0;
        break;
    default: break;
    }
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
    case 3:
        if (auto& abre = component::ServiciosAnfitrion().abreDocumento) abre(component::RutaLocal(modConGastos::ArchivoAyuda));
        break;
    default: break;
    }
}

}  // namespace gastos
