// The bank → account walk every bank report runs: the chosen banks in code order and, in each, the
// chosen accounts in number order, each list asked once for the whole run.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"

namespace tesoreria {

QString frmConTesoreria::Alcance::Columna() {
    return QStringLiteral("tblCatCtasBancos.NUM_CUENTA AS ") + ClaveCuenta + u',';
}

QString frmConTesoreria::Alcance::Une(const QString& columna) {
    return QStringLiteral(" INNER JOIN tblCatCtasBancos ON tblCatCtasBancos.NUM_CUENTA=") + columna +
           QStringLiteral(" INNER JOIN tblMonedas ON tblMonedas.COD_MON=tblCatCtasBancos.COD_MONCTA");
}

QString frmConTesoreria::Alcance::Condicion() const {
    // Every bank the walk visits: an account of a bank that is not in the list is never reached.
    QString condicion = banco.isEmpty() ? QStringLiteral("tblCatCtasBancos.COD_BANCO IN (SELECT COD_BANCO FROM tblBancos)")
                                        : QStringLiteral("tblCatCtasBancos.COD_BANCO=") + banco;
    if (!cuenta.isEmpty())
        condicion += QStringLiteral(" AND tblCatCtasBancos.NUM_CUENTA='") + ado::Comillas(cuenta) + u'\'';
    return condicion;
}

QString frmConTesoreria::Alcance::OrdenadaPor(const QString& orden) {
    return QStringLiteral(" ORDER BY tblCatCtasBancos.COD_BANCO,tblCatCtasBancos.NUM_CUENTA") +
           (orden.isEmpty() ? QString() : u',' + orden);
}

QString frmConTesoreria::Alcance::SumadaPor(const QString& columnas) {
    return QStringLiteral(" GROUP BY tblCatCtasBancos.COD_BANCO,tblCatCtasBancos.NUM_CUENTA,") + columnas;
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
    QString bancos = r.bancos;
    if (!filtroBanco.isEmpty()) bancos += QStringLiteral(" WHERE COD_BANCO=") + filtroBanco;
    else bancos += QStringLiteral(" ORDER BY COD_BANCO;");
    const std::vector<Conjunto> conjuntos = r.conjuntos ? r.conjuntos(Alcance{filtroBanco, filtroCuenta})
                                                        : std::vector<Conjunto>{};
    QStringList condiciones;
    if (!filtroBanco.isEmpty()) condiciones << QStringLiteral("COD_BANCO=") + filtroBanco;
    if (!filtroCuenta.isEmpty()) condiciones << QStringLiteral("NUM_CUENTA='") + ado::Comillas(filtroCuenta) + u'\'';
    QString cuentas = r.cuentas;
    if (!condiciones.isEmpty()) cuentas += QStringLiteral(" WHERE ") + condiciones.join(QStringLiteral(" AND "));
    cuentas += QStringLiteral(" ORDER BY COD_BANCO,NUM_CUENTA");

    {  // asked together, in one round trip where the engine allows it
        QStringList lote{bancos};
        for (const Conjunto& c : conjuntos) lote << c.consulta;
        lote << cuentas;
        const ado::Adelanto juntas(conexion, lote);
        CadenaSQL = bancos;
        rsBancos = ado::Recordset();
        rsBancos.Open(CadenaSQL, conexion, 1, -1, -1);
        if (!(rsBancos.BOF() && rsBancos.EOF_())) rsBancos.MoveFirst();
        for (const Conjunto& c : conjuntos) c.corte->emplace(PorClave(*c.filas, c.consulta, c.clave));
        CadenaSQL = cuentas;
        rsCuentas = conexion.Execute(CadenaSQL);
    }

    while (!rsBancos.EOF_()) {
        if (r.alEmpezarBanco) r.alEmpezarBanco();
        // Bank codes are integers, so the accounts' order is theirs: those of a code the bank list
        // does not hold (or of none) are passed over.
        const int32_t banco = rsBancos.Fields("COD_BANCO").Value().CLng();
        for (; !rsCuentas.EOF_(); rsCuentas.MoveNext()) {
            const vb::Variant suyo = rsCuentas.Fields("COD_BANCO").Value();
            if (suyo.IsNull() || suyo.CLng() < banco) continue;
            if (suyo.CLng() > banco) break;
            if (r.porCuenta) r.porCuenta();
        }
        if (r.trasBanco) r.trasBanco();
        if (r.saltoTrasBanco) r.saltoTrasBanco();
        else LineaActual += 240;
        rsBancos.MoveNext();
    }
    rsCuentas.Close();
    rsCuentas = ado::Recordset();
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
