// Creditor codes written to break out of a quoted literal where a backslash escapes a quote, typed
// into the catalog and run on a PostgreSQL database configured that way, through a login that may
// write: each is only a code that matches no creditor, and the data is exactly as it was.
#include "DoblesVentanas.h"
#include "Postgres.h"
#include "component/modConGastos.h"
#include "controles/PuertoUI.h"
#include "gastos/frmConGastos.h"
#include "report/frmPreview.h"

#include <QTemporaryDir>

namespace {

class InyeccionEnPostgres : public ConPostgres {
protected:
    void SetUp() override {
        Conecta("ZR_PG_HOSTIL", pg);
        if (!Listo()) return;
        ASSERT_TRUE(raiz.isValid());
        ASSERT_TRUE(dobles::EscribeIni(raiz.path(), raiz.path()));
        modConGastos::RutaBD = raiz.path();
        modConGastos::ManejadorBD = 0;
        modConGastos::EmpresaActual = 1;
        dobles::InstalaMensajes(guion);
        controles::FijaPuertoUI(&puerto);
        puerto.alMostrar = [this](controles::Form& f) {
            auto& preview = dynamic_cast<report::frmPreview&>(f);
            textos = dobles::Textos(preview.Preview.Paginas().front());
            preview.cmdFunciones(6).UserClick();
        };
    }
    void TearDown() override {
        controles::FijaPuertoUI(nullptr);
        component::ServiciosAnfitrion() = component::Servicios();
        modConGastos::CierraConexion();
    }

    QString Uno(const QString& sql) {
        ado::Recordset rs = pg.Execute(sql);
        return rs.Fields(0).Value().CStr();
    }
    // Row count and digest of every table the component reads.
    QString Huella() {
        QString h;
        for (const char* tabla : {"tblGastosEnc", "tblCatProveedor", "tblAgrProveedor", "tblIngreEgre"})
            h += Uno(QStringLiteral("SELECT COUNT(*) || ':' || COALESCE(md5(string_agg(t::text, '|' ORDER BY t::text)), '') "
                                    "FROM %1 t")
                         .arg(QLatin1StringView(tabla))) +
                 u' ';
        return h;
    }

    QTemporaryDir raiz;
    dobles::Guion guion;
    dobles::PuertoModal puerto;
    QStringList textos;
};

TEST_F(InyeccionEnPostgres, UnCodigoTecleadoNoCambiaLaConsultaNiLosDatos) {
    if (!Listo()) return;
    // The database itself reads a backslash as an escape; only the session makes it ordinary.
    EXPECT_EQ(Uno(QStringLiteral("SELECT reset_val FROM pg_settings WHERE name='standard_conforming_strings'")),
              "off");
    const QString antes = Huella();
    ASSERT_FALSE(antes.startsWith(u"0:"));

    const QString codigos[] = {
        QStringLiteral("\\'; COMMIT; BEGIN READ WRITE; DELETE FROM tblGastosEnc; COMMIT; --"),
        QStringLiteral("\\'; SET TRANSACTION READ WRITE; DELETE FROM tblCatProveedor; --"),
        QStringLiteral("\\' OR 1=1 --"),
        QStringLiteral("\\' UNION SELECT NOM_PROV,NOM_PROV,NOM_PROV,NOM_PROV,NOM_PROV FROM tblCatProveedor --"),
        QStringLiteral("x\\"),
    };
    for (const QString& codigo : codigos) {
        SCOPED_TRACE(codigo.toStdString());
        textos.clear();
        ASSERT_TRUE(modConGastos::Conecta(qEnvironmentVariable("ZR_PG_HOSTIL")));
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

}  // namespace
