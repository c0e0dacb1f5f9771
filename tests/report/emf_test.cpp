#include "report/EmfEscritor.h"
#include "report/EmfLector.h"
#include "report/EmfMetricas.h"
#include "report/Listado.h"
#include "report/Superficie.h"
#include "NumeroDeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <uemf.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace report;

namespace {

// What a numbered report page carries: the blue heading in a group, a grey rule under text,
// bold and right-aligned detail at several sizes, double rules and the page stamp.
void DibujaPagina(Superficie& s, int n, int m) {
    s.BeginGroup();
    s.ForeColor(0xFF0000);
    s.TextMode(3);
    s.TextAlign(0);
    s.FontBold(false);
    s.FontSize(8);
    s.PrintText(0, 0, QStringLiteral("COMPAÑÍA DE PRUEBA, S.A. DE C.V."));
    s.PrintText(0, 240, QStringLiteral("Dirección :Av. Juárez 100, Mérida"));
    s.DrawRule(6900, 240, 2500, 200);
    s.PrintText(7000, 0, QStringLiteral("Reporte :Saldos"));
    s.PrintText(7000, 480, QStringLiteral("Fecha   :05/dic/2024"));
    s.DrawLine(0, 960, 10500, 960);
    s.DrawLine(0, 1000, 10500, 1000);
    s.EndGroup();

    // A detail line that says what it holds: its creditor, and the amount its text rounds.
    s.MarkLine(ClaseRenglon::Detalle, 2, QStringLiteral("Acreedor"), QStringLiteral("ACR\x1F""01"),
               QStringLiteral("Ñandú \x1F S.A."));
    s.MarkValue(QStringLiteral("Nombre"), TipoDato::Texto, QStringLiteral("Ñandú \"el rápido\" \\ 100% y más"));
    s.FontSize(9);
    s.FontBold(true);
    s.PrintText(200, 1240, QStringLiteral("Ñandú \"el rápido\" \\ 100%"));
    s.FontSize(7);
    s.FontBold(false);
    s.TextAlign(2);
    s.MarkValue(QStringLiteral("Importe"), vb::Currency::DesdeDiezmilesimos(-12345678875));
    s.PrintText(10300, 1240, QStringLiteral("$ -1,234,567.89"));
    s.TextAlign(0);
    s.PrintText(1400, 1480, QString());
    s.PrintText(-120, 15400, QStringLiteral("fuera del margen"));
    s.DrawRule(0, 14000, -300, 50);
    s.ForeColor(0x00FF00);
    s.DrawLine(10500, 13000, 0, 13100);

    s.ForeColor(0xFF0000);
    s.FontSize(8);
    s.PrintText(7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(m));
}

std::span<const char> Bytes(const QByteArray& b) { return {b.constData(), static_cast<std::size_t>(b.size())}; }

int32_t ErrorAlLeer(const QByteArray& b) {
    return NumeroDeError([&] { LeeEmf(Bytes(b)); });
}

// Little-endian fields, as the file stores them.
uint32_t LeeU32(const QByteArray& b, qsizetype en) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t{static_cast<uint8_t>(b.at(en + i))} << (8 * i);
    return v;
}

void PonU32(QByteArray& b, qsizetype en, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[en + i] = static_cast<char>(v >> (8 * i));
}

QByteArray ConCampo(QByteArray b, qsizetype en, uint32_t v) {
    PonU32(b, en, v);
    return b;
}

// Offsets of every record, walking the sizes the writer put in.
std::vector<qsizetype> Registros(const QByteArray& b) {
    std::vector<qsizetype> posiciones;
    for (qsizetype p = 0; p + 8 <= b.size(); p += LeeU32(b, p + 4)) {
        posiciones.push_back(p);
        if (LeeU32(b, p + 4) == 0) break;
    }
    return posiciones;
}

qsizetype PrimeroDeTipo(const QByteArray& b, uint32_t tipo) {
    for (qsizetype p : Registros(b))
        if (LeeU32(b, p) == tipo) return p;
    return -1;
}

