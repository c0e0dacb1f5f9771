#pragma once
// SQLite keeps whatever it is given: a date written '2025/11/30', text in an amount or status
// column. Read as a field such a value is an error, but compared or computed inside SQL it makes a
// row drop out of a WHERE or count as 0, and a total moves with nothing said. So while a report
// runs, every table column its queries touch is first checked for values its declared type cannot
// hold; a bad one is the runtime's error naming table, column, the row's key and the value. Each
// column is checked once per change of the database, not once per query or per run: what was
// found clean is remembered in the user's cache folder under the database file's identity (device,
// inode, size and time of the file and of its -wal), so the next process skips it too.
#include "ado/ValoresSqlite.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct sqlite3;

namespace ado::detalle {

class RevisionSqlite {
public:
    // The database file and the columns of every table of its schema, with their declared types
    // and primary keys.
    void LeeEsquema(sqlite3* db);
    // A column a statement being prepared reads (the authorizer says so).
    void Vista(const char* tabla, const char* columna);
    // A report run starts: when the database file changed since the last check, every column seen
    // so far is to be checked again.
    void NuevaCorrida();
    // Checks the columns seen and not yet checked; raises error 13 or 6 on the first bad value.
    void Revisa(sqlite3* db);

private:
    struct Tabla {
        QString nombre;
        QStringList clave;             // primary key columns; empty for the rowid
        QHash<QString, Clase> clases;  // column (upper case) -> declared class
        QHash<QString, QString> nombres;  // column (upper case) -> name as declared
    };
    void RevisaTabla(sqlite3* db, const Tabla& tabla, const QStringList& columnas);
    void LeeRecuerdo();
    void GuardaRecuerdo() const;

    QHash<QString, Tabla> tablas_;  // table name (upper case)
    QSet<QString> vistas_;          // "TABLA\nCOLUMNA" read by some statement of this session
    QSet<QString> revisadas_;       // of those, checked on the current version of the data
    std::vector<QString> pendientes_;
    QString archivo_;               // the database file, for the remembered checks
    QByteArray firma_;              // its identity and state when revisadas_ was last valid
    bool revisando_ = false;        // the check's own statements are not seen
};

}  // namespace ado::detalle
