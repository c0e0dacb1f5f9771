#include "DoblesVentanas.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "controles/Screen.h"
#include "report/PuertoImpresionActual.h"
#include "report/EmfMetricas.h"
#include "report/frmPreview.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;
using namespace controles;

namespace {

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        dobles::InstalaMensajes(guion);
        FijaPuertoImpresion(&impresora);
        modConGastos::RutaBD = raiz.path();
        ventana = frmPreview::Predeterminada();
        controles::Load(*ventana);
    }
    void TearDown() override {
        if (ventana->Loaded()) controles::Unload(*ventana);
        FijaPuertoImpresion(nullptr);
        component::ServiciosAnfitrion().mensajes = nullptr;
    }

    // A finished document of n pages, each naming itself, shown at `vista` as the page writer leaves it.
    void Documento(int n, int vista = 1) {
        Superficie& s = ventana->Preview;
        s.StartDoc();
        for (int p = 1; p <= n; ++p) {
            s.PrintText(0, 0, QStringLiteral("página %1").arg(p));
            if (p < n) s.NewPage();
        }
        s.EndDoc();
        s.PreviewPage(vista);
        ventana->lblPagina.SetCaption(QStringLiteral("1/%1").arg(n));
    }
    int Tecla(int codigo, int shift = 0) { return ventana->KeyDownFrom(nullptr, codigo, shift); }
    QString Etiqueta() const { return ventana->lblPagina.Caption(); }

    QTemporaryDir raiz;
    dobles::Guion guion;
    dobles::Impresora impresora;
    std::shared_ptr<frmPreview> ventana;
};

}  // namespace

TEST_F(Preview, BotonesYTeclasRecorrenLasPaginasYLaEtiquetaLasSigue) {
    EXPECT_EQ(ventana->Preview.Zoom(), 100);
    Documento(5, 3);
    ventana->cmdFunciones(3).UserClick();
    EXPECT_EQ(ventana->Preview.PreviewPage(), 4);
    EXPECT_EQ(Etiqueta(), "4/5");
    EXPECT_EQ(Tecla(vbKeyEnd), 0);
    EXPECT_EQ(Etiqueta(), "5/5");
    ventana->cmdFunciones(3).UserClick();
    EXPECT_EQ(Etiqueta(), "5/5");
    Tecla(vbKeyHome);
    Tecla(vbKeyPageUp);
    EXPECT_EQ(ventana->Preview.PreviewPage(), 1);
    EXPECT_EQ(Etiqueta(), "1/5");
    Tecla(vbKeyPageDown);
    EXPECT_EQ(ventana->PaginaVista, 2);
    EXPECT_EQ(Etiqueta(), "2/5");
    EXPECT_EQ(Tecla('A'), 0);  // keys nobody handles are swallowed too
}

TEST_F(Preview, EscapePreguntaAntesDeCerrarYElCierreSoltaraLaVentana) {
    guion.respuestas = {7, 6};
    Tecla(vbKeyEscape);
    EXPECT_TRUE(ventana->Loaded());
    EXPECT_EQ(frmPreview::Predeterminada(), ventana);
    Tecla(vbKeyEscape);
    EXPECT_FALSE(ventana->Loaded());
    ASSERT_EQ(guion.preguntas.size(), 2u);
    EXPECT_EQ(guion.preguntas[0], std::make_pair(int32_t{129}, QString()));
    // The module dropped its reference: the next reference builds a new window.
    EXPECT_NE(frmPreview::Predeterminada(), ventana);

    // The close box does not ask.
    ventana = frmPreview::Predeterminada();
    controles::Load(*ventana);
    EXPECT_TRUE(ventana->UserClose());
    EXPECT_EQ(guion.preguntas.size(), 2u);
}

TEST_F(Preview, SoloAltPImprime) {
    Documento(5);
    Tecla(vbKeyP, vbAltMask | vbShiftMask);
    Tecla(vbKeyP, vbCtrlMask | vbAltMask);
    Tecla(vbKeyP);
    EXPECT_TRUE(impresora.impresos.empty());
    Tecla(vbKeyP, vbAltMask);
    EXPECT_EQ(impresora.impresos, std::vector<size_t>{5});

    // Without a printer the command fails, the user is told, and the window stays.
    ventana->Preview.Impresora(nullptr);
    ventana->cmdFunciones(0).UserClick();
    EXPECT_EQ(guion.errores.size(), 1);
    EXPECT_TRUE(ventana->Loaded());
}

