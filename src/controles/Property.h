#pragma once
// What changed on a control, so a view can refresh just that.

namespace controles {

enum class Property {
    Enabled,
    Visible,
    BackColor,
    Caption,
    Text,          // a node's text carries the node's Index as item
    Value,
    ListIndex,
    List,          // items added or cleared
    Style,
    DroppedWidth,
    Picture,
    Container,
    Checkboxes,
    Nodes,         // nodes added or cleared
    Checked,       // item: the node's Index
    Expanded,      // item: the node's Index
    KeyPreview,
    Loaded,
    MousePointer,
};

}  // namespace controles
