// Creditor codes written to break out of a quoted literal where a backslash escapes a quote, typed
// into the catalog and run through a login that may write, on a PostgreSQL database with
// standard_conforming_strings off and on MariaDB, whose default sql_mode escapes with a backslash:
// each is only a code that matches no creditor, and the data is exactly as it was.
#include "DoblesVentanas.h"
#include "Postgres.h"
#include "gastos/frmConGastos.h"

#include <QTemporaryDir>
#include <ostream>

namespace {

struct Servidor {
    const char* variable;   // connection string of the login that may write
    const char* exigencia;  // its absence fails the test when this variable is 1
    bool postgres;
};
void PrintTo(const Servidor& s, std::ostream* os) { *os << s.variable; }

class Inyeccion : public ConPostgres, public ::testing::WithParamInterface<Servidor> {
protected:
    void SetUp() override {
        Conecta(GetParam().variable, pg, GetParam().exigencia);
        if (!Listo()) return;
        ASSERT_TRUE(raiz.isValid());
        ASSERT_TRUE(dobles::EscribeIni(raiz.path(), raiz.path()));
        dobles::InstalaAnfitrion(raiz.path(), guion, puerto, [this](report::frmPreview& preview) {
            textos = dobles::Textos(preview.Preview.Paginas().front());
        });
    }
    void TearDown() override { dobles::QuitaAnfitrion(); }

    QString Uno(const QString& sql) {
        ado::Recordset rs = pg.Execute(sql);
        return rs.Fields(0).Value().CStr();
    }
    // Row count and digest of every row of every table the component reads.
    QString Huella() {
        QString h;
        for (const char* nombre : {"tblGastosEnc", "tblCatProveedor", "tblAgrProveedor", "tblIngreEgre"}) {
            const QString tabla = QString::fromLatin1(nombre);
            if (GetParam().postgres) {
                h += Uno(QStringLiteral("SELECT COUNT(*) || ':' || COALESCE(md5(string_agg(t::text, '|' ORDER BY "
                                        "t::text)), '') FROM %1 t")
                             .arg(tabla));
            } else {
                const QString columnas =
                    Uno(QStringLiteral("SELECT GROUP_CONCAT(CONCAT('QUOTE(`', COLUMN_NAME, '`)') ORDER BY ORDINAL_POSITION) "
                                       "FROM information_schema.COLUMNS WHERE TABLE_SCHEMA=DATABASE() AND TABLE_NAME='%1'")
                            .arg(tabla));
                h += Uno(QStringLiteral("SELECT CONCAT(COUNT(*), ':', COALESCE(SUM(CONV(LEFT(MD5(CONCAT_WS('|', %1)), 15), "
                                        "16, 10)), 0)) FROM %2")
                             .arg(columnas, tabla));
            }
            h += u' ';
        }
        return h;
    }

    QTemporaryDir raiz;
    dobles::Guion guion;
    dobles::PuertoModal puerto;
    QStringList textos;
};

TEST_P(Inyeccion, UnCodigoTecleadoNoCambiaLaConsultaNiLosDatos) {
    if (!Listo()) return;
    // The database itself reads a backslash as an escape; only the session makes it ordinary.
    if (GetParam().postgres)
        EXPECT_EQ(Uno(QStringLiteral("SELECT reset_val FROM pg_settings WHERE name='standard_conforming_strings'")),
                  "off");
    else
        EXPECT_FALSE(Uno(QStringLiteral("SELECT @@GLOBAL.sql_mode")).contains(u"NO_BACKSLASH_ESCAPES"));
    const QString antes = Huella();
    ASSERT_FALSE(antes.startsWith(u"0:"));

    const QString codigos[] = {
        QStringLiteral("\\'; COMMIT; BEGIN READ WRITE; DELETE FROM tblGastosEnc; COMMIT; --"),
        QStringLiteral("\\'; SET TRANSACTION READ WRITE; DELETE FROM tblCatProveedor; --"),
        QStringLiteral("\\'; DELETE FROM tblCatProveedor; -- x"),
        QStringLiteral("\\' OR 1=1 --"),
        QStringLiteral("\\' OR 1=1 -- x"),
        QStringLiteral("\\' OR 1=1 #"),
        QStringLiteral("\\' /*! OR 1=1 */ #"),
        QStringLiteral("\\' UNION SELECT NOM_PROV,NOM_PROV,NOM_PROV,NOM_PROV,NOM_PROV FROM tblCatProveedor -- x"),
        QStringLiteral("x\\"),
    };
    for (const QString& codigo : codigos) {
        SCOPED_TRACE(codigo.toStdString());
        textos.clear();
        ASSERT_TRUE(modConGastos::Conecta(qEnvironmentVariable(GetParam().variable)));
        gastos::frmConGastos ventana;
        controles::Load(ventana);
        ventana.cmbConsulta.SetListIndex(0);
        ventana.cmbTipCatalogo.SetListIndex(0);
        ventana.optTipo(1).UserClick();
        ventana.txtCodAcreedor.SetText(codigo);
        ventana.cmdFunciones(0).UserClick();
        EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
        guion.errores.clear();
        EXPECT_TRUE(textos.contains(QStringLiteral("Acreedor:   ") + codigo));
        EXPECT_TRUE(textos.contains(QStringLiteral("0  Acreedor(es)"))) << textos.join(u'|').toStdString();
        controles::Unload(ventana);
        modConGastos::CierraConexion();
    }
    EXPECT_EQ(Huella(), antes);
}

INSTANTIATE_TEST_SUITE_P(Servidores, Inyeccion,
                         ::testing::Values(Servidor{"ZR_PG_HOSTIL", "ZR_REQUIERE_PG", true},
                                           Servidor{"ZR_MARIADB_HOSTIL", "ZR_REQUIERE_MARIADB", false}),
                         [](const ::testing::TestParamInfo<Servidor>& i) {
                             return std::string(i.param.postgres ? "PostgreSQL" : "MariaDB");
                         });

}  // namespace
