#include "ado/ProveedorOdbc.h"

#include "ado/ColumnasOdbc.h"
#include "ado/Errores.h"
#include "ado/Lexico.h"
#include "ado/OdbcComun.h"
#include "ado/PreparadasOdbc.h"
#include "ado/SumaFechas.h"

#include <sqlext.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <system_error>
#include <thread>

// Sessions are read-only three ways: the driver's access mode, the server's own read-only
// session where the engine has one, and only single SELECT statements are sent at all.

namespace ado::detalle {
namespace {

// A server cursor of the transaction over `consulta` and its first slice, in one round trip; the
// line break ends any comment the query closes with.
QString DeclaraCursor(const QString& nombre, const QString& consulta, int porcion) {
    return QStringLiteral("DECLARE %1 NO SCROLL CURSOR FOR %2\n;FETCH %3 FROM %1").arg(nombre, consulta).arg(porcion);
}

// Every row of the statement's answer in course, read into memory.
std::vector<std::vector<vb::Variant>> LeeRespuesta(SQLHSTMT st, const std::vector<Columna>& columnas) {
    std::vector<std::vector<vb::Variant>> filas;
    for (SQLRETURN rc; (rc = SQLFetch(st)) != SQL_NO_DATA;) {
        Verifica(rc, SQL_HANDLE_STMT, st);
        LeeFila(st, columnas, filas.emplace_back());
    }
    return filas;
}

// Tag of a cursor declared in a batch with others, its first slice read from the batch's answer.
struct DeUnLote {};

class CursorOdbc final : public Cursor {
public:
    // A query run as written (`sql`), or a prepared statement of shape `clave` that goes back to
    // the session when the cursor is done with it.
    CursorOdbc(std::shared_ptr<Sesion> s, SQLHSTMT st, QString sql) : Cursor(std::move(s)), st_(st), sql_(std::move(sql)) {
        Describe();
    }
    // A query read through a server cursor (PostgreSQL, inside a read), `porcion` rows a slice:
    // the driver holds one slice, not the whole answer. `st` already holds the first slice.
    CursorOdbc(std::shared_ptr<Sesion> s, SQLHSTMT st, QString sql, QString cursor, int porcion)
        : Cursor(std::move(s)), st_(st), sql_(std::move(sql)), cursor_(std::move(cursor)), porcion_(porcion) {
        Describe();
    }
    // The same declared in a batch: its first slice is read whole from the batch's statement `lote`
    // here, and the slices after it come through a statement of its own.
    CursorOdbc(std::shared_ptr<Sesion> s, SQLHSTMT lote, QString sql, QString cursor, int porcion, DeUnLote)
        : Cursor(std::move(s)), st_(nullptr), sql_(std::move(sql)), cursor_(std::move(cursor)), porcion_(porcion),
          columnas_(DescribeColumnas(lote)), enLeidas_(true), leidas_(LeeRespuesta(lote, columnas_)) {
        valores_.resize(columnas_.size());
    }
    CursorOdbc(std::shared_ptr<Sesion> s, std::unique_ptr<Preparada> p, QString clave)
        : Cursor(std::move(s)), st_(p->Sentencia()), preparada_(std::move(p)), clave_(std::move(clave)) {
        Describe();
    }
    ~CursorOdbc() override {
        if (Vivo()) Libera();
    }

    int NumCampos() const override { return int(columnas_.size()); }
    const QString& NombreCampo(int i) const override { return columnas_[i].nombre; }
    int TipoCampo(int i) const override { return columnas_[i].tipoAdo; }
    const std::vector<Columna>& Columnas() const { return columnas_; }

