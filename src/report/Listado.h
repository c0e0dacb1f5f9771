#pragma once
// The listing of a finished document: JSON Lines, first {"pages":M}, then one object per record
// in page order, keys in a fixed order so listings compare line by line.
#include "report/Pagina.h"

#include <QByteArray>
#include <QString>

namespace report {

QByteArray Listado(const Documento& documento);

// Writes the listing to a file, all or nothing, as page files are written.
void GrabaListado(const QString& ruta, const Documento& documento);

}  // namespace report
