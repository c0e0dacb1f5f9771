#pragma once
// One page file of a run. It is made new (never an existing file, a link or a FIFO), only its
// owner may read it, and it is read back only while it is still the very file this run wrote:
// a file put in its place, or another run's page, is an error and never a page of this document.
#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

namespace report {

class ArchivoDePagina {
public:
    // Creates the file empty and keeps it open for Graba; nothing when the name is taken.
    static std::optional<ArchivoDePagina> Crea(const QString& ruta);

    ArchivoDePagina(ArchivoDePagina&& otro) noexcept;
    ArchivoDePagina& operator=(ArchivoDePagina&& otro) noexcept;
    ArchivoDePagina(const ArchivoDePagina&) = delete;
    ArchivoDePagina& operator=(const ArchivoDePagina&) = delete;
    ~ArchivoDePagina();  // closes; the file stays until Borra

    const QString& Ruta() const { return ruta_; }
    void Graba(const QByteArray& datos);  // once; the file is closed afterwards
    QByteArray Lee() const;               // 53 when gone, 75 when it is not the file written
    void Verifica() const { Lee(); }      // the same errors, for a run that keeps its pages itself
    void Borra() noexcept;                // only if the name still holds this file

private:
    ArchivoDePagina(QString ruta, QByteArray nombre, int fd, dev_t dispositivo, ino_t nodo);
    void Cierra() noexcept;

    QString ruta_;
    QByteArray nombre_;  // ruta_ in the file system's encoding
    int fd_ = -1;
    dev_t dispositivo_ = 0;
    ino_t nodo_ = 0;
    qint64 tamano_ = 0;
    std::optional<size_t> huella_;  // keyed hash of the bytes written, once they are
    bool borrado_ = false;
};

}  // namespace report