    bool Avanza() override {
        EsperaSesion();
        if (enLeidas_) {
            if (siguienteLeida_ < leidas_.size()) {
                valores_ = std::move(leidas_[siguienteLeida_++]);
                return true;
            }
            if (!PideSegundaPorcion()) return false;
        }
        SQLRETURN rc = SQLFetch(st_);
        if (rc == SQL_NO_DATA && porcion_ > 0 && enPorcion_ == porcion_) {
            // A full slice may have more behind it.
            SQLFreeStmt(st_, SQL_CLOSE);
            PideOtraPorcion();
            rc = SQLFetch(st_);
        }
        if (rc == SQL_NO_DATA) return false;
        Verifica(rc, SQL_HANDLE_STMT, st_);
        ++enPorcion_;
        LeeFila(st_, columnas_, valores_);
        return true;
    }

    vb::Variant Valor(int i) override { return valores_[i]; }

    void Reinicia() override {
        EsperaSesion();
        if (preparada_) return preparada_->Reejecuta();
        if (!st_) st_ = SentenciaPropia();
        enLeidas_ = false;
        leidas_ = {};
        SQLFreeStmt(st_, SQL_CLOSE);
        // A cursor read in slices only goes forward: the query gets a new one of the same snapshot.
        if (porcion_ > 0) cursor_ = cursor_.section(u'_', 0, 1) + u'_' + QString::number(++reinicios_);
        const QString sql = porcion_ > 0 ? DeclaraCursor(cursor_, sql_, porcion_) : sql_;
        Verifica(SQLExecDirectW(st_, const_cast<SQLWCHAR*>(Ancho(sql)), SQLINTEGER(sql.size())), SQL_HANDLE_STMT, st_);
        if (porcion_ > 0) {
            Verifica(SQLMoreResults(st_), SQL_HANDLE_STMT, st_);
            enPorcion_ = 0;
        }
    }

protected:
    void Libera() override;

private:
    void Describe() {
        columnas_ = DescribeColumnas(st_);
        valores_.resize(columnas_.size());
    }
    // The session's end of a read may still be on its way: nothing else goes to the driver meanwhile.
    void EsperaSesion();
    SQLHSTMT SentenciaPropia();
    // Past the first slice read with the batch: false when it was the last, else the next slice is
    // asked on a statement of the cursor's own.
    bool PideSegundaPorcion() {
        const bool llena = leidas_.size() == std::size_t(porcion_);
        leidas_ = {};
        siguienteLeida_ = 0;
        if (!llena) return false;
        st_ = SentenciaPropia();
        enLeidas_ = false;
        PideOtraPorcion();
        return true;
    }
    // The server cursor's next slice, on st_.
    void PideOtraPorcion() {
        const QString siguiente = QStringLiteral("FETCH %1 FROM %2").arg(porcion_).arg(cursor_);
        Verifica(SQLExecDirectW(st_, const_cast<SQLWCHAR*>(Ancho(siguiente)), SQLINTEGER(siguiente.size())),
                 SQL_HANDLE_STMT, st_);
        enPorcion_ = 0;
    }

    SQLHSTMT st_;
    QString sql_;
    std::unique_ptr<Preparada> preparada_;
    QString clave_;
    QString cursor_;      // the server cursor read in slices, if any
    int porcion_ = 0;     // rows a slice asks for; 0 when the driver holds the whole answer
    std::vector<Columna> columnas_;
    std::vector<vb::Variant> valores_;
    int enPorcion_ = 0;   // rows read of the slice in course
    int reinicios_ = 0;
    bool enLeidas_ = false;  // on the first slice, read with the batch
    std::vector<std::vector<vb::Variant>> leidas_;
    std::size_t siguienteLeida_ = 0;
};

// An answer read whole while the statement that brought it moved on to the next answer of its
// batch: small lists only (a window's), held in memory.
class CursorLeido final : public Cursor {
public:
    CursorLeido(std::shared_ptr<Sesion> s, SQLHSTMT st)
        : Cursor(std::move(s)), columnas_(DescribeColumnas(st)), filas_(LeeRespuesta(st, columnas_)) {}
    ~CursorLeido() override {
        if (Vivo()) Libera();
    }

