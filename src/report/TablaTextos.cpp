#include "report/TablaTextos.h"

#include "vb/Integer.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>

namespace report {

namespace {

// A text's head: its length in UTF-16 units, doubled, plus 1 when it is kept two bytes a unit,
// seven bits a byte.
std::size_t LargoCabeza(uint64_t valor) {
    std::size_t n = 1;
    while (valor >= 0x80) valor >>= 7, ++n;
    return n;
}

unsigned char* EscribeCabeza(unsigned char* p, uint64_t valor) {
    while (valor >= 0x80) {
        *p++ = static_cast<unsigned char>(valor | 0x80);
        valor >>= 7;
    }
    *p++ = static_cast<unsigned char>(valor);
    return p;
}

const unsigned char* LeeCabeza(const unsigned char* p, uint64_t& valor) {
    valor = 0;
    for (int corrimiento = 0;; corrimiento += 7) {
        valor |= static_cast<uint64_t>(*p & 0x7F) << corrimiento;
        if (!(*p++ & 0x80)) return p;
    }
}

constexpr uint64_t Encontrado = uint64_t{1} << 32;

bool EsLatin1(QStringView texto) {
    return std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.unicode() < 0x100; });
}

}  // namespace

const unsigned char* TablaTextos::Inicio(uint32_t numero) const {
    const uint32_t lugar = indice_[numero / EntradasIndice][numero % EntradasIndice];
    return bloques_[lugar >> BitsBloque].get() + (lugar & (BytesBloque - 1));
}

QString TablaTextos::Texto(uint32_t numero) const {
    if (numero >= cuenta_) return {};
    uint64_t cabeza = 0;
    const unsigned char* p = LeeCabeza(Inicio(numero), cabeza);
    const auto largo = static_cast<qsizetype>(cabeza >> 1);
    if (!(cabeza & 1)) return QString::fromLatin1(reinterpret_cast<const char*>(p), largo);
    QString texto(largo, Qt::Uninitialized);
    std::memcpy(texto.data(), p, static_cast<std::size_t>(largo) * 2);
    return texto;
}

namespace {

// A kept text's units copied out, one byte or two each; the place after the last.
QChar* Copia(const unsigned char* p, uint64_t cabeza, QChar* destino) {
    const auto largo = static_cast<qsizetype>(cabeza >> 1);
    if (cabeza & 1) {
        std::memcpy(destino, p, static_cast<std::size_t>(largo) * 2);
        return destino + largo;
    }
    for (qsizetype i = 0; i < largo; ++i) *destino++ = QChar(p[i]);
    return destino;
}

}  // namespace

QString TablaTextos::Une(uint32_t a, QChar separador, uint32_t b) const {
    if (a >= cuenta_ || b >= cuenta_) return Texto(a) + separador + Texto(b);
    uint64_t cabezaA = 0, cabezaB = 0;
    const unsigned char* pa = LeeCabeza(Inicio(a), cabezaA);
    const unsigned char* pb = LeeCabeza(Inicio(b), cabezaB);
    QString texto(static_cast<qsizetype>((cabezaA >> 1) + 1 + (cabezaB >> 1)), Qt::Uninitialized);
    QChar* destino = Copia(pa, cabezaA, texto.data());
    *destino++ = separador;
    Copia(pb, cabezaB, destino);
    return texto;
}

QString TablaTextos::Une(uint32_t a, QChar separador, QStringView b) const {
    if (a >= cuenta_) return separador + b.toString();
    uint64_t cabezaA = 0;
    const unsigned char* pa = LeeCabeza(Inicio(a), cabezaA);
    QString texto(static_cast<qsizetype>(cabezaA >> 1) + 1 + b.size(), Qt::Uninitialized);
    QChar* destino = Copia(pa, cabezaA, texto.data());
    *destino++ = separador;
    std::copy(b.begin(), b.end(), destino);
    return texto;
}

bool TablaTextos::Igual(uint32_t numero, QStringView texto) const {
    uint64_t cabeza = 0;
    const unsigned char* p = LeeCabeza(Inicio(numero), cabeza);
    if (static_cast<qsizetype>(cabeza >> 1) != texto.size()) return false;
    if (cabeza & 1) return std::memcmp(p, texto.data(), static_cast<std::size_t>(texto.size()) * 2) == 0;
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (p[i] != texto[i].unicode()) return false;
    return true;
}

