// The creditor catalog run end to end through the page writer, read back from the document the
// preview was shown: cuts, which creditors print, groups, totals and balances due.
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

TEST_F(Catalogo, DetalladosCortesYSaldosVencidos) {
    // The name cut to 33 characters, accents and Ñ counting one each; A002 has no e-mail and the
    // rest of its line prints; A004's city has no row and P005 is no creditor: three creditors.
    Comprueba(Corre(0, true),
              {{1, 2520, {"A001", "Papelería Ñandú y Asociados de Oc", "Av. Vallarta 100", "33-1111"}},
               {1, 3880, {"Monterrey, N.L., MEX"}},
               {1, 5280, {"TOTAL :", "3  Acreedor(es)"}}});
    // Due on or before 15/06/2024: 1,000.00 + 200.25; later: 300.25. Credits, cancelled charges and
    // settled ones do not count. "Parámetros" needs no city: A004 is listed, its credit negative.
    Comprueba(Corre(1, true),
              {{1, 2340, {"10,000.00", "30", "2.5%", "0%", "0%", "0%", "0%", "1.25%", "1,500.50", "8,499.50", "1,200.25",
                          "300.25"}},
               {1, 2580, {"A002", "Limpiezas del Norte", "Suspendido", "10/01/2024"}},
               {1, 3660, {"0.00", "0", "0%", "0%", "0%", "0%", "0%", "0%", "100.00", "-100.00", "0.00", "0.00"}},
               {1, 3900, {"TOTAL :", "4  Acreedor(es)"}}});
}

TEST_F(Catalogo, AgrupacionesRegionYCodigo) {
    // A heading per ticked agrupación, a total after each, and no grand total.
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    report::Documento doc = Corre(0, false);
    Comprueba(doc, {{1, 1900, {"Nacionales:   Papelería"}},
                    {1, 2380, {"TOTAL :", "1  Acreedor(es)"}},
                    {1, 2780, {"Extranjeros:   Importados"}},
                    {1, 3260, {"TOTAL :", "1  Acreedor(es)"}}});
    EXPECT_EQ(Busca(doc, QStringLiteral("TOTAL :")).size(), 2u);

    // A typed code wins over the tree; "Parámetros" prints no code line.
    ventana->txtCodAcreedor.SetText(QStringLiteral("A003"));
    Comprueba(Corre(0, false), {{1, 2240, {"TOTAL :", "1  Acreedor(es)"}}});
    EXPECT_TRUE(Busca(Corre(1, false), QStringLiteral("Acreedor:   A003")).empty());
    ventana->txtCodAcreedor.SetText(QString());

    // Only second-level ticks count: groups ticked with their children unticked list everyone.
    Marca(0, QStringLiteral("G1"));
    Marca(0, QStringLiteral("G2"));
    ventana->tvwGral(0).Nodes().Item(QStringLiteral("G2")).SetChecked(true);
    doc = Corre(1, false);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Extranjeros:   Importados")).empty());
    EXPECT_EQ(Busca(doc, QStringLiteral("4  Acreedor(es)")).size(), 1u);

    // Without a city the state line is trimmed; a country gets its own line.
    ventana->chkRegion.UserClick();
    ventana->cmbRegion(1).SetListIndex(0);  // Jalisco
    ventana->cmbRegion(2).SetListIndex(1);  // Estados Unidos
    doc = Corre(0, false);
    Comprueba(doc, {{1, 1700, {"Estado:  Jalisco"}}, {1, 1950, {"País:   Estados Unidos"}}});
    EXPECT_EQ(Busca(doc, QStringLiteral("1  Acreedor(es)")).size(), 1u);
}

// A004 moved to Papelería and A003 in both agrupaciones, and an agrupación code beyond 16 bits.
class AgrupacionesRaras : public Catalogo {
protected:
    AgrupacionesRaras()
        : Catalogo(prueba::Esquema() + prueba::AcreedoresBase() +
                   "UPDATE tblGpoAgrProveedor SET COD_GPO=1,COD_AGR=10 WHERE COD_PROV='A004';"
                   "INSERT INTO tblGpoAgrProveedor VALUES('A003',1,10);"
                   "INSERT INTO tblAgrProveedor VALUES(40000,2,'Enorme');"
                   "INSERT INTO tblGpoAgrProveedor VALUES('A003',2,40000);") {}
};

// In code order the agrupaciones alternate: each is still headed and totalled once, its creditors
// together in code order.
TEST_F(AgrupacionesRaras, CadaAgrupacionUnaVez) {
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    QStringList orden;
    for (const prueba::Renglon& r : prueba::Textos(Corre(1, false))) {
        const QString& t = r.texto.texto;
        if (t.contains(u":   ") || t.endsWith(u"Acreedor(es)") || (t.size() == 4 && t.startsWith(u'A'))) orden << t;
    }
    EXPECT_EQ(orden, (QStringList{"Nacionales:   Papelería", "A001", "A003", "A004", "3  Acreedor(es)",
                                  "Extranjeros:   Importados", "A003", "1  Acreedor(es)"}));
}

// The code beyond 16 bits overflows outside the detail, where nothing is ignored.
TEST_F(AgrupacionesRaras, UnDesbordamientoTerminaLaCorrida) {
    Marca(0, QStringLiteral("A40000"));
    ventana->optTipo(1).UserClick();
    EXPECT_FALSE(Consulta());
    ASSERT_EQ(guion.errores.size(), 1);
    EXPECT_TRUE(guion.errores[0].startsWith(u"6 "));
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

}  // namespace
