#pragma once
// A small expense company on a throw-away SQLite file, and the expense window loaded on it with
// scripted host services: messages, searches, help, and a preview that keeps the document it was
// shown and closes.
#include "EsquemaGastos.h"
#include "VentanaDePrueba.h"
#include "gastos/frmConGastos.h"
#include "report/Pagina.h"

#include <ostream>
#include <string>

namespace prueba {

// Creditors A001..A004 (A004's city has no row), a non-creditor P005, their agrupaciones and
// expense movements around 15/06/2024.
std::string AcreedoresBase();
// More movements around 15/06/2024: A002 fully paid, A003 an advance and a charge after the 15th,
// A004 only a credit, and class and status mixes for the ledger.
std::string MasMovimientos();
// n creditors "<prefijo>001".. in Guadalajara, all in one agrupación of one group.
std::string Generados(const char* prefijo, int n, int agrupacion, int grupo);

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
