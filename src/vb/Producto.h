#pragma once
// The product of two money amounts, as the runtime multiplies two Currency values.
#include "vb/Currency.h"

namespace vb {

// The exact product, rounded half to even at the fourth decimal; overflow: error 6.
Currency Producto(Currency a, Currency b);

}  // namespace vb
