#include "vb/Formato.h"

#include "vb/Decimal.h"
#include "vb/ErrorEjecucion.h"

#include <array>

namespace vb {
namespace {

QString AgrupaMiles(const QString& entero) {
    QString r;
    const qsizetype n = entero.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) r += u',';
        r += entero[i];
    }
    return r;
}

QString Moneda(const Decimal& d) {
    const QString centavos = d.Escalado(2, Decimal::Redondeo::MitadLejosDeCero).rightJustified(3, u'0');
    const QString entero = AgrupaMiles(centavos.left(centavos.size() - 2));
    // An amount that rounds to zero prints without a sign.
    const bool negativo = d.negativo && centavos != u"000";
    return (negativo ? QStringLiteral("-") : QString()) + entero + u'.' + centavos.right(2);
}

Decimal DecimalDe(const Variant& v) {
    if (const auto* c = std::get_if<Currency>(&v.crudo())) return Decimal::DeCurrency(*c);
    if (const auto* s = std::get_if<QString>(&v.crudo())) {
        if (auto d = Decimal::DeTexto(*s)) return *d;
        throw ErrorEjecucion(errores::TiposNoCoinciden);
    }
    return Decimal::DeDouble(v.CDbl());
}

QString FormatoFecha(const Fecha& f, QStringView patron) {
    const QDate& d = f.dia;
    const QString dd = QStringLiteral("%1").arg(d.day(), 2, 10, QChar(u'0'));
    const QString mm = QStringLiteral("%1").arg(d.month(), 2, 10, QChar(u'0'));
    const QString yyyy = QStringLiteral("%1").arg(d.year(), 4, 10, QChar(u'0'));
    if (patron == u"dd/mmm/yyyy") return dd + u'/' + AbreviaturaMes(d.month()) + u'/' + yyyy;
    if (patron == u"mmm/yyyy") return AbreviaturaMes(d.month()) + u'/' + yyyy;
    if (patron == u"dd/mm/yyyy") return dd + u'/' + mm + u'/' + yyyy;
    if (patron == u"yyyy/mm/dd") return yyyy + u'/' + mm + u'/' + dd;
    if (patron == u"yyyymmdd") return yyyy + mm + dd;
    if (patron == u"yyyy-mm-dd") return yyyy + u'-' + mm + u'-' + dd;
    throw ErrorEjecucion(errores::LlamadaNoValida);
}

}  // namespace

QString AbreviaturaMes(int mes) {
    static const std::array<const char16_t*, 12> meses = {u"ene", u"feb", u"mar", u"abr", u"may", u"jun",
                                                          u"jul", u"ago", u"sep", u"oct", u"nov", u"dic"};
    if (mes < 1 || mes > 12) throw ErrorEjecucion(errores::LlamadaNoValida);
    return QString::fromUtf16(meses[mes - 1]);
}

QString FormatoMoneda(Currency c) { return Moneda(Decimal::DeCurrency(c)); }
QString FormatoMoneda(double d) { return Moneda(Decimal::DeDouble(d)); }

QString Format(const Variant& v, QStringView patron) {
    if (v.IsNull()) return QString();
    if (patron == u"#,##0.00") return Moneda(DecimalDe(v));
    if (patron == u"0#") {
        const QString entero = DecimalDe(v).Escalado(0, Decimal::Redondeo::MitadLejosDeCero);
        const bool negativo = DecimalDe(v).negativo && entero != u"0";
        return (negativo ? QStringLiteral("-") : QString()) + entero.rightJustified(2, u'0');
    }
    if (v.Tipo() == TipoVariant::Date || v.Tipo() == TipoVariant::String) return FormatoFecha(v.CDate(), patron);
    throw ErrorEjecucion(errores::TiposNoCoinciden);
}

}  // namespace vb
