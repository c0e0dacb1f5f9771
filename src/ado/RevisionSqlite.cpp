#include "ado/RevisionSqlite.h"

#include "ado/Errores.h"
#include "vb/ErrorEjecucion.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <sqlite3.h>
#include <sys/stat.h>

namespace ado::detalle {
namespace {

QString Clave(const QString& tabla, const QString& columna) { return tabla.toUpper() + u'\n' + columna.toUpper(); }

QString Identificador(const QString& nombre) {
    QString t = nombre;
    return u'"' + t.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The condition that holds for a value column `c` of that class cannot hold; empty when any value
// reads. A date is what the provider stores, 'YYYY-MM-DD' of a real day, so it compares as a date;
// a number is a number, finite.
QString CondicionAjena(Clase clase, const QString& c) {
    switch (clase) {
    case Clase::Fecha:
        return QStringLiteral("(%1 IS NOT NULL AND NOT (typeof(%1)='text' AND date(%1,'+0 days') IS %1 AND %1>='0100'))")
            .arg(c);
    case Clase::Moneda:
    case Clase::Entero:
    case Clase::Doble:
    case Clase::Logico:
        return QStringLiteral("(typeof(%1) IN ('text','blob') OR (typeof(%1)='real' AND abs(%1)>1.7976931348623157e308))")
            .arg(c);
    default: return {};
    }
}

QString Texto(sqlite3_stmt* st, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)), sqlite3_column_bytes(st, i));
}

QString ValorDe(sqlite3_stmt* st, int i) {
    const int tipo = sqlite3_column_type(st, i);
    if (tipo == SQLITE_NULL) return QStringLiteral("Null");
    const unsigned char* texto = tipo == SQLITE_BLOB ? nullptr : sqlite3_column_text(st, i);
    return MuestraValor(tipo, texto, sqlite3_column_bytes(st, i));
}

// Device, inode, size and modification time of the file and of its -wal: any write changes one.
QByteArray Firma(const QString& archivo) {
    QByteArray firma;
    for (const QString& f : {archivo, archivo + QStringLiteral("-wal")}) {
        struct stat e {};
        if (::stat(QFile::encodeName(f).constData(), &e) != 0) {
            firma += "-;";
            continue;
        }
        firma += QByteArray::number(qulonglong(e.st_dev)) + ':' + QByteArray::number(qulonglong(e.st_ino)) + ':' +
                 QByteArray::number(qlonglong(e.st_size)) + ':' + QByteArray::number(qlonglong(e.st_mtim.tv_sec)) + '.' +
                 QByteArray::number(qlonglong(e.st_mtim.tv_nsec)) + ';';
    }
    return firma;
}

// One file per database in the user's cache folder.
QString ArchivoDeRecuerdo(const QString& archivo) {
    QString carpeta = qEnvironmentVariable("XDG_CACHE_HOME");
    if (carpeta.isEmpty()) carpeta = QDir::homePath() + QStringLiteral("/.cache");
    const QByteArray clave = QCryptographicHash::hash(QFile::encodeName(archivo), QCryptographicHash::Sha256).toHex();
    return carpeta + QStringLiteral("/zrconsgt/revision-") + QString::fromLatin1(clave.left(32));
}

[[noreturn]] void LanzaMotor(sqlite3* db) { LanzaProveedor(QStringLiteral("[SQLite] ") + QString::fromUtf8(sqlite3_errmsg(db))); }

}  // namespace

void RevisionSqlite::LeeEsquema(sqlite3* db) {
    archivo_ = QString::fromUtf8(sqlite3_db_filename(db, "main"));
    const char* sql = "SELECT m.name, p.name, p.type, p.pk FROM sqlite_schema m, pragma_table_info(m.name) p "
                      "WHERE m.type='table' ORDER BY m.name, p.pk, p.cid";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) LanzaMotor(db);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        const QString nombre = Texto(st, 0), columna = Texto(st, 1);
        Tabla& t = tablas_[nombre.toUpper()];
        t.nombre = nombre;
        t.clases.insert(columna.toUpper(), ClaseDeclarada(reinterpret_cast<const char*>(sqlite3_column_text(st, 2))));
        t.nombres.insert(columna.toUpper(), columna);
        if (sqlite3_column_int(st, 3) > 0) t.clave << columna;
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) LanzaMotor(db);
}

void RevisionSqlite::Vista(const char* tabla, const char* columna) {
    if (revisando_ || !tabla || !columna || !*columna) return;
    const QString clave = Clave(QString::fromUtf8(tabla), QString::fromUtf8(columna));
    if (vistas_.contains(clave)) return;
    vistas_.insert(clave);
    pendientes_.push_back(clave);
}

void RevisionSqlite::NuevaCorrida() {
    // Taken before the run reads anything: whatever is checked after it is at least this recent.
    const QByteArray firma = archivo_.isEmpty() ? QByteArray() : Firma(archivo_);
    if (!firma.isEmpty() && firma == firma_) return;
    firma_ = firma;
    revisadas_.clear();
    LeeRecuerdo();
    pendientes_.assign(vistas_.cbegin(), vistas_.cend());
}

