// The host's creditor and cheque search dialogs: a code chosen there fills the matching text box;
// a cancelled search leaves the box as it was.
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"

namespace gastos {

namespace {

uint8_t ManejadorComoByte() { return static_cast<uint8_t>(static_cast<int32_t>(modConGastos::ManejadorBD)); }

}  // namespace

void frmConGastos::BuscaAcreedor() {
    auto buscador = component::CreaServicio(component::ServiciosAnfitrion().buscadorAcreedores);
    buscador->MuestraBusqueda(modConGastos::CadenaConexion, ManejadorComoByte(), modConGastos::ArchivoAyuda,
                              modConGastos::DirConsultas, QStringLiteral("ACREEDORES"), QString(), 0);
    const QString codigo = buscador->CodigoSeleccionado();
    buscador.reset();
    if (!codigo.isEmpty()) txtCodAcreedor.SetText(codigo);
}

void frmConGastos::cmdBuscar_Click() {
    auto buscador = component::CreaServicio(component::ServiciosAnfitrion().buscadorCheques);
    QString referencia;
    buscador->MuestraBusqueda(modConGastos::CadenaConexion, ManejadorComoByte(), modConGastos::ArchivoAyuda,
                              modConGastos::DirConsultas, 2, 57, QString(), QString(), referencia, QString(), QString());
    const QString folio = buscador->CodigoSeleccionado();
    buscador.reset();
    if (!folio.isEmpty()) txtFolioCheque.SetText(folio);
}

}  // namespace gastos
