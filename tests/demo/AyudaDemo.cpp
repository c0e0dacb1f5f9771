#include "AyudaDemo.h"

#include "demo/Demo.h"

#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <stdexcept>

Filas Consulta(const QString& archivo, const QString& sql) {
    sqlite3* bd = nullptr;
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &bd, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(bd);
        throw std::runtime_error("no se pudo abrir " + archivo.toStdString());
    }
    sqlite3_stmt* s = nullptr;
    Filas filas;
    int rc = sqlite3_prepare_v2(bd, sql.toUtf8().constData(), -1, &s, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(s)) == SQLITE_ROW) {
        std::vector<Celda> fila;
        for (int i = 0; i < sqlite3_column_count(s); ++i) {
            const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
            fila.push_back(t ? Celda(QString::fromUtf8(t)) : std::nullopt);
        }
        filas.push_back(std::move(fila));
        rc = SQLITE_OK;
    }
    const std::string error = rc == SQLITE_DONE ? std::string() : sqlite3_errmsg(bd);
    sqlite3_finalize(s);
    sqlite3_close(bd);
    if (!error.empty()) throw std::runtime_error(error + " en: " + sql.toStdString());
    return filas;
}

int64_t Cuenta(const QString& archivo, const QString& sql) {
    const Filas f = Consulta(archivo, sql);
    if (f.size() != 1 || f[0].size() != 1) throw std::runtime_error("se esperaba un valor: " + sql.toStdString());
    return f[0][0].value_or(QString()).toLongLong();
}

namespace {

struct DemoCompartido {
    QTemporaryDir dir;
    QString base, script;
    DemoCompartido() {
        script = dir.filePath(QStringLiteral("postgres.sql"));
        const QString conexion = demo::GeneraDemo(dir.path(), 1, script);
        base = conexion.section(QStringLiteral("Data Source="), 1);
    }
};

DemoCompartido& Compartido() {
    static DemoCompartido d;
    return d;
}

}  // namespace

const QString& DemoEscala1() { return Compartido().base; }
const QString& ScriptEscala1() { return Compartido().script; }

QString DatoDePrueba(const QString& nombre) { return QStringLiteral(ZR_SOURCE_DIR "/tests/demo/") + nombre; }

std::vector<ConsultaDelSistema> ConsultasDelSistema() {
    QFile f(DatoDePrueba(QStringLiteral("consultas.txt")));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("falta consultas.txt");
    std::vector<ConsultaDelSistema> r;
    for (const QString& linea : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (linea.startsWith(u"+ ")) r.push_back({true, linea.mid(2)});
        else if (linea.startsWith(u"~ ")) r.push_back({false, linea.mid(2)});
    }
    return r;
}
