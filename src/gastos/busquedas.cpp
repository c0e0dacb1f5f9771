// The host's creditor and cheque search dialogs: a code chosen there fills the matching text box;
// a cancelled search leaves the box as it was.
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"
#include "vb/ErrorEjecucion.h"

namespace gastos {

namespace {

// The host component could not be created (no search service installed).
[[noreturn]] void SinComponente() {
    throw vb::ErrorEjecucion(429, QStringLiteral("El componente ActiveX no puede crear el objeto"));
}

uint8_t ManejadorComoByte() { return static_cast<uint8_t>(static_cast<int32_t>(modConGastos::ManejadorBD)); }

}  // namespace

void frmConGastos::BuscaAcreedor() {
    auto& crea = component::ServiciosAnfitrion().buscadorAcreedores;
    auto buscador = crea ? crea() : nullptr;
    if (!buscador) SinComponente();
    buscador->MuestraBusqueda(modConGastos::CadenaConexion, ManejadorComoByte(), modConGastos::ArchivoAyuda,
                              modConGastos::DirConsultas, QStringLiteral("ACREEDORES"), QString(), 0);
    const QString codigo = buscador->CodigoSeleccionado();
    buscador.reset();
    if (!codigo.isEmpty()) txtCodAcreedor.SetText(codigo);
}

void frmConGastos::cmdBuscar_Click() {
    auto& crea = component::ServiciosAnfitrion().buscadorCheques;
    auto buscador = crea ? crea() : nullptr;
    if (!buscador) SinComponente();
    QString referencia;
    buscador->MuestraBusqueda(modConGastos::CadenaConexion, ManejadorComoByte(), modConGastos::ArchivoAyuda,
                              modConGastos::DirConsultas, 2, 57, QString(), QString(), referencia, QString(), QString());
    const QString folio = buscador->CodigoSeleccionado();
    buscador.reset();
    if (!folio.isEmpty()) txtFolioCheque.SetText(folio);
}

}  // namespace gastos
