// "Libro de Bancos" on the small bank company: the reconciliation heading and summary, each kind
// of movement with its text and colour, one page per reconciliation, a folio that ignores the
// dates and the bank lists, and where a long reconciliation resumes on its next page.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

constexpr int Gris = 0x6D6D6D;
constexpr int Azul = 0xFF0000;

// Movements of May's (closed) and June's (open) reconciliations of 0101, and of others.
const char* const Movimientos = R"SQL(
UPDATE tblConciliaEnc SET SAL_INI=10300,IMP_ING=1020,IMP_EGRE=265.75,IMP_TRAN=-250.5,SAL_EDO=1234567.891
 WHERE FOL_CONCI='C-0101-06';
INSERT INTO tblConciliaciones VALUES
 (1,'C-0101-06','C-0101-06','0101','2024-06-01','D-001','','DEP',1000,0,4),
 (2,'C-0101-06','','0101','2024-06-10','E-001','000123','PAGO',0,250.5,3),
 (3,'C-0101-05','','0101','2024-05-20','E-000','000120','PAGO',0,40,3),
 (4,'C-0101-06','','0101','2024-06-12','E-003','000124','PAGO',0,99,2),
 (5,'C-0101-07','','0101','2024-07-05','D-009','','DEP',50,0,1),
 (6,'C-0201-06','','0201','2024-06-20','FOLIO-LARGO-0006','','TRSF',0,1200,1),
 (7,'C-0101-05','C-0101-05','0101','2024-05-10','D-000','','DEP',300,0,4),
 (8,'C-0101-05','C-0101-06','0101','2024-05-25','E-002','','COMIS',0,15.25,4);
)SQL";

class LibroBancos : public VentanaTesoreria {
protected:
    explicit LibroBancos(const std::string& mas = "")
        : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + Movimientos + mas) {}

    void EligeFolio(const QString& folio) {
        for (int i = 0; i < ventana->cmbConciliaciones.ListCount(); ++i)
            if (ventana->cmbConciliaciones.List(i) == folio) ventana->cmbConciliaciones.SetListIndex(i);
    }
};

