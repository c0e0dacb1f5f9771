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

// The document's marked lines one at a time, each with the groups open when it was drawn and
// the values marked on it.
template <class Cada>
void RecorreRenglones(const Documento& documento, Cada cada) {
    constexpr int32_t OtraLinea = 100;  // twips further down a record's text starts a line of its own
    std::map<int16_t, Nivel> abiertos;
    std::optional<Renglon> renglon;
    bool sinLugar = false;  // the last value marked waits for the text it stands for
    int linea = -1;  // the line of the current record its texts print on; -1 before the first
    int32_t yLinea = 0;
    for (const Pagina& p : documento)
        for (const Registro& r : p) {
            if (const auto* t = std::get_if<Texto>(&r)) {
                if (linea < 0 || t->y > yLinea + OtraLinea) ++linea, yLinea = t->y;
                if (sinLugar) renglon->datos.back().lugar = Lugar{linea, t->x};
                sinLugar = false;
                continue;
            }
            if (const auto* m = std::get_if<Marca>(&r)) {
                if (renglon) cada(*renglon);
                sinLugar = false;
                linea = -1;
                if (m->clase == ClaseRenglon::Grupo && m->nivel > 0) {
                    abiertos.erase(abiertos.lower_bound(m->nivel), abiertos.end());  // a new group closes those inside
                    abiertos[m->nivel] = {m->Grupo(), m->Clave(), m->Nombre()};
                }
                std::map<int16_t, Nivel> grupos = abiertos;
                // A subtotal closes its own group: it reaches no deeper than it.
                if (m->clase == ClaseRenglon::Subtotal) grupos.erase(grupos.upper_bound(m->nivel), grupos.end());
                if (m->clase == ClaseRenglon::Total) grupos.clear();
                renglon = Renglon{m->clase, m->nivel, std::move(grupos), {}};
            } else if (const auto* d = std::get_if<Dato>(&r); d && renglon) {
                renglon->datos.push_back({*d, std::nullopt});
                sinLugar = true;
            }
        }
    if (renglon) cada(*renglon);
}

}  // namespace

bool TieneMarcas(const Documento& documento) {
    return std::any_of(documento.begin(), documento.end(), [](const Pagina& p) {
        return std::any_of(p.begin(), p.end(), [](const Registro& r) { return std::holds_alternative<Marca>(r); });
    });
}

FilasDeDocumento::FilasDeDocumento(const Documento& documento) {
    documento_ = &documento;
    titulo_ = TituloDocumento(documento);
    // Columns: what the row is, each group level's key and name, then the values as the page
    // prints them left to right: those of the detail lines first, then those only headings and
    // totals print (a brought-forward balance, a status).
    std::map<int16_t, QString> niveles;
    std::map<QString, std::pair<bool, Lugar>> donde;  // printed on headings and totals only, and where
    RecorreRenglones(documento, [&](const Renglon& r) {
        if (r.datos.empty()) return;
        for (const auto& [nivel, g] : r.grupos) {
            niveles.emplace(nivel, g.grupo);
            // a level whose groups are known by their key alone has no name column
            niveles_[nivel] = niveles_[nivel] || !g.nombre.isEmpty();
        }
        const bool detalle = r.clase == ClaseRenglon::Detalle;
        for (const Valor& v : r.datos) {
            const QString columna = v.dato.Columna();
            if (!valores_.contains(columna)) valores_ << columna;
            if (!v.lugar) continue;
            const auto [d, nueva] = donde.try_emplace(columna, !detalle, *v.lugar);
            if (!nueva && detalle && d->second.first) d->second = {false, *v.lugar};
        }
    });
    // A value never printed keeps its place after the printed ones, in the order it first appears.
    std::stable_sort(valores_.begin(), valores_.end(), [&](const QString& a, const QString& b) {
        const auto da = donde.find(a), db = donde.find(b);
        if (da == donde.end() || db == donde.end()) return da != donde.end() && db == donde.end();
        return da->second < db->second;
    });
    if (valores_.isEmpty()) return;  // nothing marked: not even a header row
    columnas_ << QStringLiteral("Renglón");
    for (const auto& [nivel, grupo] : niveles) {
        columnas_ << grupo + QStringLiteral(" (clave)");
        if (niveles_[nivel]) columnas_ << grupo;
    }
    columnas_ << valores_;
}

FilasDeDocumento::FilasDeDocumento(Tabla tabla) : titulo_(tabla.titulo), columnas_(tabla.columnas) {
    tabla_ = std::move(tabla);
}

void FilasDeDocumento::Recorre(const std::function<void(const Fila&)>& cada) const {
    if (tabla_) {
        for (const Fila& f : tabla_->filas) cada(f);
        return;
    }
    Fila f;
    RecorreRenglones(*documento_, [&](const Renglon& r) {
        if (r.datos.empty()) return;
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
        f.celdas.clear();
        f.celdas.push_back(TextoCelda(queEs));
        for (const auto& [nivel, conNombre] : niveles_) {
            const auto g = r.grupos.find(nivel);
            f.celdas.push_back(TextoCelda(g != r.grupos.end() ? g->second.clave : QString()));
            if (conNombre) f.celdas.push_back(TextoCelda(g != r.grupos.end() ? g->second.nombre : QString()));
        }
        const std::size_t primeraDeValores = f.celdas.size();
        f.celdas.resize(primeraDeValores + static_cast<std::size_t>(valores_.size()));
        for (const Valor& v : r.datos)
            f.celdas[primeraDeValores + static_cast<std::size_t>(valores_.indexOf(v.dato.Columna()))] = CeldaDe(v.dato);
        cada(f);
    });
}

Tabla TablaDeMarcas(const Documento& documento) {
    const FilasDeDocumento filas(documento);
    Tabla tabla;
    tabla.titulo = filas.Titulo();
    tabla.columnas = filas.Columnas();
    tabla.grupos = GruposDeMarcas(documento);
    filas.Recorre([&tabla](const Fila& f) { tabla.filas.push_back(f); });
    return tabla;
}

std::vector<Grupo> GruposDeMarcas(const Documento& documento) {
    std::vector<Grupo> grupos;
    for (std::size_t p = 0; p < documento.size(); ++p) {
        const Pagina& pagina = documento[p];
        // Only the marks and the texts right after a heading's are read: a long document is
        // hundreds of thousands of texts.
        for (auto i = pagina.begin(); i != pagina.end(); ++i) {
            if (!i.EsMarca()) continue;
            const Registro registro = *i;
            const auto* m = std::get_if<Marca>(&registro);
            if (!m || m->clase != ClaseRenglon::Grupo) continue;
            // Titled by what it is, its key and its whole name, whatever the page cuts or adds;
            // placed where its line prints.
            int32_t y = 0;
            for (auto j = std::next(i); j != pagina.end() && !j.EsMarca(); ++j) {
                const Registro r = *j;
                if (const auto* t = std::get_if<Texto>(&r); t && !t->texto.trimmed().isEmpty()) {
                    y = t->y;
                    break;
                }
            }
            const QString titulo =
                (m->Nombre() == m->Clave() ? m->Clave() : QStringList{m->Clave(), m->Nombre()}.join(u' ')).trimmed();
            grupos.push_back({titulo.isEmpty() ? m->Grupo() : m->Grupo() + QStringLiteral(": ") + titulo, p, y, m->nivel});
        }
    }
    return grupos;
}

}  // namespace report
