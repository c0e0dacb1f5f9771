#include "render/Exportacion.h"

#include "report/TablaDeMarcas.h"
#include "report/TablaTextos.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;

namespace {

Documento DocumentoDe(int paginas) {
    Documento d;
    for (int n = 1; n <= paginas; ++n) {
        Pagina p;
        p = Pagina{Texto{7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(paginas), 0xFF0000, false, 8, 0},
                       Linea{0, 960, 10500, 960, 0}};
        d.push_back(p);
    }
    return d;
}

}  // namespace

// What a poppler tool says about a file, or empty when it cannot run.
QString Poppler(const char* herramienta, const QStringList& args) {
    QProcess p;
    p.start(QString::fromLatin1(herramienta), args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// An independent reader finds a Letter file with every page, the texts in reading order and the
// metadata; a right-aligned amount ends at its x, and a text outside Latin-1 or with PDF's own
// delimiters survives.
TEST(Pdf, TextoSeleccionableEnOrdenConSusDatos) {
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("r.pdf"));
    Documento d = DocumentoDe(2);
    auto& r = d[0];
    r.Agrega(Texto{0, 2000, QStringLiteral("Peña (Ñandú) \\ – 5€"), 0, true, 9, AlineaIzquierda});
    r.Agrega(Texto{10500, 1800, QStringLiteral("1,234.50"), 0, false, 7, AlineaDerecha});
    r.Agrega(Texto{0, 1800, QStringLiteral("Primero"), 0, false, 7, AlineaIzquierda});
    r.Agrega(Regla{6900, 240, 2500, 200});
    const QDateTime fecha(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::UTC);
    render::ExportaPdf(d, archivo, {QStringLiteral("Saldos"), QStringLiteral("Empresa Ñ"), fecha});

    const QString texto = Poppler("pdftotext", {"-raw", "-f", "1", "-l", "1", archivo, "-"});
    ASSERT_FALSE(texto.isEmpty()) << "pdftotext no corrió";
    const QStringList lineas = texto.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lineas.size(), 3);
    EXPECT_EQ(lineas[0], QStringLiteral("Página : 1 / 2"));
    EXPECT_EQ(lineas[1], QStringLiteral("Primero 1,234.50"));
    EXPECT_EQ(lineas[2], QStringLiteral("Peña (Ñandú) \\ – 5€"));

    const QString info = Poppler("pdfinfo", {archivo});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Saldos\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Author:\\s+Empresa Ñ\\n"))));
    EXPECT_TRUE(info.contains(QStringLiteral("2026"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));

    // The amount's right edge: x 10500 twips from the origin at 870 is 568.5 points.
    const QString cajas = Poppler("pdftotext", {"-bbox", "-f", "1", "-l", "1", archivo, "-"});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("xMax=\"([0-9.]+)\"[^>]*>1,234.50<")).match(cajas);
    ASSERT_TRUE(m.hasMatch()) << cajas.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 568.5, 0.6);

    // Letter, edge to edge: 612 x 792 points; one file, whatever the pages.
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792 pts")))) << info.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

int Tinta(const QImage& imagen) {
    int oscuros = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) oscuros += qGray(imagen.pixel(x, y)) < 128;
    return oscuros;
}

// Characters outside Windows-1252 print and extract: both fonts travel as subsets, every glyph
// keeps its outline (accented letters are built from other glyphs), the file is sound, and the
// same document makes the same file, identifier included.
TEST(Pdf, FuentesIncrustadasGuardanCadaCaracter) {
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("f.pdf")), otro = dir.filePath(QStringLiteral("g.pdf"));
    Documento d(1);
    d[0] = Pagina{Texto{0, 1000, QStringLiteral("Łódź"), 0, false, 20, AlineaIzquierda},
                      Texto{0, 2000, QStringLiteral("Ñandú"), 0, true, 20, AlineaIzquierda},
                      Texto{0, 3000, QStringLiteral("€"), 0, false, 20, AlineaIzquierda}};
    const render::DatosPdf datos{QStringLiteral("Saldos"), QStringLiteral("Empresa"), QDateTime(QDate(2026, 3, 4), QTime(5, 6), Qt::UTC)};
    render::ExportaPdf(d, archivo, datos);
    render::ExportaPdf(d, otro, datos);

    EXPECT_EQ(Poppler("pdftotext", {"-raw", archivo, "-"}).split(QRegularExpression(QStringLiteral("[\\n\\f]")), Qt::SkipEmptyParts),
              QStringList({QStringLiteral("Łódź"), QStringLiteral("Ñandú"), QStringLiteral("€")}));
    const QString fuentes = Poppler("pdffonts", {archivo});
    for (const char* nombre : {"LiberationSans", "LiberationSans-Bold"})
        EXPECT_TRUE(fuentes.contains(QRegularExpression(QStringLiteral("\\n[A-Z]{6}\\+%1 +CID TrueType +Identity-H +yes yes yes ")
                                                             .arg(QString::fromLatin1(nombre)))))
            << fuentes.toStdString();

    // Ink as Qt paints the page; a glyph that lost its outline, or a part of one, would leave less.
    Poppler("pdftoppm", {"-r", "72", "-singlefile", "-png", archivo, dir.filePath("p")});
    ASSERT_TRUE(QFile::exists(dir.filePath("p.png")));
    const int pdf = Tinta(QImage(dir.filePath("p.png"))), qt = Tinta(render::ImagenPagina(d[0], 72));
    EXPECT_GT(qt, 200);
    EXPECT_NEAR(pdf, qt, qt / 8);

    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), archivo});
    ASSERT_TRUE(qpdf.waitForFinished(30000));
    EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();

    QFile f(archivo), g(otro);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly) && g.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes, g.readAll());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/ID \\[<([0-9A-F]{32})> <\\1>\\]")).match(QString::fromLatin1(bytes)).hasMatch());
}

