#include "BaseSqlite.h"
#include "DoblesVentanas.h"
#include "EmpresaPrueba.h"
#include "MuestraModal.h"

#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "controles/PuertoUI.h"
#include "gastos/frmConGastos.h"
#include "report/PuertoImpresionActual.h"
#include "ui/Anfitrion.h"
#include "ui/ArbolQt.h"
#include "ui/VistaConGastos.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The text a widget shows for its control's caption; a button's key hint sits on a second line.
QString TextoMostrado(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().replace(u'\n', u' ');
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return QString();
}

class VistaGastosTest : public testing::Test {
protected:
    VistaGastosTest() : base(EmpresaPrueba.c_str()) {}

    void SetUp() override {
        using namespace modConGastos;
        RutaBD = ruta.path();
        EmpresaActual = 1;
        ManejadorBD = 0;
        CadenaConexion = base.Cadena();
        ASSERT_TRUE(Conecta(CadenaConexion));
        ui::InstalaServiciosQt();
        dobles::InstalaMensajes(guion);
        busqueda.respuesta = QStringLiteral("A003");
        component::ServiciosAnfitrion().buscadorAcreedores = [this] { return std::make_unique<dobles::BuscaAcreedores>(busqueda); };
        form = std::make_shared<gastos::frmConGastos>();
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
    void Muestra(Pasos pasos) { MuestraYHaz<ui::VistaConGastos>(*form, pasos); }

    template <class W>
    static W* De(ui::VistaConGastos& vista, QStringView control) {
        auto* w = dynamic_cast<W*>(vista.Widget(control.toString()));
        EXPECT_NE(w, nullptr) << control.toString().toStdString();
        return w;
    }

    QTemporaryDir ruta;
    BaseSqlite base;
    dobles::Guion guion;
    dobles::Busqueda busqueda;
    std::shared_ptr<gastos::frmConGastos> form;
};

TEST_F(VistaGastosTest, MuestraCadaControlConSuTextoYSeCierraConEscape) {
    Muestra([&](ui::VistaConGastos& vista) {
        EXPECT_EQ(vista.windowTitle(), QStringLiteral("CONSULTAS DE GASTOS"));
        EXPECT_EQ(vista.palette().color(QPalette::Window), QColor(0xD2, 0xE6, 0xF5));
        for (controles::Control* c : form->Controls()) {
            QWidget* w = vista.Widget(c->FullName());
            ASSERT_NE(w, nullptr) << c->FullName().toStdString();
            EXPECT_TRUE(w->isVisible()) << c->FullName().toStdString();
            if (auto* conTitulo = dynamic_cast<controles::CaptionedControl*>(c)) {
                EXPECT_EQ(TextoMostrado(w), conTitulo->Caption()) << c->FullName().toStdString();
            }
        }
        for (int i = 0; i < 4; ++i)
            EXPECT_FALSE(De<QAbstractButton>(vista, QStringLiteral("cmdFunciones(%1)").arg(i))->icon().isNull());
        EXPECT_EQ(De<QAbstractButton>(vista, u"cmdFunciones(1)")->palette().color(QPalette::Button), QColor(0xF5, 0xFF, 0xFF));

        auto* consulta = De<QComboBox>(vista, u"cmbConsulta");
        ASSERT_EQ(consulta->count(), 5);
        EXPECT_EQ(consulta->currentText(), QStringLiteral("Catálogo de Acreedores"));
        EXPECT_EQ(consulta->itemText(4), QStringLiteral("Reposición de Caja"));
        EXPECT_EQ(De<QComboBox>(vista, u"cmbTipCatalogo")->currentText(), QStringLiteral("Directorio"));
        EXPECT_EQ(De<QComboBox>(vista, u"cmbRegion(2)")->count(), 2);

        // Two groups with their agrupaciones, in the tree's order.
        auto* agrupaciones = De<ui::ArbolQt>(vista, u"tvwGral(0)");
        ASSERT_EQ(agrupaciones->topLevelItemCount(), 2);
        EXPECT_EQ(agrupaciones->topLevelItem(0)->text(0), QStringLiteral("Nacionales"));
        ASSERT_EQ(agrupaciones->topLevelItem(0)->childCount(), 2);
        EXPECT_EQ(agrupaciones->topLevelItem(0)->child(0)->text(0), QStringLiteral("Limpieza"));
        EXPECT_EQ(agrupaciones->topLevelItem(0)->checkState(0), Qt::Unchecked);
        EXPECT_EQ(De<ui::ArbolQt>(vista, u"tvwGral(1)")->topLevelItem(1)->childCount(), 2);

        // Escape reaches the form even from inside a text box, and the form closes the window.
        auto* codigo = De<QLineEdit>(vista, u"txtCodAcreedor");
        codigo->setFocus();
        QTest::keyClick(codigo, Qt::Key_Escape);
    });
    EXPECT_FALSE(form->Loaded());
}

TEST_F(VistaGastosTest, ElReporteElegidoHabilitaSusFiltros) {
    Muestra([&](ui::VistaConGastos& vista) {
        auto* consulta = De<QComboBox>(vista, u"cmbConsulta");
        auto* status = De<QWidget>(vista, u"chkStatus(0)");
        auto* folio = De<QLineEdit>(vista, u"txtFolioCheque");
        auto* codigo = De<QLineEdit>(vista, u"txtCodAcreedor");
        auto* conceptos = De<QWidget>(vista, u"tvwGral(1)");
        EXPECT_FALSE(status->isEnabled());
        consulta->setCurrentIndex(2);
        emit consulta->activated(2);
        EXPECT_EQ(form->cmbConsulta.ListIndex(), 2);
        EXPECT_TRUE(status->isEnabled());

        // Petty cash: by folio, no creditor code, the concept tree greyed with its frame.
        consulta->setCurrentIndex(4);
        emit consulta->activated(4);
        EXPECT_TRUE(folio->isEnabled());
        EXPECT_FALSE(codigo->isEnabled());
        EXPECT_EQ(codigo->palette().color(QPalette::Base), QColor(0xD2, 0xE6, 0xF5));
        EXPECT_EQ(De<QAbstractButton>(vista, u"optOrden(0)")->text(), QStringLiteral("Por Folio"));
        EXPECT_FALSE(conceptos->isEnabled());

        // Ordering by concept frees the concept tree; the option buttons follow the form.
        auto* porConcepto = De<QAbstractButton>(vista, u"optOrden(1)");
        porConcepto->click();
        EXPECT_TRUE(form->optOrden(1).Value());
        EXPECT_FALSE(De<QAbstractButton>(vista, u"optOrden(0)")->isChecked());
        EXPECT_TRUE(conceptos->isEnabled());
        porConcepto->click();  // a second click on the chosen option leaves it chosen
        EXPECT_TRUE(porConcepto->isChecked());

        // Back to the ledger: what the petty-cash report greyed is usable again.
        consulta->setCurrentIndex(1);
        emit consulta->activated(1);
        EXPECT_TRUE(codigo->isEnabled());
        EXPECT_NE(codigo->palette().color(QPalette::Base), QColor(0xD2, 0xE6, 0xF5));
        EXPECT_FALSE(folio->isEnabled());

        // The region lists follow "Por Región"; a typed region text reaches the list's control.
        auto* ciudad = De<QComboBox>(vista, u"cmbRegion(0)");
        EXPECT_FALSE(ciudad->isEnabled());
        De<QAbstractButton>(vista, u"chkRegion")->click();
        EXPECT_EQ(form->chkRegion.Value(), controles::vbChecked);
        ASSERT_TRUE(ciudad->isEnabled());
        emit ciudad->activated(1);
        EXPECT_EQ(form->cmbRegion(0).Text(), QStringLiteral("Monterrey"));
        ciudad->lineEdit()->selectAll();
        QTest::keyClicks(ciudad->lineEdit(), QStringLiteral("Gua"));
        EXPECT_EQ(form->cmbRegion(0).Text(), QStringLiteral("Gua"));
        EXPECT_EQ(form->cmbRegion(0).ListIndex(), -1);
        EXPECT_EQ(ciudad->currentText(), QStringLiteral("Gua"));

        // Typed text and F6's search both land in the creditor code.
        codigo->setFocus();
        QTest::keyClicks(codigo, QStringLiteral("A0"));
        EXPECT_EQ(form->txtCodAcreedor.Text(), QStringLiteral("A0"));
        QTest::keyClick(codigo, Qt::Key_F6);
        EXPECT_EQ(codigo->text(), QStringLiteral("A003"));

        De<QAbstractButton>(vista, u"cmdFunciones(2)")->click();
    });
    EXPECT_FALSE(form->Loaded());
}

TEST_F(VistaGastosTest, UnaMarcaDelUsuarioPasaPorNodeCheck) {
    Muestra([&](ui::VistaConGastos& vista) {
        auto* arbol = De<ui::ArbolQt>(vista, u"tvwGral(0)");
        const controles::Node& nacionales = form->tvwGral(0).Nodes().Item(QStringLiteral("G1"));
        QTreeWidgetItem* grupo = arbol->Elemento(nacionales.Index());
        ASSERT_NE(grupo, nullptr);

        // The user's tick on a group ticks and shows its agrupaciones.
        grupo->setCheckState(0, Qt::Checked);
        EXPECT_TRUE(nacionales.Checked());
        EXPECT_TRUE(grupo->isExpanded());
        for (const controles::Node* hijo = nacionales.Child(); hijo; hijo = hijo->Next()) {
            EXPECT_TRUE(hijo->Checked());
            EXPECT_EQ(arbol->Elemento(hijo->Index())->checkState(0), Qt::Checked);
        }

        // Unticking both agrupaciones unticks the group, in the form and on screen.
        for (QTreeWidgetItem* hijo : {grupo->child(0), grupo->child(1)}) hijo->setCheckState(0, Qt::Unchecked);
        EXPECT_FALSE(nacionales.Checked());
        EXPECT_EQ(grupo->checkState(0), Qt::Unchecked);

        // A tick set from code shows up.
        form->tvwGral(0).Nodes().Item(QStringLiteral("A20")).SetChecked(true);
        EXPECT_EQ(arbol->topLevelItem(1)->child(0)->checkState(0), Qt::Checked);

        vista.close();
    });
    EXPECT_FALSE(form->Loaded());
}

}  // namespace
