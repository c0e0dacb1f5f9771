#pragma once
// Exact decimal digits of a number, so rounding happens on decimal text and never on binary doubles.
#include <QString>
#include <optional>

namespace vb {

class Currency;

// value = (negativo ? -1 : 1) * mantisa * 10^exponente; mantisa holds decimal digits only.
struct Decimal {
    bool negativo = false;
    QString mantisa = QStringLiteral("0");
    int exponente = 0;

    static Decimal DeCurrency(const Currency& c);
    static Decimal DeDouble(double v);  // the Double taken at 15 significant digits, as the runtime does
    static std::optional<Decimal> DeTexto(QStringView texto);  // [+-]digits[.digits][E[+-]digits], spaces around

    enum class Redondeo { MitadPar, MitadLejosDeCero };
    // Digits of round(|value| * 10^decimales), without leading zeros ("0" for zero).
    QString Escalado(int decimales, Redondeo modo) const;
};

}  // namespace vb
