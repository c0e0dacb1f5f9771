#pragma once
// A page as an Enhanced Metafile that any EMF reader opens: the sheet in twips with the drawing
// origin placed by the window origin, so the records carry page coordinates unchanged.
#include "report/Pagina.h"

#include <QByteArray>
#include <vector>

namespace report {

QByteArray EscribeEmf(const Pagina& pagina);
// The same page read out of its document, for a thread that must not touch the document.
QByteArray EscribeEmf(const std::vector<Registro>& registros);

}  // namespace report
