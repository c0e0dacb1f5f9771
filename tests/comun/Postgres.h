#pragma once
// Tests that read the PostgreSQL demo company through ODBC. Without ZR_PG_CONEXION (or when it
// does not connect) they are skipped, and fail instead when ZR_REQUIERE_PG=1.
#include "ado/Connection.h"

#include <QByteArray>
#include <vector>

#include <gtest/gtest.h>

class ConPostgres : public ::testing::Test {
protected:
    void SetUp() override;
    // Opens the connection string held by the environment `variable` into `con`, or skips
    // (fails when the environment variable `exigido` is 1) the test; check IsSkipped() /
    // HasFatalFailure() after it.
    void Conecta(const char* variable, ado::Connection& con, const char* exigido = "ZR_REQUIERE_PG");
    bool Listo() const { return !IsSkipped() && !HasFatalFailure(); }

    ado::Connection pg;
};

// The listings of one run on SQLite and on a server must agree line for line: the first line
// that differs is reported under `forma` and `servidor`. Returns the lines of the SQLite listing.
qsizetype ComparaListados(const QByteArray& deSqlite, const QByteArray& deServidor, const char* forma,
                          const char* servidor);

// The servers listings are compared on, each named by the environment variable holding its
// connection string: PostgreSQL, and MariaDB when ZR_MARIADB_CONEXION is set (its absence fails
// the test under ZR_REQUIERE_MARIADB=1).
std::vector<const char*> Servidores();

// The host writing meanwhile: the owner login the test scripts create beside the read-only one
// (`cadena` with zr_lector's login changed to zr_dueno's), through the driver manager with
// autocommit, so each statement is committed when it returns.
class EscritorOdbc {
public:
    explicit EscritorOdbc(QString cadena);
    ~EscritorOdbc();
    EscritorOdbc(const EscritorOdbc&) = delete;
    EscritorOdbc& operator=(const EscritorOdbc&) = delete;
    // Empty when it ran, else the driver's message.
    QString Ejecuta(const QString& sql);

private:
    void* env_ = nullptr;
    void* dbc_ = nullptr;
    QString error_;  // why it did not connect
};
