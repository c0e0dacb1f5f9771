#include "render/FuenteIncrustada.h"

#include "render/Fuente.h"
#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>

namespace render {

namespace {

constexpr qint64 LargoMaximo = 64 * 1024 * 1024;
constexpr int32_t ArchivoNoEncontrado = 53;
constexpr uint32_t SumaDeLaFuente = 0xB1B0AFBA;  // what a whole font file's checksum must add up to
constexpr int ProfundidadMaxima = 8;                 // composite glyphs built of composites
constexpr uint32_t CodigosMaximos = 1u << 20;        // a damaged cmap cannot make the load run on

// Tables a PDF reader rasterises from; the layout, kerning and device-metric ones are dropped.
constexpr std::array<const char*, 14> TablasConservadas = {
    "OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "post", "prep"};

uint32_t Etiqueta(const char* e) {
    return uint32_t{static_cast<uint8_t>(e[0])} << 24 | uint32_t{static_cast<uint8_t>(e[1])} << 16 |
           uint32_t{static_cast<uint8_t>(e[2])} << 8 | static_cast<uint8_t>(e[3]);
}

// Big-endian reads inside [inicio, inicio + largo) of the file; 0 past the end.
class Lector {
public:
    Lector(const QByteArray& datos, uint32_t inicio, uint32_t largo)
        : p_(reinterpret_cast<const uint8_t*>(datos.constData()) + inicio), largo_(largo) {}
    uint32_t Largo() const { return largo_; }
    uint16_t U16(uint64_t pos) const {
        return pos + 2 <= largo_ ? static_cast<uint16_t>(p_[pos] << 8 | p_[pos + 1]) : 0;
    }
    int16_t I16(uint64_t pos) const { return static_cast<int16_t>(U16(pos)); }
    uint32_t U32(uint64_t pos) const {
        return pos + 4 <= largo_ ? uint32_t{U16(pos)} << 16 | U16(pos + 2) : 0;
    }
    Lector Sub(uint64_t pos, uint64_t largo) const {
        Lector s = *this;
        s.p_ += std::min<uint64_t>(pos, largo_);
        s.largo_ = static_cast<uint32_t>(pos >= largo_ ? 0 : std::min<uint64_t>(largo, largo_ - pos));
        return s;
    }

private:
    const uint8_t* p_;
    uint32_t largo_;
};

void PonU16(QByteArray& b, qsizetype pos, uint16_t v) {
    b[pos] = static_cast<char>(v >> 8);
    b[pos + 1] = static_cast<char>(v);
}

void PonU32(QByteArray& b, qsizetype pos, uint32_t v) {
    PonU16(b, pos, static_cast<uint16_t>(v >> 16));
    PonU16(b, pos + 2, static_cast<uint16_t>(v));
}

void AgregaU16(QByteArray& b, uint16_t v) {
    b += static_cast<char>(v >> 8);
    b += static_cast<char>(v);
}

void AgregaU32(QByteArray& b, uint32_t v) {
    AgregaU16(b, static_cast<uint16_t>(v >> 16));
    AgregaU16(b, static_cast<uint16_t>(v));
}

void Rellena(QByteArray& b) {
    while (b.size() % 4 != 0) b += '\0';
}

uint32_t Suma(const QByteArray& b) {
    uint32_t suma = 0;
    const auto* p = reinterpret_cast<const uint8_t*>(b.constData());
    for (qsizetype i = 0; i < b.size(); i += 4) {
        uint32_t palabra = 0;
        for (qsizetype j = 0; j < 4; ++j) palabra = palabra << 8 | (i + j < b.size() ? p[i + j] : 0u);
        suma += palabra;
    }
    return suma;
}

}  // namespace

const FuenteIncrustada::Tabla* FuenteIncrustada::Busca(const char* etiqueta) const {
    const uint32_t e = Etiqueta(etiqueta);
    for (const Tabla& t : tablas_)
        if (t.etiqueta == e) return &t;
    return nullptr;
}

bool FuenteIncrustada::Carga(const QString& archivo, const QByteArray& nombre) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly) || f.size() > LargoMaximo) return false;
    datos_ = f.readAll();
    nombre_ = nombre;
    const Lector todo(datos_, 0, static_cast<uint32_t>(datos_.size()));
    const uint16_t n = todo.U16(4);
    if (todo.U32(0) != 0x00010000 || 12 + 16 * uint64_t{n} > todo.Largo()) return false;
    for (uint16_t i = 0; i < n; ++i) {
        const uint64_t r = 12 + 16 * uint64_t{i};
        const Tabla t{todo.U32(r), todo.U32(r + 8), todo.U32(r + 12)};
        if (uint64_t{t.inicio} + t.largo <= todo.Largo()) tablas_.push_back(t);
    }
    const Tabla *head = Busca("head"), *hhea = Busca("hhea"), *maxp = Busca("maxp"), *hmtx = Busca("hmtx"),
                *loca = Busca("loca"), *cmap = Busca("cmap");
    if (!head || !hhea || !maxp || !hmtx || !loca || !Busca("glyf") || !cmap || head->largo < 54) return false;
    const auto lector = [&](const Tabla* t) { return Lector(datos_, t->inicio, t->largo); };

    const Lector h = lector(head);
    unidadesPorEm_ = h.U16(18);
    metricas_.xMin = h.I16(36);
    metricas_.yMin = h.I16(38);
    metricas_.xMax = h.I16(40);
    metricas_.yMax = h.I16(42);
    locaLarga_ = h.I16(50) == 1;
    glifos_ = lector(maxp).U16(4);
    const Lector hh = lector(hhea);
    metricas_.ascendente = hh.I16(4);
    metricas_.descendente = hh.I16(6);
    metricas_.altoMayusculas = metricas_.ascendente;
    const uint16_t metricasH = hh.U16(34);
    if (unidadesPorEm_ < 16 || glifos_ == 0 || metricasH == 0 || metricasH > glifos_ ||
        uint64_t{glifos_ + 1u} * (locaLarga_ ? 4 : 2) > loca->largo)
        return false;

    const Lector hm = lector(hmtx);
    avances_.resize(static_cast<std::size_t>(glifos_));
    for (int32_t g = 0; g < glifos_; ++g) avances_[static_cast<std::size_t>(g)] = hm.U16(4 * uint64_t(std::min<int32_t>(g, metricasH - 1)));

    if (const Tabla* os2 = Busca("OS/2")) {
        const Lector o = lector(os2);
        metricas_.peso = o.U16(4);
        if (o.U16(0) >= 2 && o.Largo() >= 90) metricas_.altoMayusculas = o.I16(88);
    }
    if (const Tabla* post = Busca("post")) metricas_.anguloItalica = static_cast<int32_t>(lector(post).U32(4)) / 65536.0;

    // The character map: the full-repertoire Unicode one (format 12) when there is one, else BMP
    // (format 4).
    const Lector c = lector(cmap);
    Lector elegido = c.Sub(0, 0);
    int mejor = 0;
    for (uint16_t i = 0, tablas = c.U16(2); i < tablas; ++i) {
        const uint16_t plataforma = c.U16(4 + 8 * uint64_t{i}), codificacion = c.U16(6 + 8 * uint64_t{i});
        const Lector s = c.Sub(c.U32(8 + 8 * uint64_t{i}), c.Largo());
        const uint16_t formato = s.U16(0);
        const bool unicode = plataforma == 0 || (plataforma == 3 && (codificacion == 1 || codificacion == 10));
        const int valor = !unicode ? 0 : formato == 12 ? 2 : formato == 4 ? 1 : 0;
        if (valor > mejor) {
            mejor = valor;
            elegido = s.Sub(0, formato == 12 ? s.U32(4) : s.U16(2));
        }
    }
    glifoBmp_.assign(0x10000, 0);
    uint32_t presupuesto = CodigosMaximos;
    const auto pon = [&](char32_t codigo, uint32_t glifo) {
        if (glifo < static_cast<uint32_t>(glifos_) && glifoBmp_[codigo] == 0) glifoBmp_[codigo] = static_cast<uint16_t>(glifo);
    };
    if (mejor == 2) {
        const uint32_t grupos = std::min<uint32_t>(elegido.U32(12), (elegido.Largo() - std::min<uint32_t>(elegido.Largo(), 16)) / 12);
        for (uint32_t i = 0; i < grupos; ++i) {
            const uint64_t r = 16 + 12 * uint64_t{i};
            const char32_t primero = elegido.U32(r), ultimo = elegido.U32(r + 4);
            const uint32_t glifo = elegido.U32(r + 8);
            if (ultimo < primero || ultimo > 0x10FFFF) continue;
            for (char32_t k = primero; k <= std::min<char32_t>(ultimo, 0xFFFF) && presupuesto > 0; ++k, --presupuesto)
                pon(k, glifo + (k - primero));
            if (ultimo > 0xFFFF) {
                const char32_t desde = std::max<char32_t>(primero, 0x10000);
                gruposAstrales_.push_back({desde, ultimo, glifo + (desde - primero)});
            }
        }
        std::sort(gruposAstrales_.begin(), gruposAstrales_.end(),
                  [](const Grupo& a, const Grupo& b) { return a.primero < b.primero; });
    } else if (mejor == 1) {
        const uint16_t dobles = elegido.U16(6);
        const uint64_t fines = 14, inicios = 16 + uint64_t{dobles}, deltas = inicios + dobles, rangos = deltas + dobles;
        for (uint16_t i = 0; i < dobles / 2; ++i) {
            const uint16_t fin = elegido.U16(fines + 2 * i), inicio = elegido.U16(inicios + 2 * i);
            const uint16_t delta = elegido.U16(deltas + 2 * i), rango = elegido.U16(rangos + 2 * i);
            for (uint32_t k = inicio; k <= fin && k < 0xFFFF && presupuesto > 0; ++k, --presupuesto) {
                uint16_t glifo = 0;
                if (rango == 0) {
                    glifo = static_cast<uint16_t>(k + delta);
                } else {
                    glifo = elegido.U16(rangos + 2 * i + rango + 2 * (k - inicio));
                    if (glifo != 0) glifo = static_cast<uint16_t>(glifo + delta);
                }
                pon(k, glifo);
            }
        }
    }
    return mejor > 0;
}

