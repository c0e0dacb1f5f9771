#pragma once
// A window: caption, colour, key preview, Load/QueryUnload/Unload, modal Show through the UI
// port, and the registry of its controls by name and index.
#include "controles/Control.h"
#include "controles/Event.h"
#include "controles/Property.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace controles {

class Form : public ControlContainer {
public:
    explicit Form(QString name);
    virtual ~Form();

    const QString& Name() const { return name_; }
    Form& ContainerForm() override { return *this; }

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c);
    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t color);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    bool Loaded() const { return loaded_; }

    // Loads the form if needed (raising Load) and shows it; vbModal returns when it is hidden or unloaded.
    void Show(int modal = 0);
    void Hide();

    // Every control of the form, in the order they were created.
    const std::vector<Control*>& Controls() const { return controls_; }
    // By name, without regard to case, and array index (-1: not an array); nullptr when absent.
    Control* FindControl(QStringView name, int index) const;
    // "cmbConsulta" or "dtpFecha(1)".
    Control* FindControl(QStringView fullName) const;
    template <class T>
    T* FindControl(QStringView fullName) const { return dynamic_cast<T*>(FindControl(fullName)); }

    // A key pressed by the user while `focus` (may be nullptr) holds the focus. With KeyPreview the
    // form sees it first and may set KeyCode to 0 to keep it from the control. Returns the key
    // code left at the end: 0 means the key was swallowed.
    int KeyDownFrom(Control* focus, int keyCode, int shift);
    // The user closed the window from its close box; false when QueryUnload or Unload cancelled.
    bool UserClose();

    Event<> Load;
    Event<int&, int> QueryUnload;  // Cancel, UnloadMode
    Event<int&> Unload;            // Cancel
    Event<int&, int&> KeyDown;     // KeyCode, Shift
    Event<Property, int> PropertyChanged;

private:
    friend class Control;
    friend void Load(Form&);
    friend void Unload(Form&);

    void Register(Control* c);
    void Deregister(Control* c);
    void DoLoad();
    bool DoUnload(int unloadMode);
    void SetVisible(bool v);
    void Notify(Property p) { PropertyChanged(p, -1); }

    QString name_;
    QString caption_;
    uint32_t backColor_;
    bool keyPreview_ = false;
    bool enabled_ = true;
    bool visible_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    std::vector<Control*> controls_;
};

// The statements Load and Unload. Inside a form's own code, write controles::Unload(*this):
// the bare name finds the form's Unload event.
void Load(Form& form);
void Unload(Form& form);

}  // namespace controles
