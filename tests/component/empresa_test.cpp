#include "BaseSqlite.h"
#include "ado/Connection.h"
#include "component/DatosEmpresa.h"
#include "component/modConGastos.h"

#include <gtest/gtest.h>
#include <string>

using namespace modConGastos;

namespace {

const std::string kTablas =
    "CREATE TABLE tblParametrosGenerales(REP_NOMEMP TEXT, REP_NOMCOM TEXT);"
    "CREATE TABLE tblEmpresa(COD_EMPRESA INTEGER, NOM_EMP TEXT, NOM_COM TEXT, DIR1_EMP TEXT, EXT_EMP TEXT,"
    " INT_EMP TEXT, COL_EMP TEXT, CP_EMP TEXT, DESCRIP1 TEXT, RFC1_EMP TEXT, DESCRIP2 TEXT, RFC2_EMP TEXT,"
    " DESCRIP3 TEXT, RFC3_EMP TEXT, TEL1_EMP TEXT, TEL2_EMP TEXT);";

void Lee(const std::string& datos, int16_t empresa = 1) {
    BaseSqlite base((kTablas + datos).c_str());
    ado::Connection c;
    c.Open(base.Cadena());
    LeeDatosEmpresa(c, empresa);
}

}  // namespace

TEST(DatosEmpresa, EmpresaCompleta) {
    Lee("INSERT INTO tblParametrosGenerales VALUES('1','01.0');"
        "INSERT INTO tblEmpresa VALUES(1,'Compañía Ñandú','Ñandú','Av. Juárez','120','3','Centro','06000',"
        "'RFC','CNA900101AB1','IMSS','Y12345','','REG3','555-1234','555-9876');");
    EXPECT_TRUE(ImprimeNombreEmpresa);
    EXPECT_TRUE(ImprimeNombreComercial);
    EXPECT_EQ(NombreEmpresa, QStringLiteral("Compañía Ñandú"));
    EXPECT_EQ(DireccionEmpresa, QStringLiteral("Av. Juárez 120 - 3 Centro CP 06000"));
    EXPECT_EQ(RegistroEmpresa1, "RFC: CNA900101AB1");
    EXPECT_EQ(RegistroEmpresa2, "IMSS: Y12345");
    EXPECT_EQ(RegistroEmpresa3, "REG3");  // no description: the bare number
    EXPECT_EQ(TelefonosEmpresa, "555-1234, 555-9876");
}

TEST(DatosEmpresa, IndicadoresQueNoSonUno) {
    for (const char* valor : {"'2'", "'-1'", "''", "NULL", "'x1'", "'1x'"}) {
        Lee(std::string("INSERT INTO tblParametrosGenerales VALUES(") + valor + "," + valor + ");");
        EXPECT_EQ(ImprimeNombreEmpresa, std::string(valor) == "'1x'") << valor;
    }
}

TEST(DatosEmpresa, CamposNulosYEmpresaCero) {
    Lee("INSERT INTO tblEmpresa VALUES(1,NULL,NULL,'Calle 5',NULL,'',NULL,'44100',NULL,NULL,'',NULL,"
        "NULL,NULL,NULL,NULL);",
        0);
    EXPECT_EQ(NombreEmpresa, "");
    EXPECT_EQ(DireccionEmpresa, "Calle 5 CP 44100");
    EXPECT_EQ(RegistroEmpresa1, "");
    EXPECT_EQ(TelefonosEmpresa, "");
}

TEST(DatosEmpresa, SinRenglonDeEmpresaNiParametros) {
    ImprimeNombreEmpresa = true;
    Lee("INSERT INTO tblEmpresa VALUES(2,'Otra','','','','','','','','','','','','','','');");
    EXPECT_EQ(NombreEmpresa, "NO ENCONTRADA");
    EXPECT_EQ(DireccionEmpresa, "");
    EXPECT_TRUE(ImprimeNombreEmpresa);  // no parameters row: the flags keep their values
}
