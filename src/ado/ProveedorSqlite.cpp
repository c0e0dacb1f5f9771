#include "ado/ProveedorSqlite.h"

#include "ado/Errores.h"
#include "ado/FormaSql.h"
#include "ado/Lexico.h"
#include "ado/RevisionSqlite.h"
#include "ado/SentenciasPorForma.h"
#include "ado/SumaFechas.h"
#include "ado/SumasSqlite.h"
#include "ado/ValoresSqlite.h"
#include "ado/WalSoloLectura.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

#include <cstring>
#include <memory>
#include <optional>

namespace ado::detalle {
namespace {

// The engine's text, except where a user should be told in words of their own: a lock, a file
// that is no database.
QString Mensaje(sqlite3* db) {
    const int codigo = sqlite3_extended_errcode(db) & 0xff;
    const auto archivo = [db] { return QDir::toNativeSeparators(QString::fromUtf8(sqlite3_db_filename(db, "main"))); };
    if (codigo == SQLITE_BUSY || codigo == SQLITE_LOCKED)
        return QStringLiteral("[SQLite] La base de datos %1 está bloqueada por otro proceso que la está modificando; "
                              "vuelva a intentarlo cuando termine")
            .arg(archivo());
    if (codigo == SQLITE_NOTADB) return QStringLiteral("[SQLite] El archivo %1 no es una base de datos SQLite").arg(archivo());
    return QStringLiteral("[SQLite] ") + QString::fromUtf8(sqlite3_errmsg(db));
}

// What the authorizer of a session is told: whether the session itself is opening or ending its
// read transaction, and where the columns its statements read are noted.
struct Autorizacion {
    bool transaccionPropia = false;
    RevisionSqlite* revision = nullptr;
};

// Only reading: anything but SELECT, reading a column, calling a function or a recursive
// query is refused while the statement is prepared; the session itself may open and end its
// read transaction.
int Autoriza(void* datos, int accion, const char* tabla, const char* columna, const char*, const char*) {
    auto* a = static_cast<Autorizacion*>(datos);
    switch (accion) {
    case SQLITE_TRANSACTION: return a->transaccionPropia ? SQLITE_OK : SQLITE_DENY;
    case SQLITE_READ: a->revision->Vista(tabla, columna); return SQLITE_OK;
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE: return SQLITE_OK;
    default: return SQLITE_DENY;
    }
}

const QString& TextoRechazo() {
    static const QString t = QStringLiteral("La conexión es de solo lectura: la instrucción no es una consulta");
    return t;
}

class SesionSqlite;

class CursorSqlite final : public Cursor {
public:
    // `forma` names the shape `st` is kept under for the next query of that shape, or is empty.
    CursorSqlite(std::shared_ptr<Sesion> s, sqlite3_stmt* st, QString forma)
        : Cursor(std::move(s)), st_(st), forma_(std::move(forma)) {
        const int n = sqlite3_column_count(st_);
        nombres_.reserve(n);
        clases_.reserve(n);
        for (int i = 0; i < n; ++i) {
            nombres_.push_back(QString::fromUtf8(sqlite3_column_name(st_, i)));
            clases_.push_back(ClaseDeclarada(sqlite3_column_decltype(st_, i)));
        }
        valores_.resize(n);
        leidos_.assign(n, 0);
    }
    ~CursorSqlite() override {
        if (Vivo()) Libera();
    }

    int NumCampos() const override { return int(nombres_.size()); }
    const QString& NombreCampo(int i) const override { return nombres_[i]; }
    int TipoCampo(int i) const override { return TipoAdo(clases_[i]); }

    bool Avanza() override;

    vb::Variant Valor(int i) override {
        if (leidos_[i] != fila_) {
            valores_[i] = Convierte(st_, i, clases_[i]);
            leidos_[i] = fila_;
        }
        return valores_[i];
    }

    void Reinicia() override { sqlite3_reset(st_); }

protected:
    void Libera() override;

private:
    sqlite3_stmt* st_;
    QString forma_;
    std::vector<QString> nombres_;
    std::vector<Clase> clases_;
    std::vector<vb::Variant> valores_;
    std::vector<uint64_t> leidos_;
    uint64_t fila_ = 0;
};

class SesionSqlite final : public Sesion {
public:
    explicit SesionSqlite(sqlite3* db) : db_(db) {}
    ~SesionSqlite() override {
        if (db_) Desconecta();
    }

