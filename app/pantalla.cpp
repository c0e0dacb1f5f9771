#include "pantalla.h"

#include "ui/Anfitrion.h"
#include "vb/ErrorEjecucion.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QLibraryInfo>

#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <memory>
#include <dlfcn.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace app {

namespace {

constexpr int EsperaTcpMs = 2000;
constexpr int EsperaXMs = 5000;
constexpr int IntentosX = 5;
constexpr int PausaEntreIntentosXMs = 250;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// A listening local socket at that path (or, on Linux, in the abstract namespace).
bool ConectaLocal(const QByteArray& ruta, bool abstracto) {
    sockaddr_un destino{};
    destino.sun_family = AF_UNIX;
    const std::size_t inicio = abstracto ? 1 : 0;  // the abstract name starts after a NUL
    if (ruta.isEmpty() || inicio + static_cast<std::size_t>(ruta.size()) >= sizeof(destino.sun_path)) return false;
    std::memcpy(destino.sun_path + inicio, ruta.constData(), static_cast<std::size_t>(ruta.size()));
    const auto largo = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + inicio +
                                              static_cast<std::size_t>(ruta.size()) + (abstracto ? 0 : 1));
    const Descriptor s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return s.fd() >= 0 && ::connect(s.fd(), reinterpret_cast<const sockaddr*>(&destino), largo) == 0;
}

// A TCP listener at host:port, waiting at most EsperaTcpMs for it to answer.
bool ConectaTcp(const QByteArray& host, int puerto) {
    addrinfo pista{};
    pista.ai_socktype = SOCK_STREAM;
    addrinfo* lista = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(puerto).constData(), &pista, &lista) != 0) return false;
    bool conectado = false;
    for (addrinfo* a = lista; a && !conectado; a = a->ai_next) {
        const Descriptor s(::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol));
        if (s.fd() < 0) continue;
        if (::connect(s.fd(), a->ai_addr, a->ai_addrlen) == 0) {
            conectado = true;
            break;
        }
        if (errno != EINPROGRESS) continue;
        pollfd espera{s.fd(), POLLOUT, 0};
        int error = 0;
        socklen_t largo = sizeof error;
        conectado = ::poll(&espera, 1, EsperaTcpMs) == 1 &&
                    ::getsockopt(s.fd(), SOL_SOCKET, SO_ERROR, &error, &largo) == 0 && error == 0;
    }
    ::freeaddrinfo(lista);
    return conectado;
}

// DISPLAY is "[host]:number[.screen]"; a local display listens on /tmp/.X11-unix/X<number>.
bool XAlcanzable(const QByteArray& display) {
    const qsizetype dosPuntos = display.lastIndexOf(':');
    if (dosPuntos < 0) return false;
    const QByteArray host = display.left(dosPuntos);
    bool ok = false;
    const int numero = display.mid(dosPuntos + 1).split('.').first().toInt(&ok);
    if (!ok || numero < 0) return false;
    if (host.isEmpty() || host == "unix") {
        const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(numero);
        return ConectaLocal(socket, false) || ConectaLocal(socket, true);
    }
    return ConectaTcp(host, 6000 + numero);
}

