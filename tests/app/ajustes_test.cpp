// The settings of `reporte` on a small window: each kind of control takes what a user could give
// it, raises the user's events, and refuses the rest with a message that names the problem.
#include "ajustes.h"
#include "controles/CheckBox.h"
#include "controles/ComboBox.h"
#include "controles/Constants.h"
#include "controles/ControlArray.h"
#include "controles/DTPicker.h"
#include "controles/Form.h"
#include "controles/Label.h"
#include "controles/OptionButton.h"
#include "controles/TextBox.h"
#include "controles/TreeView.h"

#include <gtest/gtest.h>

using namespace controles;
using app::Ajuste;

namespace {

struct Ventana : Form {
    Ventana() : Form(QStringLiteral("frmPrueba")) {
        lista.SetStyle(vbComboDropdownList);
        for (const char* e : {"Uno", "2", "Tres"}) lista.AddItem(QString::fromLatin1(e));
        Node& grupo = arbol.Nodes().Add(QStringLiteral("G1"), QStringLiteral("Grupo"));
        arbol.Nodes().Add(&grupo, tvwChild, QStringLiteral("A10"), QStringLiteral("Hijo"));
        lista.Click = [this] { eventos << QStringLiteral("lista"); };
        casilla.Click = [this] { eventos << QStringLiteral("casilla"); };
        opcion(1).Click = [this] { eventos << QStringLiteral("opcion"); };
        arbol.NodeCheck = [this](Node& n) { eventos << n.Key(); };
        controles::Load(*this);
    }
    ComboBox lista{*this, QStringLiteral("cmbLista")};
    CheckBox casilla{*this, QStringLiteral("chkCasilla")};
    ControlArray<OptionButton> opcion{*this, QStringLiteral("optOpcion"), {0, 1}};
    DTPicker fecha{*this, QStringLiteral("dtpFecha"), 0};
    TextBox texto{*this, QStringLiteral("txtTexto")};
    TreeView arbol{*this, QStringLiteral("tvwArbol"), 0};
    Label etiqueta{*this, QStringLiteral("lblEtiqueta")};
    QStringList eventos;
};

// The message of the setting's failure, "" when it applied.
QString Aplica(Ventana& v, const QString& fijar) {
    try {
        app::AplicaAjuste(v, fijar.contains(u'=') ? app::LeeFijar(fijar) : app::LeeMarcar(fijar));
        return {};
    } catch (const app::ErrorAjuste& e) {
        return e.mensaje();
    }
}

}  // namespace

TEST(Ajustes, UnaListaTomaElTextoExactoDeUnaEntradaOSuPosicion) {
    Ventana v;
    EXPECT_EQ(Aplica(v, QStringLiteral("cmbLista=Tres")), "");
    EXPECT_EQ(v.lista.ListIndex(), 2);
    // An entry whose text is a number is found by its text before the number is taken as a position.
    EXPECT_EQ(Aplica(v, QStringLiteral("cmbLista=2")), "");
    EXPECT_EQ(v.lista.ListIndex(), 1);
    EXPECT_EQ(Aplica(v, QStringLiteral("cmbLista=0")), "");
    EXPECT_EQ(v.lista.ListIndex(), 0);
    EXPECT_EQ(v.eventos, (QStringList{"lista", "lista", "lista"}));

    EXPECT_EQ(Aplica(v, QStringLiteral("cmbLista=tres")),
              "--fijar cmbLista=tres: cmbLista no tiene la entrada \"tres\" (entradas: \"Uno\", \"2\", \"Tres\")");
    EXPECT_NE(Aplica(v, QStringLiteral("cmbLista=3")), "");
    EXPECT_EQ(v.lista.ListIndex(), 0);
}

TEST(Ajustes, CasillaOpcionFechaYTextoComoLosCambiaUnUsuario) {
    Ventana v;
    EXPECT_EQ(Aplica(v, QStringLiteral("chkCasilla=1")), "");
    EXPECT_EQ(Aplica(v, QStringLiteral("chkCasilla=1")), "");  // already ticked: no click
    EXPECT_EQ(v.casilla.Value(), 1);
    EXPECT_EQ(Aplica(v, QStringLiteral("optOpcion(1)=1")), "");
    EXPECT_TRUE(v.opcion(1).Value());
    EXPECT_EQ(v.eventos, (QStringList{"casilla", "opcion"}));
    EXPECT_NE(Aplica(v, QStringLiteral("chkCasilla=2")), "");
    EXPECT_NE(Aplica(v, QStringLiteral("optOpcion(0)=0")), "");

    EXPECT_EQ(Aplica(v, QStringLiteral("dtpFecha(0)=2024-02-29")), "");
    EXPECT_EQ(v.fecha.Value(), QDate(2024, 2, 29));
    for (const char* mala : {"dtpFecha(0)=2023-02-29", "dtpFecha(0)=29/02/2024", "dtpFecha(0)=2024-2-9"})
        EXPECT_TRUE(Aplica(v, QString::fromLatin1(mala)).contains(u"AAAA-MM-DD")) << mala;
    // A real date the control cannot hold.
    EXPECT_TRUE(Aplica(v, QStringLiteral("dtpFecha(0)=1600-12-31")).contains(u"no acepta la fecha"));
    EXPECT_EQ(v.fecha.Value(), QDate(2024, 2, 29));

    EXPECT_EQ(Aplica(v, QStringLiteral("txtTexto=A = B")), "");
    EXPECT_EQ(v.texto.Text(), "A = B");
}

TEST(Ajustes, MarcarPalomeaComoElUsuarioYUnaSolaVez) {
    Ventana v;
    EXPECT_EQ(Aplica(v, QStringLiteral("tvwArbol(0):A10")), "");
    EXPECT_EQ(Aplica(v, QStringLiteral("tvwArbol(0):A10")), "");
    EXPECT_TRUE(v.arbol.Nodes().Item(QStringLiteral("A10")).Checked());
    EXPECT_EQ(v.eventos, QStringList{"A10"});
    EXPECT_EQ(Aplica(v, QStringLiteral("tvwArbol(0):a10")),
              "--marcar tvwArbol(0):a10: tvwArbol(0) no tiene el nodo \"a10\"");
}

TEST(Ajustes, LoQueUnUsuarioNoPodriaHacerSeRechaza) {
    Ventana v;
    EXPECT_EQ(Aplica(v, QStringLiteral("cmbOtra=1")),
              "--fijar cmbOtra=1: la ventana frmPrueba no tiene el control cmbOtra");
    EXPECT_NE(Aplica(v, QStringLiteral("lblEtiqueta=x")), "");
    EXPECT_NE(Aplica(v, QStringLiteral("tvwArbol(0)=1")), "");
    EXPECT_NE(Aplica(v, QStringLiteral("cmbLista:Uno")), "");
    v.texto.SetEnabled(false);
    EXPECT_TRUE(Aplica(v, QStringLiteral("txtTexto=x")).contains(u"deshabilitado"));
    EXPECT_EQ(v.texto.Text(), "");

    for (const char* malo : {"=1", "cmbLista", " =1"})
        EXPECT_THROW(app::LeeFijar(QString::fromLatin1(malo)), app::ErrorAjuste) << malo;
    EXPECT_THROW(app::LeeMarcar(QStringLiteral("tvwArbol(0)")), app::ErrorAjuste);
}
