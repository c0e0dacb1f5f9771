#pragma once
// TreeView with check boxes: Nodes in insertion order (1-based Index), looked up by key; the
// user's tick toggles Checked and then raises NodeCheck, while Checked set from code raises nothing.
#include "controles/Control.h"

#include <QString>
#include <memory>
#include <QHash>
#include <vector>

namespace controles {

class TreeView;

class Node {
public:
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    const QString& Key() const { return key_; }
    const QString& Text() const { return text_; }
    void SetText(const QString& text);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded);
    int Index() const { return index_; }

    // nullptr where the platform gives Nothing.
    Node* Parent() const { return parent_; }
    Node* Child() const { return firstChild_; }
    Node* Next() const { return next_; }
    Node* Previous() const { return previous_; }
    Node* FirstSibling() const;
    Node* LastSibling() const;
    Node* Root() const;
    int Children() const { return children_; }

private:
    friend class NodeCollection;
    friend class TreeView;
    Node(TreeView& tree, int index, QString key, QString text);

    TreeView& tree_;
    int index_;
    QString key_;
    QString text_;
    bool checked_ = false;
    bool expanded_ = false;
    Node* parent_ = nullptr;
    Node* firstChild_ = nullptr;
    Node* lastChild_ = nullptr;
    Node* previous_ = nullptr;
    Node* next_ = nullptr;
    int children_ = 0;
};

// The tree's Nodes collection.
class NodeCollection {
public:
    explicit NodeCollection(TreeView& tree) : tree_(tree) {}
    NodeCollection(const NodeCollection&) = delete;
    NodeCollection& operator=(const NodeCollection&) = delete;

    // A root after the last root.
    Node& Add(const QString& key, const QString& text);
    // Placed by relationship (tvwFirst, tvwLast, tvwNext, tvwPrevious, tvwChild) to the relative;
    // without a relative (nullptr or "") it is a root after the last root. Keys are unique and
    // matched with case; an empty key is allowed and not registered.
    Node& Add(const Node* relative, int relationship, const QString& key, const QString& text);
    Node& Add(const QString& relativeKey, int relationship, const QString& key, const QString& text);

    int Count() const { return static_cast<int>(nodes_.size()); }
    Node& Item(int index) const;             // 1-based; error 35600 outside
    Node& Item(const QString& key) const;    // error 35601 when absent
    Node* Find(const QString& key) const;    // nullptr when absent
    // Removes every node; references to them are no longer valid.
    void Clear();

    // Iteration in Index order.
    auto begin() const { return NodeIterator{nodes_.begin()}; }
    auto end() const { return NodeIterator{nodes_.end()}; }

private:
    friend class Node;
    struct NodeIterator {
        std::vector<std::unique_ptr<Node>>::const_iterator it;
        Node& operator*() const { return **it; }
        NodeIterator& operator++() {
            ++it;
            return *this;
        }
        bool operator==(const NodeIterator&) const = default;
    };

    TreeView& tree_;
    std::vector<std::unique_ptr<Node>> nodes_;
    QHash<QString, Node*> byKey_;
    Node* firstRoot_ = nullptr;
    Node* lastRoot_ = nullptr;

    void InsertAfter(Node& n, Node* parent, Node* previous);
};

class TreeView : public Control {
public:
    TreeView(ControlContainer& container, QString name, int index = -1);
    ControlType Type() const override { return ControlType::TreeView; }

    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool v) { Assign(checkboxes_, v, Property::Checkboxes); }

    NodeCollection& Nodes() { return nodes_; }
    const NodeCollection& Nodes() const { return nodes_; }

    // The user's tick on a node of this tree: toggles Checked, then raises NodeCheck.
    void UserCheck(Node& node);

    Event<Node&> NodeCheck;

private:
    friend class Node;
    friend class NodeCollection;
    bool checkboxes_ = false;
    NodeCollection nodes_{*this};
};

}  // namespace controles
