#include "report/Listado.h"

#include "report/SuperficieArchivos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <algorithm>

namespace report {

namespace {

// A JSON string literal as QtCore writes it. Nearly every text has nothing to escape and goes
// out as its UTF-8; the rest go through the JSON writer.
QByteArray CadenaJson(const QString& texto) {
    const bool llana = std::none_of(texto.cbegin(), texto.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c == u'"' || c == u'\\' || c.isSurrogate();
    });
    if (llana) return '"' + texto.toUtf8() + '"';
    const QByteArray arreglo = QJsonDocument(QJsonArray{texto}).toJson(QJsonDocument::Compact);
    return arreglo.mid(1, arreglo.size() - 2);  // drop the brackets of the one-element array
}

// One record's line, written straight onto the end of the listing.
class LineaJson {
public:
    LineaJson(QByteArray& salida, int pagina) : salida_(salida) {
        salida_ += "{\"page\":";
        salida_ += QByteArray::number(pagina);
    }
    LineaJson& campo(const char* nombre, const QByteArray& valor) {
        salida_ += ",\"";
        salida_ += nombre;
        salida_ += "\":";
        salida_ += valor;
        return *this;
    }
    LineaJson& campo(const char* nombre, int64_t valor) {
        return campo(nombre, QByteArray::number(static_cast<qlonglong>(valor)));
    }
    void termina() { salida_ += "}\n"; }

private:
    QByteArray& salida_;
};

struct Escribe {
    QByteArray& salida;
    int pagina;
    void operator()(const Texto& t) const {
        LineaJson(salida, pagina)
            .campo("op", "\"text\"")
            .campo("x", t.x)
            .campo("y", t.y)
            .campo("text", CadenaJson(t.texto))
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
        LineaJson(salida, pagina)
            .campo("op", "\"mark\"")
            .campo("class", static_cast<int>(r.clase))
            .campo("level", r.nivel)
            .campo("group", CadenaJson(r.Grupo()))
            .campo("key", CadenaJson(r.Clave()))
            .campo("name", CadenaJson(r.Nombre()))
            .termina();
    }
    void operator()(const Dato& d) const {
        LineaJson(salida, pagina)
            .campo("op", "\"value\"")
            .campo("type", static_cast<int>(d.tipo))
            .campo("column", CadenaJson(d.Columna()))
            .campo("value", CadenaJson(d.Valor()))
            .termina();
    }
};

// The listing a piece at a time: the count line, then each page's records, handed to `entrega`
// whenever some hundreds of KB are ready, so a long document is never listed whole in memory.
template <class Entrega>
void Lista(const Documento& documento, Entrega entrega) {
    constexpr qsizetype Tramo = 512 * 1024;
    QByteArray salida = "{\"pages\":" + QByteArray::number(static_cast<qlonglong>(documento.size())) + "}\n";
    int pagina = 0;
    for (const Pagina& p : documento) {
        ++pagina;
        for (const Registro& registro : p) std::visit(Escribe{salida, pagina}, registro);
        if (salida.size() >= Tramo) {
            entrega(salida);
            salida.clear();
        }
    }
    entrega(salida);
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
