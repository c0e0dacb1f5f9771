#pragma once
// What both query windows share: the form with its caption and key preview, the one boundary
// between its events and the view, the function buttons with their keys and pictures, the help,
// and the page writer its reports run through. A window derives from it and wires its own
// controls' events through Atendido.
#include "component/Eventos.h"
#include "controles/CommandButton.h"
#include "controles/ControlArray.h"
#include "controles/Form.h"
#include "report/EscritorPaginas.h"

#include <functional>
#include <span>

namespace report {

class VentanaConsulta : public controles::Form, public EscritorPaginas {
public:
    // The key of a function button presses it; F1 is taken so the host does not see it too.
    void Form_KeyDown(int& KeyCode, int& Shift);
    virtual void cmdFunciones_Click(int Index) = 0;

    // A function button: its caption, the key that presses it and its pictures in the shared
    // image list (the disabled one only where the window sets it).
    struct Funcion {
        const char16_t* titulo;
        int tecla;
        int imagen;
        bool imagenInactiva;
    };

protected:
    VentanaConsulta(const QString& nombre, const QString& titulo);

    // Captions the buttons, wires Load, KeyDown, QueryUnload and their clicks; call once the
    // controls exist. `botones` are the window's function buttons, in the order of `funciones`.
    void ConectaFormulario(controles::ControlArray<controles::CommandButton>& botones, std::span<const Funcion> funciones);
    // A user's action behind the window's event boundary: run now, or as a handler to wire.
    void Atiende(const std::function<void()>& manejador) { eventos_.Atiende(manejador); }
    std::function<void()> Atendido(std::function<void()> manejador);
    // The function buttons' colour and pictures.
    void PintaFunciones();
    // Opens the help document through the host.
    static void AbreAyuda();

    virtual void Form_Load() = 0;
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) = 0;

private:
    component::AtencionEventos eventos_;
    controles::ControlArray<controles::CommandButton>* botones_ = nullptr;
    std::span<const Funcion> funciones_;
};

// The row of a window's table at list position `indice`; null outside the table.
template <class Fila>
const Fila* FilaElegida(std::span<const Fila> tabla, int indice) {
    return indice >= 0 && indice < static_cast<int>(tabla.size()) ? &tabla[static_cast<std::size_t>(indice)] : nullptr;
}

// A folio or cheque number as the reports print it: its last ten characters.
QString UltimosDiez(const QString& folio);

}  // namespace report
