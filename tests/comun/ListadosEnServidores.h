#pragma once
// A host for one window run on the demo company on SQLite and again on each server: the folder,
// scripted messages and a preview that keeps the run's listing and closes. Skipped (failed under
// ZR_REQUIERE_PG) unless both the PostgreSQL and the SQLite demo company answer.
#include "DoblesVentanas.h"
#include "Postgres.h"
#include "report/Listado.h"

#include <QDir>
#include <QTemporaryDir>

class ListadosEnServidores : public ConPostgres {
protected:
    // `carpeta`, when given, is made under the host's folder for the window's pages; `conIni`
    // writes QUIROX.INI there naming the folder itself.
    ListadosEnServidores(bool conIni, QString carpeta) : conIni_(conIni), carpeta_(std::move(carpeta)) {}

    void SetUp() override {
        ConPostgres::SetUp();
        if (!Listo()) return;
        pg.Close();
        ado::Connection sqlite;
        Conecta("ZR_SQLITE_DEMO", sqlite);
        if (!Listo()) return;
        sqlite.Close();

        qputenv("ZR_RELOJ", "2025-06-30T10:00:00");
        ASSERT_TRUE(raiz.isValid());
        if (conIni_) {
            ASSERT_TRUE(dobles::EscribeIni(raiz.path(), raiz.path()));
        }
        if (!carpeta_.isEmpty()) {
            ASSERT_TRUE(QDir(raiz.path()).mkdir(carpeta_));
        }
        dobles::InstalaAnfitrion(raiz.path(), guion, puerto, [this](report::frmPreview& preview) {
            listado = report::Listado(preview.Preview.Paginas());
        });
    }

    void TearDown() override {
        dobles::QuitaAnfitrion();
        qunsetenv("ZR_RELOJ");
    }

    // Connects the module to the company named by the environment `variable`, as a host does.
    void ConectaModulo(const char* variable) {
        listado.clear();
        EXPECT_TRUE(modConGastos::Conecta(qEnvironmentVariable(variable)));
    }
    // Closes the run's connection; the listing it drew, and no error, or the errors are reported.
    QByteArray TerminaCorrida(const char* variable) {
        EXPECT_TRUE(guion.errores.isEmpty()) << variable << ": " << guion.errores.join(u'\n').toStdString();
        guion.errores.clear();
        modConGastos::CierraConexion();
        return listado;
    }

    QTemporaryDir raiz;
    dobles::Guion guion;
    dobles::PuertoModal puerto;
    QByteArray listado;

private:
    bool conIni_;
    QString carpeta_;
};
