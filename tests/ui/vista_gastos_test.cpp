#include "EmpresaPrueba.h"
#include "VistaDePrueba.h"

#include "gastos/frmConGastos.h"
#include "report/frmPreview.h"
#include "ui/ArbolQt.h"
#include "ui/VistaConGastos.h"
#include "ui/VistaPreview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

namespace {

class VistaGastosTest : public VistaDePrueba<gastos::frmConGastos, ui::VistaConGastos> {
protected:
    VistaGastosTest() : VistaDePrueba(EmpresaPrueba.c_str()) {}
};

// The view follows the form as the user changes the report: petty cash greys the creditor code
// and the ledger gives it back.
TEST_F(VistaGastosTest, CadaControlConSuTextoYLoQueElReporteHabilita) {
    Muestra([&](ui::VistaConGastos& vista) {
        EXPECT_EQ(vista.windowTitle(), QStringLiteral("CONSULTAS DE GASTOS"));
        RevisaControles(vista);
        for (int consulta : {4, 1}) {
            Elige(vista, u"cmbConsulta", consulta);
            EXPECT_EQ(form->cmbConsulta.ListIndex(), consulta);
            RevisaControles(vista);
        }
        vista.close();
    });
    EXPECT_FALSE(form->Loaded());
}

// A date typed from wherever the user clicked reaches the control part by part, so F10 runs with
// the date on screen without leaving the field first.
TEST_F(VistaGastosTest, LaFechaTecleadaLlegaAlControlMientrasSeTeclea) {
    Muestra([&](ui::VistaConGastos& vista) {
        Elige(vista, u"cmbConsulta", 1);  // the ledger reads both dates
        auto* campo = De<QDateEdit>(vista, u"dtpFecha(0)");
        ASSERT_TRUE(campo->isEnabled());
        auto* texto = campo->findChild<QLineEdit*>();
        ASSERT_NE(texto, nullptr);
        form->dtpFecha(0).SetValue(QDate(2025, 3, 7));
        campo->setFocus();
        // A click inside the year leaves the cursor there, nothing selected.
        texto->deselect();
        texto->setCursorPosition(8);
        QTest::keyClicks(campo, QStringLiteral("2024"));
        EXPECT_EQ(form->dtpFecha(0).Value(), QDate(2024, 3, 7));
        // Then the day, and on past it: a full part moves to the next.
        texto->deselect();
        texto->setCursorPosition(1);
        QTest::keyClicks(campo, QStringLiteral("1511"));
        EXPECT_EQ(form->dtpFecha(0).Value(), QDate(2024, 11, 15));
        // A whole date from its first part, with separators typed or not.
        campo->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(campo, QStringLiteral("01022023"));
        EXPECT_EQ(form->dtpFecha(0).Value(), QDate(2023, 2, 1));
        campo->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(campo, QStringLiteral("9/6/2025"));
        EXPECT_EQ(form->dtpFecha(0).Value(), QDate(2025, 6, 9));
        EXPECT_EQ(campo->text(), QStringLiteral("09/06/2025"));
        vista.close();
    });
}

TEST_F(VistaGastosTest, UnaMarcaDelUsuarioLlegaAlArbolDelFormulario) {
    Muestra([&](ui::VistaConGastos& vista) {
        auto* arbol = De<ui::ArbolQt>(vista, u"tvwGral(0)");
        const controles::Node& nacionales = form->tvwGral(0).Nodes().Item(QStringLiteral("G1"));
        QTreeWidgetItem* grupo = arbol->Elemento(nacionales.Index());
        ASSERT_NE(grupo, nullptr);

        // The user's tick on a group ticks its agrupaciones, in the form and on screen.
        grupo->setCheckState(0, Qt::Checked);
        EXPECT_TRUE(nacionales.Checked());
        for (const controles::Node* hijo = nacionales.Child(); hijo; hijo = hijo->Next()) {
            EXPECT_TRUE(hijo->Checked());
            EXPECT_EQ(arbol->Elemento(hijo->Index())->checkState(0), Qt::Checked);
        }
        vista.close();
    });
}

// The creditor search as the real one behaves: a modal dialog that takes the focus while it is up.
struct BuscaEnDialogo : component::BuscadorAcreedores {
    explicit BuscaEnDialogo(int& veces) : veces(veces) {}
    void MuestraBusqueda(const QString&, uint8_t, const QString&, const QString&, const QString&, const QString&,
                         int32_t) override {
        ++veces;
        QDialog dialogo;
        QLineEdit filtro(&dialogo);
        QTimer::singleShot(50, &dialogo, &QDialog::reject);
        dialogo.exec();
    }
    QString CodigoSeleccionado() const override { return {}; }
    int& veces;
};

// A key runs its command once, even when the command shows a modal window (the preview, the
// search) that takes the focus and is closed before the key's event is done.
TEST_F(VistaGastosTest, CadaTeclaCorreSuOrdenUnaSolaVez) {
    ASSERT_TRUE(dobles::EscribeIni(ruta.path(), ruta.path()));
    int busquedas = 0, previas = 0;
    component::ServiciosAnfitrion().buscadorAcreedores = [&] { return std::make_unique<BuscaEnDialogo>(busquedas); };
    QTimer cierraPrevia;
    QObject::connect(&cierraPrevia, &QTimer::timeout, [&] {
        if (auto* previa = dynamic_cast<ui::VistaPreview*>(QApplication::activeModalWidget())) {
            ++previas;
            auto& preview = dynamic_cast<report::frmPreview&>(previa->Formulario());
            ui::VistaFormulario::Protege([&] { preview.cmdFunciones(6).UserClick(); });
        }
    });
    cierraPrevia.start(20);
    Muestra([&](ui::VistaConGastos& vista) {
        const auto pulsa = [&](Qt::Key tecla) {
            QWidget* foco = QApplication::focusWidget();
            QTest::keyClick(foco && foco->window() == &vista ? foco : &vista, tecla);
        };
        pulsa(Qt::Key_F10);
        EXPECT_EQ(previas, 1);
        pulsa(Qt::Key_F6);
        EXPECT_EQ(busquedas, 1);
        auto* codigo = De<QLineEdit>(vista, u"txtCodAcreedor");
        vista.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
        codigo->setFocus();
        EXPECT_TRUE(codigo->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), codigo);
        pulsa(Qt::Key_F6);
        EXPECT_EQ(busquedas, 2);
        // A key the form lets through still reaches the widget that has the focus.
        QTest::keyClick(codigo, 'a');
        EXPECT_EQ(codigo->text(), QStringLiteral("a"));
        vista.close();
    });
}

}  // namespace
