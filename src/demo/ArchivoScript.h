#pragma once
// A server load script, written whole or not at all; ErrorDemo names the file when it cannot be.
#include "demo/ErrorDemo.h"

#include <QSaveFile>
#include <QString>

namespace demo {

class ArchivoScript {
public:
    explicit ArchivoScript(const QString& archivo) : f_(archivo) {
        if (!f_.open(QIODevice::WriteOnly))
            throw ErrorDemo(QStringLiteral("No se pudo crear %1: %2").arg(archivo, f_.errorString()));
    }
    void Escribe(const QByteArray& bytes) { f_.write(bytes); }
    void Linea(const QString& texto) { Escribe(texto.toUtf8() + '\n'); }
    void Termina() {
        if (!f_.commit())
            throw ErrorDemo(QStringLiteral("No se pudo escribir %1: %2").arg(f_.fileName(), f_.errorString()));
    }

private:
    QSaveFile f_;
};

}  // namespace demo
