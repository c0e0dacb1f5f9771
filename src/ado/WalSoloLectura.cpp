#include "ado/WalSoloLectura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace ado::detalle {
namespace {

// The header's write and read format versions are 2 for WAL.
bool EnModoWal(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray cabecera = f.read(20);
    return cabecera.size() == 20 && cabecera.startsWith(QByteArrayLiteral("SQLite format 3\0")) && cabecera[18] == 2 &&
           cabecera[19] == 2;
}

bool NadiePuedeCambiarlo(const QString& archivo) {
    const QByteArray nombre = QFile::encodeName(archivo);
    struct statvfs sistema {};
    if (::statvfs(nombre.constData(), &sistema) == 0 && (sistema.f_flag & ST_RDONLY)) return true;
    struct stat estado {};
    return ::stat(nombre.constData(), &estado) == 0 && (estado.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::optional<LecturaSinIndice> LecturaDeWalSinIndice(const QString& archivo, int codigo) {
    if (codigo != SQLITE_READONLY_DIRECTORY && codigo != SQLITE_READONLY_CANTINIT && (codigo & 0xff) != SQLITE_CANTOPEN)
        return std::nullopt;
    if (!EnModoWal(archivo)) return std::nullopt;
    const QString nativo = QDir::toNativeSeparators(archivo);
    const QString carpeta = QDir::toNativeSeparators(QFileInfo(archivo).absolutePath());
    const QString inicio = QStringLiteral("[SQLite] No se puede leer %1: la base de datos usa el diario WAL y ").arg(nativo);
    if (QFileInfo(archivo + QStringLiteral("-wal")).size() > 0)
        return LecturaSinIndice{false, inicio + QStringLiteral("tiene cambios en %1-wal que solo se leen con su índice "
                                                               "%1-shm, que no se puede crear en %2")
                                                    .arg(nativo, carpeta)};
    if (NadiePuedeCambiarlo(archivo)) return LecturaSinIndice{true, {}};
    return LecturaSinIndice{false, inicio + QStringLiteral("no se puede crear su índice %1-shm en %2, que no admite "
                                                           "escritura para este usuario; sin él no se puede leer "
                                                           "mientras otro programa pueda modificarla")
                                                .arg(nativo, carpeta)};
}

QByteArray UriInmutable(const QString& archivo) {
    return QByteArrayLiteral("file:") + QUrl::toPercentEncoding(QFileInfo(archivo).absoluteFilePath(), "/") +
           QByteArrayLiteral("?immutable=1");
}

}  // namespace ado::detalle
