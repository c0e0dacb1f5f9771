#include "controles/Frame.h"

#include "controles/Constants.h"
#include "controles/Form.h"

namespace controles {

Frame::Frame(ControlContainer& container, QString name, int index)
    : CaptionedControl(container, std::move(name), index, vbButtonFace) {}

Frame::~Frame() {
    // Children that outlive the frame fall back onto the form.
    Form* form = form_;
    for (Control* c : ControlContainer::children_) {
        c->container_ = form;
        if (form) form->children_.push_back(c);
    }
    ControlContainer::children_.clear();
}

}  // namespace controles
