#pragma once
// A throw-away SQLite database written with the C API, to be opened through ado.
#include "vb/ErrorEjecucion.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class BaseSqlite {
public:
    explicit BaseSqlite(const char* guion);  // SQL run once to create and fill the file
    QString Cadena() const;                   // the ado connection string
    QByteArray Contenido() const;             // the file's bytes, to prove nothing was written
    const QString& Ruta() const { return ruta_; }

private:
    QTemporaryDir dir_;
    QString ruta_;
};

// The run-time error number `f` raises, or 0 when it raises none.
int NumeroDeError(const std::function<void()>& f);
