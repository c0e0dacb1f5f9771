// The MariaDB load script: every value written as a literal the server reads back unchanged
// under NO_BACKSLASH_ESCAPES, which the script sets before its first row.
#include "demo/Demo.h"
#include "demo/DestinoMariaDB.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ScriptMariaDB, LiteralesQueElServidorLeeTalCual) {
    EXPECT_EQ(demo::LiteralMariaDB(demo::Nulo), "NULL");
    EXPECT_EQ(demo::LiteralMariaDB(demo::Valor("O'Brien \\' ; --")), "'O''Brien \\'' ; --'");
    EXPECT_EQ(demo::LiteralMariaDB(demo::Valor(QStringLiteral("Peña"))), QByteArray("'Pe\xC3\xB1" "a'"));
    EXPECT_EQ(demo::LiteralMariaDB(demo::Valor(QDate(2025, 2, 28))), "'2025-02-28'");
    EXPECT_EQ(demo::LiteralMariaDB(demo::Valor(demo::Dinero{-12345})), "-1.2345");
    EXPECT_EQ(demo::LiteralMariaDB(demo::Valor(true)), "1");
    EXPECT_EQ(demo::LiteralMariaDB(demo::Valor(int64_t{5000000000})), "5000000000");
}

TEST(ScriptMariaDB, ElModoSinEscapesVaAntesDeLasFilas) {
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("m.sql"));
    demo::EscribeScriptMariaDB(archivo, 1, QDate(2026, 12, 5));
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray texto = f.readAll();
    const qsizetype modo = texto.indexOf("NO_BACKSLASH_ESCAPES");
    ASSERT_GE(modo, 0);
    EXPECT_LT(modo, texto.indexOf("INSERT INTO"));
    EXPECT_LT(texto.indexOf("START TRANSACTION"), texto.indexOf("INSERT INTO"));
    EXPECT_GT(texto.indexOf("COMMIT;"), texto.lastIndexOf("INSERT INTO"));
}
