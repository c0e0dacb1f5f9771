#include "vb/Decimal.h"

#include "vb/Currency.h"

#include <cmath>
#include <cstdlib>

namespace vb {
namespace {

QString SinCerosIniciales(const QString& d) {
    qsizetype i = 0;
    while (i + 1 < d.size() && d[i] == u'0') ++i;
    return d.mid(i);
}

// Adds one to a string of decimal digits.
QString Incrementa(QString d) {
    for (qsizetype i = d.size() - 1; i >= 0; --i) {
        if (d[i] != u'9') { d[i] = QChar(d[i].unicode() + 1); return d; }
        d[i] = u'0';
    }
    return QStringLiteral("1") + d;
}

}  // namespace

Decimal Decimal::DeCurrency(const Currency& c) {
    const int64_t d = c.diezmilesimos();
    // Negating INT64_MIN would overflow; its magnitude is taken as unsigned.
    const uint64_t magnitud = d < 0 ? uint64_t(0) - uint64_t(d) : uint64_t(d);
    return Decimal{d < 0, QString::number(magnitud), -4};
}

Decimal Decimal::DeDouble(double v) {
    if (v == 0 || !std::isfinite(v)) return Decimal{};
    // "d.dddddddddddddde±XX": fifteen significant digits, correctly rounded by the C library.
    const QString e = QString::number(std::fabs(v), 'e', 14);
    const qsizetype pe = e.indexOf(u'e');
    QString digitos = e.left(pe);
    digitos.remove(u'.');
    const int exp = e.mid(pe + 1).toInt();
    return Decimal{v < 0, digitos, exp - 14};
}

std::optional<Decimal> Decimal::DeTexto(QStringView texto) {
    QStringView t = texto.trimmed();
    Decimal r;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) r.negativo = (t[i++] == u'-');
    QString digitos;
    int decimales = 0;
    bool alguno = false;
    while (i < t.size() && t[i].isDigit()) { digitos += t[i++]; alguno = true; }
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && t[i].isDigit()) { digitos += t[i++]; ++decimales; alguno = true; }
    }
    if (!alguno) return std::nullopt;
    int exp = 0;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        bool neg = false;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) neg = (t[i++] == u'-');
        if (i >= t.size() || !t[i].isDigit()) return std::nullopt;
        while (i < t.size() && t[i].isDigit()) {
            exp = exp * 10 + t[i++].digitValue();
            if (exp > 400) return std::nullopt;
        }
        if (neg) exp = -exp;
    }
    if (i != t.size()) return std::nullopt;
    r.mantisa = SinCerosIniciales(digitos);
    r.exponente = exp - decimales;
    if (r.mantisa == u"0") r.negativo = false;
    return r;
}

QString Decimal::Escalado(int decimales, Redondeo modo) const {
    const int k = exponente + decimales;
    if (k >= 0) return SinCerosIniciales(mantisa + QString(k, u'0'));
    const qsizetype corte = mantisa.size() + k;  // digits kept
    const QString entero = corte > 0 ? mantisa.left(corte) : QStringLiteral("0");
    // The dropped digits, with the zeros between the point and the mantissa when corte < 0.
    const QString resto = corte >= 0 ? mantisa.mid(corte) : QString(-corte, u'0') + mantisa;
    bool sube = false;
    if (resto[0] > u'5') {
        sube = true;
    } else if (resto[0] == u'5') {
        bool exacto = true;
        for (qsizetype i = 1; i < resto.size(); ++i)
            if (resto[i] != u'0') { exacto = false; break; }
        if (!exacto || modo == Redondeo::MitadLejosDeCero) sube = true;
        else sube = (entero.back().digitValue() % 2) == 1;
    }
    return SinCerosIniciales(sube ? Incrementa(entero) : entero);
}

}  // namespace vb
