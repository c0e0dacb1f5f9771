// Disconnected option lists: the fields a window appends, records added, scanned and deleted.
#include "BaseSqlite.h"
#include "ado/Connection.h"
#include "ado/Errores.h"
#include "ado/TiposCampo.h"

#include <gtest/gtest.h>

namespace {

using namespace ado::tipos;

ado::Recordset ListaDeOpciones() {
    ado::Recordset rs;
    rs.CursorLocation(3);
    rs.Fields().Append("ORDEN_COD", adInteger, 0, -1);
    rs.Fields().Append("COD_OPCION", adVarWChar, 10, -1);
    rs.Fields().Append("DES_OPCION", adVarWChar, 100, -1);
    rs.Open();
    return rs;
}

void Agrega(ado::Recordset& rs, int orden, const vb::Variant& codigo, const QString& descripcion) {
    rs.AddNew();
    rs.Fields("ORDEN_COD").Value(orden);
    rs.Fields("COD_OPCION").Value(codigo);
    rs.Fields("DES_OPCION").Value(descripcion);
    rs.Update();
}

std::vector<QString> Codigos(ado::Recordset& rs) {
    std::vector<QString> r;
    if (rs.BOF() && rs.EOF_()) return r;
    rs.MoveFirst();
    while (!rs.EOF_()) {
        r.push_back(rs.Fields("cod_opcion").Value().CStr());
        rs.MoveNext();
    }
    return r;
}

TEST(ListaDeOpciones, SeLlenaYSeRecorreEnOrdenDeAlta) {
    auto rs = ListaDeOpciones();
    EXPECT_TRUE(rs.BOF() && rs.EOF_());
    Agrega(rs, 0, "MTY", "Monterrey");
    Agrega(rs, 1, int32_t(5), "Código numérico");
    Agrega(rs, 2, "GDL", "Guadalajara");
    EXPECT_EQ(Codigos(rs), (std::vector<QString>{"MTY", "5", "GDL"}));

    rs.MoveFirst();
    rs.MoveNext();
    // Values take the field's type: the numeric code became text, the position a Long.
    EXPECT_EQ(rs.Fields("COD_OPCION").Value(), vb::Variant("5"));
    EXPECT_EQ(rs.Fields("ORDEN_COD").Value(), vb::Variant(int32_t(1)));

    // A text longer than the field holds is refused, and the record keeps its value.
    EXPECT_EQ(NumeroDeError([&] { rs.Fields("COD_OPCION").Value("CODIGOLARGO"); }), ado::errores::VariosPasos);
    EXPECT_EQ(rs.Fields("COD_OPCION").Value(), vb::Variant("5"));
}

TEST(ListaDeOpciones, BorrarMientrasSeRecorre) {
    auto rs = ListaDeOpciones();
    for (int k = 0; k < 4; ++k) Agrega(rs, k, QString::number(k), "x");

    rs.MoveFirst();
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(NumeroDeError([&] { rs.Fields("ORDEN_COD").Value(); }), vb::errores::FinDeRecordset);
    EXPECT_FALSE(rs.EOF_());
    rs.MoveNext();  // lands on the record that followed the deleted one
    EXPECT_EQ(rs.Fields("COD_OPCION").Value(), vb::Variant("2"));
    EXPECT_EQ(Codigos(rs), (std::vector<QString>{"0", "2", "3"}));

    // The window's refill: delete every record, first to last.
    rs.MoveFirst();
    while (!rs.EOF_()) {
        rs.Delete();
        rs.MoveNext();
    }
    rs.MoveFirst();
    EXPECT_TRUE(rs.BOF() && rs.EOF_());
    EXPECT_EQ(NumeroDeError([&] { rs.Delete(); }), vb::errores::FinDeRecordset);
}

TEST(ListaDeOpciones, ReglasDeEstado) {
    ado::Recordset rs;
    EXPECT_EQ(NumeroDeError([&] { rs.Open(); }), vb::errores::OperacionNoPermitida);  // no fields yet
    rs.Fields().Append("A", adInteger);
    EXPECT_EQ(NumeroDeError([&] { rs.Fields().Append("a", adInteger); }), 3367);
    rs.Open();
    EXPECT_EQ(NumeroDeError([&] { rs.Fields().Append("B", adInteger); }), vb::errores::OperacionNoPermitida);
    rs.AddNew();
    EXPECT_TRUE(rs.Fields("A").Value().IsNull());
    rs.Close();
    rs.Open();  // appended fields stay, records go
    EXPECT_TRUE(rs.BOF() && rs.EOF_());
    EXPECT_EQ(rs.Fields().Count(), 1);

    // A shared handle: a copy sees the same records.
    ado::Recordset otra = rs;
    otra.AddNew();
    EXPECT_FALSE(rs.EOF_());
}

TEST(ListaDeOpciones, UnaConsultaNoSeModifica) {
    BaseSqlite base("CREATE TABLE t (A INTEGER); INSERT INTO t VALUES (1);");
    ado::Connection con;
    con.Open(base.Cadena());
    auto rs = con.Execute("SELECT A FROM t");
    EXPECT_EQ(NumeroDeError([&] { rs.Fields("A").Value(2); }), ado::errores::NoActualizable);
    EXPECT_EQ(NumeroDeError([&] { rs.AddNew(); }), ado::errores::NoActualizable);
    EXPECT_EQ(NumeroDeError([&] { rs.Delete(); }), ado::errores::NoActualizable);
    EXPECT_EQ(rs.Fields("A").Value().CLng(), 1);
}

}  // namespace
