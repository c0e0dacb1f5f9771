#include "demo/DestinoPostgres.h"

#include "demo/ArchivoScript.h"


namespace demo {

QByteArray CampoCopy(const Valor& v) {
    return std::visit(
        [](const auto& x) -> QByteArray {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) return QByteArrayLiteral("\\N");
            else if constexpr (std::is_same_v<T, int64_t>) return QByteArray::number(static_cast<qlonglong>(x));
            else if constexpr (std::is_same_v<T, QString>) {
                QByteArray r;
                for (const char c : x.toUtf8()) {
                    switch (c) {
                    case '\\': r += "\\\\"; break;
                    case '\t': r += "\\t"; break;
                    case '\n': r += "\\n"; break;
                    case '\r': r += "\\r"; break;
                    default: r += c;
                    }
                }
                return r;
            } else if constexpr (std::is_same_v<T, QDate>) return x.toString(Qt::ISODate).toLatin1();
            else if constexpr (std::is_same_v<T, Dinero> || std::is_same_v<T, Doble>) return x.ATexto().toLatin1();
            else return x ? QByteArrayLiteral("t") : QByteArrayLiteral("f");
        },
        v.v());
}

DestinoPostgres::DestinoPostgres(QString archivo, QString descripcion)
    : DestinoScript(std::move(archivo), std::move(descripcion)) {}

void DestinoPostgres::Inicia(const Esquema& esquema) {
    DestinoScript::Inicia(esquema);
    datos_.assign(esquema.tablas().size(), QByteArray());
}

void DestinoPostgres::Fila(int tabla, const std::vector<Valor>& fila) {
    QByteArray& d = datos_[tabla];
    for (size_t i = 0; i < fila.size(); ++i) {
        if (i) d += '\t';
        d += CampoCopy(fila[i]);
    }
    d += '\n';
}

void DestinoPostgres::Termina() {
    ArchivoScript f(archivo_);
    const auto escribe = [&](const QByteArray& b) { f.Escribe(b); };
    const auto linea = [&](const QString& s) { f.Linea(s); };

    linea(QStringLiteral("-- ") + descripcion_);
    linea(QStringLiteral("-- Load as the owner: psql -v ON_ERROR_STOP=1 -f <this file>"));
    linea(QStringLiteral("SET client_encoding = 'UTF8';"));
    linea(QStringLiteral("SET standard_conforming_strings = on;"));
    linea(QStringLiteral("SET client_min_messages = warning;"));
    linea(QStringLiteral("BEGIN;"));
    const QStringList nombres = NombresDeTablas();
    linea(QStringLiteral("DROP TABLE IF EXISTS ") + nombres.join(QStringLiteral(", ")) + QStringLiteral(" CASCADE;"));
    for (const QString& sql : esquema_->CreaTablas(Dialecto::PostgreSQL)) linea(sql + u';');
    for (size_t i = 0; i < esquema_->tablas().size(); ++i) {
        const Tabla& t = esquema_->tablas()[i];
        const QStringList columnas = NombresDeColumnas(t);
        linea(QStringLiteral("COPY ") + t.nombre + QStringLiteral(" (") + columnas.join(QStringLiteral(", ")) +
              QStringLiteral(") FROM stdin;"));
        escribe(datos_[i]);
        linea(QStringLiteral("\\."));
        datos_[i].clear();
    }
    for (const QString& sql : esquema_->CreaIndices(Dialecto::PostgreSQL)) linea(sql + u';');
    linea(QStringLiteral("COMMIT;"));
    for (const QString& n : nombres) linea(QStringLiteral("ANALYZE ") + n + u';');
    f.Termina();
}

}  // namespace demo
