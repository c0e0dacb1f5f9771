#include "component/Rutas.h"
#include "component/modConGastos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
