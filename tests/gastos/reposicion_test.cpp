// "Reposición de Caja" filtered by a cheque and by ticked concepts, and a quoted cheque folio.
#include "BaseGastos.h"

using prueba::VentanaGastos;

namespace {

class Reposicion : public VentanaGastos {
protected:
    explicit Reposicion(const std::string& guion = prueba::Esquema() + prueba::Reposiciones()) : VentanaGastos(guion) {}

    report::Documento Corre(bool porConcepto, bool detallado) {
        ventana->cmbConsulta.SetListIndex(4);
        ventana->dtpFecha(0).SetValue(QDate(2024, 6, 1));
        ventana->dtpFecha(1).SetValue(QDate(2024, 6, 30));
        ventana->optOrden(porConcepto ? 1 : 0).UserClick();
        ventana->optTipo(detallado ? 0 : 1).UserClick();
        return ConsultaLimpia();
    }
};

TEST_F(Reposicion, ChequeYConceptos) {
    // A cheque folio replaces the period.
    ventana->cmbConsulta.SetListIndex(4);
    ventana->txtFolioCheque.SetText(QStringLiteral("CH-125"));
    report::Documento doc = Corre(false, true);
    EXPECT_EQ(EnLinea(doc, 1, 1850).first(), "-2024-0003");
    EXPECT_EQ(Busca(doc, QStringLiteral("$ 60.00")).size(), 2u);

    // Ticked concepts count only by concept, and still with a cheque.
    Marca(1, QStringLiteral("ARENTA"));
    doc = Corre(false, true);
    EXPECT_EQ(EnLinea(doc, 1, 1850).first(), "-2024-0003");
    doc = Corre(true, true);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Luz")).empty());
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTAL GLOBAL")).empty());

    ventana->txtFolioCheque.SetText(QString());
    doc = Corre(true, true);
    EXPECT_EQ(Busca(doc, QStringLiteral("Renta")).size(), 1u);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Luz")).empty());
    EXPECT_EQ(Busca(doc, QStringLiteral("$ 232.00")).size(), 1u);

    // Quotes cannot break the query or widen it: only the headings.
    ventana->txtFolioCheque.SetText(QStringLiteral("CH-125' OR '1'='1"));
    doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTAL GLOBAL")).empty());
    EXPECT_TRUE(EnLinea(doc, 1, 1850).isEmpty());
}

}  // namespace
