#include "component/Rutas.h"
#include "component/modConGastos.h"

#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace modConGastos;

namespace {

void Escribe(const QString& ruta, const QByteArray& contenido) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

}  // namespace

TEST(Rutas, BarrasInvertidasYMayusculasComoEnElOrigen) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Datos/Temp")));
    const QString raiz = dir.path();
    EXPECT_EQ(component::RutaLocal(raiz + QStringLiteral("\\DATOS\\TEMP\\")), raiz + QStringLiteral("/Datos/Temp/"));
    EXPECT_EQ(component::RutaLocal(raiz + QStringLiteral("\\datos\\\\temp\\0905071_1.emf")),
              raiz + QStringLiteral("/Datos/Temp/0905071_1.emf"));
    // A missing component stays as written, and so does everything after it.
    EXPECT_EQ(component::RutaLocal(raiz + QStringLiteral("\\Otra\\TEMP")), raiz + QStringLiteral("/Otra/TEMP"));
    EXPECT_EQ(component::RutaLocal(QStringLiteral("0905071_1.emf")), QStringLiteral("0905071_1.emf"));
}

TEST(LeeIni, ReglasDeBusqueda) {
    const QString perfil = QStringLiteral(
        "; comentario\r\n[Otra]\r\nDIRCONSULTAS=no\r\n[ varios ]\r\n dirConsultas =   C:\\Reportes\\  \r\n"
        "VACIA=\r\nLARGA=%1\r\n").arg(QString(300, u'x'));
    EXPECT_EQ(BuscaEnPerfil(perfil, QStringLiteral("VARIOS"), QStringLiteral("DIRCONSULTAS")), "C:\\Reportes\\");
    EXPECT_EQ(BuscaEnPerfil(perfil, QStringLiteral("VARIOS"), QStringLiteral("VACIA")), "");
    EXPECT_EQ(BuscaEnPerfil(perfil, QStringLiteral("VARIOS"), QStringLiteral("LARGA")).size(), 254);
    EXPECT_EQ(BuscaEnPerfil(perfil, QStringLiteral("VARIOS"), QStringLiteral("NADA")), "(error)");
    EXPECT_EQ(BuscaEnPerfil(perfil, QStringLiteral("NADA"), QStringLiteral("DIRCONSULTAS")), "(error)");
}

TEST(LeeIni, LeeElArchivoDeRutaBD) {
    QTemporaryDir dir;
    RutaBD = dir.path() + u'\\';  // the backslash is added even when RutaBD ends in one
    EXPECT_EQ(LeeIni(QStringLiteral("VARIOS"), QStringLiteral("DIRCONSULTAS")), "(error)");
    Escribe(dir.path() + QStringLiteral("/quirox.ini"), "[VARIOS]\nDIRCONSULTAS= /tmp/Año \n");
    EXPECT_EQ(LeeIni(QStringLiteral("VARIOS"), QStringLiteral("DIRCONSULTAS")), QStringLiteral("/tmp/Año"));
    Escribe(dir.path() + QStringLiteral("/quirox.ini"), "[VARIOS]\nDIRCONSULTAS=C:\\A\xf1o\n");  // Windows code page
    EXPECT_EQ(LeeIni(QStringLiteral("varios"), QStringLiteral("dirconsultas")), QStringLiteral("C:\\Año"));
    RutaBD.clear();
}

// A settings file that is no settings file is an error naming it and saying why, at once; a
// Unicode file is read as the original platform reads it.
TEST(LeeIni, UnArchivoQueNoEsDeConfiguracionEsUnErrorClaro) {
    QTemporaryDir dir;
    RutaBD = dir.path();
    const QString ini = dir.filePath(QStringLiteral("QUIROX.INI"));
    const auto error = [&]() -> QString {
        try {
            return QStringLiteral("sin error: ") + LeeIni(QStringLiteral("VARIOS"), QStringLiteral("DIRCONSULTAS"));
        } catch (const vb::ErrorEjecucion& e) {
            return QString::number(e.numero()) + u' ' + e.descripcion();
        }
    };
    const QString prefijo = QStringLiteral(" No se puede leer el archivo de configuración %1: ").arg(ini);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("QUIROX.INI")));
    EXPECT_EQ(error(), "75" + prefijo + "es una carpeta");
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("QUIROX.INI")));

    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);  // nobody ever writes to it
    EXPECT_EQ(error(), "75" + prefijo + "es una tubería o un socket, no un archivo");
    QFile::remove(ini);

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), ini));
    EXPECT_EQ(error(), "75" + prefijo + "es un dispositivo, no un archivo");
    QFile::remove(ini);

    {
        QFile grande(ini);
        ASSERT_TRUE(grande.open(QIODevice::WriteOnly) && grande.resize(qint64{3} << 30));  // sparse, 3 GiB
    }
    EXPECT_EQ(error(), "321" + prefijo + "mide más de 1048576 bytes");

    Escribe(ini, QByteArray("[VARIOS]\nDIRCONSULTAS=C:\\x\n") + QByteArray(4, '\0') + "ELF");
    EXPECT_EQ(error(), "321" + prefijo + "tiene datos binarios, no es texto");

    const QString texto = QStringLiteral("[VARIOS]\r\nDIRCONSULTAS= C:\\Año \r\n");
    for (const auto codificacion : {QStringConverter::Utf16LE, QStringConverter::Utf16BE, QStringConverter::Utf8}) {
        QStringEncoder codificador(codificacion, QStringEncoder::Flag::WriteBom);
        Escribe(ini, codificador.encode(texto));
        EXPECT_EQ(error(), QStringLiteral("sin error: C:\\Año")) << codificacion;
    }
    RutaBD.clear();
}

TEST(FechaSQL, LiteralPorMotor) {
    const vb::Variant dia(vb::Fecha{QDate(2024, 3, 1), QTime(17, 30)});
    ManejadorBD = 2;
    EXPECT_EQ(FechaSQL(dia), "#2024/03/01#");
    ManejadorBD = 3;
    EXPECT_EQ(FechaSQL(dia), "'20240301'");
    for (int motor : {0, 1, 255}) {
        ManejadorBD = motor;
        EXPECT_EQ(FechaSQL(dia), "'2024-03-01'");
    }
    ManejadorBD = 0;
}

TEST(SelloTiempo, HoraYEmpresa) {
    setenv("ZR_RELOJ", "2024-01-31T09:05:07", 1);
    EmpresaActual = 12;
    EXPECT_EQ(SelloTiempo(), "09050712");
    setenv("ZR_RELOJ", "2024-01-31T23:59:59", 1);
    EmpresaActual = 0;
    EXPECT_EQ(SelloTiempo(), "2359590");
    EmpresaActual = -3;
    EXPECT_EQ(SelloTiempo(), "235959-3");
    unsetenv("ZR_RELOJ");
    EmpresaActual = 0;
}
