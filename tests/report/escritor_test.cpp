#include "DoblesVentanas.h"
#include "component/DatosEmpresa.h"
#include "component/modConGastos.h"
#include "controles/Screen.h"
#include "report/EscritorPaginas.h"
#include "report/Superficie.h"
#include "report/frmPreview.h"
#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace report;

namespace {

// A window with the expense window's page-file rules and a report routine the test supplies.
class VentanaPrueba : public controles::Form, public EscritorPaginas {
public:
    VentanaPrueba() : controles::Form(QStringLiteral("frmPrueba")) {}
    std::function<void()> reporte;
    bool conEncabezado = true;  // whether the report has headings for its new pages

protected:
    QString DirectorioPaginas() const override { return modConGastos::DirConsultas; }
    void PreparaConsulta() override { LeeDirConsultas(); }
    QDate FechaConsulta(int indice) const override { return indice == 0 ? QDate(2024, 1, 1) : QDate(2024, 1, 31); }
    void ImprimeConsulta() override {
        if (reporte) reporte();
    }
    void EncabezadosNuevaPagina() override {
        if (conEncabezado) EncabezadoPagina(QStringLiteral("Prueba"));
    }
};

// What the preview held when it was shown.
struct Vista {
    Documento documento;
    QString etiqueta;
    int pagina = 0;
    int puntero = -1;
};

class Escritor : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("ZR_RELOJ", "2024-03-01T09:05:07");
        ASSERT_TRUE(raiz.isValid());
        QDir(raiz.path()).mkdir(QStringLiteral("Paginas"));
        modConGastos::RutaBD = raiz.path();
        modConGastos::EmpresaActual = 12;
        modConGastos::ManejadorBD = 3;
        FijaDirConsultas(raiz.path() + QStringLiteral("\\PAGINAS"));
        using namespace modConGastos;
        ImprimeNombreEmpresa = ImprimeNombreComercial = false;
        DireccionEmpresa = QStringLiteral("Calle 1");
        NombreEmpresa = NombreComercial = RegistroEmpresa1 = RegistroEmpresa2 = RegistroEmpresa3 = TelefonosEmpresa = {};
        dobles::InstalaMensajes(guion);
        controles::FijaPuertoUI(&puerto);
        puerto.alMostrar = [this](controles::Form& f) {
            auto& preview = dynamic_cast<frmPreview&>(f);
            vista = {preview.Preview.Paginas(), preview.lblPagina.Caption(), preview.Preview.PreviewPage(),
                     controles::Screen.MousePointer()};
            mostrada = frmPreview::Predeterminada();
            preview.cmdFunciones(6).UserClick();
        };
    }
    void TearDown() override {
        controles::FijaPuertoUI(nullptr);
        component::ServiciosAnfitrion().mensajes = nullptr;
        qunsetenv("ZR_RELOJ");
    }

    void FijaDirConsultas(const QString& valor) { ASSERT_TRUE(dobles::EscribeIni(raiz.path(), valor)); }
    QStringList EnPaginas() const { return QDir(raiz.filePath(QStringLiteral("Paginas"))).entryList(QDir::Files, QDir::Name); }
    // The page files alone, without the run's stamp reservation beside them.
    QStringList PaginasEnCurso() const {
        return QDir(raiz.filePath(QStringLiteral("Paginas"))).entryList({"*.emf"}, QDir::Files, QDir::Name);
    }

    // Draws `paginas` pages, each with its heading and one line naming it; `antesDeLaUltima`
    // runs once the last page is open.
    void ReporteDe(int paginas, std::function<void()> antesDeLaUltima = {}) {
        ventana.reporte = [this, paginas, antesDeLaUltima] {
            ventana.EncabezadoPagina(QStringLiteral("Prueba"));
            for (int p = 1; p <= paginas; ++p) {
                if (p == paginas && antesDeLaUltima) antesDeLaUltima();
                ventana.Superficie->PrintText(0, ventana.LineaActual, QStringLiteral("Línea de la página %1").arg(p));
                ventana.LineaActual += 240;
                if (p < paginas) ventana.NuevaPagina();
            }
        };
    }

    QTemporaryDir raiz;
    dobles::Guion guion;
    dobles::PuertoModal puerto;
    VentanaPrueba ventana;
    Vista vista;
    std::weak_ptr<frmPreview> mostrada;
};

