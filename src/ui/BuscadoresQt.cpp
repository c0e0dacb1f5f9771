#include "ui/BuscadoresQt.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "ui/DialogoBusqueda.h"
#include "vb/Formato.h"

#include <QApplication>

#include <functional>

namespace ui {

namespace {

const QString ConsultaAcreedores =
    QStringLiteral("SELECT COD_PROV,NOM_PROV FROM tblCatProveedor WHERE ES_ACREED=1 ORDER BY COD_PROV;");
// Withdrawals that carry a cheque folio, the latest first.
const QString ConsultaCheques = QStringLiteral(
    "SELECT FOL_CHEQUE,NUM_CTA,FEC_MOV,IMP_MOV,NOMBRE FROM tblIngreEgre WHERE CON_GRL='EGRE' AND FOL_CHEQUE<>'' "
    "ORDER BY FEC_MOV DESC,FOL_CHEQUE DESC;");

// Reads the rows of `consulta` into the dialog through a connection of its own, closed before
// the dialog shows.
void Llena(DialogoBusqueda& dialogo, const QString& cadenaConexion, const QString& consulta,
           const std::function<QStringList(const ado::Recordset&)>& renglon) {
    ado::Connection conexion;
    conexion.Open(cadenaConexion);
    {
        ado::Recordset rs;
        rs.Open(consulta, conexion);
        for (; !rs.EOF_(); rs.MoveNext()) dialogo.AgregaRenglon(renglon(rs));
        rs.Close();
    }
    conexion.Close();
    dialogo.Listo();
}

QString Texto(const ado::Recordset& rs, const char* campo) { return rs.Fields(campo).Value().Texto(); }

}  // namespace

void BuscadorAcreedoresQt::MuestraBusqueda(const QString& cadenaConexion, uint8_t, const QString& archivoAyuda,
                                           const QString&, const QString&, const QString&, int32_t) {
    codigo_.clear();
    DialogoBusqueda dialogo(QStringLiteral("BUSCAR ACREEDOR"), {QStringLiteral("Código"), QStringLiteral("Nombre")}, {0, 1},
                            {}, QApplication::activeWindow());
    dialogo.FijaAyuda(archivoAyuda);
    Llena(dialogo, cadenaConexion, ConsultaAcreedores,
          [](const ado::Recordset& rs) { return QStringList{Texto(rs, "COD_PROV"), Texto(rs, "NOM_PROV")}; });
    if (dialogo.exec() == QDialog::Accepted) codigo_ = dialogo.Codigo();
}

void BuscadorChequesQt::MuestraBusqueda(const QString& cadenaConexion, uint8_t, const QString& archivoAyuda,
                                        const QString&, int32_t, int32_t, const QString&, const QString&, QString&,
                                        const QString&, const QString&) {
    codigo_.clear();
    DialogoBusqueda dialogo(QStringLiteral("BUSCAR CHEQUE"),
                            {QStringLiteral("Cheque"), QStringLiteral("Cuenta"), QStringLiteral("Fecha"),
                             QStringLiteral("Importe"), QStringLiteral("Beneficiario")},
                            {0, 4}, {3}, QApplication::activeWindow());
    dialogo.FijaAyuda(archivoAyuda);
    Llena(dialogo, cadenaConexion, ConsultaCheques, [](const ado::Recordset& rs) {
        return QStringList{Texto(rs, "FOL_CHEQUE"), Texto(rs, "NUM_CTA"),
                           vb::Format(rs.Fields("FEC_MOV").Value(), u"dd/mm/yyyy"),
                           vb::Format(rs.Fields("IMP_MOV").Value(), u"#,##0.00"), Texto(rs, "NOMBRE")};
    });
    if (dialogo.exec() == QDialog::Accepted) codigo_ = dialogo.Codigo();
}

}  // namespace ui
