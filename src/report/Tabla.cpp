#include "report/Tabla.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <optional>
#include <set>
#include <cstdlib>
#include <tuple>

namespace report {

namespace {

constexpr int32_t Tolerancia = 5;          // twips two drawn positions may differ and still align
constexpr int32_t SeparacionDoble = 40;    // the page heading closes with two rules this far apart
constexpr int32_t AlturaMaximaEncabezado = 2000;
constexpr int32_t GrosorBanda = 20;        // rules this close together are one thick rule
constexpr int MinimoEstiloPropio = 8;      // texts a page needs to have a detail look of its own

bool ReglaCompleta(const Linea& l) {
    return l.y1 == l.y2 && std::min(l.x1, l.x2) <= 100 && std::max(l.x1, l.x2) >= 10400;
}

// Where a page's heading ends: the double rule of the company heading, then the first rule across
// the page after it, which closes the column captions. A page drawn without heading has none.
struct Zona {
    int32_t inicioTitulos = INT_MIN;  // captions start at the double rule
    int32_t finTitulos = INT_MIN;     // the body starts below this rule
};

Zona ZonaDe(const Pagina& pagina) {
    std::vector<int32_t> ys;
    for (const Registro& r : pagina.registros)
        if (const auto* l = std::get_if<Linea>(&r); l && ReglaCompleta(*l)) ys.push_back(l->y1);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    Zona z;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        if (ys[i] > AlturaMaximaEncabezado) break;
        if (ys[i + 1] - ys[i] != SeparacionDoble) continue;
        z.inicioTitulos = z.finTitulos = ys[i + 1];
        std::size_t j = i + 2;
        if (j < ys.size()) {
            z.finTitulos = ys[j];
            while (j + 1 < ys.size() && ys[j + 1] - ys[j] <= GrosorBanda) z.finTitulos = ys[++j];
        }
        break;
    }
    return z;
}

// The texts of one drawn line (one y), left to right.
struct Renglon {
    std::size_t pagina = 0;
    int32_t y = 0;
    std::vector<const Texto*> textos;
};

std::vector<Renglon> Renglones(std::vector<const Texto*> textos) {
    std::stable_sort(textos.begin(), textos.end(),
                     [](const Texto* a, const Texto* b) { return std::tie(a->y, a->x) < std::tie(b->y, b->x); });
    std::vector<Renglon> renglones;
    for (const Texto* t : textos) {
        if (renglones.empty() || renglones.back().y != t->y) renglones.push_back({0, t->y, {}});
        renglones.back().textos.push_back(t);
    }
    return renglones;
}

// A caption: where it is drawn, how it is aligned there, and where its text starts (a right-
// aligned caption's start is estimated from its length: half an em a character).
struct Titulo {
    int32_t x = 0;
    int32_t alineacion = AlineaIzquierda;
    QString texto;
    int32_t inicio = 0;
};

Titulo TituloDe(const Texto& t) {
    const QString texto = t.texto.trimmed();
    const int32_t ancho = static_cast<int32_t>(texto.size()) * t.tamano * 10;
    return {t.x, t.alineacion, texto, t.alineacion == AlineaDerecha ? t.x - ancho : t.x};
}

// A value drawn at the same place and with the same alignment as a caption.
bool BajoTitulo(const Texto& t, const Titulo& c) {
    return t.alineacion == c.alineacion && std::abs(c.x - t.x) <= Tolerancia;
}

using Estilo = std::tuple<int16_t, bool, uint32_t>;  // size, bold, colour
bool EsTotal(const Texto& t) {
    static const QRegularExpression total(QStringLiteral("\\bTOTAL"), QRegularExpression::CaseInsensitiveOption);
    return total.match(t.texto).hasMatch();
}

Estilo EstiloDe(const Texto& t) { return {t.tamano, t.negrita, t.color}; }

// Where a text's column starts looking: a right-aligned text ends at x, a left one starts there.
int32_t Posicion(const Texto& t) { return t.alineacion == AlineaDerecha ? t.x - 1 : t.x + Tolerancia; }

// Columns are caption slots, ordered by caption line and position; a second value falling in a
// slot already used by the same row gets a numbered slot beside it.
struct Columna {
    int linea = 0;
    int32_t x = 0;
    int repeticion = 0;
    auto operator<=>(const Columna&) const = default;
};

class Constructor {
public:
    explicit Constructor(const Documento& documento) : documento_(documento) {}

