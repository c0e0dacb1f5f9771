#pragma once
// The page font: the family pages name, drawn with the metric twin installed on this system, so
// text lands where the page files' glyph advances say. Needs a QGuiApplication.
#include <QFont>
#include <cstdint>

namespace render {

// The page font at `puntos` points, sized in twips (a point is 20 twips) for a painter whose
// units are twips. No kerning and no hinting: each glyph advances by its design width.
QFont FuentePagina(int32_t puntos, bool negrita);

// The file of the metric twin, regular or bold.
QString ArchivoFuente(bool negrita);

// The family actually used for FuentePagina.
QString FamiliaReal();

}  // namespace render
