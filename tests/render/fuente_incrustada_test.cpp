#include "render/Fuente.h"
#include "render/FuenteIncrustada.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using render::FuenteIncrustada;

namespace {

QByteArray Lee(const QString& archivo) {
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool CargaBytes(FuenteIncrustada& fuente, const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString archivo = dir.filePath(QStringLiteral("f.ttf"));
    QFile f(archivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) return false;
    f.close();
    return fuente.Carga(archivo, "Prueba");
}

}  // namespace

// The subset is itself a font this reader takes back: same glyph ids, same characters, same
// advances, and the outlines of the used glyphs and of the parts they are built from.
TEST(FuenteIncrustada, ElSubconjuntoConservaLosGlifosUsados) {
    const FuenteIncrustada& fuente = render::FuenteDePagina(false);
    const uint16_t o = fuente.Glifo(U'o'), oAguda = fuente.Glifo(U'ó'), euro = fuente.Glifo(U'€');
    ASSERT_NE(oAguda, 0);
    ASSERT_NE(euro, 0);
    EXPECT_EQ(fuente.Glifo(U'\U0001F600'), 0);  // no emoji: the missing glyph
    EXPECT_EQ(fuente.Avance(fuente.Glifo(U'0')) * 1000 / fuente.UnidadesPorEm(), 556);

    std::vector<bool> usados(static_cast<std::size_t>(fuente.Glifos()));
    usados[oAguda] = usados[euro] = true;
    const QByteArray subconjunto = fuente.Subconjunto(usados);
    EXPECT_LT(subconjunto.size(), Lee(render::ArchivoFuente(false)).size() / 4);

    QTemporaryDir dir;
    FuenteIncrustada leida;
    ASSERT_TRUE(CargaBytes(leida, dir, subconjunto));
    EXPECT_EQ(leida.Glifos(), fuente.Glifos());
    EXPECT_EQ(leida.Glifo(U'ó'), oAguda);
    EXPECT_EQ(leida.Avance(euro), fuente.Avance(euro));
    // Cut again keeping every glyph, it comes out the same size: its loca and glyf read back whole.
    std::vector<bool> todos(static_cast<std::size_t>(leida.Glifos()), true);
    const QByteArray otra = leida.Subconjunto(todos);
    EXPECT_EQ(otra.size(), subconjunto.size());
    usados[o] = true;  // already kept as a part of ó
    EXPECT_EQ(fuente.Subconjunto(usados), subconjunto);
}

// A damaged file is refused or read within its bounds, never past them.
TEST(FuenteIncrustada, UnArchivoDanadoNoSeLeeFueraDeSusLimites) {
    const QByteArray original = Lee(render::ArchivoFuente(true));
    ASSERT_FALSE(original.isEmpty());
    QTemporaryDir dir;
    std::mt19937 azar(22);
    for (int vez = 0; vez < 60; ++vez) {
        QByteArray danado = original;
        if (vez < 20) {
            danado.truncate(static_cast<qsizetype>(azar() % static_cast<uint32_t>(original.size())));
        } else {
            // Bytes of the table directory and of the tables' headers, where lengths and offsets live.
            for (int i = 0; i < 8; ++i) {
                const auto pos = static_cast<qsizetype>(vez < 40 ? azar() % 400 : azar() % static_cast<uint32_t>(original.size()));
                danado[pos] = static_cast<char>(azar());
            }
        }
        FuenteIncrustada fuente;
        if (!CargaBytes(fuente, dir, danado)) continue;
        std::vector<bool> usados(static_cast<std::size_t>(fuente.Glifos()));
        for (char32_t c : {U'A', U'ó', U'Ł', U'€', U'\U0001F600'}) usados[fuente.Glifo(c)] = true;
        EXPECT_GE(fuente.Subconjunto(usados).size(), 12);
    }
}
