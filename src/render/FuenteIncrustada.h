#pragma once
// A TrueType font read from its file for the direct PDF writer: its glyph for each character, its
// advances and metrics, and a subset of its program holding only the glyphs a document uses. Every
// read of the file is checked against the table it belongs to, so a damaged file fails cleanly.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace render {

class FuenteIncrustada {
public:
    // Reads the file; false when it is missing or is not a usable TrueType font. `nombre` is the
    // font's PostScript name.
    bool Carga(const QString& archivo, const QByteArray& nombre);

    const QByteArray& Nombre() const { return nombre_; }

    // The glyph of a Unicode code point; 0 (the font's "missing" glyph) when the font has none.
    uint16_t Glifo(char32_t caracter) const;

    int32_t Glifos() const { return glifos_; }
    int32_t UnidadesPorEm() const { return unidadesPorEm_; }
    int32_t Avance(uint16_t glifo) const;  // in font units

    // Metrics for the PDF's font descriptor, in font units.
    struct Metricas {
        int16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
        int16_t ascendente = 0, descendente = 0, altoMayusculas = 0;
        int32_t peso = 400;
        double anguloItalica = 0;
    };
    const Metricas& Medidas() const { return metricas_; }

    // The font program with every glyph id kept but only the outlines of `usados` (indexed by
    // glyph) and of the glyphs they are built from; glyph 0 always stays.
    QByteArray Subconjunto(const std::vector<bool>& usados) const;

private:
    struct Tabla {
        uint32_t etiqueta = 0;
        uint32_t inicio = 0;
        uint32_t largo = 0;
    };
    const Tabla* Busca(const char* etiqueta) const;
    uint32_t InicioGlifo(uint32_t glifo) const;  // offset in glyf; glifo may be Glifos()
    void AgregaComponentes(uint16_t glifo, std::vector<bool>& usados, int profundidad) const;

    QByteArray datos_;
    QByteArray nombre_;
    std::vector<Tabla> tablas_;
    Metricas metricas_;
    int32_t glifos_ = 0;
    int32_t unidadesPorEm_ = 1000;
    bool locaLarga_ = false;
    std::vector<uint16_t> avances_;
    std::vector<uint16_t> glifoBmp_;  // by BMP code point
    struct Grupo {
        char32_t primero, ultimo;
        uint32_t glifo;
    };
    std::vector<Grupo> gruposAstrales_;  // code points past U+FFFF, sorted
};

// The page font's embedded twin, regular or bold, loaded once; throws vb::ErrorEjecucion when
// its file is missing or unreadable.
const FuenteIncrustada& FuenteDePagina(bool negrita);

}  // namespace render