class PaginasDelReporte : public Escritor, public ::testing::WithParamInterface<int> {};

}  // namespace

TEST_P(PaginasDelReporte, CadaPaginaLlevaSuNumeroYNoQuedanArchivos) {
    const int m = GetParam();
    QStringList duranteElDibujo;
    ReporteDe(m, [&] { duranteElDibujo = PaginasEnCurso(); });

    ventana.GeneraConsulta();

    QStringList esperados;
    for (int n = 1; n < m; ++n) esperados << QStringLiteral("09050712_%1.emf").arg(n);
    esperados.sort();
    EXPECT_EQ(duranteElDibujo, esperados);
    EXPECT_TRUE(EnPaginas().isEmpty());
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
    EXPECT_EQ(ventana.FechaInicial, "'20240101'");
    EXPECT_EQ(ventana.FechaFinal, "'20240131'");

    ASSERT_EQ(puerto.veces, 1);
    EXPECT_EQ(vista.etiqueta, QStringLiteral("1/%1").arg(m));
    EXPECT_EQ(vista.pagina, 1);
    EXPECT_EQ(vista.puntero, 0);
    ASSERT_EQ(vista.documento.size(), static_cast<size_t>(m));
    for (int n = 1; n <= m; ++n) {
        const Pagina& pagina = vista.documento[static_cast<size_t>(n - 1)];
        const QStringList textos = dobles::Textos(pagina);
        EXPECT_TRUE(textos.contains(QStringLiteral("Línea de la página %1").arg(n))) << n;
        EXPECT_TRUE(textos.contains(QStringLiteral("Reporte :Prueba"))) << n;
        EXPECT_EQ(textos.filter(QStringLiteral("Página  :")).size(), 1) << n;
        EXPECT_EQ(std::get<Texto>(pagina.back()),
                  (Texto{7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(m), 0xFF0000, false, 8, 0}));
    }
    // The preview of this run is gone; the next run gets a fresh one.
    EXPECT_TRUE(mostrada.expired());
    EXPECT_FALSE(ventana.Superficie);
    EXPECT_EQ(controles::Screen.MousePointer(), 0);
}

INSTANTIATE_TEST_SUITE_P(TresYCuarenta, PaginasDelReporte, ::testing::Values(3, 40));

TEST_F(Escritor, SinReporteOSinEncabezadosLaPaginaNoLlevaEncabezado) {
    ventana.GeneraConsulta();  // nothing chosen: one empty page, numbered
    ASSERT_EQ(vista.documento.size(), 1u);
    EXPECT_EQ(dobles::Textos(vista.documento[0]), QStringList{QStringLiteral("Página  : 1 / 1")});

    ventana.conEncabezado = false;
    ventana.reporte = [&] {
        ventana.EncabezadoPagina(QStringLiteral("Prueba"));
        ventana.NuevaPagina();
        ventana.Superficie->PrintText(0, ventana.LineaActual, QString::number(ventana.LineaActual));
    };
    ventana.GeneraConsulta();
    ASSERT_EQ(vista.documento.size(), 2u);
    EXPECT_EQ(dobles::Textos(vista.documento[1]), (QStringList{"0", QStringLiteral("Página  : 2 / 2")}));
}

