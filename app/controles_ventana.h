#pragma once
// What `zrconsgt controles` prints of a loaded query window: every control --fijar and --marcar
// can change, read from the window itself, so the listing never drifts from what they accept.
#include <QString>

namespace controles {
class Form;
}

namespace app {

// One line per control: its name, kind, whether a user could reach it, and its value; then its
// entries indented: a list's positions and texts, a tree's keys and texts ("*" when ticked).
QString DescribeControles(const controles::Form& ventana);

}  // namespace app
