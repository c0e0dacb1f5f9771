#pragma once
// A report page as a display list: what the surface records, the page files carry, the
// renderer paints and the listing prints. Positions are twips from the drawing origin.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

namespace report {

// US Letter portrait; the drawing origin sits inside the sheet's top-left corner, so report
// lines from x 0 to 10500 and y 0 to 15400 land on paper.
inline constexpr int32_t AnchoHoja = 12240;
inline constexpr int32_t AltoHoja = 15840;
inline constexpr int32_t OrigenX = 870;
inline constexpr int32_t OrigenY = 360;

inline constexpr const char16_t* FamiliaFuente = u"Arial";  // drawn with its metric twin
inline constexpr uint32_t ColorRegla = 0xE0E0E0;              // light grey band, 0x00BBGGRR
inline constexpr int32_t GrosorLinea = 15;                    // pen width of DrawLine, twips

// TextAlign: 0 puts the text's left edge at x, 2 its right edge. The text's top sits at y.
inline constexpr int32_t AlineaIzquierda = 0;
inline constexpr int32_t AlineaDerecha = 2;

struct Texto {
    int32_t x = 0;
    int32_t y = 0;
    QString texto;
    uint32_t color = 0;     // 0x00BBGGRR
    bool negrita = false;
    int16_t tamano = 8;     // points
    int32_t alineacion = AlineaIzquierda;
    bool operator==(const Texto&) const = default;
};

struct Linea {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    uint32_t color = 0;
    bool operator==(const Linea&) const = default;
};

// A filled band in ColorRegla with no outline; text drawn over it stays readable.
struct Regla {
    int32_t x = 0;
    int32_t y = 0;
    int32_t ancho = 0;
    int32_t alto = 0;
    bool operator==(const Regla&) const = default;
};

// What the texts after it stand for, as the report routine marks its lines: drawing ignores it;
// the exports, the outline and the find read it. It holds until the next one.
enum class ClaseRenglon : uint8_t {
    Titulos = 1,   // column captions
    Grupo = 2,     // a group's heading: bank, account, agrupación, creditor, reconciliation...
    Detalle = 3,   // one row of data
    Subtotal = 4,  // the total of a group
    Total = 5,     // the report's grand total
};

// Fields travel as one text, separated by this unit separator, so a mark is no larger than a text.
inline constexpr char16_t SeparadorCampos = u'\x1F';
inline QString UneCampos(const QStringList& campos) { return campos.join(QChar(SeparadorCampos)); }
// Field i, or from field i to the end when `resto`: the last field may hold the separator itself.
inline QString Campo(const QString& campos, qsizetype i, bool resto = false) {
    return campos.section(QChar(SeparadorCampos), i, resto ? -1 : i);
}

// The first field and the fields after it, read in place: for readers that only compare them.
inline std::pair<QStringView, QStringView> Campo(QStringView campos) {
    const qsizetype separador = campos.indexOf(QChar(SeparadorCampos));
    if (separador < 0) return {campos, {}};
    return {campos.left(separador), campos.mid(separador + 1)};
}

struct Marca {
    ClaseRenglon clase = ClaseRenglon::Detalle;
    int16_t nivel = 0;  // of its group: 1 the outermost, 2 the one inside it...; 0 none
    QString campos;     // the group's kind ("Banco", "Acreedor"), its key and its name
    QString Grupo() const { return Campo(campos, 0); }
    QString Clave() const { return Campo(campos, 1); }
    QString Nombre() const { return Campo(campos, 2, true); }
    bool operator==(const Marca&) const = default;
};

// The value the next text stands for, and the column it belongs to: the full text, an amount or
// number as written by the data (decimal point, sign as it counts in the totals), a date
// yyyy-mm-dd; what the page prints may be cut or rounded, this is not.
enum class TipoDato : uint8_t { Texto = 1, Importe = 2, Fecha = 3, Numero = 4 };

struct Dato {
    TipoDato tipo = TipoDato::Texto;
    QString campos;  // the column's name and the value
    QString Columna() const { return Campo(campos, 0); }
    QString Valor() const { return Campo(campos, 1, true); }
    bool operator==(const Dato&) const = default;
};

using Registro = std::variant<Texto, Linea, Regla, Marca, Dato>;

class TablaTextos;

// A page's records, packed: eight bytes a record over the document's text table (texts, a mark's
// fields, a value's column and value are numbers into it; a text's colour, bold, size and
// alignment one number of the page's attribute list). A record whose positions or numbers do not
// fit those eight bytes keeps them in a side list. A value followed by the text that prints it,
// whole or as its amount or date, shares that text's record: its column and how it reads from
// the text go with the text's attributes. Read back, each record is the Texto, Linea, Regla,
// Marca or Dato it was drawn as; reading it is all a reader does with a page.
class Pagina {
public:
    Pagina() = default;
    // A page of a document: its texts go to the document's table.
    explicit Pagina(std::shared_ptr<TablaTextos> textos);
    Pagina(std::initializer_list<Registro> registros);

