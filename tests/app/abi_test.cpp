#include "BaseSqlite.h"
#include "anfitrion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// How many of this process's descriptors have the database file open: the component's
// connection keeps one while it is open.
int DescriptoresAbiertos(const QString& archivo) {
    const QString destino = QFileInfo(archivo).canonicalFilePath();
    int n = 0;
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files))
        if (fd.symLinkTarget() == destino) ++n;
    return n;
}

class Anfitrion : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CargaComponente(ZR_BIBLIOTECA, &e)) << "no se cargó " ZR_BIBLIOTECA; }
    EntradasComponente e{};
    BaseSqlite base{"CREATE TABLE tblEmpresa(COD_EMPRESA INTEGER);"};
    QByteArray cadena = base.Cadena().toUtf8();
};

}  // namespace

TEST_F(Anfitrion, CadenaInvalidaDevuelveCeroSinAbrirNada) {
    clsConsGT* c = e.Crear();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(e.MostrarConsulta(c, 0, "Provider=SQLite;Data Source=/no/existe.db", 0, 1, "", "/tmp"), 0);
    EXPECT_STREQ(e.UltimoError(c), "");
    EXPECT_EQ(e.MostrarConsulta(c, 1, "Driver={Nadie};Server=127.0.0.1", 0, 1, "", "/tmp"), 0);
    e.Liberar(c);
}

// Another type opens the connection and shows nothing; releasing the object that opened it closes it.
TEST_F(Anfitrion, SoloCierraLaConexionQueAbrioSuUltimaLlamada) {
    clsConsGT* abre = e.Crear();
    clsConsGT* falla = e.Crear();
    EXPECT_EQ(e.MostrarConsulta(abre, 2, cadena.constData(), 0, 1, "", "/tmp"), 0);
    EXPECT_EQ(DescriptoresAbiertos(base.Ruta()), 1);
    EXPECT_EQ(e.MostrarConsulta(falla, 2, "Provider=SQLite;Data Source=/no/existe.db", 0, 1, "", "/tmp"), 0);
    // The failed call closed the module connection before trying; a good call opens it again.
    EXPECT_EQ(DescriptoresAbiertos(base.Ruta()), 0);
    EXPECT_EQ(e.MostrarConsulta(abre, 2, cadena.constData(), 0, 1, "", "/tmp"), 0);
    e.Liberar(falla);
    EXPECT_EQ(DescriptoresAbiertos(base.Ruta()), 1);
    e.Liberar(abre);
    EXPECT_EQ(DescriptoresAbiertos(base.Ruta()), 0);
}

TEST_F(Anfitrion, ArgumentosNulosNoDerribanAlAnfitrion) {
    EXPECT_NE(e.MostrarConsulta(nullptr, 0, nullptr, 0, 0, nullptr, nullptr), 0);
    EXPECT_STREQ(e.UltimoError(nullptr), "");
    clsConsGT* c = e.Crear();
    EXPECT_EQ(e.MostrarConsulta(c, 2, nullptr, 0, 0, nullptr, nullptr), 0);
    e.Liberar(c);
    e.Liberar(nullptr);
}

TEST_F(Anfitrion, SinPantallaLaVentanaDevuelveUnErrorEnLugarDeAbortar) {
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(v);
    clsConsGT* c = e.Crear();
    for (int vez = 0; vez < 2; ++vez) {
        EXPECT_NE(e.MostrarConsulta(c, 0, cadena.constData(), 0, 1, "", "/tmp"), 0);
        EXPECT_STREQ(e.UltimoError(c), "No se puede mostrar la ventana de consultas: no hay pantalla (DISPLAY, "
                                       "WAYLAND_DISPLAY y QT_QPA_PLATFORM no están definidas)");
    }
    // A platform that shows no window to anyone, or that does not exist, is refused the same way.
    for (const char* plataforma : {"offscreen", "nada"}) {
        setenv("QT_QPA_PLATFORM", plataforma, 1);
        EXPECT_NE(e.MostrarConsulta(c, 0, cadena.constData(), 0, 1, "", "/tmp"), 0);
        EXPECT_TRUE(QString::fromUtf8(e.UltimoError(c)).startsWith(QStringLiteral("No se puede mostrar la ventana de consultas: QT_QPA_PLATFORM=")))
            << e.UltimoError(c);
    }
    unsetenv("QT_QPA_PLATFORM");
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    // The connection opened before the window was asked for; releasing the object closes it.
    EXPECT_EQ(DescriptoresAbiertos(base.Ruta()), 1);
    e.Liberar(c);
    EXPECT_EQ(DescriptoresAbiertos(base.Ruta()), 0);
}
