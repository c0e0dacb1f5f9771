#pragma once
// A database in WAL mode is read through an index file beside it (FILE-shm) that SQLite creates
// on first use. In a folder this user may not write there is none to create, and the read-only
// open fails; what can still be read safely is decided here.
#include <QString>
#include <optional>

namespace ado::detalle {

struct LecturaSinIndice {
    bool inmutable = false;  // read the file as it is, as a database nobody can change
    QString motivo;          // otherwise why it cannot be read, for the user
};

// Given the extended result code the read-only open of `archivo` failed with: nullopt when the
// failure is not a missing WAL index. The file is read as immutable only when nothing can change it
// (a read-only file system, or no write permission on the file for anyone) and no committed change
// waits in FILE-wal, which only the index could find.
std::optional<LecturaSinIndice> LecturaDeWalSinIndice(const QString& archivo, int codigo);

// The URI that opens `archivo` as immutable (SQLITE_OPEN_URI).
QByteArray UriInmutable(const QString& archivo);

}  // namespace ado::detalle
