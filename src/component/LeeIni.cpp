#include "component/modConGastos.h"

#include "component/Rutas.h"
#include "vb/Texto.h"

#include <QFile>
#include <QStringDecoder>

namespace modConGastos {
namespace {

const QString kError = QStringLiteral("(error)");
constexpr int kLongitudMaxima = 254;  // a 255-character buffer, one for the terminator

// The settings file is the host's: UTF-8 when it decodes as such, otherwise the Windows code page.
QString DecodificaPerfil(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(bytes);
    if (!utf8.hasError()) return texto;
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid()) return ansi.decode(bytes);
    return QString::fromLatin1(bytes);
}

}  // namespace

QString BuscaEnPerfil(const QString& contenido, const QString& seccion, const QString& clave) {
    bool enSeccion = false;
    const QString seccionBuscada = seccion.trimmed();
    const QString claveBuscada = clave.trimmed();
    for (QStringView linea : QStringView(contenido).split(u'\n')) {
        linea = linea.trimmed();
        if (linea.isEmpty() || linea.startsWith(u';')) continue;
        if (linea.startsWith(u'[')) {
            const qsizetype cierre = linea.indexOf(u']');
            const QStringView nombre = cierre > 0 ? linea.mid(1, cierre - 1) : linea.mid(1);
            enSeccion = nombre.trimmed().compare(seccionBuscada, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!enSeccion) continue;
        const qsizetype igual = linea.indexOf(u'=');
        if (igual < 0) continue;
        if (linea.left(igual).trimmed().compare(claveBuscada, Qt::CaseInsensitive) != 0) continue;
        QString valor = linea.mid(igual + 1).toString();
        valor.remove(u'\r');
        return vb::Trim(vb::Left(vb::Trim(valor), kLongitudMaxima));
    }
    return kError;
}

QString LeePerfil(const QByteArray& contenido, const QString& seccion, const QString& clave) {
    return BuscaEnPerfil(DecodificaPerfil(contenido), seccion, clave);
}

QString LeeIni(const QString& seccion, const QString& clave) {
    QFile archivo(component::RutaLocal(RutaBD + QStringLiteral("\\QUIROX.INI")));
    if (!archivo.open(QIODevice::ReadOnly)) return kError;
    return LeePerfil(archivo.readAll(), seccion, clave);
}

}  // namespace modConGastos
