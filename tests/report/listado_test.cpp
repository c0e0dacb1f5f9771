#include "report/Listado.h"
#include "report/SuperficieArchivos.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace report;

TEST(Listado, RenglonesJsonConLasClavesEnOrdenYPaginasNumeradas) {
    Documento d(2);
    d[0] = Pagina{Texto{7000, 720, QStringLiteral("Página  : 1 / 2"), 0xFF0000, false, 8, 0},
                      Texto{10300, 1240, QStringLiteral("\"Ñ\" \\ -5.00\t"), 0, true, 9, 2},
                      Linea{0, 960, 10500, 960, 0xFF0000}};
    d[1] = Pagina{Regla{6900, 240, 2500, -200}};
    const QByteArray esperado =
        "{\"pages\":2}\n"
        "{\"page\":1,\"op\":\"text\",\"x\":7000,\"y\":720,\"text\":\"P\xC3\xA1gina  : 1 / 2\",\"color\":16711680,"
        "\"bold\":false,\"size\":8,\"align\":0}\n"
        "{\"page\":1,\"op\":\"text\",\"x\":10300,\"y\":1240,\"text\":\"\\\"\xC3\x91\\\" \\\\ -5.00\\t\",\"color\":0,"
        "\"bold\":true,\"size\":9,\"align\":2}\n"
        "{\"page\":1,\"op\":\"line\",\"x1\":0,\"y1\":960,\"x2\":10500,\"y2\":960,\"color\":16711680}\n"
        "{\"page\":2,\"op\":\"rule\",\"x\":6900,\"y\":240,\"w\":2500,\"h\":-200}\n";
    EXPECT_EQ(Listado(d), esperado);
}

// Each text goes out as the JSON writer would write it, in one, two, three or four UTF-8 bytes a
// character or escaped; a mark's and a value's fields split at their first separators only.
TEST(Listado, TextosComoLosEscribeJsonYCamposPartidosEnSusSeparadores) {
    const QStringList textos = {QStringLiteral("a"), QStringLiteral("Peña ñ"), QStringLiteral("€ ✓ \uFFFD"),
                                QStringLiteral("clave 𝄞"), QStringLiteral("línea\nnueva \x01"), QString()};
    Pagina p;
    for (const QString& t : textos) p.Agrega(Texto{0, 0, t});
    p.Agrega(Marca{ClaseRenglon::Grupo, 1, UneCampos({"Acreedor", "", "Nombre\x1F con separador"})});
    p.Agrega(Dato{TipoDato::Texto, UneCampos({"Nota", "a\x1F b"})});
    const QList<QByteArray> renglones = Listado(Documento{p}).split('\n');
    for (qsizetype i = 0; i < textos.size(); ++i) {
        QByteArray esperado = QJsonDocument(QJsonArray{textos[i]}).toJson(QJsonDocument::Compact);
        esperado = "\"text\":" + esperado.mid(1, esperado.size() - 2) + ",";
        EXPECT_TRUE(renglones[i + 1].contains(esperado)) << renglones[i + 1].constData();
    }
    EXPECT_TRUE(renglones[7].endsWith("\"group\":\"Acreedor\",\"key\":\"\",\"name\":\"Nombre\\u001f con separador\"}"))
        << renglones[7].constData();
    EXPECT_TRUE(renglones[8].endsWith("\"column\":\"Nota\",\"value\":\"a\\u001f b\"}")) << renglones[8].constData();
}

TEST(Listado, UnDocumentoVacioSoloDiceCuantasPaginas) {
    EXPECT_EQ(Listado(Documento{}), "{\"pages\":0}\n");
    EXPECT_EQ(Listado(Documento(1)), "{\"pages\":1}\n");
}

// A listing longer than one piece is written to its file exactly as built whole, and the file
// appears only once it is complete: a write given up halfway leaves nothing in the folder.
TEST(Listado, EnArchivoPorTramosIgualQueEntero) {
    QTemporaryDir carpeta;
    Documento d(300);
    for (int p = 0; p < 300; ++p)
        for (int i = 0; i < 40; ++i)
            d[p].Agrega(Texto{i * 10, p, QStringLiteral("Renglón %1 de la página %2").arg(i).arg(p)});
    const QString ruta = carpeta.filePath(QStringLiteral("listado.jsonl"));
    GrabaListado(ruta, d);
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray escrito = archivo.readAll();
    EXPECT_GT(escrito.size(), 1024 * 1024);
    EXPECT_EQ(escrito, Listado(d));

    {
        ArchivoDeSalida abandonado(carpeta.filePath(QStringLiteral("a medias.jsonl")));
        abandonado.Escribe("{\"pages\":1}\n");
    }
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), QStringList{QStringLiteral("listado.jsonl")});
}