    Tabla Construye() {
        LeeEncabezados();
        EstiloDeDetalle();
        for (const Renglon& r : cuerpo_) Agrega(r);
        return Termina();
    }

private:
    void LeeEncabezados() {
        bool conTitulos = false;
        for (const Pagina& pagina : documento_) {
            const Zona z = ZonaDe(pagina);
            std::vector<const Texto*> titulos, cuerpo;
            for (const Registro& r : pagina.registros) {
                const auto* t = std::get_if<Texto>(&r);
                if (!t) continue;
                if (t->y > z.finTitulos) cuerpo.push_back(t);
                else if (t->y >= z.inicioTitulos && z.finTitulos > z.inicioTitulos) titulos.push_back(t);
            }
            if (!conTitulos && !titulos.empty()) {
                conTitulos = true;
                for (const Renglon& r : Renglones(titulos)) {
                    std::vector<Titulo> linea;
                    for (const Texto* t : r.textos)
                        if (!t->texto.trimmed().isEmpty()) linea.push_back(TituloDe(*t));
                    std::sort(linea.begin(), linea.end(),
                              [](const Titulo& a, const Titulo& b) { return a.inicio < b.inicio; });
                    if (!linea.empty()) titulos_.push_back(std::move(linea));
                }
            }
            for (Renglon& r : Renglones(cuerpo)) {
                r.pagina = detallePagina_.size();
                cuerpo_.push_back(std::move(r));
            }
            detallePagina_.emplace_back();
        }
    }

    // Detail lines share the look most body texts have. A page keeps the document's look when
    // it has it at all; a page drawn wholly in another size (the first, in some reports) has its own.
    void EstiloDeDetalle() {
        using Cuenta = std::map<Estilo, int>;
        const auto moda = [](const Cuenta& cuenta) {
            Estilo estilo{};
            int maximo = 0;
            for (const auto& [e, n] : cuenta)
                if (n > maximo) std::tie(estilo, maximo) = std::tie(e, n);
            return estilo;
        };
        Cuenta total;
        std::vector<Cuenta> porPagina(detallePagina_.size());
        for (const Renglon& r : cuerpo_)
            for (const Texto* t : r.textos) {
                ++total[EstiloDe(*t)];
                ++porPagina[r.pagina][EstiloDe(*t)];
            }
        const Estilo general = moda(total);
        for (std::size_t p = 0; p < porPagina.size(); ++p) {
            const Estilo propio = moda(porPagina[p]);
            const bool cuerpoPropio = !porPagina[p].count(general) && porPagina[p][propio] >= MinimoEstiloPropio;
            detallePagina_[p] = cuerpoPropio ? propio : general;
        }
    }

    bool EsDetalle(const Renglon& r) const {
        const Estilo detalle = detallePagina_[r.pagina];
        // A lone text opens no record (region and caption lines look like details), but it may be
        // a later line of one whose other values were empty.
        const bool continua = lineaAnterior_ >= 0 && lineaAnterior_ + 1 < static_cast<int>(titulos_.size());
        if (r.textos.size() < 2 && !continua) return false;
        if (std::any_of(r.textos.begin(), r.textos.end(), [](const Texto* t) { return EsTotal(*t); })) return false;
        return std::all_of(r.textos.begin(), r.textos.end(),
                           [&](const Texto* t) { return EstiloDe(*t) == detalle; });
    }

    // The caption line a detail line fills: the next one of the record being printed, unless the
    // line starts where the first caption line starts; after a complete record (or none), the
    // caption line most of its left-aligned values sit under, which opens a new record.
    struct Lugar {
        int linea = 0;
        bool nuevo = true;
    };

    Lugar LineaDeRegistro(const Renglon& r) const {
        const int k = static_cast<int>(titulos_.size());
        if (k <= 1) return {0, true};
        if (lineaAnterior_ < 0 || lineaAnterior_ + 1 >= k) return {MejorLinea(r), true};
        const int32_t x = r.textos.front()->x;
        const auto empieza = [&](int j) { return std::abs(titulos_[j].front().inicio - x) <= Tolerancia; };
        if (empieza(0) && !empieza(lineaAnterior_ + 1)) return {0, true};
        return {lineaAnterior_ + 1, false};
    }

    int MejorLinea(const Renglon& r) const {
        int mejor = 0, maximo = 0;
        for (int j = 0; j < static_cast<int>(titulos_.size()); ++j) {
            int n = 0;
            for (const Texto* t : r.textos)
                for (const Titulo& c : titulos_[static_cast<std::size_t>(j)])
                    n += BajoTitulo(*t, c);
            if (n > maximo) std::tie(mejor, maximo) = std::tie(j, n);
        }
        return mejor;
    }

    // The caption a text is drawn exactly under, first caption line first.
    std::optional<Columna> ColumnaAlineada(const Texto& t) const {
        for (std::size_t j = 0; j < titulos_.size(); ++j)
            for (const Titulo& c : titulos_[j])
                if (BajoTitulo(t, c)) return Columna{static_cast<int>(j), c.inicio, 0};
        return std::nullopt;
    }