    int NumCampos() const override { return int(columnas_.size()); }
    const QString& NombreCampo(int i) const override { return columnas_[i].nombre; }
    int TipoCampo(int i) const override { return columnas_[i].tipoAdo; }
    bool Avanza() override { return ++actual_ < filas_.size(); }
    vb::Variant Valor(int i) override { return filas_[actual_][i]; }
    void Reinicia() override { actual_ = size_t(-1); }

protected:
    void Libera() override {}

private:
    std::vector<Columna> columnas_;
    std::vector<std::vector<vb::Variant>> filas_;
    size_t actual_ = size_t(-1);
};

// The statement `sql` without the semicolons that close it, to be sent after or inside another.
QString SinCierre(const QString& sql) {
    QString consulta = sql.trimmed();
    while (consulta.endsWith(u';')) consulta = consulta.chopped(1).trimmed();
    return consulta;
}

class SesionOdbc final : public Sesion {
public:
    ~SesionOdbc() override {
        EsperaCierre();
        if (env_) Desconecta();
    }

    void Conecta(const QString& cadena) {
        Verifica(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_), SQL_HANDLE_ENV, env_);
        Verifica(SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
                 SQL_HANDLE_ENV, env_);
        Verifica(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_), SQL_HANDLE_ENV, env_);
        SQLSetConnectAttrW(dbc_, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
        SQLSetConnectAttrW(dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(15)), 0);
        SQLWCHAR salida[1024];
        SQLSMALLINT largo = 0;
        Verifica(SQLDriverConnectW(dbc_, nullptr, const_cast<SQLWCHAR*>(Ancho(cadena)), SQLSMALLINT(cadena.size()),
                                   salida, SQLSMALLINT(std::size(salida)), &largo, SQL_DRIVER_NOPROMPT),
                 SQL_HANDLE_DBC, dbc_);
        conectada_ = true;
        PreparaSesion();
    }

    // On the servers we know, a query whose shape was prepared before reuses that statement with
    // its values bound. The first query of a shape runs as written and nothing is prepared for it:
    // a shape asked once costs one round trip. The second is prepared beside its run, and kept only
    // when it describes the same columns, so both read alike.
    std::unique_ptr<Cursor> Ejecuta(const QString& sql) override {
        EsperaCierre();
        if (const QString motivo = MotivoRechazo(sql, dialecto_); !motivo.isEmpty()) LanzaRechazo(motivo);
        for (auto it = adelantadas_.begin(); it != adelantadas_.end(); ++it)
            if (it->first == sql) {
                std::unique_ptr<Cursor> leida = std::move(it->second);
                adelantadas_.erase(it);
                return leida;
            }
        const QString texto = dialecto_ == Dialecto::MySql ? ConSumaDeDias(sql) : sql;
        if (dialecto_ == Dialecto::Estandar) return Abre(texto);
        FormaSql forma = SeparaValores(texto, dialecto_);
        if (forma.valores.empty() || preparadas_.SinReuso(forma.clave) || !preparadas_.Repetida(forma.clave))
            return dialecto_ == Dialecto::Postgres && enInstantanea_ ? AbrePorPorciones(texto) : Abre(texto);
        return dialecto_ == Dialecto::Postgres ? ConNombrada(texto, forma) : ConPreparada(texto, std::move(forma));
    }
    void Devuelve(const QString& clave, std::unique_ptr<Preparada> p) { preparadas_.Devuelve(clave, std::move(p)); }

