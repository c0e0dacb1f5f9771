// `zrconsgt reporte` and `mostrar` run as a user runs them, on the demo company in a folder of
// their own: the listing, PDF, PNG and EMF outputs, settings reaching the report, and failures
// that end with exit code 1 and a message instead of a document.
#include "BaseSqlite.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <memory>
#include <vector>

namespace {

struct Resultado {
    int codigo = -1;
    QString salida;
    QString errores;
};

// The page count a listing starts with.
int PaginasDelListado(const QString& archivo) {
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readLine()).object()[u"pages"].toInt(-1) : -1;
}

QProcessEnvironment SinPantalla() {
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) entorno.remove(QString::fromLatin1(v));
    return entorno;
}

class Zrconsgt : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(raiz.isValid());
        const Resultado demo = Ejecuta({"demo", Demo()});
        ASSERT_EQ(demo.codigo, 0) << demo.errores.toStdString();
        cadena = demo.salida.trimmed();
    }

    QString Demo() const { return raiz.filePath(QStringLiteral("demo")); }
    QString Archivo(const QString& nombre) const { return raiz.filePath(nombre); }

    Resultado Ejecuta(const QStringList& args, const QProcessEnvironment& entorno = SinPantalla()) const {
        QProcess p;
        p.setProcessEnvironment(entorno);
        p.start(QStringLiteral(ZR_ZRCONSGT), args);
        Resultado r;
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return r;
        r.codigo = p.exitCode();
        r.salida = QString::fromLocal8Bit(p.readAllStandardOutput());
        r.errores = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // `reporte` on the demo company with these settings and outputs.
    Resultado Reporte(const QStringList& resto) const {
        return Ejecuta(QStringList{"reporte", "--conexion", cadena, "--ruta", Demo()} + resto);
    }

    // The demo company at scale 20, large enough for a run to be caught halfway; its connection.
    QString Grande() const {
        const Resultado demo = Ejecuta({"demo", Archivo("grande"), "--escala", "20"});
        EXPECT_EQ(demo.codigo, 0) << demo.errores.toStdString();
        return demo.salida.trimmed();
    }

    // Starts a run and waits, a minute at most, until `llego` holds; whether the run still goes on.
    static bool CorreHasta(QProcess& p, const QStringList& args, const std::function<bool()>& llego) {
        p.setProcessEnvironment(SinPantalla());
        p.start(QStringLiteral(ZR_ZRCONSGT), args);
        QElapsedTimer reloj;
        reloj.start();
        while (p.waitForStarted() && !llego() && p.state() == QProcess::Running && reloj.elapsed() < 60000)
            QThread::msleep(2);
        return p.state() == QProcess::Running;
    }

    // The page files the runs left behind.
    QStringList PaginasSueltas() const { return QDir(Demo() + QStringLiteral("/Temp")).entryList(QDir::Files); }

    QTemporaryDir raiz;
    QString cadena;
};

// On a terminal the run's progress is one line on the standard error, rewritten and wiped before
// the result; through a pipe only the result is written.
TEST_F(Zrconsgt, ElAvanceSoloSeEscribeEnUnaTerminal) {
    const QStringList args = {"reporte", "--conexion", cadena, "--ruta", Demo(), "--listado", Archivo("a.jsonl")};
    const Resultado tubo = Ejecuta(args);
    ASSERT_EQ(tubo.codigo, 0) << tubo.errores.toStdString();
    EXPECT_EQ(tubo.errores, "");

    // `script` runs the command on a pseudo-terminal and passes on what it wrote there.
    QString orden = QStringLiteral(ZR_ZRCONSGT);
    for (QString a : args) orden += QStringLiteral(" '") + a.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
    QProcess terminal;
    terminal.setProcessEnvironment(SinPantalla());
    terminal.start(QStringLiteral("script"), {"-qec", orden, "/dev/null"});
    ASSERT_TRUE(terminal.waitForFinished(120000));
    EXPECT_EQ(terminal.exitCode(), 0);
    const QString visto = QString::fromUtf8(terminal.readAllStandardOutput());
    static const QRegularExpression avance(
        QStringLiteral("^\r\\x1b\\[Kzrconsgt reporte: 1 página, [0-9,]+ registros leídos(\r\\x1b\\[K.*)*\r\\x1b\\[KPáginas: "));
    EXPECT_TRUE(avance.match(visto).hasMatch()) << visto.toStdString();
}

