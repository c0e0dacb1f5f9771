#pragma once
// Whole-file reads and writes for page files and listings, with run-time errors the way the
// original runtime reported them (53 missing file, 61 disk full, 75 access, 76 path).
#include <QByteArray>
#include <QString>

namespace report {

// Writes all bytes or nothing: a regular file goes through a temporary name in the same folder
// and a rename, so a failed write (full disk, no permission) leaves no file behind. A device or
// other non-regular target is written in place and never removed.
void GrabaArchivo(const QString& ruta, const QByteArray& datos);

// Reads a whole file. Files beyond the size limit are not page files: error 321.
QByteArray LeeArchivo(const QString& ruta, qint64 limite = 64 * 1024 * 1024);

}  // namespace report
