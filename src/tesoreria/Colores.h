#pragma once
// The treasury window's colours, 0x00BBGGRR: the same as the expense window's.
#include <cstdint>

namespace tesoreria {

inline constexpr uint32_t ColorFondo = 0xF5E6D2;  // window, frames, option and check boxes
inline constexpr uint32_t ColorBoton = 0xFFFFF5;  // function buttons
inline constexpr int32_t Azul = 0xFF0000;         // headings
inline constexpr int32_t Negro = 0;               // detail

}  // namespace tesoreria
