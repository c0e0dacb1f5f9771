#pragma once
// The texts of one document, each kept once for all its pages: a heading drawn on 5,000 pages
// costs its characters once. Texts sit packed in blocks that never move, one byte a character
// when every character fits Latin-1, and a record names them by number.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace report {

class TablaTextos {
public:
    TablaTextos() = default;
    TablaTextos(const TablaTextos&) = delete;
    TablaTextos& operator=(const TablaTextos&) = delete;

    // The number of an equal text already kept, or of this one, kept now. The look-up holds the
    // texts seen again before those seen once, so a heading found on every page stays found; a
    // text seen once long ago may be kept a second time, which costs room, not correctness.
    uint32_t Guarda(QStringView texto);
    // The number of a value's column name. Columns are few and named on every row, so each keeps
    // the number it first got: a look-up that let it go would give it a new, larger one that no
    // longer fits a page's record.
    uint32_t GuardaColumna(QStringView nombre);
    // Takes back the text the last Guarda kept, when that call kept it new and it is `numero`: a
    // value the page records no longer needs costs nothing. False, and nothing changes, otherwise.
    bool Retira(uint32_t numero);
    bool Es(uint32_t numero, QStringView texto) const { return numero < cuenta_ && Igual(numero, texto); }
    QString Texto(uint32_t numero) const;
    // Texts `a`, `separador` and `b` as one, made at once: a value's column and value.
    QString Une(uint32_t a, QChar separador, uint32_t b) const;
    QString Une(uint32_t a, QChar separador, QStringView b) const;
    uint32_t Cuenta() const { return cuenta_; }

private:
    static constexpr int BitsBloque = 16;  // 64 KB of characters a block
    static constexpr uint32_t BytesBloque = 1u << BitsBloque;
    static constexpr uint32_t EntradasIndice = 1024;  // text starts per block of the index
    // The look-up of recent texts grows with the table up to this many places: a page read on its
    // own keeps a small one.
    static constexpr uint32_t RanurasMaximas = 1u << 16;

    const unsigned char* Inicio(uint32_t numero) const;
    bool Igual(uint32_t numero, QStringView texto) const;
    void CreceRanuras();

    std::vector<std::unique_ptr<unsigned char[]>> bloques_;
    uint32_t usadoUltimo_ = 0;     // bytes taken in the last block
    uint32_t tamanoUltimo_ = 0;    // and its size: 1 KB for the first, twice the last up to 64 KB
    // Where each text starts: its block in the high bits, its offset in the low 16.
    std::vector<std::unique_ptr<uint32_t[]>> indice_;
    uint32_t cuenta_ = 0;
    // Places in pairs, each a text's hash in the high 31 bits, bit 32 set once it was found again,
    // its number + 1 in the low 32; 0 a free place.
    std::vector<uint64_t> ranuras_;
    std::vector<uint32_t> columnas_;  // the column names' numbers, in the order they came
    static constexpr std::size_t ColumnasMaximas = 64;  // past these, names go through Guarda
    // What Retira undoes of the last Guarda, while it kept a new text.
    struct Ultimo {
        bool nuevo = false;
        bool bloqueNuevo = false;
        uint32_t usadoAntes = 0;
        uint32_t tamanoAntes = 0;
        std::size_t ranura = SIZE_MAX;  // its place in the look-up, if it took one
    } ultimo_;
};

}  // namespace report
