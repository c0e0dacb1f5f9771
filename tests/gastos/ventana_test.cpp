// The expense window on the headless controls: what loading leaves, which filters each report
// enables, the trees, the keys, the searches, and errors that must not leave a handler.
#include "BaseGastos.h"
#include "ado/Connection.h"
#include "component/DatosEmpresa.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"

#include <sqlite3.h>

using namespace controles;
using prueba::VentanaGastos;

namespace {

class Ventana : public VentanaGastos {
protected:
    void InstalaBuscadores() {
        component::ServiciosAnfitrion().buscadorAcreedores = [this] { return std::make_unique<dobles::BuscaAcreedores>(acreedores); };
        component::ServiciosAnfitrion().buscadorCheques = [this] { return std::make_unique<dobles::BuscaCheques>(cheques); };
    }
    QStringList Claves(int arbol) const {
        QStringList r;
        for (const Node& n : ventana->tvwGral(arbol).Nodes())
            r << (n.Parent() ? n.Parent()->Key() + u'/' : QString()) + n.Key() + u'=' + n.Text();
        return r;
    }
    dobles::Busqueda acreedores, cheques;
};

TEST_F(Ventana, LaCargaDejaFechasListasArbolesYElCatalogoElegido) {
    gastos::frmConGastos& v = *ventana;
    EXPECT_EQ(v.dtpFecha(1).Value(), QDate(2024, 6, 15));
    EXPECT_EQ(modConGastos::DirConsultas, raiz.path() + QStringLiteral("\\PAGINAS\\"));
    EXPECT_EQ(modConGastos::NombreEmpresa, "Comercial de Prueba");

    // Region lists filled by code with nothing chosen.
    EXPECT_EQ(v.cmbRegion(1).List(1), "Nuevo León");
    for (ComboBox& c : v.cmbRegion) EXPECT_EQ(c.ListIndex(), -1);

    // Consecutive rows of one group give one group node holding all their children.
    EXPECT_EQ(Claves(0), (QStringList{"G1=Nacionales", "G1/A11=Limpieza", "G1/A10=Papelería", "G2=Extranjeros",
                                      "G2/A20=Importados"}));
    EXPECT_EQ(Claves(1), (QStringList{"GAACR=Abonos", "GAACR/ADEVOL=Devolución", "GGTOS=Gastos", "GGTOS/ALUZ=Luz",
                                      "GGTOS/ARENTA=Renta"}));

    // The catalog is chosen, and its choice has run, before the list is widened.
    EXPECT_EQ(std::make_pair(v.cmbConsulta.ListIndex(), v.cmbConsulta.DroppedWidth()), std::make_pair(0, 610));
    EXPECT_EQ(v.cmbTipCatalogo.ListIndex(), 0);
    EXPECT_TRUE(v.cmbTipCatalogo.Enabled());
}

TEST_F(Ventana, UnArbolQueNoSeLlenaImpideAbrirLaVentana) {
    modConGastos::Conexion->Close();
    BaseSqlite rota((prueba::Esquema() + "DROP TABLE tblAgrProveedor;").c_str());
    ASSERT_TRUE(modConGastos::Conecta(rota.Cadena()));
    gastos::frmConGastos otra;
    // The load is not a user's action: its error goes back to whoever opened the window.
    EXPECT_NE(NumeroDeError([&] { controles::Load(otra); }), 0);
    EXPECT_TRUE(guion.errores.isEmpty());
}

// What the host's database holds where an amount or a date should be stops the run with an error
// naming the column and the value, instead of printing 0.00; no page is left, the host may write,
// and the next run, once the data is right, prints.
TEST_F(Ventana, UnDatoQueNoEsLoQueDiceSuColumnaDetieneLaCorridaYLaVentanaSigue) {
    gastos::frmConGastos& v = *ventana;
    const struct {
        int consulta;
        const char* dato;
        const char* error;
    } casos[] = {
        {2, "UPDATE tblGastosEnc SET IMP_MOV='abc' WHERE NUM_MOV=2",
         "13 No coinciden los tipos: tblGastosEnc, columna IMP_MOV, registro NUM_MOV=2: 'abc'"},
        // "Saldos" only sums the amounts: the column is checked before any sum reads it.
        {3, "UPDATE tblGastosEnc SET IMP_MOV='NaN' WHERE NUM_MOV=7",
         "13 No coinciden los tipos: tblGastosEnc, columna IMP_MOV, registro NUM_MOV=7: 'NaN'"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dato);
        v.cmbConsulta.SetListIndex(c.consulta);
        v.dtpFecha(0).SetValue(QDate(2024, 5, 1));
        v.dtpFecha(1).SetValue(QDate(2024, 6, 30));
        const report::Documento bueno = ConsultaLimpia();
        ASSERT_FALSE(bueno.empty());
        ASSERT_EQ(base.Escribe(c.dato), SQLITE_OK);
        EXPECT_FALSE(Consulta());
        EXPECT_EQ(guion.errores, QStringList{QString::fromUtf8(c.error)});
        EXPECT_TRUE(ArchivosDePagina().isEmpty());
        EXPECT_TRUE(v.Loaded());
        guion.errores.clear();
        // The failed run holds nothing: the host writes at once.
        ASSERT_EQ(base.Escribe("UPDATE tblGastosEnc SET IMP_MOV=200.25 WHERE NUM_MOV=2;"
                               "UPDATE tblGastosEnc SET IMP_MOV=99.99 WHERE NUM_MOV=7;"),
                  SQLITE_OK);
        EXPECT_EQ(ConsultaLimpia(), bueno);
    }
}

// What each report offers the user, and what it keeps out of reach.
TEST_F(Ventana, CadaConsultaHabilitaSusFiltros) {
    gastos::frmConGastos& v = *ventana;
    const struct {
        int consulta;
        std::vector<Control*> habilitados, deshabilitados;
    } tabla[] = {
        {0, {&v.cmbTipCatalogo, &v.txtCodAcreedor}, {&v.dtpFecha(0), &v.dtpFecha(1), &v.txtFolioCheque}},
        {1, {&v.dtpFecha(0), &v.chkSinSaldo, &v.chkSinMovtos}, {&v.cmbTipCatalogo, &v.chkStatus(0)}},
        {2, {&v.chkStatus(0), &v.chkStatus(1), &v.optOrden(1)}, {&v.txtFolioCheque, &v.cmbTipCatalogo}},
        {3, {&v.dtpFecha(1), &v.chkSinSaldo}, {&v.dtpFecha(0), &v.chkSinMovtos}},
        {4, {&v.txtFolioCheque, &v.cmdBuscar, &v.dtpFecha(0)}, {&v.txtCodAcreedor, &v.chkRegion}},
    };
    for (const auto& e : tabla) {
        v.cmbConsulta.SetListIndex(e.consulta);
        for (Control* c : e.habilitados) EXPECT_TRUE(c->Enabled()) << e.consulta << " " << c->FullName().toStdString();
        for (Control* c : e.deshabilitados) EXPECT_FALSE(c->Enabled()) << e.consulta << " " << c->FullName().toStdString();
        const bool caja = e.consulta == 4;
        EXPECT_EQ(v.optOrden(0).Caption(), caja ? "Por Folio" : "Por Acreedor");
        // The field out of reach looks it.
        EXPECT_NE(v.txtCodAcreedor.BackColor() == vbWindowBackground, caja);
        EXPECT_EQ(v.txtFolioCheque.BackColor() == vbWindowBackground, caja);
    }
    // Back from petty cash, the common step gives everything back.
    v.cmbConsulta.SetListIndex(1);
    EXPECT_EQ(v.optOrden(0).Caption(), "Por Acreedor");
    EXPECT_TRUE(v.txtCodAcreedor.Enabled());
    EXPECT_TRUE(v.chkRegion.Enabled());
}

TEST_F(Ventana, ConceptosYRegionesSiguenASusInterruptores) {
    gastos::frmConGastos& v = *ventana;
    // Petty cash filters by concept only when ordered by concept; other reports ignore the order.
    v.cmbConsulta.SetListIndex(4);
    v.optOrden(1).UserClick();
    EXPECT_TRUE(v.tvwGral(1).Enabled() && v.fmeConceptos.Enabled());
    v.optOrden(0).UserClick();
    EXPECT_FALSE(v.tvwGral(1).Enabled() || v.fmeConceptos.Enabled());
    v.cmbConsulta.SetListIndex(2);
    v.optOrden(0).UserClick();
    EXPECT_TRUE(v.tvwGral(1).Enabled());

    // The region lists follow the box, except under petty cash, where the box itself is disabled.
    v.chkRegion.UserClick();
    for (ComboBox& c : v.cmbRegion) EXPECT_TRUE(c.Enabled());
    v.cmbConsulta.SetListIndex(4);
    for (ComboBox& c : v.cmbRegion) EXPECT_FALSE(c.Enabled());
    v.cmbConsulta.SetListIndex(0);
    EXPECT_TRUE(v.cmbRegion(1).Enabled());
    v.chkRegion.UserClick();
    for (ComboBox& c : v.cmbRegion) EXPECT_FALSE(c.Enabled());
}

// A quote in the typed code cannot break a creditor report's query or widen it: nobody matches.
TEST_F(Ventana, UnCodigoConComillaNoAmpliaLaConsulta) {
    const QString codigo = QStringLiteral("A001' OR '1'='1");
    for (int consulta : {0, 1, 2, 3}) {
        SCOPED_TRACE(consulta);
        ventana->cmbConsulta.SetListIndex(consulta);
        ventana->txtCodAcreedor.SetText(codigo);
        ventana->dtpFecha(0).SetValue(QDate(2024, 5, 1));
        const report::Documento doc = ConsultaLimpia();
        EXPECT_EQ(Busca(doc, QStringLiteral("Acreedor:   ") + codigo).size(), 1u);
        EXPECT_TRUE(Busca(doc, QStringLiteral("A001")).empty() && Busca(doc, QStringLiteral("A003")).empty());
    }
}

TEST_F(Ventana, LasMarcasPasanEntreGrupoYAgrupaciones) {
    const auto marcado = [this](const char* clave) { return ventana->tvwGral(0).Nodes().Item(clave).Checked(); };
    Marca(0, QStringLiteral("G1"));
    EXPECT_TRUE(ventana->tvwGral(0).Nodes().Item(QStringLiteral("G1")).Expanded());
    EXPECT_TRUE(marcado("A11") && marcado("A10") && !marcado("A20"));
    Marca(0, QStringLiteral("G1"));
    EXPECT_FALSE(marcado("A11") || marcado("A10"));

    Marca(0, QStringLiteral("A10"));
    EXPECT_TRUE(marcado("G1"));
    Marca(0, QStringLiteral("A11"));
    Marca(0, QStringLiteral("A10"));  // one child still ticked keeps the group
    EXPECT_TRUE(marcado("G1"));
    Marca(0, QStringLiteral("A11"));  // the last one unticked clears it
    EXPECT_FALSE(marcado("G1"));
}

TEST_F(Ventana, TeclasYBusquedas) {
    InstalaBuscadores();
    modConGastos::ManejadorBD = 255;
    gastos::frmConGastos& v = *ventana;
    const QString dir = raiz.path() + QStringLiteral("\\PAGINAS\\");

    // F6 searches even while petty cash has the button and the code disabled; cancelled, the code stays.
    v.cmbConsulta.SetListIndex(4);
    v.txtCodAcreedor.SetText(QStringLiteral("A002"));
    EXPECT_EQ(v.KeyDownFrom(&v.txtFolioCheque, vbKeyF6, 0), vbKeyF6);
    EXPECT_EQ(v.txtCodAcreedor.Text(), "A002");
    EXPECT_EQ(acreedores.argumentos,
              (QStringList{base.Cadena(), "255", "C:\\Ayuda\\Gastos.chm", dir, "ACREEDORES", "", "0"}));
    acreedores.respuesta = QStringLiteral("A003");
    v.KeyDownFrom(nullptr, vbKeyF6, 0);
    EXPECT_EQ(v.txtCodAcreedor.Text(), "A003");

    cheques.respuesta = QStringLiteral("CH-0042");
    v.cmdBuscar.UserClick();
    EXPECT_EQ(v.txtFolioCheque.Text(), "CH-0042");
    EXPECT_EQ(cheques.argumentos,
              (QStringList{base.Cadena(), "255", "C:\\Ayuda\\Gastos.chm", dir, "2", "57", "", "", "", "", ""}));

    // F1 opens the help and goes no further; F10 runs the report; other keys reach the control.
    EXPECT_EQ(v.KeyDownFrom(&v.txtFolioCheque, vbKeyF1, vbShiftMask), 0);
    EXPECT_EQ(ayudas, QStringList{"C:/Ayuda/Gastos.chm"});
    EXPECT_EQ(v.KeyDownFrom(nullptr, vbKeyF10, 0), vbKeyF10);
    EXPECT_EQ(puerto.veces, 1);
    EXPECT_EQ(v.KeyDownFrom(&v.txtCodAcreedor, vbKeyF2, 0), vbKeyF2);

    // ESC unloads the window and drops the module's instance.
    auto predeterminada = gastos::frmConGastos::Predeterminada();
    controles::Load(*predeterminada);
    predeterminada->KeyDownFrom(nullptr, vbKeyEscape, 0);
    EXPECT_FALSE(predeterminada->Loaded());
    EXPECT_NE(gastos::frmConGastos::Predeterminada(), predeterminada);
    EXPECT_TRUE(guion.errores.isEmpty());
}

TEST_F(Ventana, UnErrorEnUnManejadorSeMuestraYLaVentanaSigue) {
    // No search component installed: the click reports it and the window goes on.
    EXPECT_EQ(NumeroDeError([&] { ventana->cmdFunciones(1).UserClick(); }), 0);
    ASSERT_EQ(guion.errores.size(), 1);
    EXPECT_TRUE(guion.errores[0].startsWith(u"429 "));
    EXPECT_TRUE(ventana->Loaded());
    ventana->cmbConsulta.SetListIndex(2);
    EXPECT_TRUE(ventana->optOrden(0).Enabled());
}

}  // namespace
