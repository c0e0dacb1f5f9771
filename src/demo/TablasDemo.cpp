#include "demo/TablasDemo.h"

#include "demo/ErrorDemo.h"
#include "demo/Recursos.h"

namespace demo {

TablasDemo TablasDemo::Lee(const QByteArray& texto) {
    TablasDemo t;
    QList<QStringList>* actual = nullptr;
    for (const QString& bruta : QString::fromUtf8(texto).split(u'\n')) {
        const QString linea = bruta.trimmed();
        if (linea.isEmpty() || linea.startsWith(u'#')) continue;
        if (linea.startsWith(u'[') && linea.endsWith(u']')) {
            actual = &t.secciones_[linea.mid(1, linea.size() - 2)];
        } else if (!actual) {
            throw ErrorDemo(QStringLiteral("Tablas del demo: fila antes de la primera sección: %1").arg(linea));
        } else {
            QStringList campos = linea.split(u'|');
            for (QString& c : campos) c = c.trimmed();
            actual->append(campos);
        }
    }
    return t;
}

const TablasDemo& TablasDemo::DelSistema() {
    static const TablasDemo t = Lee(TextoTablas());
    return t;
}

const QList<QStringList>& TablasDemo::Filas(const QString& seccion, int campos) const {
    const auto it = secciones_.constFind(seccion);
    if (it == secciones_.constEnd() || it->isEmpty())
        throw ErrorDemo(QStringLiteral("Tablas del demo: falta la sección [%1]").arg(seccion));
    for (const QStringList& f : *it)
        if (f.size() != campos)
            throw ErrorDemo(QStringLiteral("Tablas del demo: [%1] espera %2 campos en \"%3\"")
                                .arg(seccion).arg(campos).arg(f.join(u'|')));
    return *it;
}

QStringList TablasDemo::Lista(const QString& seccion) const {
    QStringList r;
    for (const QStringList& f : Filas(seccion, 1)) r << f[0];
    return r;
}

}  // namespace demo
