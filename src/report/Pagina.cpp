#include "report/Pagina.h"

#include "report/TablaTextos.h"

#include <algorithm>
#include <optional>

namespace report {

namespace {

// A record's eight bytes: its kind in the low three bits, bit 3 set when its values sit in the
// side list (their first index from bit 12 up), the rest as the kind packs it. A text that also
// stands for a value packs as a text.
enum : uint64_t { EsTexto = 0, EsLinea = 1, EsRegla = 2, EsMarca = 3, EsDato = 4, EsTextoConDato = 5 };
constexpr uint64_t Largo = 8;
constexpr uint64_t DatoEntero = 0x80;  // a value's fields hold no separator: one text

constexpr uint64_t Bits(uint64_t valor, int desde, int cuantos) { return (valor >> desde) & ((uint64_t{1} << cuantos) - 1); }
constexpr bool Cabe(int64_t valor, int bits) { return valor >= 0 && valor < (int64_t{1} << bits); }

// How a value reads from the text printed for it: the same text; an amount printed "#,##0.00",
// as it is or with its sign turned (a total's credit); a date printed dd/mm/yyyy.
enum Lectura : uint8_t { Igual, Importe, ImporteNegado, Fecha };
constexpr qsizetype LargoLeido = 64;

// The value `lectura` reads from `texto` into `destino` (LargoLeido units), its length; -1 when
// the text cannot be read that way.
qsizetype LeeValor(QStringView texto, uint8_t lectura, char16_t* destino) {
    if (texto.size() >= LargoLeido) return -1;
    if (lectura == Fecha) {
        if (texto.size() != 10 || texto[2] != u'/' || texto[5] != u'/') return -1;
        for (int i : {6, 7, 8, 9, -1, 3, 4, -1, 0, 1}) *destino++ = i < 0 ? u'-' : texto[i].unicode();
        return 10;
    }
    char16_t* cifras = destino + 1;  // room for a turned sign
    qsizetype n = 0;
    bool punto = false;
    for (QChar c : texto) {
        if (c == u',') continue;
        punto = punto || c == u'.';
        cifras[n++] = c.unicode();
    }
    if (punto) {
        while (n > 0 && cifras[n - 1] == u'0') --n;
        if (n > 0 && cifras[n - 1] == u'.') --n;
    }
    const QStringView leido(cifras, n);
    if (lectura == Importe || leido == u"0") {
        std::copy(cifras, cifras + n, destino);
        return n;
    }
    if (n > 0 && cifras[0] == u'-') {
        std::copy(cifras + 1, cifras + n, destino);
        return n - 1;
    }
    destino[0] = u'-';
    return n + 1;
}

// How the value kept as text `valor` reads from the text printed after it, if it does.
std::optional<uint8_t> LecturaDe(const TablaTextos& tabla, uint32_t valor, TipoDato tipo, QStringView texto) {
    if (tabla.Es(valor, texto)) return Igual;
    const bool fecha = tipo == TipoDato::Fecha;
    if (!fecha && tipo != TipoDato::Importe && tipo != TipoDato::Numero) return std::nullopt;
    char16_t leido[LargoLeido];
    for (uint8_t lectura : {Fecha, Importe, ImporteNegado}) {
        if ((lectura == Fecha) != fecha) continue;
        const qsizetype n = LeeValor(texto, lectura, leido);
        if (n >= 0 && tabla.Es(valor, QStringView(leido, n))) return lectura;
    }
    return std::nullopt;
}

}  // namespace

Pagina::Pagina(std::shared_ptr<TablaTextos> textos) : textos_(std::move(textos)) {}

Pagina::Pagina(std::initializer_list<Registro> registros) {
    for (const Registro& r : registros) Agrega(r);
}

TablaTextos& Pagina::Textos() {
    if (!textos_) textos_ = std::make_shared<TablaTextos>();
    return *textos_;
}

uint32_t Pagina::Atributo(const Atributos& a) {
    const auto igual = std::find(atributos_.begin(), atributos_.end(), a);
    if (igual != atributos_.end()) return static_cast<uint32_t>(igual - atributos_.begin());
    atributos_.push_back(a);
    return static_cast<uint32_t>(atributos_.size() - 1);
}

void Pagina::AgregaLargo(uint64_t tipo, std::initializer_list<int32_t> valores) {
    ranuras_.push_back(tipo | Largo | static_cast<uint64_t>(largos_.size()) << 12);
    largos_.insert(largos_.end(), valores);
}

void Pagina::AgregaTexto(const Texto& t) {
    Atributos a{t.color, t.negrita, t.tamano, t.alineacion};
    uint64_t tipo = EsTexto;
    std::optional<uint32_t> texto;
    // The value just before it, read from this text, joins its record: its own text is not kept.
    if (!ranuras_.empty() && (ranuras_.back() & (7 | Largo | DatoEntero << 4)) == EsDato) {
        const uint64_t d = ranuras_.back();
        const auto valor = static_cast<uint32_t>(d >> 32);
        const auto tipoDato = static_cast<TipoDato>(Bits(d, 4, 7));
        if (const std::optional<uint8_t> lectura = LecturaDe(Textos(), valor, tipoDato, t.texto)) {
            a.dato = static_cast<uint8_t>(tipoDato);
            a.lectura = *lectura;
            a.columna = static_cast<uint32_t>(Bits(d, 12, 20));
            if (*lectura == Igual) texto = valor;
            else Textos().Retira(valor);
            ranuras_.pop_back();
            ++compartidas_;
            tipo = EsTextoConDato;
        }
    }
    const uint32_t numero = texto ? *texto : Textos().Guarda(t.texto);
    const uint32_t atributo = Atributo(a);
    if (Cabe(t.x, 14) && Cabe(t.y, 14) && Cabe(numero, 24) && Cabe(atributo, 8))
        ranuras_.push_back(tipo | uint64_t{atributo} << 4 | static_cast<uint64_t>(t.x) << 12 |
                           static_cast<uint64_t>(t.y) << 26 | uint64_t{numero} << 40);
    else
        AgregaLargo(tipo, {t.x, t.y, static_cast<int32_t>(numero), static_cast<int32_t>(atributo)});
}

void Pagina::AgregaDato(TipoDato tipo, QStringView columna, QStringView valor) {
    if (columna.contains(QChar(SeparadorCampos)))  // the first separator ends the column
        return Agrega(Dato{tipo, columna.toString() + QChar(SeparadorCampos) + valor.toString()});
    const uint64_t clase = EsDato | uint64_t{static_cast<uint8_t>(tipo) & 0x7Fu} << 4;
    // The column apart from the value: nine column names stand for half a million values.
    const uint32_t numeroColumna = Textos().GuardaColumna(columna);
    const uint32_t numeroValor = Textos().Guarda(valor);  // last: a text printing it may take it back
    if (Cabe(numeroColumna, 20))
        ranuras_.push_back(clase | uint64_t{numeroColumna} << 12 | uint64_t{numeroValor} << 32);
    else
        AgregaLargo(clase, {static_cast<int32_t>(numeroColumna), static_cast<int32_t>(numeroValor)});
}

void Pagina::Agrega(const Registro& registro) {
    if (const auto* t = std::get_if<Texto>(&registro)) {
        AgregaTexto(*t);
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
        const qsizetype separador = d->campos.indexOf(QChar(SeparadorCampos));
        if (separador >= 0) return AgregaDato(d->tipo, QStringView(d->campos).left(separador), QStringView(d->campos).mid(separador + 1));
        const uint64_t clase = EsDato | uint64_t{static_cast<uint8_t>(d->tipo) & 0x7Fu} << 4 | DatoEntero << 4;
        const uint32_t campos = Textos().Guarda(d->campos);
        if (Cabe(campos, 20))
            ranuras_.push_back(clase | uint64_t{campos} << 12);
        else
            AgregaLargo(clase, {static_cast<int32_t>(campos), 0});
    }
}

void Pagina::Ajusta() {
    ranuras_.shrink_to_fit();
    largos_.shrink_to_fit();
    atributos_.shrink_to_fit();
}

bool Pagina::Compartida(std::size_t ranura) const { return (ranuras_[ranura] & 7) == EsTextoConDato; }
bool Pagina::LlevaMarca(std::size_t ranura) const { return (ranuras_[ranura] & 7) == EsMarca; }

Registro Pagina::operator[](std::size_t i) const {
    if (compartidas_ == 0) return Lee(i, false);
    for (std::size_t ranura = 0;; ++ranura) {
        const bool doble = Compartida(ranura);
        if (i == 0 || (doble && i == 1)) return Lee(ranura, doble && i == 0);
        i -= doble ? 2 : 1;
    }
}

Registro Pagina::Lee(std::size_t ranura, bool dato) const {
    const uint64_t r = ranuras_[ranura];
    const bool largo = r & Largo;
    const int32_t* v = largo ? largos_.data() + (r >> 12) : nullptr;
    switch (r & 7) {
    case EsTexto:
    case EsTextoConDato: {
        const auto numero = static_cast<uint32_t>(largo ? v[2] : Bits(r, 40, 24));
        const Atributos& a = atributos_[largo ? static_cast<std::size_t>(v[3]) : Bits(r, 4, 8)];
        QString texto = textos_->Texto(numero);
        if (dato) {
            char16_t leido[LargoLeido];
            const QStringView valor = a.lectura == Igual ? QStringView(texto) : QStringView(leido, LeeValor(texto, a.lectura, leido));
            QString campos = textos_->Une(a.columna, QChar(SeparadorCampos), valor);
            return Dato{static_cast<TipoDato>(a.dato), std::move(campos)};
        }
        return Texto{largo ? v[0] : static_cast<int32_t>(Bits(r, 12, 14)), largo ? v[1] : static_cast<int32_t>(Bits(r, 26, 14)),
                     std::move(texto), a.color, a.negrita, a.tamano, a.alineacion};
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
    for (const Registro& r : *this) registros.push_back(r);
    return registros;
}

bool Pagina::operator==(const Pagina& otra) const {
    return size() == otra.size() && std::equal(begin(), end(), otra.begin());
}

}  // namespace report
