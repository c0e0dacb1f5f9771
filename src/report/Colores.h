#pragma once
// The palette of the query windows, the preview and the pages they print, 0x00BBGGRR.
#include "controles/Constants.h"

#include <cstdint>

namespace report::colores {

inline constexpr uint32_t ColorFondo = 0xF5E6D2;  // windows, frames, option and check boxes; disabled text boxes
inline constexpr uint32_t ColorBoton = 0xFFFFF5;  // function buttons
inline constexpr uint32_t ColorTextoHabilitado = controles::vbWindowBackground;
inline constexpr int32_t Azul = 0xFF0000;         // headings
inline constexpr int32_t Negro = 0;               // detail

}  // namespace report::colores
