#include "report/Pagina.h"

#include "report/TablaTextos.h"

#include <algorithm>

namespace report {

namespace {

// A record's eight bytes: its kind in the low three bits, bit 3 set when its values sit in the
// side list (their first index from bit 12 up), the rest as the kind packs it.
enum : uint64_t { EsTexto = 0, EsLinea = 1, EsRegla = 2, EsMarca = 3, EsDato = 4 };
constexpr uint64_t Largo = 8;
constexpr uint64_t DatoEntero = 0x80;  // a value's fields hold no separator: one text

constexpr uint64_t Bits(uint64_t valor, int desde, int cuantos) { return (valor >> desde) & ((uint64_t{1} << cuantos) - 1); }
constexpr bool Cabe(int64_t valor, int bits) { return valor >= 0 && valor < (int64_t{1} << bits); }

}  // namespace

Pagina::Pagina(std::shared_ptr<TablaTextos> textos) : textos_(std::move(textos)) {}

Pagina::Pagina(std::initializer_list<Registro> registros) {
    for (const Registro& r : registros) Agrega(r);
}

TablaTextos& Pagina::Textos() {
    if (!textos_) textos_ = std::make_shared<TablaTextos>();
    return *textos_;
}

uint32_t Pagina::Atributo(const Texto& t) {
    const Atributos a{t.color, t.negrita, t.tamano, t.alineacion};
    const auto igual = std::find(atributos_.begin(), atributos_.end(), a);
    if (igual != atributos_.end()) return static_cast<uint32_t>(igual - atributos_.begin());
    atributos_.push_back(a);
    return static_cast<uint32_t>(atributos_.size() - 1);
}

void Pagina::AgregaLargo(uint64_t tipo, std::initializer_list<int32_t> valores) {
    ranuras_.push_back(tipo | Largo | static_cast<uint64_t>(largos_.size()) << 12);
    largos_.insert(largos_.end(), valores);
}

void Pagina::Agrega(const Registro& registro) {
    if (const auto* t = std::get_if<Texto>(&registro)) {
        const uint32_t texto = Textos().Guarda(t->texto);
        const uint32_t atributo = Atributo(*t);
        if (Cabe(t->x, 14) && Cabe(t->y, 14) && Cabe(texto, 24) && Cabe(atributo, 8))
            ranuras_.push_back(EsTexto | uint64_t{atributo} << 4 | static_cast<uint64_t>(t->x) << 12 |
                               static_cast<uint64_t>(t->y) << 26 | uint64_t{texto} << 40);
        else
            AgregaLargo(EsTexto, {t->x, t->y, static_cast<int32_t>(texto), static_cast<int32_t>(atributo)});
    } else if (const auto* l = std::get_if<Linea>(&registro)) {
        AgregaLargo(EsLinea, {l->x1, l->y1, l->x2, l->y2, static_cast<int32_t>(l->color)});
    } else if (const auto* r = std::get_if<Regla>(&registro)) {
        if (Cabe(r->x, 15) && Cabe(r->y, 15) && Cabe(r->ancho, 15) && Cabe(r->alto, 15))
            ranuras_.push_back(EsRegla | static_cast<uint64_t>(r->x) << 4 | static_cast<uint64_t>(r->y) << 19 |
                               static_cast<uint64_t>(r->ancho) << 34 | static_cast<uint64_t>(r->alto) << 49);
        else
            AgregaLargo(EsRegla, {r->x, r->y, r->ancho, r->alto});
    } else if (const auto* m = std::get_if<Marca>(&registro)) {
        ranuras_.push_back(EsMarca | uint64_t{static_cast<uint8_t>(m->clase)} << 4 |
                           uint64_t{static_cast<uint16_t>(m->nivel)} << 12 | uint64_t{Textos().Guarda(m->campos)} << 32);
    } else if (const auto* d = std::get_if<Dato>(&registro)) {
        // The column apart from the value: nine column names stand for half a million values.
        const qsizetype separador = d->campos.indexOf(QChar(SeparadorCampos));
        const uint64_t tipo = EsDato | uint64_t{static_cast<uint8_t>(d->tipo) & 0x7Fu} << 4 | (separador < 0 ? DatoEntero << 4 : 0);
        const QStringView campos(d->campos);
        const uint32_t columna = Textos().Guarda(separador < 0 ? campos : campos.left(separador));
        const uint32_t valor = separador < 0 ? 0 : Textos().Guarda(campos.mid(separador + 1));
        if (Cabe(columna, 20))
            ranuras_.push_back(tipo | uint64_t{columna} << 12 | uint64_t{valor} << 32);
        else
            AgregaLargo(tipo, {static_cast<int32_t>(columna), static_cast<int32_t>(valor)});
    }
}

void Pagina::Ajusta() {
    ranuras_.shrink_to_fit();
    largos_.shrink_to_fit();
    atributos_.shrink_to_fit();
}

Registro Pagina::operator[](std::size_t i) const {
    const uint64_t r = ranuras_[i];
    const bool largo = r & Largo;
    const int32_t* v = largo ? largos_.data() + (r >> 12) : nullptr;
    switch (r & 7) {
    case EsTexto: {
        const auto texto = static_cast<uint32_t>(largo ? v[2] : Bits(r, 40, 24));
        const Atributos& a = atributos_[largo ? static_cast<std::size_t>(v[3]) : Bits(r, 4, 8)];
        return Texto{largo ? v[0] : static_cast<int32_t>(Bits(r, 12, 14)), largo ? v[1] : static_cast<int32_t>(Bits(r, 26, 14)),
                     textos_->Texto(texto), a.color, a.negrita, a.tamano, a.alineacion};
    }
    case EsLinea:
        return Linea{v[0], v[1], v[2], v[3], static_cast<uint32_t>(v[4])};
    case EsRegla:
        if (largo) return Regla{v[0], v[1], v[2], v[3]};
        return Regla{static_cast<int32_t>(Bits(r, 4, 15)), static_cast<int32_t>(Bits(r, 19, 15)),
                     static_cast<int32_t>(Bits(r, 34, 15)), static_cast<int32_t>(Bits(r, 49, 15))};
    case EsMarca:
        return Marca{static_cast<ClaseRenglon>(Bits(r, 4, 8)), static_cast<int16_t>(Bits(r, 12, 16)),
                     textos_->Texto(static_cast<uint32_t>(r >> 32))};
    default: {
        const auto columna = static_cast<uint32_t>(largo ? v[0] : Bits(r, 12, 20));
        const auto valor = static_cast<uint32_t>(largo ? v[1] : r >> 32);
        const bool entero = r & DatoEntero << 4;
        return Dato{static_cast<TipoDato>(Bits(r, 4, 7)),
                    entero ? textos_->Texto(columna) : textos_->Une(columna, QChar(SeparadorCampos), valor)};
    }
    }
}

std::vector<Registro> Pagina::Registros() const {
    std::vector<Registro> registros;
    registros.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) registros.push_back((*this)[i]);
    return registros;
}

bool Pagina::operator==(const Pagina& otra) const {
    if (size() != otra.size()) return false;
    for (std::size_t i = 0; i < size(); ++i)
        if ((*this)[i] != otra[i]) return false;
    return true;
}

}  // namespace report
