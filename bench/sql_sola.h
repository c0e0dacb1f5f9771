#pragma once
// The SQL of a catalog run alone, without drawing: the expense window's own creditor query and,
// for the detailed "Parámetros", its two SaldoVencido queries per creditor, every field read.
#include <QString>
#include <functional>

namespace gastos { class frmConGastos; }

namespace bench {

struct Catalogo {
    int tipo;     // cmbTipCatalogo: 0 "Directorio", 1 "Parámetros"
    int detalle;  // optTipo: 0 "Detallado", 1 "Resumido"
};

struct TiempoSql {
    double segundos = 0;
    int acreedores = 0;
    int consultas = 0;
};

// Opens the module connection and loads the window once (not timed).
void PreparaSql(const QString& cadena, const QString& ruta);

// One timed pass; a run-time error travels as vb::ErrorEjecucion.
TiempoSql MideSql(const Catalogo& catalogo);

// The window PreparaSql loaded.
gastos::frmConGastos& Ventana();

// One timed pass over the window's creditor list as its filters choose it, every field read;
// `porAcreedor` runs the creditor's own queries and counts them.
TiempoSql RecorreAcreedores(const std::function<void(const QString& codigo, TiempoSql& t)>& porAcreedor);

}  // namespace bench
