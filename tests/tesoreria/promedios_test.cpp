// "Promedio diario mensual" and "Promedio mensual" on the small bank company: captions, every day
// of a leap February and of a 31-day month, balances carried from day to day and month to month
// across a year end, averages that end in half a cent, one page per account, and the page break
// of a long range.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

// A deposit on 31 July that leaves the day's mean at a half cent; 0102 around the year end, with a
// movement of another class that must not count.
const char* const Movimientos = R"SQL(
INSERT INTO tblIngreEgre(MOVIMIENTO,NUM_CTA,CON_GRL,COD_CON,FEC_MOV,FEC_APLI,FOL_MOV,FOL_CHEQUE,NOMBRE,ACRE_PROV,
  NOTAS,IMP_MOV,TIP_CAM,COD_ESTATUS) VALUES
 (20,'0101','INGR','DEP','2024-07-31','2024-07-31','D-020','','Cliente','','',0.75,1,1),
 (21,'0102','INGR','DEP','2023-12-31','2023-12-31','D-021','','Cliente','','',100,1,1),
 (22,'0102','EGRE','COMIS','2024-01-01','2024-01-01','E-022','','Banco','','',30,1,4),
 (23,'0102','INGR','DEP','2023-11-30','2023-11-30','D-023','','Cliente','','',10,1,3),
 (24,'0102','GTOS','DEP','2023-12-15','2023-12-15','G-024','','Otro','','',999,1,1);
)SQL";

class Promedios : public VentanaTesoreria {
protected:
    Promedios() : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + Movimientos) {}

    // Report `consulta` with month/year pair i set to each (month, year) given, from pair `desde`.
    std::optional<report::Documento> Meses(int consulta, int desde, std::initializer_list<std::pair<int, int>> meses) {
        ventana->cmbConsulta.SetListIndex(consulta);
        int i = desde;
        for (const auto& [mes, anio] : meses) {
            ventana->cmbMeses(i).SetListIndex(mes - 1);
            ventana->cmbAnios(i).SetListIndex(anio - 1999);  // the list runs from 1999 to 2024
            ++i;
        }
        return Consulta();
    }
    void UnaCuenta(int banco, int cuenta) {
        ventana->cmbBancos.SetListIndex(banco);
        ventana->cmbCuentas.SetListIndex(cuenta);
    }
};

TEST_F(Promedios, DiarioDeUnMesDe31DiasConSuResumen) {
    UnaCuenta(1, 1);
    const auto doc = Meses(5, 0, {{7, 2024}});
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    ASSERT_EQ(doc->size(), 1u);
    EXPECT_EQ(EnLinea(*doc, 1, 1250),
              (QStringList{"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos", "Mes: Julio / 2024"}));

    // The balance before the month counts applied, in-transit and reconciled movements, not the
    // cancelled ones nor the account's opening balance.
    EXPECT_EQ(EnLinea(*doc, 1, 1490),
              (QStringList{"1", "$ 1,054.25", "$ 50.00", "$ 0.00", "$ 1,104.25", "$ 1,079.25"}));
    EXPECT_EQ(EnLinea(*doc, 1, 1730), (QStringList{"2", "$ 1,104.25", "$ 0.00", "$ 0.00", "$ 1,104.25", "$ 1,104.25"}));
    // 1,104.625 prints away from zero.
    EXPECT_EQ(EnLinea(*doc, 1, 8690),
              (QStringList{"31", "$ 1,104.25", "$ 0.75", "$ 0.00", "$ 1,105.00", "$ 1,104.63"}));

    // The month: the mean of its opening and closing balance, not of the day lines.
    EXPECT_EQ(EnLinea(*doc, 1, 10130),
              (QStringList{"$ 1,054.25", "$ 50.75", "$ 0.00", "$ 1,105.00", "$ 1,079.63"}));
}

TEST_F(Promedios, FebreroBisiestoYCadaCuentaEnSuPagina) {
    UnaCuenta(1, 1);
    auto doc = Meses(5, 0, {{2, 2024}});
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 8210), (QStringList{"29", "$ 0.00", "$ 0.00", "$ 0.00", "$ 0.00", "$ 0.00"}));
    EXPECT_TRUE(EnLinea(*doc, 1, 8450).isEmpty());
    doc = Meses(5, 0, {{2, 2023}});
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 7970).value(0), "28");
    EXPECT_TRUE(EnLinea(*doc, 1, 8210).isEmpty());

    UnaCuenta(0, 0);
    doc = Meses(5, 0, {{6, 2024}});
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 3u);
    EXPECT_EQ(Rasgos(*doc, "Cuenta: 0102"), "p2 2900,1250 a0 s9 n1 c16711680");
    EXPECT_EQ(Rasgos(*doc, "Cuenta: 0201"), "p3 2900,1250 a0 s9 n1 c16711680");
    EXPECT_EQ(EnLinea(*doc, 3, 1000).value(4), "Saldo del día");
}

TEST_F(Promedios, MensualDeDiciembreAEnero) {
    UnaCuenta(1, 2);
    auto doc = Meses(6, 1, {{12, 2023}, {1, 2024}});
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 1u);
    EXPECT_EQ(EnLinea(*doc, 1, 1250), (QStringList{"Banco del Centro", "Cuenta: 0102", "Moneda: Dólares"}));
    EXPECT_EQ(EnLinea(*doc, 1, 1490),
              (QStringList{"dic/2023", "$ 10.00", "$ 100.00", "$ 0.00", "$ 110.00", "$ 60.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 1730), (QStringList{"ene/2024", "$ 110.00", "$ 0.00", "$ 30.00", "$ 80.00", "$ 95.00"}));
    EXPECT_TRUE(EnLinea(*doc, 1, 1970).isEmpty());

    // A last month before the first: the account header alone.
    doc = Meses(6, 1, {{12, 2023}, {11, 2023}});
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 1250).value(1), "Cuenta: 0102");
    EXPECT_TRUE(EnLinea(*doc, 1, 1490).isEmpty());
}

TEST_F(Promedios, ElMesQuePasaDe13500AbreLaPaginaSiguiente) {
    UnaCuenta(2, 0);
    const auto doc = Meses(6, 1, {{1, 1999}, {6, 2024}});
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 6u);
    EXPECT_EQ(Rasgos(*doc, "mar/2003"), "p1 0,13490 a0 s7 n0 c0");
    // The captions again, not the account header; the balance carries on.
    EXPECT_EQ(Rasgos(*doc, "abr/2003"), "p2 0,1250 a0 s7 n0 c0");
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(0), "Mes/Año");
    EXPECT_EQ(prueba::Busca(*doc, "Cuenta: 0201").size(), 1u);
    EXPECT_EQ(EnLinea(*doc, 6, 12290),
              (QStringList{"jun/2024", "$ 0.00", "$ 0.00", "$ 1,700.00", "$ -1,700.00", "$ -850.00"}));
}

}  // namespace
