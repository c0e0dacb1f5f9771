#pragma once
// The runtime's 16-bit signed integer: line positions, counters and page numbers overflow
// with run-time error 6 exactly where the original did.
#include <cstdint>

namespace vb {

[[noreturn]] void LanzaDesbordamiento();

class Integer {
public:
    constexpr Integer() = default;
    constexpr Integer(int32_t v) : v_(verifica(v)) {}  // NOLINT: implicit, as the runtime widens

    constexpr int16_t valor() const { return v_; }
    constexpr operator int32_t() const { return v_; }  // NOLINT: reads like the original arithmetic

    constexpr Integer& operator+=(int32_t d) { v_ = verifica(int32_t{v_} + d); return *this; }
    constexpr Integer& operator-=(int32_t d) { v_ = verifica(int32_t{v_} - d); return *this; }
    constexpr Integer& operator++() { return *this += 1; }
    constexpr Integer& operator--() { return *this -= 1; }

private:
    static constexpr int16_t verifica(int64_t v) {
        if (v < INT16_MIN || v > INT16_MAX) LanzaDesbordamiento();
        return static_cast<int16_t>(v);
    }
    int16_t v_ = 0;
};

}  // namespace vb