// The probe's own connection, kept open until Qt has made its own: an X server may refuse a
// client that connects the moment another one has left, and Qt aborts on a refusal.
class ConexionDePrueba {
public:
    ConexionDePrueba(pid_t hijo, int sigue) : hijo_(hijo), sigue_(sigue) {}
    ~ConexionDePrueba() {
        ::close(sigue_);  // the child leaves once this end closes
        while (::waitpid(hijo_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    ConexionDePrueba(const ConexionDePrueba&) = delete;
    ConexionDePrueba& operator=(const ConexionDePrueba&) = delete;

private:
    pid_t hijo_;
    int sigue_;
};

std::unique_ptr<ConexionDePrueba> conexionDePrueba;

// Qt aborts the process when its X connection fails (a server that refuses our authorization)
// and waits forever on a socket that is no X server. So the display is first opened the way Qt
// will open it, in a child process that is given EsperaXMs to say how it went. "" when it opened,
// and then the child keeps its connection until conexionDePrueba goes; `otraVez` says whether a
// refusal was all, which a busy server may not repeat.
QString PruebaX(const QByteArray& display, bool& otraVez) {
    otraVez = false;
    const QString nombre = QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(display);
    if (display.isEmpty()) return QStringLiteral("no hay pantalla X (DISPLAY no está definida)");
    if (!XAlcanzable(display)) {
        otraVez = true;
        return QStringLiteral("no se pudo abrir la pantalla %1").arg(nombre);
    }
    using Conecta = void* (*)(const char*, int*);
    using TieneError = int (*)(void*);
    void* xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    const auto conecta = xcb ? reinterpret_cast<Conecta>(::dlsym(xcb, "xcb_connect")) : nullptr;
    const auto tieneError = xcb ? reinterpret_cast<TieneError>(::dlsym(xcb, "xcb_connection_has_error")) : nullptr;
    if (!conecta || !tieneError) return QStringLiteral("falta la biblioteca libxcb para abrir la pantalla %1").arg(nombre);

    int tubo[2], sigue[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) return QStringLiteral("no se pudo probar la pantalla %1").arg(nombre);
    if (::pipe2(sigue, O_CLOEXEC) != 0) {
        ::close(tubo[0]);
        ::close(tubo[1]);
        return QStringLiteral("no se pudo probar la pantalla %1").arg(nombre);
    }
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        ::close(sigue[1]);
        const unsigned char error = static_cast<unsigned char>(tieneError(conecta(display.constData(), nullptr)));
        [[maybe_unused]] const ssize_t n = ::write(tubo[1], &error, 1);
        char nada;
        while (::read(sigue[0], &nada, 1) < 0 && errno == EINTR) {
        }
        ::_exit(0);
    }
    ::close(tubo[1]);
    ::close(sigue[0]);
    if (hijo < 0) {
        ::close(tubo[0]);
        ::close(sigue[1]);
        return QStringLiteral("no se pudo probar la pantalla %1").arg(nombre);
    }
    pollfd espera{tubo[0], POLLIN, 0};
    unsigned char error = 0;
    int listo = 0;
    do listo = ::poll(&espera, 1, EsperaXMs);
    while (listo < 0 && errno == EINTR);
    const bool respondio = listo == 1 && ::read(tubo[0], &error, 1) == 1;
    ::close(tubo[0]);
    if (!respondio) ::kill(hijo, SIGKILL);
    auto prueba = std::make_unique<ConexionDePrueba>(hijo, sigue[1]);
    if (!respondio)
        return QStringLiteral("la pantalla %1 no respondió como un servidor X en %2 segundos")
            .arg(nombre)
            .arg(EsperaXMs / 1000);
    otraVez = error != 0;
    if (error != 0)
        return QStringLiteral("el servidor X de %1 rechazó la conexión (autorización o protocolo)").arg(nombre);
    conexionDePrueba = std::move(prueba);
    return {};
}

// A server starting or busy with other clients refuses now and then: a refusal is tried again
// for about a second before it is the answer.
QString MotivoSinX(const QByteArray& display) {
    bool otraVez = false;
    QString motivo = PruebaX(display, otraVez);
    for (int intento = 1; intento < IntentosX && otraVez; ++intento) {
        ::usleep(PausaEntreIntentosXMs * 1000);
        motivo = PruebaX(display, otraVez);
    }
    return motivo;
}

bool WaylandAlcanzable(const QByteArray& nombre) {
    if (nombre.isEmpty()) return false;
    if (nombre.startsWith('/')) return ConectaLocal(nombre, false);
    const QByteArray carpeta = qgetenv("XDG_RUNTIME_DIR");
    return !carpeta.isEmpty() && ConectaLocal(carpeta + '/' + nombre, false);
}

bool HayPluginPlataforma(const QByteArray& nombre) {
    return QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libq") +
                             QString::fromLocal8Bit(nombre) + QStringLiteral(".so"));
}

// Why the platform "name[:options]" cannot show a window to a user, or "".
QString MotivoSinPlataforma(const QByteArray& opcion) {
    const QByteArray nombre = opcion.split(':').first().trimmed();
    if (nombre.isEmpty()) return QStringLiteral("no nombra ninguna plataforma");
    if (nombre == "offscreen" || nombre == "minimal" || nombre == "minimalegl")
        return QStringLiteral("la plataforma %1 no muestra ventanas a nadie").arg(QString::fromLocal8Bit(nombre));
    if (!HayPluginPlataforma(nombre))
        return QStringLiteral("no existe la plataforma %1").arg(QString::fromLocal8Bit(nombre));
    if (nombre == "xcb") return MotivoSinX(qgetenv("DISPLAY"));
    if (nombre.startsWith("wayland") && !WaylandAlcanzable(qgetenv("WAYLAND_DISPLAY")))
        return QStringLiteral("no se pudo abrir la pantalla WAYLAND_DISPLAY=%1")
            .arg(QString::fromLocal8Bit(qgetenv("WAYLAND_DISPLAY")));
    return {};
}

// The platform Qt is to open ("name[:options]"); `motivo` says why there is none.
QByteArray PlataformaElegida(QString& motivo) {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray pedida = qgetenv("QT_QPA_PLATFORM");
    if (!pedida.isEmpty()) {
        // "name[:options]", possibly several separated by ";", tried in order.
        QStringList motivos;
        for (const QByteArray& opcion : pedida.split(';')) {
            const QString porque = MotivoSinPlataforma(opcion);
            if (porque.isEmpty()) return opcion.trimmed();
            motivos << porque;
        }
        motivo = QStringLiteral("QT_QPA_PLATFORM=%1: %2").arg(QString::fromLocal8Bit(pedida), motivos.join(QStringLiteral("; ")));
        return {};
    }
    if (display.isEmpty() && wayland.isEmpty()) {
        motivo = QStringLiteral("no hay pantalla (DISPLAY, WAYLAND_DISPLAY y QT_QPA_PLATFORM no están definidas)");
        return {};
    }
    if (!wayland.isEmpty() && display.isEmpty()) {
        motivo = MotivoSinPlataforma("wayland");
        return motivo.isEmpty() ? QByteArray("wayland") : QByteArray();
    }
    motivo = MotivoSinPlataforma("xcb");
    if (motivo.isEmpty()) return "xcb";
    if (!wayland.isEmpty() && MotivoSinPlataforma("wayland").isEmpty()) {
        motivo.clear();
        return "wayland";
    }
    return {};
}

[[noreturn]] void SinVentanas(const QString& motivo) {
    throw vb::ErrorEjecucion(vb::errores::NoSePuedeCrearObjeto,
                             QStringLiteral("No se puede mostrar la ventana de consultas: ") + motivo);
}

}  // namespace

void PreparaPantalla(const char* programa) {
    static bool serviciosInstalados = false;
    if (QCoreApplication* existente = QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(existente))
            SinVentanas(QStringLiteral("el programa anfitrión usa una aplicación Qt sin ventanas"));
    } else {
        QString motivo;
        const QByteArray plataforma = PlataformaElegida(motivo);
        if (plataforma.isEmpty()) {
            conexionDePrueba.reset();
            SinVentanas(motivo);
        }
        // Qt keeps argc and argv for the life of the application, which is the life of the process.
        static QByteArray nombre, opcion, valor;
        static int argc = 0;
        static char* argv[4] = {};
        nombre = programa;
        argv[argc++] = nombre.data();
        if (!plataforma.isEmpty()) {
            opcion = "-platform";
            valor = plataforma;
            argv[argc++] = opcion.data();
            argv[argc++] = valor.data();
        }
        new QApplication(argc, argv);  // stays until the process ends, as a host's own would
        conexionDePrueba.reset();
    }
    if (!serviciosInstalados) {
        ui::InstalaServiciosQt();
        serviciosInstalados = true;
    }
}

}  // namespace app