// A document of more than a million objects (a paragraph a line, 460 lines a page) has its
// cross-reference in sections, the last pointing to those before: a strict reader finds every
// object through them, and the last page reads whole.
TEST(Pdf, UnDocumentoDeMasDeUnMillonDeObjetosSeLeeEntero) {
    constexpr int Paginas = 2300, Renglones = 460;
    Documento d;
    auto textos = std::make_shared<TablaTextos>();
    for (int n = 1; n <= Paginas; ++n) {
        Pagina& p = d.emplace_back(textos);
        for (int r = 0; r < Renglones; ++r) p.Agrega(Texto{0, 200 + 30 * r, QStringLiteral("r%1").arg(r), 0, false, 1, 0});
        p.Agrega(Texto{0, 14000, QStringLiteral("Fin de la página %1").arg(n), 0, false, 8, 0});
    }
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("largo.pdf"));
    render::ExportaPdf(d, archivo, {QStringLiteral("Largo"), {}, {}});

    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GE(f.readAll().count("/Type /XRef"), 2);
    // qpdf stops, or warns and fails, when the chain of sections does not lead to the catalog.
    EXPECT_EQ(Poppler("qpdf", {"--show-npages", archivo}).trimmed(), QString::number(Paginas));
    const QString ultima = Poppler("pdftotext", {"-f", QString::number(Paginas), "-l", QString::number(Paginas), archivo, "-"});
    EXPECT_TRUE(ultima.contains(QStringLiteral("Fin de la página %1").arg(Paginas))) << ultima.left(200).toStdString();
}

TEST(Pdf, PdfAParaArchivo) {
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("a.pdf"));
    render::ExportaPdfPintado(DocumentoDe(1), archivo, {QStringLiteral("Saldos"), {}, {}}, true);
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.contains("<pdfaid:part>1</pdfaid:part>") || pdf.contains("pdfaid:part=\"1\""));
    EXPECT_TRUE(pdf.contains("/FontFile2"));  // fonts embedded
    EXPECT_TRUE(pdf.contains("/OutputIntents"));
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

// The CSV a spreadsheet program opens with its accents right: the UTF-8 mark first, a field
// quoted when it holds a comma, a quote or a line break, amounts with a dot and no grouping (the
// sign kept, a half cent never printed), dates as yyyy-mm-dd, and every row ends in CRLF.
TEST(Csv, MarcaUtf8ComillasYValores) {
    const auto texto = [](const QString& t) { return Celda{Celda::Tipo::Texto, t, {}, {}}; };
    const auto importe = [](const char* t) { return Celda{Celda::Tipo::Importe, {}, *vb::Currency::DesdeTexto(QString::fromLatin1(t)), {}}; };
    Tabla tabla;
    tabla.columnas = {QStringLiteral("Código"), QStringLiteral("Nombre, razón"), QStringLiteral("Fecha"),
                      QStringLiteral("Saldo")};
    tabla.filas.push_back({Fila::Clase::Detalle, 0, 0,
                           {texto(QStringLiteral("0012")), texto(QStringLiteral("Peña \"La Güera\", S.A.")),
                            Celda{Celda::Tipo::Fecha, {}, {}, QDate(2026, 1, 5)}, importe("-1234567.80")}});
    tabla.filas.push_back({Fila::Clase::Total, 0, 0,
                           {texto(QStringLiteral("TOTAL")), texto(QStringLiteral("dos\nrenglones")), Celda{},
                            importe("0.05")}});
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("r.csv"));
    render::ExportaCsv(tabla, archivo);
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArrayLiteral("\xEF\xBB\xBF") +
                               QStringLiteral("Código,\"Nombre, razón\",Fecha,Saldo\r\n"
                                              "0012,\"Peña \"\"La Güera\"\", S.A.\",2026-01-05,-1234567.80\r\n"
                                              "TOTAL,\"dos\nrenglones\",,0.05\r\n")
                                   .toUtf8());
}
