#pragma once
// What a server's load script needs from the generator: the file it goes to, the line that
// describes it and the schema whose tables it creates and fills.
#include "demo/Esquema.h"
#include "demo/Salida.h"

#include <QString>
#include <QStringList>

namespace demo {

class DestinoScript : public Destino {
protected:
    DestinoScript(QString archivo, QString descripcion)
        : archivo_(std::move(archivo)), descripcion_(std::move(descripcion)) {}

    void Inicia(const Esquema& esquema) override { esquema_ = &esquema; }

    QStringList NombresDeTablas() const {
        QStringList nombres;
        for (const Tabla& t : esquema_->tablas()) nombres << t.nombre;
        return nombres;
    }
    static QStringList NombresDeColumnas(const Tabla& t) {
        QStringList columnas;
        for (const Columna& c : t.columnas) columnas << c.nombre;
        return columnas;
    }

    QString archivo_;
    QString descripcion_;
    const Esquema* esquema_ = nullptr;
};

}  // namespace demo