// What the tool is asked and how it ends: 0 with its text on the standard output, or 1 with the
// reason on the standard error, no listing and no page file left. Each setting's own refusals are
// the settings test's; here one of each way a run reaches the exit code.
TEST_F(Zrconsgt, ArgumentosTerminanConSuCodigoYSuMensaje) {
    QFile estorbo(Archivo("estorbo"));  // a file where a folder is asked for
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    // A folder where the first page's file should go; the message names it, unmangled.
    ASSERT_TRUE(QDir().mkpath(Archivo("emf/pagina_001.emf")));
    const QString listado = Archivo("l.jsonl"), sinBase = "Provider=SQLite;Data Source=" + Archivo("no-existe.db");
    const QStringList reporte = {"reporte", "--conexion", cadena, "--ruta", Demo()};
    const QStringList alListado = {"--listado", listado};
    const QString uso = QStringLiteral("Uso: zrconsgt mostrar");
    const struct {
        QStringList args;
        int codigo;
        QString mensaje;
    } casos[] = {
        {{"--help"}, 0, uso},
        {{"informe"}, 1, uso},
        {{"controles", "--conexion", cadena, "--ruta", Demo(), "--consulta", "9"}, 1,
         "zrconsgt controles: --consulta 9: cmbConsulta no tiene la entrada \"9\""},
        {reporte + QStringList{"--fijar", "cmbNoExiste=1"} + alListado, 1, "no tiene el control cmbNoExiste"},
        {reporte + QStringList{"--fijar", "cmbConsulta=Saldos", "--fijar", "cmbTipCatalogo=1"} + alListado, 1,
         "cmbTipCatalogo está deshabilitado"},
        {reporte + QStringList{"--fijar", "cmbTipCatalogo=1"}, 1, "falta al menos una salida"},
        // Reported by the run itself, through the message service, after the pages were drawn.
        {reporte + QStringList{"--listado", Archivo("estorbo/l.jsonl")}, 1, "No se pudo crear la carpeta"},
        {reporte + alListado + QStringList{"--emf", Archivo("emf")}, 1, "No se pudo grabar la página "},
        // With the provider's reason.
        {QStringList{"reporte", "--conexion", sinBase, "--ruta", Demo()} + alListado, 1,
         "no se pudo abrir la conexión \"" + sinBase + "\": [SQLite] No existe el archivo"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const Resultado r = Ejecuta(c.args);
        EXPECT_EQ(r.codigo, c.codigo);
        EXPECT_TRUE((c.codigo == 0 ? r.salida.startsWith(c.mensaje) : r.errores.contains(c.mensaje)))
            << r.salida.toStdString() << r.errores.toStdString();
        EXPECT_EQ(c.codigo == 0 ? r.errores : r.salida, "");
        EXPECT_TRUE(c.mensaje != uso || (c.codigo ? r.errores : r.salida).contains(QStringLiteral("zrconsgt controles")));
        EXPECT_FALSE(QFile::exists(listado));
    }
    EXPECT_EQ(PaginasSueltas(), QStringList());
    const Resultado version = Ejecuta({"--version"});
    EXPECT_EQ(version.codigo, 0);
    static const QRegularExpression forma(QStringLiteral(
        "^zrconsgt 6\\.\\d+\\.\\d+\nBiblioteca: libZRConsGT\\.so\\.6\nSQLite: 3\\.\\d+\\.\\d+\nQt: 6\\.\\d+\\.\\d+\n$"));
    EXPECT_TRUE(forma.match(version.salida).hasMatch()) << version.salida.toStdString();
}

// A run that fails while writing its outputs leaves every file the user had at their names as
// it was, devices included: only the names this run made are removed.
TEST_F(Zrconsgt, UnaSalidaFallidaNoTocaLosArchivosQueYaEstaban) {
    const auto escribe = [](const QString& archivo) {
        QFile f(archivo);
        return QDir().mkpath(QFileInfo(archivo).absolutePath()) && f.open(QIODevice::WriteOnly) && f.write("viejo") == 5;
    };
    const QStringList viejos = {Archivo("r.jsonl"), Archivo("r.pdf"), Archivo("r.xlsx"), Archivo("emf/pagina_001.emf"),
                                Archivo("png/pagina_001.png")};
    for (const QString& v : viejos) ASSERT_TRUE(escribe(v)) << v.toStdString();
    // The page after the first cannot be written: a folder holds its name.
    ASSERT_TRUE(QDir().mkpath(Archivo("png/pagina_002.png")));
    const QStringList salidas[] = {
        {"--listado", viejos[0], "--pdf", viejos[1], "--xlsx", viejos[2], "--emf", Archivo("emf"), "--csv", "/dev/full"},
        {"--listado", viejos[0], "--png", Archivo("png"), "--ppp", "30"},
    };
    for (const QStringList& s : salidas) {
        const Resultado r = Reporte(QStringList{"--fijar", "cmbTipCatalogo=1"} + s);
        EXPECT_EQ(r.codigo, 1) << r.errores.toStdString();
        for (const QString& v : viejos) {
            QFile f(v);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << v.toStdString();
            EXPECT_EQ(f.readAll(), "viejo") << v.toStdString();
        }
        EXPECT_EQ(QDir(Archivo("emf")).entryList(QDir::Files), QStringList{"pagina_001.emf"});
        EXPECT_EQ(QDir(Archivo("png")).entryList(QDir::Files), QStringList{"pagina_001.png"});
    }
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/full")).exists());
    EXPECT_TRUE(Reporte({"--fijar", "cmbTipCatalogo=1", "--csv", "/dev/full"}).errores.contains(QStringLiteral("error 61")));
    EXPECT_EQ(PaginasSueltas(), QStringList());
}

// The host's data with an infinite amount, a day that does not exist, a text where a number is:
// the run stops on the first with the error naming the column, the row and the value, and leaves
// no page file and no output. A text amount is the expense window's own test.
TEST_F(Zrconsgt, DatosQueNoSonDeSuTipoTerminanLaCorridaConColumnaYValor) {
    const QString base = Demo() + QStringLiteral("/demo.sqlite");
    const QString listado = Archivo("l.jsonl");
    const QStringList anio = {"--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31"};
#define UN_MOVIMIENTO_2025 "(SELECT MIN(NUM_MOV) FROM tblGastosEnc WHERE COD_ACRE='ACR0001' AND FEC_MOV LIKE '2025-%')"
    const QStringList tesoreriaMarzo = {"--ventana", "tesoreria", "--fijar", "cmbConsulta=Relación de Movimientos",
                                        "--fijar", "dtpFecha(0)=2025-03-01", "--fijar", "dtpFecha(1)=2025-03-31"};
    const QStringList saldos = {"--fijar", "cmbConsulta=Saldos"};
    const QStringList parametros = {"--fijar", "cmbTipCatalogo=Parámetros", "--fijar", "optTipo(0)=1"};
    const QStringList auxiliar = QStringList{"--fijar", "cmbConsulta=Auxiliar de Acreedores"} + anio;
    const struct {
        const char* dato;
        QStringList ajustes;
        const char* error;  // the message up to the row's key
        const char* valor;
    } casos[] = {
        // The last row the report prints, so pages are on disk when it is read.
        {"UPDATE tblIngreEgre SET IMP_MOV=9e999 WHERE MOVIMIENTO=(SELECT MAX(MOVIMIENTO) FROM tblIngreEgre WHERE "
         "FEC_MOV BETWEEN '2025-03-01' AND '2025-03-31')",
         tesoreriaMarzo, "error 6: Desbordamiento: tblIngreEgre, columna IMP_MOV, registro MOVIMIENTO=", ": Inf"},
        // Values only compared or computed inside SQL: they would drop a row or count as 0.
        {"UPDATE tblGastosEnc SET FEC_MOV='2025/11/30' WHERE NUM_MOV=" UN_MOVIMIENTO_2025, saldos,
         "error 13: No coinciden los tipos: tblGastosEnc, columna FEC_MOV, registro NUM_MOV=", ": '2025/11/30'"},
        {"UPDATE tblGastosEnc SET FEC_MOV=45000 WHERE NUM_MOV=" UN_MOVIMIENTO_2025, auxiliar,
         "error 13: No coinciden los tipos: tblGastosEnc, columna FEC_MOV, registro NUM_MOV=", ": 45000"},
        {"UPDATE tblGastosEnc SET COD_ESTATUS='uno' WHERE NUM_MOV=" UN_MOVIMIENTO_2025, auxiliar,
         "error 13: No coinciden los tipos: tblGastosEnc, columna COD_ESTATUS, registro NUM_MOV=", ": 'uno'"},
        {"UPDATE tblCatProveedor SET LIM_CRE='abc' WHERE COD_PROV='ACR0001'", parametros,
         "error 13: No coinciden los tipos: tblCatProveedor, columna LIM_CRE, registro COD_PROV='ACR0001'", ": 'abc'"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.dato);
        const QByteArray original = [&] {
            QFile f(base);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        ASSERT_EQ(EscribeSqlite(base, c.dato), 0);  // SQLITE_OK
        const Resultado r = Reporte(c.ajustes + QStringList{"--listado", listado});
        EXPECT_EQ(r.codigo, 1);
        EXPECT_TRUE(r.errores.contains(QString::fromUtf8(c.error)) && r.errores.contains(QString::fromUtf8(c.valor)))
            << r.errores.toStdString();
        EXPECT_FALSE(QFile::exists(listado));
        EXPECT_EQ(PaginasSueltas(), QStringList());
        QFile f(base);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(original) == original.size());
    }
#undef UN_MOVIMIENTO_2025
}

// Three different reports of the same company started in the same second: each gets its own
// pages, exactly as when it runs alone.
TEST_F(Zrconsgt, CorridasDelMismoSegundoTienenCadaUnaSusPaginas) {
    QProcessEnvironment entorno = SinPantalla();
    entorno.insert(QStringLiteral("ZR_RELOJ"), QStringLiteral("2024-03-01T09:05:07"));
    const QStringList formas[] = {{"--fijar", "cmbTipCatalogo=0", "--fijar", "optTipo(0)=1"},
                                  {"--fijar", "cmbTipCatalogo=1", "--fijar", "optTipo(0)=1"},
                                  {"--fijar", "cmbTipCatalogo=0", "--fijar", "optTipo(1)=1"}};
    const auto argumentos = [&](int i, const QString& sufijo) {
        return QStringList{"reporte", "--conexion", cadena, "--ruta", Demo()} + formas[i] +
               QStringList{"--listado", Archivo(QStringLiteral("%1%2.jsonl").arg(i).arg(sufijo))};
    };
    std::vector<std::unique_ptr<QProcess>> corridas;
    for (int i = 0; i < 3; ++i) {
        corridas.push_back(std::make_unique<QProcess>());
        corridas.back()->setProcessEnvironment(entorno);
        corridas.back()->start(QStringLiteral(ZR_ZRCONSGT), argumentos(i, QStringLiteral("-juntas")));
    }
    for (auto& c : corridas) {
        ASSERT_TRUE(c->waitForFinished(120000));
        EXPECT_EQ(c->exitCode(), 0) << c->readAllStandardError().toStdString();
    }
    for (int i = 0; i < 3; ++i) {
        const Resultado sola = Ejecuta(argumentos(i, QStringLiteral("-sola")), entorno);
        ASSERT_EQ(sola.codigo, 0) << sola.errores.toStdString();
        QFile juntas(Archivo(QStringLiteral("%1-juntas.jsonl").arg(i)));
        QFile aparte(Archivo(QStringLiteral("%1-sola.jsonl").arg(i)));
        ASSERT_TRUE(juntas.open(QIODevice::ReadOnly) && aparte.open(QIODevice::ReadOnly));
        EXPECT_TRUE(juntas.readAll() == aparte.readAll()) << i;
    }
    EXPECT_EQ(PaginasSueltas(), QStringList());
}

// A run ended by a signal while drawing, or while writing its outputs, leaves no page file and
// no output behind.
TEST_F(Zrconsgt, UnaCorridaInterrumpidaNoDejaNada) {
    const QString grande = Archivo(QStringLiteral("grande")), conexion = Grande(), temp = grande + QStringLiteral("/Temp");
    struct Caso {
        int senal;
        const char* esperaEn;  // the folder whose first file means the run is at that stage
    };
    for (const Caso& c : {Caso{SIGINT, "Temp"}, Caso{SIGTERM, "Temp"}, Caso{SIGHUP, "Temp"}, Caso{SIGTERM, "png"}}) {
        SCOPED_TRACE(c.senal);
        QDir(Archivo("png")).removeRecursively();
        const QString carpeta = QByteArray(c.esperaEn) == "Temp" ? temp : Archivo("png");
        QProcess p;
        ASSERT_TRUE(CorreHasta(p,
                               {"reporte", "--conexion", conexion, "--ruta", grande, "--fijar", "cmbTipCatalogo=0",
                                "--fijar", "optTipo(0)=1", "--listado", Archivo("l.jsonl"), "--pdf", Archivo("d.pdf"),
                                "--png", Archivo("png"), "--ppp", "30"},
                               [&] { return !QDir(carpeta).entryList(QDir::Files).isEmpty(); }))
            << "the run ended before it could be interrupted";
        ::kill(static_cast<pid_t>(p.processId()), c.senal);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(QDir(temp).entryList(QDir::Files), QStringList());
        EXPECT_EQ(QDir(Archivo("png")).entryList(QDir::Files), QStringList());
        EXPECT_FALSE(QFile::exists(Archivo("l.jsonl")));
        EXPECT_FALSE(QFile::exists(Archivo("d.pdf")));
        EXPECT_EQ(QDir(raiz.path()).entryList(QDir::Files), QStringList());
    }
}

// A stamp that a live run holds, as this test process holds it: its reservation, locked.
class SelloVivo {
public:
    SelloVivo(const QString& temp, const QString& sello) {
        fd_ = ::open(QFile::encodeName(temp + u'/' + sello + QStringLiteral(".reserva")).constData(),
                     O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        listo_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    }
    ~SelloVivo() { ::close(fd_); }
    bool Listo() const { return listo_; }

private:
    int fd_ = -1;
    bool listo_ = false;
};

bool Toca(const QString& archivo) {
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly);
}

// A run killed outright (SIGKILL, a power cut) leaves its pages; the next run in that folder
// sweeps them, and never a live run's pages or a file that no run reserved.
TEST_F(Zrconsgt, LasPaginasDeUnaCorridaMuertaSeBarrenAlEmpezarOtra) {
    const QString grande = Archivo(QStringLiteral("grande")), conexion = Grande(), temp = grande + QStringLiteral("/Temp");
    QProcess p;
    ASSERT_TRUE(CorreHasta(p,
                           {"reporte", "--conexion", conexion, "--ruta", grande, "--fijar", "cmbTipCatalogo=0",
                            "--fijar", "optTipo(0)=1", "--listado", Archivo("l.jsonl")},
                           [&] { return QDir(temp).entryList({"*.emf"}, QDir::Files).size() >= 3; }))
        << "the run ended before it could be killed";
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_GE(QDir(temp).entryList({"*.emf"}, QDir::Files).size(), 3);

    const SelloVivo vivo(temp, QStringLiteral("1111111"));
    ASSERT_TRUE(vivo.Listo());
    ASSERT_TRUE(Toca(temp + QStringLiteral("/1111111_1.emf")) && Toca(temp + QStringLiteral("/2222222_1.emf")));
    const Resultado otra = Ejecuta({"reporte", "--conexion", conexion, "--ruta", grande, "--fijar",
                                    "cmbTipCatalogo=1", "--listado", Archivo("otra.jsonl")});
    EXPECT_EQ(otra.codigo, 0) << otra.errores.toStdString();
    EXPECT_EQ(QDir(temp).entryList(QDir::Files, QDir::Name),
              (QStringList{"1111111.reserva", "1111111_1.emf", "2222222_1.emf"}));
}

// A run that is still deleting its pages keeps its stamp: another run of that same second takes
// the next one instead of meeting the first run's later pages.
TEST_F(Zrconsgt, UnSelloSigueReservadoMientrasQuedanPaginasDeSuCorrida) {
    QProcessEnvironment entorno = SinPantalla();
    entorno.insert(QStringLiteral("ZR_RELOJ"), QStringLiteral("2024-03-01T09:05:07"));
    const QString temp = Demo() + QStringLiteral("/Temp");
    const SelloVivo primera(temp, QStringLiteral("0905071"));  // its pages 1 and 2 are already gone
    ASSERT_TRUE(primera.Listo());
    ASSERT_TRUE(Toca(temp + QStringLiteral("/0905071_3.emf")));
    const Resultado r = Ejecuta({"reporte", "--conexion", cadena, "--ruta", Demo(), "--fijar", "cmbTipCatalogo=0",
                                 "--fijar", "optTipo(0)=1", "--listado", Archivo("l.jsonl")},
                                entorno);
    EXPECT_EQ(r.codigo, 0) << r.errores.toStdString();
    EXPECT_GE(PaginasDelListado(Archivo("l.jsonl")), 3);
    EXPECT_EQ(QDir(temp).entryList(QDir::Files, QDir::Name), (QStringList{"0905071.reserva", "0905071_3.emf"}));
}

// Listens where X clients look first for display :numero (the abstract socket) and answers the
// connection setup with `respuesta`, or never answers when it is empty.
class FalsoServidorX {
public:
    FalsoServidorX(int numero, QByteArray respuesta) : respuesta_(std::move(respuesta)) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un dir{};
        dir.sun_family = AF_UNIX;
        const QByteArray nombre = "/tmp/.X11-unix/X" + QByteArray::number(numero);
        std::memcpy(dir.sun_path + 1, nombre.constData(), static_cast<size_t>(nombre.size()));
        const auto largo = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<size_t>(nombre.size()));
        listo_ = ::bind(fd_, reinterpret_cast<const sockaddr*>(&dir), largo) == 0 && ::listen(fd_, 8) == 0;
        hilo_ = std::thread([this] { Atiende(); });
    }
    ~FalsoServidorX() {
        fin_ = true;
        hilo_.join();
        for (int c : clientes_) ::close(c);
        ::close(fd_);
    }
    bool Listo() const { return listo_; }
    int Respondidas() const { return respondidas_; }