QByteArray PaginaSencilla() {
    Pagina p;
    p = Pagina{Texto{100, 200, "Hola", 0, false, 8, 0}, Linea{0, 960, 10500, 960, 0xFF0000}, Regla{6900, 240, 2500, 200}};
    return EscribeEmf(p);
}

}  // namespace

// A page read back is the page drawn, listing included. Marks travel as comments only this reader
// takes: their fields come back whole, a separator in a key cannot shift the name after it, and a
// mark cut short is a damaged page.
TEST(PaginaEmf, LasMarcasVanYVienenEnteras) {
    Superficie s;
    s.StartDoc();
    DibujaPagina(s, 1, 1);
    s.EndDoc();
    const QByteArray emf = s.PageData(1);
    const Pagina leida = LeeEmf(Bytes(emf));
    EXPECT_EQ(leida, s.Paginas().front());
    EXPECT_EQ(Listado(Documento{leida}), Listado(s.Paginas()));
    const Marca* marca = nullptr;
    const Dato* importe = nullptr;
    const std::vector<Registro> leidos = leida.Registros();
    for (const Registro& r : leidos) {
        if (!marca) marca = std::get_if<Marca>(&r);
        if (const auto* d = std::get_if<Dato>(&r); d && d->Columna() == u"Importe") importe = d;
    }
    ASSERT_TRUE(marca && importe);
    EXPECT_EQ(marca->clase, ClaseRenglon::Detalle);
    EXPECT_EQ(marca->nivel, 2);
    EXPECT_EQ(marca->Clave(), QStringLiteral("ACR 01"));
    EXPECT_EQ(marca->Nombre(), QStringLiteral("Ñandú \x1F S.A."));
    EXPECT_EQ(importe->tipo, TipoDato::Importe);
    EXPECT_EQ(importe->Valor(), QStringLiteral("-1234567.8875"));
    EXPECT_TRUE(Listado(Documento{leida}).contains(R"("op":"value","type":2,"column":"Importe","value":"-1234567.8875")"));

    const qsizetype comentario = PrimeroDeTipo(emf, U_EMR_COMMENT);
    ASSERT_GE(comentario, 0);
    const qsizetype unidades = comentario + offsetof(U_EMRCOMMENT, Data) + 8;
    EXPECT_EQ(ErrorAlLeer(ConCampo(emf, unidades, LeeU32(emf, unidades) + 200)), 321);
    EXPECT_EQ(ErrorAlLeer(ConCampo(emf, comentario + 8, LeeU32(emf, comentario + 4))), 321);
}

TEST(PaginaEmf, LoadPageAgregaALaPaginaActualSinCambiarLosAtributos) {
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath("p.emf");
    Superficie origen;
    origen.StartDoc();
    origen.FontBold(true);
    origen.TextAlign(2);
    origen.PrintText(10300, 1240, "negrita a la derecha");
    origen.SavePage(archivo, 1);

    Superficie s;
    s.StartDoc();
    s.ForeColor(0xFF0000);
    s.PrintText(0, 0, "antes");
    s.LoadPage(archivo);
    s.PrintText(7000, 720, "después");
    const std::vector<Registro> r = s.Paginas()[0].Registros();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(std::get<Texto>(r[1]), (Texto{10300, 1240, "negrita a la derecha", 0, true, 8, 2}));
    EXPECT_EQ(std::get<Texto>(r[2]), (Texto{7000, 720, "después", 0xFF0000, false, 8, 0}));
}