    void Agrega(const Registro& registro);
    // A value as its column and value apart, as Agrega(Dato{tipo, UneCampos({columna, valor})}).
    void AgregaDato(TipoDato tipo, QStringView columna, QStringView valor);
    void Ajusta();  // drops the spare room of a finished page

    std::size_t size() const { return ranuras_.size() + compartidas_; }
    bool empty() const { return ranuras_.empty(); }
    // Record i; a reader going through a page takes its iterator, which never counts from the start.
    Registro operator[](std::size_t i) const;
    Registro back() const { return (*this)[size() - 1]; }
    // Every record at once, for a reader that points into a page while it reads it.
    std::vector<Registro> Registros() const;

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Registro;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Registro;
        const_iterator(const Pagina* pagina, std::size_t ranura) : pagina_(pagina), ranura_(ranura) {}
        Registro operator*() const { return pagina_->Lee(ranura_, !segunda_ && pagina_->Compartida(ranura_)); }
        // Whether the record here is a Marca, told without reading it.
        bool EsMarca() const { return pagina_->LlevaMarca(ranura_); }
        const_iterator& operator++() {
            if (!segunda_ && pagina_->Compartida(ranura_)) segunda_ = true;
            else ++ranura_, segunda_ = false;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return ranura_ == o.ranura_ && segunda_ == o.segunda_; }

    private:
        const Pagina* pagina_;
        std::size_t ranura_;
        bool segunda_ = false;  // past the value of a shared record, at its text
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, ranuras_.size()}; }

    bool operator==(const Pagina& otra) const;

private:
    struct Atributos {
        uint32_t color = 0;
        bool negrita = false;
        int16_t tamano = 8;
        int32_t alineacion = AlineaIzquierda;
        // Of a text that also stands for a value: the value's kind, how it reads from the text
        // and its column's number in the text table.
        uint8_t dato = 0;  // a TipoDato; 0 for a text that stands for none
        uint8_t lectura = 0;
        uint32_t columna = 0;
        bool operator==(const Atributos&) const = default;
    };
    TablaTextos& Textos();
    uint32_t Atributo(const Atributos& a);
    void AgregaLargo(uint64_t tipo, std::initializer_list<int32_t> valores);
    void AgregaTexto(const Texto& t);
    bool Compartida(std::size_t ranura) const;
    bool LlevaMarca(std::size_t ranura) const;
    Registro Lee(std::size_t ranura, bool dato) const;

    std::shared_ptr<TablaTextos> textos_;
    std::vector<uint64_t> ranuras_;
    std::vector<int32_t> largos_;       // what did not fit a record's eight bytes
    std::vector<Atributos> atributos_;  // of the page's texts, each once
    std::size_t compartidas_ = 0;       // records holding a value and its text
};

using Documento = std::vector<Pagina>;

}  // namespace report
