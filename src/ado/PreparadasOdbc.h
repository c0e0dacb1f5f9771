#pragma once
// Statements prepared on the server, one per shape of query (see FormaSql.h), kept so the next
// query of that shape only binds its values and runs: the server parses and plans it once.
#include "ado/ColumnasOdbc.h"
#include "ado/FormaSql.h"
#include "ado/SentenciasPorForma.h"

#include <QHashFunctions>
#include <QString>
#include <cstdint>
#include <memory>
#include <sql.h>
#include <unordered_map>
#include <vector>

namespace ado::detalle {

// A prepared statement and the buffers its values are bound from: the driver reads them each time
// the statement runs, so they live as long as it does.
class Preparada {
public:
    // Null when the server cannot prepare `sql` (the query then runs as written).
    static std::unique_ptr<Preparada> Prepara(SQLHDBC dbc, const QString& sql);
    ~Preparada();
    Preparada(const Preparada&) = delete;
    Preparada& operator=(const Preparada&) = delete;

    SQLHSTMT Sentencia() const { return st_; }
    // Binds the values and runs it; the driver's error is raised, the statement stays usable.
    void Ejecuta(const std::vector<ValorSeparado>& valores);
    void Reejecuta();  // the same values again, from the first row

private:
    explicit Preparada(SQLHSTMT st) : st_(st) {}
    SQLHSTMT st_;
    std::vector<QString> textos_;
    std::vector<int64_t> enteros_;
    std::vector<SQLLEN> largos_;
};

// A shape prepared by name on PostgreSQL (PREPARE), run as EXECUTE with its values as literals:
// one round trip, where the driver's own prepared statements take two inside a transaction.
struct NombradaPg {
    QString nombre;
    std::vector<Columna> columnas;  // those of the query as written, for the first EXECUTE to match
    bool comprobada = false;
};

// PREPARE of `forma` under `nombre`, and the EXECUTE of a query of that shape.
QString PreparaNombrada(const QString& nombre, const FormaSql& forma);
QString EjecutaNombrada(const QString& nombre, const std::vector<ValorSeparado>& valores);

// The statements of one session waiting for their shape to come again, and PostgreSQL's named ones.
class PreparadasOdbc : public SentenciasPorForma<std::unique_ptr<Preparada>> {
public:
    // PostgreSQL's named statements by shape; at most so many, then shapes run as written.
    static constexpr std::size_t MaximoNombradas = 256;
    std::unordered_map<QString, NombradaPg> nombradas;

    // A finished statement, its rows closed, waits for the next query of its shape.
    void Devuelve(const QString& clave, std::unique_ptr<Preparada> p);
};

}  // namespace ado::detalle
