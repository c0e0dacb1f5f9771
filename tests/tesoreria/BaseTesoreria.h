#pragma once
// A small bank company on a throw-away SQLite file, and the treasury window loaded on it with
// scripted host services: messages, help, and a preview that keeps the document it was shown.
#include "BaseSqlite.h"
#include "DoblesVentanas.h"
#include "Documento.h"
#include "EsquemaTesoreria.h"
#include "report/Pagina.h"
#include "tesoreria/frmConTesoreria.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace prueba {

// Banks 1 to 3 (3 has no accounts), accounts 0101 (pesos), 0102 (dollars) and 0201, movements
// around June 2024 in every status, a reconciliation of 0101.
std::string BancosBase();
// n accounts "<prefijo>001".. of bank `banco`, in pesos, without movements.
std::string CuentasGeneradas(const char* prefijo, int n, int banco);
// n applied transfers to third parties "G-001".. of 1.00 on `cuenta`, dated 15/06/2024.
std::string MovimientosGenerados(const char* cuenta, int n);

class VentanaTesoreria : public ::testing::Test {
protected:
    // `guion` is the SQL of the database: EsquemaTesoreria() plus the rows of the test.
    explicit VentanaTesoreria(const std::string& guion = EsquemaTesoreria() + BancosBase());
    void SetUp() override;
    void TearDown() override;

    // "CONSULTAR [F10]" as the user presses it; the document the preview was shown, if any.
    std::optional<report::Documento> Consulta();
    // Report `consulta` over June 2024 with the window as the test left it otherwise.
    std::optional<report::Documento> ConsultaJunio(int consulta);
    // The page files left in the treasury page folder.
    QStringList ArchivosDePagina() const;

    QTemporaryDir raiz;
    BaseSqlite base;
    dobles::Guion guion;
    dobles::PuertoModal puerto;
    std::shared_ptr<tesoreria::frmConTesoreria> ventana;
    std::optional<report::Documento> mostrado;
    QStringList ayudas;  // documents the help opened
};

}  // namespace prueba
