#pragma once
// The SQL of a movements or petty-cash run alone, without drawing: the window's own query for the
// run's filters, through the module connection, every field of every row read.
#include "sql_sola.h"

#include <QDate>

namespace bench {

struct Movimientos {
    int consulta;      // cmbConsulta: 2 "Relación de Movimientos", 4 "Reposición de Caja"
    bool porConcepto;  // optOrden(1); otherwise by creditor or by folio
    bool detallado;
    QDate desde, hasta;
};

// One timed pass; PreparaSql must have run. A run-time error travels as vb::ErrorEjecucion.
TiempoSql MideSqlMovimientos(const Movimientos& corrida);

}  // namespace bench
