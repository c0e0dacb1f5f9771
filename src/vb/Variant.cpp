#include "vb/Variant.h"

#include "vb/Decimal.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Integer.h"

#include <cmath>

namespace vb {
namespace {

template <class... F> struct Visitante : F... { using F::operator()...; };
template <class... F> Visitante(F...) -> Visitante<F...>;

[[noreturn]] void TiposNoCoinciden() { throw ErrorEjecucion(errores::TiposNoCoinciden); }
[[noreturn]] void NullNoValido() { throw ErrorEjecucion(errores::UsoNoValidoDeNull); }

// CStr of a Double: up to 15 significant digits, no trailing zeros, exponent form for very
// large or very small magnitudes ("1E+20", "1.5E-07").
QString TextoDouble(double v) {
    if (v == 0) return QStringLiteral("0");
    const Decimal d = Decimal::DeDouble(v);
    QString m = d.mantisa;
    int exp = d.exponente;
    while (m.size() > 1 && m.back() == u'0') { m.chop(1); ++exp; }
    const int expCientifico = exp + int(m.size()) - 1;  // power of ten of the first digit
    QString r = d.negativo ? QStringLiteral("-") : QString();
    if (expCientifico >= 15 || expCientifico < -15) {
        r += m.left(1);
        if (m.size() > 1) r += u'.' + m.mid(1);
        r += expCientifico < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        r += QStringLiteral("%1").arg(std::abs(expCientifico), 2, 10, QChar(u'0'));
        return r;
    }
    if (exp >= 0) return r + m + QString(exp, u'0');
    const int decimales = -exp;
    if (m.size() > decimales) return r + m.left(m.size() - decimales) + u'.' + m.right(decimales);
    return r + QStringLiteral("0.") + QString(decimales - m.size(), u'0') + m;
}

// Half-to-even rounding to a whole number, as CLng and CInt do.
double RedondeoPar(double v) { return std::nearbyint(v); }

int64_t AEntero(const Variant& v, int64_t minimo, int64_t maximo) {
    const double d = RedondeoPar(v.CDbl());
    if (!(d >= double(minimo) && d <= double(maximo))) LanzaDesbordamiento();
    return int64_t(d);
}

std::optional<Fecha> LeeFecha(const QString& s) {
    const QString t = s.trimmed();
    for (const auto& patron : {u"yyyy-MM-dd", u"dd/MM/yyyy", u"d/M/yyyy"}) {
        const QDate d = QDate::fromString(t, QString::fromUtf16(patron));
        if (d.isValid()) return Fecha{d, QTime(0, 0)};
    }
    for (const auto& patron : {u"yyyy-MM-dd HH:mm:ss", u"yyyy-MM-ddTHH:mm:ss", u"dd/MM/yyyy HH:mm:ss"}) {
        const QDateTime dt = QDateTime::fromString(t, QString::fromUtf16(patron));
        if (dt.isValid()) return Fecha{dt.date(), dt.time()};
    }
    return std::nullopt;
}

}  // namespace

TipoVariant Variant::Tipo() const {
    return std::visit(Visitante{
        [](std::monostate) { return TipoVariant::Empty; },
        [](Nulo) { return TipoVariant::Null; },
        [](bool) { return TipoVariant::Boolean; },
        [](int16_t) { return TipoVariant::Integer; },
        [](int32_t) { return TipoVariant::Long; },
        [](double) { return TipoVariant::Double; },
        [](const Currency&) { return TipoVariant::Currency; },
        [](const Fecha&) { return TipoVariant::Date; },
        [](const QString&) { return TipoVariant::String; },
    }, v_);
}

bool Variant::IsNumeric() const {
    return std::visit(Visitante{
        [](std::monostate) { return true; },
        [](Nulo) { return false; },
        [](const Fecha&) { return false; },
        [](const QString& s) { return Decimal::DeTexto(s).has_value(); },
        [](const auto&) { return true; },
    }, v_);
}

QString Variant::CStr() const {
    return std::visit(Visitante{
        [](std::monostate) { return QString(); },
        [](Nulo) -> QString { NullNoValido(); },
        [](bool b) { return b ? QStringLiteral("Verdadero") : QStringLiteral("Falso"); },
        [](int16_t i) { return QString::number(i); },
        [](int32_t l) { return QString::number(l); },
        [](double d) { return TextoDouble(d); },
        [](const Currency& c) { return c.ATexto(); },
        [](const Fecha& f) {
            QString s = f.dia.toString(QStringLiteral("dd/MM/yyyy"));
            if (f.hora != QTime(0, 0)) s += f.hora.toString(QStringLiteral(" HH:mm:ss"));
            return s;
        },
        [](const QString& s) { return s; },
    }, v_);
}

Currency Variant::CCur() const {
    return std::visit(Visitante{
        [](std::monostate) { return Currency(); },
        [](Nulo) -> Currency { NullNoValido(); },
        [](bool b) { return Currency::DesdeEntero(b ? -1 : 0); },
        [](int16_t i) { return Currency::DesdeEntero(i); },
        [](int32_t l) { return Currency::DesdeEntero(l); },
        [](double d) { return Currency::DesdeDouble(d); },
        [](const Currency& c) { return c; },
        [](const Fecha&) -> Currency { TiposNoCoinciden(); },
        [](const QString& s) {
            const auto c = Currency::DesdeTexto(s);
            if (!c) TiposNoCoinciden();
            return *c;
        },
    }, v_);
}

double Variant::CDbl() const {
    return std::visit(Visitante{
        [](std::monostate) { return 0.0; },
        [](Nulo) -> double { NullNoValido(); },
        [](bool b) { return b ? -1.0 : 0.0; },
        [](int16_t i) { return double(i); },
        [](int32_t l) { return double(l); },
        [](double d) { return d; },
        [](const Currency& c) { return c.ADouble(); },
        [](const Fecha&) -> double { TiposNoCoinciden(); },
        [](const QString& s) {
            if (!Decimal::DeTexto(s)) TiposNoCoinciden();
            return s.trimmed().toDouble();
        },
    }, v_);
}

int32_t Variant::CLng() const { return int32_t(AEntero(*this, INT32_MIN, INT32_MAX)); }
int16_t Variant::CInt() const { return int16_t(AEntero(*this, INT16_MIN, INT16_MAX)); }

bool Variant::CBool() const {
    if (const auto* s = std::get_if<QString>(&v_)) {
        const QString t = s->trimmed();
        if (t.compare(u"Verdadero", Qt::CaseInsensitive) == 0 || t.compare(u"True", Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(u"Falso", Qt::CaseInsensitive) == 0 || t.compare(u"False", Qt::CaseInsensitive) == 0)
            return false;
    }
    if (const auto* b = std::get_if<bool>(&v_)) return *b;
    return CDbl() != 0;
}

Fecha Variant::CDate() const {
    return std::visit(Visitante{
        [](Nulo) -> Fecha { NullNoValido(); },
        [](const Fecha& f) { return f; },
        [](const QString& s) {
            const auto f = LeeFecha(s);
            if (!f) TiposNoCoinciden();
            return *f;
        },
        [](const auto&) -> Fecha { TiposNoCoinciden(); },
    }, v_);
}

double Val(QStringView texto) {
    // Val ignores blanks anywhere and reads the longest leading number.
    QString t;
    for (QChar c : texto)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') t += c;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
    while (i < t.size() && t[i].isDigit()) ++i;
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && t[i].isDigit()) ++i;
    }
    qsizetype fin = i;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == u'-' || t[j] == u'+')) ++j;
        if (j < t.size() && t[j].isDigit()) {
            while (j < t.size() && t[j].isDigit()) ++j;
            fin = j;
        }
    }
    QString numero = t.left(fin);
    numero.replace(u'd', u'e').replace(u'D', u'e');
    bool ok = false;
    const double v = numero.toDouble(&ok);
    return ok ? v : 0.0;
}

}  // namespace vb
