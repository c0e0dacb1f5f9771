#pragma once
// Writes the rows into a new SQLite database: dates as ISO text in DATE columns, money as REAL in
// CURRENCY columns, booleans as 0/1, all in one transaction with one prepared INSERT per table.
#include "demo/Salida.h"

#include <QString>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace demo {

class DestinoSqlite : public Destino {
public:
    explicit DestinoSqlite(QString archivo);  // the file must not exist yet
    ~DestinoSqlite() override;

    void Inicia(const Esquema& esquema) override;
    void Fila(int tabla, const std::vector<Valor>& fila) override;
    void Termina() override;

private:
    void Ejecuta(const QString& sql);
    [[noreturn]] void Falla(const QString& que);
    void Cierra();

    QString archivo_;
    const Esquema* esquema_ = nullptr;
    sqlite3* bd_ = nullptr;
    std::vector<sqlite3_stmt*> inserciones_;
};

}  // namespace demo
