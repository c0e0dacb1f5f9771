#include "sql_acreedores.h"

#include "ado/CadenaConexion.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"
#include "vb/ErrorEjecucion.h"

#include <cmath>
#include <sqlite3.h>
#include <vector>

namespace bench {

namespace {

sqlite3* base = nullptr;

[[noreturn]] void Falla(const QString& que) {
    throw vb::ErrorEjecucion(vb::errores::ErrorProveedor, que + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(base)));
}

// One query text, prepared once; each run binds the code as ?1 and reads every column of every row.
class Sentencia {
public:
    explicit Sentencia(const QString& sql) {
        if (sqlite3_prepare16_v2(base, sql.utf16(), int(sql.size() * 2), &st_, nullptr) != SQLITE_OK) Falla(sql);
    }
    ~Sentencia() { sqlite3_finalize(st_); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    // `alLeer` sees each row after its columns are read. Returns the rows.
    template <class F>
    int Corre(const QByteArray& codigo, int& consultas, F&& alLeer) {
        ++consultas;
        sqlite3_reset(st_);
        sqlite3_bind_text(st_, 1, codigo.constData(), int(codigo.size()), SQLITE_STATIC);
        int filas = 0;
        int rc;
        while ((rc = sqlite3_step(st_)) == SQLITE_ROW) {
            for (int i = 0, n = sqlite3_column_count(st_); i < n; ++i)
                if (sqlite3_column_type(st_, i) == SQLITE_TEXT) (void)sqlite3_column_text16(st_, i);
                else (void)sqlite3_column_double(st_, i);
            alLeer(st_);
            ++filas;
        }
        if (rc != SQLITE_DONE) Falla(QStringLiteral("paso"));
        return filas;
    }
    int Corre(const QByteArray& codigo, int& consultas) {
        return Corre(codigo, consultas, [](sqlite3_stmt*) {});
    }

private:
    sqlite3_stmt* st_ = nullptr;
};

QByteArray Texto(sqlite3_stmt* st, int i) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
    return p ? QByteArray(p) : QByteArray();
}

// Charges less credits of rows (CON_GRL, amount); other classes count as credits or not at all.
auto Neto(double& neto, bool otrasAbonan) {
    return [&neto, otrasAbonan](sqlite3_stmt* st) {
        const QByteArray clase = Texto(st, 0);
        const double importe = sqlite3_column_double(st, 1);
        if (clase == "GTOS") neto += importe;
        else if (otrasAbonan || clase == "AACR") neto -= importe;
    };
}

}  // namespace

void PreparaSqlAcreedores(const QString& cadena) {
    const QString archivo = ado::detalle::ValorDeCadena(cadena, u"Data Source");
    if (sqlite3_open_v2(archivo.toUtf8().constData(), &base, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        Falla(archivo);
}

TiempoSql MideSqlAcreedores(const Acreedores& corrida) {
    gastos::frmConGastos& v = Ventana();
    v.cmbConsulta.SetListIndex(corrida.consulta);
    v.optTipo(corrida.detallado ? 0 : 1).SetValue(true);
    const QString desde = modConGastos::FechaSQL(vb::Variant(corrida.desde));
    const QString hasta = modConGastos::FechaSQL(vb::Variant(corrida.hasta));
    const QString rango = QStringLiteral("FEC_MOV BETWEEN ") + desde + QStringLiteral(" AND ") + hasta;

    Sentencia saldo(QStringLiteral("SELECT CON_GRL,SUM(IMP_MOV) AS SALDO FROM tblGastosEnc WHERE (COD_ACRE=?1 AND "
                                   "FEC_MOV<=") + hasta + QStringLiteral(" AND (COD_ESTATUS IN(1,5))) GROUP BY CON_GRL;"));
    Sentencia movimientos(
        corrida.detallado
            ? QStringLiteral("SELECT FOL_MOV,COD_CON,CON_GRL,COD_ACRE,FEC_MOV,IMP_MOV FROM tblGastosEnc WHERE COD_ACRE=?1 "
                             "AND (") + rango + QStringLiteral(") AND (COD_ESTATUS IN(1,5)) ORDER BY FEC_MOV, NUM_MOV;")
            : QStringLiteral("SELECT CON_GRL, SUM(IMP_MOV) AS IMPORTE, SUM(SAL_MOV) AS SALDO FROM tblGastosEnc WHERE "
                             "COD_ACRE=?1 AND ") + rango +
                  QStringLiteral(" AND (COD_ESTATUS IN(1,5)) GROUP BY CON_GRL ORDER BY CON_GRL DESC;"));
    Sentencia anterior(QStringLiteral("SELECT CON_GRL, SUM(IMP_MOV) AS SALDO FROM tblGastosEnc WHERE (COD_ACRE=?1 AND "
                                      "FEC_MOV<") + desde +
                       QStringLiteral(" AND (COD_ESTATUS IN(1,5))) GROUP BY CON_GRL ORDER BY CON_GRL DESC;"));
    Sentencia neto(QStringLiteral("SELECT CON_GRL,SUM(IMP_MOV) AS SALDO FROM tblGastosEnc WHERE (COD_ACRE=?1 AND (") +
                   rango + QStringLiteral(") AND (COD_ESTATUS IN(1,5))) GROUP BY CON_GRL ORDER BY CON_GRL DESC;"));
    Sentencia concepto(QStringLiteral("SELECT DES_CON FROM tblConceptosGyT WHERE COD_CON=?1;"));
    Sentencia folio(QStringLiteral("SELECT DES_FOL FROM tblFolioGralesGyT WHERE COD_FOL=?1;"));

    std::vector<QByteArray> conceptos;
    return RecorreAcreedores([&](const QString& cod, TiempoSql& t) {
        const QByteArray codigo = cod.toUtf8();
        if (corrida.consulta == 3) {
            saldo.Corre(codigo, t.consultas);
            return;
        }
        // The ledger with its default filters: creditors with movements in the range and a
        // positive balance; the detailed form describes each movement.
        conceptos.clear();
        const int filas = movimientos.Corre(codigo, t.consultas, [&](sqlite3_stmt* st) {
            if (corrida.detallado) conceptos.push_back(Texto(st, 1));
        });
        if (filas == 0) return;
        double p = 0, m = 0;
        anterior.Corre(codigo, t.consultas, Neto(p, false));
        neto.Corre(codigo, t.consultas, Neto(m, true));
        if (std::llround((p + m) * 100) <= 0) return;
        for (const QByteArray& c : conceptos) {
            bool descrito = false;
            concepto.Corre(c, t.consultas, [&](sqlite3_stmt* st) { descrito = !Texto(st, 0).isEmpty(); });
            if (!descrito) folio.Corre(c, t.consultas);
        }
    });
}

}  // namespace bench
