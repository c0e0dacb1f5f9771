#pragma once
// Fixed-point money: a signed 64-bit count of ten-thousandths, as the original runtime held it.
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace vb {

class Currency {
public:
    constexpr Currency() = default;

    static constexpr Currency DesdeDiezmilesimos(int64_t d) { Currency c; c.d_ = d; return c; }
    static Currency DesdeEntero(int64_t unidades);           // overflow: error 6
    static Currency DesdeDouble(double v);                   // half to even at the 4th decimal; error 6 out of range
    // Decimal text with "." as separator and optional sign ("1234.565", "-0.5", " 12 ").
    // Exact: digits past the 4th decimal round half to even. nullopt when not a number.
    static std::optional<Currency> DesdeTexto(QStringView texto);

    constexpr int64_t diezmilesimos() const { return d_; }
    double ADouble() const;
    // CStr of a Currency: shortest decimal text, "." separator, no grouping ("1234.5", "-3", "0.0001").
    QString ATexto() const;

    Currency operator+(Currency o) const;  // overflow: error 6
    Currency operator-(Currency o) const;
    Currency operator-() const;
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }

    constexpr auto operator<=>(const Currency&) const = default;

private:
    int64_t d_ = 0;
};

}  // namespace vb
