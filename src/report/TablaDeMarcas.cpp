#include "report/TablaDeMarcas.h"

#include <algorithm>
#include <map>
#include <optional>

namespace report {

namespace {

// One group a line sits in: its kind, key and name.
struct Nivel {
    QString grupo;
    QString clave;
    QString nombre;
};

// Where a value prints: on which line of its record (a record may take two) and how far right.
struct Lugar {
    int linea = 0;
    int32_t x = 0;
    auto operator<=>(const Lugar&) const = default;
};

// A value marked on a line, and where the text it stands for prints (none when it prints nothing).
struct Valor {
    Dato dato;
    std::optional<Lugar> lugar;
};

// A marked line and the values marked on it, in the order drawn.
struct Renglon {
    ClaseRenglon clase;
    int16_t nivel;
    std::map<int16_t, Nivel> grupos;  // the groups it sits in, outermost first
    std::vector<Valor> datos;
};

Celda CeldaDe(const Dato& d) {
    Celda c;
    const QString valor = d.Valor();
    switch (d.tipo) {
    case TipoDato::Importe:
        if (const auto importe = vb::Currency::DesdeTexto(valor)) {
            c.tipo = Celda::Tipo::Importe;
            c.importe = *importe;
            return c;
        }
        break;
    case TipoDato::Fecha:
        if (const QDate fecha = QDate::fromString(valor, Qt::ISODate); fecha.isValid()) {
            c.tipo = Celda::Tipo::Fecha;
            c.fecha = fecha;
            return c;
        }
        break;
    case TipoDato::Numero: c.tipo = Celda::Tipo::Numero; break;
    case TipoDato::Texto: c.tipo = Celda::Tipo::Texto; break;
    }
    if (c.tipo == Celda::Tipo::Vacia) c.tipo = Celda::Tipo::Texto;
    c.texto = valor;
    return c;
}

Celda TextoCelda(const QString& texto) {
    Celda c;
    if (!texto.isEmpty()) {
        c.tipo = Celda::Tipo::Texto;
        c.texto = texto;
    }
    return c;
}

// The document's marked lines, each with the groups open when it was drawn.
std::vector<Renglon> Renglones(const Documento& documento) {
    constexpr int32_t OtraLinea = 100;  // twips further down a record's text starts a line of its own
    std::vector<Renglon> renglones;
    std::map<int16_t, Nivel> abiertos;
    Valor* sinLugar = nullptr;  // the last value marked, until the text it stands for prints
    int linea = -1;  // the line of the current record its texts print on; -1 before the first
    int32_t yLinea = 0;
    for (const Pagina& p : documento)
        for (const Registro& r : p) {
            if (const auto* t = std::get_if<Texto>(&r)) {
                if (linea < 0 || t->y > yLinea + OtraLinea) ++linea, yLinea = t->y;
                if (sinLugar) sinLugar->lugar = Lugar{linea, t->x};
                sinLugar = nullptr;
                continue;
            }
            if (const auto* m = std::get_if<Marca>(&r)) {
                sinLugar = nullptr;
                linea = -1;
                if (m->clase == ClaseRenglon::Grupo && m->nivel > 0) {
                    abiertos.erase(abiertos.lower_bound(m->nivel), abiertos.end());  // a new group closes those inside
                    abiertos[m->nivel] = {m->Grupo(), m->Clave(), m->Nombre()};
                }
                std::map<int16_t, Nivel> grupos = abiertos;
                // A subtotal closes its own group: it reaches no deeper than it.
                if (m->clase == ClaseRenglon::Subtotal) grupos.erase(grupos.upper_bound(m->nivel), grupos.end());
                if (m->clase == ClaseRenglon::Total) grupos.clear();
                renglones.push_back({m->clase, m->nivel, std::move(grupos), {}});
            } else if (const auto* d = std::get_if<Dato>(&r); d && !renglones.empty()) {
                sinLugar = &renglones.back().datos.emplace_back(Valor{*d, std::nullopt});
            }
        }
    return renglones;
}

}  // namespace

bool TieneMarcas(const Documento& documento) {
    return std::any_of(documento.begin(), documento.end(), [](const Pagina& p) {
        return std::any_of(p.begin(), p.end(), [](const Registro& r) { return std::holds_alternative<Marca>(r); });
    });
}

Tabla TablaDeMarcas(const Documento& documento) {
    Tabla tabla;
    tabla.titulo = TituloDocumento(documento);
    tabla.grupos = GruposDeMarcas(documento);
    const std::vector<Renglon> renglones = Renglones(documento);

    // Columns: what the row is, each group level's key and name, then the values as the page
    // prints them left to right: those of the detail lines first, then those only headings and
    // totals print (a brought-forward balance, a status).
    std::map<int16_t, QString> niveles;
    std::map<int16_t, bool> conNombre;  // a level whose groups are known by their key alone has no name column
    QStringList valores;
    std::map<QString, std::pair<bool, Lugar>> donde;  // printed on headings and totals only, and where
    for (const Renglon& r : renglones) {
        if (r.datos.empty()) continue;
        for (const auto& [nivel, g] : r.grupos) {
            niveles.emplace(nivel, g.grupo);
            conNombre[nivel] = conNombre[nivel] || !g.nombre.isEmpty();
        }
        const bool detalle = r.clase == ClaseRenglon::Detalle;
        for (const Valor& v : r.datos) {
            const QString columna = v.dato.Columna();
            if (!valores.contains(columna)) valores << columna;
            if (!v.lugar) continue;
            const auto [d, nueva] = donde.try_emplace(columna, !detalle, *v.lugar);
            if (!nueva && detalle && d->second.first) d->second = {false, *v.lugar};
        }
    }
    // A value never printed keeps its place after the printed ones, in the order it first appears.
    std::stable_sort(valores.begin(), valores.end(), [&](const QString& a, const QString& b) {
        const auto da = donde.find(a), db = donde.find(b);
        if (da == donde.end() || db == donde.end()) return da != donde.end() && db == donde.end();
        return da->second < db->second;
    });
    if (valores.isEmpty()) return tabla;  // nothing marked: not even a header row
    tabla.columnas << QStringLiteral("Renglón");
    for (const auto& [nivel, grupo] : niveles) {
        tabla.columnas << grupo + QStringLiteral(" (clave)");
        if (conNombre[nivel]) tabla.columnas << grupo;
    }
    tabla.columnas << valores;

    for (const Renglon& r : renglones) {
        if (r.datos.empty()) continue;
        Fila f;
        f.clase = r.clase == ClaseRenglon::Detalle ? Fila::Clase::Detalle
                  : r.clase == ClaseRenglon::Grupo || r.clase == ClaseRenglon::Titulos ? Fila::Clase::Encabezado
                                                                                        : Fila::Clase::Total;
        QString queEs;
        if (r.clase == ClaseRenglon::Subtotal) {
            const auto g = r.grupos.find(r.nivel);
            queEs = QStringLiteral("Subtotal") + (g != r.grupos.end() ? QStringLiteral(" de ") + g->second.grupo : QString());
        } else if (r.clase == ClaseRenglon::Total) {
            queEs = QStringLiteral("Total");
        } else if (r.clase == ClaseRenglon::Grupo) {
            const auto g = r.grupos.find(r.nivel);
            queEs = g != r.grupos.end() ? g->second.grupo : QStringLiteral("Grupo");
        }
        f.celdas.push_back(TextoCelda(queEs));
        for (const auto& [nivel, grupo] : niveles) {
            const auto g = r.grupos.find(nivel);
            f.celdas.push_back(TextoCelda(g != r.grupos.end() ? g->second.clave : QString()));
            if (conNombre[nivel]) f.celdas.push_back(TextoCelda(g != r.grupos.end() ? g->second.nombre : QString()));
        }
        f.celdas.resize(f.celdas.size() + static_cast<std::size_t>(valores.size()));
        const std::size_t primeraDeValores = f.celdas.size() - static_cast<std::size_t>(valores.size());
        for (const Valor& v : r.datos)
            f.celdas[primeraDeValores + static_cast<std::size_t>(valores.indexOf(v.dato.Columna()))] = CeldaDe(v.dato);
        tabla.filas.push_back(std::move(f));
    }
    return tabla;
}

std::vector<Grupo> GruposDeMarcas(const Documento& documento) {
    std::vector<Grupo> grupos;
    for (std::size_t p = 0; p < documento.size(); ++p) {
        const std::vector<Registro> registros = documento[p].Registros();
        for (std::size_t i = 0; i < registros.size(); ++i) {
            const auto* m = std::get_if<Marca>(&registros[i]);
            if (!m || m->clase != ClaseRenglon::Grupo) continue;
            // Titled by what it is, its key and its whole name, whatever the page cuts or adds;
            // placed where its line prints.
            int32_t y = 0;
            for (std::size_t j = i + 1; j < registros.size() && !std::holds_alternative<Marca>(registros[j]); ++j)
                if (const auto* t = std::get_if<Texto>(&registros[j]); t && !t->texto.trimmed().isEmpty()) {
                    y = t->y;
                    break;
                }
            const QString titulo =
                (m->Nombre() == m->Clave() ? m->Clave() : QStringList{m->Clave(), m->Nombre()}.join(u' ')).trimmed();
            grupos.push_back({titulo.isEmpty() ? m->Grupo() : m->Grupo() + QStringLiteral(": ") + titulo, p, y, m->nivel});
        }
    }
    return grupos;
}

}  // namespace report
