#pragma once
// A report page as a display list: what the surface records, the page files carry, the
// renderer paints and the listing prints. Positions are twips from the drawing origin.
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace report {

// US Letter portrait; the drawing origin sits inside the sheet's top-left corner, so report
// lines from x 0 to 10500 and y 0 to 15400 land on paper.
inline constexpr int32_t AnchoHoja = 12240;
inline constexpr int32_t AltoHoja = 15840;
inline constexpr int32_t OrigenX = 870;
inline constexpr int32_t OrigenY = 360;

inline constexpr const char16_t* FamiliaFuente = u"Arial";  // drawn with its metric twin
inline constexpr uint32_t ColorRegla = 0xE0E0E0;              // light grey band, 0x00BBGGRR
inline constexpr int32_t GrosorLinea = 15;                    // pen width of DrawLine, twips

// TextAlign: 0 puts the text's left edge at x, 2 its right edge. The text's top sits at y.
inline constexpr int32_t AlineaIzquierda = 0;
inline constexpr int32_t AlineaDerecha = 2;

struct Texto {
    int32_t x = 0;
    int32_t y = 0;
    QString texto;
    uint32_t color = 0;     // 0x00BBGGRR
    bool negrita = false;
    int16_t tamano = 8;     // points
    int32_t alineacion = AlineaIzquierda;
    bool operator==(const Texto&) const = default;
};

struct Linea {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    uint32_t color = 0;
    bool operator==(const Linea&) const = default;
};

// A filled band in ColorRegla with no outline; text drawn over it stays readable.
struct Regla {
    int32_t x = 0;
    int32_t y = 0;
    int32_t ancho = 0;
    int32_t alto = 0;
    bool operator==(const Regla&) const = default;
};

using Registro = std::variant<Texto, Linea, Regla>;

struct Pagina {
    std::vector<Registro> registros;
    bool operator==(const Pagina&) const = default;
};

using Documento = std::vector<Pagina>;

}  // namespace report
