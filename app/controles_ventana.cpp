#include "controles_ventana.h"

#include "ajustes.h"
#include "controles/CheckBox.h"
#include "controles/ComboBox.h"
#include "controles/DTPicker.h"
#include "controles/Form.h"
#include "controles/OptionButton.h"
#include "controles/TextBox.h"
#include "controles/TreeView.h"

namespace app {

namespace {

QString Citado(const QString& texto) { return u'"' + texto + u'"'; }

int Profundidad(const controles::Node& nodo) {
    int n = 0;
    for (const controles::Node* p = nodo.Parent(); p; p = p->Parent()) ++n;
    return n;
}

// The value as --fijar writes it, and the entries under it.
QString Valor(const controles::Control& control, QString& entradas) {
    using controles::ControlType;
    switch (control.Type()) {
    case ControlType::ComboBox: {
        const auto& lista = static_cast<const controles::ComboBox&>(control);
        for (int i = 0; i < lista.ListCount(); ++i) entradas += QStringLiteral("  %1 %2\n").arg(i).arg(Citado(lista.List(i)));
        return lista.ListIndex() < 0 ? Citado(lista.Text()) : QStringLiteral("%1 %2").arg(lista.ListIndex()).arg(Citado(lista.Text()));
    }
    case ControlType::CheckBox: return QString::number(static_cast<const controles::CheckBox&>(control).Value());
    case ControlType::OptionButton: return static_cast<const controles::OptionButton&>(control).Value() ? QStringLiteral("1") : QStringLiteral("0");
    case ControlType::DTPicker: return static_cast<const controles::DTPicker&>(control).Value().toString(Qt::ISODate);
    case ControlType::TextBox: return Citado(static_cast<const controles::TextBox&>(control).Text());
    case ControlType::TreeView: {
        QStringList marcados;
        for (const controles::Node& nodo : static_cast<const controles::TreeView&>(control).Nodes()) {
            entradas += QStringLiteral("  %1%2 %3%4\n")
                            .arg(QString(2 * Profundidad(nodo), u' '), nodo.Key(), Citado(nodo.Text()),
                                 nodo.Checked() ? QStringLiteral(" *") : QString());
            if (nodo.Checked()) marcados << nodo.Key();
        }
        return QStringLiteral("marcados: %1").arg(marcados.isEmpty() ? QStringLiteral("ninguno") : marcados.join(u", "));
    }
    default: return {};
    }
}

}  // namespace

QString DescribeControles(const controles::Form& ventana) {
    QString texto;
    for (const controles::Control* control : ventana.Controls()) {
        const char* clase = ClaseAjustable(control->Type());
        if (!clase) continue;
        QString entradas;
        const QString valor = Valor(*control, entradas);
        texto += QStringLiteral("%1: %2, %3, %4\n")
                     .arg(control->FullName(), QString::fromUtf8(clase),
                          control->Reachable() ? QStringLiteral("habilitado") : QStringLiteral("deshabilitado"), valor);
        texto += entradas;
    }
    return texto;
}

}  // namespace app
