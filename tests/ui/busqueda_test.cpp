#include "BaseSqlite.h"
#include "EmpresaPrueba.h"

#include "ui/BuscadoresQt.h"
#include "ui/DialogoBusqueda.h"
#include "vb/ErrorEjecucion.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// Runs `pasos` on the search dialog the next call opens.
void EnElDialogo(const std::function<void(ui::DialogoBusqueda&)>& pasos) {
    QTimer::singleShot(0, [pasos] {
        auto* dialogo = dynamic_cast<ui::DialogoBusqueda*>(QApplication::activeModalWidget());
        EXPECT_NE(dialogo, nullptr);
        if (!dialogo) return;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialogo));
        pasos(*dialogo);
        if (dialogo->isVisible()) {
            ADD_FAILURE() << "el diálogo quedó abierto";
            dialogo->reject();
        }
    });
}

QStringList Renglon(const QTreeView* lista, int renglon) {
    QStringList celdas;
    for (int c = 0; c < lista->model()->columnCount(); ++c) celdas << lista->model()->index(renglon, c).data().toString();
    return celdas;
}

class BusquedaTest : public testing::Test {
protected:
    BusquedaTest() : base(EmpresaPrueba.c_str()) {}
    BaseSqlite base;
};

TEST_F(BusquedaTest, AcreedoresPorCodigoONombreSinDistinguirMayusculas) {
    ui::BuscadorAcreedoresQt buscador;
    EnElDialogo([](ui::DialogoBusqueda& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("BUSCAR ACREEDOR"));
        EXPECT_EQ(d.Visibles(), 4);  // the supplier that is no creditor is left out
        QTest::keyClicks(d.Filtro(), QStringLiteral("ÑANDÚ"));
        ASSERT_EQ(d.Visibles(), 1);
        EXPECT_EQ(Renglon(d.Lista(), 0), (QStringList{QStringLiteral("A001"), QStringLiteral("Papelería Ñandú y Asociados")}));
        d.Filtro()->clear();
        QTest::keyClicks(d.Filtro(), QStringLiteral("luz"));
        ASSERT_EQ(d.Visibles(), 1);
        QTest::keyClick(d.Filtro(), Qt::Key_Return);
    });
    buscador.MuestraBusqueda(base.Cadena(), 0, QString(), QString(), QStringLiteral("ACREEDORES"), QString(), 0);
    EXPECT_EQ(buscador.CodigoSeleccionado(), QStringLiteral("B010"));

    // Down in the filter box moves the choice; a filter that matches nothing chooses nothing.
    EnElDialogo([](ui::DialogoBusqueda& d) {
        QTest::keyClicks(d.Filtro(), QStringLiteral("a00"));
        EXPECT_EQ(d.Visibles(), 3);
        QTest::keyClick(d.Filtro(), Qt::Key_Down);
        QTest::keyClick(d.Filtro(), Qt::Key_Down);
        d.Filtro()->setText(QStringLiteral("zzz"));
        EXPECT_EQ(d.Visibles(), 0);
        QTest::keyClick(d.Filtro(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        d.Filtro()->setText(QStringLiteral("a00"));
        QTest::keyClick(d.Filtro(), Qt::Key_Down);
        QTest::keyClick(d.Filtro(), Qt::Key_Return);
    });
    buscador.MuestraBusqueda(base.Cadena(), 0, QString(), QString(), QStringLiteral("ACREEDORES"), QString(), 0);
    EXPECT_EQ(buscador.CodigoSeleccionado(), QStringLiteral("A002"));

    EnElDialogo([](ui::DialogoBusqueda& d) { QTest::keyClick(d.Filtro(), Qt::Key_Escape); });
    buscador.MuestraBusqueda(base.Cadena(), 0, QString(), QString(), QStringLiteral("ACREEDORES"), QString(), 0);
    EXPECT_EQ(buscador.CodigoSeleccionado(), QString());
}

TEST_F(BusquedaTest, ChequesEmitidosConSuCuentaFechaEImporte) {
    ui::BuscadorChequesQt buscador;
    QString referencia;
    EnElDialogo([](ui::DialogoBusqueda& d) {
        // Withdrawals with a folio, the latest first.
        ASSERT_EQ(d.Visibles(), 2);
        EXPECT_EQ(Renglon(d.Lista(), 1), (QStringList{QStringLiteral("CH-0451"), QStringLiteral("0101-5"), QStringLiteral("03/06/2024"),
                                                      QStringLiteral("12,345.50"), QStringLiteral("Limpiezas del Norte")}));
        QTest::keyClicks(d.Filtro(), QStringLiteral("norte"));
        ASSERT_EQ(d.Visibles(), 1);
        const QModelIndex celda = d.Lista()->model()->index(0, 4);
        d.Lista()->scrollTo(celda);
        const QPoint punto = d.Lista()->visualRect(celda).center();
        QTest::mouseClick(d.Lista()->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(d.Lista()->viewport(), Qt::LeftButton, {}, punto);
    });
    buscador.MuestraBusqueda(base.Cadena(), 0, QString(), QString(), 2, 57, QString(), QString(), referencia, QString(), QString());
    EXPECT_EQ(buscador.CodigoSeleccionado(), QStringLiteral("CH-0451"));
}

TEST_F(BusquedaTest, SinConexionEsUnErrorDeEjecucionYNoHayDialogo) {
    ui::BuscadorAcreedoresQt buscador;
    EXPECT_THROW(buscador.MuestraBusqueda(QStringLiteral("Provider=SQLite;Data Source=/no/existe/base.db"), 0, QString(),
                                          QString(), QStringLiteral("ACREEDORES"), QString(), 0),
                 vb::ErrorEjecucion);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(buscador.CodigoSeleccionado(), QString());
}

}  // namespace
