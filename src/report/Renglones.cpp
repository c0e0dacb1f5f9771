#include "report/Renglones.h"

#include "report/EmfMetricas.h"
#include "report/Tabla.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <map>
#include <set>

namespace report {

namespace {

constexpr int32_t SeparacionDoble = 40;  // the company heading closes with two rules this far apart
constexpr int32_t AlturaMaximaEncabezado = 2000;
constexpr int32_t GrosorBanda = 20;  // rules this close together are one thick rule
constexpr int SinRegistro = -1;       // a page with no record to find its captions by
constexpr int SinTitulos = -2;        // a page whose captions band is not there

bool ReglaCompleta(const Linea& l) {
    return l.y1 == l.y2 && std::min(l.x1, l.x2) <= 100 && std::max(l.x1, l.x2) >= 10400;
}

int32_t Ancho(const QString& texto, const Texto& t) { return AnchoTexto(texto, t.tamano, t.negrita); }

// A band of the page between rules across it. The first starts at the company heading's double
// rule and takes texts on it; the others take texts below their top rule down to their bottom
// rule, on it included (captions and totals are drawn on the rule under them).
struct Franja {
    int32_t desde = INT_MIN;
    int32_t hasta = INT_MAX;
    bool primera = false;
    bool Contiene(int32_t y) const { return (primera ? y >= desde : y > desde) && y <= hasta; }
};

struct Plano {
    int32_t inicio = INT_MIN;     // the company heading lies above this
    std::vector<Franja> franjas;  // empty for a page drawn without heading
};

Plano PlanoDe(const Pagina& pagina) {
    std::vector<int32_t> ys;
    for (const Registro& r : pagina)
        if (const auto* l = std::get_if<Linea>(&r); l && ReglaCompleta(*l)) ys.push_back(l->y1);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    Plano plano;
    for (std::size_t i = 0; i + 1 < ys.size() && ys[i] <= AlturaMaximaEncabezado; ++i) {
        if (ys[i + 1] - ys[i] != SeparacionDoble) continue;
        plano.inicio = ys[i + 1];
        Franja f{plano.inicio, INT_MAX, true};
        for (std::size_t j = i + 2; j < ys.size(); ++j) {
            int32_t fondo = ys[j];
            while (j + 1 < ys.size() && ys[j + 1] - fondo <= GrosorBanda) fondo = ys[++j];
            f.hasta = fondo;
            plano.franjas.push_back(f);
            f = Franja{fondo, INT_MAX, false};
        }
        plano.franjas.push_back(f);
        break;
    }
    return plano;
}

bool EsDato(const Texto& t) {
    const Celda::Tipo tipo = CeldaDeTexto(t.texto).tipo;
    return tipo == Celda::Tipo::Importe || tipo == Celda::Tipo::Fecha;
}

// The texts of one page at each height, in drawing order.
std::map<int32_t, std::vector<const Texto*>> PorAltura(const std::vector<const Texto*>& textos) {
    std::map<int32_t, std::vector<const Texto*>> porAltura;
    for (const Texto* t : textos) porAltura[t->y].push_back(t);
    return porAltura;
}

// Which band holds a page's captions: the last band above the page's first record whose texts
// are neither amounts nor dates.
int FranjaDeTitulos(const Plano& plano, const std::map<int32_t, std::vector<const Texto*>>& porAltura) {
    const auto registro = std::find_if(porAltura.lower_bound(plano.inicio), porAltura.end(),
                                       [](const auto& linea) { return EsRegistro(linea.second); });
    if (registro == porAltura.end()) return SinRegistro;
    std::vector<bool> conTexto(plano.franjas.size()), conDato(plano.franjas.size());
    for (auto linea = porAltura.lower_bound(plano.inicio); linea != registro; ++linea) {
        const auto franja = std::find_if(plano.franjas.begin(), plano.franjas.end(),
                                         [&](const Franja& f) { return f.Contiene(linea->first); });
        if (franja == plano.franjas.end()) continue;
        const auto k = static_cast<std::size_t>(franja - plano.franjas.begin());
        conTexto[k] = true;
        for (const Texto* t : linea->second) conDato[k] = conDato[k] || EsDato(*t);
    }
    int elegida = SinTitulos;
    for (std::size_t k = 0; k < plano.franjas.size() && plano.franjas[k].hasta < registro->first; ++k)
        if (conTexto[k] && !conDato[k]) elegida = static_cast<int>(k);
    return elegida;
}

std::vector<Titulo> TitulosDe(const Texto& t) {
    static const QRegularExpression separacion(QStringLiteral("\\s{3,}"));
    const QString texto = t.texto;
    const int32_t izquierda = t.alineacion == AlineaDerecha ? t.x - Ancho(texto, t) : t.x;
    std::vector<Titulo> titulos;
    qsizetype desde = 0;
    const auto agrega = [&](qsizetype hasta) {
        const QString pedazo = texto.mid(desde, hasta - desde);
        const QString nombre = pedazo.trimmed();
        if (nombre.isEmpty()) return;
        const int32_t inicio = izquierda + Ancho(texto.left(desde + pedazo.indexOf(nombre)), t);
        Titulo c{t.x, t.alineacion, nombre, {inicio, inicio + Ancho(nombre, t)}};
        // Only a caption drawn on its own keeps the drawing position values are aligned on.
        if (desde > 0 || hasta < texto.size()) c.x = inicio, c.alineacion = AlineaIzquierda;
        titulos.push_back(std::move(c));
    };
    for (auto m = separacion.globalMatch(texto); m.hasNext();) {
        const auto coincidencia = m.next();
        agrega(coincidencia.capturedStart());
        desde = coincidencia.capturedEnd();
    }
    agrega(texto.size());
    if (titulos.size() == 1) titulos.front().x = t.x, titulos.front().alineacion = t.alineacion;
    return titulos;
}

// Texts at one height split where one is drawn where the line already has a text, or goes back
// left in another look: the report printed a second line over the first.
std::vector<Renglon> Separa(std::size_t pagina, int32_t y, const std::vector<const Texto*>& textos) {
    std::vector<Renglon> renglones(1, Renglon{pagina, y, {}});
    for (const Texto* t : textos) {
        auto& actual = renglones.back().textos;
        const bool repetido = std::any_of(actual.begin(), actual.end(), [t](const Texto* o) {
            return o->x == t->x && o->alineacion == t->alineacion;
        });
        const Texto* ultimo = actual.empty() ? nullptr : actual.back();
        const bool regresa = ultimo && t->x < ultimo->x &&
                             std::tie(t->tamano, t->negrita, t->color) != std::tie(ultimo->tamano, ultimo->negrita, ultimo->color);
        if (repetido || regresa) renglones.push_back(Renglon{pagina, y, {}});
        renglones.back().textos.push_back(t);
    }
    for (Renglon& r : renglones)
        std::stable_sort(r.textos.begin(), r.textos.end(), [](const Texto* a, const Texto* b) {
            return ExtensionDe(*a).inicio < ExtensionDe(*b).inicio;
        });
    return renglones;
}

// What a line says and where: a line repeated on each page may take the look left over from
// the page before, so the look is not part of it.
QString Firma(const Renglon& r) {
    QString firma = QString::number(r.y);
    for (const Texto* t : r.textos) {
        firma += u'|';
        firma += QString::number(t->x);
        firma += t->alineacion == AlineaDerecha ? u'>' : u'<';
        firma += t->texto;
    }
    return firma;
}

// Lines a page repeats above its first record: those printed alike between the captions and the
// first record of every page (the date range), and all of them when the previous page printed
// each alike (a heading carried over). The first page keeps its own; a page printing no record
// keeps all. `titulos` is where each page's captions end.
void QuitaRepetidos(std::vector<std::vector<Renglon>>& paginas, const std::vector<int32_t>& titulos) {
    if (paginas.size() < 2) return;
    std::vector<std::size_t> registros(paginas.size());
    std::vector<std::set<QString>> firmas(paginas.size()), arriba(paginas.size());
    for (std::size_t p = 0; p < paginas.size(); ++p) {
        const std::vector<Renglon>& renglones = paginas[p];
        std::size_t& registro = registros[p];
        while (registro < renglones.size() && !EsRegistro(renglones[registro].textos)) ++registro;
        for (std::size_t i = 0; i < renglones.size(); ++i) {
            firmas[p].insert(Firma(renglones[i]));
            if (i < registro && registro < renglones.size() && renglones[i].y > titulos[p])
                arriba[p].insert(Firma(renglones[i]));
        }
    }
    std::set<QString> siempre = arriba.front();
    for (std::size_t p = 0; p < paginas.size(); ++p) {
        if (registros[p] == paginas[p].size()) continue;
        const std::set<QString>& f = arriba[p];
        std::set<QString> comun;
        std::set_intersection(siempre.begin(), siempre.end(), f.begin(), f.end(), std::inserter(comun, comun.end()));
        siempre = std::move(comun);
    }
    for (std::size_t p = 1; p < paginas.size(); ++p) {
        std::vector<Renglon>& renglones = paginas[p];
        const std::size_t registro = registros[p];
        const bool arrastrado = registro < renglones.size() &&
                                std::all_of(renglones.begin(), renglones.begin() + static_cast<std::ptrdiff_t>(registro),
                                            [&](const Renglon& r) { return firmas[p - 1].count(Firma(r)) > 0; });
        std::vector<Renglon> quedan;
        for (std::size_t i = 0; i < renglones.size(); ++i)
            if (i >= registro || !(arrastrado || siempre.count(Firma(renglones[i])))) quedan.push_back(std::move(renglones[i]));
        renglones = std::move(quedan);
    }
}

}  // namespace

Extension ExtensionDe(const Texto& t) {
    const int32_t ancho = Ancho(t.texto, t);
    return t.alineacion == AlineaDerecha ? Extension{t.x - ancho, t.x} : Extension{t.x, t.x + ancho};
}

bool EsRegistro(const std::vector<const Texto*>& textos) {
    bool dato = false, nombre = false;
    for (const Texto* t : textos) {
        if (t->texto.trimmed().isEmpty()) continue;
        if (EsDato(*t)) dato = true;
        else nombre = true;
    }
    return dato && nombre;
}

Cuerpo CuerpoDeDocumento(const Documento& documento) {
    std::vector<Plano> planos;
    std::vector<std::map<int32_t, std::vector<const Texto*>>> alturas;
    Cuerpo cuerpo;
    for (const Pagina& pagina : documento) {
        std::vector<const Texto*> textos;
        for (const Registro& r : pagina)
            if (const auto* t = std::get_if<Texto>(&r); t && !t->texto.trimmed().isEmpty())
                textos.push_back(&cuerpo.textos.emplace_back(*t));
        planos.push_back(PlanoDe(pagina));
        alturas.push_back(PorAltura(textos));
    }
    // A page printing no record takes its captions where the first page that prints one has them.
    std::vector<int> franjas(documento.size(), SinRegistro);
    int franjaComun = 0;
    bool conocida = false;
    for (std::size_t p = 0; p < documento.size(); ++p) {
        franjas[p] = FranjaDeTitulos(planos[p], alturas[p]);
        if (!conocida && franjas[p] != SinRegistro) franjaComun = franjas[p], conocida = true;
    }

    std::vector<std::vector<Renglon>> paginas(documento.size());
    std::vector<int32_t> finTitulos(documento.size(), INT_MIN);
    for (std::size_t p = 0; p < documento.size(); ++p) {
        const Plano& plano = planos[p];
        const int k = franjas[p] == SinRegistro ? franjaComun : franjas[p];
        const Franja* titulos = k != SinTitulos && k + 1 < static_cast<int>(plano.franjas.size())
                                    ? &plano.franjas[static_cast<std::size_t>(k)] : nullptr;
        if (titulos) finTitulos[p] = titulos->hasta;
        const bool primeros = cuerpo.titulos.empty() && titulos;
        for (const auto& [y, textos] : alturas[p]) {
            if (y < plano.inicio) continue;
            if (titulos && titulos->Contiene(y)) {
                if (primeros) {
                    std::vector<Titulo> linea;
                    for (const Texto* t : textos)
                        for (Titulo& c : TitulosDe(*t)) linea.push_back(std::move(c));
                    std::sort(linea.begin(), linea.end(),
                              [](const Titulo& a, const Titulo& b) { return a.extension.inicio < b.extension.inicio; });
                    cuerpo.titulos.push_back(std::move(linea));
                }
                continue;
            }
            for (Renglon& r : Separa(p, y, textos)) paginas[p].push_back(std::move(r));
        }
    }
    QuitaRepetidos(paginas, finTitulos);
    for (auto& renglones : paginas)
        for (Renglon& r : renglones) cuerpo.renglones.push_back(std::move(r));
    return cuerpo;
}

}  // namespace report
