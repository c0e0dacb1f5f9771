#pragma once
// One generated cell, typed the way the schema column wants it.
#include <QDate>
#include <QString>
#include <cstdint>
#include <variant>

namespace demo {

// Money as a count of ten-thousandths, like the component's currency amounts.
struct Dinero {
    int64_t diezmilesimos = 0;

    static constexpr Dinero Centavos(int64_t c) { return {c * 100}; }
    static Dinero DesdeTexto(const QString& texto);  // "1234.56", "-3.5"; ErrorDemo when not a number
    QString ATexto() const;                          // exact decimal text: "1234.56", "-0.0001", "10"
    double ADouble() const { return static_cast<double>(diezmilesimos) / 10000.0; }

    Dinero operator+(Dinero o) const { return {diezmilesimos + o.diezmilesimos}; }
    Dinero operator-(Dinero o) const { return {diezmilesimos - o.diezmilesimos}; }
    Dinero& operator+=(Dinero o) { diezmilesimos += o.diezmilesimos; return *this; }
    Dinero& operator-=(Dinero o) { diezmilesimos -= o.diezmilesimos; return *this; }
    auto operator<=>(const Dinero&) const = default;
};

// Percentages and other binary fractions, kept as ten-thousandths so that both engines receive
// the same double from the same exact decimal.
struct Doble {
    int64_t diezmilesimos = 0;
    double ADouble() const { return static_cast<double>(diezmilesimos) / 10000.0; }
    QString ATexto() const { return Dinero{diezmilesimos}.ATexto(); }
};

class Valor {
public:
    Valor() = default;
    Valor(int v) : v_(static_cast<int64_t>(v)) {}
    Valor(int64_t v) : v_(v) {}
    Valor(const char* utf8) : v_(QString::fromUtf8(utf8)) {}
    Valor(const QString& v) : v_(v) {}
    Valor(QDate v) { if (v.isValid()) v_ = v; }
    Valor(Dinero v) : v_(v) {}
    Valor(Doble v) : v_(v) {}
    Valor(bool v) : v_(v) {}

    bool EsNulo() const { return std::holds_alternative<std::monostate>(v_); }
    const std::variant<std::monostate, int64_t, QString, QDate, Dinero, Doble, bool>& v() const { return v_; }

private:
    std::variant<std::monostate, int64_t, QString, QDate, Dinero, Doble, bool> v_;
};

inline const Valor Nulo{};

}  // namespace demo
