#include "component/modConGastos.h"

#include "vb/Formato.h"

namespace modConGastos {

QString FechaSQL(const vb::Variant& fecha) {
    const vb::Variant dia(fecha.CDate().dia);  // the time of day is dropped
    switch (ManejadorBD) {
    case 2: return u'#' + vb::Format(dia, u"yyyy/mm/dd") + u'#';
    case 3: return u'\'' + vb::Format(dia, u"yyyymmdd") + u'\'';
    default: return u'\'' + vb::Format(dia, u"yyyy-mm-dd") + u'\'';
    }
}

}  // namespace modConGastos