    // PostgreSQL runs a batch of statements in order and the driver hands over their answers one
    // after another, all in one round trip. Outside a read the answers are read whole; inside one
    // each query gets its server cursor and only its first slice comes with the batch.
    void Adelanta(const QStringList& consultas) override {
        EsperaCierre();
        if (dialecto_ != Dialecto::Postgres || consultas.size() < 2) return;
        QStringList partes;
        for (const QString& c : consultas) {
            if (!MotivoRechazo(c, dialecto_).isEmpty()) return;
            partes << SinCierre(c);
        }
        if (enInstantanea_) return AdelantaCursores(consultas, partes);
        // The line break ends any comment a query closes with.
        const QString texto = partes.join(QStringLiteral("\n;"));
        SQLHSTMT st = Sentencia();
        std::vector<std::pair<QString, std::unique_ptr<Cursor>>> leidas;
        try {
            SQLRETURN rc = SQLExecDirectW(st, const_cast<SQLWCHAR*>(Ancho(texto)), SQLINTEGER(texto.size()));
            for (const QString& c : consultas) {
                if (!SQL_SUCCEEDED(rc)) break;
                leidas.emplace_back(c, std::make_unique<CursorLeido>(shared_from_this(), st));
                rc = SQLMoreResults(st);
            }
        } catch (const vb::ErrorEjecucion&) {
            leidas.clear();
        }
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        if (leidas.size() == size_t(consultas.size())) adelantadas_ = std::move(leidas);
    }
    void OlvidaAdelantos() override {
        EsperaCierre();
        adelantadas_.clear();
    }

    // One snapshot for every query up to CierraInstantanea. The statements that open it are
    // the provider's own: PostgreSQL's transaction starts with the first statement once
    // autocommit is off, and its isolation rides in front of the read's first query, so a run
    // pays no round trip of its own to start; MySQL and MariaDB take an explicit read-only one.
    // Other engines read each query on its own.
    void AbreInstantanea() override {
        EsperaCierre();
        if (dialecto_ == Dialecto::Estandar) return;
        Verifica(SQLSetConnectAttrW(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                 SQL_HANDLE_DBC, dbc_);
        try {
            if (dialecto_ == Dialecto::Postgres) aislamientoPendiente_ = true;
            else Orden(QStringLiteral("START TRANSACTION READ ONLY"), QStringLiteral("No se pudo abrir la lectura de solo consulta"));
        } catch (...) {
            CierraInstantanea();
            throw;
        }
        enInstantanea_ = true;
    }

    // Nothing was written, so the transaction is rolled back; a failure here leaves nothing to undo.
    // A read that sent no query has no transaction, and the driver sends nothing. The run goes on
    // while the server answers: whatever next reaches the driver through this session waits for it.
    void CierraInstantanea() override {
        EsperaCierre();
        enInstantanea_ = false;
        aislamientoPendiente_ = false;
        if (dialecto_ == Dialecto::Estandar) return;
        const auto cierra = [dbc = dbc_] {
            SQLEndTran(SQL_HANDLE_DBC, dbc, SQL_ROLLBACK);
            SQLSetConnectAttrW(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        };
        try {
            cierre_ = std::thread(cierra);
        } catch (const std::system_error&) {
            cierra();
        }
    }

    void EsperaCierre() {
        if (cierre_.joinable()) cierre_.join();
    }

    SQLHSTMT Sentencia() {
        SQLHSTMT st = nullptr;
        Verifica(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st), SQL_HANDLE_DBC, dbc_);
        return st;
    }

protected:
    void Desconecta() override {
        EsperaCierre();
        adelantadas_.clear();
        preparadas_.Vacia();
        if (conectada_) SQLDisconnect(dbc_);
        conectada_ = false;
        if (dbc_) SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        if (env_) SQLFreeHandle(SQL_HANDLE_ENV, env_);
        dbc_ = nullptr;
        env_ = nullptr;
    }

private:
    std::unique_ptr<CursorOdbc> Abre(const QString& sql) {
        SQLHSTMT st = Sentencia();
        const SQLRETURN rc = EjecutaEn(st, sql);
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
            const QString mensaje = Diagnostico(SQL_HANDLE_STMT, st);
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            LanzaProveedor(mensaje);
        }
        try {
            return std::make_unique<CursorOdbc>(shared_from_this(), st, sql);
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            throw;
        }
    }

