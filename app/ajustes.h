#pragma once
// What `reporte` does to the query window before "CONSULTAR [F10]": each --fijar and --marcar of
// the command line, applied in order as a user's action on the control, events included.
#include <QString>
#include <stdexcept>

namespace controles {
class Form;
enum class ControlType;
}

namespace app {

struct Ajuste {
    enum class Clase { Fijar, Marcar };
    Clase clase = Clase::Fijar;
    QString control;  // "cmbConsulta", "dtpFecha(1)"
    QString valor;    // the value, or the node's key
};

// A setting that cannot be applied, with the Spanish message for the user.
class ErrorAjuste : public std::runtime_error {
public:
    explicit ErrorAjuste(const QString& mensaje) : std::runtime_error(mensaje.toStdString()), mensaje_(mensaje) {}
    const QString& mensaje() const { return mensaje_; }

private:
    QString mensaje_;
};

// "CONTROL=VALOR" (--fijar) and "CONTROL:CLAVE" (--marcar); ErrorAjuste when malformed.
Ajuste LeeFijar(const QString& texto);
Ajuste LeeMarcar(const QString& texto);

// Applies the setting to the loaded window as the user would: a combo box takes an entry's exact
// text, or else a whole number as the list position; a check box 0 or 1; an option button 1; a
// date picker YYYY-MM-DD; a text box any text; --marcar ticks a tree node (NodeCheck included)
// unless it is ticked already. A control the user could not reach (disabled or hidden) takes
// nothing. ErrorAjuste says what was wrong.
void AplicaAjuste(controles::Form& ventana, const Ajuste& ajuste);

// The kind of control AplicaAjuste sets ("lista", "casilla", "opción", "fecha", "texto", "árbol"),
// or null for one it does not.
const char* ClaseAjustable(controles::ControlType tipo);

}  // namespace app
