#include "component/modConGastos.h"

#include "vb/Fechas.h"
#include "vb/Formato.h"

namespace modConGastos {

QString SelloTiempo() {
    const QTime ahora = vb::HoraActual();  // read once, so the three parts agree
    auto dosCifras = [](int n) { return vb::Format(vb::Variant(int32_t(n)), u"0#"); };
    return dosCifras(ahora.hour()) + dosCifras(ahora.minute()) + dosCifras(ahora.second()) +
           QString::number(int32_t(EmpresaActual));
}

}  // namespace modConGastos
