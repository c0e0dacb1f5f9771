#include "DoblesVentanas.h"
#include "MuestraModal.h"
#include "controles/Form.h"
#include "report/frmPreview.h"
#include "ui/ProgresoQt.h"
#include "ui/PuertoUIQt.h"
#include "ui/VistaPagina.h"
#include "ui/VistaPreview.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(VistaPreliminar, AbrePaginaConBotonesYTeclasYSuEtiquetaLasSigue) {
    dobles::Guion guion;
    dobles::InstalaMensajes(guion);
    ui::PuertoUIQt puerto;
    controles::FijaPuertoUI(&puerto);
    ui::RegistraVistaPreview();

    auto f = std::make_shared<report::frmPreview>();
    controles::Load(*f);
    f->Preview.StartDoc();
    for (int n = 1; n <= 3; ++n) {
        if (n > 1) f->Preview.NewPage();
        f->Preview.PrintText(7000, 720, QStringLiteral("Página  : %1 / 3").arg(n));
    }
    f->Preview.EndDoc();
    f->Preview.PreviewPage(1);
    f->lblPagina.SetCaption(QStringLiteral("1/3"));

    MuestraYHaz<ui::VistaPreview>(*f, [&](ui::VistaPreview& vista) {
        EXPECT_EQ(vista.windowTitle(), QStringLiteral("VISTA PRELIMINAR"));
        QLabel* pagina = nullptr;
        for (QLabel* l : vista.findChildren<QLabel*>())
            if (l->text() == QStringLiteral("1/3")) pagina = l;
        ASSERT_NE(pagina, nullptr);

        vista.BotonFuncion(3)->click();
        EXPECT_EQ(pagina->text(), QStringLiteral("2/3"));
        EXPECT_EQ(f->Preview.PreviewPage(), 2);
        // Keys go to the widget with the focus, as the keyboard sends them.
        QWidget* foco = QApplication::focusWidget();
        QTest::keyClick(foco && foco->window() == &vista ? foco : &vista, Qt::Key_PageDown);
        EXPECT_EQ(pagina->text(), QStringLiteral("3/3"));
        vista.BotonFuncion(2)->click();
        EXPECT_EQ(pagina->text(), QStringLiteral("2/3"));

        // Ctrl+F opens "Buscar"; typing there finds without accents, marks it and says "n de m".
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &vista, Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(vista.Buscar()->isVisible());
        QTest::keyClicks(vista.TextoBuscado(), QStringLiteral("pagina  : 3"));
        EXPECT_EQ(f->lblBusqueda.Caption(), QStringLiteral("1 de 1"));
        EXPECT_EQ(pagina->text(), QStringLiteral("3/3"));
        EXPECT_TRUE(vista.Pagina()->Resaltado && vista.Pagina()->Resaltado().has_value());
        vista.Buscar()->hide();
        vista.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));

        // F10 asks for the page file's name; an empty answer writes nothing.
        foco = QApplication::focusWidget();
        QTest::keyClick(foco ? foco : &vista, Qt::Key_F10);
        ASSERT_EQ(guion.indicaciones.size(), 1);
        if (const QByteArray captura = qgetenv("ZR_CAPTURA_PREVIEW"); !captura.isEmpty()) vista.grab().save(QString::fromLocal8Bit(captura));
        vista.close();  // the close box does not ask
    });
    EXPECT_FALSE(f->Loaded());
    EXPECT_TRUE(guion.preguntas.empty());
    EXPECT_TRUE(guion.errores.isEmpty()) << guion.errores.join(u'\n').toStdString();

    component::ServiciosAnfitrion().mensajes = nullptr;
    controles::FijaPuertoUI(nullptr);
}

namespace {

struct ProgresoDeUnaCorrida : ui::ProgresoQt {
    using ProgresoQt::Dialogo;
};

}  // namespace

// A short run shows nothing; after half a second the dialog shows the pages and rows, and its
// "Cancelar" ends the run at the next report.
TEST(ProgresoQt, SeMuestraTrasMedioSegundoYCancelarTerminaLaCorrida) {
    ProgresoDeUnaCorrida progreso;
    QProgressDialog& dialogo = progreso.Dialogo();
    EXPECT_TRUE(progreso.Avanza({1, 40}));
    EXPECT_FALSE(dialogo.isVisible());
    QTest::qWait(650);
    EXPECT_TRUE(progreso.Avanza({2, 1300}));
    ASSERT_TRUE(dialogo.isVisible());
    EXPECT_EQ(dialogo.labelText(), QStringLiteral("Páginas: 2\nRegistros leídos: 1,300"));
    QPushButton* cancelar = dialogo.findChild<QPushButton*>();
    ASSERT_NE(cancelar, nullptr);
    EXPECT_EQ(cancelar->text(), QStringLiteral("Cancelar"));
    QTest::mouseClick(cancelar, Qt::LeftButton);
    EXPECT_FALSE(progreso.Avanza({2, 1400}));
}
