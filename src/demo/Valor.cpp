#include "demo/Valor.h"

#include "demo/ErrorDemo.h"

namespace demo {

Dinero Dinero::DesdeTexto(const QString& texto) {
    const QString t = texto.trimmed();
    int i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negativo = t[i++] == u'-';
    int64_t enteros = 0, fraccion = 0;
    int digitos = 0, decimales = 0;
    for (; i < t.size() && t[i].isDigit(); ++i, ++digitos) enteros = enteros * 10 + t[i].digitValue();
    if (i < t.size() && t[i] == u'.') {
        for (++i; i < t.size() && t[i].isDigit(); ++i, ++digitos) {
            if (++decimales > 4) throw ErrorDemo(QStringLiteral("Importe con más de cuatro decimales: %1").arg(texto));
            fraccion = fraccion * 10 + t[i].digitValue();
        }
    }
    if (digitos == 0 || i != t.size()) throw ErrorDemo(QStringLiteral("Importe no válido: %1").arg(texto));
    for (; decimales < 4; ++decimales) fraccion *= 10;
    const int64_t d = enteros * 10000 + fraccion;
    return {negativo ? -d : d};
}

QString Dinero::ATexto() const {
    const bool negativo = diezmilesimos < 0;
    const uint64_t a = negativo ? 0 - static_cast<uint64_t>(diezmilesimos) : static_cast<uint64_t>(diezmilesimos);
    QString s = QString::number(a / 10000);
    if (const uint64_t f = a % 10000) {
        QString frac = QStringLiteral("%1").arg(f, 4, 10, QChar(u'0'));
        while (frac.endsWith(u'0')) frac.chop(1);
        s += u'.' + frac;
    }
    return negativo ? u'-' + s : s;
}

}  // namespace demo
