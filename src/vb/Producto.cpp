#include "vb/Producto.h"

#include "vb/Decimal.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Integer.h"

#include <cstdint>

namespace vb {

namespace {

// n / d (d > 0) rounded half to even.
__int128 CocienteMitadPar(__int128 n, __int128 d) {
    __int128 cociente = n / d;
    const __int128 resto = n % d;
    const __int128 doble = (resto < 0 ? -resto : resto) * 2;
    if (doble > d || (doble == d && cociente % 2 != 0)) cociente += n < 0 ? -1 : 1;
    return cociente;
}

Currency EnMoneda(__int128 diezmilesimos, __int128 minimo) {
    if (diezmilesimos > INT64_MAX || diezmilesimos < minimo) LanzaDesbordamiento();
    return Currency::DesdeDiezmilesimos(static_cast<int64_t>(diezmilesimos));
}

}  // namespace

Currency Producto(Currency a, Currency b) {
    const __int128 producto = static_cast<__int128>(a.diezmilesimos()) * b.diezmilesimos();  // 10^-8 units
    return EnMoneda(CocienteMitadPar(producto, 10000), INT64_MIN);
}

Currency PorcentajeDe(Currency importe, const Variant& porcentaje) {
    const Decimal p = Decimal::DeDouble(porcentaje.CDbl());
    bool cabe = false;
    const __int128 p10 = p.Escalado(10, Decimal::Redondeo::MitadPar).toLongLong(&cabe);  // |percent| x 10^10
    if (!cabe) LanzaDesbordamiento();
    const __int128 producto = static_cast<__int128>(importe.diezmilesimos()) * (p.negativo ? -p10 : p10);
    // 10^10 of the percentage times 100; its magnitude must fit, the lowest Currency apart.
    return EnMoneda(CocienteMitadPar(producto, 1'000'000'000'000), -INT64_MAX);
}

}  // namespace vb
