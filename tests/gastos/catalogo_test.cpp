// The creditor catalog run end to end through the page writer, read back from the document the
// preview was shown: columns, cuts, groups, totals, page breaks and the balances due.
#include "BaseGastos.h"

using prueba::VentanaGastos;

namespace {

class Catalogo : public VentanaGastos {
protected:
    using VentanaGastos::VentanaGastos;

    // Layout 0 "Directorio" or 1 "Parámetros", detailed or summary.
    report::Documento Corre(int tipo, bool detallado) {
        ventana->cmbTipCatalogo.SetListIndex(tipo);
        ventana->optTipo(detallado ? 0 : 1).UserClick();
        return ConsultaLimpia();
    }
};

TEST_F(Catalogo, DirectorioDetallado) {
    const report::Documento doc = Corre(0, true);
    ASSERT_EQ(doc.size(), 1u);
    // Four lines per creditor; the name cut to 33 characters, accents and Ñ counting one each.
    EXPECT_EQ(EnLinea(doc, 1, 2520),
              (QStringList{"A001", "Papelería Ñandú y Asociados de Oc", "Av. Vallarta 100", "33-1111"}));
    EXPECT_EQ(EnLinea(doc, 1, 2960), (QStringList{"ventas@nandu.mx", "Guadalajara, Jal., MEX"}));
    // A002 has no e-mail: that column stays empty and the rest of the line prints.
    EXPECT_EQ(EnLinea(doc, 1, 3880), QStringList{"Monterrey, N.L., MEX"});
    // A004's city has no row, P005 is no creditor: three creditors.
    EXPECT_EQ(EnLinea(doc, 1, 5280), (QStringList{"TOTAL :", "3  Acreedor(es)"}));
}

TEST_F(Catalogo, ParametrosDetalladoConSaldosVencidos) {
    const report::Documento doc = Corre(1, true);
    ASSERT_EQ(doc.size(), 1u);
    // Due on or before 15/06/2024: 1,000.00 + 200.25; later: 300.25. Credits, cancelled charges and
    // settled ones do not count.
    EXPECT_EQ(EnLinea(doc, 1, 2340), (QStringList{"10,000.00", "30", "2.5%", "0%", "0%", "0%", "0%", "1.25%",
                                                  "1,500.50", "8,499.50", "1,200.25", "300.25"}));
    // A002 has no last payment date: that column stays empty.
    EXPECT_EQ(EnLinea(doc, 1, 2580), (QStringList{"A002", "Limpiezas del Norte", "Suspendido", "10/01/2024"}));
    EXPECT_EQ(EnLinea(doc, 1, 3220), (QStringList{"1,000.00", "45", "10%", "5%", "0%", "0%", "0%", "0%", "250.75",
                                                  "749.25", "0.00", "99.99"}));
    // "Parámetros" needs no city: A004 is listed, with a negative available credit.
    EXPECT_EQ(EnLinea(doc, 1, 3660).mid(8), (QStringList{"100.00", "-100.00", "0.00", "0.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 3900), (QStringList{"TOTAL :", "4  Acreedor(es)"}));
}

TEST_F(Catalogo, AgrupadoPorAgrupacionesMarcadas) {
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    report::Documento doc = Corre(0, false);
    // A heading per agrupación, a total after each, and no grand total.
    EXPECT_EQ(EnLinea(doc, 1, 1900), QStringList{"Nacionales:   Papelería"});
    EXPECT_EQ(EnLinea(doc, 1, 2140).first(), "A001");
    EXPECT_EQ(EnLinea(doc, 1, 2380), (QStringList{"TOTAL :", "1  Acreedor(es)"}));
    EXPECT_EQ(EnLinea(doc, 1, 2780), QStringList{"Extranjeros:   Importados"});
    EXPECT_EQ(EnLinea(doc, 1, 3020).first(), "A003");
    EXPECT_EQ(EnLinea(doc, 1, 3260), (QStringList{"TOTAL :", "1  Acreedor(es)"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("TOTAL :")).size(), 2u);

    // Only second-level ticks count: groups ticked with their children unticked list everyone.
    Marca(0, QStringLiteral("G1"));
    Marca(0, QStringLiteral("G2"));
    ventana->tvwGral(0).Nodes().Item(QStringLiteral("G2")).SetChecked(true);
    doc = Corre(1, false);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Extranjeros:   Importados")).empty());
    EXPECT_EQ(Busca(doc, QStringLiteral("4  Acreedor(es)")).size(), 1u);
}

TEST_F(Catalogo, RegionElegida) {
    ventana->chkRegion.UserClick();
    ventana->cmbRegion(0).SetListIndex(0);  // Guadalajara
    ventana->cmbRegion(1).SetListIndex(0);  // Jalisco
    report::Documento doc = Corre(0, false);
    EXPECT_EQ(EnLinea(doc, 1, 1700), QStringList{"Ciudad:  Guadalajara   Estado:  Jalisco"});
    EXPECT_EQ(EnLinea(doc, 1, 2530), (QStringList{"TOTAL :", "2  Acreedor(es)"}));

    // Without a city the state line is trimmed; a country gets its own line.
    ventana->cmbRegion(0).SetText(QString());
    ventana->cmbRegion(2).SetListIndex(1);  // Estados Unidos
    doc = Corre(0, false);
    EXPECT_EQ(EnLinea(doc, 1, 1700), QStringList{"Estado:  Jalisco"});
    EXPECT_EQ(EnLinea(doc, 1, 1950), QStringList{"País:   Estados Unidos"});
    EXPECT_EQ(EnLinea(doc, 1, 2300).first(), "A003");
    EXPECT_EQ(Busca(doc, QStringLiteral("1  Acreedor(es)")).size(), 1u);
}

TEST_F(Catalogo, CodigoTecleado) {
    Marca(0, QStringLiteral("A10"));  // the tree is not consulted once a code is typed
    ventana->txtCodAcreedor.SetText(QStringLiteral("A003"));
    report::Documento doc = Corre(0, false);
    EXPECT_EQ(EnLinea(doc, 1, 2000).first(), "A003");
    EXPECT_EQ(EnLinea(doc, 1, 2240), (QStringList{"TOTAL :", "1  Acreedor(es)"}));

    doc = Corre(1, false);  // "Parámetros" prints no such line
    EXPECT_TRUE(Busca(doc, QStringLiteral("Acreedor:   A003")).empty());
    EXPECT_EQ(EnLinea(doc, 1, 1900).first(), "A003");
}

// n generated creditors in Papelería followed by m in Importados, all in Guadalajara.
template <int N, int M>
class Generado : public Catalogo {
protected:
    Generado() : Catalogo(prueba::Esquema() + prueba::Generados("G", N, 10, 1) + prueba::Generados("H", M, 20, 2)) {}
    // Both groups ticked, summary directory.
    report::Documento Agrupado() {
        Marca(0, QStringLiteral("G1"));
        Marca(0, QStringLiteral("G2"));
        return Corre(0, false);
    }
};

// Rows start at 2050 under the region line and advance 240; a row ending past 13500 opens a page
// whose first row sits at 1550.
using Cincuenta = Generado<50, 0>;
TEST_F(Cincuenta, ElRenglonQuePasaDelLimiteAbrePagina) {
    ventana->chkRegion.UserClick();
    ventana->cmbRegion(0).SetListIndex(0);
    const report::Documento doc = Corre(0, false);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(Rasgos(doc, QStringLiteral("G048")), "p1 0,13330 a0 s9 n0 c0");
    // The heading of the new page leaves size 7 for the rows after it.
    EXPECT_EQ(Rasgos(doc, QStringLiteral("G049")), "p2 0,1550 a0 s7 n0 c0");
    // The new page has the catalog headings but not the region line.
    EXPECT_EQ(EnLinea(doc, 2, 1000), (QStringList{"Código", "Nombre", "Teléfonos", "e-mail"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("Ciudad:  Guadalajara")).size(), 1u);
    EXPECT_EQ(EnLinea(doc, 2, 2030), (QStringList{"TOTAL :", "50  Acreedor(es)"}));
}

// Grouped, after Papelería's total the line stands at 13000 with 44 creditors, at 13240 with 45:
// a group heading opens a page only past 13000.
using GrupoAlLimite = Generado<44, 1>;
TEST_F(GrupoAlLimite, ElEncabezadoEnElLimiteSigueEnLaPagina) {
    const report::Documento doc = Agrupado();
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 12700), (QStringList{"TOTAL :", "44  Acreedor(es)"}));
    EXPECT_EQ(EnLinea(doc, 1, 13100), QStringList{"Extranjeros:   Importados"});
    EXPECT_EQ(Rasgos(doc, QStringLiteral("H001")), "p1 0,13340 a0 s9 n0 c0");
    EXPECT_EQ(EnLinea(doc, 2, 1550), (QStringList{"TOTAL :", "1  Acreedor(es)"}));
}

using GrupoTrasElLimite = Generado<45, 1>;
TEST_F(GrupoTrasElLimite, ElEncabezadoPasadoElLimiteAbrePagina) {
    const report::Documento doc = Agrupado();
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 12940), (QStringList{"TOTAL :", "45  Acreedor(es)"}));
    EXPECT_EQ(EnLinea(doc, 2, 1550), QStringList{"Extranjeros:   Importados"});
    EXPECT_EQ(Rasgos(doc, QStringLiteral("H001")), "p2 0,1790 a0 s7 n0 c0");
}

// A004 moved to Papelería and A003 in both agrupaciones: in code order the agrupaciones alternate.
class AgrupacionesAlternas : public Catalogo {
protected:
    AgrupacionesAlternas()
        : Catalogo(prueba::Esquema() + prueba::AcreedoresBase() +
                   "UPDATE tblGpoAgrProveedor SET COD_GPO=1,COD_AGR=10 WHERE COD_PROV='A004';"
                   "INSERT INTO tblGpoAgrProveedor VALUES('A003',1,10);") {}
};

// Each agrupación is headed and totalled once, its creditors together in code order.
TEST_F(AgrupacionesAlternas, CadaAgrupacionUnaVez) {
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    const report::Documento doc = Corre(1, false);
    QStringList orden;
    for (const prueba::Renglon& r : prueba::Textos(doc)) {
        const QString& t = r.texto.texto;
        if (t.contains(u":   ") || t.endsWith(u"Acreedor(es)") || (t.size() == 4 && t.startsWith(u'A'))) orden << t;
    }
    EXPECT_EQ(orden, (QStringList{"Nacionales:   Papelería", "A001", "A003", "A004", "3  Acreedor(es)",
                                  "Extranjeros:   Importados", "A003", "1  Acreedor(es)"}));
}

class AgrupacionEnorme : public Catalogo {
protected:
    AgrupacionEnorme()
        : Catalogo(prueba::Esquema() + prueba::AcreedoresBase() +
                   "INSERT INTO tblAgrProveedor VALUES(40000,2,'Enorme');"
                   "INSERT INTO tblGpoAgrProveedor VALUES('A003',2,40000);") {}
};

// An agrupación code beyond 16 bits overflows outside the detail, where nothing is ignored.
TEST_F(AgrupacionEnorme, UnDesbordamientoTerminaLaCorrida) {
    Marca(0, QStringLiteral("A40000"));
    ventana->optTipo(1).UserClick();
    EXPECT_FALSE(Consulta());
    ASSERT_EQ(guion.errores.size(), 1);
    EXPECT_TRUE(guion.errores[0].startsWith(u"6 "));
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

}  // namespace
