#include "controles/TreeView.h"

#include "controles/Constants.h"
#include "controles/Errores.h"

namespace controles {

Node::Node(TreeView& tree, int index, QString key, QString text)
    : tree_(tree), index_(index), key_(std::move(key)), text_(std::move(text)) {}

void Node::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    tree_.Notify(Property::Text, index_);
}

void Node::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    tree_.Notify(Property::Checked, index_);
}

void Node::SetExpanded(bool expanded) {
    if (expanded == expanded_) return;
    expanded_ = expanded;
    tree_.Notify(Property::Expanded, index_);
}

Node* Node::FirstSibling() const {
    if (parent_) return parent_->firstChild_;
    return tree_.nodes_.firstRoot_;
}

Node* Node::LastSibling() const {
    if (parent_) return parent_->lastChild_;
    return tree_.nodes_.lastRoot_;
}

Node* Node::Root() const {
    const Node* n = this;
    while (n->parent_) n = n->parent_;
    return const_cast<Node*>(n);
}

Node& NodeCollection::Add(const QString& key, const QString& text) { return Add(nullptr, tvwLast, key, text); }

Node& NodeCollection::Add(const QString& relativeKey, int relationship, const QString& key, const QString& text) {
    return Add(relativeKey.isEmpty() ? nullptr : &Item(relativeKey), relationship, key, text);
}

Node& NodeCollection::Add(const Node* relative, int relationship, const QString& key, const QString& text) {
    Node* pariente = nullptr;
    if (relative) {
        if (&relative->tree_ != &tree_) Lanza(errores::ArgumentoNoValido);
        pariente = nodes_[static_cast<size_t>(relative->index_ - 1)].get();
        if (relationship < tvwFirst || relationship > tvwChild) Lanza(errores::ArgumentoNoValido);
    }
    if (!key.isEmpty() && byKey_.contains(key)) Lanza(errores::ClaveNoUnica);

    auto nuevo = std::unique_ptr<Node>(new Node(tree_, Count() + 1, key, text));
    Node& n = *nuevo;
    if (!pariente) {
        InsertAfter(n, nullptr, lastRoot_);
    } else {
        switch (relationship) {
        case tvwChild: InsertAfter(n, pariente, pariente->lastChild_); break;
        case tvwFirst: InsertAfter(n, pariente->parent_, nullptr); break;
        case tvwLast: InsertAfter(n, pariente->parent_, pariente->LastSibling()); break;
        case tvwNext: InsertAfter(n, pariente->parent_, pariente); break;
        case tvwPrevious: InsertAfter(n, pariente->parent_, pariente->previous_); break;
        }
    }
    nodes_.push_back(std::move(nuevo));
    if (!key.isEmpty()) byKey_.insert(key, &n);
    tree_.Notify(Property::Nodes);
    return n;
}

void NodeCollection::InsertAfter(Node& n, Node* parent, Node* previous) {
    Node*& primero = parent ? parent->firstChild_ : firstRoot_;
    Node*& ultimo = parent ? parent->lastChild_ : lastRoot_;
    n.parent_ = parent;
    n.previous_ = previous;
    n.next_ = previous ? previous->next_ : primero;
    if (n.next_)
        n.next_->previous_ = &n;
    else
        ultimo = &n;
    if (previous)
        previous->next_ = &n;
    else
        primero = &n;
    if (parent) ++parent->children_;
}

Node& NodeCollection::Item(int index) const {
    if (index < 1 || index > Count()) Lanza(errores::IndiceFueraDeLimites);
    return *nodes_[static_cast<size_t>(index - 1)];
}

Node* NodeCollection::Find(const QString& key) const {
    const auto it = byKey_.constFind(key);
    return it == byKey_.cend() ? nullptr : it.value();
}

Node& NodeCollection::Item(const QString& key) const {
    Node* n = Find(key);
    if (!n) Lanza(errores::ElementoNoEncontrado);
    return *n;
}

void NodeCollection::Clear() {
    byKey_.clear();
    nodes_.clear();
    firstRoot_ = lastRoot_ = nullptr;
    tree_.Notify(Property::Nodes);
}

TreeView::TreeView(ControlContainer& container, QString name, int index)
    : Control(container, std::move(name), index, vbWindowBackground) {}

void TreeView::UserCheck(Node& node) {
    if (&node.tree_ != this) Lanza(errores::ArgumentoNoValido);
    node.SetChecked(!node.Checked());
    NodeCheck(node);
}

}  // namespace controles
