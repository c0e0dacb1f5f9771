#include "ui/PuertoUIQt.h"

#include "controles/Form.h"
#include "ui/VistaFormulario.h"
#include "vb/ErrorEjecucion.h"

#include <QApplication>
#include <QHash>

namespace ui {

namespace {

QHash<QString, FabricaVista>& Fabricas() {
    static QHash<QString, FabricaVista> fabricas;
    return fabricas;
}

}  // namespace

void RegistraVista(const QString& nombreFormulario, FabricaVista fabrica) {
    Fabricas().insert(nombreFormulario.toLower(), std::move(fabrica));
}

void PuertoUIQt::MuestraModal(controles::Form& form) {
    const auto it = Fabricas().constFind(form.Name().toLower());
    if (it == Fabricas().constEnd() || !it.value())
        throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida,
                                 QStringLiteral("No hay una ventana para mostrar el formulario %1").arg(form.Name()));
    std::unique_ptr<VistaFormulario> vista = it.value()(form, QApplication::activeWindow());
    vista->Ejecuta();
}

}  // namespace ui
