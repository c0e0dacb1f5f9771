#include "BaseSqlite.h"
#include "EmpresaPrueba.h"

#include "ui/BuscadoresQt.h"
#include "ui/DialogoBusqueda.h"

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

    EnElDialogo([](ui::DialogoBusqueda& d) { QTest::keyClick(d.Filtro(), Qt::Key_Escape); });
    buscador.MuestraBusqueda(base.Cadena(), 0, QString(), QString(), QStringLiteral("ACREEDORES"), QString(), 0);
    EXPECT_EQ(buscador.CodigoSeleccionado(), QString());
}

}  // namespace
