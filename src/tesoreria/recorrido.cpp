// The bank → account walk every bank report runs: the chosen banks in code order and, in each, the
// chosen accounts in number order.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "tesoreria/frmConTesoreria.h"

namespace tesoreria {

QString frmConTesoreria::BancoElegido() const {
    if (cmbBancos.ListIndex() == 0) return {};
    return QString::number(cmbBancos.ItemData(cmbBancos.ListIndex()));
}

QString frmConTesoreria::CuentaElegida() const { return cmbCuentas.ListIndex() == 0 ? QString() : cmbCuentas.Text(); }

void frmConTesoreria::RecorreBancos(const Recorrido& recorrido) {
    RecorreBancos(recorrido, BancoElegido(), CuentaElegida());
}

void frmConTesoreria::RecorreBancos(const Recorrido& r, const QString& filtroBanco, const QString& filtroCuenta) {
    ado::Connection& conexion = modConGastos::ConexionModulo();
    CadenaSQL = r.bancos;
    if (!filtroBanco.isEmpty()) CadenaSQL += QStringLiteral(" WHERE COD_BANCO=") + filtroBanco;
    else CadenaSQL += QStringLiteral(" ORDER BY COD_BANCO;");
    rsBancos = ado::Recordset();
    rsBancos.Open(CadenaSQL, conexion, 1, -1, -1);
    if (!(rsBancos.BOF() && rsBancos.EOF_())) rsBancos.MoveFirst();

    while (!rsBancos.EOF_()) {
        if (r.alEmpezarBanco) r.alEmpezarBanco();
        CadenaSQL = r.cuentas + rsBancos.Fields("COD_BANCO").Value().CStr();
        if (!filtroCuenta.isEmpty()) CadenaSQL += QStringLiteral(" AND NUM_CUENTA='") + ado::Comillas(filtroCuenta) + u'\'';
        else CadenaSQL += QStringLiteral(" ORDER BY NUM_CUENTA");
        rsCuentas = conexion.Execute(CadenaSQL);
        for (; !rsCuentas.EOF_(); rsCuentas.MoveNext())
            if (r.porCuenta) r.porCuenta();
        rsCuentas.Close();
        rsCuentas = ado::Recordset();
        if (r.trasBanco) r.trasBanco();
        if (r.saltoTrasBanco) r.saltoTrasBanco();
        else LineaActual += 240;
        rsBancos.MoveNext();
    }
    rsBancos.Close();
    rsBancos = ado::Recordset();
}

}  // namespace tesoreria
