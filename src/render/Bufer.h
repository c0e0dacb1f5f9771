#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace render {

// What a PDF is built in. A long report appends tens of millions of short pieces, so an append is
// a bounds check and a copy whose length the compiler sees for a literal; growing the size leaves
// the new bytes for the caller to fill.
class Bufer {
public:
    Bufer() = default;
    Bufer(Bufer&& otro) noexcept
        : datos_(std::exchange(otro.datos_, nullptr)), largo_(std::exchange(otro.largo_, 0)),
          capacidad_(std::exchange(otro.capacidad_, 0)) {}
    Bufer& operator=(Bufer&& otro) noexcept {
        std::swap(datos_, otro.datos_);
        std::swap(largo_, otro.largo_);
        std::swap(capacidad_, otro.capacidad_);
        return *this;
    }
    Bufer(const Bufer&) = delete;
    Bufer& operator=(const Bufer&) = delete;
    ~Bufer() { std::free(datos_); }

    const char* data() const { return datos_; }
    char* data() { return datos_; }
    std::size_t size() const { return largo_; }
    bool empty() const { return largo_ == 0; }
    void clear() { largo_ = 0; }
    void reserve(std::size_t n) {
        if (n > capacidad_) Crece(n);
    }
    // Bytes past the old size are left as they are: the caller writes them.
    void resize(std::size_t n) {
        reserve(n);
        largo_ = n;
    }

    void append(const char* p, std::size_t n) {
        if (capacidad_ - largo_ < n) Crece(largo_ + n);
        if (n) std::memcpy(datos_ + largo_, p, n);
        largo_ += n;
    }
    // Up to its end mark, which for a literal the compiler finds before the program runs.
    template <std::size_t N>
    Bufer& operator+=(const char (&texto)[N]) {
        append(texto, std::char_traits<char>::length(texto));
        return *this;
    }
    Bufer& operator+=(std::string_view s) {
        append(s.data(), s.size());
        return *this;
    }
    Bufer& operator+=(const Bufer& otro) {
        append(otro.datos_, otro.largo_);
        return *this;
    }
    Bufer& operator+=(char c) {
        if (largo_ == capacidad_) Crece(largo_ + 1);
        datos_[largo_++] = c;
        return *this;
    }

private:
    void Crece(std::size_t minimo) {
        std::size_t nueva = capacidad_ < 64 ? 64 : capacidad_ * 2;
        if (nueva < minimo) nueva = minimo;
        void* p = std::realloc(datos_, nueva);
        if (!p) throw std::bad_alloc();
        datos_ = static_cast<char*>(p);
        capacidad_ = nueva;
    }

    char* datos_ = nullptr;
    std::size_t largo_ = 0;
    std::size_t capacidad_ = 0;
};

}  // namespace render
