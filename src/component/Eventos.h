#pragma once
// The one boundary between a window's events and the view: the outermost handler shows a run-time
// error through the message service and the window stays usable; a handler raised from code inside
// another lets its error through to that one.
#include <functional>

namespace component {

class AtencionEventos {
public:
    // A user's action: the outermost level catches a run-time error, restores the pointer and shows it.
    void Atiende(const std::function<void()>& manejador);
    // Load is not a user's action: its errors go back to whoever showed the window, and the events
    // it raises from code let their errors through to it.
    void Carga(const std::function<void()>& manejador);

private:
    int profundidad_ = 0;
};

}  // namespace component
