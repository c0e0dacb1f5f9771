#include "render/Exportacion.h"
#include "render/PintaPagina.h"
#include "report/EmfMetricas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace report;

namespace {

constexpr int Ppp = 144;  // a tenth of a pixel per twip: coordinates are easy to follow
constexpr uint32_t Azul = 0xFF0000;
const QRgb Blanco = qRgb(255, 255, 255);
const QRgb Gris = qRgb(0xE0, 0xE0, 0xE0);

QPoint Px(int x, int y) { return QPoint((x + OrigenX) * Ppp / 1440, (y + OrigenY) * Ppp / 1440); }

// Anything clearly darker than the paper and the rule's grey band.
bool Tinta(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 600; }

// The bounding box of the ink inside a rectangle of twips; empty when there is none.
QRect Tinta(const QImage& img, int x0, int y0, int x1, int y1) {
    QRect caja;
    const QPoint a = Px(x0, y0), b = Px(x1, y1);
    for (int y = a.y(); y <= b.y(); ++y)
        for (int x = a.x(); x <= b.x(); ++x)
            if (Tinta(img.pixel(x, y))) caja |= QRect(x, y, 1, 1);
    return caja;
}

Texto TextoEn(int x, int y, const char* s, int alineacion = AlineaIzquierda, uint32_t color = 0) {
    return Texto{x, y, QString::fromUtf8(s), color, false, 8, alineacion};
}

// The top of every page: blue company lines, the grey band, the double rule and the page
// number; then one right-aligned amount in black.
Pagina PaginaConEncabezado() {
    Pagina p;
    p = Pagina{
        TextoEn(0, 0, "EMPRESA DEMOSTRACIÓN S.A. DE C.V.", AlineaIzquierda, Azul),
        Regla{6900, 240, 2500, 200},
        TextoEn(7000, 0, "Reporte :Saldos", AlineaIzquierda, Azul),
        Linea{0, 960, 10500, 960, Azul},
        Linea{0, 1000, 10500, 1000, Azul},
        TextoEn(7000, 720, "Página  : 1 / 3", AlineaIzquierda, Azul),
        TextoEn(10300, 2000, "1,234,567.89", AlineaDerecha),
    };
    return p;
}

}  // namespace

TEST(Pintado, EncabezadoCaeDondeDicenLasCoordenadas) {
    const QImage img = render::ImagenPagina(PaginaConEncabezado(), Ppp);
    ASSERT_EQ(img.size(), QSize(1224, 1584));

    // The grey band fills (6900..9400, 240..440) and nothing beyond.
    for (QPoint p : {Px(8150, 340), Px(6920, 260), Px(9380, 420)}) EXPECT_EQ(img.pixel(p), Gris);
    for (QPoint p : {Px(6880, 340), Px(9420, 340), Px(8150, 460)}) EXPECT_EQ(img.pixel(p), Blanco);

    // Two rules at 960 and 1000 from x 0 to 10500, paper between them and past their ends.
    for (int x = 0; x < 10500; x += 500) {
        const QRect raya = Tinta(img, x, 900, x, 1060);
        EXPECT_NEAR(raya.top(), Px(0, 960).y(), 1) << x;
        EXPECT_NEAR(raya.bottom(), Px(0, 1000).y(), 1) << x;
        EXPECT_FALSE(Tinta(img.pixel(Px(x, 980)))) << x;
        EXPECT_GT(qBlue(img.pixel(Px(x, 960))), 200);
    }
    EXPECT_TRUE(Tinta(img, -200, 900, -40, 1060).isEmpty());
    EXPECT_TRUE(Tinta(img, 10540, 900, 10700, 1060).isEmpty());

    // Text hangs from its y: ink starts at or just below the top and stays within one line.
    const QRect empresa = Tinta(img, -200, -200, 4000, 230);
    EXPECT_NEAR(empresa.left(), Px(0, 0).x(), 2);
    EXPECT_GE(empresa.top(), Px(0, 0).y());
    EXPECT_LE(empresa.top(), Px(0, 60).y());
    EXPECT_LE(empresa.bottom(), Px(0, AltoLinea(8)).y());
    EXPECT_FALSE(Tinta(img, 7000, 700, 8500, 900).isEmpty());

    // A right-aligned amount ends at x and starts one text width before it.
    double ancho = 0;
    for (uint32_t a : AvancesTexto(QStringLiteral("1,234,567.89"), 8, false)) ancho += a;
    const QRect importe = Tinta(img, 8000, 2000, 11000, 2200);
    EXPECT_LE(importe.right(), Px(10300, 0).x());
    EXPECT_GE(importe.right(), Px(10300, 0).x() - 3);
    EXPECT_NEAR(importe.left(), Px(10300 - static_cast<int>(ancho), 0).x(), 3);
}

// A band that runs past the sheet's right edge, as the treasury headings draw one, is cut at the
// paper: the desk beside the sheet keeps its colour.
TEST(Pintado, LaBandaNoPasaDelBordeDeLaHoja) {
    Pagina p;
    p = Pagina{Regla{8810, 240, 4500, 200}};
    QImage img(1324, 1584, QImage::Format_RGB32);
    const QRgb escritorio = qRgb(0x60, 0x60, 0x60);
    img.fill(escritorio);
    QPainter pintor(&img);
    pintor.fillRect(QRect(0, 0, 1224, 1584), Qt::white);
    render::PintaPagina(pintor, p, QRectF(0, 0, 1224, 1584));
    pintor.end();
    EXPECT_EQ(img.pixel(Px(9500, 340)), Gris);
    EXPECT_EQ(img.pixel(1222, Px(0, 340).y()), Gris);
    EXPECT_EQ(img.pixel(1225, Px(0, 340).y()), escritorio);
    EXPECT_EQ(img.pixel(1300, Px(0, 340).y()), escritorio);
}
