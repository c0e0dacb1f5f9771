#pragma once
// A numbered document read as lines of text: the column captions its page headings print and the
// body lines of every page, with the company heading, the captions and the lines each page
// repeats at its top (the date range, a heading carried over to the next page) left out.
#include "report/Pagina.h"

#include <QString>
#include <deque>
#include <vector>

namespace report {

// Where a drawn text's ink starts and ends, from the page font's advances.
struct Extension {
    int32_t inicio = 0;
    int32_t fin = 0;
};
Extension ExtensionDe(const Texto& t);

// One column caption. A caption text that names several columns, the names apart by runs of
// spaces, is one caption per name, each where the font puts it.
struct Titulo {
    int32_t x = 0;
    int32_t alineacion = AlineaIzquierda;
    QString texto;
    Extension extension;
};

// The texts drawn at one height, left to right. Texts drawn over others already at that height
// (a second pass over the same line) are a line of their own, after the first.
struct Renglon {
    std::size_t pagina = 0;
    int32_t y = 0;
    std::vector<const Texto*> textos;  // none empty
};

struct Cuerpo {
    std::deque<Texto> textos;                  // the texts the lines point to, read out of the pages
    std::vector<std::vector<Titulo>> titulos;  // caption lines, top to bottom, each left to right
    std::vector<Renglon> renglones;            // page after page, top to bottom
};

Cuerpo CuerpoDeDocumento(const Documento& documento);

// A line of at least two texts naming something and holding an amount or a date: what a record
// prints, as opposed to captions and headings.
bool EsRegistro(const std::vector<const Texto*>& textos);

}  // namespace report
