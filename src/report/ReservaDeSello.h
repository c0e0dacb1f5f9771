#pragma once
// A run's claim on its page-file stamp: "<sello>.reserva" beside its pages, locked for as long as
// the process lives and removed only after its last page. Another run that finds that name
// takes the next stamp; one that finds it unlocked knows its run died (killed, a power cut) and
// sweeps that run's pages. Page files alone cannot say whether their run is still alive.
#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace report {

class ReservaDeSello {
public:
    // The stamp reserved in `carpeta` ("" or ending in "/"), or nothing when another run holds it.
    static std::optional<ReservaDeSello> Toma(const QString& carpeta, const QString& sello);

    ReservaDeSello(ReservaDeSello&& otra) noexcept;
    ReservaDeSello& operator=(ReservaDeSello&& otra) noexcept;
    ReservaDeSello(const ReservaDeSello&) = delete;
    ReservaDeSello& operator=(const ReservaDeSello&) = delete;
    ~ReservaDeSello();  // gives the stamp back

private:
    ReservaDeSello(QByteArray nombre, int fd, dev_t dispositivo, ino_t nodo);
    void Libera() noexcept;

    QByteArray nombre_;
    int fd_ = -1;
    dev_t dispositivo_ = 0;
    ino_t nodo_ = 0;
};

// Deletes, in `carpeta`, the page files of this user's runs that died: those whose reservation
// nobody holds. A live run's files, another user's and any file without a reservation stay.
void BarreCorridasMuertas(const QString& carpeta) noexcept;

}  // namespace report
