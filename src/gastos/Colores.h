#pragma once
// The expense window's colours, 0x00BBGGRR.
#include "controles/Constants.h"

#include <cstdint>

namespace gastos {

inline constexpr uint32_t ColorFondo = 0xF5E6D2;   // window, frames, option and check boxes; disabled text boxes
inline constexpr uint32_t ColorBoton = 0xFFFFF5;   // function buttons and the cheque search button
inline constexpr uint32_t ColorTextoHabilitado = controles::vbWindowBackground;
inline constexpr int32_t Azul = 0xFF0000;          // headings
inline constexpr int32_t Negro = 0;                // detail

}  // namespace gastos
