#pragma once
// A TreeView shown as a QTreeWidget: its nodes in order, with check boxes when the tree has
// them. The user's tick goes to the tree as UserCheck, so NodeCheck runs; ticks, texts and
// expansions the form sets from code come back through the tree's PropertyChanged.
#include "controles/Property.h"

#include <QTreeWidget>
#include <vector>

namespace controles {
class Node;
class TreeView;
}  // namespace controles

namespace ui {

class ArbolQt : public QTreeWidget {
public:
    ArbolQt(controles::TreeView& arbol, QWidget* padre = nullptr);

    // A change of the tree, as its PropertyChanged reports it (indice: the node's Index or -1).
    void Cambio(controles::Property propiedad, int indice);

    // The item of the node with that Index (1-based); nullptr when there is none.
    QTreeWidgetItem* Elemento(int indice) const;

private:
    void Reconstruye();
    void AgregaNuevos();
    void Muestra(QTreeWidgetItem* elemento, const controles::Node& nodo);
    void MarcaDelUsuario(QTreeWidgetItem* elemento);
    controles::Node* NodoDe(const QTreeWidgetItem* elemento) const;

    controles::TreeView& arbol_;
    std::vector<QTreeWidgetItem*> elementos_;  // by Index - 1
    bool aplicando_ = false;                   // the widget is being set from the tree
};

}  // namespace ui
