#include "tesoreria/frmConTesoreria.h"

#include "ado/Connection.h"
#include "component/Catalogos.h"
#include "component/DatosEmpresa.h"
#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "vb/Fechas.h"
#include "vb/Formato.h"

namespace tesoreria {

using namespace controles;

namespace {

std::shared_ptr<frmConTesoreria> predeterminada;

constexpr report::VentanaConsulta::Funcion Funciones[] = {
    {u"CONSULTAR [F10]", vbKeyF10, 8, false},
    {u"SALIR [ESC]", vbKeyEscape, 7, true},
    {u"AYUDA [F1]", vbKeyF1, 10, false},
};

constexpr int AnchoListaConsultas = 470;  // pixels of cmbConsulta's drop-down part
constexpr int AniosAtras = 25;

const QString ListaBancos = QStringLiteral("SELECT COD_BANCO,NOM_BANCO FROM tblBancos ORDER BY COD_BANCO;");
const QString ListaConceptos =
    QStringLiteral("SELECT COD_CON,DES_CON FROM tblConceptosGyT WHERE COD_FOL='INGR' OR COD_FOL='EGRE';");
const QString ListaConciliaciones = QStringLiteral("SELECT FOL_CONCI FROM tblConciliaEnc;");

QString ListaCuentas(int32_t banco) {
    return QStringLiteral("SELECT NUM_CUENTA FROM tblCatCtasBancos WHERE COD_BANCO=") + QString::number(banco) +
           QStringLiteral(" ORDER BY NUM_CUENTA;");
}

// What the load reads from the database, for it to be asked in one go. The bank list starts on
// "TODOS", whose item data 0 names the accounts the load lists first.
QStringList ConsultasDeCarga() {
    return modConGastos::ConsultasDatosEmpresa(1) << ListaBancos << ListaCuentas(0) << ListaConceptos
                                                  << ListaConciliaciones << modConGastos::ConsultaCatalogo(4);
}

// Keyset cursor, read-only, command text: how the window opens the queries of its lists.
void AbreLista(ado::Recordset& rs, const QString& consulta) {
    rs.Open(consulta, modConGastos::ConexionModulo(), 1, 1, 1);
}

}  // namespace

QString TextoDinero(vb::Currency importe) { return QStringLiteral("$ ") + vb::FormatoMoneda(importe); }

frmConTesoreria::frmConTesoreria()
    : VentanaConsulta(QStringLiteral("frmConTesoreria"), QStringLiteral("CONSULTAS DE TESORERÍA")) {
    for (int i : {1, 2}) lblDatos(i).SetContainer(fmeDatos(1));
    for (int i : {3, 4}) lblDatos(i).SetContainer(fmeDatos(3));

    for (ComboBox* lista : {&cmbConsulta, &cmbTras, &cmbConceptos(0), &cmbConceptos(1), &cmbConciliaciones, &cmbMeses(0),
                            &cmbMeses(1), &cmbMeses(2), &cmbAnios(0), &cmbAnios(1), &cmbAnios(2), &cmbBancos, &cmbCuentas})
        lista->SetStyle(vbComboDropdownList);
    for (const Reporte& reporte : Reportes()) cmbConsulta.AddItem(QString::fromUtf16(reporte.titulo));
    for (ComboBox& meses : cmbMeses)
        for (const char16_t* mes : {u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto",
                                    u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"})
            meses.AddItem(QString::fromUtf16(mes));

    chkSinMovimientos.SetCaption(QStringLiteral("Sin Movimientos"));
    chkPosfechados.SetCaption(QStringLiteral("Posfechados"));
    chkEnTransito.SetCaption(QStringLiteral("En Tránsito"));
    chkConciliados.SetCaption(QStringLiteral("Conciliados"));
    optEstatus(0).SetCaption(QStringLiteral("Aplicado"));
    optEstatus(1).SetCaption(QStringLiteral("Cancelado"));
    optTipo(0).SetCaption(QStringLiteral("Detallado"));
    optTipo(1).SetCaption(QStringLiteral("Resumido"));
    const std::pair<int, const char16_t*> etiquetas[] = {{1, u"Banco"}, {2, u"Cuenta"},       {3, u"Del"},
                                                         {4, u"al"},    {7, u"Conciliación"}, {0, u"Concepto"},
                                                         {5, u"De"},    {6, u"a"}};
    for (const auto& [i, texto] : etiquetas) lblDatos(i).SetCaption(QString::fromUtf16(texto));
    lblDato(0).SetCaption(QStringLiteral("Estado"));
    lblDato(5).SetCaption(QStringLiteral("Tipo"));

    // The codes list only keeps the concept codes in step with the names; nobody looks at it.
    cmbConceptos(1).SetVisible(false);
    // Design-time choices: applied movements, detailed layout.
    optEstatus(0).SetValue(true);
    optTipo(0).SetValue(true);

    ConectaEventos();
}

frmConTesoreria::~frmConTesoreria() = default;

std::shared_ptr<frmConTesoreria> frmConTesoreria::Predeterminada() {
    if (!predeterminada) predeterminada = std::make_shared<frmConTesoreria>();
    return predeterminada;
}

void frmConTesoreria::ConectaEventos() {
    ConectaFormulario(cmdFunciones, Funciones);
    cmbConsulta.Click = Atendido([this] { cmbConsulta_Click(); });
    cmbBancos.Click = Atendido([this] { cmbBancos_Click(); });
    for (int i : {0, 1}) cmbConceptos(i).Click = Atendido([this, i] { cmbConceptos_Click(i); });
    cmbConciliaciones.Click = Atendido([this] { cmbConciliaciones_Click(); });
    chkEnTransito.Click = Atendido([this] { chkEnTransito_Click(); });
    chkConciliados.Click = Atendido([this] { chkConciliados_Click(); });
    for (int i : {0, 1}) optEstatus(i).Click = Atendido([this, i] { optEstatus_Click(i); });
}

void frmConTesoreria::Form_Load() {
    LeeDirConsultas();
    AplicaEstilo();
    CargaAnios();
    const QDate hoy = vb::Hoy();
    dtpFecha(0).SetValue(hoy);
    dtpFecha(1).SetValue(hoy);
    const ado::Adelanto carga(modConGastos::ConexionModulo(), ConsultasDeCarga());
    modConGastos::LeeDatosEmpresa(modConGastos::ConexionModulo(), 1);
    CargaBancos();
    CargaConceptos();
    CargaConciliaciones();
    modConGastos::CargaCatalogo(modConGastos::ConexionModulo(), 4, cmbTras, rsOpciones, true);
    cmbConsulta.SetListIndex(0);
    cmbConsulta.SetDroppedWidth(AnchoListaConsultas);
}

void frmConTesoreria::AplicaEstilo() {
    SetBackColor(ColorFondo);
    for (Frame& marco : fmeDatos) marco.SetBackColor(ColorFondo);
    for (OptionButton& opcion : optTipo) opcion.SetBackColor(ColorFondo);
    for (OptionButton& opcion : optEstatus) opcion.SetBackColor(ColorFondo);
    for (CheckBox* casilla : {&chkSinMovimientos, &chkEnTransito, &chkConciliados}) casilla->SetBackColor(ColorFondo);
    PintaFunciones();
}

void frmConTesoreria::CargaAnios() {
    const int anio = vb::Hoy().year();
    for (vb::Integer atras = AniosAtras; atras >= 0; atras -= 1)
        for (ComboBox& anios : cmbAnios) anios.AddItem(QString::number(anio - static_cast<int32_t>(atras)));
    for (int i : {0, 1, 2}) {
        cmbAnios(i).SetListIndex(AniosAtras);
        cmbMeses(i).SetListIndex(vb::Hoy().month() - 1);
    }
}

void frmConTesoreria::CargaBancos() {
    cmbBancos.AddItem(QStringLiteral("TODOS"));
    cmbBancos.SetItemData(cmbBancos.NewIndex(), 0);
    ado::Recordset rs;
    AbreLista(rs, ListaBancos);
    for (; !rs.EOF_(); rs.MoveNext()) {
        cmbBancos.AddItem(rs.Fields("NOM_BANCO").Value().CStr());
        cmbBancos.SetItemData(cmbBancos.NewIndex(), rs.Fields("COD_BANCO").Value().CLng());
    }
    rs.Close();
    cmbBancos.SetListIndex(0);
}

void frmConTesoreria::CargaConceptos() {
    cmbConceptos(0).AddItem(QStringLiteral("TODOS"));
    cmbConceptos(1).AddItem(QStringLiteral("TODOS"));
    ado::Recordset rs;
    AbreLista(rs, ListaConceptos);
    for (; !rs.EOF_(); rs.MoveNext()) {
        cmbConceptos(0).AddItem(rs.Fields("DES_CON").Value().CStr());
        cmbConceptos(1).AddItem(rs.Fields("COD_CON").Value().CStr());
    }
    rs.Close();
    cmbConceptos(0).SetListIndex(0);
}

void frmConTesoreria::CargaConciliaciones() {
    cmbConciliaciones.AddItem(QStringLiteral("TODAS"));
    cmbConciliaciones.SetItemData(cmbConciliaciones.NewIndex(), 0);
    ado::Recordset rs;
    AbreLista(rs, ListaConciliaciones);
    for (; !rs.EOF_(); rs.MoveNext()) {
        cmbConciliaciones.AddItem(rs.Fields("FOL_CONCI").Value().CStr());
        cmbConciliaciones.SetItemData(cmbConciliaciones.NewIndex(), 1);
    }
    rs = ado::Recordset();
    cmbConciliaciones.SetListIndex(0);
}

void frmConTesoreria::cmbBancos_Click() {
    cmbCuentas.Clear();
    cmbCuentas.AddItem(QStringLiteral("TODAS"));
    cmbCuentas.SetItemData(cmbCuentas.NewIndex(), 0);
    const int32_t banco = cmbBancos.ItemData(cmbBancos.ListIndex());
    ado::Recordset rs;
    AbreLista(rs, ListaCuentas(banco));
    for (; !rs.EOF_(); rs.MoveNext()) cmbCuentas.AddItem(rs.Fields("NUM_CUENTA").Value().CStr());
    rs.Close();
    cmbCuentas.SetListIndex(0);
}

void frmConTesoreria::cmbConceptos_Click(int) { cmbConceptos(1).SetListIndex(cmbConceptos(0).ListIndex()); }

void frmConTesoreria::Form_QueryUnload(int&, int) {
    rsBancos = ado::Recordset();
    rsCuentas = ado::Recordset();
    rsMovimientos = ado::Recordset();
    rsSaldos = ado::Recordset();
    if (rsOpciones.State() == 1) rsOpciones.Close();
    // The next MostrarConsulta builds a fresh window; whoever holds this one keeps it until done.
    if (predeterminada.get() == this) predeterminada.reset();
}

void frmConTesoreria::cmdFunciones_Click(int Index) {
    switch (Index) {
    case 0: GeneraConsulta(); break;
    case 1: controles::Unload(*this); break;
    case 2: AbreAyuda(); break;
    default: break;
    }
}

}  // namespace tesoreria