void RevisionSqlite::LeeRecuerdo() {
    if (archivo_.isEmpty()) return;
    QFile f(ArchivoDeRecuerdo(archivo_));
    if (!f.open(QIODevice::ReadOnly) || f.readLine().trimmed() != firma_) return;
    while (!f.atEnd()) {
        QString linea = QString::fromUtf8(f.readLine()).trimmed();
        if (!linea.isEmpty()) revisadas_.insert(linea.replace(u'\t', u'\n'));
    }
}

// Only a help: when the folder cannot be written, the next process checks again.
void RevisionSqlite::GuardaRecuerdo() const {
    if (archivo_.isEmpty() || firma_.isEmpty()) return;
    const QString destino = ArchivoDeRecuerdo(archivo_);
    if (!QDir().mkpath(destino.section(u'/', 0, -2))) return;
    QSaveFile f(destino);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(firma_ + '\n');
    for (const QString& clave : revisadas_) f.write(QString(clave).replace(u'\n', u'\t').toUtf8() + '\n');
    f.commit();
}

void RevisionSqlite::Revisa(sqlite3* db) {
    if (pendientes_.empty()) return;
    // Grouped by table, so a table is read once for all its new columns.
    QHash<QString, QStringList> porTabla;
    for (const QString& clave : pendientes_) {
        if (revisadas_.contains(clave)) continue;
        const qsizetype corte = clave.indexOf(u'\n');
        porTabla[clave.left(corte)] << clave.mid(corte + 1);
    }
    for (auto i = porTabla.cbegin(); i != porTabla.cend(); ++i) {
        if (auto t = tablas_.constFind(i.key()); t != tablas_.cend()) RevisaTabla(db, *t, i.value());
        for (const QString& columna : i.value()) revisadas_.insert(i.key() + u'\n' + columna);
    }
    pendientes_.clear();
    if (!porTabla.isEmpty()) GuardaRecuerdo();
}

void RevisionSqlite::RevisaTabla(sqlite3* db, const Tabla& tabla, const QStringList& columnas) {
    QStringList nombres, condiciones, casos;
    std::vector<Clase> clases;
    for (const QString& c : columnas) {
        const QString nombre = tabla.nombres.value(c);
        const Clase clase = tabla.clases.value(c, Clase::Texto);
        const QString condicion = CondicionAjena(clase, Identificador(nombre));
        if (nombre.isEmpty() || condicion.isEmpty()) continue;
        casos << QStringLiteral("WHEN %1 THEN %2").arg(condicion).arg(nombres.size());
        condiciones << condicion;
        nombres << nombre;
        clases.push_back(clase);
    }
    if (nombres.isEmpty()) return;
    QStringList seleccion;
    for (const QString& k : tabla.clave) seleccion << Identificador(k);
    if (tabla.clave.isEmpty()) seleccion << QStringLiteral("rowid");
    const qsizetype claves = seleccion.size();
    seleccion << QStringLiteral("CASE %1 END").arg(casos.join(u' '));
    for (const QString& n : nombres) seleccion << Identificador(n);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1")
                            .arg(seleccion.join(u','), Identificador(tabla.nombre), condiciones.join(QStringLiteral(" OR ")));

    revisando_ = true;
    sqlite3_stmt* st = nullptr;
    const QByteArray texto = sql.toUtf8();
    const int preparada = sqlite3_prepare_v2(db, texto.constData(), int(texto.size()), &st, nullptr);
    revisando_ = false;
    if (preparada != SQLITE_OK) {
        sqlite3_finalize(st);
        LanzaMotor(db);
    }
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_DONE) {
        sqlite3_finalize(st);
        return;
    }
    if (rc != SQLITE_ROW) {
        sqlite3_finalize(st);
        LanzaMotor(db);
    }
    QStringList fila;
    for (int k = 0; k < claves; ++k)
        fila << (tabla.clave.isEmpty() ? QStringLiteral("fila %1").arg(Texto(st, k))
                                       : tabla.clave[k] + u'=' + ValorDe(st, k));
    const int cual = sqlite3_column_int(st, int(claves));
    const int columna = int(claves) + 1 + cual;
    // An infinite number where a number belongs overflows; anything else is of another type.
    const bool infinito = clases[std::size_t(cual)] != Clase::Fecha && sqlite3_column_type(st, columna) == SQLITE_FLOAT;
    const int32_t numero = infinito ? vb::errores::Desbordamiento : vb::errores::TiposNoCoinciden;
    const QString donde =
        QStringLiteral("%1, columna %2, registro %3").arg(tabla.nombre, nombres[cual], fila.join(QStringLiteral(", ")));
    const QString valor = ValorDe(st, columna);
    sqlite3_finalize(st);
    LanzaValorAjeno(numero, donde, valor);
}

}  // namespace ado::detalle
