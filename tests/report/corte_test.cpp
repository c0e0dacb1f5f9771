// A walk taking each key's rows from one ordered set: keys the set lacks, rows the walk leaves
// unread and keys the walk never asks for must not shift any other key's rows.
#include "report/CortePorClave.h"

#include "ado/TiposCampo.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

using namespace ado::tipos;

// A set of (key, row) pairs in the order given.
ado::Recordset Conjunto(const std::vector<std::pair<QString, int>>& filas) {
    ado::Recordset rs;
    rs.CursorLocation(3);
    rs.Fields().Append("CLAVE", adVarWChar, 20);
    rs.Fields().Append("FILA", adInteger);
    rs.Open();
    for (const auto& [clave, fila] : filas) {
        rs.AddNew();
        rs.Fields("CLAVE").Value(clave);
        rs.Fields("FILA").Value(fila);
        rs.Update();
    }
    if (!filas.empty()) rs.MoveFirst();
    return rs;
}

// The rows of `clave`, up to `maximo` of them.
std::vector<int> Toma(report::CortePorClave& corte, const QString& clave, size_t maximo = 99) {
    std::vector<int> filas;
    for (; filas.size() < maximo && corte.En(clave); corte.Siguiente())
        filas.push_back(corte.Filas().Fields("FILA").Value().CLng());
    return filas;
}

TEST(CortePorClave, CadaClaveTomaSusFilas) {
    // Keys in the walk's order, which need not be byte order.
    report::CortePorClave corte(Conjunto({{"b", 1}, {"b", 2}, {"a", 3}, {"c", 4}, {"c", 5}, {"c", 6}, {"d", 7}}), "CLAVE");
    EXPECT_EQ(Toma(corte, "b"), (std::vector<int>{1, 2}));
    EXPECT_EQ(Toma(corte, "b"), std::vector<int>{});  // asked again: nothing left
    EXPECT_EQ(Toma(corte, "x"), std::vector<int>{});  // a key without rows keeps the next key's
    EXPECT_EQ(Toma(corte, "a"), std::vector<int>{3});
    EXPECT_EQ(Toma(corte, "c", 1), std::vector<int>{4});  // the walk reads only the first
    EXPECT_EQ(Toma(corte, "d"), std::vector<int>{7});     // the rest of "c" is passed over
    EXPECT_EQ(Toma(corte, "e"), std::vector<int>{});

    report::CortePorClave vacio(Conjunto({}), "CLAVE");
    EXPECT_EQ(Toma(vacio, "a"), std::vector<int>{});
}

}  // namespace
