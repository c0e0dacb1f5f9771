#pragma once
// Writes a psql script that creates the same tables in PostgreSQL and loads the same rows with
// COPY, inside one transaction; it drops the tables first, so loading it again starts afresh.
#include "demo/DestinoScript.h"

#include <QByteArray>
#include <vector>

namespace demo {

// One field in COPY text format: \N for NULL, backslash, tab, newline and carriage return escaped.
QByteArray CampoCopy(const Valor& v);

class DestinoPostgres : public DestinoScript {
public:
    DestinoPostgres(QString archivo, QString descripcion);

    void Inicia(const Esquema& esquema) override;
    void Fila(int tabla, const std::vector<Valor>& fila) override;
    void Termina() override;

private:
    std::vector<QByteArray> datos_;  // COPY lines of each table, written out at the end
};

}  // namespace demo
