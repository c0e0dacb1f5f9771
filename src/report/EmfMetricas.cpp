#include "report/EmfMetricas.h"

#include <array>

namespace report {

namespace {

// Advance widths in font units (2048 to the em) of Liberation Sans, which shares Arial's
// metrics, for U+0020 to U+00FF.
constexpr int32_t UnidadesPorEm = 2048;
constexpr char16_t PrimerCaracter = 0x20;

constexpr std::array<uint16_t, 224> AnchosNormal = {
    569, 569, 727, 1139, 1139, 1821, 1366, 391, 682, 682, 797, 1196, 569, 682, 569, 569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569, 569, 1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569, 1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569, 569, 569, 961, 1139,
    682, 1139, 1139, 1024, 1139, 1139, 569, 1139, 1139, 455, 455, 1024, 455, 1706, 1139, 1139,
    1139, 1139, 682, 1024, 569, 1139, 1024, 1479, 1024, 1024, 1024, 684, 532, 684, 1196, 1536,
    1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536,
    1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536,
    569, 682, 1139, 1139, 1139, 1139, 532, 1139, 682, 1509, 758, 1139, 1196, 682, 1509, 1131,
    819, 1124, 682, 682, 682, 1180, 1100, 682, 682, 682, 748, 1139, 1708, 1708, 1708, 1251,
    1366, 1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569, 569, 569, 569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569, 569, 569, 569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024
};

constexpr std::array<uint16_t, 224> AnchosNegrita = {
    569, 682, 971, 1139, 1139, 1821, 1479, 487, 682, 682, 797, 1196, 569, 682, 569, 569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682, 682, 1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569, 1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682, 569, 682, 1196, 1139,
    682, 1139, 1251, 1139, 1251, 1139, 682, 1251, 1251, 569, 569, 1139, 569, 1821, 1251, 1251,
    1251, 1251, 797, 1139, 682, 1251, 1139, 1593, 1139, 1139, 1024, 797, 573, 797, 1196, 1536,
    1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536,
    1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536, 1536,
    569, 682, 1139, 1139, 1139, 1139, 573, 1139, 682, 1509, 758, 1139, 1196, 682, 1509, 1131,
    819, 1124, 682, 682, 682, 1180, 1139, 682, 682, 682, 748, 1139, 1708, 1708, 1708, 1251,
    1479, 1479, 1479, 1479, 1479, 1479, 2048, 1479, 1366, 1366, 1366, 1366, 569, 569, 569, 569,
    1479, 1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251,
    1139, 1139, 1139, 1139, 1139, 1139, 1821, 1139, 1139, 1139, 1139, 1139, 569, 569, 569, 569,
    1251, 1251, 1251, 1251, 1251, 1251, 1251, 1124, 1251, 1251, 1251, 1251, 1251, 1139, 1251, 1139
};

// The few characters past Latin-1 that Spanish text commonly carries.
struct AnchoExtra {
    char16_t caracter;
    uint16_t normal;
    uint16_t negrita;
};
constexpr std::array<AnchoExtra, 9> AnchosExtra = {{
    {0x2013, 1139, 1139}, {0x2014, 2048, 2048}, {0x2018, 455, 569}, {0x2019, 455, 569},
    {0x201C, 682, 1024}, {0x201D, 682, 1024}, {0x2022, 717, 717}, {0x2026, 2048, 2048},
    {0x20AC, 1139, 1139},
}};
constexpr uint16_t AnchoDesconocido = 1139;  // a digit's width

constexpr int32_t AscendenteMasDescendente = 1854 + 434;

int32_t AnchoUnidades(char16_t c, bool negrita) {
    if (c >= PrimerCaracter && c <= 0xFF) {
        const auto i = static_cast<std::size_t>(c - PrimerCaracter);
        return negrita ? AnchosNegrita[i] : AnchosNormal[i];
    }
    for (const AnchoExtra& extra : AnchosExtra)
        if (extra.caracter == c) return negrita ? extra.negrita : extra.normal;
    return c < PrimerCaracter ? 0 : AnchoDesconocido;
}

}  // namespace

std::vector<uint32_t> AvancesTexto(const QString& texto, int32_t puntos, bool negrita) {
    // Rounded running positions, so the rounding of single advances never accumulates.
    const int64_t em = int64_t{puntos} * 20;
    std::vector<uint32_t> avances;
    avances.reserve(static_cast<std::size_t>(texto.size()));
    int64_t unidades = 0;
    int64_t anterior = 0;
    for (const QChar c : texto) {
        unidades += AnchoUnidades(c.unicode(), negrita);
        const int64_t posicion = (unidades * em + UnidadesPorEm / 2) / UnidadesPorEm;
        avances.push_back(static_cast<uint32_t>(posicion - anterior));
        anterior = posicion;
    }
    return avances;
}

int32_t AnchoTexto(const QString& texto, int32_t puntos, bool negrita) {
    int64_t unidades = 0;
    for (const QChar c : texto) unidades += AnchoUnidades(c.unicode(), negrita);
    return static_cast<int32_t>((unidades * int64_t{puntos} * 20 + UnidadesPorEm / 2) / UnidadesPorEm);
}

int32_t AltoLinea(int32_t puntos) {
    return static_cast<int32_t>((int64_t{puntos} * 20 * AscendenteMasDescendente + UnidadesPorEm / 2) / UnidadesPorEm);
}

}  // namespace report
