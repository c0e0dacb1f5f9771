#pragma once
// Finding text in a numbered document: every text of every page indexed once without accents
// and case, so "peña" finds "PEÑA" on any page and a search of thousands of pages answers at once.
#include "report/Pagina.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace report {

// The text as searches compare it: case folded, accents dropped, one unit per unit of the text.
QString TextoComparable(const QString& texto);

struct Coincidencia {
    int pagina = 0;             // 1 ..
    std::size_t registro = 0;   // the text record within the page
    int inicio = 0;             // UTF-16 units into the text
    int largo = 0;
    bool operator==(const Coincidencia&) const = default;
};

class IndiceTextos {
public:
    explicit IndiceTextos(const Documento& documento);

    // Every occurrence in page order, then in the order the page draws its texts.
    std::vector<Coincidencia> Busca(const QString& texto) const;

private:
    // All texts in one string, each closed by a unit no search holds, and where each starts.
    struct Entrada {
        int pagina;
        std::size_t registro;
        qsizetype inicio;
    };
    std::vector<Entrada> entradas_;
    QString textos_;
};

// Where an occurrence lies on its page, in twips from the drawing origin.
struct Rectangulo {
    int32_t x = 0;
    int32_t y = 0;
    int32_t ancho = 0;
    int32_t alto = 0;
};
Rectangulo RectanguloDe(const Documento& documento, const Coincidencia& c);

}  // namespace report
