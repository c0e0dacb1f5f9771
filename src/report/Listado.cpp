#include "report/Listado.h"

#include "report/SuperficieArchivos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <charconv>
#include <string>

namespace report {

namespace {

// A JSON string literal as QtCore writes it, added to `salida`. Nearly every text has nothing to
// escape and goes out as its UTF-8, encoded here as it is copied; the rest go through the JSON
// writer.
void AgregaCadena(std::string& salida, QStringView texto) {
    const std::size_t inicio = salida.size();
    salida += '"';
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == u'"' || u == u'\\' || c.isSurrogate()) {
            salida.resize(inicio);
            const QByteArray arreglo = QJsonDocument(QJsonArray{texto.toString()}).toJson(QJsonDocument::Compact);
            salida.append(arreglo.constData() + 1, static_cast<std::size_t>(arreglo.size() - 2));  // without the brackets
            return;
        }
        if (u < 0x80) {
            salida += static_cast<char>(u);
        } else if (u < 0x800) {
            const char dos[] = {static_cast<char>(0xC0 | u >> 6), static_cast<char>(0x80 | (u & 0x3F))};
            salida.append(dos, 2);
        } else {
            const char tres[] = {static_cast<char>(0xE0 | u >> 12), static_cast<char>(0x80 | (u >> 6 & 0x3F)),
                                 static_cast<char>(0x80 | (u & 0x3F))};
            salida.append(tres, 3);
        }
    }
    salida += '"';
}

// One record's line, written straight onto the end of the listing.
class LineaJson {
public:
    LineaJson(std::string& salida, int pagina) : salida_(salida) {
        salida_ += "{\"page\":";
        numero(pagina);
    }
    LineaJson& campo(const char* nombre, const char* valor) {
        nombre_(nombre);
        salida_ += valor;
        return *this;
    }
    LineaJson& campo(const char* nombre, int64_t valor) {
        nombre_(nombre);
        numero(valor);
        return *this;
    }
    LineaJson& cadena(const char* nombre, QStringView valor) {
        nombre_(nombre);
        AgregaCadena(salida_, valor);
        return *this;
    }
    void termina() { salida_ += "}\n"; }

private:
    void nombre_(const char* nombre) {
        salida_ += ",\"";
        salida_ += nombre;
        salida_ += "\":";
    }
    void numero(int64_t valor) {
        char cifras[24];
        salida_.append(cifras, static_cast<std::size_t>(std::to_chars(cifras, cifras + sizeof cifras, valor).ptr - cifras));
    }
    std::string& salida_;
};

struct Escribe {
    std::string& salida;
    int pagina;
    void operator()(const Texto& t) const {
        LineaJson(salida, pagina)
            .campo("op", "\"text\"")
            .campo("x", t.x)
            .campo("y", t.y)
            .cadena("text", t.texto)
            .campo("color", t.color)
            .campo("bold", t.negrita ? "true" : "false")
            .campo("size", t.tamano)
            .campo("align", t.alineacion)
            .termina();
    }
    void operator()(const Linea& l) const {
        LineaJson(salida, pagina)
            .campo("op", "\"line\"")
            .campo("x1", l.x1)
            .campo("y1", l.y1)
            .campo("x2", l.x2)
            .campo("y2", l.y2)
            .campo("color", l.color)
            .termina();
    }
    void operator()(const Regla& r) const {
        LineaJson(salida, pagina)
            .campo("op", "\"rule\"")
            .campo("x", r.x)
            .campo("y", r.y)
            .campo("w", r.ancho)
            .campo("h", r.alto)
            .termina();
    }
    void operator()(const Marca& r) const {
        const auto [grupo, resto] = Campo(r.campos);
        const auto [clave, nombre] = Campo(resto);
        LineaJson(salida, pagina)
            .campo("op", "\"mark\"")
            .campo("class", static_cast<int>(r.clase))
            .campo("level", r.nivel)
            .cadena("group", grupo)
            .cadena("key", clave)
            .cadena("name", nombre)
            .termina();
    }
    void operator()(const Dato& d) const {
        const auto [columna, valor] = Campo(d.campos);
        LineaJson(salida, pagina)
            .campo("op", "\"value\"")
            .campo("type", static_cast<int>(d.tipo))
            .cadena("column", columna)
            .cadena("value", valor)
            .termina();
    }
};

// The listing a piece at a time: the count line, then each page's records, handed to `entrega`
// whenever some hundreds of KB are ready, so a long document is never listed whole in memory.
template <class Entrega>
void Lista(const Documento& documento, Entrega entrega) {
    constexpr std::size_t Tramo = 512 * 1024;
    std::string salida;
    salida.reserve(Tramo + 64 * 1024);
    salida += "{\"pages\":";
    salida += std::to_string(documento.size());
    salida += "}\n";
    const auto entregaTramo = [&] {
        entrega(QByteArray::fromRawData(salida.data(), static_cast<qsizetype>(salida.size())));
        salida.clear();
    };
    int pagina = 0;
    for (const Pagina& p : documento) {
        ++pagina;
        for (const Registro& registro : p) std::visit(Escribe{salida, pagina}, registro);
        if (salida.size() >= Tramo) entregaTramo();
    }
    entregaTramo();
}

}  // namespace

QByteArray Listado(const Documento& documento) {
    QByteArray salida;
    Lista(documento, [&](const QByteArray& tramo) { salida += tramo; });
    return salida;
}

void GrabaListado(const QString& ruta, const Documento& documento) {
    ArchivoDeSalida archivo(ruta);
    Lista(documento, [&](const QByteArray& tramo) { archivo.Escribe(tramo); });
    archivo.Termina();
}

}  // namespace report
