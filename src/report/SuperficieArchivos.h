#pragma once
// Whole-file reads and writes for page files and listings, with run-time errors the way the
// original runtime reported them (53 missing file, 61 disk full, 75 access, 76 path).
#include <QByteArray>
#include <QString>

#include <vector>

namespace report {

// Writes all bytes or nothing: a regular file goes through a temporary name in the same folder
// and a rename, so a failed write (full disk, no permission) leaves no file behind. A device or
// other non-regular target is written in place and never removed.
void GrabaArchivo(const QString& ruta, const QByteArray& datos);

// The same, written piece by piece, so a long output never has to be held whole: the pieces go to
// the temporary name, and Termina gives it its name. Destroyed before Termina, it leaves nothing.
class ArchivoDeSalida {
public:
    explicit ArchivoDeSalida(const QString& ruta);
    ~ArchivoDeSalida();
    ArchivoDeSalida(const ArchivoDeSalida&) = delete;
    ArchivoDeSalida& operator=(const ArchivoDeSalida&) = delete;

    void Escribe(const QByteArray& datos);
    void Termina();

private:
    void Descarta() noexcept;
    [[noreturn]] void Falla(int error);

    QByteArray nombre_;
    QByteArray temporal_;  // empty when writing in place
    int fd_ = -1;
};

// While one lives, GrabaArchivo writes regular files under a temporary name beside the final one
// and Confirma gives them all their names at the end, so a run that fails or is interrupted
// leaves no complete-looking output: the destructor, or a signal, deletes what was not confirmed.
// A failure only ever removes those temporary names: a file the user had at a final name stays
// as it was. One made inside another hands its files over to it on Confirma.
class GrabacionDiferida {
public:
    GrabacionDiferida();
    ~GrabacionDiferida();
    GrabacionDiferida(const GrabacionDiferida&) = delete;
    GrabacionDiferida& operator=(const GrabacionDiferida&) = delete;

    void Confirma();

    struct Pendiente {
        QByteArray temporal;
        QByteArray final;
    };

private:
    std::vector<Pendiente> pendientes_;
    GrabacionDiferida* anterior_;
    friend class ArchivoDeSalida;
};

// Reads a whole file. Files beyond the size limit are not page files: error 321.
QByteArray LeeArchivo(const QString& ruta, qint64 limite = 64 * 1024 * 1024);

}  // namespace report
