#pragma once
// What a database engine provides to Connection and Recordset: a read-only session that runs
// one SELECT at a time and hands its rows over one by one.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace vb { class Variant; }

namespace ado::detalle {

class Sesion;

// One statement being read forward. Values belong to the current row and are typed by the
// provider (Date, Currency, Long, Boolean, Double, String, Null).
class Cursor {
public:
    explicit Cursor(std::shared_ptr<Sesion> sesion);
    virtual ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    virtual int NumCampos() const = 0;
    virtual const QString& NombreCampo(int i) const = 0;
    virtual int TipoCampo(int i) const = 0;   // ADO DataTypeEnum
    virtual bool Avanza() = 0;                // to the next row; false past the last
    virtual vb::Variant Valor(int i) = 0;     // of the current row
    virtual void Reinicia() = 0;              // run again from the first row (then Avanza)

    // The session was closed under the cursor, or the read it belonged to was given up: its
    // statement is gone and nothing may be read.
    bool Vivo() const { return sesion_ != nullptr; }
    void Desconecta();

protected:
    virtual void Libera() = 0;  // free the statement while the session is still open
    Sesion& sesion() const { return *sesion_; }

private:
    friend class Sesion;
    std::shared_ptr<Sesion> sesion_;
    uint64_t numero_;  // in the order the session opened its cursors
};

class Sesion : public std::enable_shared_from_this<Sesion> {
public:
    virtual ~Sesion() = default;
    virtual std::unique_ptr<Cursor> Ejecuta(const QString& sql) = 0;
    // Answers `consultas` ahead, all in one round trip where the engine allows it: until
    // OlvidaAdelantos, an Ejecuta of one of these texts takes its answer instead of asking.
    // Engines that cannot, or a batch that fails outside a read, hold nothing: each query is then
    // asked on its own and fails where it would. Inside a read a failed batch raises its error.
    virtual void Adelanta(const QStringList& /*consultas*/) {}
    virtual void OlvidaAdelantos() {}
    // One snapshot for every query between the two, read-only; a second start while one lasts
    // keeps it. Cursors still open at the end stay readable.
    void IniciaLectura();
    void TerminaLectura();
    // Ends the read and frees the statements of the cursors opened since it began: a statement
    // left half read would otherwise keep holding the data (SQLite's lock on the file).
    void AbandonaLectura();
    // Frees the statements of every open cursor, then the session itself.
    void Cierra();

protected:
    // The engine's snapshot; one without them reads each query on its own.
    virtual void AbreInstantanea() {}
    virtual void CierraInstantanea() {}
    virtual void Desconecta() = 0;

private:
    friend class Cursor;
    std::vector<Cursor*> cursores_;
    uint64_t abiertos_ = 0;       // cursors ever opened
    uint64_t primeroLectura_ = 0; // number of the first cursor of the read
    bool enLectura_ = false;
};

// Chooses the provider from the connection string and opens a session.
std::shared_ptr<Sesion> AbreSesion(const QString& cadena, const QString& usuario, const QString& clave);
// Whether the connection string names the embedded provider.
bool EsEmbebido(const QString& cadena);

}  // namespace ado::detalle
