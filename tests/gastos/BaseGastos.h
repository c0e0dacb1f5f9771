#pragma once
// A small expense company on a throw-away SQLite file, and the expense window loaded on it with
// scripted host services: messages, searches, help, and a preview that keeps the document it was
// shown and closes.
#include "EsquemaGastos.h"
#include "VentanaDePrueba.h"
#include "gastos/frmConGastos.h"
#include "report/Pagina.h"
#include "report/Tabla.h"

#include <ostream>
#include <string>

namespace prueba {

// Creditors A001..A004 (A004's city has no row), a non-creditor P005, their agrupaciones and
// expense movements around 15/06/2024.
std::string AcreedoresBase();
// More movements around 15/06/2024: A002 fully paid, A003 an advance and a charge after the 15th,
// A004 only a credit, and class and status mixes for the ledger.
std::string MasMovimientos();
// Over the base movements: folios and branches for all, taxes and withholdings on one, a paid one
// (status 5), and around 01/05/2024-30/06/2024 one on each end and one just outside. A003 also
// belongs to Papelería.
std::string FoliosYSucursales();
// Petty cash: three documents around 01/06/2024-30/06/2024 (the first on the start date, the second
// on the end date, the third a day after) and one the day before; RC-2024-0002 has an expense
// without amount.
std::string Reposiciones();
// n creditors "<prefijo>001".. in Guadalajara, all in one agrupación of one group.
std::string Generados(const char* prefijo, int n, int agrupacion, int grupo);

// A row's cell under the sheet's column named `columna`.
const report::Celda& Celda(const report::Tabla& hoja, const report::Fila& fila, const char* columna);

class VentanaGastos : public VentanaDePrueba<gastos::frmConGastos> {
protected:
    // `guion` is the SQL of the database: Esquema() plus the rows of the test.
    explicit VentanaGastos(const std::string& guion = Esquema() + AcreedoresBase());

    // "CONSULTAR [F10]" for a run that must end clean: no error and no page file left behind.
    report::Documento ConsultaLimpia();
    // Ticks a tree node as the user does.
    void Marca(int arbol, const QString& clave);
};

}  // namespace prueba