uint16_t FuenteIncrustada::Glifo(char32_t caracter) const {
    if (caracter <= 0xFFFF) return glifoBmp_.empty() ? 0 : glifoBmp_[caracter];
    const auto g = std::upper_bound(gruposAstrales_.begin(), gruposAstrales_.end(), caracter,
                                    [](char32_t c, const Grupo& grupo) { return c < grupo.primero; });
    if (g == gruposAstrales_.begin() || caracter > std::prev(g)->ultimo) return 0;
    const uint32_t glifo = std::prev(g)->glifo + (caracter - std::prev(g)->primero);
    return glifo < static_cast<uint32_t>(glifos_) ? static_cast<uint16_t>(glifo) : 0;
}

int32_t FuenteIncrustada::Avance(uint16_t glifo) const {
    return glifo < avances_.size() ? avances_[glifo] : 0;
}

uint32_t FuenteIncrustada::InicioGlifo(uint32_t glifo) const {
    const Tabla* loca = Busca("loca");
    const Lector l(datos_, loca->inicio, loca->largo);
    return locaLarga_ ? l.U32(4 * uint64_t{glifo}) : uint32_t{l.U16(2 * uint64_t{glifo})} * 2;
}

void FuenteIncrustada::AgregaComponentes(uint16_t glifo, std::vector<bool>& usados, int profundidad) const {
    const Tabla* glyf = Busca("glyf");
    const uint32_t inicio = InicioGlifo(glifo), fin = InicioGlifo(glifo + 1u);
    if (profundidad > ProfundidadMaxima || fin <= inicio || fin > glyf->largo) return;
    const Lector g(datos_, glyf->inicio + inicio, fin - inicio);
    if (g.I16(0) >= 0) return;  // a simple outline
    constexpr uint16_t PalabrasDeArgumento = 0x0001, Escala = 0x0008, MasComponentes = 0x0020,
                       EscalaXY = 0x0040, Matriz = 0x0080;
    uint64_t pos = 10;
    uint16_t banderas = 0;
    do {
        if (pos + 4 > g.Largo()) return;
        banderas = g.U16(pos);
        const uint16_t componente = g.U16(pos + 2);
        pos += 4 + ((banderas & PalabrasDeArgumento) ? 4 : 2);
        pos += (banderas & Escala) ? 2 : (banderas & EscalaXY) ? 4 : (banderas & Matriz) ? 8 : 0;
        if (componente < glifos_ && !usados[componente]) {
            usados[componente] = true;
            AgregaComponentes(componente, usados, profundidad + 1);
        }
    } while (banderas & MasComponentes);
}

