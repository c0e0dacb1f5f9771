#pragma once
// A control array: controls sharing a name, told apart by an index that need not be contiguous.
#include "controles/Control.h"
#include "controles/Errores.h"

#include <QString>
#include <initializer_list>
#include <map>
#include <memory>

namespace controles {

template <class T>
class ControlArray {
public:
    // Every element starts in `container`; SetContainer moves one elsewhere.
    ControlArray(ControlContainer& container, const QString& name, std::initializer_list<int> indices) {
        for (int i : indices) elements_.emplace(i, std::make_unique<T>(container, name, i));
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Error 340 for an index that is not an element.
    T& operator()(int index) const {
        const auto it = elements_.find(index);
        if (it == elements_.end()) Lanza(errores::ElementoDeArregloInexistente);
        return *it->second;
    }
    T& operator[](int index) const { return (*this)(index); }

    bool Exists(int index) const { return elements_.contains(index); }
    int Count() const { return static_cast<int>(elements_.size()); }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

    // Iteration in index order.
    struct Iterator {
        typename std::map<int, std::unique_ptr<T>>::const_iterator it;
        T& operator*() const { return *it->second; }
        Iterator& operator++() {
            ++it;
            return *this;
        }
        bool operator==(const Iterator&) const = default;
    };
    Iterator begin() const { return {elements_.begin()}; }
    Iterator end() const { return {elements_.end()}; }

private:
    std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace controles