    void Prepara() {
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_busy_timeout(db_, 5000);
        if (sqlite3_exec(db_, "PRAGMA query_only=1", nullptr, nullptr, nullptr) != SQLITE_OK) LanzaProveedor(Mensaje(db_));
        LeeColumnasFecha();
        revision_.LeeEsquema(db_);
        RegistraCompruebaNumero(db_, &errorDeDato_);
        autorizacion_.revision = &revision_;
        sqlite3_set_authorizer(db_, Autoriza, &autorizacion_);
    }

    // Deferred: the snapshot is taken by the first query and holds until the end. A report run
    // reads it, so from here every column a query touches is checked first.
    void AbreInstantanea() override {
        if (sqlite3_get_autocommit(db_)) Transaccion("BEGIN DEFERRED");
        revision_.NuevaCorrida();
        enCorrida_ = true;
    }
    void CierraInstantanea() override {
        enCorrida_ = false;
        if (!sqlite3_get_autocommit(db_)) Transaccion("COMMIT");
    }

    // A query whose shape was prepared before reuses that statement with its values bound; the
    // first query of a shape runs as written, so its columns can be checked against the shape's.
    std::unique_ptr<Cursor> Ejecuta(const QString& sql) override {
        std::unique_ptr<Cursor> cursor = PreparaCursor(sql);
        if (enCorrida_) revision_.Revisa(db_);  // before its first row is read
        return cursor;
    }

    std::unique_ptr<Cursor> PreparaCursor(const QString& sql) {
        const QString texto = ReescribeSumas(ReescribeSumaFechas(sql, fechas_, SumaDias::Sqlite));
        FormaSql forma = SeparaValores(texto);
        if (forma.valores.empty() || libres_.SinReuso(forma.clave))
            return std::make_unique<CursorSqlite>(shared_from_this(), PreparaConsulta(texto), QString());
        sqlite3_stmt* st = libres_.Toma(forma.clave).release();
        if (!st && libres_.Probada(forma.clave)) st = PreparaConsulta(forma.sql);  // its twin is in use
        if (st) {
            Enlaza(st, forma.valores);
            return std::make_unique<CursorSqlite>(shared_from_this(), st, std::move(forma.clave));
        }
        sqlite3_stmt* literal = PreparaConsulta(texto);
        sqlite3_stmt* conValores = nullptr;
        try {
            conValores = PreparaConsulta(forma.sql);
        } catch (...) {
            conValores = nullptr;
        }
        if (conValores && MismasColumnas(literal, conValores)) {
            libres_.Acepta(forma.clave);
            Devuelve(forma.clave, conValores);
        } else {
            sqlite3_finalize(conValores);
            libres_.Rechaza(forma.clave);
        }
        return std::make_unique<CursorSqlite>(shared_from_this(), literal, QString());
    }

    // A finished statement waits, reset and unbound, for the next query of its shape.
    void Devuelve(const QString& forma, sqlite3_stmt* st) {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        libres_.Guarda(forma, Sentencia(st));
    }

    // Why the statement's last step failed: a value a sum could not read, or the engine's text.
    [[noreturn]] void LanzaFalloPaso() {
        if (errorDeDato_) {
            const vb::ErrorEjecucion e = *errorDeDato_;
            errorDeDato_.reset();
            throw e;
        }
        LanzaProveedor(Mensaje(db_));
    }

protected:
    void Desconecta() override {
        libres_.Vacia();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }

private:
    void Transaccion(const char* sql) {
        autorizacion_.transaccionPropia = true;
        const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
        autorizacion_.transaccionPropia = false;
        if (rc != SQLITE_OK) LanzaProveedor(Mensaje(db_));
    }

    sqlite3_stmt* PreparaConsulta(const QString& texto) {
        sqlite3_stmt* st = nullptr;
        const void* resto = nullptr;
        const int rc = sqlite3_prepare16_v2(db_, texto.utf16(), int(texto.size() * 2), &st, &resto);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(st);
            if ((rc & 0xff) == SQLITE_AUTH) LanzaRechazo(TextoRechazo());
            LanzaProveedor(Mensaje(db_));
        }
        if (!st) LanzaProveedor(QStringLiteral("[SQLite] La instrucción está vacía"));
        const auto* base = reinterpret_cast<const char16_t*>(texto.utf16());
        const QStringView cola = QStringView(texto).mid(static_cast<const char16_t*>(resto) - base);
        for (const Token& t : Tokens(cola)) {
            if (!EsSimbolo(cola, t, u';')) {
                sqlite3_finalize(st);
                LanzaRechazo(QStringLiteral("Solo se admite una instrucción por consulta"));
            }
        }
        if (!sqlite3_stmt_readonly(st) || sqlite3_column_count(st) == 0) {
            sqlite3_finalize(st);
            LanzaRechazo(TextoRechazo());
        }
        return st;
    }

