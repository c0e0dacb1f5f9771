// The treasury window on the headless controls: what loading leaves, which filters each report
// enables and shows, the bank and account lists, the status boxes, the reconciliation folio, keys,
// help and closing.
#include "BaseTesoreria.h"
#include "ado/Connection.h"
#include "component/DatosEmpresa.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"

using namespace controles;
using prueba::VentanaTesoreria;

namespace {

class Ventana : public VentanaTesoreria {
protected:
    static QStringList Lista(const ComboBox& c) {
        QStringList r;
        for (int i = 0; i < c.ListCount(); ++i) r << c.List(i);
        return r;
    }
};

TEST_F(Ventana, LaCargaLlenaListasFechasYColores) {
    tesoreria::frmConTesoreria& v = *ventana;
    EXPECT_EQ(v.Caption(), "CONSULTAS DE TESORERÍA");
    EXPECT_EQ(v.dtpFecha(0).Value(), QDate(2024, 6, 15));
    EXPECT_EQ(v.dtpFecha(1).Value(), QDate(2024, 6, 15));
    EXPECT_EQ(modConGastos::NombreEmpresa, "Comercial de Prueba");

    // Years end at the current one and start 25 earlier; the current month and year are chosen in every pair.
    for (int i : {0, 1, 2}) {
        ASSERT_EQ(v.cmbAnios(i).ListCount(), 26);
        EXPECT_EQ(v.cmbAnios(i).List(0), "1999");
        EXPECT_EQ(v.cmbAnios(i).Text(), "2024");
        EXPECT_EQ(v.cmbMeses(i).Text(), "Junio");
        EXPECT_EQ(v.cmbMeses(i).ListCount(), 12);
    }

    EXPECT_EQ(Lista(v.cmbBancos),
              (QStringList{"TODOS", "Banco del Centro", "Banco Internacional de Occidente y del Pacífico", "Banco Sin Cuentas"}));
    EXPECT_EQ(v.cmbBancos.ItemData(2), 2);
    EXPECT_EQ(Lista(v.cmbCuentas), QStringList{"TODAS"});
    // Income and expense concepts only, names and codes pairwise.
    const QStringList nombres = Lista(v.cmbConceptos(0)), codigos = Lista(v.cmbConceptos(1));
    ASSERT_EQ(nombres.size(), codigos.size());
    EXPECT_EQ(nombres.size(), 7);
    EXPECT_EQ(nombres.indexOf(u"Comisiones bancarias"), codigos.indexOf(u"COMIS"));
    EXPECT_FALSE(codigos.contains(u"RENTA"));
    EXPECT_EQ(Lista(v.cmbConciliaciones), (QStringList{"TODAS", "C-0101-05", "C-0101-06"}));
    EXPECT_EQ(std::make_pair(v.cmbConciliaciones.ItemData(0), v.cmbConciliaciones.ItemData(2)), std::make_pair(0, 1));

    // Transfer concepts in folio order, the first one chosen; the report list widened last.
    EXPECT_EQ(Lista(v.cmbTras), (QStringList{"Traspaso entre cuentas", "Traspaso a terceros", "Recepción de traspaso"}));
    EXPECT_EQ(std::make_pair(v.cmbTras.ListIndex(), v.cmbTras.DroppedWidth()), std::make_pair(0, 250));
    EXPECT_EQ(std::make_pair(v.cmbConsulta.ListIndex(), v.cmbConsulta.DroppedWidth()), std::make_pair(0, 470));
}

// What each report offers the user, and what it keeps out of reach, whatever came before.
TEST_F(Ventana, CadaConsultaHabilitaYMuestraSusFiltros) {
    tesoreria::frmConTesoreria& v = *ventana;
    const struct {
        int consulta;
        std::vector<Control*> habilitados, deshabilitados;
    } tabla[] = {
        {0, {&v.cmbBancos}, {&v.dtpFecha(0), &v.optEstatus(0), &v.cmbConceptos(0), &v.cmbConciliaciones, &v.cmbMeses(0)}},
        {1, {&v.cmbConceptos(0), &v.optEstatus(0), &v.dtpFecha(0), &v.optTipo(0)}, {&v.cmbConciliaciones, &v.cmbTras}},
        {2, {&v.dtpFecha(1), &v.optTipo(0), &v.chkSinMovimientos}, {&v.optEstatus(0), &v.cmbConceptos(0)}},
        {3, {&v.cmbConciliaciones, &v.dtpFecha(0), &v.cmbCuentas}, {&v.optTipo(0), &v.optEstatus(0)}},
        {4, {&v.dtpFecha(0), &v.cmbBancos}, {&v.cmbConciliaciones, &v.optTipo(0), &v.chkSinMovimientos}},
        {5, {&v.cmbMeses(0), &v.cmbAnios(0), &v.cmbBancos}, {&v.dtpFecha(0), &v.cmbMeses(1)}},
        {6, {&v.cmbMeses(1), &v.cmbAnios(2), &v.cmbBancos}, {&v.cmbMeses(0), &v.dtpFecha(0)}},
        {7, {&v.dtpFecha(0), &v.optTipo(1)}, {&v.optEstatus(0), &v.chkSinMovimientos}},
        {8, {&v.cmbTras, &v.dtpFecha(0), &v.cmbCuentas}, {&v.cmbConceptos(0), &v.optTipo(0)}},
    };
    for (bool alReves : {false, true})
        for (int k = 0; k < 9; ++k) {
            const auto& e = tabla[alReves ? 8 - k : k];
            v.cmbConsulta.SetListIndex(e.consulta);
            for (Control* c : e.habilitados) EXPECT_TRUE(c->Enabled()) << e.consulta << " " << c->FullName().toStdString();
            for (Control* c : e.deshabilitados) EXPECT_FALSE(c->Enabled()) << e.consulta << " " << c->FullName().toStdString();
        }
    // "Promedio mensual" hides the single pair and shows the range with its "a".
    v.cmbConsulta.SetListIndex(6);
    EXPECT_FALSE(v.cmbMeses(0).Visible() || v.cmbAnios(0).Visible());
    EXPECT_TRUE(v.lblDatos(6).Visible() && v.cmbAnios(2).Visible());
}

TEST_F(Ventana, ElFolioDeConciliacionSustituyeFechasYBancos) {
    tesoreria::frmConTesoreria& v = *ventana;
    v.cmbConsulta.SetListIndex(3);
    v.cmbConciliaciones.SetListIndex(1);
    EXPECT_FALSE(v.optTipo(0).Enabled() || v.dtpFecha(0).Enabled() || v.cmbBancos.Enabled() || v.cmbCuentas.Enabled() || v.fmeDatos(3).Enabled());
    // Another report keeps its own dates and banks; coming back to the bank book re-reads the folio.
    v.cmbConsulta.SetListIndex(4);
    EXPECT_TRUE(v.dtpFecha(0).Enabled() && v.cmbBancos.Enabled());
    v.cmbConsulta.SetListIndex(3);
    EXPECT_FALSE(v.dtpFecha(1).Enabled() || v.cmbCuentas.Enabled());
    v.cmbConciliaciones.SetListIndex(0);
    EXPECT_TRUE(v.dtpFecha(0).Enabled() && v.cmbBancos.Enabled() && v.fmeDatos(1).Enabled());
}

TEST_F(Ventana, ElBancoRecargaSusCuentas) {
    tesoreria::frmConTesoreria& v = *ventana;
    v.cmbBancos.SetListIndex(1);
    EXPECT_EQ(Lista(v.cmbCuentas), (QStringList{"TODAS", "0101", "0102"}));
    EXPECT_EQ(v.cmbCuentas.ListIndex(), 0);
    v.cmbCuentas.SetListIndex(2);
    v.cmbBancos.SetListIndex(3);  // a bank without accounts
    EXPECT_EQ(Lista(v.cmbCuentas), QStringList{"TODAS"});
    EXPECT_EQ(v.cmbCuentas.ListIndex(), 0);
    v.cmbBancos.SetListIndex(2);
    EXPECT_EQ(Lista(v.cmbCuentas), (QStringList{"TODAS", "0201"}));
    v.cmbBancos.SetListIndex(0);
    EXPECT_EQ(Lista(v.cmbCuentas), QStringList{"TODAS"});
}

TEST_F(Ventana, LasCasillasDeEstadoSeExcluyenYCanceladoLasDeshabilita) {
    tesoreria::frmConTesoreria& v = *ventana;
    v.cmbConsulta.SetListIndex(1);
    v.chkEnTransito.UserClick();
    EXPECT_EQ(std::make_pair(v.chkEnTransito.Value(), v.chkConciliados.Value()), std::make_pair(1, 0));
    v.chkConciliados.UserClick();
    EXPECT_EQ(std::make_pair(v.chkEnTransito.Value(), v.chkConciliados.Value()), std::make_pair(0, 1));
    v.chkConciliados.UserClick();  // unticking leaves the other as it was
    EXPECT_EQ(std::make_pair(v.chkEnTransito.Value(), v.chkConciliados.Value()), std::make_pair(0, 0));

    v.chkEnTransito.UserClick();
    v.optEstatus(1).UserClick();
    EXPECT_FALSE(v.chkEnTransito.Enabled() || v.chkConciliados.Enabled());
    EXPECT_EQ(v.chkEnTransito.Value(), 1);
    // Another report and back: the status frame comes back, the boxes stay off while "Cancelado" holds.
    v.cmbConsulta.SetListIndex(0);
    v.cmbConsulta.SetListIndex(1);
    EXPECT_TRUE(v.optEstatus(0).Enabled());
    EXPECT_FALSE(v.chkEnTransito.Enabled() || v.chkConciliados.Enabled());
    v.optEstatus(0).UserClick();
    EXPECT_TRUE(v.chkEnTransito.Enabled() && v.chkConciliados.Enabled());
    EXPECT_EQ(v.chkEnTransito.Value(), 1);
    // "Posfechados" is nobody's business.
    EXPECT_TRUE(v.chkPosfechados.Enabled());
}

TEST_F(Ventana, LosConceptosVanEnParejaYElTraspasoSeMuestraConSuEtiqueta) {
    tesoreria::frmConTesoreria& v = *ventana;
    v.cmbConsulta.SetListIndex(1);
    const int comisiones = Lista(v.cmbConceptos(0)).indexOf(u"Comisiones bancarias");
    v.cmbConceptos(0).SetListIndex(comisiones);
    EXPECT_EQ(v.cmbConceptos(1).Text(), "COMIS");
    v.cmbConceptos(0).SetListIndex(0);
    EXPECT_EQ(v.cmbConceptos(1).Text(), "TODOS");

    v.cmbConsulta.SetListIndex(8);
    EXPECT_EQ(v.lblDatos(0).Caption(), "Concepto");
    EXPECT_TRUE(v.lblDatos(0).Visible() && v.cmbTras.Visible() && !v.cmbConceptos(0).Visible());
}

TEST_F(Ventana, TeclasAyudaYCierre) {
    int tecla = vbKeyF1, cambio = 1;
    ventana->Form_KeyDown(tecla, cambio);
    EXPECT_EQ(std::make_pair(tecla, cambio), std::make_pair(0, 0));
    ASSERT_EQ(ayudas.size(), 1);
    EXPECT_TRUE(ayudas[0].endsWith(u"Ayuda/Tesoreria.chm"));

    // F10 runs the chosen report: the catalog reaches the preview.
    EXPECT_EQ(ventana->KeyDownFrom(&ventana->cmbConsulta, vbKeyF10, 0), vbKeyF10);
    EXPECT_TRUE(mostrado.has_value());
    EXPECT_TRUE(ArchivosDePagina().isEmpty());

    // ESC closes; the default instance goes with it.
    const auto predeterminada = tesoreria::frmConTesoreria::Predeterminada();
    controles::Load(*predeterminada);
    ASSERT_EQ(predeterminada->cmbBancos.ListCount(), 4);
    predeterminada->KeyDownFrom(nullptr, vbKeyEscape, 0);
    EXPECT_FALSE(predeterminada->Loaded());
    EXPECT_EQ(predeterminada->rsOpciones.State(), 0);
    EXPECT_NE(tesoreria::frmConTesoreria::Predeterminada(), predeterminada);
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
}

TEST_F(Ventana, UnaTablaQueFaltaImpideAbrirLaVentana) {
    modConGastos::Conexion->Close();
    BaseSqlite rota((prueba::EsquemaTesoreria() + "DROP TABLE tblConciliaEnc;").c_str());
    ASSERT_TRUE(modConGastos::Conecta(rota.Cadena()));
    tesoreria::frmConTesoreria otra;
    EXPECT_NE(NumeroDeError([&] { controles::Load(otra); }), 0);
    EXPECT_TRUE(guion.errores.isEmpty());
}

}  // namespace
