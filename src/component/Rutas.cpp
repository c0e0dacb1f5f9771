#include "component/Rutas.h"

#include <QDir>
#include <QFileInfo>

namespace component {

QString RutaLocal(const QString& rutaWindows) {
    QString ruta = rutaWindows;
    ruta.replace(u'\\', u'/');
    const bool absoluta = ruta.startsWith(u'/');
    const QStringList partes = ruta.split(u'/', Qt::SkipEmptyParts);
    const bool terminaEnSeparador = ruta.endsWith(u'/') && !partes.isEmpty();

    QString actual = absoluta ? QStringLiteral("/") : QString();
    bool resolviendo = true;  // once a component is missing, the rest cannot exist either
    for (const QString& parte : partes) {
        QString elegido = parte;
        if (resolviendo && parte != u"." && parte != u"..") {
            const QString base = actual.isEmpty() ? QStringLiteral(".") : actual;
            if (!QFileInfo::exists(base + u'/' + parte)) {
                resolviendo = false;
                const QStringList entradas = QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                                  QDir::NoDotAndDotDot);
                for (const QString& e : entradas) {
                    if (e.compare(parte, Qt::CaseInsensitive) == 0) {
                        elegido = e;
                        resolviendo = true;
                        break;
                    }
                }
            }
        }
        if (!actual.isEmpty() && !actual.endsWith(u'/')) actual += u'/';
        actual += elegido;
    }
    if (terminaEnSeparador) actual += u'/';
    return actual;
}

}  // namespace component
