#pragma once
// Shared by the demo tests: the demo at scale 1 made once per run, and plain SQLite reads.
#include <QDate>
#include <QString>
#include <optional>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using Celda = std::optional<QString>;  // nullopt is NULL
using Filas = std::vector<std::vector<Celda>>;

// Rows of `sql` on the database file, every value as the text SQLite gives it. Throws on error.
Filas Consulta(const QString& archivo, const QString& sql);
// The single number of a one-row, one-column query.
int64_t Cuenta(const QString& archivo, const QString& sql);

// Database file of the scale-1 demo generated (with today's date) once for the whole test run.
const QString& DemoEscala1();
// Its PostgreSQL script, written in the same pass.
const QString& ScriptEscala1();

// A file of tests/demo.
QString DatoDePrueba(const QString& nombre);

struct ConsultaDelSistema {
    bool conFilas;
    QString sql;
};
std::vector<ConsultaDelSistema> ConsultasDelSistema();  // consultas.txt
