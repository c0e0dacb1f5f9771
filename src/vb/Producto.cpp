#include "vb/Producto.h"

#include "vb/Integer.h"

#include <cstdint>

namespace vb {

Currency Producto(Currency a, Currency b) {
    const __int128 producto = static_cast<__int128>(a.diezmilesimos()) * b.diezmilesimos();  // 10^-8 units
    __int128 cociente = producto / 10000;
    const __int128 resto = producto % 10000;
    const __int128 doble = (resto < 0 ? -resto : resto) * 2;
    if (doble > 10000 || (doble == 10000 && cociente % 2 != 0)) cociente += producto < 0 ? -1 : 1;
    if (cociente > INT64_MAX || cociente < INT64_MIN) LanzaDesbordamiento();
    return Currency::DesdeDiezmilesimos(static_cast<int64_t>(cociente));
}

}  // namespace vb
