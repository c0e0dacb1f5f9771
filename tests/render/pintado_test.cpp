#include "render/Exportacion.h"
#include "render/Fuente.h"
#include "render/PintaPagina.h"
#include "report/EmfMetricas.h"

#include <QFontMetricsF>
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
    p.registros = {
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

TEST(Fuente, TieneLasMedidasDeLosArchivosDePagina) {
    // Right-aligned amounts end at their column only if the drawn font advances as the page
    // files say; a substituted family would drift by several twips per character.
    const QString texto = QStringLiteral("Teléfonos :55 5555-1234, Año 2024 $ 1,234.50");
    for (bool negrita : {false, true}) {
        for (int puntos : {8, 10}) {
            double esperado = 0;
            for (uint32_t a : AvancesTexto(texto, puntos, negrita)) esperado += a;
            const QFontMetricsF metricas(render::FuentePagina(puntos, negrita));
            EXPECT_NEAR(metricas.horizontalAdvance(texto), esperado, 3.0) << puntos << " " << negrita;
            EXPECT_NEAR(metricas.ascent() + metricas.descent(), AltoLinea(puntos), 2.0);
        }
    }
}

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

TEST(Pintado, CualquierEscalaYPosicionDeLaHoja) {
    // A preview draws the sheet at a zoom and offset of its own; positions scale with it.
    const double escala = 0.05;  // pixels per twip
    const QPointF esquina(40, 30);
    QImage img(700, 900, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        render::PintaPagina(p, PaginaConEncabezado(), QRectF(esquina, QSizeF(AnchoHoja * escala, AltoHoja * escala)));
    }
    auto px = [&](int x, int y) {
        return QPoint(static_cast<int>(esquina.x() + (x + OrigenX) * escala), static_cast<int>(esquina.y() + (y + OrigenY) * escala));
    };
    EXPECT_EQ(img.pixel(px(8150, 340)), Gris);
    // 15-twip rules are under a pixel wide here, yet both are still drawn.
    for (int y : {960, 1000}) {
        const QPoint centro = px(5000, y);
        EXPECT_TRUE(Tinta(img.pixel(centro)) || Tinta(img.pixel(centro - QPoint(0, 1)))) << y;
    }
    EXPECT_FALSE(Tinta(img.pixel(px(5000, 1100))));
    EXPECT_EQ(img.pixel(20, 20), Blanco);
}