TEST(PaginaEmf, ElArchivoLlevaHojaCartaConElOrigenDelDibujoYTextoDerechoQueTerminaEnX) {
    Pagina p;
    p = Pagina{Texto{10300, 1240, "1,234.56", 0, false, 8, 2}};
    const QByteArray b = EscribeEmf(p);

    EXPECT_EQ(LeeU32(b, offsetof(U_EMRHEADER, nBytes)), static_cast<uint32_t>(b.size()));
    EXPECT_EQ(LeeU32(b, offsetof(U_EMRHEADER, nRecords)), Registros(b).size());
    EXPECT_EQ(LeeU32(b, Registros(b).back()), static_cast<uint32_t>(U_EMR_EOF));
    const qsizetype marco = offsetof(U_EMRHEADER, rclFrame);
    EXPECT_EQ(LeeU32(b, marco + 8), 21589u);
    EXPECT_EQ(LeeU32(b, marco + 12), 27939u);

    const qsizetype origen = PrimeroDeTipo(b, U_EMR_SETWINDOWORGEX);
    ASSERT_GE(origen, 0);
    EXPECT_EQ(static_cast<int32_t>(LeeU32(b, origen + 8)), -OrigenX);
    EXPECT_EQ(static_cast<int32_t>(LeeU32(b, origen + 12)), -OrigenY);

    const qsizetype texto = PrimeroDeTipo(b, U_EMR_EXTTEXTOUTW);
    ASSERT_GE(texto, 0);
    EXPECT_EQ(static_cast<int32_t>(LeeU32(b, texto + offsetof(U_EMREXTTEXTOUTW, rclBounds) + 8)), 10300 + OrigenX);
    const qsizetype alineacion = PrimeroDeTipo(b, U_EMR_SETTEXTALIGN);
    EXPECT_EQ(LeeU32(b, alineacion + 8) & U_TA_CENTER, static_cast<uint32_t>(U_TA_RIGHT));
}

TEST(PaginaEmf, LosAvancesNoAcumulanRedondeo) {
    // 455/2048 of an 8-point em is 35.54 twips; a hundred of them must end at 3555, not 3600.
    const std::vector<uint32_t> avances = AvancesTexto(QString(100, u'i'), 8, false);
    uint32_t total = 0;
    for (uint32_t a : avances) total += a;
    EXPECT_EQ(total, 3555u);
}

// Truncated, foreign, or with sizes and text offsets that point outside their record.
TEST(PaginaEmfMalformada, EsError321) {
    const QByteArray buena = PaginaSencilla();
    ASSERT_EQ(ErrorAlLeer(buena), 0);
    const std::vector<qsizetype> registros = Registros(buena);
    const qsizetype penultimo = registros[registros.size() - 2], tercero = registros[3];
    const QByteArray sinFin = buena.left(registros.back());  // cut at a record boundary
    const qsizetype texto = PrimeroDeTipo(buena, U_EMR_EXTTEXTOUTW);
    ASSERT_GE(texto, 0);
    const qsizetype emrtext = texto + offsetof(U_EMREXTTEXTOUTW, emrtext);
    const uint32_t tamano = LeeU32(buena, texto + 4);
    const qsizetype cadena = emrtext + offsetof(U_EMRTEXT, offString);
    // A text record too short for the fields after its fixed part.
    QByteArray corto = ConCampo(buena, texto + 4, sizeof(U_EMREXTTEXTOUTW));
    corto.remove(texto + sizeof(U_EMREXTTEXTOUTW), tamano - sizeof(U_EMREXTTEXTOUTW));

    const std::pair<const char*, QByteArray> casos[] = {
        {"vacía", QByteArray()},
        {"cuatro bytes", buena.left(4)},
        {"dentro del encabezado", buena.left(60)},
        {"sin el registro final", buena.left(buena.size() - 20)},
        {"sin fin con su tamaño", ConCampo(sinFin, offsetof(U_EMRHEADER, nBytes), static_cast<uint32_t>(sinFin.size()))},
        {"otra firma", ConCampo(buena, offsetof(U_EMRHEADER, dSignature), 0x46494720)},
        {"otro formato", QByteArray("GIF89a") + QByteArray(200, '\0')},
        {"registro más allá del fin", ConCampo(buena, penultimo + 4, static_cast<uint32_t>(buena.size() - penultimo + 4))},
        {"registro de tamaño 0", ConCampo(buena, tercero + 4, 0)},
        {"tamaño no múltiplo de 4", ConCampo(buena, tercero + 4, LeeU32(buena, tercero + 4) + 2)},
        {"encabezado corto", ConCampo(buena, 4, 40)},
        {"cadena al final", ConCampo(buena, cadena, tamano - 4)},
        {"cadena lejísimos", ConCampo(buena, cadena, 0xFFFFFFF0u)},
        {"caracteres que dan la vuelta", ConCampo(buena, emrtext + offsetof(U_EMRTEXT, nChars), 0x80000000u)},
        {"avances fuera", ConCampo(buena, texto + sizeof(U_EMREXTTEXTOUTW) + sizeof(U_RECTL), tamano)},
        {"texto corto", ConCampo(corto, offsetof(U_EMRHEADER, nBytes), static_cast<uint32_t>(corto.size()))},
    };
    for (const auto& [nombre, bytes] : casos) EXPECT_EQ(ErrorAlLeer(bytes), 321) << nombre;
}

