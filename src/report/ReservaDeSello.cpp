#include "report/ReservaDeSello.h"

#include "report/ArchivosEnCurso.h"
#include "report/ErrorDeArchivo.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace report {

namespace {

constexpr std::string_view Extension = ".reserva";
constexpr time_t EdadTemporalMuerto = 60;  // seconds

bool TerminaEn(std::string_view texto, std::string_view fin) {
    return texto.size() >= fin.size() && texto.substr(texto.size() - fin.size()) == fin;
}

// "<sello>_<n>.emf", n made of digits only.
bool EsPaginaDe(std::string_view nombre, std::string_view sello) {
    constexpr std::string_view Emf = ".emf";
    if (nombre.size() <= sello.size() + 1 + Emf.size() || nombre.substr(0, sello.size()) != sello ||
        nombre[sello.size()] != '_' || !TerminaEn(nombre, Emf))
        return false;
    const std::string_view numero = nombre.substr(sello.size() + 1, nombre.size() - sello.size() - 1 - Emf.size());
    return numero.find_first_not_of("0123456789") == std::string_view::npos;
}

// A regular file of this user that `fd` and the name in `carpeta` both still are.
bool EsDeEsteUsuario(int carpeta, const char* nombre, int fd) {
    struct stat porDescriptor {}, porNombre {};
    return ::fstat(fd, &porDescriptor) == 0 && S_ISREG(porDescriptor.st_mode) && porDescriptor.st_uid == ::geteuid() &&
           ::fstatat(carpeta, nombre, &porNombre, AT_SYMLINK_NOFOLLOW) == 0 &&
           porNombre.st_dev == porDescriptor.st_dev && porNombre.st_ino == porDescriptor.st_ino;
}

void BorraSiEsDeEsteUsuario(int carpeta, const char* nombre) {
    struct stat estado {};
    if (::fstatat(carpeta, nombre, &estado, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(estado.st_mode) &&
        estado.st_uid == ::geteuid())
        ::unlinkat(carpeta, nombre, 0);
}

}  // namespace

std::optional<ReservaDeSello> ReservaDeSello::Toma(const QString& carpeta, const QString& sello) {
    QByteArray nombre = QFile::encodeName(carpeta + sello) + QByteArray(Extension.data(), Extension.size());
    // Made and locked under a name of its own first, then linked into place: nobody ever sees the
    // reservation unlocked while its run lives.
    QByteArray temporal = nombre + ".XXXXXX";
    const int fd = CreaArchivoEnCurso(temporal, [](QByteArray& t) { return ::mkostemp(t.data(), O_CLOEXEC); });
    if (fd < 0) LanzaErrorDeArchivo(errno);
    const auto descarta = [&] {
        ::unlink(temporal.constData());
        OlvidaArchivoEnCurso(temporal);
        ::close(fd);
    };
    struct stat estado {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &estado) != 0) {
        const int error = errno;
        descarta();
        LanzaErrorDeArchivo(error);
    }
    const std::string pid = std::to_string(::getpid()) + '\n';
    [[maybe_unused]] const int escrito = EscribeTodo(fd, QByteArray(pid.data(), static_cast<qsizetype>(pid.size())));
    const int enlace =
        CreaArchivoEnCurso(nombre, [&](QByteArray& n) { return ::link(temporal.constData(), n.constData()) == 0 ? fd : -1; });
    const int error = errno;
    ::unlink(temporal.constData());
    OlvidaArchivoEnCurso(temporal);
    if (enlace < 0) {
        ::close(fd);
        if (error == EEXIST) return std::nullopt;
        LanzaErrorDeArchivo(error);
    }
    return ReservaDeSello(std::move(nombre), fd, estado.st_dev, estado.st_ino);
}

ReservaDeSello::ReservaDeSello(QByteArray nombre, int fd, dev_t dispositivo, ino_t nodo)
    : nombre_(std::move(nombre)), fd_(fd), dispositivo_(dispositivo), nodo_(nodo) {}

ReservaDeSello::ReservaDeSello(ReservaDeSello&& otra) noexcept
    : nombre_(std::move(otra.nombre_)),
      fd_(std::exchange(otra.fd_, -1)),
      dispositivo_(otra.dispositivo_),
      nodo_(otra.nodo_) {}

ReservaDeSello& ReservaDeSello::operator=(ReservaDeSello&& otra) noexcept {
    if (this != &otra) {
        Libera();
        nombre_ = std::move(otra.nombre_);
        fd_ = std::exchange(otra.fd_, -1);
        dispositivo_ = otra.dispositivo_;
        nodo_ = otra.nodo_;
    }
    return *this;
}

ReservaDeSello::~ReservaDeSello() { Libera(); }

void ReservaDeSello::Libera() noexcept {
    if (fd_ < 0) return;
    struct stat estado {};
    if (::lstat(nombre_.constData(), &estado) == 0 && estado.st_dev == dispositivo_ && estado.st_ino == nodo_)
        ::unlink(nombre_.constData());
    OlvidaArchivoEnCurso(nombre_);
    ::close(fd_);  // the lock goes with the last descriptor, after the name
    fd_ = -1;
}

void BarreCorridasMuertas(const QString& carpeta) noexcept {
    const QByteArray ruta = carpeta.isEmpty() ? QByteArray(".") : QFile::encodeName(carpeta);
    const int dir = ::open(ruta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    DIR* lista = ::fdopendir(::dup(dir));
    if (!lista) {
        ::close(dir);
        return;
    }
    std::vector<std::string> nombres;
    try {
        while (const dirent* e = ::readdir(lista)) nombres.emplace_back(e->d_name);
    } catch (...) {  // out of memory: nothing is swept this time
        nombres.clear();
    }
    ::closedir(lista);

    for (const std::string& nombre : nombres) {
        // "<sello>.reserva", or its first name "<sello>.reserva.XXXXXX" when the run died making it.
        const std::size_t marca = nombre.rfind(Extension);
        if (marca == std::string::npos || marca == 0) continue;
        const std::string_view resto = std::string_view(nombre).substr(marca + Extension.size());
        if (!resto.empty() && (resto.size() != 7 || resto[0] != '.')) continue;
        const int fd = ::openat(dir, nombre.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // A first name is locked a moment after it is made; only an old one is surely dead.
        struct stat estado {};
        if (!resto.empty() && (::fstat(fd, &estado) != 0 || ::time(nullptr) - estado.st_mtime < EdadTemporalMuerto)) {
            ::close(fd);
            continue;
        }
        // Holding the dead run's lock keeps its stamp taken while its pages go.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && EsDeEsteUsuario(dir, nombre.c_str(), fd)) {
            if (resto.empty()) {
                const std::string_view sello = std::string_view(nombre).substr(0, marca);
                for (const std::string& pagina : nombres)
                    if (EsPaginaDe(pagina, sello)) BorraSiEsDeEsteUsuario(dir, pagina.c_str());
            }
            ::unlinkat(dir, nombre.c_str(), 0);
        }
        ::close(fd);
    }
    ::close(dir);
}

}  // namespace report
