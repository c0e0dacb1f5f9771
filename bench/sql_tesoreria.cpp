#include "sql_tesoreria.h"

#include "ado/Connection.h"
#include "component/Catalogos.h"
#include "component/modConGastos.h"
#include "controles/Form.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Fechas.h"

#include <QElapsedTimer>
#include <memory>

namespace bench {

namespace {

std::shared_ptr<tesoreria::frmConTesoreria> ventana;

// Opens `sql` and reads every field of every row; the rows seen.
int Lee(const QString& sql, ado::Recordset& rs, TiempoSql& t, const std::function<void()>& porFila = {}) {
    ++t.consultas;
    rs = modConGastos::ConexionModulo().Execute(sql);
    const int campos = rs.Fields().Count();
    int filas = 0;
    for (; !rs.EOF_(); rs.MoveNext(), ++filas) {
        for (int i = 0; i < campos; ++i) (void)rs.Fields(i).Value();
        if (porFila) porFila();
    }
    return filas;
}

}  // namespace

void PreparaSqlTesoreria() {
    ventana = tesoreria::frmConTesoreria::Predeterminada();
    controles::Load(*ventana);
}

TiempoSql MideSqlTesoreria(const Tesoreria& c) {
    tesoreria::frmConTesoreria& v = *ventana;
    v.FechaInicial = modConGastos::FechaSQL(vb::Variant(c.desde));
    v.FechaFinal = modConGastos::FechaSQL(vb::Variant(c.hasta));

    TiempoSql t;
    QElapsedTimer reloj;
    reloj.start();
    using V = tesoreria::frmConTesoreria;
    v.cmbTras.SetListIndex(c.traspaso);
    const QString traspaso = modConGastos::CodigoOpcion(v.cmbTras, v.rsOpciones);
    V::Recorrido r;
    r.cuentas = c.consulta == 0   ? V::CuentasConRubro
                : c.consulta == 2 ? V::CuentasConSaldo
                : c.consulta == 1 || c.consulta >= 7 ? V::CuentasConMoneda
                                                     : V::CuentasConNombreMoneda;
    if (c.consulta == 0) r.bancos = V::BancosConEjecutivo;
    r.saltoTrasBanco = [] {};
    r.porCuenta = [&] {
        ++t.acreedores;
        const QString cuenta = v.rsCuentas.Fields("NUM_CUENTA").Value().Texto();
        switch (c.consulta) {
        case 0:  // the catalog reads the account rows only
            for (int i = 0; i < v.rsCuentas.Fields().Count(); ++i) (void)v.rsCuentas.Fields(i).Value();
            break;
        case 1: Lee(v.ConsultaRelacion(cuenta), v.rsMovimientos, t); break;
        case 2:
            if (Lee(v.ConsultaAuxiliar(cuenta), v.rsMovimientos, t) > 0) {
                ++t.consultas;
                (void)v.SaldoAnterior(cuenta, v.rsCuentas.Fields("SAL_INICIAL").Value().CCur());
            }
            break;
        case 7: Lee(v.ConsultaAplicacion(cuenta), v.rsMovimientos, t); break;
        case 8: Lee(v.ConsultaTraspasos(cuenta, traspaso), v.rsMovimientos, t); break;
        case 3:
            Lee(v.ConsultaLibro(cuenta, c.folio), v.rsMovimientos, t, [&] {
                Lee(tesoreria::frmConTesoreria::ConsultaMovimientosLibro(
                        v.rsMovimientos.Fields("FOL_CONCI").Value().Texto(), v.rsMovimientos.Fields("FEC_FIN").Value()),
                    v.rsSaldos, t);
            });
            break;
        case 4: Lee(v.ConsultaConciliaciones(cuenta), v.rsMovimientos, t); break;
        case 5: {
            ++t.consultas;
            (void)v.SaldoAntesDe(cuenta, c.desde);
            for (int dia = 1; dia <= c.desde.daysInMonth(); ++dia) {
                const QDate fecha(c.desde.year(), c.desde.month(), dia);
                Lee(tesoreria::frmConTesoreria::ConsultaImportes(cuenta, fecha, fecha), v.rsMovimientos, t);
            }
            break;
        }
        case 6:
            ++t.consultas;
            (void)v.SaldoAntesDe(cuenta, c.desde);
            for (QDate mes = c.desde; mes <= c.hasta; mes = mes.addMonths(1))
                Lee(tesoreria::frmConTesoreria::ConsultaImportes(cuenta, mes, vb::DateSerial(mes.year(), mes.month() + 1, 0)),
                    v.rsMovimientos, t);
            break;
        default: break;
        }
    };
    // A folio of the demo names its account, "BBUUUU70NN-yyMM", whose first two digits are the bank:
    // the report walks only that bank and account.
    const QString cuenta = c.folio.section(u'-', 0, 0);
    v.RecorreBancos(r, c.folio.isEmpty() ? QString() : QString::number(cuenta.left(2).toInt()), cuenta);
    t.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    return t;
}

}  // namespace bench
