#include "render/Exportacion.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;

namespace {

Documento DocumentoDe(int paginas) {
    Documento d;
    for (int n = 1; n <= paginas; ++n) {
        Pagina p;
        p.registros = {Texto{7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(paginas), 0xFF0000, false, 8, 0},
                       Linea{0, 960, 10500, 960, 0}};
        d.push_back(p);
    }
    return d;
}

}  // namespace

TEST(Pdf, UnArchivoCartaConTodasLasPaginas) {
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("reporte.pdf"));
    render::ExportaPdf(DocumentoDe(3), archivo);

    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString pdf = QString::fromLatin1(f.readAll());
    EXPECT_TRUE(pdf.startsWith(QStringLiteral("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 3);
    // Letter, edge to edge: 612 x 792 points.
    EXPECT_TRUE(pdf.contains(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 612(\\.0*)? 792(\\.0*)?\\]"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(Png, UnArchivoPorPaginaConSuResolucion) {
    QTemporaryDir dir;
    const QString carpeta = dir.filePath(QStringLiteral("paginas"));  // created on the way
    const QStringList grabados = render::ExportaPng(DocumentoDe(2), carpeta, 72);
    ASSERT_EQ(grabados.size(), 2);
    EXPECT_EQ(QDir(carpeta).entryList(QDir::Files),
              (QStringList{QStringLiteral("pagina_001.png"), QStringLiteral("pagina_002.png")}));
    const QImage img(grabados.at(1));
    EXPECT_EQ(img.size(), QSize(612, 792));
    EXPECT_NEAR(img.dotsPerMeterX() * 0.0254, 72, 0.5);
}