    // The caption a value falls under: the one of its own caption line it is drawn exactly under;
    // else the one of another line it is exactly under, when only one line has such a caption;
    // else the last caption of its own line starting at or before the value.
    Columna ColumnaDe(int linea, const Texto& t) const {
        if (titulos_.empty()) return {0, Posicion(t), 0};
        const std::vector<Titulo>& propios = titulos_[static_cast<std::size_t>(linea)];
        for (const Titulo& c : propios)
            if (BajoTitulo(t, c)) return {linea, c.inicio, 0};
        std::optional<Columna> otra;
        int encontradas = 0;
        for (std::size_t j = 0; j < titulos_.size(); ++j)
            for (const Titulo& c : titulos_[j])
                if (BajoTitulo(t, c)) {
                    otra = Columna{static_cast<int>(j), c.inicio, 0};
                    ++encontradas;
                }
        if (encontradas == 1) return *otra;
        const int32_t p = Posicion(t);
        std::size_t i = 0;
        while (i + 1 < propios.size() && propios[i + 1].inicio <= p) ++i;
        return {linea, propios[i].inicio, 0};
    }

    // A summary line's amounts go where detail amounts printed at the same place went.
    Columna ColumnaDeImporte(const Texto& t) const {
        if (const auto c = aprendidas_.find({t.x, t.alineacion}); c != aprendidas_.end()) return c->second;
        Columna mejor = ColumnaDe(0, t);
        for (int j = 1; j < static_cast<int>(titulos_.size()); ++j) {
            const Columna c = ColumnaDe(j, t);
            if (c.x > mejor.x && c.x <= Posicion(t)) mejor = c;
        }
        return mejor;
    }

    Columna Pon(std::map<Columna, Celda>& fila, Columna c, Celda celda) {
        while (fila.count(c)) ++c.repeticion;
        usadas_.insert(c);
        fila[c] = std::move(celda);
        return c;
    }

    void Agrega(const Renglon& r) {
        if (EsDetalle(r)) {
            const auto [linea, nuevo] = LineaDeRegistro(r);
            if (nuevo || filas_.empty() || filas_.back().resumen) filas_.push_back({false, {}});
            lineaAnterior_ = linea;
            for (const Texto* t : r.textos) {
                Celda celda = CeldaDeTexto(t->texto);
                if (celda.tipo == Celda::Tipo::Vacia) continue;
                const Columna c = Pon(filas_.back().celdas, ColumnaDe(linea, *t), std::move(celda));
                aprendidas_.emplace(std::pair{t->x, t->alineacion}, c);
            }
            return;
        }
        lineaAnterior_ = -1;
        Parcial fila{true, {}};
        QStringList leyenda;
        // Amounts go under their column. A line whose every text sits under a caption (a bank
        // above its accounts) keeps its columns; any other is one caption in the first column.
        const bool reparte = std::all_of(r.textos.begin(), r.textos.end(), [&](const Texto* t) {
            const Celda c = CeldaDeTexto(t->texto);
            return c.tipo == Celda::Tipo::Importe || c.tipo == Celda::Tipo::Vacia ||
                   (ColumnaAlineada(*t) && !EsTotal(*t));
        });
        for (const Texto* t : r.textos) {
            Celda celda = CeldaDeTexto(t->texto);
            if (celda.tipo == Celda::Tipo::Vacia) continue;
            if (celda.tipo == Celda::Tipo::Importe) Pon(fila.celdas, ColumnaDeImporte(*t), std::move(celda));
            else if (reparte) Pon(fila.celdas, *ColumnaAlineada(*t), std::move(celda));
            else leyenda << t->texto.simplified();
        }
        if (!leyenda.isEmpty()) {
            Celda c;
            c.tipo = Celda::Tipo::Texto;
            c.texto = leyenda.join(u' ');
            const Columna primera{-1, INT_MIN, 0};
            usadas_.insert(primera);
            fila.celdas[primera] = std::move(c);
        }
        if (!fila.celdas.empty()) filas_.push_back(std::move(fila));
    }

