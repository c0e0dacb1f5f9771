#include "ado/CadenaConexion.h"

namespace ado::detalle {

QString ValorDeCadena(QStringView cadena, QStringView clave) {
    qsizetype i = 0;
    const qsizetype n = cadena.size();
    while (i < n) {
        const qsizetype igual = cadena.indexOf(u'=', i);
        if (igual < 0) break;
        const QStringView nombre = cadena.mid(i, igual - i).trimmed();
        qsizetype j = igual + 1;
        while (j < n && cadena[j].isSpace()) ++j;
        QString valor;
        if (j < n && (cadena[j] == u'{' || cadena[j] == u'"')) {
            const QChar cierre = cadena[j] == u'{' ? QChar(u'}') : QChar(u'"');
            qsizetype k = cadena.indexOf(cierre, j + 1);
            if (k < 0) k = n;
            valor = cadena.mid(j + 1, k - j - 1).toString();
            j = cadena.indexOf(u';', k);
            if (j < 0) j = n;
        } else {
            const qsizetype k = cadena.indexOf(u';', j);
            const qsizetype fin = k < 0 ? n : k;
            valor = cadena.mid(j, fin - j).trimmed().toString();
            j = fin;
        }
        if (nombre.compare(clave, Qt::CaseInsensitive) == 0) return valor.isNull() ? QStringLiteral("") : valor;
        i = j + 1;
    }
    return {};
}

}  // namespace ado::detalle