TEST_F(Preview, GrabarLaPaginaVistaComoEmf) {
    Documento(5, 3);
    QDir(raiz.path()).mkdir(QStringLiteral("TEMP"));  // the original folder's case does not matter

    // An empty answer writes nothing and says nothing.
    ventana->cmdFunciones(5).UserClick();
    EXPECT_TRUE(QDir(raiz.filePath("TEMP")).isEmpty());
    EXPECT_TRUE(guion.mensajes.empty());
    ASSERT_EQ(guion.indicaciones.size(), 1);
    EXPECT_TRUE(guion.indicaciones[0].startsWith(QStringLiteral("La página se grabará en el directorio ")));

    guion.capturas = {QStringLiteral("hoja")};
    ventana->cmdFunciones(5).UserClick();
    const QString archivo = raiz.filePath(QStringLiteral("TEMP/hoja.emf"));
    ASSERT_TRUE(QFile::exists(archivo));
    ASSERT_EQ(guion.mensajes.size(), 1u);
    EXPECT_EQ(guion.mensajes[0], std::make_pair(int32_t{130}, QStringLiteral(" 3\r\n") + archivo));
    Superficie leida;
    leida.StartDoc();
    leida.LoadPage(archivo);
    EXPECT_EQ(dobles::Textos(leida.Paginas()[0]), QStringList{QStringLiteral("página 3")});
    EXPECT_EQ(controles::Screen.MousePointer(), 0);

    // F10 does what its button says.
    guion.capturas = {QStringLiteral("tecla")};
    Tecla(vbKeyF10, vbShiftMask);
    Tecla(vbKeyF10);
    EXPECT_EQ(guion.indicaciones.size(), 3);
    EXPECT_TRUE(QFile::exists(raiz.filePath(QStringLiteral("TEMP/tecla.emf"))));

    // A folder that is not there: the error reaches the user, the pointer comes back.
    modConGastos::RutaBD = raiz.filePath(QStringLiteral("falta"));
    guion.capturas = {QStringLiteral("hoja")};
    ventana->cmdFunciones(5).UserClick();
    ASSERT_EQ(guion.errores.size(), 1);
    EXPECT_TRUE(guion.errores[0].startsWith(QStringLiteral("76 ")));
    EXPECT_EQ(controles::Screen.MousePointer(), 0);
}

// The control follows the window's size; the two fitted entries follow the list's percentages;
// each sets the largest zoom at which the sheet (or its width) fits the control, within 30..200,
// and follows the window's size.
TEST_F(Preview, AjustarALaPaginaYAlAnchoSiguenElTamanoDeLaVentana) {
    ventana->SetWidth(16500);
    ventana->SetHeight(12000);
    EXPECT_EQ(std::make_pair(ventana->PreviewWidth(), ventana->PreviewHeight()), std::make_pair(16400, 10400));
    Tecla('0', vbCtrlMask);
    EXPECT_EQ(ventana->cmbZoom.ListIndex(), 9);
    const int pagina = ventana->Preview.Zoom();
    EXPECT_LE(pagina * AltoHoja / 100, 10400 - 400);
    EXPECT_GT((pagina + 1) * AltoHoja / 100, 10400 - 600);
    Tecla('1', vbCtrlMask);
    EXPECT_EQ(ventana->cmbZoom.ListIndex(), 10);
    const int ancho = ventana->Preview.Zoom();
    EXPECT_GT(ancho, pagina);
    EXPECT_LE(ancho * AnchoHoja / 100, 16400 - 700);
    EXPECT_GT((ancho + 1) * AnchoHoja / 100, 16400 - 900);

    ventana->SetWidth(8000);
    EXPECT_LT(ventana->Preview.Zoom(), ancho);
    ventana->SetWidth(60000);  // no more than the largest zoom
    EXPECT_EQ(ventana->Preview.Zoom(), 200);
    ventana->SetWidth(50);  // too small to hold the control: it keeps its size, nothing fails
    ventana->SetHeight(1000);
    EXPECT_EQ(std::make_pair(ventana->PreviewWidth(), ventana->PreviewHeight()), std::make_pair(59900, 10400));
    EXPECT_EQ(ventana->Preview.Zoom(), 200);
    ventana->cmbZoom.SetListIndex(5);
    ventana->SetWidth(16500);
    EXPECT_EQ(ventana->Preview.Zoom(), 100);  // a fixed percentage stays
    Tecla(96, vbCtrlMask);  // the keypad's 0
    EXPECT_EQ(ventana->cmbZoom.ListIndex(), 9);
    Tecla('1');
    EXPECT_EQ(ventana->cmbZoom.ListIndex(), 9);
}

