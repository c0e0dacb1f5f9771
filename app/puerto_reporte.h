#pragma once
// The UI port of `reporte`: nobody looks at the windows. The query window gets the settings of the
// command line, "CONSULTAR [F10]" and then its closing; the preview writes the outputs and closes.
#include "ajustes.h"
#include "salidas.h"
#include "controles/PuertoUI.h"

#include <functional>
#include <vector>

namespace report {
class frmPreview;
}

namespace app {

class PuertoReporte : public controles::PuertoUI {
public:
    // `examina`, when set, is called with the window after the settings instead of "CONSULTAR [F10]".
    PuertoReporte(std::vector<Ajuste> ajustes, Salidas salidas, std::function<void(controles::Form&)> examina = {});

    void MuestraModal(controles::Form& form) override;

    // What happened: a setting that could not be applied, and the pages of the document the
    // preview was given (-1: no preview was shown).
    const QString& FalloAjuste() const { return errorAjuste_; }
    int Paginas() const { return paginas_; }

private:
    void AtiendeConsulta(controles::Form& ventana);
    void AtiendePreview(report::frmPreview& preview);

    std::vector<Ajuste> ajustes_;
    Salidas salidas_;
    std::function<void(controles::Form&)> examina_;
    QString errorAjuste_;
    int paginas_ = -1;
};

}  // namespace app
