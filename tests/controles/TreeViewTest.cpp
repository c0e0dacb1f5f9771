#include "controles/Constants.h"
#include "controles/Form.h"
#include "controles/TreeView.h"
#include "NumeroDeError.h"

#include <gtest/gtest.h>

using namespace controles;

namespace {

QStringList Claves(Node* primero) {
    QStringList r;
    for (Node* n = primero; n; n = n->Next()) r << n->Key();
    return r;
}

// Two groups as a tree loader fills them: group node, then its children.
struct ArbolTest : ::testing::Test {
    Form form{"frmPrueba"};
    TreeView tvw{form, "tvwGral", 0};
    NodeCollection& nodos = tvw.Nodes();

    void SetUp() override {
        tvw.SetCheckboxes(true);
        nodos.Add("G1", "Grupo uno");
        nodos.Add("G1", tvwChild, "A10", "Diez");
        nodos.Add("G1", tvwChild, "A11", "Once");
        nodos.Add("G2", "Grupo dos");
        nodos.Add(&nodos.Item("G2"), tvwChild, "A20", "Veinte");
    }
};

TEST_F(ArbolTest, InsertionOrderAndWalks) {
    ASSERT_EQ(nodos.Count(), 5);
    QStringList enOrden;
    for (Node& n : nodos) enOrden << QString("%1:%2").arg(n.Index()).arg(n.Key());
    EXPECT_EQ(enOrden, (QStringList{"1:G1", "2:A10", "3:A11", "4:G2", "5:A20"}));

    // Siblings are the children of one parent: a group's last child ends its walk.
    Node& g1 = nodos.Item("G1");
    EXPECT_EQ(Claves(g1.Child()), (QStringList{"A10", "A11"}));
    EXPECT_EQ(Claves(&g1), (QStringList{"G1", "G2"}));
    EXPECT_EQ(nodos.Item(3).Parent(), &g1);
    EXPECT_EQ(nodos.Item("A20").Root()->Key(), "G2");
}

TEST_F(ArbolTest, RelationshipsPlaceAmongSiblings) {
    Node& a10 = nodos.Item("A10");
    nodos.Add(&a10, tvwFirst, "A0", "");
    nodos.Add(&a10, tvwNext, "A10b", "");
    nodos.Add(&a10, tvwPrevious, "A9", "");
    nodos.Add(&a10, tvwLast, "A99", "");
    EXPECT_EQ(Claves(nodos.Item("G1").Child()), (QStringList{"A0", "A9", "A10", "A10b", "A11", "A99"}));
    EXPECT_EQ(nodos.Item("G1").Children(), 6);
    EXPECT_EQ(nodos.Item("G1").Child()->LastSibling()->Key(), "A99");
    EXPECT_EQ(nodos.Item("A99").Index(), 9);  // Index stays insertion order
    nodos.Add(nullptr, tvwChild, "G3", "");   // no relative: a last root
    EXPECT_EQ(Claves(nodos.Item("G1").FirstSibling()), (QStringList{"G1", "G2", "G3"}));
}

TEST_F(ArbolTest, KeysAndIndexesAreChecked) {
    EXPECT_EQ(NumeroDeError([&] { nodos.Add("G1", tvwChild, "A10", "otra"); }), 35602);
    EXPECT_EQ(NumeroDeError([&] { nodos.Add("G9", tvwChild, "A90", ""); }), 35601);
    EXPECT_EQ(NumeroDeError([&] { nodos.Item("g1"); }), 35601);  // keys keep their case
    EXPECT_EQ(NumeroDeError([&] { nodos.Item(0); }), 35600);
    EXPECT_EQ(NumeroDeError([&] { nodos.Item(6); }), 35600);
    EXPECT_EQ(nodos.Count(), 5);
    nodos.Add("", "sin clave");
    nodos.Add("", "otra sin clave");
    EXPECT_EQ(nodos.Count(), 7);

    nodos.Clear();
    EXPECT_EQ(nodos.Count(), 0);
    EXPECT_EQ(nodos.Find("G1"), nullptr);
    EXPECT_EQ(nodos.Add("G1", "de nuevo").Index(), 1);
    EXPECT_EQ(nodos.Item("G1").Next(), nullptr);
}

TEST_F(ArbolTest, UserTickRaisesNodeCheckAfterTheTickAndCodeRaisesNothing) {
    int eventos = 0;
    bool marcadoAlAvisar = false;
    // The windows' propagation: a ticked group ticks its children from code.
    tvw.NodeCheck = [&](Node& n) {
        ++eventos;
        marcadoAlAvisar = n.Checked();
        for (Node* h = n.Child(); h; h = h->Next()) h->SetChecked(n.Checked());
    };
    tvw.UserCheck(nodos.Item("G1"));
    EXPECT_EQ(eventos, 1);
    EXPECT_TRUE(marcadoAlAvisar);
    EXPECT_TRUE(nodos.Item("A10").Checked());
    EXPECT_TRUE(nodos.Item("A11").Checked());
    EXPECT_FALSE(nodos.Item("A20").Checked());

    nodos.Item("A20").SetChecked(true);
    EXPECT_EQ(eventos, 1);
    tvw.UserCheck(nodos.Item("A20"));
    EXPECT_EQ(eventos, 2);
    EXPECT_FALSE(marcadoAlAvisar);
    EXPECT_FALSE(nodos.Item("A20").Checked());

    TreeView otro{form, "tvwGral", 1};
    EXPECT_EQ(NumeroDeError([&] { otro.UserCheck(nodos.Item("G1")); }), 5);
}

}  // namespace
