#include "component/clsConsGT.h"

#include "component/modConGastos.h"
#include "vb/ErrorEjecucion.h"

namespace component {

void clsConsGT::MostrarConsulta(int32_t ConsultaActiva, const QString& ConexionBaseDatos, uint8_t ManejadorBaseDatos,
                                int16_t NumeroDeEmpresa, const QString& ArchivoDeAyuda, const QString& RutaBaseDeDatos) {
    // The context holds this call's values even when the connection then fails.
    modConGastos::EmpresaActual = NumeroDeEmpresa;
    modConGastos::ArchivoAyuda = ArchivoDeAyuda;
    modConGastos::RutaBD = RutaBaseDeDatos;
    modConGastos::ManejadorBD = ManejadorBaseDatos;
    modConGastos::CadenaConexion = ConexionBaseDatos;

    conexionAbierta_ = modConGastos::Conecta(modConGastos::CadenaConexion, &motivoConexion_);
    if (!conexionAbierta_) return;

    if (ConsultaActiva != ConsultasDeGastos && ConsultaActiva != ConsultasDeTesoreria) return;
    if (auto& muestra = ServiciosAnfitrion().muestraVentana) muestra(static_cast<TipoDeConsulta>(ConsultaActiva));
}

clsConsGT::~clsConsGT() {
    if (!conexionAbierta_) return;
    try {
        modConGastos::CierraConexion();
    } catch (...) {
        // Releasing the object must never take the host down with it.
    }
}

}  // namespace component
