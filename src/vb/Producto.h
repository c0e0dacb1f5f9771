#pragma once
// Money times money and money times a percentage, exact and rounded half to even at the fourth
// decimal, as the runtime rounds Currency.
#include "vb/Currency.h"
#include "vb/Variant.h"

namespace vb {

// The exact product, rounded half to even at the fourth decimal; overflow: error 6.
Currency Producto(Currency a, Currency b);

// `porcentaje` percent of `importe` (the percentage read as a Double, as the field gives it),
// exact and rounded half to even at the fourth decimal; overflow: error 6.
Currency PorcentajeDe(Currency importe, const Variant& porcentaje);

}  // namespace vb
