#pragma once
// A page as an Enhanced Metafile that any EMF reader opens: the sheet in twips with the drawing
// origin placed by the window origin, so the records carry page coordinates unchanged.
#include "report/Pagina.h"

#include <QByteArray>

namespace report {

QByteArray EscribeEmf(const Pagina& pagina);

}  // namespace report
