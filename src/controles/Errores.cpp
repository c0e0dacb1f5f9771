#include "controles/Errores.h"

#include "vb/ErrorEjecucion.h"

namespace controles {

namespace {
QString Descripcion(int32_t numero) {
    switch (numero) {
    case errores::ElementoDeArregloInexistente: return QStringLiteral("El elemento de la matriz de controles no existe");
    case errores::ObjetoDescargado: return QStringLiteral("El objeto se descargó");
    case errores::IndiceDePropiedadNoValido: return QStringLiteral("El índice de la matriz de propiedades no es válido");
    case errores::PropiedadSoloLectura: return QStringLiteral("La propiedad 'Text' es de sólo lectura");
    case errores::FormularioYaMostrado:
        return QStringLiteral("El formulario ya se está mostrando; no se puede mostrar de forma modal");
    case errores::IndiceFueraDeLimites: return QStringLiteral("Índice fuera de los límites");
    case errores::ElementoNoEncontrado: return QStringLiteral("No se encontró el elemento");
    case errores::ClaveNoUnica: return QStringLiteral("La clave no es única en la colección");
    case errores::FechaFueraDeIntervalo:
        return QStringLiteral("La fecha no está dentro del intervalo de MinDate y MaxDate");
    default: return vb::DescripcionError(numero);
    }
}
}  // namespace

void Lanza(int32_t numero) { throw vb::ErrorEjecucion(numero, Descripcion(numero)); }

}  // namespace controles
