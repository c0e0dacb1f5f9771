#pragma once
// Writes a script for the mariadb client that creates the same tables in MariaDB and loads the
// same rows with multi-row INSERTs inside one transaction; it drops the tables first, so loading
// it again starts afresh.
#include "demo/DestinoScript.h"

#include <QByteArray>
#include <vector>

namespace demo {

// One value as a MariaDB literal under NO_BACKSLASH_ESCAPES: NULL, a number, or a quoted text
// with its quotes doubled.
QByteArray LiteralMariaDB(const Valor& v);

class DestinoMariaDB : public DestinoScript {
public:
    DestinoMariaDB(QString archivo, QString descripcion);

    void Inicia(const Esquema& esquema) override;
    void Fila(int tabla, const std::vector<Valor>& fila) override;
    void Termina() override;

private:
    std::vector<std::vector<QByteArray>> filas_;  // the VALUES tuple of every row, per table
};

}  // namespace demo
