#pragma once
// A query window shown through its Qt view on the offscreen platform, on a throw-away SQLite
// company, with the Qt host services and scripted messages; no error may be left when it closes.
#include "BaseSqlite.h"
#include "DoblesVentanas.h"
#include "MuestraModal.h"

#include "component/modConGastos.h"
#include "controles/PuertoUI.h"
#include "report/PuertoImpresionActual.h"
#include "ui/Anfitrion.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

// The text a widget shows for its control's caption; a button's key hint sits on a second line.
inline QString TextoMostrado(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().replace(u'\n', u' ');
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return QString();
}

template <class Forma, class Vista>
class VistaDePrueba : public testing::Test {
protected:
    // `carpeta`, when given, is made under the host's folder for the window's pages.
    explicit VistaDePrueba(const char* empresa, QString carpeta = {})
        : base(empresa), carpetaPaginas(std::move(carpeta)) {}

    void SetUp() override {
        using namespace modConGastos;
        if (!carpetaPaginas.isEmpty()) {
            ASSERT_TRUE(QDir(ruta.path()).mkdir(carpetaPaginas));
        }
        RutaBD = ruta.path();
        EmpresaActual = 1;
        ManejadorBD = 0;
        CadenaConexion = base.Cadena();
        ASSERT_TRUE(Conecta(CadenaConexion));
        ui::InstalaServiciosQt();
        dobles::InstalaMensajes(guion);
        form = std::make_shared<Forma>();
    }

    void TearDown() override {
        form.reset();
        component::ServiciosAnfitrion() = component::Servicios();
        controles::FijaPuertoUI(nullptr);
        report::FijaPuertoImpresion(nullptr);
        modConGastos::CierraConexion();
        EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
    }

    // Shows the window as the component does and runs `pasos` on its view; the steps close it.
    template <class Pasos>
    void Muestra(Pasos pasos) { MuestraYHaz<Vista>(*form, pasos); }

    template <class W>
    static W* De(Vista& vista, QStringView control) {
        auto* w = dynamic_cast<W*>(vista.Widget(control.toString()));
        EXPECT_NE(w, nullptr) << control.toString().toStdString();
        return w;
    }

    // Each control has its widget, shown, greyed and captioned as the form says; a disabled frame
    // greys what it holds.
    void RevisaControles(Vista& vista) {
        for (controles::Control* c : form->Controls()) {
            QWidget* w = vista.Widget(c->FullName());
            ASSERT_NE(w, nullptr) << c->FullName().toStdString();
            const auto* marco = dynamic_cast<const controles::Control*>(&c->Container());
            EXPECT_EQ(w->isVisibleTo(&vista), c->Visible()) << c->FullName().toStdString();
            EXPECT_EQ(w->isEnabled(), c->Enabled() && (!marco || marco->Enabled())) << c->FullName().toStdString();
            if (auto* conTitulo = dynamic_cast<controles::CaptionedControl*>(c)) {
                EXPECT_EQ(TextoMostrado(w), conTitulo->Caption()) << c->FullName().toStdString();
            }
        }
    }
    // Chooses entry i of a list as the user does.
    static void Elige(Vista& vista, QStringView lista, int i) {
        auto* combo = De<QComboBox>(vista, lista);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }

    QTemporaryDir ruta;
    BaseSqlite base;
    QString carpetaPaginas;
    dobles::Guion guion;
    std::shared_ptr<Forma> form;
};
