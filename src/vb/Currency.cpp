#include "vb/Currency.h"

#include "vb/Decimal.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Integer.h"

#include <cmath>

namespace vb {
namespace {

Currency DesdeDecimal(const Decimal& d) {
    const QString escalado = d.Escalado(4, Decimal::Redondeo::MitadPar);
    bool ok = false;
    const qulonglong magnitud = escalado.toULongLong(&ok);
    if (!ok || magnitud > qulonglong(INT64_MAX)) LanzaDesbordamiento();
    const int64_t v = int64_t(magnitud);
    return Currency::DesdeDiezmilesimos(d.negativo ? -v : v);
}

}  // namespace

Currency Currency::DesdeEntero(int64_t unidades) {
    int64_t d = 0;
    if (__builtin_mul_overflow(unidades, int64_t{10000}, &d)) LanzaDesbordamiento();
    return DesdeDiezmilesimos(d);
}

Currency Currency::DesdeDouble(double v) {
    if (!std::isfinite(v)) LanzaDesbordamiento();
    return DesdeDecimal(Decimal::DeDouble(v));
}

std::optional<Currency> Currency::DesdeTexto(QStringView texto) {
    const auto d = Decimal::DeTexto(texto);
    if (!d) return std::nullopt;
    return DesdeDecimal(*d);
}

double Currency::ADouble() const { return ATexto().toDouble(); }

QString Currency::ATexto() const {
    const Decimal d = Decimal::DeCurrency(*this);
    QString digitos = d.mantisa.rightJustified(5, u'0');
    QString entero = digitos.left(digitos.size() - 4);
    QString fraccion = digitos.right(4);
    while (!fraccion.isEmpty() && fraccion.back() == u'0') fraccion.chop(1);
    QString r = d.negativo ? QStringLiteral("-") : QString();
    r += entero;
    if (!fraccion.isEmpty()) r += u'.' + fraccion;
    return r;
}

Currency Currency::operator+(Currency o) const {
    int64_t r = 0;
    if (__builtin_add_overflow(d_, o.d_, &r)) LanzaDesbordamiento();
    return DesdeDiezmilesimos(r);
}

Currency Currency::operator-(Currency o) const {
    int64_t r = 0;
    if (__builtin_sub_overflow(d_, o.d_, &r)) LanzaDesbordamiento();
    return DesdeDiezmilesimos(r);
}

Currency Currency::operator-() const { return Currency() - *this; }

}  // namespace vb
