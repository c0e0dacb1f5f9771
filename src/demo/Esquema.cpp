#include "demo/Esquema.h"

#include "demo/ErrorDemo.h"
#include "demo/Recursos.h"

#include <QRegularExpression>

namespace demo {

namespace {

QStringList Nombres(const QString& lista) {
    QStringList r;
    for (const QString& n : lista.split(u',', Qt::SkipEmptyParts)) r << n.trimmed();
    return r;
}

Tipo TipoDePalabra(const QString& palabra, int linea) {
    static const std::pair<const char*, Tipo> tipos[] = {
        {"texto", Tipo::Texto}, {"entero", Tipo::Entero}, {"corto", Tipo::Corto},
        {"fecha", Tipo::Fecha}, {"dinero", Tipo::Dinero}, {"doble", Tipo::Doble},
        {"logico", Tipo::Logico}};
    for (const auto& [nombre, tipo] : tipos)
        if (palabra == QLatin1String(nombre)) return tipo;
    throw ErrorDemo(QStringLiteral("Esquema, línea %1: tipo desconocido \"%2\"").arg(linea).arg(palabra));
}

}  // namespace

int Tabla::Posicion(const QString& columna) const {
    for (size_t i = 0; i < columnas.size(); ++i)
        if (columnas[i].nombre.compare(columna, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

QString IndiceSecundario::Nombre() const {
    return (QStringLiteral("ix_") + tabla + u'_' + columnas.join(u'_')).toLower();
}

Esquema Esquema::Lee(const QByteArray& texto) {
    Esquema e;
    const QStringList lineas = QString::fromUtf8(texto).split(u'\n');
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    for (int n = 0; n < lineas.size(); ++n) {
        const QString linea = lineas[n].trimmed();
        if (linea.isEmpty() || linea.startsWith(u'#')) continue;
        const QStringList p = linea.split(blancos);
        const auto falla = [&](const QString& que) {
            return ErrorDemo(QStringLiteral("Esquema, línea %1: %2").arg(n + 1).arg(que));
        };
        if (p[0] == u"tabla" && p.size() == 2) {
            if (e.PosicionTabla(p[1]) >= 0) throw falla(QStringLiteral("tabla repetida"));
            e.tablas_.push_back(Tabla{p[1], {}, {}});
        } else if (p[0] == u"indice" && p.size() >= 3) {
            IndiceSecundario ix{p[1], Nombres(linea.section(blancos, 2))};
            const int t = e.PosicionTabla(ix.tabla);
            if (t < 0) throw falla(QStringLiteral("índice de una tabla desconocida"));
            for (const QString& c : ix.columnas)
                if (e.tablas_[t].Posicion(c) < 0) throw falla(QStringLiteral("índice de una columna desconocida"));
            e.indices_.push_back(ix);
        } else if (e.tablas_.empty()) {
            throw falla(QStringLiteral("columna fuera de una tabla"));
        } else if (p[0] == u"clave") {
            Tabla& t = e.tablas_.back();
            t.clave = Nombres(linea.section(blancos, 1));
            for (const QString& c : t.clave)
                if (t.Posicion(c) < 0) throw falla(QStringLiteral("clave de una columna desconocida"));
        } else {
            Columna c{p[0], TipoDePalabra(p.value(1), n + 1), 0};
            if (c.tipo == Tipo::Texto) {
                bool ok = false;
                c.longitud = p.value(2).toInt(&ok);
                if (!ok || c.longitud <= 0 || p.size() != 3) throw falla(QStringLiteral("texto sin longitud"));
            } else if (p.size() != 2) {
                throw falla(QStringLiteral("columna mal escrita"));
            }
            if (e.tablas_.back().Posicion(c.nombre) >= 0) throw falla(QStringLiteral("columna repetida"));
            e.tablas_.back().columnas.push_back(c);
        }
    }
    return e;
}

const Esquema& Esquema::DelSistema() {
    static const Esquema e = Lee(TextoEsquema());
    return e;
}

int Esquema::PosicionTabla(const QString& tabla) const {
    for (size_t i = 0; i < tablas_.size(); ++i)
        if (tablas_[i].nombre.compare(tabla, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

QString TipoSql(const Columna& c, Dialecto d) {
    const bool pg = d == Dialecto::PostgreSQL;
    const bool maria = d == Dialecto::MariaDB;
    switch (c.tipo) {
    // Byte order on every engine, so that ORDER BY on accented names agrees.
    case Tipo::Texto:
        return QStringLiteral("VARCHAR(%1)").arg(c.longitud) +
               (pg ? QStringLiteral(" COLLATE \"C\"") : maria ? QStringLiteral(" COLLATE utf8mb4_bin") : QString());
    case Tipo::Entero: return QStringLiteral("INTEGER");
    case Tipo::Corto: return QStringLiteral("SMALLINT");
    case Tipo::Fecha: return QStringLiteral("DATE");
    case Tipo::Dinero:
        return pg ? QStringLiteral("NUMERIC(19,4)") : maria ? QStringLiteral("DECIMAL(19,4)") : QStringLiteral("CURRENCY");
    case Tipo::Doble: return pg ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("DOUBLE");
    case Tipo::Logico: return QStringLiteral("BOOLEAN");
    }
    return {};
}

QStringList Esquema::CreaTablas(Dialecto d) const {
    QStringList r;
    for (const Tabla& t : tablas_) {
        QStringList partes;
        for (const Columna& c : t.columnas) partes << c.nombre + u' ' + TipoSql(c, d);
        if (!t.clave.isEmpty()) partes << QStringLiteral("PRIMARY KEY (") + t.clave.join(QStringLiteral(", ")) + u')';
        r << QStringLiteral("CREATE TABLE ") + t.nombre + QStringLiteral(" (\n  ") + partes.join(QStringLiteral(",\n  ")) +
                 QStringLiteral("\n)");
    }
    return r;
}

QStringList Esquema::CreaIndices(Dialecto) const {
    QStringList r;
    for (const IndiceSecundario& ix : indices_)
        r << QStringLiteral("CREATE INDEX ") + ix.Nombre() + QStringLiteral(" ON ") + ix.tabla + u'(' +
                 ix.columnas.join(QStringLiteral(", ")) + u')';
    return r;
}

}  // namespace demo
