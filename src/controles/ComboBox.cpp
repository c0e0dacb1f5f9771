#include "controles/ComboBox.h"

#include "controles/Constants.h"
#include "controles/Errores.h"

namespace controles {

ComboBox::ComboBox(ControlContainer& container, QString name, int index)
    : Control(container, std::move(name), index, vbWindowBackground) {}

void ComboBox::SetStyle(int style) {
    if (style < vbComboDropdown || style > vbComboDropdownList) Lanza(errores::ValorDePropiedadNoValido);
    if (style == style_) return;
    const QString antes = Text();
    style_ = style;
    if (style_ != vbComboDropdownList) text_ = antes;
    Notify(Property::Style);
}

void ComboBox::AddItem(const QString& item) { AddItem(item, ListCount()); }

void ComboBox::AddItem(const QString& item, int index) {
    if (index < 0 || index > ListCount()) Lanza(errores::ArgumentoNoValido);
    items_.insert(items_.begin() + index, Item{item, 0});
    newIndex_ = index;
    // The selection stays on the same item.
    if (listIndex_ >= index) ++listIndex_;
    Notify(Property::List);
}

void ComboBox::Clear() {
    items_.clear();
    newIndex_ = -1;
    listIndex_ = -1;
    text_.clear();
    Notify(Property::List);
}

size_t ComboBox::Posicion(int i) const {
    if (i < 0 || i >= ListCount()) Lanza(errores::IndiceDePropiedadNoValido);
    return static_cast<size_t>(i);
}

QString ComboBox::List(int i) const { return (i >= 0 && i < ListCount()) ? items_[static_cast<size_t>(i)].text : QString(); }

int32_t ComboBox::ItemData(int i) const { return items_[Posicion(i)].data; }

void ComboBox::SetItemData(int i, int32_t data) { items_[Posicion(i)].data = data; }

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) Lanza(errores::ValorDePropiedadNoValido);
    if (i == listIndex_) return;
    listIndex_ = i;
    if (style_ != vbComboDropdownList) text_ = List(i);
    Notify(Property::ListIndex);
    Click();
}

QString ComboBox::Text() const {
    if (style_ == vbComboDropdownList) return List(listIndex_);
    return text_;
}

int ComboBox::Find(const QString& text) const {
    for (int i = 0; i < ListCount(); ++i)
        if (items_[static_cast<size_t>(i)].text.compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void ComboBox::SetText(const QString& text) {
    const int encontrado = Find(text);
    if (style_ == vbComboDropdownList) {
        if (encontrado < 0) Lanza(errores::PropiedadSoloLectura);
        SetListIndex(encontrado);
        return;
    }
    if (text == text_) return;
    text_ = text;
    if (encontrado != listIndex_) {
        listIndex_ = encontrado;
        Notify(Property::ListIndex);
    }
    Notify(Property::Text);
    Change();
}

void ComboBox::SetDroppedWidth(int pixels) {
    if (pixels < 0) Lanza(errores::ValorDePropiedadNoValido);
    Assign(droppedWidth_, pixels, Property::DroppedWidth);
}

}  // namespace controles
