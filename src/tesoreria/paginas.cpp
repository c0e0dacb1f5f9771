// This window's side of the page writer: where its page files go, and the chosen report's routine
// and headings.
#include "component/modConGastos.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Variant.h"

namespace tesoreria {

QString frmConTesoreria::DirectorioPaginas() const { return modConGastos::RutaBD + QStringLiteral("\\TEMP\\"); }

QDate frmConTesoreria::FechaConsulta(int indice) const { return dtpFecha(indice).Value(); }

void frmConTesoreria::ImprimeConsulta() {
    reporteEnCurso_ = ReporteElegido();
    if (reporteEnCurso_) reporteEnCurso_->imprime(*this);
}

void frmConTesoreria::EncabezadosNuevaPagina() {
    if (reporteEnCurso_) reporteEnCurso_->encabezado(*this);
}

QString frmConTesoreria::LineaFechas() const {
    const auto fecha = [this](int i) { return vb::Format(vb::Variant(dtpFecha(i).Value()), u"dd/mmm/yyyy"); };
    if (dtpFecha(0).Value() != dtpFecha(1).Value())
        return QStringLiteral("Del: ") + fecha(0) + QStringLiteral("    Al: ") + fecha(1);
    return QStringLiteral("Del :  ") + fecha(1);
}

}  // namespace tesoreria
