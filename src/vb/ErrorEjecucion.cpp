#include "vb/ErrorEjecucion.h"

#include "vb/Integer.h"

namespace vb {

ErrorEjecucion::ErrorEjecucion(int32_t numero, QString descripcion)
    : numero_(numero), descripcion_(std::move(descripcion)),
      utf8_(QStringLiteral("%1: %2").arg(numero_).arg(descripcion_).toStdString()) {}

ErrorEjecucion::ErrorEjecucion(int32_t numero) : ErrorEjecucion(numero, DescripcionError(numero)) {}

QString DescripcionError(int32_t numero) {
    switch (numero) {
    case errores::LlamadaNoValida: return QStringLiteral("Llamada a procedimiento o argumento no válidos");
    case errores::Desbordamiento: return QStringLiteral("Desbordamiento");
    case errores::MemoriaInsuficiente: return QStringLiteral("Memoria insuficiente");
    case errores::SubindiceFuera: return QStringLiteral("Subíndice fuera del intervalo");
    case errores::DivisionPorCero: return QStringLiteral("División por cero");
    case errores::TiposNoCoinciden: return QStringLiteral("No coinciden los tipos");
    case errores::ArchivoNoEncontrado: return QStringLiteral("No se encontró el archivo");
    case errores::ErrorEntradaSalida: return QStringLiteral("Error de E/S en el dispositivo");
    case errores::ArchivoYaExiste: return QStringLiteral("El archivo ya existe");
    case errores::DiscoLleno: return QStringLiteral("Disco lleno");
    case errores::AccesoNoValido: return QStringLiteral("Error de acceso a la ruta o al archivo");
    case errores::RutaNoEncontrada: return QStringLiteral("No se encontró la ruta de acceso");
    case errores::UsoNoValidoDeNull: return QStringLiteral("Uso no válido de Null");
    case errores::FormatoNoValido: return QStringLiteral("Formato de archivo no válido");
    case errores::ValorDePropiedadNoValido: return QStringLiteral("El valor de la propiedad no es válido");
    case errores::NoSePuedeCrearObjeto: return QStringLiteral("No se puede crear el objeto");
    case errores::ErrorDeImpresora: return QStringLiteral("Error de impresora");
    case errores::ElementoNoEncontrado:
        return QStringLiteral("No se encontró el elemento en la colección que corresponde con el nombre o el ordinal pedido");
    case errores::FinDeRecordset:
        return QStringLiteral("BOF o EOF es True, o el registro actual se eliminó; la operación requiere un registro actual");
    case errores::OperacionNoPermitida:
        return QStringLiteral("La operación solicitada no está permitida en este contexto");
    default: return QString();
    }
}

void LanzaDesbordamiento() { throw ErrorEjecucion(errores::Desbordamiento); }

}  // namespace vb
