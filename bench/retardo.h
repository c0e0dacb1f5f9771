#pragma once
// A TCP relay on 127.0.0.1 that holds every chunk it passes for a fixed time in each direction, so
// a report run against a server on this machine pays the round trips of a network.
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

namespace bench {

class Retardo {
public:
    // Relays to 127.0.0.1:destino; a round trip through it takes `idaYVuelta` more.
    Retardo(int destino, std::chrono::microseconds idaYVuelta);
    ~Retardo();
    Retardo(const Retardo&) = delete;
    Retardo& operator=(const Retardo&) = delete;

    int Puerto() const { return puerto_; }
    // What clients have sent through it so far, one per read: about one per round trip.
    long Envios() const { return *envios_; }

private:
    static void Atiende(int escucha, int destino, std::chrono::microseconds porSentido,
                        std::shared_ptr<std::atomic<long>> envios);

    int escucha_ = -1;
    int puerto_ = 0;
    int destino_;
    std::chrono::microseconds porSentido_;
    std::shared_ptr<std::atomic<long>> envios_ = std::make_shared<std::atomic<long>>(0);
};

// The port a connection string names (Port=N), 0 when it names none.
int PuertoDe(const QString& cadena);
// The same connection string with its port replaced.
QString ConPuerto(const QString& cadena, int puerto);

}  // namespace bench
