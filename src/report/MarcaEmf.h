#pragma once
// How a line or value mark travels in a page file: a comment record whose data starts with this
// signature, then the kind ('R' line, 'D' value), its class or type, the group level (16 bits),
// the count of UTF-16 units (32 bits) and the units themselves, little-endian.
#include <cstddef>

namespace report::MarcaEmf {

inline constexpr char Firma[4] = {'Z', 'R', 'M', '1'};
inline constexpr std::size_t Cabecera = 12;
inline constexpr char Renglon = 'R';
inline constexpr char Dato = 'D';

}  // namespace report::MarcaEmf
