#include "ado/Connection.h"

#include "ado/Errores.h"
#include "ado/Proveedor.h"

namespace ado {

Connection::Connection() = default;

// Releasing the object without Close leaves its recordsets readable; the session ends with the last.
Connection::~Connection() = default;
Connection::Connection(Connection&&) noexcept = default;
Connection& Connection::operator=(Connection&&) noexcept = default;

int Connection::State() const { return sesion_ ? 1 : 0; }

void Connection::ConnectionString(const QString& cadena) {
    if (sesion_) LanzaAbierto();
    cadena_ = cadena;
}

void Connection::Open(const QString& cadena, const QString& usuario, const QString& clave, int /*opciones*/) {
    if (sesion_) LanzaAbierto();
    if (!cadena.isEmpty()) cadena_ = cadena;
    sesion_ = detalle::AbreSesion(cadena_, usuario, clave);
}

void Connection::Close() {
    if (!sesion_) LanzaCerrado();
    auto s = std::move(sesion_);
    s->Cierra();
}

Recordset Connection::Execute(const QString& sql) {
    Recordset rs;
    rs.Open(sql, *this, 0, 1, -1);
    return rs;
}

void Connection::BeginTrans() {
    if (!sesion_) LanzaCerrado();
    sesion_->IniciaLectura();
}

void Connection::CommitTrans() {
    if (sesion_) sesion_->TerminaLectura();
}

void Connection::RollbackTrans() {
    if (sesion_) sesion_->AbandonaLectura();
}

}  // namespace ado
