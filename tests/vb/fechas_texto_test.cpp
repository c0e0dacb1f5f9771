#include "vb/ErrorEjecucion.h"
#include "vb/Fechas.h"
#include "vb/Texto.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Fechas, DateSerialConDiaCeroYDesbordes) {
    EXPECT_EQ(DateSerial(2024, 3, 0), QDate(2024, 2, 29));   // leap year
    EXPECT_EQ(DateSerial(2023, 3, 0), QDate(2023, 2, 28));
    EXPECT_EQ(DateSerial(2024, 13, 1), QDate(2025, 1, 1));
    EXPECT_EQ(DateSerial(2024, 1, 0), QDate(2023, 12, 31));
    EXPECT_EQ(DateSerial(2024, 0, 15), QDate(2023, 12, 15));
    EXPECT_EQ(DateSerial(2024, -1, 1), QDate(2023, 11, 1));
    EXPECT_EQ(DateSerial(2024, 2, 30), QDate(2024, 3, 1));
    EXPECT_EQ(DateSerial(2100, 3, 0), QDate(2100, 2, 28));   // not a leap year
    EXPECT_EQ(DateSerial(24, 1, 1), QDate(2024, 1, 1));
}

TEST(Fechas, ElRelojSePuedeFijar) {
    setenv("ZR_RELOJ", "2024-02-29T09:05:07", 1);
    EXPECT_EQ(Hoy(), QDate(2024, 2, 29));
    EXPECT_EQ(HoraActual(), QTime(9, 5, 7));
    unsetenv("ZR_RELOJ");
    EXPECT_EQ(Hoy(), QDate::currentDate());
}

TEST(Texto, CuentaUnidadesUtf16) {
    const QString nombre = QStringLiteral("ÑOÑO Y ASOCIADOS DE LA PEÑA, S.A. DE C.V.");
    EXPECT_EQ(Left(nombre, 33), QStringLiteral("ÑOÑO Y ASOCIADOS DE LA PEÑA, S.A."));
    EXPECT_EQ(Left(nombre, 33).size(), 33);
    EXPECT_EQ(Left(QStringLiteral("ÉXITO"), 2), QStringLiteral("ÉX"));
    EXPECT_EQ(Right(QStringLiteral("AÑO"), 2), QStringLiteral("ÑO"));
    EXPECT_EQ(Left(QStringLiteral("abc"), 10), "abc");
    EXPECT_THROW(Left(nombre, -1), ErrorEjecucion);
    EXPECT_EQ(Mid(QStringLiteral("Peñasco"), 3, 3), QStringLiteral("ñas"));
}

TEST(Texto, TrimQuitaSoloEspacios) {
    EXPECT_EQ(Trim(QStringLiteral("  C:\\Temp  ")), "C:\\Temp");
    EXPECT_EQ(Trim(QStringLiteral("\tx\t")), "\tx\t");
    EXPECT_EQ(Trim(QStringLiteral("    ")), "");
    EXPECT_EQ(LTrim(QStringLiteral("  a ")), "a ");
    EXPECT_EQ(RTrim(QStringLiteral("  a ")), "  a");
}
