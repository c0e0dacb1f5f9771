#pragma once
// The database connection the component reads through. It only reads: every provider opens
// its session read-only and refuses any statement that could write.
#include "ado/Recordset.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace ado {

namespace detalle { class Sesion; }

class Connection {
public:
    Connection();
    ~Connection();
    Connection(Connection&&) noexcept;
    Connection& operator=(Connection&&) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int State() const;  // 0 closed, 1 open

    const QString& ConnectionString() const { return cadena_; }
    void ConnectionString(const QString& cadena);  // 3705 while open

    // "Provider=SQLite;Data Source=FILE" opens the embedded provider; any other string goes to
    // the ODBC driver manager as it stands. An empty `cadena` keeps the ConnectionString
    // property. Failures raise the provider's error (-2147467259) and leave the connection closed.
    void Open(const QString& cadena = {}, const QString& usuario = {}, const QString& clave = {}, int opciones = -1);
    void Close();  // 3219 when already closed; recordsets still open on it are closed too

    // Runs one SELECT and returns it open, positioned on its first row (forward only).
    Recordset Execute(const QString& sql);

    // A read-only transaction: the queries up to CommitTrans see one snapshot of the data, so a
    // balance and its detail agree while the host writes. 3704 when closed.
    void BeginTrans();
    void CommitTrans();  // nothing when closed or with no transaction; open recordsets stay readable
    // A run given up: ends the transaction and closes the recordsets opened since BeginTrans,
    // which would otherwise hold the data half read.
    void RollbackTrans();

private:
    friend class Recordset;
    friend class Adelanto;
    std::shared_ptr<detalle::Sesion> sesion_;
    QString cadena_;
};

// The queries a window or a run is about to open, asked together: while it lives, an Open of one
// of these texts takes the answer already asked (in one round trip where the engine allows it);
// what nobody took goes with it, so a later Open asks the server again. Inside a read only the
// first rows of each come with the others, and a batch the server refuses raises its error.
class Adelanto {
public:
    Adelanto(Connection& conexion, const QStringList& consultas);
    ~Adelanto();
    Adelanto(const Adelanto&) = delete;
    Adelanto& operator=(const Adelanto&) = delete;

private:
    std::shared_ptr<detalle::Sesion> sesion_;
};

}  // namespace ado
