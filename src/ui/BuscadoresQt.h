#pragma once
// The host's creditor and cheque searches on the desktop: each reads its catalog through its own
// connection, opened with the host's string, and lets the user filter and choose in a list.
#include "component/Servicios.h"

namespace ui {

class BuscadorAcreedoresQt : public component::BuscadorAcreedores {
public:
    // Creditors (ES_ACREED = 1) by code and name; the chosen code.
    void MuestraBusqueda(const QString& cadenaConexion, uint8_t manejador, const QString& archivoAyuda,
                         const QString& dirConsultas, const QString& catalogo, const QString& filtro,
                         int32_t opciones) override;
    QString CodigoSeleccionado() const override { return codigo_; }

private:
    QString codigo_;
};

class BuscadorChequesQt : public component::BuscadorCheques {
public:
    // Cheques written on the bank accounts: folio, account, date, amount and beneficiary; the
    // chosen folio.
    void MuestraBusqueda(const QString& cadenaConexion, uint8_t manejador, const QString& archivoAyuda,
                         const QString& dirConsultas, int32_t tipo, int32_t clase, const QString& filtro1,
                         const QString& filtro2, QString& referencia, const QString& filtro3,
                         const QString& filtro4) override;
    QString CodigoSeleccionado() const override { return codigo_; }

private:
    QString codigo_;
};

}  // namespace ui
