#include "retardo.h"

#include <QRegularExpression>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace bench {
namespace {

using Reloj = std::chrono::steady_clock;

sockaddr_in Local(int puerto) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(puerto));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

void SinNagle(int s) {
    const int si = 1;
    ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &si, sizeof si);
}

// One direction of one connection: what is read from `de` is written to `a` once its time is up.
// An empty chunk is the end of the stream.
class Sentido {
public:
    Sentido(int de, int a, std::chrono::microseconds espera, std::atomic<long>* lecturas)
        : de_(de), a_(a), espera_(espera), lecturas_(lecturas) {}

    void Lee() {
        std::vector<char> b(65536);
        for (;;) {
            const ssize_t n = ::read(de_, b.data(), b.size());
            if (n > 0 && lecturas_) ++*lecturas_;
            Pon(n > 0 ? std::string(b.data(), static_cast<size_t>(n)) : std::string());
            if (n <= 0) return;
        }
    }

    void Escribe() {
        for (;;) {
            auto [cuando, datos] = Toma();
            std::this_thread::sleep_until(cuando);
            if (datos.empty()) break;
            for (size_t hecho = 0; hecho < datos.size();) {
                const ssize_t n = ::write(a_, datos.data() + hecho, datos.size() - hecho);
                if (n <= 0) {
                    ::shutdown(de_, SHUT_RD);  // the other side is gone: stop reading for it
                    return;
                }
                hecho += static_cast<size_t>(n);
            }
        }
        ::shutdown(a_, SHUT_WR);
    }

private:
    void Pon(std::string datos) {
        std::lock_guard l(m_);
        cola_.emplace_back(Reloj::now() + espera_, std::move(datos));
        hay_.notify_one();
    }

    std::pair<Reloj::time_point, std::string> Toma() {
        std::unique_lock l(m_);
        hay_.wait(l, [this] { return !cola_.empty(); });
        auto r = std::move(cola_.front());
        cola_.pop_front();
        return r;
    }

    int de_, a_;
    std::chrono::microseconds espera_;
    std::atomic<long>* lecturas_;  // counted for the client's side only
    std::mutex m_;
    std::condition_variable hay_;
    std::deque<std::pair<Reloj::time_point, std::string>> cola_;
};

// Both directions of one accepted connection; the sockets close when all four threads are done.
struct Enlace {
    int cliente, servidor;
    Sentido ida, vuelta;
    Enlace(int c, int s, std::chrono::microseconds espera, std::atomic<long>* envios)
        : cliente(c), servidor(s), ida(c, s, espera, envios), vuelta(s, c, espera, nullptr) {}
    ~Enlace() {
        ::close(cliente);
        ::close(servidor);
    }
};

}  // namespace

Retardo::Retardo(int destino, std::chrono::microseconds idaYVuelta) : destino_(destino), porSentido_(idaYVuelta / 2) {
    escucha_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = Local(0);
    socklen_t largo = sizeof a;
    if (escucha_ < 0 || ::bind(escucha_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(escucha_, 64) != 0 ||
        ::getsockname(escucha_, reinterpret_cast<sockaddr*>(&a), &largo) != 0)
        throw std::runtime_error("no se pudo abrir el puerto del retardo");
    puerto_ = ntohs(a.sin_port);
    std::thread([e = escucha_, d = destino_, p = porSentido_, n = envios_] { Atiende(e, d, p, n); }).detach();
}

// Stops accepting; connections already made run on until their ends close them.
Retardo::~Retardo() {
    ::shutdown(escucha_, SHUT_RDWR);
    ::close(escucha_);
}

// Runs on its own thread with copies of what it needs: the relay may be gone before it returns.
void Retardo::Atiende(int escucha, int destino, std::chrono::microseconds porSentido,
                      std::shared_ptr<std::atomic<long>> envios) {
    for (;;) {
        const int cliente = ::accept4(escucha, nullptr, nullptr, SOCK_CLOEXEC);
        if (cliente < 0) return;
        const int servidor = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_in a = Local(destino);
        if (servidor < 0 || ::connect(servidor, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) {
            ::close(cliente);
            if (servidor >= 0) ::close(servidor);
            continue;
        }
        SinNagle(cliente);
        SinNagle(servidor);
        auto e = std::make_shared<Enlace>(cliente, servidor, porSentido, envios.get());
        // The counter lives as long as the threads that count into it.
        std::thread([e, envios] { e->ida.Lee(); }).detach();
        std::thread([e] { e->ida.Escribe(); }).detach();
        std::thread([e] { e->vuelta.Lee(); }).detach();
        std::thread([e] { e->vuelta.Escribe(); }).detach();
    }
}

namespace {
const QRegularExpression& Puerto() {
    static const QRegularExpression r(QStringLiteral("(^|;)\\s*Port\\s*=\\s*(\\d+)"), QRegularExpression::CaseInsensitiveOption);
    return r;
}
}  // namespace

int PuertoDe(const QString& cadena) { return Puerto().match(cadena).captured(2).toInt(); }

QString ConPuerto(const QString& cadena, int puerto) {
    QString r = cadena;
    return r.replace(Puerto(), QStringLiteral("\\1Port=%1").arg(puerto));
}

}  // namespace bench
