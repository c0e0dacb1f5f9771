#pragma once
// The run-time error number a call raises; 0 when it raises none.
#include "vb/ErrorEjecucion.h"

#include <functional>

inline int NumeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::ErrorEjecucion& e) {
        return e.numero();
    }
    return 0;
}
