#include "ajustes.h"

#include "controles/CheckBox.h"
#include "controles/ComboBox.h"
#include "controles/DTPicker.h"
#include "controles/Form.h"
#include "controles/OptionButton.h"
#include "controles/TextBox.h"
#include "controles/TreeView.h"
#include "vb/ErrorEjecucion.h"

#include <QRegularExpression>

namespace app {

using controles::ControlType;

namespace {

constexpr int EntradasMostradas = 12;

Ajuste Separa(const QString& texto, QChar separador, Ajuste::Clase clase, const char* forma) {
    const qsizetype i = texto.indexOf(separador);
    if (i <= 0 || texto.left(i).trimmed().isEmpty())
        throw ErrorAjuste(QStringLiteral("\"%1\" no tiene la forma %2").arg(texto, QLatin1String(forma)));
    return Ajuste{clase, texto.left(i).trimmed(), texto.mid(i + 1)};
}

QString Describe(const Ajuste& a) {
    return a.clase == Ajuste::Clase::Fijar ? QStringLiteral("--fijar %1=%2").arg(a.control, a.valor)
                                           : QStringLiteral("--marcar %1:%2").arg(a.control, a.valor);
}

// The entries of a list, for a message: the first few, quoted.
QString Entradas(const controles::ComboBox& combo) {
    if (combo.ListCount() == 0) return QStringLiteral("la lista está vacía");
    QStringList entradas;
    for (int i = 0; i < combo.ListCount() && i < EntradasMostradas; ++i) entradas << u'"' + combo.List(i) + u'"';
    if (combo.ListCount() > EntradasMostradas) entradas << QStringLiteral("…");
    return QStringLiteral("entradas: ") + entradas.join(QStringLiteral(", "));
}

void EligeEntrada(controles::ComboBox& combo, const QString& valor, const QString& nombre) {
    for (int i = 0; i < combo.ListCount(); ++i)
        if (combo.List(i) == valor) return combo.SetListIndex(i);
    bool esNumero = false;
    const int posicion = valor.trimmed().toInt(&esNumero);
    if (esNumero && posicion >= 0 && posicion < combo.ListCount()) return combo.SetListIndex(posicion);
    throw ErrorAjuste(QStringLiteral("%1 no tiene la entrada \"%2\" (%3)").arg(nombre, valor, Entradas(combo)));
}

void FijaCasilla(controles::CheckBox& casilla, const QString& valor, const QString& nombre) {
    const QString v = valor.trimmed();
    if (v != u"0" && v != u"1")
        throw ErrorAjuste(QStringLiteral("%1 es una casilla: toma 0 o 1, no \"%2\"").arg(nombre, valor));
    if (casilla.Value() != v.toInt()) casilla.UserClick();
}

void FijaOpcion(controles::OptionButton& opcion, const QString& valor, const QString& nombre) {
    if (valor.trimmed() != u"1")
        throw ErrorAjuste(QStringLiteral("%1 es un botón de opción: solo toma 1 (se elige otro botón para "
                                         "quitarlo), no \"%2\"")
                              .arg(nombre, valor));
    opcion.UserClick();
}

void FijaFecha(controles::DTPicker& fecha, const QString& valor, const QString& nombre) {
    static const QRegularExpression forma(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate dia = QDate::fromString(valor.trimmed(), Qt::ISODate);
    if (!forma.match(valor.trimmed()).hasMatch() || !dia.isValid())
        throw ErrorAjuste(QStringLiteral("%1 es una fecha: se escribe AAAA-MM-DD, no \"%2\"").arg(nombre, valor));
    try {
        fecha.SetValue(dia);
    } catch (const vb::ErrorEjecucion& e) {
        throw ErrorAjuste(QStringLiteral("%1 no acepta la fecha %2: %3").arg(nombre, valor, e.descripcion()));
    }
}

void Marca(controles::TreeView& arbol, const QString& clave, const QString& nombre) {
    controles::Node* nodo = arbol.Nodes().Find(clave);
    if (!nodo) throw ErrorAjuste(QStringLiteral("%1 no tiene el nodo \"%2\"").arg(nombre, clave));
    if (!nodo->Checked()) arbol.UserCheck(*nodo);
}

}  // namespace

Ajuste LeeFijar(const QString& texto) { return Separa(texto, u'=', Ajuste::Clase::Fijar, "CONTROL=VALOR"); }
Ajuste LeeMarcar(const QString& texto) { return Separa(texto, u':', Ajuste::Clase::Marcar, "CONTROL:CLAVE"); }

void AplicaAjuste(controles::Form& ventana, const Ajuste& ajuste) {
    controles::Control* control = ventana.FindControl(ajuste.control);
    const QString nombre = control ? control->FullName() : ajuste.control;
    try {
        if (!control)
            throw ErrorAjuste(
                QStringLiteral("la ventana %1 no tiene el control %2").arg(ventana.Name(), ajuste.control));
        if (!control->Reachable())
            throw ErrorAjuste(
                QStringLiteral("%1 está deshabilitado en la ventana: un usuario no podría cambiarlo").arg(nombre));
        if (ajuste.clase == Ajuste::Clase::Marcar) {
            auto* arbol = dynamic_cast<controles::TreeView*>(control);
            if (!arbol) throw ErrorAjuste(QStringLiteral("%1 no es un árbol: --marcar solo marca nodos").arg(nombre));
            return Marca(*arbol, ajuste.valor, nombre);
        }
        switch (control->Type()) {
        case ControlType::ComboBox:
            return EligeEntrada(static_cast<controles::ComboBox&>(*control), ajuste.valor, nombre);
        case ControlType::CheckBox:
            return FijaCasilla(static_cast<controles::CheckBox&>(*control), ajuste.valor, nombre);
        case ControlType::OptionButton:
            return FijaOpcion(static_cast<controles::OptionButton&>(*control), ajuste.valor, nombre);
        case ControlType::DTPicker: return FijaFecha(static_cast<controles::DTPicker&>(*control), ajuste.valor, nombre);
        case ControlType::TextBox: return static_cast<controles::TextBox&>(*control).SetText(ajuste.valor);
        default:
            throw ErrorAjuste(QStringLiteral("%1 no toma valores: --fijar cambia listas, casillas, botones de "
                                             "opción, fechas y textos")
                                  .arg(nombre));
        }
    } catch (const ErrorAjuste& e) {
        throw ErrorAjuste(Describe(ajuste) + QStringLiteral(": ") + e.mensaje());
    }
}

const char* ClaseAjustable(ControlType tipo) {
    switch (tipo) {
    case ControlType::ComboBox: return "lista";
    case ControlType::CheckBox: return "casilla";
    case ControlType::OptionButton: return "opción";
    case ControlType::DTPicker: return "fecha";
    case ControlType::TextBox: return "texto";
    case ControlType::TreeView: return "árbol";
    default: return nullptr;
    }
}

}  // namespace app
