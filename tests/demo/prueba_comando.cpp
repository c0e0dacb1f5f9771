// `zrconsgt demo`, run as a user runs it.
#include "AyudaDemo.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Resultado {
    int codigo;
    QString salida, errores;
};

Resultado Zrconsgt(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZR_ZRCONSGT), args);
    p.waitForFinished(120'000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

TEST(ComandoDemo, ArgumentosInvalidosTerminanConCodigo1YUnMensaje) {
    QTemporaryDir dir;
    const QString carpeta = dir.filePath(QStringLiteral("d"));
    const QStringList malos[] = {
        {QStringLiteral("demo")},
        {QStringLiteral("demo"), carpeta, QStringLiteral("--escala")},
        {QStringLiteral("demo"), carpeta, QStringLiteral("--escala"), QStringLiteral("0")},
        {QStringLiteral("demo"), carpeta, QStringLiteral("--escala"), QStringLiteral("dos")},
        {QStringLiteral("demo"), carpeta, QStringLiteral("--postgres")},
        {QStringLiteral("demo"), carpeta, QStringLiteral("--color")},
        {QStringLiteral("demo"), carpeta, QStringLiteral("otra")},
    };
    for (const QStringList& args : malos) {
        const Resultado r = Zrconsgt(args);
        EXPECT_EQ(r.codigo, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.salida.isEmpty());
        EXPECT_TRUE(r.errores.startsWith(QStringLiteral("zrconsgt demo: "))) << r.errores.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(carpeta));
}

TEST(ComandoDemo, EscribeBaseIniTempYScriptEImprimeLaConexion) {
    QTemporaryDir dir;
    const QString carpeta = dir.filePath(QStringLiteral("empresa/nueva"));
    const QString script = dir.filePath(QStringLiteral("carga.sql"));
    for (int vez = 0; vez < 2; ++vez) {  // a second run replaces the first
        const Resultado r = Zrconsgt({QStringLiteral("demo"), carpeta, QStringLiteral("--postgres"), script});
        ASSERT_EQ(r.codigo, 0) << r.errores.toStdString();
        EXPECT_EQ(r.salida, QStringLiteral("Provider=SQLite;Data Source=%1/demo.sqlite\n").arg(carpeta));
    }
    QFile ini(carpeta + QStringLiteral("/QUIROX.INI"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(ini.readAll()), QStringLiteral("[VARIOS]\r\nDIRCONSULTAS=%1/Temp\r\n").arg(carpeta));
    EXPECT_TRUE(QFileInfo(carpeta + QStringLiteral("/Temp")).isDir());
    EXPECT_EQ(Cuenta(carpeta + QStringLiteral("/demo.sqlite"), QStringLiteral("SELECT COUNT(*) FROM tblCatProveedor")), 40);
    EXPECT_GT(QFileInfo(script).size(), 100'000);
    QStringList archivos = QDir(carpeta).entryList(QDir::Files);  // nothing half-written is left behind
    archivos.sort();
    EXPECT_EQ(archivos, QStringList({QStringLiteral("QUIROX.INI"), QStringLiteral("demo.sqlite")}));
}

TEST(ComandoDemo, UnaRutaImposibleTerminaConCodigo1SinDejarUnaBaseAMedias) {
    QTemporaryDir dir;
    QFile archivo(dir.filePath(QStringLiteral("soy_un_archivo")));
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    Resultado r = Zrconsgt({QStringLiteral("demo"), archivo.fileName() + QStringLiteral("/demo")});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.errores.contains(QStringLiteral("No se pudo crear"))) << r.errores.toStdString();

    const QString carpeta = dir.filePath(QStringLiteral("empresa"));
    r = Zrconsgt({QStringLiteral("demo"), carpeta, QStringLiteral("--postgres"), archivo.fileName() + QStringLiteral("/x.sql")});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.salida.isEmpty());
    EXPECT_TRUE(QDir(carpeta).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}
