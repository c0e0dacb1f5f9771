#include "component/modConGastos.h"

#include "component/Rutas.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Texto.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace modConGastos {
namespace {

const QString kError = QStringLiteral("(error)");
constexpr int kLongitudMaxima = 254;  // a 255-character buffer, one for the terminator

// Far above any real settings file; anything larger is not one.
constexpr qint64 kTamanoMaximo = 1024 * 1024;

// The settings file is the host's: UTF-16 or UTF-8 when it starts with their mark (the profile
// functions of the original platform read Unicode files too), UTF-8 when it decodes as such,
// otherwise the Windows code page.
QString DecodificaPerfil(const QByteArray& bytes) {
    if (const std::optional<QStringConverter::Encoding> marca = QStringConverter::encodingForData(bytes);
        marca && (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))) {
        QStringDecoder decodificador(*marca);
        return decodificador.decode(bytes);
    }
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

namespace {

// A settings file that is there but cannot be one: says which and why, through the caller's
// error path.
[[noreturn]] void LanzaPerfilIlegible(int32_t numero, const QString& ruta, const QString& motivo) {
    throw vb::ErrorEjecucion(numero, QStringLiteral("No se puede leer el archivo de configuración %1: %2")
                                         .arg(QDir::toNativeSeparators(ruta), motivo));
}

}  // namespace

// Opening never waits (a FIFO), and only a regular file of sane size is read.
QString LeeIni(const QString& seccion, const QString& clave) {
    const QString ruta = component::RutaLocal(RutaBD + QStringLiteral("\\QUIROX.INI"));
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return kError;  // missing or unreadable: the lookup's own default
    QFile archivo;
    if (!archivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return kError;
    }
    struct stat estado {};
    if (::fstat(fd, &estado) != 0) return kError;
    const auto noValido = [&](const QString& motivo) {
        LanzaPerfilIlegible(vb::errores::AccesoNoValido, ruta, motivo);
    };
    if (S_ISDIR(estado.st_mode)) noValido(QStringLiteral("es una carpeta"));
    if (S_ISFIFO(estado.st_mode) || S_ISSOCK(estado.st_mode)) noValido(QStringLiteral("es una tubería o un socket, no un archivo"));
    if (!S_ISREG(estado.st_mode)) noValido(QStringLiteral("es un dispositivo, no un archivo"));
    const QString demasiado = QStringLiteral("mide más de %1 bytes").arg(kTamanoMaximo);
    if (estado.st_size > kTamanoMaximo) LanzaPerfilIlegible(vb::errores::FormatoNoValido, ruta, demasiado);
    // Sized by the file: asking for the cap itself would allocate it for every file read.
    const QByteArray bytes = archivo.read(std::min<qint64>(estado.st_size, kTamanoMaximo) + 1);
    if (archivo.error() != QFileDevice::NoError) LanzaPerfilIlegible(vb::errores::ErrorEntradaSalida, ruta, archivo.errorString());
    if (bytes.size() > kTamanoMaximo) LanzaPerfilIlegible(vb::errores::FormatoNoValido, ruta, demasiado);
    const QString texto = DecodificaPerfil(bytes);
    if (texto.contains(QChar(u'\0')))
        LanzaPerfilIlegible(vb::errores::FormatoNoValido, ruta, QStringLiteral("tiene datos binarios, no es texto"));
    return BuscaEnPerfil(texto, seccion, clave);
}

}  // namespace modConGastos