private:
    void Atiende() {
        while (!fin_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) != 1) continue;
            const int c = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) continue;
            clientes_.push_back(c);
            // A server answers once the client has sent its setup; a probe that only connects sends none.
            pollfd pedido{c, POLLIN, 0};
            char setup[64];
            if (respuesta_.isEmpty() || ::poll(&pedido, 1, 1000) != 1 || ::read(c, setup, sizeof setup) <= 0) continue;
            [[maybe_unused]] const ssize_t n =
                ::send(c, respuesta_.constData(), static_cast<size_t>(respuesta_.size()), MSG_NOSIGNAL);
            ++respondidas_;
        }
    }

    QByteArray respuesta_;
    int fd_ = -1;
    bool listo_ = false;
    std::atomic<bool> fin_{false};
    std::atomic<int> respondidas_{0};
    std::vector<int> clientes_;
    std::thread hilo_;
};

// Whatever the display, `mostrar` ends with code 1 and says why, in a few seconds: no display,
// a platform that does not exist or shows no window to anyone, a socket that never answers as an
// X server, an X server that refuses us.
TEST_F(Zrconsgt, MostrarSinPantallaUtilLoDiceEnLugarDeAbortarOColgarse) {
    const int numero = 90 + static_cast<int>(::getpid() % 1000);
    // "Failed" with its reason, as a server answers a client without the right authorization.
    const QByteArray razon = "Authorization required..";  // 24 bytes, a multiple of 4
    QByteArray rechazo("\0", 1);
    rechazo += char(razon.size());
    rechazo += QByteArray("\x0b\0\0\0", 4);
    rechazo += char(razon.size() / 4);
    rechazo += '\0';
    rechazo += razon;
    const FalsoServidorX mudo(numero, {});
    const FalsoServidorX celoso(numero + 1, rechazo);
    ASSERT_TRUE(mudo.Listo() && celoso.Listo());

    struct Caso {
        const char* variable;
        QString valor;
        const char* mensaje;
    };
    const Caso casos[] = {
        {nullptr, {}, "no hay pantalla (DISPLAY, WAYLAND_DISPLAY y QT_QPA_PLATFORM no están definidas)"},
        {"QT_QPA_PLATFORM", QStringLiteral("nada"), "QT_QPA_PLATFORM=nada: no existe la plataforma nada"},
        {"QT_QPA_PLATFORM", QStringLiteral("offscreen"), "la plataforma offscreen no muestra ventanas a nadie"},
        {"QT_QPA_PLATFORM", QStringLiteral("minimal;nada"), "minimal no muestra ventanas a nadie; no existe la plataforma nada"},
        {"DISPLAY", QStringLiteral(":%1").arg(numero), "no respondió como un servidor X"},
        {"DISPLAY", QStringLiteral(":%1").arg(numero + 1), "rechazó la conexión"},
        {"DISPLAY", QStringLiteral(":%1").arg(numero + 2), "no se pudo abrir la pantalla DISPLAY="},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensaje);
        QProcessEnvironment entorno = SinPantalla();
        if (c.variable) entorno.insert(QString::fromLatin1(c.variable), c.valor);
        QElapsedTimer reloj;
        reloj.start();
        const Resultado r = Ejecuta({"mostrar", "gastos", "--conexion", cadena, "--ruta", Demo()}, entorno);
        EXPECT_LT(reloj.elapsed(), 15000);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_TRUE(r.errores.contains(QStringLiteral("No se puede mostrar la ventana de consultas: ")))
            << r.errores.toStdString();
        EXPECT_TRUE(r.errores.contains(QString::fromUtf8(c.mensaje))) << r.errores.toStdString();
    }
    // A refusal was asked again before it was believed: a busy server refuses now and then.
    EXPECT_GE(celoso.Respondidas(), 2);
}

