#include "ado/Comillas.h"

namespace ado {

QString Comillas(const QString& valor) {
    if (!valor.contains(u'\'')) return valor;
    QString r = valor;
    r.replace(u'\'', QStringLiteral("''"));
    return r;
}

}  // namespace ado
