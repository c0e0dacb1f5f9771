#include "ado/Errores.h"

namespace ado {

void LanzaCerrado() { throw vb::ErrorEjecucion(vb::errores::OperacionNoPermitida); }

void LanzaSinRegistroActual() { throw vb::ErrorEjecucion(vb::errores::FinDeRecordset); }

void LanzaCampoNoEncontrado() { throw vb::ErrorEjecucion(vb::errores::ElementoNoEncontrado); }

void LanzaAbierto() {
    throw vb::ErrorEjecucion(errores::ObjetoAbierto,
                             QStringLiteral("La operación no está permitida si el objeto está abierto"));
}

void LanzaConexionNoValida() {
    throw vb::ErrorEjecucion(errores::ConexionNoValida,
                             QStringLiteral("La conexión no se puede usar para esta operación: está cerrada "
                                            "o no es válida en este contexto"));
}

void LanzaNoActualizable() {
    throw vb::ErrorEjecucion(errores::NoActualizable,
                             QStringLiteral("El conjunto de registros no admite actualizaciones"));
}

void LanzaValorNoAdmitido() {
    throw vb::ErrorEjecucion(errores::VariosPasos,
                             QStringLiteral("La operación de varios pasos generó errores: el campo no admite el valor"));
}

void LanzaRechazo(const QString& motivo) {
    throw vb::ErrorEjecucion(vb::errores::OperacionNoPermitida, motivo);
}

void LanzaProveedor(const QString& mensaje) {
    throw vb::ErrorEjecucion(vb::errores::ErrorProveedor, mensaje);
}

}  // namespace ado
