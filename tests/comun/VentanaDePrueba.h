#pragma once
// A query window loaded as a host loads it, on a throw-away SQLite company: the module connection,
// QUIROX.INI, the page folder, scripted messages and help, and a preview that keeps the document it
// was shown and closes. Each window's fixture says which folder, settings and help file it uses.
#include "BaseSqlite.h"
#include "DoblesVentanas.h"
#include "Documento.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace prueba {

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

}  // namespace prueba