TEST(PaginaEmfMalformada, RegistrosQueNoDibujanSeSaltan) {
    QByteArray b = PaginaSencilla();
    const qsizetype texto = PrimeroDeTipo(b, U_EMR_EXTTEXTOUTW);
    QByteArray comentario(16, '\0');
    PonU32(comentario, 0, U_EMR_COMMENT);
    PonU32(comentario, 4, 16);
    PonU32(comentario, 8, 4);
    b.insert(texto, comentario);
    PonU32(b, offsetof(U_EMRHEADER, nBytes), static_cast<uint32_t>(b.size()));
    Pagina p;
    ASSERT_EQ(NumeroDeError([&] { p = LeeEmf(Bytes(b)); }), 0);
    EXPECT_EQ(p.size(), 3u);
}

TEST(ArchivosDePagina, UnArchivoQueNoExisteEsError53) {
    QTemporaryDir carpeta;
    Superficie s;
    s.StartDoc();
    EXPECT_EQ(NumeroDeError([&] { s.LoadPage(carpeta.filePath("no_existe.emf")); }), vb::errores::ArchivoNoEncontrado);
    EXPECT_EQ(NumeroDeError([&] { s.SavePage(carpeta.filePath("falta/p_1.emf"), 1); }), vb::errores::RutaNoEncontrada);
}

TEST(ArchivosDePagina, GrabarSobreUnArchivoAnteriorLoReemplazaCompleto) {
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath("p_1.emf");
    {
        QFile viejo(archivo);
        ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
        viejo.write(QByteArray(100000, 'x'));
    }
    Superficie s;
    s.StartDoc();
    s.PrintText(0, 0, "nueva");
    s.SavePage(archivo, 1);
    QFile nuevo(archivo);
    ASSERT_TRUE(nuevo.open(QIODevice::ReadOnly));
    EXPECT_EQ(nuevo.readAll(), EscribeEmf(s.Paginas()[0]));
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), QStringList{"p_1.emf"});
}

TEST(ArchivosDePagina, DiscoLlenoEsError61YNoDejaArchivo) {
    QTemporaryDir carpeta;
    Superficie s;
    s.StartDoc();
    for (int i = 0; i < 400; ++i) s.PrintText(0, i * 240, QStringLiteral("renglón %1 de una página larga").arg(i));

    // A file size limit makes the write come up short exactly as a full disk does.
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{4096, anterior.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
    const int32_t error = NumeroDeError([&] { s.SavePage(carpeta.filePath("p_1.emf"), 1); });
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senal);

    EXPECT_EQ(error, vb::errores::DiscoLleno);
    EXPECT_TRUE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(ArchivosDePagina, UnDispositivoLlenoEsError61YSigueSiendoDispositivo) {
    struct stat antes {};
    if (stat("/dev/full", &antes) != 0) GTEST_SKIP() << "no /dev/full here";
    Superficie s;
    s.StartDoc();
    s.PrintText(0, 0, "x");
    EXPECT_EQ(NumeroDeError([&] { s.SavePage("/dev/full", 1); }), vb::errores::DiscoLleno);
    struct stat despues {};
    ASSERT_EQ(stat("/dev/full", &despues), 0);
    EXPECT_TRUE(S_ISCHR(despues.st_mode));
}
