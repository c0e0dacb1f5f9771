// The bank → account walk every bank report runs: the chosen banks in code order and, in each, the
// chosen accounts in number order.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"

namespace tesoreria {

frmConTesoreria::Alcance frmConTesoreria::Alcance::DelBanco(const QString& codigo, const QString& cuentaElegida) {
    Alcance a(cuentaElegida);
    a.banco = codigo;
    return a;
}

QString frmConTesoreria::Alcance::Columna() const {
    if (banco.isEmpty()) return u'\'' + ado::Comillas(cuenta) + QStringLiteral("' AS ") + ClaveCuenta + u',';
    return QStringLiteral("tblCatCtasBancos.NUM_CUENTA AS ") + ClaveCuenta + u',';
}

QString frmConTesoreria::Alcance::Une(const QString& columna) const {
    if (banco.isEmpty()) return {};
    return QStringLiteral(" INNER JOIN tblCatCtasBancos ON tblCatCtasBancos.NUM_CUENTA=") + columna +
           QStringLiteral(" INNER JOIN tblMonedas ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA");
}

QString frmConTesoreria::Alcance::Condicion(const QString& columna) const {
    if (banco.isEmpty()) return columna + QStringLiteral("='") + ado::Comillas(cuenta) + u'\'';
    QString condicion = QStringLiteral("tblCatCtasBancos.COD_BANCO=") + banco;
    if (!cuenta.isEmpty())
        condicion += QStringLiteral(" AND tblCatCtasBancos.NUM_CUENTA='") + ado::Comillas(cuenta) + u'\'';
    return condicion;
}

QString frmConTesoreria::Alcance::OrdenadaPor(const QString& orden) const {
    if (banco.isEmpty()) return orden.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + orden;
    return QStringLiteral(" ORDER BY tblCatCtasBancos.NUM_CUENTA") + (orden.isEmpty() ? QString() : u',' + orden);
}

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
        const QString banco = rsBancos.Fields("COD_BANCO").Value().CStr();
        if (r.abreConjuntos) r.abreConjuntos(Alcance::DelBanco(banco, filtroCuenta));
        CadenaSQL = r.cuentas + banco;
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

void frmConTesoreria::MarcaBanco() {
    Superficie->MarkLine(report::ClaseRenglon::Grupo, 1, QStringLiteral("Banco"), Campo(rsBancos, "COD_BANCO"),
                         Campo(rsBancos, "NOM_BANCO"));
}

void frmConTesoreria::MarcaCuenta() {
    Superficie->MarkLine(report::ClaseRenglon::Grupo, 2, QStringLiteral("Cuenta"), Campo(rsCuentas, "NUM_CUENTA"),
                         Campo(rsCuentas, "NUM_CUENTA"));
}

report::CortePorClave frmConTesoreria::PorClave(ado::Recordset& rs, const QString& consulta, const char* clave) {
    rs = modConGastos::ConexionModulo().Execute(consulta);
    return report::CortePorClave(rs, clave);
}

void frmConTesoreria::SueltaConjuntos() {
    rsMovimientos = ado::Recordset();
    rsSaldos = ado::Recordset();
}

}  // namespace tesoreria
