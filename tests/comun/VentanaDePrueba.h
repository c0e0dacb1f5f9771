#pragma once
// A query window loaded as a host loads it, on a throw-away SQLite company: the module connection,
// QUIROX.INI, the page folder, scripted messages and help, and a preview that keeps the document it
// was shown and closes. Each window's fixture says which folder, settings and help file it uses.
#include "BaseSqlite.h"
#include "DoblesVentanas.h"
#include "Documento.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace prueba {

// One run of a report as a row of a table: the rows of the test's database, the settings the user
// makes, and what the document must show.
template <class Ventana>
struct Corrida {
    const char* nombre;
    std::string datos;  // after the window's schema
    std::function<void(Ventana&)> prepara;
    std::vector<Linea> lineas = {};
    std::vector<std::pair<const char*, const char*>> rasgos = {};  // text and Rasgos()
    std::vector<std::pair<const char*, size_t>> veces = {};        // text and how many times it prints
    size_t paginas = 1;
};
template <class Ventana>
void PrintTo(const Corrida<Ventana>& c, std::ostream* os) { *os << c.nombre; }

template <class Ventana>
class VentanaDePrueba : public ::testing::Test {
protected:
    struct Anfitrion {
        QString carpetaPaginas;  // made under the root: where this window's pages land
        QString dirConsultas;    // what QUIROX.INI says under DIRCONSULTAS
        bool dirBajoRaiz;        // whether dirConsultas is written after the root's path
        QString ayuda;           // the help file the host passes
    };

    VentanaDePrueba(const std::string& guion_, Anfitrion anfitrion_)
        : base(guion_.c_str()), anfitrion(std::move(anfitrion_)) {}

    void SetUp() override {
        qputenv("ZR_RELOJ", "2024-06-15T10:00:00");
        ASSERT_TRUE(raiz.isValid());
        QDir(raiz.path()).mkdir(anfitrion.carpetaPaginas);
        ASSERT_TRUE(dobles::EscribeIni(raiz.path(),
                                       (anfitrion.dirBajoRaiz ? raiz.path() : QString()) + anfitrion.dirConsultas));

        dobles::InstalaAnfitrion(raiz.path(), guion, puerto,
                                 [this](report::frmPreview& preview) { mostrado = preview.Preview.Paginas(); });
        modConGastos::CadenaConexion = base.Cadena();
        modConGastos::ArchivoAyuda = anfitrion.ayuda;
        ASSERT_TRUE(modConGastos::Conecta(modConGastos::CadenaConexion));
        component::ServiciosAnfitrion().abreDocumento = [this](const QString& archivo) {
            ayudas << archivo;
            return true;
        };

        ventana = std::make_shared<Ventana>();
        controles::Load(*ventana);
    }

    void TearDown() override {
        ventana.reset();
        dobles::QuitaAnfitrion();
        qunsetenv("ZR_RELOJ");
    }

    // "CONSULTAR [F10]" as the user presses it; the document the preview was shown, if any.
    std::optional<report::Documento> Consulta() {
        mostrado.reset();
        ventana->cmdFunciones(0).UserClick();
        return mostrado;
    }

    // The document lookups of Documento.h, for the window tests.
    static std::vector<Renglon> Busca(const report::Documento& doc, const QString& texto) { return prueba::Busca(doc, texto); }
    static QStringList EnLinea(const report::Documento& doc, int pagina, int y) { return prueba::EnLinea(doc, pagina, y); }
    static QString Rasgos(const report::Documento& doc, const QString& texto) { return prueba::Rasgos(doc, texto); }

    // Every line of the table holds exactly its texts.
    static void Comprueba(const report::Documento& doc, const std::vector<Linea>& lineas) {
        for (const Linea& l : lineas)
            EXPECT_EQ(EnLinea(doc, l.pagina, l.y), l.textos) << "página " << l.pagina << ", y " << l.y;
    }

    // Runs a row of a table on the window as it was loaded.
    void Corre(const Corrida<Ventana>& c) {
        c.prepara(*ventana);
        const auto doc = Consulta();
        ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
        EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
        EXPECT_TRUE(ArchivosDePagina().isEmpty());
        EXPECT_EQ(doc->size(), c.paginas);
        Comprueba(*doc, c.lineas);
        for (const auto& [texto, rasgos] : c.rasgos) EXPECT_EQ(Rasgos(*doc, QString::fromUtf8(texto)), rasgos) << texto;
        for (const auto& [texto, n] : c.veces) EXPECT_EQ(Busca(*doc, QString::fromUtf8(texto)).size(), n) << texto;
    }

    // The page files left in the window's page folder.
    QStringList ArchivosDePagina() const {
        return QDir(raiz.filePath(anfitrion.carpetaPaginas)).entryList(QDir::Files);
    }

    QTemporaryDir raiz;
    BaseSqlite base;
    Anfitrion anfitrion;
    dobles::Guion guion;
    dobles::PuertoModal puerto;
    std::shared_ptr<Ventana> ventana;
    std::optional<report::Documento> mostrado;
    QStringList ayudas;  // documents the help opened
};

// A window fixture on the rows of the current table entry: `Fixture` is the window's fixture and
// `esquema` its schema; each entry gets a database and a window of its own.
template <class Fixture, class Ventana, std::string (*esquema)()>
class FormaDe : public Fixture, public ::testing::WithParamInterface<Corrida<Ventana>> {
protected:
    FormaDe() : Fixture(esquema() + this->GetParam().datos) {}
};

// The entry's name as the test's name.
struct NombreDeCorrida {
    template <class Ventana>
    std::string operator()(const ::testing::TestParamInfo<Corrida<Ventana>>& i) const { return i.param.nombre; }
};

}  // namespace prueba
