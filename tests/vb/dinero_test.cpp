#include "vb/Currency.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Formato.h"
#include "vb/Integer.h"
#include "vb/Producto.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Moneda, FormatoRedondeaLaMitadLejosDeCero) {
    EXPECT_EQ(FormatoMoneda(0.005), "0.01");
    EXPECT_EQ(FormatoMoneda(2.675), "2.68");          // 2.67499999... in binary
    EXPECT_EQ(FormatoMoneda(-1234.565), "-1,234.57");
    EXPECT_EQ(FormatoMoneda(1234567.891), "1,234,567.89");
    EXPECT_EQ(FormatoMoneda(0.1 + 0.2), "0.30");
    EXPECT_EQ(FormatoMoneda(-0.004), "0.00");
    EXPECT_EQ(FormatoMoneda(999.995), "1,000.00");
    EXPECT_EQ(FormatoMoneda(0.0), "0.00");
    EXPECT_EQ(FormatoMoneda(1e15), "1,000,000,000,000,000.00");
}

TEST(Moneda, FormatoDeCurrencyEsExacto) {
    EXPECT_EQ(FormatoMoneda(Currency::DesdeDiezmilesimos(50)), "0.01");       // 0.005
    EXPECT_EQ(FormatoMoneda(Currency::DesdeDiezmilesimos(-12345650)), "-1,234.57");
    EXPECT_EQ(FormatoMoneda(Currency::DesdeDiezmilesimos(INT64_MAX)), "922,337,203,685,477.58");
    EXPECT_EQ(FormatoMoneda(Currency::DesdeDiezmilesimos(INT64_MIN)), "-922,337,203,685,477.58");
    EXPECT_EQ(Format(Variant(QStringLiteral("1234.5")), u"#,##0.00"), "1,234.50");
    EXPECT_EQ(Format(Variant::Null(), u"#,##0.00"), "");
}

TEST(Moneda, ConversionRedondeaLaMitadAParEnLaCuartaCifra) {
    EXPECT_EQ(Currency::DesdeDouble(1.00005).diezmilesimos(), 10000);
    EXPECT_EQ(Currency::DesdeDouble(1.00015).diezmilesimos(), 10002);
    EXPECT_EQ(Currency::DesdeDouble(-2.675).diezmilesimos(), -26750);
    EXPECT_EQ(Currency::DesdeTexto(u" 1234.56785 ")->diezmilesimos(), 12345678);
    EXPECT_EQ(Currency::DesdeTexto(u"-0.00005")->diezmilesimos(), 0);
    EXPECT_EQ(Currency::DesdeTexto(u"1.5E3")->diezmilesimos(), 15000000);
    EXPECT_FALSE(Currency::DesdeTexto(u"12,5").has_value());
    EXPECT_FALSE(Currency::DesdeTexto(u"").has_value());
    EXPECT_THROW(Currency::DesdeDouble(1e300), ErrorEjecucion);
}

TEST(Moneda, SumasDeCentavosSonExactas) {
    Currency total;
    const Currency centavo = *Currency::DesdeTexto(u"0.01");
    for (int i = 0; i < 100000; ++i) total += centavo;
    EXPECT_EQ(total, Currency::DesdeEntero(1000));
    EXPECT_EQ(FormatoMoneda(total), "1,000.00");
    EXPECT_EQ(Currency::DesdeDiezmilesimos(-5).ATexto(), "-0.0005");
    EXPECT_EQ(Currency::DesdeEntero(-3).ATexto(), "-3");
    EXPECT_THROW(Currency::DesdeDiezmilesimos(INT64_MAX) + Currency::DesdeDiezmilesimos(1), ErrorEjecucion);
}

TEST(Moneda, ProductoExactoRedondeaLaMitadAPar) {
    const auto c = [](const char16_t* t) { return *Currency::DesdeTexto(t); };
    EXPECT_EQ(Producto(c(u"100"), c(u"17.5")).ATexto(), "1750");
    EXPECT_EQ(Producto(c(u"0.0001"), c(u"0.5")).diezmilesimos(), 0);        // 0.00005 to even
    EXPECT_EQ(Producto(c(u"0.0003"), c(u"0.5")).diezmilesimos(), 2);        // 0.00015 to even
    EXPECT_EQ(Producto(c(u"-0.0003"), c(u"0.5")).diezmilesimos(), -2);
    EXPECT_EQ(Producto(c(u"1234.5678"), c(u"19.8765")).ATexto(), "24538.8869");  // 24538.88687670
    EXPECT_THROW(Producto(Currency::DesdeDiezmilesimos(INT64_MAX), c(u"2")), ErrorEjecucion);
}

TEST(Moneda, PorcentajeExactoRedondeaLaMitadAPar) {
    const auto c = [](const char16_t* t) { return *Currency::DesdeTexto(t); };
    EXPECT_EQ(PorcentajeDe(c(u"1000"), Variant(16.0)).ATexto(), "160");
    EXPECT_EQ(PorcentajeDe(c(u"0.0001"), Variant(50.0)).diezmilesimos(), 0);   // 0.00005 to even
    EXPECT_EQ(PorcentajeDe(c(u"0.0003"), Variant(50.0)).diezmilesimos(), 2);   // 0.00015 to even
    EXPECT_EQ(PorcentajeDe(c(u"-0.0003"), Variant(50.0)).diezmilesimos(), -2);
    EXPECT_EQ(PorcentajeDe(c(u"0.0003"), Variant(-50.0)).diezmilesimos(), -2);
    EXPECT_EQ(PorcentajeDe(c(u"333.33"), Variant(10.6667)).ATexto(), "35.5553");  // 35.5553111
    EXPECT_THROW(PorcentajeDe(Currency::DesdeDiezmilesimos(INT64_MAX), Variant(200.0)), ErrorEjecucion);
}

TEST(Entero16, DesbordaConElError6) {
    Integer linea = 32767;
    try {
        linea += 1;
        FAIL() << "no desbordó";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.numero(), 6);
        EXPECT_EQ(e.descripcion(), "Desbordamiento");
    }
    EXPECT_EQ(linea.valor(), 32767);
    Integer y = 13000;
    y += 240;
    EXPECT_GT(y, 13000);
    EXPECT_THROW(Integer(-32769), ErrorEjecucion);
    EXPECT_NO_THROW(Integer(-32768));
}
