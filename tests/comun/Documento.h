#pragma once
// Lookups over a finished document that the report tests share: where a text was drawn, what a
// line holds, and how a record looks.
#include "report/Pagina.h"

#include <QStringList>
#include <ostream>
#include <vector>

// Failed comparisons show the text itself.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace prueba {

// One text record of the final document, with its page (from 1).
struct Renglon {
    int pagina = 0;
    report::Texto texto;
};

// Every text record, in page and drawing order.
std::vector<Renglon> Textos(const report::Documento& doc);
// The records whose text is `texto`.
std::vector<Renglon> Busca(const report::Documento& doc, const QString& texto);
// The texts printed at height y of a page, in drawing order.
QStringList EnLinea(const report::Documento& doc, int pagina, int y);
// Where and how the one record with this text was drawn: "p1 950,2520 a0 s9 n0 c0" (page, x,y,
// alignment, size, bold, colour); "N records" when there is not exactly one.
QString Rasgos(const report::Documento& doc, const QString& texto);

}  // namespace prueba