    Tabla Termina() {
        // The first column takes the summary captions; it is the first caption slot when there is one.
        std::vector<Columna> orden;
        for (std::size_t j = 0; j < titulos_.size(); ++j)
            for (const Titulo& t : titulos_[j]) orden.push_back({static_cast<int>(j), t.inicio, 0});
        for (const Columna& c : usadas_)
            if (c.linea >= 0 && std::find(orden.begin(), orden.end(), c) == orden.end()) orden.push_back(c);
        std::stable_sort(orden.begin(), orden.end());
        if (orden.empty()) orden.push_back({0, INT_MIN, 0});

        Tabla tabla;
        tabla.titulo = TituloDocumento(documento_);
        std::map<Columna, std::size_t> indice;
        for (std::size_t i = 0; i < orden.size(); ++i) indice[orden[i]] = i;
        if (!titulos_.empty()) {
            for (const Columna& c : orden) {
                QString nombre;
                for (const Titulo& t : titulos_[static_cast<std::size_t>(c.linea)])
                    if (t.inicio == c.x) nombre = t.texto;
                if (c.repeticion > 0) nombre += QStringLiteral(" (%1)").arg(c.repeticion + 1);
                tabla.columnas << nombre;
            }
        }
        for (Parcial& p : filas_) {
            Fila f{p.resumen, std::vector<Celda>(orden.size())};
            for (auto& [c, celda] : p.celdas) {
                // The caption comes first in the map; a text under the first caption joins it.
                const std::size_t i = c.linea < 0 ? 0 : indice.at(c);
                Celda& destino = f.celdas[i];
                if (destino.tipo == Celda::Tipo::Vacia) destino = std::move(celda);
                else if (destino.tipo == Celda::Tipo::Texto && celda.tipo == Celda::Tipo::Texto)
                    destino.texto += u' ' + celda.texto;
            }
            tabla.filas.push_back(std::move(f));
        }
        return tabla;
    }

    struct Parcial {
        bool resumen = false;
        std::map<Columna, Celda> celdas;
    };

    const Documento& documento_;
    std::vector<std::vector<Titulo>> titulos_;
    std::vector<Renglon> cuerpo_;
    std::vector<Estilo> detallePagina_;  // the detail look of each page
    int lineaAnterior_ = -1;
    std::map<std::pair<int32_t, int32_t>, Columna> aprendidas_;
    std::set<Columna> usadas_;
    std::vector<Parcial> filas_;
};

std::optional<QDate> Fecha(const QString& t) {
    static const QRegularExpression numerica(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    static const QRegularExpression abreviada(QStringLiteral("^(\\d{2})/([a-záéíóú]{3})/(\\d{4})$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const std::array<const char16_t*, 12> meses = {u"ene", u"feb", u"mar", u"abr", u"may", u"jun",
                                                          u"jul", u"ago", u"sep", u"oct", u"nov", u"dic"};
    int mes = 0;
    QRegularExpressionMatch m = numerica.match(t);
    if (m.hasMatch()) {
        mes = m.captured(2).toInt();
    } else if (m = abreviada.match(t); m.hasMatch()) {
        const QString nombre = m.captured(2).toLower();
        for (std::size_t i = 0; i < meses.size(); ++i)
            if (nombre == QStringView(meses[i])) mes = static_cast<int>(i) + 1;
    } else {
        return std::nullopt;
    }
    const QDate d(m.captured(3).toInt(), mes, m.captured(1).toInt());
    if (!d.isValid()) return std::nullopt;
    return d;
}

}  // namespace

Celda CeldaDeTexto(const QString& texto) {
    static const QRegularExpression importe(
        QStringLiteral("^(-?)\\s*(\\$?)\\s*(-?)\\s*(\\d{1,3}(?:,\\d{3})*\\.\\d{2})$"));
    Celda c;
    const QString t = texto.trimmed();
    if (t.isEmpty()) return c;
    if (const auto m = importe.match(t); m.hasMatch() && !(m.captured(1) == u"-" && m.captured(3) == u"-")) {
        QString cifra = m.captured(4);
        cifra.remove(u',');
        if (const auto v = vb::Currency::DesdeTexto(cifra)) {
            c.tipo = Celda::Tipo::Importe;
            c.importe = (m.captured(1).isEmpty() && m.captured(3).isEmpty()) ? *v : -*v;
            return c;
        }
    }
    if (const auto d = Fecha(t)) {
        c.tipo = Celda::Tipo::Fecha;
        c.fecha = *d;
        return c;
    }
    c.tipo = Celda::Tipo::Texto;
    c.texto = texto;
    return c;
}

Tabla TablaDeDocumento(const Documento& documento) { return Constructor(documento).Construye(); }

QString TituloDocumento(const Documento& documento) {
    static const QRegularExpression reporte(QStringLiteral("^Reporte\\s*:(.*)$"));
    if (documento.empty()) return {};
    for (const Registro& r : documento.front().registros)
        if (const auto* t = std::get_if<Texto>(&r))
            if (const auto m = reporte.match(t->texto); m.hasMatch()) return m.captured(1).trimmed();
    return {};
}

}  // namespace report
