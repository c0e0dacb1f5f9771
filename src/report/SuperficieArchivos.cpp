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
    // Inside another deferred write the files wait for that one: all of them appear, or none.
    if (anterior_) {
        anterior_->pendientes_.insert(anterior_->pendientes_.end(), pendientes_.begin(), pendientes_.end());
        pendientes_.clear();
        return;
    }
    while (!pendientes_.empty()) {
        const Pendiente& p = pendientes_.front();
        if (::rename(p.temporal.constData(), p.final.constData()) != 0) LanzaErrorDeArchivo(errno);
        OlvidaArchivoEnCurso(p.temporal);
        pendientes_.erase(pendientes_.begin());
    }
}

ArchivoDeSalida::ArchivoDeSalida(const QString& ruta) : nombre_(QFile::encodeName(ruta)) {
    if (nombre_.isEmpty()) throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);

    struct stat estado {};
    if (::stat(nombre_.constData(), &estado) == 0 && !S_ISREG(estado.st_mode)) {
        if (S_ISDIR(estado.st_mode)) LanzaErrorDeArchivo(EISDIR);
        fd_ = ::open(nombre_.constData(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0) LanzaErrorDeArchivo(errno);
        return;
    }

    temporal_ = nombre_ + ".XXXXXX";
    fd_ = CreaArchivoEnCurso(temporal_, [](QByteArray& t) { return ::mkstemp(t.data()); });
    if (fd_ < 0) LanzaErrorDeArchivo(errno);
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    if (::fchmod(fd_, 0666 & ~mascara) != 0) Falla(errno);
}

ArchivoDeSalida::~ArchivoDeSalida() {
    if (fd_ >= 0) ::close(fd_);
    Descarta();
}

void ArchivoDeSalida::Descarta() noexcept {
    if (temporal_.isEmpty()) return;
    ::unlink(temporal_.constData());
    OlvidaArchivoEnCurso(temporal_);
    temporal_.clear();
}

void ArchivoDeSalida::Falla(int error) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    Descarta();
    LanzaErrorDeArchivo(error);
}

void ArchivoDeSalida::Escribe(const QByteArray& datos) {
    if (fd_ < 0) throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida);
    if (const int error = EscribeTodo(fd_, datos)) Falla(error);
}

void ArchivoDeSalida::Termina() {
    if (fd_ < 0) throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida);
    const int cierre = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    if (cierre) Falla(cierre);
    if (temporal_.isEmpty()) return;
    if (diferida) {
        diferida->pendientes_.push_back({temporal_, nombre_});
        temporal_.clear();
        return;
    }
    if (::rename(temporal_.constData(), nombre_.constData()) != 0) Falla(errno);
    OlvidaArchivoEnCurso(temporal_);
    temporal_.clear();
}

void GrabaArchivo(const QString& ruta, const QByteArray& datos) {
    ArchivoDeSalida archivo(ruta);
    archivo.Escribe(datos);
    archivo.Termina();
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