TEST_F(LibroBancos, ResumenYEstatusDeCadaMovimiento) {
    const auto doc = ConsultaJunio(3);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    ASSERT_EQ(doc->size(), 1u);
    // The reconciliation heading with its flag.
    EXPECT_EQ(EnLinea(*doc, 1, 1000), (QStringList{"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos",
                                                   "Conciliación ABIERTA"}));
    // The summary from the reconciliation's own figures.
    EXPECT_EQ(EnLinea(*doc, 1, 1920), (QStringList{"10,300.00", "1,020.00", "265.75", "-250.50", "1,234,567.89"}));

    // By date: not reconciled in May (in transit), reconciled, not reconciled in this open one, and
    // another account's unreconciled movement. Cancelled and later ones are left out.
    EXPECT_EQ(EnLinea(*doc, 1, 2670),
              (QStringList{"20/05/2024", "E-000", "Pago a proveedores", "0.00", "40.00", "EN TRÁNSITO"}));
    EXPECT_EQ(Rasgos(*doc, "20/05/2024"), QString("p1 0,2670 a0 s9 n0 c%1").arg(Azul));
    EXPECT_EQ(EnLinea(*doc, 1, 2910),
              (QStringList{"01/06/2024", "D-001", "Depósito", "1,000.00", "0.00", "CONCILIADO"}));
    EXPECT_EQ(EnLinea(*doc, 1, 3150).value(5), "NO CONCILIADO");
    EXPECT_EQ(Rasgos(*doc, "NO CONCILIADO"), QString("p1 9250,3150 a0 s9 n0 c%1").arg(Gris));
    EXPECT_EQ(Rasgos(*doc, "E-001"), QString("p1 1000,3150 a0 s9 n0 c%1").arg(Gris));
    EXPECT_EQ(EnLinea(*doc, 1, 3390),
              (QStringList{"20/06/2024", "LARGO-0006", "Traspaso a terceros", "0.00", "1,200.00", "EN TRÁNSITO"}));
    EXPECT_TRUE(prueba::Busca(*doc, "E-003").empty());
    EXPECT_TRUE(prueba::Busca(*doc, "D-009").empty());
    EXPECT_TRUE(prueba::Busca(*doc, "D-000").empty());
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

TEST_F(LibroBancos, UnaPaginaPorConciliacionYElFolioSinFechas) {
    ventana->cmbConsulta.SetListIndex(3);
    ventana->dtpFecha(0).SetValue(QDate(2024, 5, 1));
    ventana->dtpFecha(1).SetValue(QDate(2024, 6, 30));
    auto doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 2u);
    EXPECT_EQ(Rasgos(*doc, "Folio: C-0101-05"), "p1 10500,1480 a2 s9 n1 c0");
    EXPECT_EQ(Rasgos(*doc, "Folio: C-0101-06"), "p2 10500,1480 a2 s9 n1 c0");
    EXPECT_EQ(prueba::Busca(*doc, "Reporte :Libro de Bancos").size(), 2u);

    // In the closed May one, its own unreconciled movement and the one reconciled in June are in
    // transit; the one it reconciled is reconciled.
    EXPECT_EQ(EnLinea(*doc, 1, 1000).value(3), "Conciliación CERRADA");
    EXPECT_EQ(EnLinea(*doc, 1, 2670), (QStringList{"10/05/2024", "D-000", "Depósito", "300.00", "0.00", "CONCILIADO"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2910).value(5), "EN TRÁNSITO");
    EXPECT_EQ(EnLinea(*doc, 1, 3150).value(1), "E-002");
    EXPECT_EQ(EnLinea(*doc, 1, 3150).value(5), "EN TRÁNSITO");
    EXPECT_TRUE(EnLinea(*doc, 1, 3390).isEmpty());

    // A folio needs neither the dates nor the bank lists.
    ventana->cmbBancos.SetListIndex(2);
    ventana->dtpFecha(0).SetValue(QDate(2020, 1, 1));
    ventana->dtpFecha(1).SetValue(QDate(2020, 1, 1));
    EligeFolio(QStringLiteral("C-0101-05"));
    doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 1u);
    EXPECT_EQ(Rasgos(*doc, "Folio: C-0101-05"), "p1 10500,1480 a2 s9 n1 c0");
    EXPECT_TRUE(prueba::Busca(*doc, "Folio: C-0101-06").empty());

    // No reconciliation chosen: only the page heading.
    EligeFolio(QStringLiteral("TODAS"));
    doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_TRUE(EnLinea(*doc, 1, 1000).isEmpty());
    EXPECT_EQ(prueba::Textos(*doc).size(), 4u);  // address, title, date and page number
}

class LibroLargo : public LibroBancos {
protected:
    LibroLargo()
        : LibroBancos("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<60) INSERT INTO "
                      "tblConciliaciones SELECT 100+i,'C-0101-06','C-0101-06','0101','2024-06-29',printf('G-%03d',i),'',"
                      "'DEP',i,0,4 FROM n;") {}
};

TEST_F(LibroLargo, LaConciliacionSigueEnLaPaginaSiguienteConSuEncabezado) {
    const auto doc = ConsultaJunio(3);
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 2u);
    // Four movements come first by date; the page takes lines up to 14300.
    EXPECT_EQ(Rasgos(*doc, "G-045"), "p1 1000,14190 a0 s9 n0 c0");
    EXPECT_EQ(Rasgos(*doc, "G-046"), "p2 1000,2670 a0 s9 n0 c0");
    EXPECT_EQ(prueba::Busca(*doc, "Folio: C-0101-06").size(), 2u);
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(3), "Conciliación ABIERTA");
}

}  // namespace
