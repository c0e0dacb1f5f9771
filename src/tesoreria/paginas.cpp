// This window's side of the page writer: where its page files go, which routine draws the chosen
// report, and the headings of each kind.
#include "component/modConGastos.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Variant.h"

namespace tesoreria {

QString frmConTesoreria::DirectorioPaginas() const { return modConGastos::RutaBD + QStringLiteral("\\TEMP\\"); }

QDate frmConTesoreria::FechaConsulta(int indice) const { return dtpFecha(indice).Value(); }

void frmConTesoreria::ImprimeConsulta() {
    switch (cmbConsulta.ListIndex()) {
    case 0: ImprimeCatalogoCuentas(); break;
    case 1: ImprimeRelacionMovimientos(); break;
    case 2: ImprimeAuxiliarBancos(); break;
    case 3: ImprimeLibroBancos(); break;
    case 4: ImprimeConciliaciones(); break;
    case 5: ImprimePromedioDiario(); break;
    case 6: ImprimePromedioMensual(); break;
    case 7: ImprimeMovtosAplicacion(); break;
    case 8: ImprimeTraspasos(); break;
    default: break;
    }
}

void frmConTesoreria::EncabezadosNuevaPagina(vb::Integer tipo) {
    switch (static_cast<int32_t>(tipo)) {
    case 1: EncabezadoCatalogoCuentas(); break;
    case 2: EncabezadoMovimientosBancos(false); break;
    case 3: EncabezadoAuxiliarBancos(); break;
    case 4: EncabezadoConciliaciones(); break;
    case 5: EncabezadoPromedios(true); break;
    case 6: EncabezadoPromedios(false); break;
    case 7:
        EncabezadoPagina(QStringLiteral("Libro de Bancos"));
        EncabezadoLibroBancos();
        break;
    case 8: EncabezadoMovimientosBancos(true); break;
    case 9: EncabezadoTraspasos(); break;
    default: break;  // kinds outside the table draw nothing
    }
}

QString frmConTesoreria::LineaFechas() const {
    const auto fecha = [this](int i) { return vb::Format(vb::Variant(dtpFecha(i).Value()), u"dd/mmm/yyyy"); };
    if (dtpFecha(0).Value() != dtpFecha(1).Value())
        return QStringLiteral("Del: ") + fecha(0) + QStringLiteral("    Al: ") + fecha(1);
    return QStringLiteral("Del :  ") + fecha(1);
}

}  // namespace tesoreria