TEST_F(Escritor, UnErrorDelReporteTerminaLaCorridaSinArchivosNiVista) {
    bool dibujoLaPrimera = false;
    ventana.reporte = [&] {
        ventana.EncabezadoPagina(QStringLiteral("Prueba"));
        ventana.NuevaPagina();
        dibujoLaPrimera = PaginasEnCurso().size() == 1;
        throw vb::ErrorEjecucion(3021, QStringLiteral("No hay registro actual"));
    };
    ventana.GeneraConsulta();

    EXPECT_TRUE(dibujoLaPrimera);
    EXPECT_TRUE(EnPaginas().isEmpty());
    EXPECT_EQ(guion.errores, QStringList{QStringLiteral("3021 No hay registro actual")});
    EXPECT_EQ(puerto.veces, 0);
    EXPECT_EQ(controles::Screen.MousePointer(), 0);
    EXPECT_FALSE(ventana.Superficie);

    // The window stays usable: the next run starts from a fresh, empty preview.
    ReporteDe(1);
    ventana.GeneraConsulta();
    ASSERT_EQ(puerto.veces, 1);
    EXPECT_EQ(vista.documento.size(), 1u);
}

// The host's progress view, scripted: what it was told, and the page at which the user cancels.
struct ProgresoGuionado : component::ProgresoCorrida {
    ProgresoGuionado(std::vector<int32_t>& paginas, int32_t cancelaEn, int& vivos)
        : paginas(paginas), cancelaEn(cancelaEn), vivos(++vivos) {}
    ~ProgresoGuionado() override { --vivos; }
    bool Avanza(const component::AvanceCorrida& a) override {
        paginas.push_back(a.paginas);
        return a.paginas != cancelaEn;
    }
    std::vector<int32_t>& paginas;
    int32_t cancelaEn;
    int& vivos;
};

