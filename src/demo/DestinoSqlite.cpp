#include "demo/DestinoSqlite.h"

#include "demo/ErrorDemo.h"

#include <sqlite3.h>

namespace demo {

DestinoSqlite::DestinoSqlite(QString archivo) : archivo_(std::move(archivo)) {}

DestinoSqlite::~DestinoSqlite() { Cierra(); }

void DestinoSqlite::Cierra() {
    for (sqlite3_stmt* s : inserciones_) sqlite3_finalize(s);
    inserciones_.clear();
    if (bd_) sqlite3_close(bd_);
    bd_ = nullptr;
}

void DestinoSqlite::Falla(const QString& que) {
    const QString detalle = bd_ ? QString::fromUtf8(sqlite3_errmsg(bd_)) : QString();
    throw ErrorDemo(QStringLiteral("No se pudo %1 en %2: %3").arg(que, archivo_, detalle));
}

void DestinoSqlite::Ejecuta(const QString& sql) {
    if (sqlite3_exec(bd_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Falla(QStringLiteral("ejecutar \"%1\"").arg(sql.left(60)));
}

void DestinoSqlite::Inicia(const Esquema& esquema) {
    esquema_ = &esquema;
    if (sqlite3_open_v2(archivo_.toUtf8().constData(), &bd_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        Falla(QStringLiteral("crear la base de datos"));
    // A throw-away file until it is complete: no journal, no syncs.
    Ejecuta(QStringLiteral("PRAGMA journal_mode=OFF"));
    Ejecuta(QStringLiteral("PRAGMA synchronous=OFF"));
    Ejecuta(QStringLiteral("BEGIN"));
    for (const QString& sql : esquema.CreaTablas(Dialecto::SQLite)) Ejecuta(sql);
    for (const Tabla& t : esquema.tablas()) {
        QStringList columnas, marcas;
        for (const Columna& c : t.columnas) {
            columnas << c.nombre;
            marcas << QStringLiteral("?");
        }
        const QByteArray sql = (QStringLiteral("INSERT INTO ") + t.nombre + u'(' + columnas.join(u',') +
                                QStringLiteral(") VALUES(") + marcas.join(u',') + u')').toUtf8();
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(bd_, sql.constData(), -1, &s, nullptr) != SQLITE_OK) Falla(QStringLiteral("preparar ") + t.nombre);
        inserciones_.push_back(s);
    }
}

void DestinoSqlite::Fila(int tabla, const std::vector<Valor>& fila) {
    sqlite3_stmt* s = inserciones_[tabla];
    for (size_t i = 0; i < fila.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        std::visit(
            [&](const auto& x) {
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, std::monostate>) sqlite3_bind_null(s, n);
                else if constexpr (std::is_same_v<T, int64_t>) sqlite3_bind_int64(s, n, x);
                else if constexpr (std::is_same_v<T, QString>) {
                    const QByteArray u = x.toUtf8();
                    sqlite3_bind_text(s, n, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
                } else if constexpr (std::is_same_v<T, QDate>) {
                    const QByteArray u = x.toString(Qt::ISODate).toLatin1();
                    sqlite3_bind_text(s, n, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
                } else if constexpr (std::is_same_v<T, Dinero> || std::is_same_v<T, Doble>) {
                    sqlite3_bind_double(s, n, x.ADouble());
                } else {
                    sqlite3_bind_int(s, n, x ? 1 : 0);
                }
            },
            fila[i].v());
    }
    if (sqlite3_step(s) != SQLITE_DONE) Falla(QStringLiteral("insertar en ") + esquema_->tablas()[tabla].nombre);
    sqlite3_reset(s);
}

void DestinoSqlite::Termina() {
    for (const QString& sql : esquema_->CreaIndices(Dialecto::SQLite)) Ejecuta(sql);
    Ejecuta(QStringLiteral("COMMIT"));
    Ejecuta(QStringLiteral("ANALYZE"));
    for (sqlite3_stmt* s : inserciones_) sqlite3_finalize(s);
    inserciones_.clear();
    if (sqlite3_close(bd_) != SQLITE_OK) Falla(QStringLiteral("cerrar la base de datos"));
    bd_ = nullptr;
}

}  // namespace demo
