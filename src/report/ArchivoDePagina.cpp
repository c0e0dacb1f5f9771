#include "report/ArchivoDePagina.h"

#include "report/ArchivosEnCurso.h"
#include "report/ErrorDeArchivo.h"
#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFile>
#include <QHashFunctions>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace report {

namespace {

// A page's bytes hashed with a key drawn once per process: a file changed behind the run cannot
// be made to match it, and it costs a fraction of a cryptographic digest on every page.
std::optional<size_t> Huella(const QByteArray& datos) {
    static const size_t clave = static_cast<size_t>(QRandomGenerator::system()->generate64());
    return qHashBits(datos.constData(), static_cast<size_t>(datos.size()), clave);
}

[[noreturn]] void LanzaError(int codigo, const QString& ruta) {
    LanzaErrorDeArchivo(codigo,
                        QStringLiteral("Error de E/S en el archivo de página %1").arg(QDir::toNativeSeparators(ruta)));
}

[[noreturn]] void LanzaSustituido(const QString& ruta) {
    throw vb::ErrorEjecucion(vb::errores::AccesoNoValido,
                             QStringLiteral("El archivo de página %1 fue sustituido durante la consulta")
                                 .arg(QDir::toNativeSeparators(ruta)));
}

}  // namespace

std::optional<ArchivoDePagina> ArchivoDePagina::Crea(const QString& ruta) {
    QByteArray nombre = QFile::encodeName(ruta);
    if (nombre.isEmpty()) throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);
    const int fd = CreaArchivoEnCurso(nombre, [](QByteArray& n) {
        return ::open(n.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    });
    if (fd < 0) {
        if (errno == EEXIST) return std::nullopt;
        LanzaError(errno, ruta);
    }
    struct stat estado {};
    if (::fstat(fd, &estado) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(nombre.constData());
        OlvidaArchivoEnCurso(nombre);
        LanzaError(error, ruta);
    }
    return ArchivoDePagina(ruta, std::move(nombre), fd, estado.st_dev, estado.st_ino);
}

ArchivoDePagina::ArchivoDePagina(QString ruta, QByteArray nombre, int fd, dev_t dispositivo, ino_t nodo)
    : ruta_(std::move(ruta)), nombre_(std::move(nombre)), fd_(fd), dispositivo_(dispositivo), nodo_(nodo) {}

ArchivoDePagina::ArchivoDePagina(ArchivoDePagina&& otro) noexcept
    : ruta_(std::move(otro.ruta_)),
      nombre_(std::move(otro.nombre_)),
      fd_(std::exchange(otro.fd_, -1)),
      dispositivo_(otro.dispositivo_),
      nodo_(otro.nodo_),
      tamano_(otro.tamano_),
      huella_(std::move(otro.huella_)),
      borrado_(std::exchange(otro.borrado_, true)) {}

ArchivoDePagina& ArchivoDePagina::operator=(ArchivoDePagina&& otro) noexcept {
    if (this != &otro) {
        Cierra();
        ruta_ = std::move(otro.ruta_);
        nombre_ = std::move(otro.nombre_);
        fd_ = std::exchange(otro.fd_, -1);
        dispositivo_ = otro.dispositivo_;
        nodo_ = otro.nodo_;
        tamano_ = otro.tamano_;
        huella_ = std::move(otro.huella_);
        borrado_ = std::exchange(otro.borrado_, true);
    }
    return *this;
}

ArchivoDePagina::~ArchivoDePagina() { Cierra(); }

void ArchivoDePagina::Cierra() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void ArchivoDePagina::Graba(const QByteArray& datos) {
    if (fd_ < 0) throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida);
    if (const int error = EscribeTodo(fd_, datos)) {
        Cierra();
        LanzaError(error, ruta_);
    }
    const int cierre = ::close(fd_);
    fd_ = -1;
    if (cierre != 0) LanzaError(errno, ruta_);
    tamano_ = datos.size();
    huella_ = Huella(datos);
}

QByteArray ArchivoDePagina::Lee() const {
    const int fd = ::open(nombre_.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);
        if (errno == ELOOP) LanzaSustituido(ruta_);
        LanzaError(errno, ruta_);
    }
    struct stat estado {};
    QByteArray datos;
    bool propio = ::fstat(fd, &estado) == 0 && S_ISREG(estado.st_mode) && estado.st_dev == dispositivo_ &&
                  estado.st_ino == nodo_ && estado.st_size == tamano_ && huella_.has_value();
    if (propio) {
        datos.resize(tamano_);
        qsizetype leidos = 0;
        while (leidos < datos.size()) {
            const ssize_t n = ::read(fd, datos.data() + leidos, static_cast<size_t>(datos.size() - leidos));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            leidos += n;
        }
        propio = leidos == datos.size() && Huella(datos) == huella_;
    }
    ::close(fd);
    if (!propio) LanzaSustituido(ruta_);
    return datos;
}

void ArchivoDePagina::Borra() noexcept {
    if (borrado_) return;
    Cierra();
    struct stat estado {};
    if (::lstat(nombre_.constData(), &estado) == 0 && estado.st_dev == dispositivo_ && estado.st_ino == nodo_)
        ::unlink(nombre_.constData());
    OlvidaArchivoEnCurso(nombre_);
    borrado_ = true;
}

}  // namespace report
