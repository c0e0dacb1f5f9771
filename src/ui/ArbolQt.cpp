#include "ui/ArbolQt.h"

#include "controles/TreeView.h"
#include "ui/VistaFormulario.h"

#include <QHeaderView>
#include <QScopedValueRollback>

namespace ui {

namespace {

constexpr int RolIndice = Qt::UserRole;

}  // namespace

ArbolQt::ArbolQt(controles::TreeView& arbol, QWidget* padre) : QTreeWidget(padre), arbol_(arbol) {
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    Reconstruye();

    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* elemento, int columna) {
        if (!aplicando_ && columna == 0) MarcaDelUsuario(elemento);
    });
    auto expande = [this](QTreeWidgetItem* elemento, bool expandido) {
        if (aplicando_) return;
        if (controles::Node* nodo = NodoDe(elemento)) nodo->SetExpanded(expandido);
    };
    connect(this, &QTreeWidget::itemExpanded, this, [expande](QTreeWidgetItem* e) { expande(e, true); });
    connect(this, &QTreeWidget::itemCollapsed, this, [expande](QTreeWidgetItem* e) { expande(e, false); });
}

QTreeWidgetItem* ArbolQt::Elemento(int indice) const {
    if (indice < 1 || indice > static_cast<int>(elementos_.size())) return nullptr;
    return elementos_[static_cast<std::size_t>(indice - 1)];
}

controles::Node* ArbolQt::NodoDe(const QTreeWidgetItem* elemento) const {
    const int indice = elemento->data(0, RolIndice).toInt();
    if (indice < 1 || indice > arbol_.Nodes().Count()) return nullptr;
    return &arbol_.Nodes().Item(indice);
}

void ArbolQt::Cambio(controles::Property propiedad, int indice) {
    const QScopedValueRollback<bool> bandera(aplicando_, true);
    switch (propiedad) {
    case controles::Property::Nodes:
        // Nodes are only ever appended or all cleared.
        if (arbol_.Nodes().Count() < static_cast<int>(elementos_.size()))
            Reconstruye();
        else
            AgregaNuevos();
        break;
    case controles::Property::Checkboxes: Reconstruye(); break;
    case controles::Property::Text:
    case controles::Property::Checked:
    case controles::Property::Expanded:
        if (QTreeWidgetItem* elemento = Elemento(indice)) Muestra(elemento, arbol_.Nodes().Item(indice));
        break;
    default: break;
    }
}

void ArbolQt::Reconstruye() {
    const QScopedValueRollback<bool> bandera(aplicando_, true);
    clear();
    elementos_.clear();
    AgregaNuevos();
}

void ArbolQt::AgregaNuevos() {
    const controles::NodeCollection& nodos = arbol_.Nodes();
    for (int i = static_cast<int>(elementos_.size()) + 1; i <= nodos.Count(); ++i) {
        const controles::Node& nodo = nodos.Item(i);
        auto* elemento = new QTreeWidgetItem;
        elemento->setData(0, RolIndice, i);
        // Placed after its previous sibling, which is always an older node.
        QTreeWidgetItem* padre = nodo.Parent() ? Elemento(nodo.Parent()->Index()) : nullptr;
        QTreeWidgetItem* anterior = nodo.Previous() ? Elemento(nodo.Previous()->Index()) : nullptr;
        if (padre) {
            padre->insertChild(anterior ? padre->indexOfChild(anterior) + 1 : 0, elemento);
        } else {
            insertTopLevelItem(anterior ? indexOfTopLevelItem(anterior) + 1 : 0, elemento);
        }
        elementos_.push_back(elemento);
        Muestra(elemento, nodo);
    }
}

void ArbolQt::Muestra(QTreeWidgetItem* elemento, const controles::Node& nodo) {
    const QScopedValueRollback<bool> bandera(aplicando_, true);
    elemento->setText(0, nodo.Text());
    Qt::ItemFlags banderas = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (arbol_.Checkboxes()) {
        banderas |= Qt::ItemIsUserCheckable;
        elemento->setCheckState(0, nodo.Checked() ? Qt::Checked : Qt::Unchecked);
    } else {
        elemento->setData(0, Qt::CheckStateRole, QVariant());
    }
    elemento->setFlags(banderas);
    elemento->setExpanded(nodo.Expanded());
}

void ArbolQt::MarcaDelUsuario(QTreeWidgetItem* elemento) {
    controles::Node* nodo = NodoDe(elemento);
    if (!nodo || !arbol_.Checkboxes()) return;
    const int indice = nodo->Index();
    if ((elemento->checkState(0) == Qt::Checked) != nodo->Checked())
        VistaFormulario::Protege([this, nodo] { arbol_.UserCheck(*nodo); });
    // Whatever the tree made of the tick is what shows.
    if (QTreeWidgetItem* actual = Elemento(indice); actual && indice <= arbol_.Nodes().Count())
        Muestra(actual, arbol_.Nodes().Item(indice));
}

}  // namespace ui
