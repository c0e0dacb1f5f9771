#pragma once
// The runtime's Variant: every database value and most report values travel in one.
#include "vb/Currency.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>
#include <variant>

namespace vb {

// Subtype numbers as the runtime's VarType reports them.
enum class TipoVariant : int {
    Empty = 0, Null = 1, Integer = 2, Long = 3, Double = 5, Currency = 6, Date = 7, String = 8, Boolean = 11
};

// A Date value: a calendar day and a time of day (00:00:00 for plain dates).
struct Fecha {
    QDate dia;
    QTime hora{0, 0};
    bool operator==(const Fecha&) const = default;
};

struct Nulo { bool operator==(const Nulo&) const = default; };

class Variant {
public:
    Variant() = default;                           // Empty
    static Variant Null() { Variant v; v.v_ = Nulo{}; return v; }
    Variant(bool b) : v_(b) {}                     // NOLINT
    Variant(int16_t i) : v_(i) {}                  // NOLINT
    Variant(int32_t l) : v_(l) {}                  // NOLINT
    Variant(double d) : v_(d) {}                   // NOLINT
    Variant(Currency c) : v_(c) {}                 // NOLINT
    Variant(QDate d) : v_(Fecha{d, QTime(0, 0)}) {}  // NOLINT
    Variant(Fecha f) : v_(f) {}                    // NOLINT
    Variant(QString s) : v_(std::move(s)) {}       // NOLINT
    Variant(const char* utf8) : v_(QString::fromUtf8(utf8)) {}  // NOLINT

    TipoVariant Tipo() const;
    bool IsNull() const { return std::holds_alternative<Nulo>(v_); }
    bool IsEmpty() const { return std::holds_alternative<std::monostate>(v_); }
    // IsNumeric: numbers, Empty, Booleans, and text that reads fully as a number.
    bool IsNumeric() const;

    // Conversions with the runtime's rules; a Null raises error 94, an unconvertible value error 13.
    QString CStr() const;          // Date: short date "dd/mm/yyyy" (plus " hh:mm:ss" with a time); Double: up to 15 significant digits
    Currency CCur() const;         // half to even at the 4th decimal
    double CDbl() const;
    int32_t CLng() const;          // half to even; error 6 out of range
    int16_t CInt() const;          // half to even; error 6 out of range
    bool CBool() const;
    Fecha CDate() const;

    // Text of a field as the original concatenation shows it: Null and Empty become "".
    QString Texto() const { return (IsNull() || IsEmpty()) ? QString() : CStr(); }

    bool operator==(const Variant&) const = default;

    using Valor = std::variant<std::monostate, Nulo, bool, int16_t, int32_t, double, Currency, Fecha, QString>;
    const Valor& crudo() const { return v_; }

private:
    Valor v_;
};

// Val: the leading number of a text ("01.0" -> 1, "12abc" -> 12, "" -> 0, "-3" -> -3).
double Val(QStringView texto);

}  // namespace vb
