#include "sql_movimientos.h"

#include "ado/Recordset.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"

#include <QElapsedTimer>

namespace bench {

TiempoSql MideSqlMovimientos(const Movimientos& corrida) {
    gastos::frmConGastos& v = Ventana();
    v.cmbConsulta.SetListIndex(corrida.consulta);
    v.optOrden(corrida.porConcepto ? 1 : 0).SetValue(true);
    v.optTipo(corrida.detallado ? 0 : 1).SetValue(true);
    v.FechaInicial = modConGastos::FechaSQL(vb::Variant(corrida.desde));
    v.FechaFinal = modConGastos::FechaSQL(vb::Variant(corrida.hasta));

    TiempoSql t;
    QElapsedTimer reloj;
    reloj.start();
    if (corrida.consulta == 4) v.ConsultaReposicion();
    else if (!v.ConsultaMovtosGrupo()) v.ConsultaMovtosAcreedor();
    ++t.consultas;
    ado::Recordset& rs = v.rsAcreedores;
    const int campos = rs.Fields().Count();
    while (!rs.EOF_()) {
        for (int i = 0; i < campos; ++i) (void)rs.Fields(i).Value();
        rs.MoveNext();
    }
    rs.Close();
    t.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    return t;
}

}  // namespace bench
