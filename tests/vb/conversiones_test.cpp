#include "NumeroDeError.h"
#include "vb/Formato.h"
#include "vb/Variant.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Variant, CStrSigueLasReglasDelRuntime) {
    EXPECT_EQ(Variant(0.1 + 0.2).CStr(), "0.3");
    EXPECT_EQ(Variant(1234.5).CStr(), "1234.5");
    EXPECT_EQ(Variant(-0.25).CStr(), "-0.25");
    EXPECT_EQ(Variant(1e20).CStr(), "1E+20");
    EXPECT_EQ(Variant(100.0).CStr(), "100");
    EXPECT_EQ(Variant(0.0001).CStr(), "0.0001");
    EXPECT_EQ(Variant(QDate(2024, 2, 29)).CStr(), "29/02/2024");
    EXPECT_EQ(Variant(Fecha{QDate(2024, 1, 5), QTime(13, 4, 5)}).CStr(), "05/01/2024 13:04:05");
    EXPECT_EQ(Variant(int32_t(-7)).CStr(), "-7");
    EXPECT_EQ(Variant(true).CStr(), "Verdadero");
    EXPECT_EQ(Variant().CStr(), "");
    EXPECT_EQ(NumeroDeError([] { Variant::Null().CStr(); }), 94);
    EXPECT_EQ(Variant::Null().Texto(), "");
}

TEST(Variant, ConversionesNumericas) {
    EXPECT_EQ(Variant(2.5).CInt(), 2);   // half to even
    EXPECT_EQ(Variant(3.5).CInt(), 4);
    EXPECT_EQ(Variant(QStringLiteral(" 42 ")).CLng(), 42);
    EXPECT_EQ(NumeroDeError([] { Variant(40000.0).CInt(); }), 6);
    EXPECT_EQ(NumeroDeError([] { Variant(QStringLiteral("abc")).CDbl(); }), 13);
    EXPECT_EQ(Variant(QStringLiteral("12.345")).CCur().diezmilesimos(), 123450);
    EXPECT_TRUE(Variant(QStringLiteral("-1.5")).IsNumeric());
    EXPECT_FALSE(Variant(QStringLiteral("1-5")).IsNumeric());
    EXPECT_FALSE(Variant::Null().IsNumeric());
    EXPECT_FALSE(Variant(QDate(2024, 1, 1)).IsNumeric());
    EXPECT_EQ(Variant(QStringLiteral("2024-03-01")).CDate().dia, QDate(2024, 3, 1));
    EXPECT_EQ(Variant(QStringLiteral("Falso")).CBool(), false);
    EXPECT_EQ(Variant(int32_t(2)).CBool(), true);
}

TEST(Variant, ValLeeElNumeroInicial) {
    EXPECT_EQ(Val(u"01.0"), 1.0);
    EXPECT_EQ(Val(u"12abc"), 12.0);
    EXPECT_EQ(Val(u""), 0.0);
    EXPECT_EQ(Val(u"-3"), -3.0);
    EXPECT_EQ(Val(u" 1 2 "), 12.0);
    EXPECT_EQ(Val(u"2e3x"), 2000.0);
    EXPECT_EQ(Val(u"x1"), 0.0);
}

TEST(Formato, FechasYRelleno) {
    const Variant d(QDate(2024, 12, 5));
    EXPECT_EQ(Format(d, u"dd/mmm/yyyy"), "05/dic/2024");
    EXPECT_EQ(Format(Variant(QDate(2024, 1, 31)), u"dd/mmm/yyyy"), "31/ene/2024");
    EXPECT_EQ(Format(d, u"mmm/yyyy"), "dic/2024");
    EXPECT_EQ(Format(d, u"dd/mm/yyyy"), "05/12/2024");
    EXPECT_EQ(Format(d, u"yyyymmdd"), "20241205");
    EXPECT_EQ(Format(Variant(int32_t(7)), u"0#"), "07");
    EXPECT_EQ(Format(Variant(int32_t(23)), u"0#"), "23");
    EXPECT_EQ(Format(Variant(int32_t(123)), u"0#"), "123");
    EXPECT_EQ(NumeroDeError([&] { Format(d, u"hh:nn"); }), 5);
    QStringList meses;
    for (int m = 1; m <= 12; ++m) meses << AbreviaturaMes(m);
    EXPECT_EQ(meses.join(u' '), "ene feb mar abr may jun jul ago sep oct nov dic");
}