// `controles` lists what the window holds after choosing the report: a setting it shows as
// enabled with its value and entries is one `reporte` accepts.
TEST_F(Zrconsgt, ControlesDiceLoQueFijarYMarcarPuedenCambiar) {
    const QStringList conexion = {"--conexion", cadena, "--ruta", Demo()};
    const Resultado saldos = Ejecuta(QStringList{"controles"} + conexion + QStringList{"--consulta", "Saldos"});
    ASSERT_EQ(saldos.codigo, 0) << saldos.errores.toStdString();
    const QStringList lineas = saldos.salida.split(u'\n');
    for (const char* linea : {"cmbConsulta: lista, habilitado, 3 \"Saldos\"", "  4 \"Reposición de Caja\"",
                              "chkSinSaldo: casilla, habilitado, 0", "cmbTipCatalogo: lista, deshabilitado, 0 \"Directorio\"",
                              "  G1 \"PROVEEDORES DE SERVICIOS\"", "    A1 \"MANTENIMIENTO Y LIMPIEZA\""})
        EXPECT_TRUE(lineas.contains(QString::fromUtf8(linea))) << linea;
    EXPECT_FALSE(saldos.salida.contains(QStringLiteral("lblDato"))) << "a label takes no setting";
    // The catalog, by position, enables what Saldos did not.
    const Resultado catalogo = Ejecuta(QStringList{"controles"} + conexion + QStringList{"--consulta", "0"});
    ASSERT_EQ(catalogo.codigo, 0) << catalogo.errores.toStdString();
    EXPECT_TRUE(catalogo.salida.contains(QStringLiteral("\ncmbTipCatalogo: lista, habilitado, 0 \"Directorio\"\n")));

    const QString listado = Archivo("saldos.jsonl");
    EXPECT_EQ(Reporte({"--fijar", "cmbConsulta=Saldos", "--fijar", "chkSinSaldo=1", "--marcar", "tvwGral(0):A1",
                       "--listado", listado})
                  .codigo,
              0);
    const Resultado tesoreria = Ejecuta(QStringList{"controles"} + conexion + QStringList{"--ventana", "tesoreria"});
    ASSERT_EQ(tesoreria.codigo, 0) << tesoreria.errores.toStdString();
    EXPECT_TRUE(tesoreria.salida.contains(QStringLiteral("\ncmbBancos: lista, "))) << tesoreria.salida.toStdString();
}

}  // namespace
