// "Auxiliar de Acreedores" where the walk meets one creditor twice: its movements are read beside
// the walk from one ordered set, and each visit must take its own.
#include "BaseGastos.h"
#include "report/TablaDeMarcas.h"

using prueba::VentanaGastos;

namespace {

// A003 closes agrupación 11 of group 1 and opens agrupación 20 of group 2, so it is printed twice
// in a row: each time with its own movements. A004, below zero, is left out with its credit.
class AuxiliarEnDosAgrupaciones : public VentanaGastos {
protected:
    AuxiliarEnDosAgrupaciones()
        : VentanaGastos(prueba::Esquema() + prueba::AcreedoresBase() + prueba::MasMovimientos() +
                        "INSERT INTO tblGpoAgrProveedor VALUES('A003',1,11);") {}

    report::Documento Auxiliar() {
        for (const char* clave : {"A10", "A11", "A20"}) Marca(0, QString::fromLatin1(clave));
        ventana->cmbConsulta.SetListIndex(1);
        ventana->optTipo(0).UserClick();
        ventana->dtpFecha(0).SetValue(QDate(2024, 6, 1));
        ventana->dtpFecha(1).SetValue(QDate(2024, 6, 15));
        return ConsultaLimpia();
    }
};

TEST_F(AuxiliarEnDosAgrupaciones, CadaVezConSusMovimientos) {
    const report::Documento doc = Auxiliar();
    EXPECT_EQ(Busca(doc, QStringLiteral("A003")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("ANT-1")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("14/06/2024")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("01/06/2024")).size(), 1u);  // A001's, not A004's
    EXPECT_TRUE(Busca(doc, QStringLiteral("A004")).empty());
    const auto totales = Busca(doc, QStringLiteral("SALDO TOTAL DEL GRUPO :"));
    ASSERT_EQ(totales.size(), 2u);
    EXPECT_EQ(EnLinea(doc, totales[0].pagina, totales[0].texto.y).mid(1),
              (QStringList{"1,030.00", "600.49", "9.99", "1,620.50"}));
    EXPECT_EQ(EnLinea(doc, totales[1].pagina, totales[1].texto.y).mid(1),
              (QStringList{"0.00", "99.99", "9.99", "90.00"}));
}

// In the sheet each group total closes its own group, not the agrupación printed last, and
// A003's advance counts once under each agrupación, as a credit.
TEST_F(AuxiliarEnDosAgrupaciones, LaHojaCierraCadaGrupoConLoSuyo) {
    const report::Tabla hoja = report::TablaDeMarcas(Auxiliar());
    QStringList grupos, agrupacionesDelAnticipo;
    for (const report::Fila& f : hoja.filas) {
        if (prueba::Celda(hoja, f, "Renglón").texto == u"Subtotal de Grupo")
            grupos << prueba::Celda(hoja, f, "Grupo (clave)").texto;
        if (prueba::Celda(hoja, f, "Folio").texto != u"ANT-1") continue;
        agrupacionesDelAnticipo << prueba::Celda(hoja, f, "Agrupación (clave)").texto;
        EXPECT_EQ(prueba::Celda(hoja, f, "Abonos").importe.ATexto(), QStringLiteral("-9.99"));
    }
    EXPECT_EQ(grupos, (QStringList{"1", "2"}));
    EXPECT_EQ(agrupacionesDelAnticipo, (QStringList{"11", "20"}));
}

}  // namespace
