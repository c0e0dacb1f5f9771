// The three bank movement listings on the small bank company: account and concept lines, a movement with its "$ " amounts, each filter, the totals, and the page breaks.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

constexpr int Relacion = 1, PorAplicacion = 7, Traspasos = 8;

class Movimientos : public VentanaTesoreria {
protected:
    // The folios listed, in document order.
    static QStringList Folios(const report::Documento& doc) {
        QStringList r;
        for (const prueba::Renglon& t : prueba::Textos(doc))
            if (t.texto.x == 850 && t.texto.texto.contains(u'-')) r << t.texto.texto;
        return r;
    }
    static int Indice(const controles::ComboBox& c, const char* texto) {
        for (int i = 0; i < c.ListCount(); ++i)
            if (c.List(i) == QLatin1String(texto)) return i;
        return -1;
    }
    std::optional<report::Documento> RelacionCon(std::function<void(tesoreria::frmConTesoreria&)> filtro = {}) {
        ventana->cmbConsulta.SetListIndex(Relacion);
        if (filtro) filtro(*ventana);
        return ConsultaJunio(Relacion);
    }
};

TEST_F(Movimientos, RelacionConConceptosCuentasBancosYGlobal) {
    const auto doc = ConsultaJunio(Relacion);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    ASSERT_EQ(doc->size(), 1u);

    // Account header, concept groups by name, a movement with its status, currency and exchange rate.
    EXPECT_EQ(EnLinea(*doc, 1, 1550), (QStringList{"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2030),
              (QStringList{"30/06/2024", "E-002", "", "Conciliado", "M.N.", "$ 15.25", "1.00", "$ 15.25"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2270), (QStringList{"TOTAL CONCEPTO: ", "$ 15.25"}));
    // A cheque prints its number and the beneficiary; without one, the notes take their place.
    EXPECT_EQ(EnLinea(*doc, 1, 2750).mid(0, 3), (QStringList{"01/06/2024", "D-001", "Depósito de ventas"}));
    EXPECT_EQ(EnLinea(*doc, 1, 3710).mid(0, 4), (QStringList{"10/06/2024", "E-001", "000123", "Papelería Ñandú"}));
    EXPECT_EQ(EnLinea(*doc, 1, 3230), (QStringList{"TOTAL CONCEPTO: ", "$ 1,020.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 4430), (QStringList{"TOTAL CUENTA: ", "$ 1,285.75"}));

    // The dollar account: its amount, the rate, pesos, and a folio cut to its last 10 characters.
    EXPECT_EQ(EnLinea(*doc, 1, 5390),
              (QStringList{"05/06/2024", "ARGO-00012", "", "Aplicado", "USD", "$ 100.00", "17.50", "$ 1,750.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 6110), (QStringList{"TOTAL CUENTA: ", "$ 1,750.00"}));
    // Two accounts printed: the bank's total; the one-account bank gets none but still counts.
    EXPECT_EQ(EnLinea(*doc, 1, 6590), (QStringList{"TOTAL BANCO: ", "$ 3,035.75"}));
    EXPECT_EQ(Busca(*doc, "TOTAL BANCO: ").size(), 1u);
    // Outside the range and cancelled: absent.
    EXPECT_EQ(Folios(*doc), (QStringList{"E-002", "D-001", "D-011", "E-001", "ARGO-00012", "T-001", "T-002"}));
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

TEST_F(Movimientos, CadaFiltroDejaLoSuyo) {
    using V = tesoreria::frmConTesoreria;
    struct Caso {
        const char* nombre;
        std::function<void(V&)> filtro;
        QStringList folios;
    };
    const Caso casos[] = {
        {"cancelados", [](V& v) { v.optEstatus(1).UserClick(); }, {"E-003"}},
        {"en tránsito", [](V& v) { v.chkEnTransito.UserClick(); }, {"D-001", "D-011", "E-001", "ARGO-00012", "T-001", "T-002"}},
        {"conciliados", [](V& v) { v.chkConciliados.UserClick(); }, {"E-002", "D-001", "D-011", "ARGO-00012", "T-001", "T-002"}},
        {"un concepto", [](V& v) { v.cmbConceptos(0).SetListIndex(Indice(v.cmbConceptos(1), "DEP")); },
         {"D-001", "D-011", "ARGO-00012"}},
        {"un banco", [](V& v) { v.cmbBancos.SetListIndex(2); }, {"T-001", "T-002"}},
        {"una cuenta", [](V& v) { v.cmbBancos.SetListIndex(1); v.cmbCuentas.SetListIndex(2); }, {"ARGO-00012"}},
    };
    for (const Caso& c : casos) {
        ventana = std::make_shared<tesoreria::frmConTesoreria>();
        controles::Load(*ventana);
        const auto doc = RelacionCon(c.filtro);
        ASSERT_TRUE(doc.has_value()) << c.nombre;
        EXPECT_EQ(Folios(*doc), c.folios) << c.nombre;
    }
    // One bank alone: no bank line for a single account, and no global total for a single bank.
    const auto doc = RelacionCon([](V& v) { v.cmbCuentas.SetListIndex(0); });  // bank 1 still chosen
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(Busca(*doc, "TOTAL BANCO: ").size(), 1u);
    EXPECT_TRUE(Busca(*doc, "TOTAL GLOBAL: ").empty());
}

TEST_F(Movimientos, ResumidoDejaUnRenglonPorConcepto) {
    ventana->optTipo(1).UserClick();
    const auto doc = ConsultaJunio(Relacion);
    ASSERT_TRUE(doc.has_value());
    // The concept and its total share a line; account totals turn blue.
    EXPECT_EQ(EnLinea(*doc, 1, 1790), (QStringList{"CONCEPTO: Comisiones bancarias", "TOTAL CONCEPTO: ", "$ 15.25"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2030), (QStringList{"CONCEPTO: Depósito", "TOTAL CONCEPTO: ", "$ 1,020.00"}));
    EXPECT_EQ(Rasgos(*doc, "$ 1,285.75"), "p1 10500,2750 a2 s9 n1 c16711680");
    EXPECT_TRUE(Busca(*doc, "D-001").empty());
}

TEST_F(Movimientos, PorAplicacionAgrupaRachasEnLaMonedaDeLaCuenta) {
    const auto doc = ConsultaJunio(PorAplicacion);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    // Applied in June although dated in May; cancelled ones never.
    EXPECT_EQ(EnLinea(*doc, 1, 2030), (QStringList{"31/05/2024", "01/06/2024", "D-000", "", "Cliente Dos", "Aplicado", "1.00",
                                                   "$ 300.00"}));
    // Runs of one concept in application order: "Depósito" twice in the same account.
    EXPECT_EQ(Busca(*doc, "CONCEPTO: Depósito").size(), 3u);
    EXPECT_EQ(EnLinea(*doc, 1, 2510), (QStringList{"TOTAL CONCEPTO: ", "$ 1,300.00  M.N."}));
    EXPECT_EQ(Busca(*doc, "TOTAL CUENTA: ").size(), 3u);
    EXPECT_EQ(Busca(*doc, "$ 1,585.75  M.N.").size(), 1u);
    EXPECT_EQ(Busca(*doc, "$ 100.00  USD").size(), 2u);
    EXPECT_TRUE(Busca(*doc, "TOTAL BANCO: ").empty() && Busca(*doc, "TOTAL GLOBAL: ").empty());
    EXPECT_TRUE(Busca(*doc, "E-003").empty());
}

TEST_F(Movimientos, TraspasosATercerosConNotasEnVariosRenglones) {
    ventana->cmbConsulta.SetListIndex(Traspasos);
    ventana->cmbTras.SetListIndex(1);  // "Traspaso a terceros"
    const auto doc = ConsultaJunio(Traspasos);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    // Banks without such transfers print nothing but their blank line.
    EXPECT_EQ(EnLinea(*doc, 1, 1790), (QStringList{"Banco Internacional de", "Cuenta: 0201", "Moneda: Pesos"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2510),
              (QStringList{"20/06/2024", "T-001", "Papelería Ñandú", "Aplicado", "M.N.", "$ 1,200.00", "1.00", "$ 1,200.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2750), (QStringList{"A001", "Papelería Ñandú"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2990), QStringList{"Pago de facturas de papelería del mes."});
    EXPECT_EQ(EnLinea(*doc, 1, 3710), (QStringList{"TOTAL CUENTA: ", "$ 1,200.00"}));
    EXPECT_TRUE(Busca(*doc, "TOTAL BANCO: ").empty() && Busca(*doc, "TOTAL GLOBAL: ").empty());
}

TEST_F(Movimientos, OtrosTraspasosSoloFechaFolioYNotas) {
    ventana->cmbConsulta.SetListIndex(Traspasos);
    const auto doc = ConsultaJunio(Traspasos);  // "Traspaso entre cuentas", the first entry
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 1000), (QStringList{"Fecha", "Folio"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2750), QStringList{"Traspaso a la cuenta 0101"});
}

TEST(Notas, SeDividenEnElPuntoYEnLasComas) {
    const QString largo = QString(130, u'x') + QStringLiteral(", y lo demás");
    EXPECT_EQ(tesoreria::LineasDeNotas(QStringLiteral("Pago de facturas de papelería del mes. Facturas ") + largo),
              (QStringList{"Pago de facturas de papelería del mes.", "Facturas " + QString(130, u'x') + u',',
                           QStringLiteral(" y lo demás")}));
    // A period before the 28th character does not end the first line.
    EXPECT_EQ(tesoreria::LineasDeNotas(QStringLiteral("Pago. Resto del texto corto.")), QStringList{"Pago. Resto del texto corto."});
    // Without a period or a comma where expected, every character is still printed, 120 to a line.
    EXPECT_EQ(tesoreria::LineasDeNotas(QString(250, u'y')),
              (QStringList{QString(120, u'y'), QString(120, u'y'), QString(10, u'y')}));
    EXPECT_EQ(tesoreria::LineasDeNotas(QString()), QStringList{});
}

class MovimientosLargos : public VentanaTesoreria {
protected:
    MovimientosLargos()
        : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + prueba::MovimientosGenerados("0201", 60)) {}

    // The generated folios, each with where it was drawn: the last one on page 1 sits below the
    // limit less one line, and the next one opens page 2 at `primera`.
    void CortaEn(const report::Documento& doc, int x, int limite, int avance, int primera) {
        std::vector<prueba::Renglon> g;
        for (const prueba::Renglon& t : prueba::Textos(doc))
            if (t.texto.x == x && t.texto.texto.startsWith(u"G-")) g.push_back(t);
        ASSERT_GT(g.size(), 2u);
        size_t i = 0;
        while (i + 1 < g.size() && g[i + 1].pagina == 1) ++i;
        ASSERT_LT(i + 1, g.size());
        EXPECT_GT(g[i].texto.y + avance, limite);
        EXPECT_LE(g[i - 1].texto.y + avance, limite);
        EXPECT_EQ(g[i + 1].pagina, 2);
        EXPECT_EQ(g[i + 1].texto.y, primera) << g[i + 1].texto.texto.toStdString();
    }
};

TEST_F(MovimientosLargos, CadaListadoCortaEnSuLimite) {
    auto doc = ConsultaJunio(Relacion);
    ASSERT_TRUE(doc.has_value());
    CortaEn(*doc, 850, 13500, 240, 1550);
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(8), "Importe M.N.");

    doc = ConsultaJunio(PorAplicacion);
    ASSERT_TRUE(doc.has_value());
    CortaEn(*doc, 1700, 13500, 240, 1550);
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(1), "Aplica");

    // A transfer block takes five lines; the page closes past 14000, after a whole block.
    ventana->cmbConsulta.SetListIndex(Traspasos);
    ventana->cmbTras.SetListIndex(1);
    doc = ConsultaJunio(Traspasos);
    ASSERT_TRUE(doc.has_value());
    CortaEn(*doc, 850, 14000, 720, 1550 + 480);
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(2), "Proveedor/Acreedor");
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

}  // namespace
