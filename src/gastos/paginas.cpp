// This window's side of the page writer: where its page files go, what a run starts with, the
// chosen report's routine and headings, and the filter lines under the first page's headings.
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/Texto.h"

namespace gastos {

QString frmConGastos::DirectorioPaginas() const { return modConGastos::DirConsultas; }

void frmConGastos::PreparaConsulta() {
    Agrupado = false;
    LeeDirConsultas();
}

QDate frmConGastos::FechaConsulta(int indice) const { return dtpFecha(indice).Value(); }

void frmConGastos::ImprimeConsulta() {
    reporteEnCurso_ = ReporteElegido();
    if (reporteEnCurso_) reporteEnCurso_->imprime(*this);
}

void frmConGastos::EncabezadosNuevaPagina() {
    if (reporteEnCurso_) reporteEnCurso_->encabezado(*this);
}

void frmConGastos::ImprimeRegion() {
    report::Superficie& s = *Superficie;
    LineaActual += 250;
    QString region;
    if (!cmbRegion(0).Text().isEmpty()) region = QStringLiteral("Ciudad:  ") + cmbRegion(0).Text();
    if (!cmbRegion(1).Text().isEmpty()) region += QStringLiteral("   Estado:  ") + cmbRegion(1).Text();
    if (!vb::Trim(region).isEmpty()) {
        s.PrintText(300, LineaActual, vb::Trim(region));
        LineaActual += 250;
    }
    if (!cmbRegion(2).Text().isEmpty()) {
        s.PrintText(800, LineaActual, QStringLiteral("País:   ") + cmbRegion(2).Text());
        LineaActual += 250;
    }
}

void frmConGastos::ImprimeFiltroAcreedor(bool conCodigo) {
    report::Superficie& s = *Superficie;
    if (conCodigo) {
        s.ForeColor(Azul);
        s.FontSize(9);
        s.FontBold(true);
        if (!txtCodAcreedor.Text().isEmpty()) {
            s.PrintText(100, LineaActual, QStringLiteral("Acreedor:   ") + txtCodAcreedor.Text());
            LineaActual += 200;
        }
    }
    ImprimeRegion();
    s.ForeColor(Negro);
    s.FontBold(false);
    LineaActual += 100;
}

}  // namespace gastos
