#include "report/SuperficieArchivos.h"

#include "report/ArchivosEnCurso.h"
#include "report/ErrorDeArchivo.h"
#include "vb/ErrorEjecucion.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace report {

namespace {

void GrabaEnSuLugar(const QByteArray& nombre, const QByteArray& datos) {
    const int fd = ::open(nombre.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) LanzaErrorDeArchivo(errno);
    const int error = EscribeTodo(fd, datos);
    const int cierre = ::close(fd) == 0 ? 0 : errno;
    if (error) LanzaErrorDeArchivo(error);
    if (cierre) LanzaErrorDeArchivo(cierre);
}

GrabacionDiferida* diferida = nullptr;

}  // namespace

GrabacionDiferida::GrabacionDiferida() : anterior_(diferida) { diferida = this; }

GrabacionDiferida::~GrabacionDiferida() {
    diferida = anterior_;
    for (const Pendiente& p : pendientes_) {
        ::unlink(p.temporal.constData());
        OlvidaArchivoEnCurso(p.temporal);
    }
}

void GrabacionDiferida::Confirma() {
    while (!pendientes_.empty()) {
        const Pendiente& p = pendientes_.front();
        if (::rename(p.temporal.constData(), p.final.constData()) != 0) LanzaErrorDeArchivo(errno);
        OlvidaArchivoEnCurso(p.temporal);
        pendientes_.erase(pendientes_.begin());
    }
}

void GrabaArchivo(const QString& ruta, const QByteArray& datos) {
    const QByteArray nombre = QFile::encodeName(ruta);
    if (nombre.isEmpty()) throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);

    struct stat estado {};
    if (::stat(nombre.constData(), &estado) == 0 && !S_ISREG(estado.st_mode)) {
        if (S_ISDIR(estado.st_mode)) LanzaErrorDeArchivo(EISDIR);
        GrabaEnSuLugar(nombre, datos);
        return;
    }

    QByteArray temporal = nombre + ".XXXXXX";
    const int fd = CreaArchivoEnCurso(temporal, [](QByteArray& t) { return ::mkstemp(t.data()); });
    if (fd < 0) LanzaErrorDeArchivo(errno);
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    int error = ::fchmod(fd, 0666 & ~mascara) == 0 ? 0 : errno;
    if (!error) error = EscribeTodo(fd, datos);
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && diferida) {
        diferida->pendientes_.push_back({temporal, nombre});
        return;
    }
    if (!error && ::rename(temporal.constData(), nombre.constData()) != 0) error = errno;
    if (error) ::unlink(temporal.constData());
    OlvidaArchivoEnCurso(temporal);
    if (error) LanzaErrorDeArchivo(error);
}

QByteArray LeeArchivo(const QString& ruta, qint64 limite) {
    const QByteArray nombre = QFile::encodeName(ruta);
    struct stat estado {};
    if (nombre.isEmpty() || ::stat(nombre.constData(), &estado) != 0)
        throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);
    if (S_ISDIR(estado.st_mode)) LanzaErrorDeArchivo(EISDIR);
    if (S_ISREG(estado.st_mode) && estado.st_size > limite) throw vb::ErrorEjecucion(vb::errores::FormatoNoValido);

    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        if (archivo.error() == QFileDevice::PermissionsError) LanzaErrorDeArchivo(EACCES);
        throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);
    }
    QByteArray datos = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError) LanzaErrorDeArchivo(EIO);
    if (datos.size() > limite) throw vb::ErrorEjecucion(vb::errores::FormatoNoValido);
    return datos;
}

}  // namespace report
