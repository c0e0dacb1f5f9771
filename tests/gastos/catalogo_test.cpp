// The creditor catalog on odd agrupaciones: a creditor in two of them, and a code beyond 16 bits.
#include "BaseGastos.h"
#include "report/TablaDeMarcas.h"

using prueba::VentanaGastos;

namespace {

// A004 moved to Papelería and A003 in both agrupaciones, and an agrupación code beyond 16 bits.
class AgrupacionesRaras : public VentanaGastos {
protected:
    AgrupacionesRaras()
        : VentanaGastos(prueba::Esquema() + prueba::AcreedoresBase() +
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
    ventana->cmbTipCatalogo.SetListIndex(1);
    ventana->optTipo(1).UserClick();
    for (const prueba::Renglon& r : prueba::Textos(ConsultaLimpia())) {
        const QString& t = r.texto.texto;
        if (t.contains(u":   ") || t.endsWith(u"Acreedor(es)") || (t.size() == 4 && t.startsWith(u'A'))) orden << t;
    }
    EXPECT_EQ(orden, (QStringList{"Nacionales:   Papelería", "A001", "A003", "A004", "3  Acreedor(es)",
                                  "Extranjeros:   Importados", "A003", "1  Acreedor(es)"}));
}

// The sheet keeps what the page cuts or dresses (the whole name, a discount as the number stored
// without its "%") and counts each agrupación's creditors under its own key.
TEST_F(AgrupacionesRaras, LaHojaGuardaLoEnteroYCuentaPorAgrupacion) {
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    ventana->cmbTipCatalogo.SetListIndex(1);
    ventana->optTipo(1).UserClick();
    const report::Tabla hoja = report::TablaDeMarcas(ConsultaLimpia());
    const auto celda = [&hoja](const report::Fila& f, const char* columna) { return prueba::Celda(hoja, f, columna); };
    QStringList cuentas;
    for (const report::Fila& f : hoja.filas) {
        if (celda(f, "Renglón").texto == u"Subtotal de Agrupación")
            cuentas << celda(f, "Agrupación (clave)").texto + u'=' + celda(f, "Acreedores").texto;
        if (celda(f, "Código").texto != u"A001") continue;
        EXPECT_EQ(celda(f, "Nombre").texto, QStringLiteral("Papelería Ñandú y Asociados de Occidente, S.A. de C.V."));
        EXPECT_EQ(celda(f, "Desc.1").tipo, report::Celda::Tipo::Numero);
        EXPECT_EQ(celda(f, "Desc.1").texto, QStringLiteral("2.5"));
    }
    EXPECT_EQ(cuentas, (QStringList{"10=3", "20=1"}));
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
