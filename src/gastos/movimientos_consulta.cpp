// The expense movements of a period, for one typed creditor or every creditor, or for the
// creditors of the ticked agrupaciones; filtered by ticked concepts, statuses and region.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/frmConGastos.h"
#include "vb/Texto.h"

namespace gastos {

namespace {

const QString CamposAcreedor = QStringLiteral(
    "SELECT DISTINCT '' AS COD_AGR, NUM_MOV,FOL_MOV,FEC_MOV,IVA_MOV,RET_TOT,IMP_MOV,RET_ISRTOT,COD_SUCU,"
    "tblCatProveedor.COD_PROV,tblConceptosGyT.COD_CON,NOM_PROV,tblEstatusGyT.COD_ESTATUS,DES_ESTATUS,CON_GRL,DES_CON "
    "FROM ((tblGastosEnc INNER JOIN tblCatProveedor ON tblGastosEnc.COD_ACRE=tblCatProveedor.COD_PROV) INNER JOIN "
    "tblEstatusGyT ON tblGastosEnc.COD_ESTATUS=tblEstatusGyT.COD_ESTATUS) INNER JOIN tblConceptosGyT ON "
    "tblGastosEnc.COD_CON=tblConceptosGyT.COD_CON WHERE tblCatProveedor.ES_ACREED=1 AND ");

const QString CamposGrupo = QStringLiteral(
    "SELECT DISTINCT NUM_MOV,FOL_MOV,FEC_MOV,tblGpoProveedor.COD_GPO,DES_GPO,tblAgrProveedor.COD_AGR,DES_AGR,IVA_MOV,"
    "RET_TOT,IMP_MOV,RET_ISRTOT,tblCatProveedor.COD_PROV,tblConceptosGyT.COD_CON,NOM_PROV,tblEstatusGyT.COD_ESTATUS,"
    "DES_ESTATUS,tblGastosEnc.CON_GRL,DES_CON FROM (((((tblGastosEnc INNER JOIN tblCatProveedor ON "
    "tblGastosEnc.COD_ACRE=tblCatProveedor.COD_PROV) INNER JOIN tblEstatusGyT ON "
    "tblGastosEnc.COD_ESTATUS=tblEstatusGyT.COD_ESTATUS) INNER JOIN tblConceptosGyT ON "
    "tblGastosEnc.COD_CON=tblConceptosGyT.COD_CON) INNER JOIN tblGpoAgrProveedor ON "
    "tblCatProveedor.COD_PROV=tblGpoAgrProveedor.COD_PROV) INNER JOIN tblGpoProveedor ON "
    "tblGpoAgrProveedor.COD_GPO=tblGpoProveedor.COD_GPO) INNER JOIN tblAgrProveedor ON "
    "tblGpoAgrProveedor.COD_AGR=tblAgrProveedor.COD_AGR WHERE tblCatProveedor.ES_ACREED=1 AND ");

// Movements that tie on every key keep the order of their numbers, on every engine.
const QString OrdenAcreedor = QStringLiteral(
    " ORDER BY tblCatProveedor.COD_PROV,tblConceptosGyT.COD_CON,tblGastosEnc.COD_SUCU,tblGastosEnc.FOL_MOV,NUM_MOV;");
const QString OrdenConcepto = QStringLiteral(
    " ORDER BY tblConceptosGyT.COD_CON,tblGastosEnc.COD_SUCU,tblGastosEnc.FEC_MOV,tblGastosEnc.FOL_MOV,NUM_MOV;");
const QString OrdenGrupoAcreedor = QStringLiteral(
    " ORDER BY tblGpoProveedor.COD_GPO,tblAgrProveedor.COD_AGR,tblCatProveedor.COD_PROV,tblConceptosGyT.COD_CON,"
    "FOL_MOV,NUM_MOV;");
const QString OrdenGrupoConcepto = QStringLiteral(
    " ORDER BY tblGpoProveedor.COD_GPO,tblAgrProveedor.COD_AGR,tblConceptosGyT.COD_CON,FEC_MOV,FOL_MOV,NUM_MOV;");

}  // namespace

void frmConGastos::ArmaListaEstatus() {
    QString& lista = ListaEstatus;
    lista.clear();
    if (chkStatus(0).Value() == controles::vbChecked) lista += QStringLiteral("1,");
    if (chkStatus(1).Value() == controles::vbChecked) lista += QStringLiteral("2,");
}

void frmConGastos::ConsultaMovtosAcreedor() {
    ArmaListaConceptos();

    QString sql = CamposAcreedor;
    const QString codigo = txtCodAcreedor.Text();
    if (!codigo.isEmpty())
        sql += QStringLiteral("(tblCatProveedor.COD_PROV='") + ado::Comillas(codigo) + QStringLiteral("') AND ");
    if (!ListaConceptos.isEmpty()) sql += QStringLiteral("tblConceptosGyT.COD_CON IN(") + ListaConceptos + QStringLiteral(") AND ");
    ArmaListaEstatus();
    if (!ListaEstatus.isEmpty())
        sql += QStringLiteral("tblEstatusGyT.COD_ESTATUS IN(") + ListaEstatus.chopped(1) +
               QStringLiteral(") AND ");
    sql += QStringLiteral("(tblGastosEnc.FEC_MOV BETWEEN ") + FechaInicial + QStringLiteral(" AND ") + FechaFinal + u')';
    AgregaFiltroRegion(sql);
    sql += optOrden(0).Value() ? OrdenAcreedor : OrdenConcepto;

    rsAcreedores = ado::Recordset();
    rsAcreedores.Open(sql, modConGastos::ConexionModulo(), 1, 1, 1);
}

bool frmConGastos::ConsultaMovtosGrupo() {
    QString agrupaciones;
    controles::TreeView& arbol = tvwGral(0);
    for (vb::Integer indice = 1; indice <= arbol.Nodes().Count(); ++indice) {
        const controles::Node& nodo = arbol.Nodes().Item(indice);
        if (nodo.Checked() && vb::Left(nodo.Key(), 1) == u"A") agrupaciones += vb::Mid(nodo.Key(), 2) + u',';
    }
    if (agrupaciones.isEmpty()) return false;
    agrupaciones.chop(1);
    ArmaListaConceptos();

    QString sql = CamposGrupo;
    if (!ListaConceptos.isEmpty()) sql += QStringLiteral("tblConceptosGyT.COD_CON IN(") + ListaConceptos + QStringLiteral(") AND ");
    sql += QStringLiteral("(FEC_MOV BETWEEN ") + FechaInicial + QStringLiteral(" AND ") + FechaFinal +
           QStringLiteral(") AND tblAgrProveedor.COD_AGR IN (") + agrupaciones + u')';
    ArmaListaEstatus();
    if (!ListaEstatus.isEmpty())
        sql += QStringLiteral(" AND tblEstatusGyT.COD_ESTATUS IN(") + ListaEstatus.chopped(1) + u')';
    AgregaFiltroRegion(sql);
    sql += optOrden(0).Value() ? OrdenGrupoAcreedor : OrdenGrupoConcepto;

    rsAcreedores = ado::Recordset();
    rsAcreedores.Open(sql, modConGastos::ConexionModulo(), 1, 1, 1);
    return true;
}

}  // namespace gastos