    // PostgreSQL inside a read: the query behind a cursor of the transaction, its first slice in
    // the same round trip, so a large answer never sits whole in the driver. The cursor goes
    // with the transaction.
    std::unique_ptr<CursorOdbc> AbrePorPorciones(const QString& sql) {
        const QString consulta = SinCierre(sql);
        const QString cursor = QStringLiteral("zr_c%1").arg(++cursores_);
        const QString texto = DeclaraCursor(cursor, consulta, FilasPorPorcion);
        SQLHSTMT st = Sentencia();
        const SQLRETURN rc = EjecutaEn(st, texto, 1);
        if (!SQL_SUCCEEDED(rc)) {
            const QString mensaje = Diagnostico(SQL_HANDLE_STMT, st);
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            LanzaProveedor(mensaje);
        }
        try {
            return std::make_unique<CursorOdbc>(shared_from_this(), st, consulta, cursor, FilasPorPorcion);
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            throw;
        }
    }

    // The batch inside a read: every query behind a cursor of the transaction with its first slice,
    // all in one round trip. The queries are the run's own, so a batch the server refuses ends the
    // run as its failing query would have; the transaction may not outlive the failure.
    void AdelantaCursores(const QStringList& textos, const QStringList& consultas) {
        QStringList partes, nombres;
        for (const QString& c : consultas) {
            nombres << QStringLiteral("zr_c%1").arg(++cursores_);
            partes << DeclaraCursor(nombres.back(), c, FilasPorPorcion);
        }
        const QString texto = partes.join(QStringLiteral("\n;"));
        SQLHSTMT st = Sentencia();
        std::vector<std::pair<QString, std::unique_ptr<Cursor>>> leidas;
        try {
            SQLRETURN rc = EjecutaEn(st, texto, 1);
            for (qsizetype i = 0; i < consultas.size(); ++i) {
                if (i > 0 && SQL_SUCCEEDED(rc)) rc = SQLMoreResults(st);  // past the next DECLARE
                if (i > 0 && SQL_SUCCEEDED(rc)) rc = SQLMoreResults(st);
                if (!SQL_SUCCEEDED(rc)) LanzaProveedor(Diagnostico(SQL_HANDLE_STMT, st));
                leidas.emplace_back(textos[i], std::make_unique<CursorOdbc>(shared_from_this(), st, consultas[i],
                                                                             nombres[i], FilasPorPorcion, DeUnLote{}));
            }
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            throw;
        }
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        adelantadas_ = std::move(leidas);
    }

    // MySQL and MariaDB take a date plus a number as the number YYYYMMDD plus it; which columns
    // hold dates is read from the server's catalog the first time a query adds anything.
    QString ConSumaDeDias(const QString& sql) {
        if (!sql.contains(u'+')) return sql;
        if (!fechas_) {
            ColumnasFecha f;
            auto rs = Abre(QStringLiteral("SELECT TABLE_NAME, COLUMN_NAME, DATA_TYPE FROM information_schema.COLUMNS "
                                          "WHERE TABLE_SCHEMA = DATABASE()"));
            while (rs->Avanza()) {
                const QString tipo = rs->Valor(2).Texto().toLower();
                f.Agrega(rs->Valor(0).Texto(), rs->Valor(1).Texto(),
                         tipo == u"date" || tipo == u"datetime" || tipo == u"timestamp");
            }
            fechas_ = std::move(f);
        }
        return ReescribeSumaFechas(sql, *fechas_, SumaDias::MySql);
    }

