#include "DoblesVentanas.h"
#include "MuestraModal.h"
#include "controles/Constants.h"
#include "controles/Form.h"
#include "report/PuertoImpresionActual.h"
#include "report/frmPreview.h"
#include "ui/PuertoUIQt.h"
#include "ui/VistaPagina.h"
#include "ui/VistaPreview.h"
#include "vb/ErrorEjecucion.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class VistaTest : public testing::Test {
protected:
    void SetUp() override {
        dobles::InstalaMensajes(guion);
        controles::FijaPuertoUI(&puerto);
        report::FijaPuertoImpresion(&impresora);
        ui::RegistraVistaPreview();
    }
    void TearDown() override {
        component::ServiciosAnfitrion().mensajes = nullptr;
        controles::FijaPuertoUI(nullptr);
        report::FijaPuertoImpresion(nullptr);
    }

    dobles::Guion guion;
    ui::PuertoUIQt puerto;
    dobles::Impresora impresora;
};

// Sends a key the way the keyboard does: to the widget holding the focus.
void Tecla(QWidget* ventana, Qt::Key tecla, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* foco = QApplication::focusWidget();
    QTest::keyClick(foco && foco->window() == ventana ? foco : ventana, tecla, mods);
}

// A numbered document of `paginas` pages, as the page writer leaves it before the preview opens.
void Llena(report::frmPreview& f, int paginas) {
    f.Preview.StartDoc();
    for (int n = 1; n <= paginas; ++n) {
        if (n > 1) f.Preview.NewPage();
        f.Preview.PrintText(7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(paginas));
    }
    f.Preview.EndDoc();
    f.Preview.PreviewPage(1);
    f.lblPagina.SetCaption(QStringLiteral("1/%1").arg(paginas));
}

}  // namespace

TEST_F(VistaTest, VistaPreliminarPaginaConBotonesYTeclas) {
    auto f = std::make_shared<report::frmPreview>();
    controles::Load(*f);
    Llena(*f, 3);

    MuestraYHaz<ui::VistaPreview>(*f, [&](ui::VistaPreview& v) {
        ui::VistaPreview* vista = &v;
        EXPECT_EQ(vista->windowTitle(), QStringLiteral("VISTA PRELIMINAR"));
        EXPECT_EQ(vista->palette().color(QPalette::Window), QColor(0xD2, 0xE6, 0xF5));
        QLabel* pagina = nullptr;
        for (QLabel* l : vista->findChildren<QLabel*>())
            if (l->text() == QStringLiteral("1/3")) pagina = l;
        ASSERT_NE(pagina, nullptr);

        vista->BotonFuncion(3)->click();
        EXPECT_EQ(pagina->text(), QStringLiteral("2/3"));
        EXPECT_EQ(f->Preview.PreviewPage(), 2);
        Tecla(vista, Qt::Key_PageDown);
        EXPECT_EQ(pagina->text(), QStringLiteral("3/3"));

        // The zoom list drives the page's size; keys never reach the list itself.
        auto* zoom = vista->findChild<QComboBox*>();
        ASSERT_NE(zoom, nullptr);
        EXPECT_EQ(zoom->currentText(), QStringLiteral("100%"));
        const int ancho100 = vista->Pagina()->width();
        emit zoom->activated(0);
        EXPECT_EQ(f->Preview.Zoom(), 30);
        EXPECT_LT(vista->Pagina()->width(), ancho100 / 2);
        zoom->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), zoom);
        Tecla(vista, Qt::Key_Down);
        EXPECT_EQ(zoom->currentIndex(), 0);

        // Alt+P prints, Alt+Shift+P does not.
        Tecla(vista, Qt::Key_P, Qt::AltModifier);
        Tecla(vista, Qt::Key_P, Qt::AltModifier | Qt::ShiftModifier);
        EXPECT_EQ(impresora.impresos, std::vector<std::size_t>{3});

        // Escape asks first: "No" keeps the window; the close box does not ask.
        Tecla(vista, Qt::Key_Escape);
        EXPECT_EQ(guion.preguntas.size(), 1u);
        EXPECT_TRUE(f->Visible());
        vista->close();
    });
    EXPECT_FALSE(f->Visible());
    EXPECT_FALSE(f->Loaded());
    EXPECT_EQ(guion.preguntas.size(), 1u);
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();
}

TEST_F(VistaTest, EscapeConfirmadoCierraLaVentana) {
    auto f = std::make_shared<report::frmPreview>();
    controles::Load(*f);
    Llena(*f, 1);
    guion.respuestas = {6};
    MuestraYHaz<QWidget>(*f, [&](QWidget& ventana) { Tecla(&ventana, Qt::Key_Escape); });
    EXPECT_FALSE(f->Loaded());
}

TEST_F(VistaTest, ElCierreDeLaVentanaPasaPorLasReglasDelFormulario) {
    controles::Form form(QStringLiteral("frmPrueba"));
    ui::RegistraVista(QStringLiteral("FRMPRUEBA"), [](controles::Form& f, QWidget* padre) {
        return std::make_unique<ui::VistaFormulario>(f, padre);
    });
    int cancelar = 1;
    int consultas = 0;
    form.QueryUnload = [&](int& cancel, int modo) {
        ++consultas;
        EXPECT_EQ(modo, controles::vbFormControlMenu);
        if (consultas == 2) throw vb::ErrorEjecucion(5);
        cancel = cancelar;
    };
    MuestraYHaz<QWidget>(form, [&](QWidget& ventana) {
        ventana.close();  // refused by QueryUnload
        EXPECT_TRUE(form.Visible());
        ventana.close();  // QueryUnload fails: shown, window stays
        EXPECT_TRUE(form.Visible());
        EXPECT_EQ(guion.errores.size(), 1);
        cancelar = 0;
        ventana.close();
    });
    EXPECT_EQ(consultas, 3);
    EXPECT_FALSE(form.Loaded());

    // Hiding the form from code also ends the modal loop.
    MuestraYHaz<QWidget>(form, [&](QWidget&) { form.Hide(); });
    EXPECT_TRUE(form.Loaded());
    EXPECT_FALSE(form.Visible());

    controles::Form sinVista(QStringLiteral("frmSinVista"));
    EXPECT_THROW(sinVista.Show(controles::vbModal), vb::ErrorEjecucion);
}
