#include "puerto_reporte.h"

#include "mensajes_consola.h"
#include "controles/CommandButton.h"
#include "controles/Form.h"
#include "report/frmPreview.h"
#include "vb/ErrorEjecucion.h"

namespace app {

namespace {

const QString Consultar = QStringLiteral("CONSULTAR [F10]");

controles::CommandButton* BotonConsultar(const controles::Form& ventana) {
    for (controles::Control* c : ventana.Controls())
        if (auto* boton = dynamic_cast<controles::CommandButton*>(c); boton && boton->Caption() == Consultar)
            return boton;
    return nullptr;
}

// Closes the window as its close box does; one that refuses is hidden, so Show returns all the same.
void Cierra(controles::Form& ventana) {
    if (ventana.Loaded() && !ventana.UserClose()) ventana.Hide();
}

}  // namespace

PuertoReporte::PuertoReporte(std::vector<Ajuste> ajustes, Salidas salidas,
                             std::function<void(controles::Form&)> examina)
    : ajustes_(std::move(ajustes)), salidas_(std::move(salidas)), examina_(std::move(examina)) {}

void PuertoReporte::MuestraModal(controles::Form& form) {
    if (auto* preview = dynamic_cast<report::frmPreview*>(&form)) return AtiendePreview(*preview);
    AtiendeConsulta(form);
}

void PuertoReporte::AtiendeConsulta(controles::Form& ventana) {
    const int erroresAntes = MensajesConsola::ErroresMostrados();
    // A setting whose events reported an error stops there: the report would not be the one asked for.
    const auto huboError = [&] { return MensajesConsola::ErroresMostrados() != erroresAntes; };
    try {
        for (const Ajuste& ajuste : ajustes_) {
            AplicaAjuste(ventana, ajuste);
            if (huboError()) break;
        }
        if (!huboError() && examina_) {
            examina_(ventana);
        } else if (!huboError()) {
            controles::CommandButton* consultar = BotonConsultar(ventana);
            if (!consultar)
                throw ErrorAjuste(
                    QStringLiteral("la ventana %1 no tiene el botón \"%2\"").arg(ventana.Name(), Consultar));
            consultar->UserClick();
        }
    } catch (const ErrorAjuste& e) {
        errorAjuste_ = e.mensaje();
    }
    Cierra(ventana);
}

void PuertoReporte::AtiendePreview(report::frmPreview& preview) {
    // A failure to write travels out of Show into the page writer, which reports it and closes.
    EscribeSalidas(salidas_, preview.Preview);
    paginas_ = static_cast<int>(preview.Preview.Paginas().size());
    controles::Unload(preview);
}

}  // namespace app
