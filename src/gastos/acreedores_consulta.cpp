// The creditor lists every creditor report starts from: all creditors, one typed code, or the
// creditors of the agrupaciones ticked in the tree, optionally within a city, state or country.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/Catalogos.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/frmConGastos.h"
#include "vb/Texto.h"

namespace gastos {

namespace {

const QString UnionEstatus =
    QStringLiteral(" INNER JOIN tblEstatusProv ON tblCatProveedor.COD_STS=tblEstatusProv.COD_STS) ");
const QString UnionRegiones = QStringLiteral(
    " INNER JOIN tblCiudad ON tblCatProveedor.COD_CID=tblCiudad.COD_CID) INNER JOIN tblEstado ON "
    "tblCatProveedor.COD_EST=tblEstado.COD_EST) INNER JOIN tblPais ON tblCatProveedor.COD_PAIS=tblPais.COD_PAIS ");
const QString UnionEstatusGrupos = QStringLiteral(
    " INNER JOIN tblEstatusProv ON tblCatProveedor.COD_STS=tblEstatusProv.COD_STS) INNER JOIN tblGpoProveedor ON "
    "tblGpoAgrProveedor.COD_GPO=tblGpoProveedor.COD_GPO) INNER JOIN tblAgrProveedor ON "
    "tblGpoAgrProveedor.COD_AGR=tblAgrProveedor.COD_AGR )");
const QString UnionRegionesGrupos = QStringLiteral(
    " INNER JOIN tblCiudad ON tblCatProveedor.COD_CID=tblCiudad.COD_CID) INNER JOIN tblEstado ON "
    "tblCatProveedor.COD_EST=tblEstado.COD_EST) INNER JOIN tblPais ON tblCatProveedor.COD_PAIS=tblPais.COD_PAIS) "
    "INNER JOIN tblGpoProveedor ON tblGpoAgrProveedor.COD_GPO=tblGpoProveedor.COD_GPO) INNER JOIN tblAgrProveedor "
    "ON tblGpoAgrProveedor.COD_AGR=tblAgrProveedor.COD_AGR ");

const QString CamposGrupo =
    QStringLiteral("tblGpoProveedor.COD_GPO,DES_GPO,tblAgrProveedor.COD_AGR,DES_AGR,tblCatProveedor.COD_PROV,");

const QString CondicionAcreedor = QStringLiteral("WHERE tblCatProveedor.ES_ACREED=1 ");

// Every engine lists the creditors alike: by code; grouped, by group and agrupación first, since
// the grouped reports head and total each run of one group and of one agrupación (a creditor sits
// once in each agrupación).
const QString OrdenAcreedores = QStringLiteral(" ORDER BY tblCatProveedor.COD_PROV");
const QString OrdenAcreedoresAgrupacion =
    QStringLiteral(" ORDER BY tblGpoProveedor.COD_GPO,tblAgrProveedor.COD_AGR,tblCatProveedor.COD_PROV");

// The columns after the creditor's code: its status and telephones (the ledger and the balances),
// the catalog's parameters or its directory, in detail or not. The ledger and the balances read
// the credit limit and balance instead of the telephones when grouped.
QString CamposDe(frmConGastos::Columnas columnas, bool agrupado, bool detallado) {
    using enum frmConGastos::Columnas;
    switch (columnas) {
    case Estatus:
        return agrupado ? QStringLiteral("NOM_PROV,DES_STS,LIM_CRE,SAL_PROV,(LIM_CRE-SAL_PROV) AS DISP")
                        : QStringLiteral("NOM_PROV,DES_STS,TEL1_PROV,TEL2_PROV");
    case Parametros:
        return detallado ? QStringLiteral("NOM_PROV,DES_STS,PORC_DES1,PORC_DES2,PORC_DES3,PORC_DES4,PORC_DES5,"
                                          "PORC_DES6,FEC_UCOM,FEC_UPAG,PLA_CRE,LIM_CRE,SAL_PROV,"
                                          "(LIM_CRE-SAL_PROV) AS DISP")
                         : QStringLiteral("NOM_PROV,DES_STS,PORC_DES1,PORC_DES2,PORC_DES3,PORC_DES4,PORC_DES5,"
                                          "PORC_DES6,PLA_CRE,LIM_CRE");
    case Directorio:
        return detallado ? QStringLiteral("NOM_PROV,CALL_NUM,COL_PROV,COP_PROV,TEL1_PROV,TEL2_PROV,tblCiudad.DES_CID,"
                                          "tblEstado.NOM_EST,tblPais.COD_PAIS,RFC_PROV,MAIL_PROV,CONTACTO1,"
                                          "CONTACTO2")
                         : QStringLiteral("NOM_PROV,TEL1_PROV,TEL2_PROV,MAIL_PROV");
    }
    return {};
}

// The directory joins three region tables more, one parenthesis deeper.
QString AbreRegiones(frmConGastos::Columnas columnas) {
    return columnas == frmConGastos::Columnas::Directorio ? QStringLiteral("(") : QString();
}

}  // namespace

std::optional<frmConGastos::Columnas> frmConGastos::ColumnasDelReporte() const {
    const Reporte* reporte = ReporteElegido();
    if (!reporte || reporte->acreedores == Acreedores::Ninguna) return std::nullopt;
    if (reporte->acreedores == Acreedores::Estatus) return Columnas::Estatus;
    if (cmbTipCatalogo.ListIndex() == 1) return Columnas::Parametros;
    if (cmbTipCatalogo.ListIndex() == 0) return Columnas::Directorio;
    return std::nullopt;
}

void frmConGastos::EligeConsultaAcreedores() {
    if (txtCodAcreedor.Text().isEmpty()) ConsultaAcreedoresAgrupacion(Agrupado);
    else Agrupado = false;
    if (!Agrupado) ConsultaAcreedores();
}

void frmConGastos::ConsultaAcreedores() {
    const std::optional<Columnas> columnas = ColumnasDelReporte();
    if (columnas) {
        camposAcreedores_ = QStringLiteral("tblCatProveedor.COD_PROV,") + CamposDe(*columnas, false, optTipo(0).Value());
        listaAcreedores_.tablas = AbreRegiones(*columnas) + QStringLiteral("(tblCatProveedor ") +
                                  (*columnas == Columnas::Directorio ? UnionRegiones : UnionEstatus);
    }
    // Any other choice reuses the select list and tables of the previous query.

    QString& condicion = listaAcreedores_.condicion;
    const QString codigo = txtCodAcreedor.Text();
    if (!codigo.isEmpty())
        condicion = QStringLiteral("WHERE tblCatProveedor.ES_ACREED=1 AND tblCatProveedor.COD_PROV='") +
                    ado::Comillas(codigo) + u'\'';
    else
        condicion = CondicionAcreedor;
    AgregaFiltroRegion(condicion);
    if (chkSinSaldo.Value() == controles::vbUnchecked && chkSinSaldo.Enabled() && columnas != Columnas::Estatus)
        condicion += QStringLiteral(" AND SAL_PROV>0");
    listaAcreedores_.orden = OrdenAcreedores;
    AbreAcreedores();
}

void frmConGastos::ConsultaAcreedoresAgrupacion(bool& AgrupadoPor) {
    QString lista;
    controles::TreeView& arbol = tvwGral(0);
    for (vb::Integer indice = 1; indice <= arbol.Nodes().Count(); ++indice) {
        const controles::Node& nodo = arbol.Nodes().Item(indice);
        if (nodo.Checked() && vb::Left(nodo.Key(), 1) == u"A") lista += vb::Mid(nodo.Key(), 2) + u',';
    }
    if (lista.isEmpty()) {
        AgrupadoPor = false;
        return;
    }
    lista.chop(1);

    if (const std::optional<Columnas> columnas = ColumnasDelReporte()) {
        camposAcreedores_ = CamposGrupo + CamposDe(*columnas, true, optTipo(0).Value());
        listaAcreedores_.tablas =
            AbreRegiones(*columnas) +
            QStringLiteral("((((tblCatProveedor INNER JOIN tblGpoAgrProveedor ON "
                           "tblCatProveedor.COD_PROV=tblGpoAgrProveedor.COD_PROV)") +
            (*columnas == Columnas::Directorio ? UnionRegionesGrupos : UnionEstatusGrupos);
    }

    QString& condicion = listaAcreedores_.condicion;
    condicion = QStringLiteral(" WHERE tblCatProveedor.ES_ACREED=1 AND tblGpoAgrProveedor.COD_AGR IN (") + lista + u')';
    AgregaFiltroRegion(condicion);
    if (chkSinSaldo.Value() == controles::vbUnchecked && chkSinSaldo.Enabled()) condicion += QStringLiteral(" AND SAL_PROV>0");
    listaAcreedores_.orden = OrdenAcreedoresAgrupacion;
    AbreAcreedores();
    AgrupadoPor = true;
}

void frmConGastos::AbreAcreedores() {
    const ListaAcreedores& l = listaAcreedores_;
    rsAcreedores = ado::Recordset();
    rsAcreedores.Open(QStringLiteral("SELECT ") + camposAcreedores_ + QStringLiteral(" FROM ") + l.tablas + l.condicion +
                          l.orden,
                      modConGastos::ConexionModulo(), 1, -1, -1);
}

QString frmConGastos::ClaveLista() const {
    return Agrupado ? QStringLiteral("tblGpoProveedor.COD_GPO,tblAgrProveedor.COD_AGR,tblCatProveedor.COD_PROV")
                    : QStringLiteral("tblCatProveedor.COD_PROV");
}

QString frmConGastos::ClaveDe(const ado::Recordset& rs) const {
    // Both sides read the same columns of the same rows: equal keys are equal text.
    QString clave = rs.Fields("COD_PROV").Value().Texto();
    if (Agrupado)
        clave += u'\x1f' + rs.Fields("COD_AGR").Value().Texto() + u'\x1f' + rs.Fields("COD_GPO").Value().Texto();
    return clave;
}

QString frmConGastos::MovimientosDeLaLista(std::initializer_list<QString> uniones, const QString& condicion) const {
    const ListaAcreedores& l = listaAcreedores_;
    QString tablas = l.tablas + QStringLiteral(" INNER JOIN tblGastosEnc ON tblGastosEnc.COD_ACRE=tblCatProveedor.COD_PROV");
    for (const QString& union_ : uniones) tablas = u'(' + tablas + QStringLiteral(") ") + union_;
    return QStringLiteral(" FROM ") + tablas + u' ' + l.condicion + QStringLiteral(" AND ") + condicion;
}

void frmConGastos::AgregaFiltroRegion(QString& consulta) {
    if (chkRegion.Value() != controles::vbChecked) return;
    static const char16_t* const columnas[] = {u"COD_CID", u"COD_EST", u"COD_PAIS"};
    for (int i = 0; i < 3; ++i) {
        const QString codigo = modConGastos::CodigoOpcion(cmbRegion(i), rsOpciones[static_cast<size_t>(i)]);
        if (cmbRegion(i).Text().isEmpty()) continue;
        consulta += QStringLiteral(" AND (tblCatProveedor.") + QString::fromUtf16(columnas[i]) + QStringLiteral("='") +
                    ado::Comillas(codigo) + QStringLiteral("')");
    }
}

}  // namespace gastos
