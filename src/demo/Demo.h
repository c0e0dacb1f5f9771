#pragma once
// The deterministic demo company: a SQLite database the component can open, and the same rows as
// a PostgreSQL load script. Same scale, same rows; only the due dates of the open balances that
// fall due later follow the day of generation (so that some are always still to fall due).
#include "demo/ErrorDemo.h"

#include <QDate>
#include <QString>

namespace demo {

inline constexpr int kEscalaMaxima = 1000;

QString ArchivoBaseDatos();  // file name of the database inside the demo directory

// Writes <dir>/<ArchivoBaseDatos()> (replacing an older one) and, when scriptPostgres is not
// empty, the PostgreSQL script with the same rows. Returns the connection string
// "Provider=SQLite;Data Source=<absolute dir>/<file>". ErrorDemo on failure, leaving no partial
// database behind.
QString GeneraDemo(const QString& dir, int escala, const QString& scriptPostgres = {},
                   QDate hoy = QDate::currentDate());

// Only the PostgreSQL script.
void EscribeScriptPostgres(const QString& archivo, int escala, QDate hoy = QDate::currentDate());

// The same rows as a script for the mariadb client.
void EscribeScriptMariaDB(const QString& archivo, int escala, QDate hoy = QDate::currentDate());

}  // namespace demo
