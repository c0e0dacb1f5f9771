#include "demo/DestinoMariaDB.h"

#include "demo/ArchivoScript.h"


namespace demo {

namespace {

constexpr size_t FilasPorInsert = 500;

}  // namespace

QByteArray LiteralMariaDB(const Valor& v) {
    return std::visit(
        [](const auto& x) -> QByteArray {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) return QByteArrayLiteral("NULL");
            else if constexpr (std::is_same_v<T, int64_t>) return QByteArray::number(static_cast<qlonglong>(x));
            else if constexpr (std::is_same_v<T, QString>) return '\'' + x.toUtf8().replace('\'', "''") + '\'';
            else if constexpr (std::is_same_v<T, QDate>) return '\'' + x.toString(Qt::ISODate).toLatin1() + '\'';
            else if constexpr (std::is_same_v<T, Dinero> || std::is_same_v<T, Doble>) return x.ATexto().toLatin1();
            else return x ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
        },
        v.v());
}

DestinoMariaDB::DestinoMariaDB(QString archivo, QString descripcion)
    : DestinoScript(std::move(archivo), std::move(descripcion)) {}

void DestinoMariaDB::Inicia(const Esquema& esquema) {
    DestinoScript::Inicia(esquema);
    filas_.assign(esquema.tablas().size(), {});
}

void DestinoMariaDB::Fila(int tabla, const std::vector<Valor>& fila) {
    QByteArray tupla = "(";
    for (size_t i = 0; i < fila.size(); ++i) {
        if (i) tupla += ',';
        tupla += LiteralMariaDB(fila[i]);
    }
    filas_[static_cast<size_t>(tabla)].push_back(tupla + ')');
}

void DestinoMariaDB::Termina() {
    ArchivoScript f(archivo_);
    const auto escribe = [&](const QByteArray& b) { f.Escribe(b); };
    const auto linea = [&](const QString& s) { f.Linea(s); };

    linea(QStringLiteral("-- ") + descripcion_);
    linea(QStringLiteral("-- Load as the owner: mariadb DATABASE < <this file>"));
    linea(QStringLiteral("SET NAMES utf8mb4;"));
    // The quotes of the texts below are doubled, never backslash-escaped.
    linea(QStringLiteral("SET SESSION sql_mode = 'STRICT_ALL_TABLES,NO_BACKSLASH_ESCAPES';"));
    const QStringList nombres = NombresDeTablas();
    linea(QStringLiteral("DROP TABLE IF EXISTS ") + nombres.join(QStringLiteral(", ")) + u';');
    for (const QString& sql : esquema_->CreaTablas(Dialecto::MariaDB))
        linea(sql + QStringLiteral(" ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_bin;"));
    linea(QStringLiteral("START TRANSACTION;"));
    for (size_t i = 0; i < esquema_->tablas().size(); ++i) {
        const Tabla& t = esquema_->tablas()[i];
        const QStringList columnas = NombresDeColumnas(t);
        const QByteArray cabeza =
            (QStringLiteral("INSERT INTO ") + t.nombre + QStringLiteral(" (") + columnas.join(u',') +
             QStringLiteral(") VALUES\n"))
                .toUtf8();
        const std::vector<QByteArray>& filas = filas_[i];
        for (size_t desde = 0; desde < filas.size(); desde += FilasPorInsert) {
            escribe(cabeza);
            const size_t hasta = std::min(filas.size(), desde + FilasPorInsert);
            for (size_t k = desde; k < hasta; ++k) escribe(filas[k] + (k + 1 < hasta ? ",\n" : ";\n"));
        }
        filas_[i].clear();
    }
    linea(QStringLiteral("COMMIT;"));
    for (const QString& sql : esquema_->CreaIndices(Dialecto::MariaDB)) linea(sql + u';');
    linea(QStringLiteral("ANALYZE TABLE ") + nombres.join(QStringLiteral(", ")) + u';');
    f.Termina();
}

}  // namespace demo
