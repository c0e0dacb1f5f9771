#pragma once
// Draws a report page with QPainter onto any device: the preview, a printer, a PDF, an image.
#include "report/Pagina.h"

#include <QRectF>

class QPainter;

namespace render {

// Paints the page's records in order so that the whole sheet (12240 x 15840 twips) fills `hoja`,
// given in the painter's coordinates, and nothing past it. The paper itself is left as it is; the
// painter's state is restored afterwards.
void PintaPagina(QPainter& pintor, const report::Pagina& pagina, const QRectF& hoja);

}  // namespace render
