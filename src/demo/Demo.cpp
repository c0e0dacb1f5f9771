#include "demo/Demo.h"

#include "demo/DestinoMariaDB.h"
#include "demo/DestinoPostgres.h"
#include "demo/DestinoSqlite.h"
#include "demo/Generador.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace demo {

namespace {

void ValidaEscala(int escala) {
    if (escala < 1 || escala > kEscalaMaxima)
        throw ErrorDemo(QStringLiteral("La escala debe estar entre 1 y %1; se recibió %2").arg(kEscalaMaxima).arg(escala));
}

QString Descripcion(int escala, const char* motor = "PostgreSQL") {
    return QStringLiteral("Demo company of ZR_ConsultasGT, scale %1: schema and rows for %2.").arg(escala).arg(QLatin1StringView(motor));
}

}  // namespace

QString ArchivoBaseDatos() { return QStringLiteral("demo.sqlite"); }

QString GeneraDemo(const QString& dir, int escala, const QString& scriptPostgres, QDate hoy) {
    ValidaEscala(escala);
    const QString carpeta = QDir(dir).absolutePath();
    const QString destino = carpeta + u'/' + ArchivoBaseDatos();
    const QString temporal = destino + QStringLiteral(".generando");
    if (!QDir().mkpath(carpeta)) throw ErrorDemo(QStringLiteral("No se pudo crear la carpeta %1").arg(carpeta));
    QFile::remove(temporal);
    try {
        auto sqlite = std::make_unique<DestinoSqlite>(temporal);
        std::unique_ptr<DestinoPostgres> postgres;
        std::vector<Destino*> destinos{sqlite.get()};
        if (!scriptPostgres.isEmpty()) {
            postgres = std::make_unique<DestinoPostgres>(scriptPostgres, Descripcion(escala));
            destinos.push_back(postgres.get());
        }
        Salida salida(Esquema::DelSistema(), destinos);
        GeneraEmpresa(salida, ParametrosDemo{escala, hoy});
    } catch (...) {
        QFile::remove(temporal);
        throw;
    }
    if (QFileInfo::exists(destino) && !QFile::remove(destino)) {
        QFile::remove(temporal);
        throw ErrorDemo(QStringLiteral("No se pudo reemplazar %1").arg(destino));
    }
    if (!QFile::rename(temporal, destino)) {
        QFile::remove(temporal);
        throw ErrorDemo(QStringLiteral("No se pudo escribir %1").arg(destino));
    }
    return QStringLiteral("Provider=SQLite;Data Source=") + destino;
}

void EscribeScriptPostgres(const QString& archivo, int escala, QDate hoy) {
    ValidaEscala(escala);
    DestinoPostgres postgres(archivo, Descripcion(escala));
    Salida salida(Esquema::DelSistema(), {&postgres});
    GeneraEmpresa(salida, ParametrosDemo{escala, hoy});
}

void EscribeScriptMariaDB(const QString& archivo, int escala, QDate hoy) {
    ValidaEscala(escala);
    DestinoMariaDB mariadb(archivo, Descripcion(escala, "MariaDB"));
    Salida salida(Esquema::DelSistema(), {&mariadb});
    GeneraEmpresa(salida, ParametrosDemo{escala, hoy});
}

}  // namespace demo