TEST_F(Escritor, CanceladaEnLaTerceraPaginaNoDejaArchivosNiVistaYLaSiguienteCorre) {
    std::vector<int32_t> avisadas;
    int cancelaEn = 3, vistasVivas = 0, vivasAlMostrar = -1;
    component::ServiciosAnfitrion().progreso = [&] {
        return std::make_unique<ProgresoGuionado>(avisadas, cancelaEn, vistasVivas);
    };
    ReporteDe(6);
    ventana.GeneraConsulta();
    EXPECT_EQ(avisadas, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_TRUE(EnPaginas().isEmpty());
    EXPECT_EQ(puerto.veces, 0);
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();  // the user asked for it
    EXPECT_FALSE(ventana.Superficie);
    EXPECT_EQ(controles::Screen.MousePointer(), 0);
    EXPECT_EQ(vistasVivas, 0);

    // The next run is whole, and its progress view is gone before the preview shows.
    avisadas.clear();
    cancelaEn = -1;
    const auto cierra = puerto.alMostrar;
    puerto.alMostrar = [&](controles::Form& f) {
        vivasAlMostrar = vistasVivas;
        cierra(f);
    };
    ventana.GeneraConsulta();
    EXPECT_EQ(avisadas, (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(puerto.veces, 1);
    EXPECT_EQ(vista.documento.size(), 6u);
    EXPECT_EQ(vivasAlMostrar, 0);
    EXPECT_TRUE(EnPaginas().isEmpty());
    component::ServiciosAnfitrion().progreso = nullptr;
}

TEST_F(Escritor, FallosAlGrabarOAlNumerarNoDejanArchivos) {
    // A page file that vanishes before the numbering pass: the pages after it are still removed.
    ReporteDe(3, [&] { QFile::remove(ventana.ArchivoPagina(1)); });
    ventana.GeneraConsulta();
    EXPECT_TRUE(EnPaginas().isEmpty());
    ASSERT_EQ(guion.errores.size(), 1);
    EXPECT_TRUE(guion.errores[0].startsWith(QStringLiteral("53 "))) << guion.errores[0].toStdString();

    // A folder that does not exist fails the first save; nothing is written anywhere.
    FijaDirConsultas(raiz.path() + QStringLiteral("\\NoExiste"));
    ReporteDe(2);
    ventana.GeneraConsulta();
    EXPECT_EQ(guion.errores.size(), 2);
    EXPECT_TRUE(guion.errores[1].startsWith(QStringLiteral("76 "))) << guion.errores[1].toStdString();
    EXPECT_EQ(QDir(raiz.path()).entryList(QDir::Files), QStringList{"QUIROX.INI"});
    EXPECT_EQ(puerto.veces, 0);

    // A full disk under the thread that writes the files while the run draws on: the run stops
    // with error 61 at its next page and removes every file it created.
    FijaDirConsultas(raiz.path() + QStringLiteral("\\PAGINAS"));
    ReporteDe(5);
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{256, anterior.rlim_max};  // a write past it comes up short, as on a full disk
    setrlimit(RLIMIT_FSIZE, &limite);
    ventana.GeneraConsulta();
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senal);
    ASSERT_EQ(guion.errores.size(), 3);
    EXPECT_TRUE(guion.errores[2].startsWith(QStringLiteral("61 "))) << guion.errores[2].toStdString();
    EXPECT_TRUE(EnPaginas().isEmpty());
    EXPECT_EQ(puerto.veces, 0);
}

TEST_F(Escritor, DirConsultasConYSinDiagonalFinalDaLosMismosNombres) {
    QStringList nombres;
    ventana.reporte = [&] { nombres << ventana.ArchivoPagina(1); };
    ventana.GeneraConsulta();
    FijaDirConsultas(raiz.path() + QStringLiteral("\\PAGINAS\\"));
    ventana.GeneraConsulta();
    ASSERT_EQ(nombres.size(), 2);
    EXPECT_EQ(nombres[0], nombres[1]);
    EXPECT_EQ(nombres[0], raiz.filePath(QStringLiteral("Paginas/09050712_1.emf")));

    // An empty value names files in the current directory.
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(raiz.filePath(QStringLiteral("Paginas")));
    FijaDirConsultas({});
    QStringList duranteElDibujo;
    ReporteDe(2, [&] { duranteElDibujo = PaginasEnCurso(); });
    ventana.GeneraConsulta();
    QDir::setCurrent(anterior);
    EXPECT_EQ(duranteElDibujo, QStringList{"09050712_1.emf"});
    EXPECT_TRUE(guion.errores.isEmpty());
}

// Page files belong to their run alone: a name already taken moves the run to a free stamp or
// stops it with a clear message, and a file put in place of one of ours is never printed.
TEST_F(Escritor, LosArchivosDePaginaSonSoloDeSuCorrida) {
    const QString paginas = raiz.filePath(QStringLiteral("Paginas"));
    const auto grabaAjeno = [&](const QString& nombre, const QByteArray& datos) {
        QFile f(QDir(paginas).filePath(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(datos);
    };
    const auto contenido = [&](const QString& nombre) {
        QFile f(QDir(paginas).filePath(nombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(falta)");
    };

    // Another run of the same second holds page 1: this run takes the next suffix, owner-only.
    grabaAjeno(QStringLiteral("09050712_1.emf"), "otra corrida");
    QStringList duranteElDibujo;
    QFile::Permissions permisos;
    ReporteDe(3, [&] {
        duranteElDibujo = PaginasEnCurso();
        permisos = QFileInfo(ventana.ArchivoPagina(1)).permissions();
    });
    ventana.GeneraConsulta();
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
    EXPECT_EQ(duranteElDibujo, (QStringList{"09050712-2_1.emf", "09050712-2_2.emf", "09050712_1.emf"}));
    EXPECT_EQ(permisos, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    ASSERT_EQ(vista.documento.size(), 3u);
    EXPECT_TRUE(dobles::Textos(vista.documento[0]).contains(QStringLiteral("Línea de la página 1")));
    EXPECT_EQ(EnPaginas(), QStringList{"09050712_1.emf"});
    EXPECT_EQ(contenido(QStringLiteral("09050712_1.emf")), "otra corrida");
    QFile::remove(QDir(paginas).filePath(QStringLiteral("09050712_1.emf")));

    // A later page's name taken by a file or a link: the run stops and says why; the foreign
    // file and the link's target are left as they were.
    const QString destino = raiz.filePath(QStringLiteral("destino"));
    grabaAjeno(QStringLiteral("../destino"), "intacto");
    for (const bool enlace : {false, true}) {
        guion.errores.clear();
        ReporteDe(3, [&] {
            if (enlace)
                QFile::link(destino, QDir(paginas).filePath(QStringLiteral("09050712_3.emf")));
            else
                grabaAjeno(QStringLiteral("09050712_3.emf"), "ajeno");
        });
        ventana.GeneraConsulta();
        ASSERT_EQ(guion.errores.size(), 1);
        EXPECT_TRUE(guion.errores[0].startsWith(QStringLiteral("58 Ya existe el archivo de página "))) << enlace;
        EXPECT_TRUE(guion.errores[0].contains(QStringLiteral("09050712_3.emf")));
        EXPECT_EQ(EnPaginas(), QStringList{"09050712_3.emf"});
        QFile::remove(QDir(paginas).filePath(QStringLiteral("09050712_3.emf")));
    }
    EXPECT_EQ(contenido(QStringLiteral("../destino")), "intacto");

    // A page file replaced during the run, by another file or by an EMF page of another run,
    // is an error: its pages never reach the preview.
    for (const bool renombrado : {false, true}) {
        guion.errores.clear();
        const int antes = puerto.veces;
        ReporteDe(3, [&] {
            const QString primera = ventana.ArchivoPagina(1);
            if (renombrado) {
                QFile::remove(primera);
                QFile::copy(ventana.ArchivoPagina(2), primera);  // a whole, valid page
            } else {
                QFile f(primera);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(contenido(QFileInfo(ventana.ArchivoPagina(2)).fileName()));
            }
        });
        ventana.GeneraConsulta();
        ASSERT_EQ(guion.errores.size(), 1) << renombrado;
        EXPECT_TRUE(guion.errores[0].startsWith(QStringLiteral("75 El archivo de página "))) << guion.errores[0].toStdString();
        EXPECT_TRUE(guion.errores[0].endsWith(QStringLiteral("fue sustituido durante la consulta")));
        EXPECT_EQ(puerto.veces, antes);
        for (const QString& f : EnPaginas()) QFile::remove(QDir(paginas).filePath(f));
    }
}

TEST_F(Escritor, EncabezadoDePaginaSinNadaOpcionalYConTodo) {
    ventana.Superficie = std::make_shared<Superficie>();
    Superficie& s = *ventana.Superficie;
    s.StartDoc();
    s.FontBold(true);
    s.TextAlign(2);
    ventana.EncabezadoPagina(QStringLiteral("Saldos"));
    // Without names or identification the heading is address, title and date.
    EXPECT_EQ(s.Paginas()[0].size(), 6u);
    EXPECT_EQ(ventana.LineaActual, 1000);
    EXPECT_TRUE(s.FontBold());  // the caller's attributes come back
    EXPECT_EQ(s.TextAlign(), 2);

    using namespace modConGastos;
    ImprimeNombreEmpresa = ImprimeNombreComercial = true;
    NombreEmpresa = QStringLiteral("EMPRESA");
    NombreComercial = QStringLiteral("COMERCIAL");
    RegistroEmpresa1 = QStringLiteral("RFC: ABC");
    TelefonosEmpresa = QStringLiteral("555");
    s.StartDoc();
    ventana.EncabezadoPagina(QStringLiteral("Saldos"));
    const std::vector<Registro> registros = s.Paginas()[0].Registros();
    ASSERT_EQ(registros.size(), 10u);
    EXPECT_EQ(std::get<Texto>(registros[3]).texto, QStringLiteral("RFC: ABC    "));
    EXPECT_EQ(ventana.LineaActual, 1240);

    // Identification texts that are all blank print no line, though joined they hold spaces.
    RegistroEmpresa1 = QStringLiteral(" ");
    s.StartDoc();
    ventana.EncabezadoPagina(QStringLiteral("Saldos"));
    EXPECT_EQ(dobles::Textos(s.Paginas()[0]).filter(QStringLiteral("RFC")).size(), 0);
    EXPECT_EQ(std::get<Texto>(s.Paginas()[0][3]).y, 720);  // the telephones
    EXPECT_EQ(ventana.LineaActual, 1000);
    ventana.Superficie.reset();
}
