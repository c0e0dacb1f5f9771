#include "controles/Control.h"

#include "controles/Errores.h"
#include "controles/Form.h"

#include <algorithm>

namespace controles {

namespace {
void Quita(std::vector<Control*>& v, Control* c) { v.erase(std::remove(v.begin(), v.end(), c), v.end()); }
}  // namespace

Control::Control(ControlContainer& container, QString name, int index, uint32_t backColor)
    : name_(std::move(name)), index_(index), form_(&container.ContainerForm()), container_(&container),
      backColor_(backColor) {
    form_->Register(this);
    container_->children_.push_back(this);
}

Control::~Control() {
    if (container_) Quita(container_->children_, this);
    if (form_) form_->Deregister(this);
}

QString Control::FullName() const {
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

void Control::SetContainer(ControlContainer& container) {
    if (&container == container_) return;
    if (&container.ContainerForm() != form_) Lanza(errores::ArgumentoNoValido);
    // A frame cannot go inside itself or inside one of its own frames.
    for (auto* c = dynamic_cast<const Control*>(&container); c; c = dynamic_cast<const Control*>(c->container_))
        if (c == this) Lanza(errores::ArgumentoNoValido);
    Quita(container_->children_, this);
    container_ = &container;
    container_->children_.push_back(this);
    Notify(Property::Container);
}

void Control::SetEnabled(bool v) { Assign(enabled_, v, Property::Enabled); }
void Control::SetVisible(bool v) { Assign(visible_, v, Property::Visible); }
void Control::SetBackColor(uint32_t color) { Assign(backColor_, color, Property::BackColor); }

bool Control::Reachable() const {
    if (!enabled_ || !visible_) return false;
    if (auto* frame = dynamic_cast<const Control*>(container_)) return frame->Reachable();
    return form_->Enabled();
}

}  // namespace controles
