// The two trees: creditor groups with their agrupaciones, expense folios with their concepts.
// A group node ("G" & code) holds child nodes ("A" & code); ticks spread between the two levels.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/arbol.h"
#include "gastos/frmConGastos.h"
#include "vb/Texto.h"

namespace gastos {

using namespace controles;

namespace {

const QString ConsultaAgrupaciones = QStringLiteral(
    "SELECT tblGpoProveedor.COD_GPO,DES_GPO,COD_AGR,DES_AGR FROM tblGpoProveedor INNER JOIN tblAgrProveedor ON "
    "tblGpoProveedor.COD_GPO=tblAgrProveedor.COD_GPO ORDER BY tblGpoProveedor.COD_GPO,DES_AGR,COD_AGR;");
const QString ConsultaConceptos = QStringLiteral(
    "SELECT tblFolioGralesGyT.COD_FOL AS COD_GPO,DES_FOL AS DES_GPO,COD_CON AS COD_AGR,DES_CON AS DES_AGR FROM "
    "tblFolioGralesGyT INNER JOIN tblConceptosGyT ON tblFolioGralesGyT.COD_FOL=tblConceptosGyT.COD_FOL WHERE "
    "tblFolioGralesGyT.COD_FOL IN ('AACR','GTOS') ORDER BY tblFolioGralesGyT.COD_FOL,DES_CON,COD_CON;");

bool EsGrupo(const Node& nodo) { return vb::Left(nodo.Key(), 1) == u"G"; }

}  // namespace

QString ConsultaArbol(int Index) { return Index == 0 ? ConsultaAgrupaciones : ConsultaConceptos; }

void frmConGastos::CargaArbol(int Index) {
    TreeView& arbol = tvwGral(Index);
    arbol.SetVisible(false);
    arbol.Nodes().Clear();
    arbol.SetVisible(true);

    rsArbol = ado::Recordset();
    rsArbol.Open(ConsultaArbol(Index), modConGastos::ConexionModulo(), 1, 1, 1);
    QString grupoAnterior;
    Node* grupo = nullptr;
    while (!rsArbol.EOF_()) {
        const QString codigoGrupo = rsArbol.Fields("COD_GPO").Value().Texto();
        if (codigoGrupo != grupoAnterior) {
            grupoAnterior = codigoGrupo;
            grupo = &arbol.Nodes().Add(vb::Trim(QStringLiteral("G") + codigoGrupo), rsArbol.Fields("DES_GPO").Value().Texto());
        }
        arbol.Nodes().Add(grupo, tvwChild, QStringLiteral("A") + rsArbol.Fields("COD_AGR").Value().Texto(),
                          rsArbol.Fields("DES_AGR").Value().Texto());
        rsArbol.MoveNext();
    }
    rsArbol.Close();
    rsArbol = ado::Recordset();
}

void frmConGastos::tvwGral_NodeCheck(int, Node& Node) {
    if (EsGrupo(Node)) {
        if (Node.Checked()) Node.SetExpanded(true);
        for (controles::Node* hijo = Node.Child(); hijo; hijo = hijo->Next()) hijo->SetChecked(Node.Checked());
        return;
    }
    controles::Node* padre = Node.Parent();
    if (!padre) return;
    if (Node.Checked()) {
        padre->SetChecked(true);
        return;
    }
    bool algunoMarcado = false;
    for (controles::Node* hermano = Node.FirstSibling(); hermano; hermano = hermano->Next())
        if (hermano->Checked()) algunoMarcado = true;
    padre->SetChecked(algunoMarcado);
}

void frmConGastos::ArmaListaConceptos() {
    QString& lista = ListaConceptos;
    lista.clear();
    TreeView& arbol = tvwGral(1);
    for (vb::Integer indice = 1; indice <= arbol.Nodes().Count(); ++indice) {
        const Node& nodo = arbol.Nodes().Item(indice);
        if (nodo.Checked() && vb::Left(nodo.Key(), 1) == u"A")
            lista += u'\'' + ado::Comillas(vb::Mid(nodo.Key(), 2)) + QStringLiteral("',");
    }
    if (!lista.isEmpty()) lista.chop(1);
}

}  // namespace gastos
