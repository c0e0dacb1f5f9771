// The headless run of the library, as a host without a display calls it on the demo company.
#include "anfitrion.h"
#include "demo/Demo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class ReporteSinPantalla : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(v);
        demo_ = new QTemporaryDir;
        cadena_ = new QByteArray(demo::GeneraDemo(demo_->path(), 1).toUtf8());
        ASSERT_TRUE(QDir(demo_->path()).mkpath(QStringLiteral("Temp")));
        QFile ini(demo_->filePath(QStringLiteral("QUIROX.INI")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[VARIOS]\r\nDIRCONSULTAS=" + demo_->filePath(QStringLiteral("Temp")).toUtf8() + "\r\n");
    }
    static void TearDownTestSuite() {
        delete cadena_;
        delete demo_;
    }
    void SetUp() override {
        ASSERT_TRUE(CargaComponente(ZR_BIBLIOTECA, &e));
        c = e.Crear();
    }
    void TearDown() override { e.Liberar(c); }

    int32_t Genera(int32_t ventana, std::initializer_list<const char*> ajustes,
                   std::initializer_list<const char*> salidas, int32_t* paginas = nullptr) {
        std::vector<const char*> a(ajustes), s(salidas);
        a.push_back(nullptr);
        s.push_back(nullptr);
        return e.GeneraReporte(c, ventana, cadena_->constData(), 0, 1, ruta.constData(), a.data(), s.data(), paginas);
    }
    QString Archivo(const char* nombre) const { return salida.filePath(QString::fromUtf8(nombre)); }

    static QTemporaryDir* demo_;
    static QByteArray* cadena_;
    QByteArray ruta = demo_->path().toUtf8();
    EntradasComponente e{};
    clsConsGT* c = nullptr;
    QTemporaryDir salida;
};
QTemporaryDir* ReporteSinPantalla::demo_ = nullptr;
QByteArray* ReporteSinPantalla::cadena_ = nullptr;

// What the process writes to its standard output and error while this lives, kept in a file.
class FlujosDelAnfitrion {
public:
    FlujosDelAnfitrion() : archivo_(std::tmpfile()) {
        std::fflush(nullptr);
        for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
            antes_[fd - 1] = ::dup(fd);
            ::dup2(::fileno(archivo_), fd);
        }
    }
    ~FlujosDelAnfitrion() { Restaura(); }
    FlujosDelAnfitrion(const FlujosDelAnfitrion&) = delete;
    FlujosDelAnfitrion& operator=(const FlujosDelAnfitrion&) = delete;

    // Gives the streams back and returns what they received.
    std::string Restaura() {
        if (!archivo_) return {};
        std::fflush(nullptr);
        for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
            ::dup2(antes_[fd - 1], fd);
            ::close(antes_[fd - 1]);
        }
        std::string texto;
        std::rewind(archivo_);
        for (int c; (c = std::fgetc(archivo_)) != EOF;) texto += static_cast<char>(c);
        std::fclose(archivo_);
        archivo_ = nullptr;
        return texto;
    }

private:
    std::FILE* archivo_;
    int antes_[2] = {-1, -1};
};

void GuardaMensaje(const char* texto, void* datos) { static_cast<std::vector<std::string>*>(datos)->push_back(texto); }

QByteArray PrimeraLinea(const QString& archivo) {
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed() : QByteArray();
}

}  // namespace

TEST_F(ReporteSinPantalla, EscribeLasSalidasPedidasYDiceLasPaginas) {
    const QByteArray listado = Archivo("parametros.jsonl").toUtf8(), pdf = Archivo("parametros.pdf").toUtf8();
    const QByteArray salidaListado = "listado=" + listado, salidaPdf = "pdf=" + pdf;
    const QByteArray salidaPng = "png=" + Archivo("png").toUtf8();  // painted, so it needs an application
    int32_t paginas = 0;
    ASSERT_EQ(Genera(ConsultasDeGastos, {"cmbTipCatalogo=Parámetros", "optTipo(1)=1", "tvwGral(0):G1"},
                     {salidaListado.constData(), salidaPdf.constData(), salidaPng.constData(), "ppp=30"}, &paginas),
              0)
        << e.UltimoError(c);
    EXPECT_STREQ(e.UltimoError(c), "");
    EXPECT_GT(paginas, 0);
    EXPECT_EQ(PrimeraLinea(QString::fromUtf8(listado)), "{\"pages\":" + QByteArray::number(paginas) + "}");
    EXPECT_TRUE(PrimeraLinea(QString::fromUtf8(pdf)).startsWith("%PDF"));
    EXPECT_EQ(QDir(Archivo("png")).entryList(QDir::Files).size(), paginas);

    const QByteArray csv = "csv=" + Archivo("bancos.csv").toUtf8();
    EXPECT_EQ(Genera(ConsultasDeTesoreria, {"cmbConsulta=0"}, {csv.constData()}, &paginas), 0) << e.UltimoError(c);
    EXPECT_TRUE(QFile::exists(Archivo("bancos.csv")));
}

