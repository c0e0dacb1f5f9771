#include "controles/DTPicker.h"

#include "controles/Constants.h"
#include "controles/Errores.h"
#include "vb/Fechas.h"

namespace controles {

DTPicker::DTPicker(ControlContainer& container, QString name, int index)
    : Control(container, std::move(name), index, vbWindowBackground), value_(vb::Hoy()) {}

void DTPicker::SetValue(const QDate& date) {
    if (!date.isValid()) Lanza(errores::ValorDePropiedadNoValido);
    if (date < MinDate() || date > MaxDate()) Lanza(errores::FechaFueraDeIntervalo);
    if (Assign(value_, date, Property::Value)) Change();
}

}  // namespace controles
