#include "report/Busqueda.h"

#include "report/EmfMetricas.h"

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

namespace report {

namespace {

// One comparable unit for every UTF-16 unit, worked out once: the first unit of its canonical
// decomposition (the letter under the accent), case folded.
const std::array<char16_t, 65536>& Tabla() {
    static const auto tabla = [] {
        auto t = std::make_unique<std::array<char16_t, 65536>>();
        for (uint32_t u = 0; u < 65536; ++u) {
            QChar c(static_cast<char16_t>(u));
            if (c.decompositionTag() == QChar::Canonical) {
                const QString d = c.decomposition();
                if (!d.isEmpty()) c = d.front();
            }
            (*t)[u] = c.isSurrogate() ? static_cast<char16_t>(u) : c.toCaseFolded().unicode();
        }
        return t;
    }();
    return *tabla;
}

}  // namespace

QString TextoComparable(const QString& texto) {
    const auto& tabla = Tabla();
    QString r(texto.size(), Qt::Uninitialized);
    QChar* destino = r.data();
    for (qsizetype i = 0; i < texto.size(); ++i) destino[i] = QChar(tabla[texto[i].unicode()]);
    return r;
}

constexpr char16_t Separador = 0xFFFF;  // a noncharacter: never typed, never printed

IndiceTextos::IndiceTextos(const Documento& documento) {
    const auto& tabla = Tabla();
    qsizetype total = 0;
    for (const Pagina& pagina : documento)
        for (const Registro& r : pagina)
            if (const auto* t = std::get_if<Texto>(&r)) total += t->texto.size() + 1;
    textos_.resize(total);
    char16_t* destino = reinterpret_cast<char16_t*>(textos_.data());
    qsizetype n = 0;
    for (std::size_t p = 0; p < documento.size(); ++p) {
        const Pagina& pagina = documento[p];
        std::size_t i = 0;
        for (auto r = pagina.begin(); r != pagina.end(); ++r, ++i) {
            const Registro registro = *r;
            const auto* t = std::get_if<Texto>(&registro);
            if (!t || t->texto.isEmpty()) continue;
            entradas_.push_back({static_cast<int>(p) + 1, i, n});
            const char16_t* origen = reinterpret_cast<const char16_t*>(t->texto.constData());
            for (qsizetype k = 0; k < t->texto.size(); ++k) destino[n++] = tabla[origen[k]];
            destino[n++] = Separador;
        }
    }
    textos_.truncate(n);
}

std::vector<Coincidencia> IndiceTextos::Busca(const QString& texto) const {
    std::vector<Coincidencia> r;
    const QString buscado = TextoComparable(texto);
    if (buscado.trimmed().isEmpty()) return r;
    for (qsizetype i = textos_.indexOf(buscado); i >= 0; i = textos_.indexOf(buscado, i + buscado.size())) {
        const auto e = std::prev(std::upper_bound(entradas_.begin(), entradas_.end(), i,
                                                  [](qsizetype v, const Entrada& x) { return v < x.inicio; }));
        r.push_back({e->pagina, e->registro, static_cast<int>(i - e->inicio), static_cast<int>(buscado.size())});
    }
    return r;
}

Rectangulo RectanguloDe(const Documento& documento, const Coincidencia& c) {
    if (c.pagina < 1 || static_cast<std::size_t>(c.pagina) > documento.size()) return {};
    const Pagina& pagina = documento[static_cast<std::size_t>(c.pagina - 1)];
    if (c.registro >= pagina.size()) return {};
    const Registro r = pagina[c.registro];
    const auto* t = std::get_if<Texto>(&r);
    if (!t) return {};
    const std::vector<uint32_t> avances = AvancesTexto(t->texto, t->tamano, t->negrita);
    const auto suma = [&](std::size_t desde, std::size_t hasta) {
        hasta = std::min(hasta, avances.size());
        desde = std::min(desde, hasta);
        return static_cast<int32_t>(std::accumulate(avances.begin() + static_cast<std::ptrdiff_t>(desde),
                                                    avances.begin() + static_cast<std::ptrdiff_t>(hasta), int64_t{0}));
    };
    const int32_t izquierda = t->alineacion == AlineaDerecha ? t->x - suma(0, avances.size()) : t->x;
    const auto inicio = static_cast<std::size_t>(c.inicio);
    return {izquierda + suma(0, inicio), t->y, suma(inicio, inicio + static_cast<std::size_t>(c.largo)),
            AltoLinea(t->tamano)};
}

}  // namespace report
