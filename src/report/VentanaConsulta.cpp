#include "report/VentanaConsulta.h"

#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "report/Colores.h"
#include "vb/Texto.h"

namespace report {

VentanaConsulta::VentanaConsulta(const QString& nombre, const QString& titulo) : Form(nombre) {
    SetCaption(titulo);
    SetKeyPreview(true);
}

void VentanaConsulta::ConectaFormulario(controles::ControlArray<controles::CommandButton>& botones,
                                        std::span<const Funcion> funciones) {
    botones_ = &botones;
    funciones_ = funciones;
    for (int i = 0; i < static_cast<int>(funciones.size()); ++i) {
        botones(i).SetCaption(QString::fromUtf16(funciones[static_cast<std::size_t>(i)].titulo));
        botones(i).Click = Atendido([this, i] { cmdFunciones_Click(i); });
    }
    Load = [this] { eventos_.Carga([this] { Form_Load(); }); };
    KeyDown = [this](int& KeyCode, int& Shift) { eventos_.Atiende([&] { Form_KeyDown(KeyCode, Shift); }); };
    QueryUnload = [this](int& Cancel, int UnloadMode) { Form_QueryUnload(Cancel, UnloadMode); };
}

std::function<void()> VentanaConsulta::Atendido(std::function<void()> manejador) {
    return [this, manejador = std::move(manejador)] { eventos_.Atiende(manejador); };
}

void VentanaConsulta::Form_KeyDown(int& KeyCode, int& Shift) {
    for (std::size_t i = 0; i < funciones_.size(); ++i) {
        if (funciones_[i].tecla != KeyCode) continue;
        cmdFunciones_Click(static_cast<int>(i));
        if (KeyCode == controles::vbKeyF1) {
            KeyCode = 0;
            Shift = 0;
        }
        return;
    }
}

void VentanaConsulta::PintaFunciones() {
    for (std::size_t i = 0; i < funciones_.size(); ++i) {
        controles::CommandButton& boton = (*botones_)(static_cast<int>(i));
        boton.SetBackColor(colores::ColorBoton);
        boton.SetPicture(funciones_[i].imagen);
        if (funciones_[i].imagenInactiva) boton.SetDisabledPicture(funciones_[i].imagen);
    }
}

void VentanaConsulta::AbreAyuda() {
    if (auto& abre = component::ServiciosAnfitrion().abreDocumento) abre(component::RutaLocal(modConGastos::ArchivoAyuda));
}

QString UltimosDiez(const QString& folio) { return vb::Right(folio, 10); }

}  // namespace report
