#pragma once
// What every control has: name and array index, its form and container, Enabled, Visible,
// BackColor, KeyDown, and a change hook for the view.
#include "controles/Event.h"
#include "controles/Property.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace controles {

class Control;
class Form;

enum class ControlType { Label, TextBox, ComboBox, CheckBox, OptionButton, CommandButton, Frame, TreeView, DTPicker, Other };

// A Frame or the Form: holds controls, and its option buttons form one group.
class ControlContainer {
public:
    // Direct children, in the order they were placed here.
    const std::vector<Control*>& Children() const { return children_; }
    virtual Form& ContainerForm() = 0;

protected:
    ControlContainer() = default;
    ~ControlContainer() = default;
    ControlContainer(const ControlContainer&) = delete;
    ControlContainer& operator=(const ControlContainer&) = delete;

private:
    friend class Control;
    friend class Form;
    friend class Frame;
    std::vector<Control*> children_;
};

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlType Type() const = 0;

    const QString& Name() const { return name_; }
    int Index() const { return index_; }  // -1 outside a control array
    QString FullName() const;             // "cmbConsulta", "dtpFecha(1)"
    Form& Parent() const { return *form_; }
    ControlContainer& Container() const { return *container_; }
    // Moves the control into another Frame, or onto the form, of the same form.
    void SetContainer(ControlContainer& container);

    // A control's Enabled is its own; a disabled frame does not change its children's.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t color);

    // Whether a user could reach it: enabled and visible, and so is every container up to the form.
    bool Reachable() const;

    Event<int&, int&> KeyDown;  // KeyCode, Shift
    // After a property changes (item: a node's Index or -1), so a view can refresh; not an event of the window.
    Event<Property, int> PropertyChanged;

protected:
    Control(ControlContainer& container, QString name, int index, uint32_t backColor);

    void Notify(Property p, int item = -1) { PropertyChanged(p, item); }
    // Stores v and notifies when it differs; true when it changed.
    template <class T>
    bool Assign(T& field, const T& v, Property p) {
        if (field == v) return false;
        field = v;
        Notify(p);
        return true;
    }

private:
    friend class Form;
    friend class Frame;
    QString name_;
    int index_;
    Form* form_;
    ControlContainer* container_;
    bool enabled_ = true;
    bool visible_ = true;
    uint32_t backColor_;
};

// Controls that show a caption: Label, Frame, CheckBox, OptionButton, CommandButton.
class CaptionedControl : public Control {
public:
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& c) { Assign(caption_, c, Property::Caption); }

protected:
    using Control::Control;

private:
    QString caption_;
};

}  // namespace controles
