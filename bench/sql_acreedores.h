#pragma once
// The SQL of a balances or ledger run alone, without drawing: the window's own creditor list, then
// every per-creditor and per-movement query of the run replayed on the demo's SQLite file, each
// query text prepared once with the code bound as its parameter.
#include "sql_sola.h"

#include <QDate>
#include <QString>

namespace bench {

struct Acreedores {
    int consulta;    // cmbConsulta: 1 "Auxiliar de Acreedores", 3 "Saldos"
    bool detallado;  // the ledger's form
    QDate desde, hasta;
};

// Opens the SQLite file of the connection string (not timed); PreparaSql must have run.
void PreparaSqlAcreedores(const QString& cadena);

// One timed pass; a run-time error travels as vb::ErrorEjecucion.
TiempoSql MideSqlAcreedores(const Acreedores& corrida);

}  // namespace bench