    // PostgreSQL: the shape prepared by name after its first query, then run by EXECUTE.
    std::unique_ptr<Cursor> ConNombrada(const QString& texto, const FormaSql& forma) {
        auto& nombradas = preparadas_.nombradas;
        const auto it = nombradas.find(forma.clave);
        if (it == nombradas.end()) {
            std::unique_ptr<CursorOdbc> literal = Abre(texto);
            const QString nombre = QStringLiteral("zr_%1").arg(nombradas.size() + 1);
            if (nombradas.size() >= PreparadasOdbc::MaximoNombradas || !OrdenPropia(PreparaNombrada(nombre, forma)))
                preparadas_.Rechaza(forma.clave);
            else
                nombradas.emplace(forma.clave, NombradaPg{nombre, literal->Columnas()});
            return literal;
        }
        NombradaPg& n = it->second;
        std::unique_ptr<CursorOdbc> cursor = Abre(EjecutaNombrada(n.nombre, forma.valores));
        if (!n.comprobada) {
            if (cursor->Columnas() != n.columnas) {
                cursor.reset();
                preparadas_.Rechaza(forma.clave);
                return Abre(texto);
            }
            n.comprobada = true;
        }
        return cursor;
    }

    // MySQL and MariaDB: the driver's prepared statements, one for each cursor reading the shape.
    std::unique_ptr<Cursor> ConPreparada(const QString& texto, FormaSql forma) {
        std::unique_ptr<Preparada> p = preparadas_.Toma(forma.clave);
        if (!p && preparadas_.Probada(forma.clave)) p = Preparada::Prepara(dbc_, forma.sql);  // its twin is in use
        if (p) {
            p->Ejecuta(forma.valores);
            return std::make_unique<CursorOdbc>(shared_from_this(), std::move(p), std::move(forma.clave));
        }
        std::unique_ptr<CursorOdbc> literal = Abre(texto);
        p = Preparada::Prepara(dbc_, forma.sql);
        if (p && MismasColumnas(literal->Columnas(), p->Sentencia())) {
            preparadas_.Acepta(forma.clave);
            preparadas_.Devuelve(forma.clave, std::move(p));
        } else {
            preparadas_.Rechaza(forma.clave);
        }
        return literal;
    }

