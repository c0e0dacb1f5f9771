#pragma once
// A throw-away SQLite database written with the C API, to be opened through ado.
#include "NumeroDeError.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// What a host writes to a SQLite file, on a connection of its own that does not wait for a lock:
// SQLITE_OK, or SQLITE_BUSY while a reader holds the file.
int EscribeSqlite(const QString& archivo, const char* sql);

class BaseSqlite {
public:
    explicit BaseSqlite(const char* guion);  // SQL run once to create and fill the file
    QString Cadena() const;                   // the ado connection string
    QByteArray Contenido() const;             // the file's bytes, to prove nothing was written
    const QString& Ruta() const { return ruta_; }
    // What the host writes meanwhile, on a connection of its own that does not wait for a lock:
    // SQLITE_OK, or SQLITE_BUSY while a reader holds the file.
    int Escribe(const char* sql) const;

private:
    QTemporaryDir dir_;
    QString ruta_;
};