    static void Enlaza(sqlite3_stmt* st, const std::vector<ValorSeparado>& valores) {
        int n = 1;
        for (const ValorSeparado& v : valores) {
            if (v.entero) sqlite3_bind_int64(st, n++, v.numero);
            else sqlite3_bind_text16(st, n++, v.texto.utf16(), int(v.texto.size() * 2), SQLITE_TRANSIENT);
        }
    }

    // Names and declared types decide how the rows are read; a value that named a column
    // (SELECT 'x') would name it differently as a parameter, so such a shape is not reused.
    static bool MismasColumnas(sqlite3_stmt* a, sqlite3_stmt* b) {
        const int n = sqlite3_column_count(a);
        if (n != sqlite3_column_count(b)) return false;
        auto igual = [](const char* x, const char* y) { return (!x && !y) || (x && y && std::strcmp(x, y) == 0); };
        for (int i = 0; i < n; ++i)
            if (!igual(sqlite3_column_name(a, i), sqlite3_column_name(b, i)) ||
                !igual(sqlite3_column_decltype(a, i), sqlite3_column_decltype(b, i)))
                return false;
        return true;
    }

    void LeeColumnasFecha() {
        const char* sql =
            "SELECT m.name, p.name, p.type FROM sqlite_schema m, pragma_table_info(m.name) p "
            "WHERE m.type IN ('table','view')";
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &st, nullptr) != SQLITE_OK) LanzaProveedor(Mensaje(db_));
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const auto texto = [st](int i) {
                return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
            };
            fechas_.Agrega(texto(0), texto(1), texto(2).trimmed().toUpper() == u"DATE");
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE) LanzaProveedor(Mensaje(db_));
    }

    sqlite3* db_;
    Autorizacion autorizacion_;
    RevisionSqlite revision_;
    bool enCorrida_ = false;
    ColumnasFecha fechas_;
    std::optional<vb::ErrorEjecucion> errorDeDato_;  // set by compruebanumero as it stops a statement
    struct Finaliza {
        void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
    };
    using Sentencia = std::unique_ptr<sqlite3_stmt, Finaliza>;
    SentenciasPorForma<Sentencia> libres_;
};

bool CursorSqlite::Avanza() {
    ++fila_;  // values cached for the previous row are stale from here on
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    static_cast<SesionSqlite&>(sesion()).LanzaFalloPaso();
}

void CursorSqlite::Libera() {
    if (forma_.isEmpty()) sqlite3_finalize(st_);
    else static_cast<SesionSqlite&>(sesion()).Devuelve(forma_, st_);
    st_ = nullptr;
}

// `codigo` receives the engine's extended result code when the open fails.
std::shared_ptr<Sesion> Abre(const QByteArray& nombre, int banderas, int& codigo) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(nombre.constData(), &db, banderas, nullptr);
    auto sesion = std::make_shared<SesionSqlite>(db);  // closes db on every path out
    try {
        if (rc != SQLITE_OK) LanzaProveedor(Mensaje(db));
        sesion->Prepara();
    } catch (const vb::ErrorEjecucion&) {
        codigo = db ? sqlite3_extended_errcode(db) : rc;
        throw;
    }
    return sesion;
}

}  // namespace

std::shared_ptr<Sesion> AbreSesionSqlite(const QString& archivo) {
    if (archivo.isEmpty()) LanzaProveedor(QStringLiteral("[SQLite] Falta el archivo de la base de datos (Data Source)"));
    if (!QFileInfo::exists(archivo))
        LanzaProveedor(QStringLiteral("[SQLite] No existe el archivo de la base de datos %1").arg(QDir::toNativeSeparators(archivo)));
    int codigo = SQLITE_OK;
    try {
        return Abre(archivo.toUtf8(), SQLITE_OPEN_READONLY, codigo);
    } catch (const vb::ErrorEjecucion&) {
        const std::optional<LecturaSinIndice> sinIndice = LecturaDeWalSinIndice(archivo, codigo);
        if (!sinIndice) throw;
        if (!sinIndice->inmutable) LanzaProveedor(sinIndice->motivo);
    }
    return Abre(UriInmutable(archivo), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, codigo);
}

}  // namespace ado::detalle
