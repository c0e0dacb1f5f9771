#include "BaseSqlite.h"
#include "ado/Connection.h"
#include "component/clsConsGT.h"
#include "component/modConGastos.h"

#include <gtest/gtest.h>
#include <vector>

using namespace component;

namespace {

class Entrada : public ::testing::Test {
protected:
    void SetUp() override {
        ServiciosAnfitrion().muestraVentana = [this](TipoDeConsulta t) {
            ventanas.push_back(t);
            estadoDuranteVentana = modConGastos::ConexionModulo().State();
        };
    }
    void TearDown() override {
        ServiciosAnfitrion().muestraVentana = nullptr;
        modConGastos::CierraConexion();
    }
    BaseSqlite base{"CREATE TABLE tblEmpresa(COD_EMPRESA INTEGER);"};
    std::vector<TipoDeConsulta> ventanas;
    int estadoDuranteVentana = -1;
};

}  // namespace

TEST_F(Entrada, SinConexionNoMuestraNadaYGuardaElContexto) {
    {
        clsConsGT consulta;
        consulta.MostrarConsulta(0, QStringLiteral("Provider=SQLite;Data Source=/no/existe.db"), 255, 7,
                                 QStringLiteral("ayuda.pdf"), QStringLiteral("/datos"));
        EXPECT_FALSE(consulta.ConexionAbierta());
        EXPECT_TRUE(ventanas.empty());
        EXPECT_EQ(modConGastos::ManejadorBD, 255);
        EXPECT_EQ(modConGastos::EmpresaActual, 7);
        EXPECT_EQ(modConGastos::RutaBD, "/datos");
        EXPECT_EQ(modConGastos::ArchivoAyuda, "ayuda.pdf");
        // Releasing an object whose connection failed leaves another object's connection alone.
        ASSERT_TRUE(modConGastos::Conecta(base.Cadena()));
    }
    EXPECT_EQ(modConGastos::ConexionModulo().State(), 1);
}

TEST_F(Entrada, MuestraLaVentanaDelTipoConLaConexionAbierta) {
    clsConsGT consulta;
    consulta.MostrarConsulta(1, base.Cadena(), 0, 1, QString(), QString());
    ASSERT_EQ(ventanas.size(), 1u);
    EXPECT_EQ(ventanas[0], ConsultasDeTesoreria);
    EXPECT_EQ(estadoDuranteVentana, 1);
    consulta.MostrarConsulta(0, base.Cadena(), 0, 1, QString(), QString());
    ASSERT_EQ(ventanas.size(), 2u);
    EXPECT_EQ(ventanas[1], ConsultasDeGastos);
}

TEST_F(Entrada, UnaSegundaLlamadaReabreConSuCadena) {
    BaseSqlite otra{"CREATE TABLE otra(a INTEGER);"};
    clsConsGT consulta;
    consulta.MostrarConsulta(2, base.Cadena(), 0, 1, QString(), QString());
    consulta.MostrarConsulta(2, otra.Cadena(), 3, 5, QString(), QString());
    EXPECT_EQ(modConGastos::ConexionModulo().ConnectionString(), otra.Cadena());
    EXPECT_EQ(modConGastos::CadenaConexion, otra.Cadena());
    EXPECT_EQ(modConGastos::ManejadorBD, 3);
    EXPECT_NO_THROW(modConGastos::ConexionModulo().Execute(QStringLiteral("SELECT a FROM otra")));
}
