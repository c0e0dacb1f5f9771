#pragma once
// The SQL of a treasury run alone, without drawing: the window's bank → account walk and, for each
// account, the report's own queries (built by the window itself) on the module connection, every
// field read.
#include "sql_sola.h"

#include <QDate>
#include <QString>

namespace bench {

struct Tesoreria {
    int consulta;       // cmbConsulta: 0 account catalog, 1 movements by date, 2 account ledger, 3 bank
                        // book, 4 reconciliations, 5 daily, 6 monthly averages, 7 movements by
                        // application date, 8 transfers
    QDate desde, hasta;  // the date range (1 to 4, 7, 8), the month (5: desde), the first and last month (6)
    QString folio;      // the bank book's one reconciliation; empty: every one in the range
    int traspaso = 0;   // the transfer concept's entry in cmbTras (8)
};

// Loads the treasury window on the module connection PreparaSql opened (not timed).
void PreparaSqlTesoreria();

// One timed pass; `acreedores` counts the accounts walked. A run-time error travels as
// vb::ErrorEjecucion.
TiempoSql MideSqlTesoreria(const Tesoreria& corrida);

}  // namespace bench
