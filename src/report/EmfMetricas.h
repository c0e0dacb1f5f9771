#pragma once
// Advance widths of the page font, so page files carry real glyph positions and right-aligned
// text ends where it should in any reader.
#include <QString>
#include <cstdint>
#include <vector>

namespace report {

// Advance of each UTF-16 unit of the text at this size, in twips; the sum is the text width.
std::vector<uint32_t> AvancesTexto(const QString& texto, int32_t puntos, bool negrita);

// The text's width at this size, in twips: the sum of its advances.
int32_t AnchoTexto(const QString& texto, int32_t puntos, bool negrita);

// Height of a line of the font (ascent plus descent), in twips.
int32_t AltoLinea(int32_t puntos);

}  // namespace report
