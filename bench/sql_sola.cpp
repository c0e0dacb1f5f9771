#include "sql_sola.h"

#include "ado/Recordset.h"
#include "component/modConGastos.h"
#include "controles/Form.h"
#include "gastos/frmConGastos.h"
#include "vb/ErrorEjecucion.h"

#include <QElapsedTimer>

namespace bench {

namespace {

std::shared_ptr<gastos::frmConGastos> ventana;

}  // namespace

void PreparaSql(const QString& cadena, const QString& ruta) {
    modConGastos::RutaBD = ruta;
    modConGastos::ManejadorBD = 0;
    if (!modConGastos::Conecta(cadena))
        throw vb::ErrorEjecucion(vb::errores::ErrorProveedor, QStringLiteral("no se pudo abrir la conexión"));
    ventana = gastos::frmConGastos::Predeterminada();
    controles::Load(*ventana);
}

gastos::frmConGastos& Ventana() { return *ventana; }

TiempoSql RecorreAcreedores(const std::function<void(const QString& codigo, TiempoSql& t)>& porAcreedor) {
    gastos::frmConGastos& v = *ventana;
    TiempoSql t;
    QElapsedTimer reloj;
    reloj.start();
    v.EligeConsultaAcreedores();
    ++t.consultas;
    ado::Recordset& rs = v.rsAcreedores;
    const int campos = rs.Fields().Count();
    while (!rs.EOF_()) {
        for (int i = 0; i < campos; ++i) (void)rs.Fields(i).Value();
        porAcreedor(rs.Fields("COD_PROV").Value().Texto(), t);
        ++t.acreedores;
        rs.MoveNext();
    }
    rs.Close();
    t.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    return t;
}

TiempoSql MideSql(const Catalogo& catalogo) {
    gastos::frmConGastos& v = *ventana;
    v.cmbConsulta.SetListIndex(0);
    v.cmbTipCatalogo.SetListIndex(catalogo.tipo);
    v.optTipo(catalogo.detalle).SetValue(true);
    const bool saldos = catalogo.tipo == 1 && catalogo.detalle == 0;
    return RecorreAcreedores([&](const QString& codigo, TiempoSql& t) {
        if (!saldos) return;
        (void)v.SaldoVencido(codigo, true);
        (void)v.SaldoVencido(codigo, false);
        t.consultas += 2;
    });
}

}  // namespace bench
