#include "controles/Form.h"

#include "controles/Constants.h"
#include "controles/Errores.h"
#include "controles/PuertoUI.h"

#include <algorithm>

namespace controles {

Form::Form(QString name) : name_(std::move(name)), backColor_(vbButtonFace) {}

Form::~Form() {
    // Controls that outlive the form must not reach back into it.
    for (Control* c : controls_) {
        c->form_ = nullptr;
        c->container_ = nullptr;
    }
}

void Form::SetCaption(const QString& c) {
    if (caption_ == c) return;
    caption_ = c;
    Notify(Property::Caption);
}

void Form::SetBackColor(uint32_t color) {
    if (backColor_ == color) return;
    backColor_ = color;
    Notify(Property::BackColor);
}

void Form::SetKeyPreview(bool v) {
    if (keyPreview_ == v) return;
    keyPreview_ = v;
    Notify(Property::KeyPreview);
}

void Form::SetEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    Notify(Property::Enabled);
}

void Form::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    Notify(Property::Visible);
}

void Form::Register(Control* c) {
    if (FindControl(c->Name(), c->Index())) Lanza(errores::ArgumentoNoValido);
    controls_.push_back(c);
}

void Form::Deregister(Control* c) { controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end()); }

Control* Form::FindControl(QStringView name, int index) const {
    for (Control* c : controls_)
        if (c->Index() == index && name.compare(c->Name(), Qt::CaseInsensitive) == 0) return c;
    return nullptr;
}

Control* Form::FindControl(QStringView fullName) const {
    QStringView s = fullName.trimmed();
    if (!s.endsWith(u')')) return FindControl(s, -1);
    const qsizetype open = s.indexOf(u'(');
    if (open <= 0) return nullptr;
    bool ok = false;
    const int index = s.sliced(open + 1, s.size() - open - 2).trimmed().toInt(&ok);
    if (!ok || index < 0) return nullptr;
    return FindControl(s.first(open).trimmed(), index);
}

void Form::DoLoad() {
    if (loaded_) return;
    loaded_ = true;
    Notify(Property::Loaded);
    Load();
}

bool Form::DoUnload(int unloadMode) {
    if (!loaded_ || unloading_) return !loaded_;
    unloading_ = true;
    int cancel = 0;
    try {
        QueryUnload(cancel, unloadMode);
        if (cancel == 0) Unload(cancel);
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    if (cancel != 0) return false;
    SetVisible(false);
    loaded_ = false;
    Notify(Property::Loaded);
    return true;
}

void Form::Show(int modal) {
    if (modal != vbModeless && modal != vbModal) Lanza(errores::ArgumentoNoValido);
    if (modal == vbModal && visible_) Lanza(errores::FormularioYaMostrado);
    PuertoUI* puerto = PuertoUIActual();
    if (modal == vbModal && !puerto) Lanza(errores::ArgumentoNoValido);
    DoLoad();
    // Load may have unloaded the form again.
    if (!loaded_) Lanza(errores::ObjetoDescargado);
    SetVisible(true);
    if (modal == vbModeless) return;
    puerto->MuestraModal(*this);
}

void Form::Hide() { SetVisible(false); }

int Form::KeyDownFrom(Control* focus, int keyCode, int shift) {
    if (keyPreview_) {
        KeyDown(keyCode, shift);
        if (keyCode == 0) return 0;
    }
    if (focus)
        focus->KeyDown(keyCode, shift);
    else if (!keyPreview_)
        KeyDown(keyCode, shift);  // no control to take it: the form itself does
    return keyCode;
}

bool Form::UserClose() { return DoUnload(vbFormControlMenu); }

void Load(Form& form) { form.DoLoad(); }
void Unload(Form& form) { form.DoUnload(vbFormCode); }

}  // namespace controles
