#include "BaseSqlite.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

BaseSqlite::BaseSqlite(const char* guion) : ruta_(dir_.filePath(QStringLiteral("prueba.db"))) {
    sqlite3* db = nullptr;
    char* error = nullptr;
    const bool ok = sqlite3_open(ruta_.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db, guion, nullptr, nullptr, &error) == SQLITE_OK;
    const std::string mensaje = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (!ok) throw std::runtime_error("no se pudo crear la base de prueba: " + mensaje);
}

QString BaseSqlite::Cadena() const { return QStringLiteral("Provider=SQLite;Data Source=") + ruta_; }

QByteArray BaseSqlite::Contenido() const {
    QFile f(ruta_);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int EscribeSqlite(const QString& archivo, const char* sql) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open(archivo.toUtf8().constData(), &db);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

int BaseSqlite::Escribe(const char* sql) const { return EscribeSqlite(ruta_, sql); }
