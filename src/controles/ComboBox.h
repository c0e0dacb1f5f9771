#pragma once
// ComboBox: items with 32-bit ItemData, ListIndex (a change raises Click), Text by Style.
#include "controles/Control.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace controles {

class ComboBox : public Control {
public:
    ComboBox(ControlContainer& container, QString name, int index = -1);
    ControlType Type() const override { return ControlType::ComboBox; }

    // vbComboDropdown 0 (editable), vbComboSimple 1, vbComboDropdownList 2.
    int Style() const { return style_; }
    void SetStyle(int style);

    void AddItem(const QString& item);
    void AddItem(const QString& item, int index);  // 0..ListCount
    void Clear();                                  // items, selection and text; raises nothing
    int ListCount() const { return static_cast<int>(items_.size()); }
    QString List(int i) const;                     // "" outside the list
    int32_t ItemData(int i) const;
    void SetItemData(int i, int32_t data);
    int NewIndex() const { return newIndex_; }     // position of the last item added; -1 none

    // -1 when nothing is selected. Assigning a different value raises Click; -1 clears the
    // selection (and an editable combo's text). The same value again raises nothing.
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int i);

    // Drop-down list: the selected item's text ("" when none); assigning selects the item with
    // that text or fails with error 383. Editable: the typed text; assigning raises Change and
    // selects the item with that exact text, if any, without Click.
    QString Text() const;
    void SetText(const QString& text);

    // Width of the drop-down part in pixels (CB_SETDROPPEDWIDTH); 0 until set.
    int DroppedWidth() const { return droppedWidth_; }
    void SetDroppedWidth(int pixels);

    Event<> Click;
    Event<> Change;

private:
    struct Item {
        QString text;
        int32_t data = 0;
    };
    int Find(const QString& text) const;  // exact text without regard to case; -1 none
    size_t Posicion(int i) const;         // error 381 outside the list

    int style_ = 0;
    std::vector<Item> items_;
    int listIndex_ = -1;
    int newIndex_ = -1;
    QString text_;  // editable styles only
    int droppedWidth_ = 0;
};

}  // namespace controles
