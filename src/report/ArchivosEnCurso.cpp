#include "report/ArchivosEnCurso.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <string>
#include <string_view>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace report {

namespace {

constexpr int Senales[] = {SIGINT, SIGTERM, SIGHUP};

// Only touched with the signals blocked on the reporting thread, and the handler runs there
// (see Manejador), so the handler never sees the list half changed.
std::vector<std::string>& Archivos() {
    static std::vector<std::string> archivos;
    return archivos;
}

std::atomic<pid_t> hiloPrincipal{0};

// Blocks the three signals for as long as it lives.
class SenalesBloqueadas {
public:
    SenalesBloqueadas() {
        sigset_t conjunto;
        sigemptyset(&conjunto);
        for (int s : Senales) sigaddset(&conjunto, s);
        pthread_sigmask(SIG_BLOCK, &conjunto, &anterior_);
    }
    ~SenalesBloqueadas() { pthread_sigmask(SIG_SETMASK, &anterior_, nullptr); }
    SenalesBloqueadas(const SenalesBloqueadas&) = delete;
    SenalesBloqueadas& operator=(const SenalesBloqueadas&) = delete;

private:
    sigset_t anterior_;
};

pid_t HiloActual() { return static_cast<pid_t>(::syscall(SYS_gettid)); }

void Manejador(int senal) {
    const pid_t principal = hiloPrincipal.load();
    if (principal != 0 && HiloActual() != principal) {
        // Another thread took it: the reporting thread may be changing the list right now, so
        // it handles the signal itself once the list is whole again.
        ::syscall(SYS_tgkill, ::getpid(), principal, senal);
        return;
    }
    BorraArchivosEnCurso();
    std::signal(senal, SIG_DFL);
    std::raise(senal);
}

}  // namespace

int CreaArchivoEnCurso(QByteArray& ruta, const std::function<int(QByteArray&)>& crea) {
    const SenalesBloqueadas bloqueo;
    const int fd = crea(ruta);
    const int error = errno;
    if (fd >= 0) Archivos().emplace_back(ruta.constData(), static_cast<std::size_t>(ruta.size()));
    errno = error;
    return fd;
}

void OlvidaArchivoEnCurso(const QByteArray& ruta) {
    const SenalesBloqueadas bloqueo;
    std::vector<std::string>& archivos = Archivos();
    // Page files leave in the order they came, so the match is nearly always the first entry.
    const std::string_view buscado(ruta.constData(), static_cast<std::size_t>(ruta.size()));
    for (auto i = archivos.begin(); i != archivos.end(); ++i) {
        if (*i == buscado) {
            archivos.erase(i);
            return;
        }
    }
}

// Newest first: a run's stamp reservation, made before its pages, goes after them.
void BorraArchivosEnCurso() noexcept {
    const std::vector<std::string>& archivos = Archivos();
    for (auto i = archivos.rbegin(); i != archivos.rend(); ++i) ::unlink(i->c_str());
}

void BorraArchivosEnCursoAlInterrumpir() {
    hiloPrincipal.store(HiloActual());
    struct sigaction accion {};
    accion.sa_handler = Manejador;
    sigemptyset(&accion.sa_mask);
    for (int s : Senales) sigaddset(&accion.sa_mask, s);
    for (int s : Senales) ::sigaction(s, &accion, nullptr);
}

}  // namespace report