TEST_F(ReporteSinPantalla, ArgumentosMalosDevuelvenErrorConSuMotivo) {
    const QByteArray listado = "listado=" + Archivo("x.jsonl").toUtf8();
    const char* unaSalida[] = {listado.constData(), nullptr};
    int32_t paginas = -7;
    EXPECT_EQ(e.GeneraReporte(nullptr, 0, cadena_->constData(), 0, 1, ruta.constData(), nullptr, unaSalida, &paginas), 5);
    EXPECT_EQ(paginas, 0);
    EXPECT_EQ(e.GeneraReporte(c, 0, nullptr, 0, 1, ruta.constData(), nullptr, unaSalida, nullptr), 5);
    EXPECT_STREQ(e.UltimoError(c), "falta la cadena de conexión");
    EXPECT_EQ(e.GeneraReporte(c, 0, cadena_->constData(), 0, 1, nullptr, nullptr, unaSalida, nullptr), 5);
    EXPECT_EQ(Genera(7, {}, {listado.constData()}), 5);
    EXPECT_STREQ(e.UltimoError(c), "ConsultaActiva debe ser 0 (gastos) o 1 (tesorería), no 7");
    EXPECT_EQ(Genera(0, {}, {}), 5);
    EXPECT_STREQ(e.UltimoError(c), "falta al menos una salida: listado, pdf, pdfa, png, emf, xlsx o csv");
    EXPECT_EQ(Genera(0, {}, {"png=/tmp/x", "ppp=9000"}), 5);
    EXPECT_EQ(Genera(0, {"sinSigno"}, {listado.constData()}), 5);
    EXPECT_FALSE(QFile::exists(Archivo("x.jsonl")));
    // Unknown outputs and settings, a folder that cannot be made and a base that cannot be opened
    // are the errors the streams test walks through.
}

// A host asks as often as it likes: each painted run makes its own offscreen application, and
// its message handler is the host's again afterwards (a second run once took xcb and looped).
TEST_F(ReporteSinPantalla, LasSalidasPintadasSePidenUnaYOtraVez) {
    const QtMessageHandler delAnfitrion = [](QtMsgType, const QMessageLogContext&, const QString&) {};
    qInstallMessageHandler(delAnfitrion);
    const QByteArray pdfa = "pdfa=" + Archivo("a.pdf").toUtf8(), png = "png=" + Archivo("png").toUtf8();
    for (const QByteArray& salida : {pdfa, png, pdfa, png}) {
        ASSERT_EQ(Genera(ConsultasDeGastos, {"cmbTipCatalogo=1"}, {salida.constData(), "ppp=30"}), 0) << e.UltimoError(c);
        EXPECT_EQ(QCoreApplication::instance(), nullptr);
        EXPECT_EQ(qInstallMessageHandler(delAnfitrion), delAnfitrion);
    }
    qInstallMessageHandler(nullptr);
    EXPECT_TRUE(PrimeraLinea(Archivo("a.pdf")).startsWith("%PDF"));
}

// A library must leave its host's streams alone: the errors of a run, whether its arguments, its
// connection, a setting, the run's own messages or the painting application it brings up, reach
// the host through the return, clsConsGT_UltimoError and the callback it chose, once each. The
// window asked for after those runs is refused as before them: they gave the host's services back.
TEST_F(ReporteSinPantalla, LosErroresNoEscribenNadaEnLosFlujosDelAnfitrion) {
    QFile estorbo(Archivo("estorbo"));  // a file where a folder is asked for
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    const QByteArray listado = "listado=" + Archivo("l.jsonl").toUtf8(),
                     bajoArchivo = "listado=" + Archivo("estorbo/l.jsonl").toUtf8(),
                     pdfaBajoArchivo = "pdfa=" + Archivo("estorbo/l.pdf").toUtf8();
    // The painted output goes last and once: it brings up the run's own Qt application.
    const auto errores = [&](bool pinta) {
        std::vector<int32_t> r{
            Genera(0, {}, {bajoArchivo.constData()}),
            Genera(0, {"cmbNoExiste=1"}, {listado.constData()}),
            Genera(0, {}, {"hoja=x"}),
            e.GeneraReporte(c, 0, "Provider=SQLite;Data Source=/no/existe.db", 0, 1, ruta.constData(), nullptr,
                            nullptr, nullptr),
            e.MostrarConsulta(c, 0, cadena_->constData(), 0, 1, "", ruta.constData()),
        };
        if (pinta) r.push_back(Genera(0, {}, {pdfaBajoArchivo.constData()}));
        return r;
    };

    FlujosDelAnfitrion sinFuncion;
    const std::vector<int32_t> primeros = errores(false);
    EXPECT_EQ(sinFuncion.Restaura(), "");

    std::vector<std::string> mensajes;
    e.FijaMensajes(c, GuardaMensaje, &mensajes);
    FlujosDelAnfitrion conFuncion;
    const std::vector<int32_t> segundos = errores(true);
    EXPECT_EQ(conFuncion.Restaura(), "");

    EXPECT_EQ(primeros, std::vector<int32_t>(segundos.begin(), segundos.end() - 1));
    for (int32_t numero : segundos) EXPECT_NE(numero, 0);
    ASSERT_EQ(mensajes.size(), segundos.size());
    EXPECT_EQ(mensajes[0].rfind("error 76: No se pudo crear la carpeta", 0), 0u) << mensajes[0];
    EXPECT_NE(mensajes[1].find("cmbNoExiste"), std::string::npos) << mensajes[1];
    EXPECT_EQ(mensajes[2], "error 5: salida desconocida: \"hoja\" (listado, pdf, pdfa, png, emf, xlsx, csv o ppp)");
    EXPECT_NE(mensajes[4].find("no hay pantalla"), std::string::npos) << mensajes[4];
    EXPECT_EQ(mensajes[5].rfind("error 76: No se pudo crear la carpeta", 0), 0u) << mensajes[5];
    for (std::size_t i = 0; i < mensajes.size(); ++i)
        EXPECT_EQ(mensajes[i].rfind("error " + std::to_string(segundos[i]) + ": ", 0), 0u) << mensajes[i];
    EXPECT_FALSE(QFile::exists(Archivo("l.jsonl")));

    e.FijaMensajes(c, nullptr, nullptr);
    EXPECT_NE(Genera(0, {}, {"hoja=x"}), 0);
    EXPECT_EQ(mensajes.size(), segundos.size());
}
