#include "component/Catalogos.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "ado/TiposCampo.h"
#include "component/Servicios.h"
#include "controles/ComboBox.h"
#include "controles/Screen.h"
#include "vb/ErrorEjecucion.h"

namespace modConGastos {

QString ConsultaCatalogo(int nivel) {
    switch (nivel) {
    case 1: return QStringLiteral("SELECT COD_CID AS COD_TABLA,DES_CID AS DES_TABLA FROM tblCiudad ORDER BY COD_CID");
    case 2: return QStringLiteral("SELECT COD_EST AS COD_TABLA,DES_EST AS DES_TABLA FROM tblEstado ORDER BY COD_EST");
    case 3: return QStringLiteral("SELECT COD_PAIS AS COD_TABLA,DES_PAIS AS DES_TABLA FROM tblPais ORDER BY COD_PAIS");
    case 4:
        return QStringLiteral("SELECT COD_CON AS COD_TABLA,DES_CON AS DES_TABLA FROM tblConceptosGyT WHERE "
                              "(COD_CON IN('TRCT','TRSF','RTRC')) ORDER BY COD_FOL,COD_CON");
    default: return QString();
    }
}

namespace {

bool Vacio(const ado::Recordset& rs) { return rs.BOF() && rs.EOF_(); }

}  // namespace

void CargaCatalogo(ado::Connection& conexion, int nivel, controles::ComboBox& combo, ado::Recordset& rsOpciones,
                   bool seleccionaPrimero) {
    CargaCombo(conexion, combo, rsOpciones, ConsultaCatalogo(nivel), nivel == 4 ? 250 : 0, seleccionaPrimero);
}

void CargaCombo(ado::Connection& conexion, controles::ComboBox& combo, ado::Recordset& rsOpciones,
                const QString& consulta, int32_t anchoLista, bool seleccionaPrimero) {
    combo.Clear();
    rsOpciones = ado::Recordset();
    rsOpciones.CursorLocation(3);
    rsOpciones.Fields().Append(QStringLiteral("ORDEN_COD"), ado::tipos::adInteger, 0, -1);
    rsOpciones.Fields().Append(QStringLiteral("COD_OPCION"), ado::tipos::adVarWChar, 10, -1);
    rsOpciones.Fields().Append(QStringLiteral("DES_OPCION"), ado::tipos::adVarWChar, 100, -1);
    rsOpciones.Open();

    int32_t k = 0;
    try {
        ado::Recordset rs;
        rs.Open(consulta, conexion, 0, 1);
        QString primerCodigo;
        bool hayPrimero = false;
        if (!rs.EOF_()) {
            if (seleccionaPrimero) {
                primerCodigo = rs.Fields("COD_TABLA").Value().Texto();
                hayPrimero = true;
            }
            while (!rs.EOF_()) {
                const vb::Variant descripcion = rs.Fields("DES_TABLA").Value();
                rsOpciones.AddNew();
                rsOpciones.Fields("ORDEN_COD").Value(vb::Variant(k));
                rsOpciones.Fields("COD_OPCION").Value(vb::Variant(rs.Fields("COD_TABLA").Value().CStr()));
                rsOpciones.Fields("DES_OPCION").Value(descripcion);
                rsOpciones.Update();
                combo.AddItem(descripcion.CStr(), k);
                ++k;
                rs.MoveNext();
            }
        }
        rs.Close();
        if (hayPrimero) SeleccionaCodigo(primerCodigo, combo, rsOpciones);
        if (anchoLista > 0) combo.SetDroppedWidth(anchoLista);
    } catch (const vb::ErrorEjecucion& e) {
        controles::Screen.SetMousePointer(0);
        component::MuestraError(e.numero(), e.descripcion());
    }
}

void SeleccionaCodigo(const QString& codigo, controles::ComboBox& combo, ado::Recordset& rsOpciones) {
    int p = -1;
    if (!Vacio(rsOpciones)) {
        for (rsOpciones.MoveFirst(); !rsOpciones.EOF_(); rsOpciones.MoveNext()) {
            if (rsOpciones.Fields("COD_OPCION").Value().Texto() == codigo) {
                p = rsOpciones.Fields("ORDEN_COD").Value().CLng();
                break;
            }
        }
    }
    if (combo.Style() != 0) combo.SetListIndex(p == -1 ? 0 : p);
    else combo.SetListIndex(p);
}

QString CodigoOpcion(const controles::ComboBox& combo, ado::Recordset& rsOpciones) {
    const int i = combo.ListIndex();
    if (Vacio(rsOpciones)) return QString();
    for (rsOpciones.MoveFirst(); !rsOpciones.EOF_(); rsOpciones.MoveNext())
        if (rsOpciones.Fields("ORDEN_COD").Value().CLng() == i) return rsOpciones.Fields("COD_OPCION").Value().Texto();
    return QString();
}

}  // namespace modConGastos
