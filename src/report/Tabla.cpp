#include "report/Tabla.h"

#include "report/Renglones.h"
#include "report/TablaDeMarcas.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace report {

namespace {

constexpr int32_t Tolerancia = 5;   // twips two drawn positions may differ and still align
constexpr int MinimoPropias = 3;    // lines a page needs to have a detail look of its own

bool EsTotal(const Texto& t) {
    static const QRegularExpression total(QStringLiteral("\\bTOTAL"), QRegularExpression::CaseInsensitiveOption);
    return t.texto.contains(QLatin1StringView("total"), Qt::CaseInsensitive) && total.match(t.texto).hasMatch();
}

using Estilo = std::tuple<int16_t, bool, uint32_t>;     // size, bold, colour
using Aspecto = std::set<Estilo>;                       // the looks of a line's texts
using Trazo = std::set<std::pair<int16_t, bool>>;       // the sizes and weights of a line's texts
using Forma = std::vector<std::pair<int32_t, int32_t>>;  // where a line's texts are drawn, and how aligned

Estilo EstiloDe(const Texto& t) { return {t.tamano, t.negrita, t.color}; }

Trazo TrazoDe(const Aspecto& aspecto) {
    Trazo trazo;
    for (const auto& [tamano, negrita, color] : aspecto) trazo.insert({tamano, negrita});
    return trazo;
}

bool Alineados(const Texto& a, int32_t x, int32_t alineacion) {
    return a.alineacion == alineacion && std::abs(a.x - x) <= Tolerancia;
}

// A value drawn at the same place and with the same alignment as a caption.
bool BajoTitulo(const Texto& t, const Titulo& c) { return Alineados(t, c.x, c.alineacion); }

int32_t Solape(const Extension& a, const Extension& b) {
    return std::min(a.fin, b.fin) - std::max(a.inicio, b.inicio);
}

// Where a text's column starts looking when there are no captions: a right-aligned text ends at x.
int32_t Posicion(const Texto& t) { return t.alineacion == AlineaDerecha ? t.x - 1 : t.x + Tolerancia; }

// What a body line is in the table.
enum class Papel {
    Detalle,       // a record's line, or a later line of the record above (its notes, a second name)
    Encabezado,    // a group heading, a range, a balance brought forward
    Etiquetas,     // the captions of the amounts printed right under them
    Valores,       // those amounts
    Total,
};

// A body line with what its texts hold.
struct Lectura {
    const Renglon* renglon = nullptr;
    std::vector<Celda> celdas;  // one per text
    bool total = false;
    bool soloImportes = true;
    bool conDato = false;       // some amount or date
    Aspecto aspecto;
    Forma forma;
    Papel papel = Papel::Encabezado;
};

// Columns are caption slots, ordered by caption line and position; a second value falling in a
// slot already used by the same row gets a numbered slot beside it. Lines past the captions hold
// a record's continuation lines.
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
        Lee();
        return Termina();
    }

    // The outline alone: the rows are read and classified, but never laid out in columns.
    std::vector<Grupo> SoloGrupos() {
        Lee();
        return Grupos();
    }

