#pragma once
// Run-time errors the controls raise, with the platform's numbers.
#include "vb/ErrorEjecucion.h"

#include <cstdint>

namespace controles {

namespace errores {
inline constexpr int32_t ArgumentoNoValido = vb::errores::LlamadaNoValida;
inline constexpr int32_t ElementoDeArregloInexistente = 340;
inline constexpr int32_t ObjetoDescargado = 364;
inline constexpr int32_t ValorDePropiedadNoValido = vb::errores::ValorDePropiedadNoValido;
inline constexpr int32_t IndiceDePropiedadNoValido = 381;
inline constexpr int32_t PropiedadSoloLectura = 383;
inline constexpr int32_t FormularioYaMostrado = 400;
inline constexpr int32_t IndiceFueraDeLimites = 35600;
inline constexpr int32_t ElementoNoEncontrado = 35601;
inline constexpr int32_t ClaveNoUnica = 35602;
inline constexpr int32_t FechaFueraDeIntervalo = 35775;
}  // namespace errores

// Throws vb::ErrorEjecucion with the number and its Spanish description.
[[noreturn]] void Lanza(int32_t numero);

}  // namespace controles
