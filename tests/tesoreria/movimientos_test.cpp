// The bank movement listings on the small bank company: what each filter leaves, how notes wrap,
// and where each listing fills a page.
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