// Ctrl+F and "BUSCAR" ask the view for its box; a search ignores accents and case, starts on the page on view,
// and F3 / Shift+F3 walk the occurrences around the document with "n de m" following.
TEST_F(Preview, BuscarSinAcentosNiMayusculasYRecorrerConF3) {
    Superficie& s = ventana->Preview;
    s.StartDoc();
    for (int p = 1; p <= 4; ++p) {
        s.PrintText(0, 0, QStringLiteral("Página %1").arg(p));
        if (p == 2 || p == 4) s.PrintText(100, 500, QStringLiteral("PEÑA CASTAÑEDA, peña"));
        if (p < 4) s.NewPage();
    }
    s.EndDoc();
    s.PreviewPage(3);

    int abiertas = 0;
    ventana->AbreBusqueda = [&] { ++abiertas; };
    Tecla('F', vbCtrlMask);
    Tecla('F');
    EXPECT_EQ(abiertas, 1);
    ventana->cmdBuscar.UserClick();
    EXPECT_EQ(abiertas, 2);

    ventana->Busca(QStringLiteral("pena"));
    EXPECT_EQ(ventana->lblBusqueda.Caption(), QStringLiteral("3 de 4"));  // the first on or after page 3
    EXPECT_EQ(s.PreviewPage(), 4);
    EXPECT_EQ(Etiqueta(), QStringLiteral("4/4"));
    EXPECT_EQ(*ventana->CoincidenciaActual(), (Coincidencia{4, 1, 0, 4}));
    Tecla(vbKeyF3);
    EXPECT_EQ(ventana->lblBusqueda.Caption(), QStringLiteral("4 de 4"));
    EXPECT_EQ(ventana->CoincidenciaActual()->inicio, 16);
    Tecla(vbKeyF3);  // wraps to the first
    EXPECT_EQ(ventana->lblBusqueda.Caption(), QStringLiteral("1 de 4"));
    EXPECT_EQ(s.PreviewPage(), 2);
    Tecla(vbKeyF3, vbShiftMask);
    EXPECT_EQ(ventana->lblBusqueda.Caption(), QStringLiteral("4 de 4"));

    ventana->Busca(QStringLiteral("PÁGINA 3"));
    EXPECT_EQ(s.PreviewPage(), 3);
    ventana->Busca(QStringLiteral("no está"));
    EXPECT_EQ(ventana->lblBusqueda.Caption(), QStringLiteral("Sin coincidencias"));
    EXPECT_FALSE(ventana->CoincidenciaActual());
    Tecla(vbKeyF3);  // nothing to walk
    EXPECT_EQ(s.PreviewPage(), 3);
}

// The mark covers the occurrence itself, also inside a right-aligned text.
TEST(Busqueda, ElRectanguloCubreLaCoincidencia) {
    Pagina p;
    p.Agrega(Linea{0, 0, 10, 0, 0});
    p.Agrega(Texto{10300, 900, QStringLiteral("$ 1,234.00"), 0, false, 7, AlineaDerecha});
    const Documento d{p};
    const std::vector<Coincidencia> c = IndiceTextos(d).Busca(QStringLiteral("234"));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0], (Coincidencia{1, 1, 4, 3}));
    const Rectangulo r = RectanguloDe(d, c[0]);
    const std::vector<uint32_t> a = AvancesTexto(QStringLiteral("$ 1,234.00"), 7, false);
    EXPECT_EQ(r.x + r.ancho, 10300 - static_cast<int32_t>(a[7] + a[8] + a[9]));
    EXPECT_EQ(r.ancho, static_cast<int32_t>(a[4] + a[5] + a[6]));
    EXPECT_EQ(r.y, 900);
    EXPECT_GT(r.alto, 0);
    EXPECT_EQ(TextoComparable(QStringLiteral("ÁÉÍÓÚ Ññ Üü")), QStringLiteral("aeiou nn uu"));
}