private:
    struct Parcial {
        Fila::Clase clase = Fila::Clase::Detalle;
        const Lectura* fuente = nullptr;  // a summary line, placed once every detail has taught its columns
        std::map<Columna, Celda> celdas;
    };

    int LineasDeTitulos() const { return static_cast<int>(cuerpo_.titulos.size()); }

    // Every body line read, classified and placed in its row.
    void Lee() {
        cuerpo_ = CuerpoDeDocumento(documento_);
        LeeRenglones();
        AspectosDeDetalle();
        Clasifica();
        for (Lectura& l : lecturas_) Agrega(l);
        for (Parcial& p : filas_)
            if (p.fuente) Resume(p);
    }

    void LeeRenglones() {
        lecturas_.reserve(cuerpo_.renglones.size());
        for (const Renglon& r : cuerpo_.renglones) {
            Lectura l;
            l.renglon = &r;
            l.celdas.reserve(r.textos.size());
            l.forma.reserve(r.textos.size());
            for (const Texto* t : r.textos) {
                l.celdas.push_back(CeldaDeTexto(t->texto));
                const Celda::Tipo tipo = l.celdas.back().tipo;
                l.total = l.total || EsTotal(*t);
                l.soloImportes = l.soloImportes && tipo == Celda::Tipo::Importe;
                l.conDato = l.conDato || tipo == Celda::Tipo::Importe || tipo == Celda::Tipo::Fecha;
                l.aspecto.insert(EstiloDe(*t));
                l.forma.emplace_back(t->x, t->alineacion);
            }
            lecturas_.push_back(std::move(l));
        }
    }

    // Lines that show the detail look: totals count too, so that a summary form printing only
    // totals does not take its group headings for details.
    static bool Candidata(const Lectura& l) { return l.renglon->textos.size() >= 2 && !l.soloImportes; }

    // Detail lines share the look of the lines printing the most amounts and dates (or, where
    // none prints any, of most lines). A page keeps the document's look when it has it at all; a
    // page drawn wholly in another size (the first, in some reports) has its own. A line in
    // another colour keeps the detail look when a detail line has its very shape (a movement
    // coloured by its status).
    void AspectosDeDetalle() {
        using Peso = std::pair<int, int>;  // amounts and dates, lines
        using Cuenta = std::map<Aspecto, Peso>;
        const auto moda = [](const Cuenta& cuenta) {
            const Aspecto* aspecto = nullptr;
            Peso maximo{0, 0};
            for (const auto& [a, peso] : cuenta)
                if (peso > maximo) aspecto = &a, maximo = peso;
            return aspecto ? *aspecto : Aspecto{};
        };
        const auto suma = [](Peso& peso, const Lectura& l) {
            peso.first += static_cast<int>(std::count_if(l.celdas.begin(), l.celdas.end(), [](const Celda& c) {
                return c.tipo == Celda::Tipo::Importe || c.tipo == Celda::Tipo::Fecha;
            }));
            ++peso.second;
        };
        Cuenta total;
        std::vector<Cuenta> porPagina(documento_.size());
        for (const Lectura& l : lecturas_)
            if (Candidata(l)) {
                suma(total[l.aspecto], l);
                suma(porPagina[l.renglon->pagina][l.aspecto], l);
            }
        const Aspecto general = moda(total);
        detallePagina_.resize(documento_.size());
        for (std::size_t p = 0; p < porPagina.size(); ++p) {
            const Aspecto propio = moda(porPagina[p]);
            const bool cuerpoPropio = !porPagina[p].count(general) && porPagina[p][propio].second >= MinimoPropias;
            detallePagina_[p] = cuerpoPropio ? propio : general;
        }
        for (const Lectura& l : lecturas_)
            if (Candidata(l) && l.aspecto == detallePagina_[l.renglon->pagina]) formas_.insert({l.forma, TrazoDe(l.aspecto)});
    }

    // A line may leave out some of the looks (a name without its amount), not add one.
    bool AspectoDeDetalle(const Lectura& l) const {
        const Aspecto& detalle = detallePagina_[l.renglon->pagina];
        return std::includes(detalle.begin(), detalle.end(), l.aspecto.begin(), l.aspecto.end()) ||
               formas_.count({l.forma, TrazoDe(l.aspecto)}) > 0;
    }

    // Captions of the amounts right under them: no amount or date of their own, and the next line
    // of the page prints only amounts, one where each caption is.
    bool SonEtiquetas(std::size_t i) const {
        const Lectura& l = lecturas_[i];
        if (l.conDato || l.total || l.renglon->textos.size() < 2 || i + 1 >= lecturas_.size()) return false;
        const Lectura& siguiente = lecturas_[i + 1];
        if (!siguiente.soloImportes || siguiente.renglon->pagina != l.renglon->pagina) return false;
        return std::all_of(l.renglon->textos.begin(), l.renglon->textos.end(), [&](const Texto* t) {
            return std::any_of(siguiente.renglon->textos.begin(), siguiente.renglon->textos.end(),
                               [t](const Texto* v) { return Alineados(*v, t->x, t->alineacion); });
        });
    }

    void Clasifica() {
        for (std::size_t i = 0; i < lecturas_.size(); ++i) {
            Lectura& l = lecturas_[i];
            if (l.total) {
                l.papel = Papel::Total;
            } else if (SonEtiquetas(i)) {
                l.papel = Papel::Etiquetas;
            } else if (l.soloImportes) {
                l.papel = i > 0 && lecturas_[i - 1].papel == Papel::Etiquetas ? Papel::Valores : Papel::Total;
            } else if (l.renglon->textos.size() >= 2 && AspectoDeDetalle(l)) {
                l.papel = Papel::Detalle;
            } else {
                l.papel = Papel::Encabezado;
            }
        }
    }

    // The caption line a detail line fills: the next one of the record being printed, unless the
    // line starts where the first caption line starts; after a complete record (or none), the
    // caption line most of its values sit under, which opens a new record.
    struct Lugar {
        int linea = 0;
        bool nuevo = true;
    };

    Lugar LineaDeRegistro(const Renglon& r) const {
        const int k = LineasDeTitulos();
        if (k <= 1) return {0, true};
        if (lineaAnterior_ < 0 || lineaAnterior_ + 1 >= k) return {MejorLinea(r), true};
        const int32_t x = ExtensionDe(*r.textos.front()).inicio;
        const auto empieza = [&](int j) {
            return std::abs(cuerpo_.titulos[static_cast<std::size_t>(j)].front().extension.inicio - x) <= Tolerancia;
        };
        if (empieza(0) && !empieza(lineaAnterior_ + 1)) return {0, true};
        return {lineaAnterior_ + 1, false};
    }

    int MejorLinea(const Renglon& r) const {
        int mejor = 0, maximo = 0;
        for (int j = 0; j < LineasDeTitulos(); ++j) {
            int n = 0;
            for (const Texto* t : r.textos)
                for (const Titulo& c : cuerpo_.titulos[static_cast<std::size_t>(j)]) n += BajoTitulo(*t, c);
            if (n > maximo) std::tie(mejor, maximo) = std::tie(j, n);
        }
        return mejor;
    }

    // A lone text is a later line of a record whose other values were empty, while the record's
    // caption lines are not all filled.
    bool Sigue(const Lectura& l) const {
        return l.renglon->textos.size() == 1 && lineaAnterior_ >= 0 && lineaAnterior_ + 1 < LineasDeTitulos() &&
               AspectoDeDetalle(l);
    }

    // A line under a one-line record, in the detail look, naming things only, and drawn right of
    // where the record starts: the record's notes or a second name.
    bool Continua(const Lectura& l) const {
        if (LineasDeTitulos() > 1 || !registroAbierto_ || l.conDato || l.total) return false;
        if (l.renglon->pagina != posiciones_.back()->pagina) return false;
        if (!AspectoDeDetalle(l)) return false;
        return std::all_of(l.renglon->textos.begin(), l.renglon->textos.end(),
                           [&](const Texto* t) { return ExtensionDe(*t).inicio > inicioRegistro_ + Tolerancia; });
    }

    Columna Alineada(const Titulo& c, int linea) const { return {linea, c.extension.inicio, 0}; }

    // The caption a text is drawn exactly under, first caption line first.
    std::optional<Columna> ColumnaAlineada(const Texto& t) const {
        for (int j = 0; j < LineasDeTitulos(); ++j)
            for (const Titulo& c : cuerpo_.titulos[static_cast<std::size_t>(j)])
                if (BajoTitulo(t, c)) return Alineada(c, j);
        return std::nullopt;
    }

    // The caption of a line whose extent most overlaps the text's.
    std::optional<Columna> ColumnaSolapada(int linea, const Texto& t) const {
        const Extension e = ExtensionDe(t);
        const Titulo* mejor = nullptr;
        int32_t maximo = 0;
        for (const Titulo& c : cuerpo_.titulos[static_cast<std::size_t>(linea)])
            if (const int32_t s = Solape(c.extension, e); s > maximo) mejor = &c, maximo = s;
        if (!mejor) return std::nullopt;
        return Alineada(*mejor, linea);
    }

    // The caption a value falls under: the one of its own caption line it is drawn exactly under,
    // or else overlaps most; else the one of another line it is exactly under, when only one line
    // has such a caption; else the last caption of its own line starting at or before the value,
    // and a column of its own when it starts left of them all.
    Columna ColumnaDe(int linea, const Texto& t) const {
        if (cuerpo_.titulos.empty()) return {0, Posicion(t), 0};
        const std::vector<Titulo>& propios = cuerpo_.titulos[static_cast<std::size_t>(linea)];
        for (const Titulo& c : propios)
            if (BajoTitulo(t, c)) return Alineada(c, linea);
        if (const auto c = ColumnaSolapada(linea, t)) return *c;
        std::optional<Columna> otra;
        int encontradas = 0;
        for (int j = 0; j < LineasDeTitulos(); ++j)
            for (const Titulo& c : cuerpo_.titulos[static_cast<std::size_t>(j)])
                if (BajoTitulo(t, c)) {
                    otra = Alineada(c, j);
                    ++encontradas;
                }
        if (encontradas == 1) return *otra;
        const int32_t p = Posicion(t);
        if (propios.front().extension.inicio > p) return {linea, ExtensionDe(t).inicio, 0};
        std::size_t i = 0;
        while (i + 1 < propios.size() && propios[i + 1].extension.inicio <= p) ++i;
        return Alineada(propios[i], linea);
    }

    // A summary line's amounts and dates go where detail values printed at the same place went;
    // else under the caption they are drawn exactly under or overlap most, unless the line is a
    // total and the caption's details hold values of another kind (an amount under the dates);
    // else in a column of their own.
    Columna ColumnaDeDato(const Texto& t, Celda::Tipo tipo, bool total) const {
        if (const auto c = aprendidas_.find({t.x, t.alineacion}); c != aprendidas_.end()) return c->second;
        const Extension e = ExtensionDe(t);
        if (cuerpo_.titulos.empty()) return {0, Posicion(t), 0};
        std::optional<Columna> elegida = ColumnaAlineada(t);
        int32_t maximo = 0;
        for (int j = 0; !elegida && j < LineasDeTitulos(); ++j)
            for (const Titulo& c : cuerpo_.titulos[static_cast<std::size_t>(j)])
                if (const int32_t s = Solape(c.extension, e); s > maximo) elegida = Alineada(c, j), maximo = s;
        const auto tipos = elegida ? tiposDetalle_.find(*elegida) : tiposDetalle_.end();
        const bool ajena = total && tipos != tiposDetalle_.end() && (tipos->second.size() > 1 || !tipos->second.count(tipo));
        return elegida && !ajena ? *elegida : Columna{0, e.inicio, 0};
    }

    Columna Pon(std::map<Columna, Celda>& fila, Columna c, Celda celda) {
        while (fila.count(c)) ++c.repeticion;
        usadas_.insert(c);
        fila[c] = std::move(celda);
        return c;
    }

    // A record's line and its continuations hand their cells over to the row: only summary lines
    // are read again, when they are placed.
    void AgregaDetalle(Lectura& l) {
        const auto [linea, nuevo] = LineaDeRegistro(*l.renglon);
        if (nuevo || filas_.empty() || filas_.back().fuente) {
            filas_.push_back(Parcial{Fila::Clase::Detalle, nullptr, {}});
            posiciones_.push_back(l.renglon);
            inicioRegistro_ = ExtensionDe(*l.renglon->textos.front()).inicio;
            registroAbierto_ = true;
            continuacion_ = 0;
            notaX_.reset();
        }
        lineaAnterior_ = linea;
        for (std::size_t i = 0; i < l.celdas.size(); ++i) {
            const Celda::Tipo tipo = l.celdas[i].tipo;
            if (tipo == Celda::Tipo::Vacia) continue;
            const Texto& t = *l.renglon->textos[i];
            const Columna c = Pon(filas_.back().celdas, ColumnaDe(linea, t), std::move(l.celdas[i]));
            aprendidas_.emplace(std::pair{t.x, t.alineacion}, c);
            tiposDetalle_[c].insert(tipo);
        }
        std::vector<Celda>().swap(l.celdas);
    }

    // Continuation lines fill columns of their own past the captions, one per line and position;
    // a lone text under another lone text at the same place is the same text wrapped.
    void AgregaContinuacion(Lectura& l) {
        const int base = std::max(LineasDeTitulos(), 1);
        const Texto& primero = *l.renglon->textos.front();
        auto& celdas = filas_.back().celdas;
        if (l.renglon->textos.size() == 1 && notaX_ && *notaX_ == primero.x) {
            for (auto& [c, celda] : celdas)
                if (c.linea == base + continuacion_ - 1 && c.x == ExtensionDe(primero).inicio) {
                    // Wrapping cut words anywhere, and dropped the space after a sentence's end.
                    const bool frase = celda.texto.endsWith(u'.') && !primero.texto.front().isSpace();
                    celda.texto += (frase ? QStringLiteral(" ") : QString()) + primero.texto;
                    return;
                }
        }
        for (std::size_t i = 0; i < l.celdas.size(); ++i)
            Pon(celdas, Columna{base + continuacion_, ExtensionDe(*l.renglon->textos[i]).inicio, 0},
                std::move(l.celdas[i]));
        std::vector<Celda>().swap(l.celdas);
        notaX_ = l.renglon->textos.size() == 1 ? std::optional<int32_t>(primero.x) : std::nullopt;
        ++continuacion_;
    }

    void Agrega(Lectura& l) {
        if (l.papel != Papel::Total && Continua(l)) {
            AgregaContinuacion(l);
            return;
        }
        if (l.papel == Papel::Detalle || Sigue(l)) {
            AgregaDetalle(l);
            return;
        }
        lineaAnterior_ = -1;
        registroAbierto_ = false;
        const bool total = l.papel == Papel::Total;
        filas_.push_back(Parcial{total ? Fila::Clase::Total : Fila::Clase::Encabezado, &l, {}});
        posiciones_.push_back(l.renglon);
    }

    // A heading whose every text sits under a caption (a bank above its accounts) keeps its
    // columns; captions of the amounts below go where those amounts go; any other summary line is
    // one caption in the first column, its amounts and dates under their columns.
    void Resume(Parcial& fila) {
        const Lectura& l = *fila.fuente;
        const auto& textos = l.renglon->textos;
        const bool reparte = l.papel == Papel::Encabezado && textos.size() > 1 &&
                             std::all_of(textos.begin(), textos.end(), [&](const Texto* t) {
                                 const Celda::Tipo tipo = CeldaDeTexto(t->texto).tipo;
                                 return tipo == Celda::Tipo::Importe || tipo == Celda::Tipo::Fecha || ColumnaAlineada(*t);
                             });
        QStringList leyenda;
        for (std::size_t i = 0; i < textos.size(); ++i) {
            const Celda& celda = l.celdas[i];
            const Texto& t = *textos[i];
            if (celda.tipo == Celda::Tipo::Importe || celda.tipo == Celda::Tipo::Fecha)
                Pon(fila.celdas, ColumnaDeDato(t, celda.tipo, fila.clase == Fila::Clase::Total), celda);
            else if (l.papel == Papel::Etiquetas)
                Pon(fila.celdas, ColumnaDeDato(ValorBajo(l, t), Celda::Tipo::Importe, false), celda);
            else if (reparte) Pon(fila.celdas, *ColumnaAlineada(t), celda);
            else leyenda << t.texto.simplified();
        }
        if (!leyenda.isEmpty()) PonLeyenda(fila, leyenda.join(u' '));
    }

    const Texto& ValorBajo(const Lectura& etiquetas, const Texto& t) const {
        const Lectura& valores = *(&etiquetas + 1);
        for (const Texto* v : valores.renglon->textos)
            if (Alineados(*v, t.x, t.alineacion)) return *v;
        return t;
    }

    void PonLeyenda(Parcial& fila, const QString& texto) {
        Celda c;
        c.tipo = Celda::Tipo::Texto;
        c.texto = texto;
        const Columna primera{-1, INT_MIN, 0};
        usadas_.insert(primera);
        fila.celdas[primera] = std::move(c);
    }

    static QString TextoDe(const Parcial& fila) {
        QStringList textos;
        for (const auto& [c, celda] : fila.celdas)
            if (celda.tipo == Celda::Tipo::Texto) textos << celda.texto.simplified();
        return textos.join(u' ');
    }

    // Headings printed in one look at one place more than once are group headings; the first of
    // them after details or totals opens a group. A total printed without caption is named after
    // the group it closes; the most prominent look of those opening groups makes the outline.
    std::vector<Grupo> Grupos() {
        using Clave = std::pair<Estilo, int32_t>;
        const auto clave = [this](std::size_t i) {
            const Texto& t = *posiciones_[i]->textos.front();
            return Clave{EstiloDe(t), t.x};
        };
        const auto encabezado = [this](std::size_t i) {
            return filas_[i].clase == Fila::Clase::Encabezado && filas_[i].fuente->papel == Papel::Encabezado;
        };
        std::map<Clave, int> veces;
        for (std::size_t i = 0; i < filas_.size(); ++i)
            if (encabezado(i)) ++veces[clave(i)];

        std::optional<std::size_t> abierto;
        std::optional<Clave> mejor;
        bool abre = true;  // no group heading yet among the headings since the last detail or total
        for (std::size_t i = 0; i < filas_.size(); ++i) {
            if (filas_[i].clase != Fila::Clase::Encabezado) abre = true;
            if (abre && encabezado(i) && veces[clave(i)] >= 2) {
                abre = false;
                abierto = i;
                const auto realce = [](const Clave& c) { return std::pair{std::get<0>(c.first), std::get<1>(c.first)}; };
                if (!mejor || realce(clave(i)) > realce(*mejor)) mejor = clave(i);
            }
            if (filas_[i].clase == Fila::Clase::Total && TextoDe(filas_[i]).isEmpty()) {
                const QString grupo = abierto ? TextoDe(filas_[*abierto]) : QString();
                PonLeyenda(filas_[i], grupo.isEmpty() ? QStringLiteral("TOTAL") : QStringLiteral("TOTAL ") + grupo);
                abierto.reset();
            }
        }
        std::vector<Grupo> grupos;
        for (std::size_t i = 0; mejor && i < filas_.size(); ++i)
            if (encabezado(i) && clave(i) == *mejor)
                grupos.push_back({TextoDe(filas_[i]), posiciones_[i]->pagina, posiciones_[i]->y});
        return grupos;
    }

    Tabla Termina() {
        Tabla tabla;
        tabla.titulo = TituloDocumento(documento_);
        tabla.grupos = Grupos();
        // What the lines taught is in the rows now; the table is built as their cells are freed.
        std::vector<Lectura>().swap(lecturas_);
        // The first column takes the summary captions; it is the first caption slot when there is one.
        std::vector<Columna> orden;
        for (int j = 0; j < LineasDeTitulos(); ++j)
            for (const Titulo& t : cuerpo_.titulos[static_cast<std::size_t>(j)]) orden.push_back(Alineada(t, j));
        for (const Columna& c : usadas_)
            if (c.linea >= 0 && std::find(orden.begin(), orden.end(), c) == orden.end()) orden.push_back(c);
        std::stable_sort(orden.begin(), orden.end());
        orden.erase(std::unique(orden.begin(), orden.end()), orden.end());
        if (orden.empty()) orden.push_back({0, INT_MIN, 0});

        std::map<Columna, std::size_t> indice;
        for (std::size_t i = 0; i < orden.size(); ++i) indice[orden[i]] = i;
        if (!cuerpo_.titulos.empty()) {
            for (const Columna& c : orden) {
                QString nombre;
                if (c.linea < LineasDeTitulos())
                    for (const Titulo& t : cuerpo_.titulos[static_cast<std::size_t>(c.linea)])
                        if (t.extension.inicio == c.x) nombre = t.texto;
                if (c.repeticion > 0) nombre += QStringLiteral(" (%1)").arg(c.repeticion + 1);
                tabla.columnas << nombre;
            }
        }
        tabla.filas.reserve(filas_.size());
        for (std::size_t n = 0; n < filas_.size(); ++n) {
            Parcial& p = filas_[n];
            Fila f{p.clase, posiciones_[n]->pagina, posiciones_[n]->y, std::vector<Celda>(orden.size())};
            for (auto& [c, celda] : p.celdas) {
                // The caption comes first in the map; a text under the first caption joins it.
                const std::size_t i = c.linea < 0 ? 0 : indice.at(c);
                Celda& destino = f.celdas[i];
                if (destino.tipo == Celda::Tipo::Vacia) destino = std::move(celda);
                else if (destino.tipo == Celda::Tipo::Texto && celda.tipo == Celda::Tipo::Texto)
                    destino.texto += u' ' + celda.texto;
            }
            tabla.filas.push_back(std::move(f));
            p.celdas.clear();
        }
        return tabla;
    }

    const Documento& documento_;
    Cuerpo cuerpo_;
    std::vector<Lectura> lecturas_;
    std::vector<Aspecto> detallePagina_;  // the detail look of each page
    std::set<std::pair<Forma, Trazo>> formas_;  // the shapes detail lines are printed in
    int lineaAnterior_ = -1;
    bool registroAbierto_ = false;
    int32_t inicioRegistro_ = 0;
    int continuacion_ = 0;
    std::optional<int32_t> notaX_;
    std::map<std::pair<int32_t, int32_t>, Columna> aprendidas_;
    std::map<Columna, std::set<Celda::Tipo>> tiposDetalle_;  // what the detail rows hold in each column
    std::set<Columna> usadas_;
    std::vector<Parcial> filas_;
    std::vector<const Renglon*> posiciones_;  // the first line of each row
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
        QStringLiteral("^(-?)\\s*(\\$?)\\s*(-?)\\s*(\\d{1,3}(?:,\\d{3})*\\.\\d{2})(?:\\s+[A-Z]{3})?$"));
    Celda c;
    const QString t = texto.trimmed();
    if (t.isEmpty()) return c;
    // Amounts and dates start with a digit, a sign or "$"; most texts are names.
    if (const QChar p = t.front(); !p.isDigit() && p != u'-' && p != u'$') {
        c.tipo = Celda::Tipo::Texto;
        c.texto = texto;
        return c;
    }
    if (const auto m = t.contains(u'.') ? importe.match(t) : QRegularExpressionMatch();
        m.hasMatch() && !(m.captured(1) == u"-" && m.captured(3) == u"-")) {
        QString cifra = m.captured(4);
        cifra.remove(u',');
        if (const auto v = vb::Currency::DesdeTexto(cifra)) {
            c.tipo = Celda::Tipo::Importe;
            c.importe = (m.captured(1).isEmpty() && m.captured(3).isEmpty()) ? *v : -*v;
            return c;
        }
    }
    if (const auto d = t.size() >= 10 && t.size() <= 11 && t[2] == u'/' ? Fecha(t) : std::nullopt) {
        c.tipo = Celda::Tipo::Fecha;
        c.fecha = *d;
        return c;
    }
    c.tipo = Celda::Tipo::Texto;
    c.texto = texto;
    return c;
}

// A report whose routine marks its lines is read from its marks; the others by their looks.
Tabla TablaDeDocumento(const Documento& documento) {
    return TieneMarcas(documento) ? TablaDeMarcas(documento) : Constructor(documento).Construye();
}

std::vector<Grupo> GruposDeDocumento(const Documento& documento) {
    return TieneMarcas(documento) ? GruposDeMarcas(documento) : Constructor(documento).SoloGrupos();
}

QString TituloDocumento(const Documento& documento) {
    static const QRegularExpression reporte(QStringLiteral("^Reporte\\s*:(.*)$"));
    if (documento.empty()) return {};
    for (const Registro& r : documento.front())
        if (const auto* t = std::get_if<Texto>(&r))
            if (const auto m = reporte.match(t->texto); m.hasMatch()) return m.captured(1).trimmed();
    return {};
}

}  // namespace report
