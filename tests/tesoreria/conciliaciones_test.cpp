// "Relación de Conciliaciones" on the small bank company: the amounts as stored, closed, open and Null flags, which end dates are listed, and the page break at 13500.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

// June's reconciliation of 0101 with amounts, one of 0102 that starts in May and has no flag, and
// one of 0102 ending in July.
const char* const Conciliaciones = R"SQL(
UPDATE tblConciliaEnc SET SAL_INI=10300,IMP_ING=1020,IMP_EGRE=265.75,IMP_TRAN=-250.5,SAL_EDO=1234567.891
 WHERE FOL_CONCI='C-0101-06';
INSERT INTO tblConciliaEnc VALUES('C-0102-06','0102','2024-05-15','2024-06-14',500,1750,0,0,2250,NULL),
 ('C-0102-07','0102','2024-06-15','2024-07-14',2250,0,0,0,2250,1);
)SQL";

class RelacionConciliaciones : public VentanaTesoreria {
protected:
    explicit RelacionConciliaciones(const std::string& mas = "")
        : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + Conciliaciones + mas) {}
};

TEST_F(RelacionConciliaciones, ColumnasImportesYEstatus) {
    const auto doc = ConsultaJunio(4);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    ASSERT_EQ(doc->size(), 1u);
    EXPECT_EQ(EnLinea(*doc, 1, 1300), QStringList{"Del: 01/jun/2024    Al: 30/jun/2024"});

    // The account header takes two lines; the rows print the stored amounts.
    EXPECT_EQ(EnLinea(*doc, 1, 1550), (QStringList{"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2030), (QStringList{"C-0101-06", "01/06/2024", "30/06/2024", "10,300.00", "1,020.00",
                                                   "265.75", "-250.50", "1,234,567.89", "ABIERTA"}));
    // Started before the range, ended in it: listed; a Null flag reads as open.
    EXPECT_EQ(EnLinea(*doc, 1, 2270), (QStringList{"Banco del Centro", "Cuenta: 0102", "Moneda: Dólares"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2750), (QStringList{"C-0102-06", "15/05/2024", "14/06/2024", "500.00", "1,750.00",
                                                   "0.00", "0.00", "2,250.00", "ABIERTA"}));
    // Ended before or after the range: not listed; nor is an account without any.
    EXPECT_TRUE(prueba::Busca(*doc, "C-0101-05").empty());
    EXPECT_TRUE(prueba::Busca(*doc, "C-0102-07").empty());
    EXPECT_TRUE(prueba::Busca(*doc, "Cuenta: 0201").empty());

    ventana->dtpFecha(1).SetValue(QDate(2024, 7, 31));
    const auto julio = Consulta();
    ASSERT_TRUE(julio.has_value());
    EXPECT_EQ(EnLinea(*julio, 1, 2990).value(0), "C-0102-07");
    EXPECT_EQ(EnLinea(*julio, 1, 2990).value(8), "CERRADA");
}

class ConciliacionesLargas : public RelacionConciliaciones {
protected:
    ConciliacionesLargas()
        : RelacionConciliaciones("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<60) "
                                 "INSERT INTO tblConciliaEnc SELECT printf('G-%03d',i),'0201','2024-06-01','2024-06-02',"
                                 "i,0,0,0,i,1 FROM n;") {}
};

TEST_F(ConciliacionesLargas, LaQuePasaDe13500AbreLaPaginaSiguiente) {
    ventana->cmbBancos.SetListIndex(2);
    const auto doc = ConsultaJunio(4);
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 2u);
    EXPECT_EQ(Rasgos(*doc, "G-048"), "p1 0,13310 a0 s7 n0 c0");
    // Page 2 repeats the captions and the date line, not the account header.
    EXPECT_EQ(Rasgos(*doc, "G-049"), "p2 0,1550 a0 s7 n0 c0");
    EXPECT_EQ(EnLinea(*doc, 2, 1300), QStringList{"Del: 01/jun/2024    Al: 30/jun/2024"});
    EXPECT_EQ(prueba::Busca(*doc, "Cuenta: 0201").size(), 1u);
}

}  // namespace