    static bool MismasColumnas(const std::vector<Columna>& columnas, SQLHSTMT st) {
        SQLSMALLINT n = 0;
        if (!SQL_SUCCEEDED(SQLNumResultCols(st, &n)) || std::size_t(n) != columnas.size()) return false;
        try {
            for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(n); ++i)
                if (!(DescribeColumna(st, i) == columnas[i - 1])) return false;
        } catch (const vb::ErrorEjecucion&) {
            return false;
        }
        return true;
    }

    // Runs one statement of the provider's own on the session; false when the server refused it.
    bool OrdenPropia(const QString& orden, QString* mensaje = nullptr) {
        SQLHSTMT st = Sentencia();
        const SQLRETURN rc = SQLExecDirectW(st, const_cast<SQLWCHAR*>(Ancho(orden)), SQLINTEGER(orden.size()));
        if (!SQL_SUCCEEDED(rc) && mensaje) *mensaje = Diagnostico(SQL_HANDLE_STMT, st);
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        return SQL_SUCCEEDED(rc);
    }

    // The same, where a refusal ends the connection.
    void Orden(const QString& orden, const QString& porque) {
        QString mensaje;
        if (!OrdenPropia(orden, &mensaje)) LanzaProveedor(porque + QStringLiteral(": ") + mensaje);
    }

    // Runs `texto` on `st`, with the transaction's isolation in front of it when it is the read's
    // first statement, and leaves `st` on the answer of `texto`'s statement number `resultado`
    // (from 0).
    SQLRETURN EjecutaEn(SQLHSTMT st, const QString& texto, int resultado = 0) {
        const bool conAislamiento = aislamientoPendiente_;
        const QString completo =
            conAislamiento ? QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY;") + texto : texto;
        SQLRETURN rc = SQLExecDirectW(st, const_cast<SQLWCHAR*>(Ancho(completo)), SQLINTEGER(completo.size()));
        for (int i = conAislamiento ? -1 : 0; i < resultado && SQL_SUCCEEDED(rc); ++i) rc = SQLMoreResults(st);
        if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) aislamientoPendiente_ = false;
        return rc;
    }

    // The engine decides how quoted values are read. Quote doubling, the only escaping values
    // get, holds only where a backslash is an ordinary character, so the session is made so
    // before anything else is sent, or it is not used at all. Drivers may ignore the access
    // mode, so servers that have a read-only session get one too.
    void PreparaSesion() {
        SQLWCHAR nombre[128] = {0};
        SQLSMALLINT largo = 0;
        if (!SQL_SUCCEEDED(SQLGetInfoW(dbc_, SQL_DBMS_NAME, nombre, sizeof nombre, &largo))) return;
        const QString motor = DeAncho(nombre, std::min<qsizetype>(largo / 2, std::size(nombre) - 1)).toLower();
        const QString sinEscapes = QStringLiteral("No se pudo hacer que la barra invertida sea un carácter común");
        const QString soloLectura = QStringLiteral("No se pudo abrir una sesión de solo lectura");
        if (motor.contains(u"postgres")) {
            dialecto_ = Dialecto::Postgres;
            // One round trip for both: the server runs them in order and stops at a failure.
            Orden(QStringLiteral("SET standard_conforming_strings = on;"
                                 "SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"),
                  sinEscapes + QStringLiteral(", o una sesión de solo lectura"));
        } else if (motor.contains(u"mysql") || motor.contains(u"mariadb")) {
            dialecto_ = Dialecto::MySql;
            Orden(QStringLiteral("SET SESSION sql_mode = TRIM(BOTH ',' FROM CONCAT(@@SESSION.sql_mode, "
                                 "',NO_BACKSLASH_ESCAPES'))"),
                  sinEscapes);
            Orden(QStringLiteral("SET SESSION TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"), soloLectura);
        }
    }

    SQLHENV env_ = nullptr;
    SQLHDBC dbc_ = nullptr;
    bool conectada_ = false;
    Dialecto dialecto_ = Dialecto::Estandar;
    bool enInstantanea_ = false;
    bool aislamientoPendiente_ = false;  // the read's isolation goes with its first statement
    uint64_t cursores_ = 0;  // server cursors opened, for their names
    // Rows a slice of a server cursor: the driver holds one slice at a time, and a set of up to
    // this many comes with its query, in one round trip.
    static constexpr int FilasPorPorcion = 8000;
    std::optional<ColumnasFecha> fechas_;
    PreparadasOdbc preparadas_;
    std::vector<std::pair<QString, std::unique_ptr<Cursor>>> adelantadas_;  // answers read ahead, by text
    std::thread cierre_;  // the end of the last read, until the server has answered it
};

void CursorOdbc::EsperaSesion() { static_cast<SesionOdbc&>(sesion()).EsperaCierre(); }

SQLHSTMT CursorOdbc::SentenciaPropia() { return static_cast<SesionOdbc&>(sesion()).Sentencia(); }

void CursorOdbc::Libera() {
    EsperaSesion();
    if (preparada_) static_cast<SesionOdbc&>(sesion()).Devuelve(clave_, std::move(preparada_));
    else if (st_) SQLFreeHandle(SQL_HANDLE_STMT, st_);
    st_ = nullptr;
}

}  // namespace

std::shared_ptr<Sesion> AbreSesionOdbc(const QString& cadena, const QString& usuario, const QString& clave) {
    QString completa = cadena;
    if (!usuario.isEmpty() || !clave.isEmpty()) {
        if (!completa.isEmpty() && !completa.endsWith(u';')) completa += u';';
        if (!usuario.isEmpty()) completa += QStringLiteral("UID={%1};").arg(usuario);
        if (!clave.isEmpty()) completa += QStringLiteral("PWD={%1};").arg(clave);
    }
    auto sesion = std::make_shared<SesionOdbc>();  // frees its handles on every path out
    sesion->Conecta(completa);
    return sesion;
}

}  // namespace ado::detalle
