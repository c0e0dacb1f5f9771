#include "ado/Proveedor.h"

#include "ado/CadenaConexion.h"
#include "ado/ProveedorOdbc.h"
#include "ado/ProveedorSqlite.h"

#include <algorithm>

namespace ado::detalle {

Cursor::Cursor(std::shared_ptr<Sesion> sesion) : sesion_(std::move(sesion)), numero_(sesion_->abiertos_++) {
    sesion_->cursores_.push_back(this);
}

Cursor::~Cursor() {
    if (!sesion_) return;
    auto& v = sesion_->cursores_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

void Cursor::Desconecta() {
    Libera();
    sesion_.reset();
}

void Sesion::IniciaLectura() {
    if (enLectura_) return;
    AbreInstantanea();
    enLectura_ = true;
    primeroLectura_ = abiertos_;
}

void Sesion::TerminaLectura() {
    if (!enLectura_) return;
    enLectura_ = false;
    CierraInstantanea();
}

void Sesion::AbandonaLectura() {
    if (!enLectura_) return;
    std::vector<Cursor*> deLaLectura;
    std::erase_if(cursores_, [&](Cursor* c) {
        if (c->numero_ < primeroLectura_) return false;
        deLaLectura.push_back(c);
        return true;
    });
    for (Cursor* c : deLaLectura) c->Desconecta();
    TerminaLectura();
}

void Sesion::Cierra() {
    // Desconecta drops each cursor's hold on the session; keep it alive until the end.
    const auto propia = shared_from_this();
    const std::vector<Cursor*> cursores = std::move(cursores_);
    cursores_.clear();
    for (Cursor* c : cursores) c->Desconecta();
    Desconecta();
}

bool EsEmbebido(const QString& cadena) {
    return ValorDeCadena(cadena, u"Provider").compare(u"SQLite", Qt::CaseInsensitive) == 0;
}

std::shared_ptr<Sesion> AbreSesion(const QString& cadena, const QString& usuario, const QString& clave) {
    if (EsEmbebido(cadena))
        return AbreSesionSqlite(ValorDeCadena(cadena, u"Data Source"));
    return AbreSesionOdbc(cadena, usuario, clave);
}

}  // namespace ado::detalle
