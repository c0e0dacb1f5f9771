#include "report/Superficie.h"
#include "NumeroDeError.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

Texto TextoEn(const Superficie& s, std::size_t pagina, std::size_t i) {
    return std::get<Texto>(s.Paginas().at(pagina)[i]);
}

class Impresora : public PuertoImpresion {
public:
    void ImprimeDocumento(const Documento& paginas) override { impresos.push_back(paginas); }
    std::vector<Documento> impresos;
};

}  // namespace

TEST(Grupos, EndGroupRestauraLosAtributosDeSuBeginGroupAnidado) {
    Superficie s;
    s.StartDoc();
    s.ForeColor(0x000080);
    s.FontSize(9);
    s.TextMode(1);

    s.BeginGroup();
    s.ForeColor(0xFF0000);
    s.FontBold(true);
    s.TextAlign(2);
    s.BeginGroup();
    s.FontSize(7);
    s.TextMode(3);
    s.FontBold(false);
    s.PrintText(0, 0, "interior");
    s.EndGroup();
    s.PrintText(0, 240, "medio");
    s.EndGroup();
    s.PrintText(0, 480, "detalle");
    s.EndGroup();  // none open: nothing changes
    s.PrintText(0, 720, "sin grupo");

    EXPECT_EQ(TextoEn(s, 0, 0), (Texto{0, 0, "interior", 0xFF0000, false, 7, 2}));
    EXPECT_EQ(TextoEn(s, 0, 1), (Texto{0, 240, "medio", 0xFF0000, true, 9, 2}));
    EXPECT_EQ(TextoEn(s, 0, 2), (Texto{0, 480, "detalle", 0x000080, false, 9, 0}));
    EXPECT_EQ(TextoEn(s, 0, 3), (Texto{0, 720, "sin grupo", 0x000080, false, 9, 0}));
    EXPECT_EQ(s.TextMode(), 1);
}

TEST(Documento, DibujarSinDocumentoAbiertoEsError5) {
    Superficie s;
    EXPECT_EQ(NumeroDeError([&] { s.PrintText(0, 0, "x"); }), vb::errores::LlamadaNoValida);
    s.StartDoc();
    s.EndDoc();
    EXPECT_EQ(NumeroDeError([&] { s.DrawLine(0, 0, 1, 1); }), vb::errores::LlamadaNoValida);
    EXPECT_EQ(NumeroDeError([&] { s.NewPage(); }), vb::errores::LlamadaNoValida);
    EXPECT_EQ(s.PageCount(), 1);  // the finished document is still there to save and show
}

// A long report (the bank book of a large company) draws more pages than a 16-bit count can say:
// the document holds them all and shows its first; only reading the count overflows.
TEST(Documento, MasPaginasQueLasDeUnEnteroDe16Bits) {
    Superficie s;
    s.StartDoc();
    for (int n = 1; n <= 32768; ++n) s.NewPage();
    s.EndDoc();
    s.PreviewPage(1);
    EXPECT_EQ(s.PreviewPage(), 1);
    EXPECT_EQ(s.Paginas().size(), 32769u);
    EXPECT_EQ(NumeroDeError([&] { (void)s.PageCount(); }), vb::errores::Desbordamiento);
    s.ReopenPage(32769);  // the numbering pass stamps the last page too
    s.PrintText(7000, 720, QStringLiteral("Página  : 32769 / 32769"));
}

TEST(Documento, ReglaCuyaEsquinaNoCabeEn32BitsDesborda) {
    Superficie s;
    s.StartDoc();
    EXPECT_EQ(NumeroDeError([&] { s.DrawRule(INT32_MAX - 10, 0, 20, 10); }), vb::errores::Desbordamiento);
    s.DrawRule(100, 100, -50, -20);  // a negative extent is kept as given
    EXPECT_EQ(std::get<Regla>(s.Paginas()[0][0]), (Regla{100, 100, -50, -20}));
}

TEST(Propiedades, PreviewPageYZoomSeAcotan) {
    Superficie s;
    int avisos = 0;
    s.VistaCambiada = [&] { ++avisos; };
    s.StartDoc();
    s.NewPage();
    s.NewPage();
    s.PreviewPage(3);
    EXPECT_EQ(s.PreviewPage(), 3);
    s.PreviewPage(7);
    EXPECT_EQ(s.PreviewPage(), 3);
    s.PreviewPage(0);
    EXPECT_EQ(s.PreviewPage(), 1);
    EXPECT_EQ(avisos, 0);  // the view redraws on RefreshPreview, not on the page number

    s.Zoom(10);
    EXPECT_EQ(s.Zoom(), 30);
    s.Zoom(500);
    EXPECT_EQ(s.Zoom(), 200);
    s.RefreshPreview();
    EXPECT_EQ(avisos, 3);
}

TEST(Propiedades, ValoresFueraDeLoQueLaSuperficieDibujaSonError380) {
    Superficie s;
    EXPECT_EQ(NumeroDeError([&] { s.TextAlign(1); }), 380);
    EXPECT_EQ(NumeroDeError([&] { s.FontSize(0); }), 380);
    EXPECT_EQ(NumeroDeError([&] { s.Action(1); }), 380);
    EXPECT_EQ(s.TextAlign(), 0);
    EXPECT_EQ(s.FontSize(), 8);
    s.StartDoc();
    EXPECT_EQ(NumeroDeError([&] { s.SavePage("/tmp/no-se-escribe.emf", 2); }), vb::errores::LlamadaNoValida);
}

TEST(Impresion, Action2ImprimeTodasLasPaginasPorElPuerto) {
    Impresora impresora;
    Superficie s(&impresora);
    s.StartDoc();
    s.PrintText(0, 0, "uno");
    s.NewPage();
    s.PrintText(0, 0, "dos");
    s.EndDoc();
    s.Action(0);
    EXPECT_TRUE(impresora.impresos.empty());
    s.Action(2);
    ASSERT_EQ(impresora.impresos.size(), 1u);
    EXPECT_EQ(impresora.impresos[0], s.Paginas());

    Superficie sinImpresora;
    sinImpresora.StartDoc();
    EXPECT_EQ(NumeroDeError([&] { sinImpresora.Action(2); }), 482);
}