QByteArray FuenteIncrustada::Subconjunto(const std::vector<bool>& usadosPedidos) const {
    std::vector<bool> usados = usadosPedidos;
    usados.resize(static_cast<std::size_t>(glifos_));
    usados[0] = true;
    for (int32_t g = 0; g < glifos_; ++g)
        if (usados[static_cast<std::size_t>(g)]) AgregaComponentes(static_cast<uint16_t>(g), usados, 0);

    // Glyph ids stay: an unused glyph keeps its place with no outline, and loca becomes long.
    const Tabla* glyfOriginal = Busca("glyf");
    QByteArray glyf, loca;
    loca.reserve((glifos_ + 1) * 4);
    for (int32_t g = 0; g < glifos_; ++g) {
        AgregaU32(loca, static_cast<uint32_t>(glyf.size()));
        const uint32_t inicio = InicioGlifo(static_cast<uint32_t>(g)), fin = InicioGlifo(static_cast<uint32_t>(g) + 1);
        if (!usados[static_cast<std::size_t>(g)] || fin <= inicio || fin > glyfOriginal->largo) continue;
        glyf.append(datos_.constData() + glyfOriginal->inicio + inicio, fin - inicio);
        Rellena(glyf);
    }
    AgregaU32(loca, static_cast<uint32_t>(glyf.size()));

    struct Salida {
        uint32_t etiqueta;
        QByteArray datos;
    };
    std::vector<Salida> salida;
    for (const char* nombre : TablasConservadas) {
        const Tabla* t = Busca(nombre);
        if (!t) continue;
        const uint32_t e = Etiqueta(nombre);
        QByteArray datos = e == Etiqueta("glyf")   ? glyf
                           : e == Etiqueta("loca") ? loca
                                                   : datos_.mid(t->inicio, t->largo);
        if (e == Etiqueta("head")) {
            PonU32(datos, 8, 0);  // the whole file's checksum, set at the end
            PonU16(datos, 50, 1);
        } else if (e == Etiqueta("post")) {
            if (datos.size() < 32) continue;
            datos.truncate(32);  // version 3: no glyph names
            PonU32(datos, 0, 0x00030000);
        }
        salida.push_back({e, std::move(datos)});
    }
    std::sort(salida.begin(), salida.end(), [](const Salida& a, const Salida& b) { return a.etiqueta < b.etiqueta; });

    const auto n = static_cast<uint16_t>(salida.size());
    uint16_t potencia = 1, exponente = 0;
    while (potencia * 2 <= n) {
        potencia *= 2;
        ++exponente;
    }
    QByteArray archivo;
    AgregaU32(archivo, 0x00010000);
    AgregaU16(archivo, n);
    AgregaU16(archivo, static_cast<uint16_t>(potencia * 16));
    AgregaU16(archivo, exponente);
    AgregaU16(archivo, static_cast<uint16_t>(n * 16 - potencia * 16));
    uint32_t desplazamiento = 12 + 16u * n;
    qsizetype posicionHead = -1;
    for (const Salida& s : salida) {
        AgregaU32(archivo, s.etiqueta);
        AgregaU32(archivo, Suma(s.datos));
        AgregaU32(archivo, desplazamiento);
        AgregaU32(archivo, static_cast<uint32_t>(s.datos.size()));
        if (s.etiqueta == Etiqueta("head")) posicionHead = desplazamiento;
        desplazamiento += static_cast<uint32_t>((s.datos.size() + 3) / 4 * 4);
    }
    for (const Salida& s : salida) {
        archivo += s.datos;
        Rellena(archivo);
    }
    PonU32(archivo, posicionHead + 8, SumaDeLaFuente - Suma(archivo));
    return archivo;
}

const FuenteIncrustada& FuenteDePagina(bool negrita) {
    struct Par {
        FuenteIncrustada fuentes[2];
        bool cargada[2];
    };
    static const Par par = [] {
        Par p;
        p.cargada[0] = p.fuentes[0].Carga(ArchivoFuente(false), "LiberationSans");
        p.cargada[1] = p.fuentes[1].Carga(ArchivoFuente(true), "LiberationSans-Bold");
        return p;
    }();
    if (!par.cargada[negrita])
        throw vb::ErrorEjecucion(ArchivoNoEncontrado,
                                 QStringLiteral("No se pudo leer la fuente %1 que el PDF incrusta (paquete fonts-liberation2)")
                                     .arg(QDir::toNativeSeparators(ArchivoFuente(negrita))));
    return par.fuentes[negrita];
}

}  // namespace render
