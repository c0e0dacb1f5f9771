#pragma once
// The prepared statements of one session kept by the shape of their query (see FormaSql.h), so the
// next query of a shape only binds its values, and what the first query of each shape taught:
// whether its prepared form describes the same columns as the query as written.
#include <QHashFunctions>
#include <QString>
#include <cstddef>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace ado::detalle {

// `Sentencia` owns its statement and frees it when destroyed.
template <class Sentencia>
class SentenciasPorForma {
public:
    static constexpr std::size_t MaximoLibres = 64;

    // A free statement of that shape, or an empty one.
    Sentencia Toma(const QString& clave) {
        const auto it = libres_.find(clave);
        if (it == libres_.end()) return Sentencia();
        Sentencia s = std::move(it->second);
        libres_.erase(it);
        return s;
    }
    // A finished statement, ready to run again, waits for its shape; past the limit it is freed.
    void Guarda(const QString& clave, Sentencia s) {
        if (libres_.size() < MaximoLibres) libres_.emplace(clave, std::move(s));
    }
    void Vacia() { libres_.clear(); }  // while the connection is still open

    bool Probada(const QString& clave) const { return probadas_.contains(clave); }
    bool SinReuso(const QString& clave) const { return sinReuso_.contains(clave); }
    void Acepta(const QString& clave) { probadas_.insert(clave); }
    void Rechaza(const QString& clave) { sinReuso_.insert(clave); }
    // Whether a query of this shape came before (and notes that it has now).
    bool Repetida(const QString& clave) { return !vistas_.insert(clave).second; }

private:
    std::unordered_multimap<QString, Sentencia> libres_;
    std::unordered_set<QString> probadas_;  // shapes whose prepared form matches the query as written
    std::unordered_set<QString> sinReuso_;  // shapes that always run as written
    std::unordered_set<QString> vistas_;    // shapes queried at least once
};

}  // namespace ado::detalle