// Four times the places, each text that had one in the pair its hash names now.
void TablaTextos::CreceRanuras() {
    std::vector<uint64_t> nuevas(std::max<std::size_t>(64, ranuras_.size() * 4));
    for (uint64_t r : ranuras_) {
        if (r == 0) continue;
        const std::size_t par = (r >> 33) & (nuevas.size() - 2);
        nuevas[nuevas[par] == 0 ? par : par + 1] = r;
    }
    ranuras_ = std::move(nuevas);
}

uint32_t TablaTextos::Guarda(QStringView texto) {
    ultimo_.nuevo = false;
    if (cuenta_ >= ranuras_.size() / 2 && ranuras_.size() < RanurasMaximas) CreceRanuras();
    const auto hash = static_cast<uint32_t>(qHash(texto)) & 0x7FFFFFFFu;
    uint64_t* par = &ranuras_[hash & (ranuras_.size() - 2)];
    // The hash stored beside the number spares reading a text that cannot be equal.
    for (uint64_t* r = par; r != par + 2; ++r)
        if (*r != 0 && *r >> 33 == hash && Igual(static_cast<uint32_t>(*r) - 1, texto)) {
            *r |= Encontrado;
            return static_cast<uint32_t>(*r) - 1;
        }
    // The new text takes a free place, or that of a text not found again; when both were, it
    // goes unlisted and they lose their mark, so only a text found again keeps its place.
    uint64_t* ranura = nullptr;
    if (par[0] == 0) ranura = par;
    else if (par[1] == 0) ranura = par + 1;
    else if (!(par[0] & Encontrado)) ranura = par;
    else if (!(par[1] & Encontrado)) ranura = par + 1;
    else par[0] &= ~Encontrado, par[1] &= ~Encontrado;

    const bool ancho = !EsLatin1(texto);
    const auto unidades = static_cast<uint64_t>(texto.size());
    const uint64_t cabeza = unidades << 1 | (ancho ? 1 : 0);
    const std::size_t bytes = LargoCabeza(cabeza) + unidades * (ancho ? 2 : 1);
    const Ultimo antes{true, usadoUltimo_ + bytes > tamanoUltimo_, usadoUltimo_, tamanoUltimo_,
                       ranura ? static_cast<std::size_t>(ranura - ranuras_.data()) : SIZE_MAX};
    if (antes.bloqueNuevo) {
        if (bloques_.size() >= (std::size_t{1} << (32 - BitsBloque)) || cuenta_ == UINT32_MAX) vb::LanzaDesbordamiento();
        const uint32_t tamano = std::min(BytesBloque, bloques_.empty() ? 1024u : tamanoUltimo_ * 2);
        bloques_.push_back(std::make_unique_for_overwrite<unsigned char[]>(std::max<std::size_t>(bytes, tamano)));
        usadoUltimo_ = 0;
        tamanoUltimo_ = tamano;
    }
    const auto bloque = static_cast<uint32_t>(bloques_.size() - 1);
    unsigned char* p = EscribeCabeza(bloques_.back().get() + usadoUltimo_, cabeza);
    if (ancho)
        std::memcpy(p, texto.data(), unidades * 2);
    else
        for (QChar c : texto) *p++ = static_cast<unsigned char>(c.unicode());
    if (cuenta_ / EntradasIndice == indice_.size()) indice_.push_back(std::make_unique_for_overwrite<uint32_t[]>(EntradasIndice));
    indice_.back()[cuenta_ % EntradasIndice] = bloque << BitsBloque | usadoUltimo_;
    // A text longer than a block has one of its own, which nothing shares.
    usadoUltimo_ = bytes > tamanoUltimo_ ? tamanoUltimo_ : static_cast<uint32_t>(usadoUltimo_ + bytes);
    ++cuenta_;
    if (ranura) *ranura = uint64_t{hash} << 33 | cuenta_;
    ultimo_ = antes;
    return cuenta_ - 1;
}

uint32_t TablaTextos::GuardaColumna(QStringView nombre) {
    for (uint32_t n : columnas_)
        if (Igual(n, nombre)) return n;
    const uint32_t n = Guarda(nombre);
    if (columnas_.size() < ColumnasMaximas) columnas_.push_back(n);
    return n;
}

bool TablaTextos::Retira(uint32_t numero) {
    if (!ultimo_.nuevo || numero + 1 != cuenta_) return false;
    if (ultimo_.bloqueNuevo) bloques_.pop_back();
    usadoUltimo_ = ultimo_.usadoAntes;
    tamanoUltimo_ = ultimo_.tamanoAntes;
    if (ultimo_.ranura != SIZE_MAX) ranuras_[ultimo_.ranura] = 0;
    --cuenta_;
    ultimo_.nuevo = false;
    return true;
}

}  // namespace report
