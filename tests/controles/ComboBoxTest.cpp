#include "controles/ComboBox.h"
#include "controles/Constants.h"
#include "controles/ControlArray.h"
#include "controles/Form.h"
#include "NumeroDeError.h"

#include <gtest/gtest.h>

using namespace controles;

namespace {

struct ComboTest : ::testing::Test {
    Form form{"frmPrueba"};
    ComboBox cmb{form, "cmbConsulta"};
    int clicks = 0;
    int changes = 0;

    void SetUp() override {
        for (const char* s : {"alfa", "beta", "gamma"}) cmb.AddItem(s);
        cmb.Click = [this] { ++clicks; };
        cmb.Change = [this] { ++changes; };
    }
};

TEST_F(ComboTest, ListIndexRaisesClickOnlyWhenItChanges) {
    cmb.SetStyle(vbComboDropdownList);
    cmb.SetListIndex(0);
    cmb.SetListIndex(0);
    EXPECT_EQ(clicks, 1);
    cmb.SetListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(cmb.Text(), "");
    EXPECT_EQ(NumeroDeError([&] { cmb.SetListIndex(3); }), 380);
    EXPECT_EQ(NumeroDeError([&] { cmb.SetListIndex(-2); }), 380);
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(clicks, 2);
}

// Two lists kept in step by one handler that assigns the second from the first: the second
// assignment repeats the value and must not raise Click again.
TEST(ComboPair, HandlerThatCopiesTheSelectionTerminates) {
    Form form{"frmPrueba"};
    ControlArray<ComboBox> cmbConceptos{form, "cmbConceptos", {0, 1}};
    int clicks = 0;
    for (ComboBox& c : cmbConceptos) {
        for (const char* s : {"TODOS", "uno", "dos"}) c.AddItem(s);
        c.Click = [&] {
            ++clicks;
            cmbConceptos(1).SetListIndex(cmbConceptos(0).ListIndex());
        };
    }
    cmbConceptos(0).SetListIndex(2);
    EXPECT_EQ(cmbConceptos(1).ListIndex(), 2);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ComboTest, DropDownListTextIsTheSelectedItem) {
    cmb.SetStyle(vbComboDropdownList);
    EXPECT_EQ(cmb.Text(), "");
    cmb.SetListIndex(2);
    EXPECT_EQ(cmb.Text(), "gamma");
    cmb.SetText("BETA");  // the item's text, without regard to case, selects it
    EXPECT_EQ(cmb.ListIndex(), 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(NumeroDeError([&] { cmb.SetText("delta"); }), 383);
    EXPECT_EQ(cmb.ListIndex(), 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboTest, EditableTextIsTypedAndFollowsSelection) {
    cmb.SetListIndex(1);
    EXPECT_EQ(cmb.Text(), "beta");
    cmb.SetText("otra cosa");
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(changes, 1);
    cmb.SetText("gamma");  // typing an item's text selects it quietly
    EXPECT_EQ(cmb.ListIndex(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 2);
    cmb.SetListIndex(-1);  // clearing the selection clears the edit text
    EXPECT_EQ(cmb.Text(), "");
}

TEST_F(ComboTest, InsertingKeepsSelectionAndItemData) {
    for (int i = 0; i < 3; ++i) cmb.SetItemData(i, 100000 + i);
    cmb.SetListIndex(1);
    cmb.AddItem("primero", 0);
    EXPECT_EQ(cmb.NewIndex(), 0);
    EXPECT_EQ(cmb.ListIndex(), 2);
    EXPECT_EQ(cmb.List(2), "beta");
    EXPECT_EQ(cmb.ItemData(2), 100001);
    EXPECT_EQ(cmb.ItemData(0), 0);
    EXPECT_EQ(cmb.List(9), "");
    EXPECT_EQ(NumeroDeError([&] { cmb.ItemData(4); }), 381);
    EXPECT_EQ(NumeroDeError([&] { cmb.AddItem("x", 6); }), 5);
    EXPECT_EQ(clicks, 1);

    cmb.Clear();
    EXPECT_EQ(cmb.ListCount(), 0);
    EXPECT_EQ(cmb.ListIndex(), -1);
    EXPECT_EQ(cmb.Text(), "");
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboTest, ViewHearsEachRealChangeBeforeTheHandlerRuns) {
    std::vector<Property> oidos;
    cmb.PropertyChanged = [&](Property p, int) { oidos.push_back(p); };
    cmb.Click = [&] { oidos.push_back(Property::Caption); };  // marks where Click ran
    cmb.SetEnabled(false);
    cmb.SetEnabled(false);
    cmb.SetDroppedWidth(610);
    cmb.SetListIndex(0);
    EXPECT_EQ(oidos, (std::vector<Property>{Property::Enabled, Property::DroppedWidth, Property::ListIndex,
                                            Property::Caption}));
    EXPECT_EQ(cmb.DroppedWidth(), 610);
}

}  // namespace
