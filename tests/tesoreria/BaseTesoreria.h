#pragma once
// A small bank company on a throw-away SQLite file, and the treasury window loaded on it with
// scripted host services: messages, help, and a preview that keeps the document it was shown.
#include "EsquemaTesoreria.h"
#include "VentanaDePrueba.h"
#include "report/Pagina.h"
#include "tesoreria/frmConTesoreria.h"

#include <string>

namespace prueba {

// Banks 1 to 3 (3 has no accounts), accounts 0101 (pesos), 0102 (dollars) and 0201, movements
// around June 2024 in every status, a reconciliation of 0101.
std::string BancosBase();
// n accounts "<prefijo>001".. of bank `banco`, in pesos, without movements.
std::string CuentasGeneradas(const char* prefijo, int n, int banco);
// n applied transfers to third parties "G-001".. of 1.00 on `cuenta`, dated 15/06/2024.
std::string MovimientosGenerados(const char* cuenta, int n);

class VentanaTesoreria : public VentanaDePrueba<tesoreria::frmConTesoreria> {
protected:
    // `guion` is the SQL of the database: EsquemaTesoreria() plus the rows of the test.
    explicit VentanaTesoreria(const std::string& guion = EsquemaTesoreria() + BancosBase());

    // Report `consulta` over June 2024 with the window as the test left it otherwise.
    std::optional<report::Documento> ConsultaJunio(int consulta);
};

}  // namespace prueba
