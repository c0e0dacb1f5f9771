#include "report/Listado.h"

#include "report/SuperficieArchivos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace report {

namespace {

// A JSON string literal with QtCore's escaping.
QByteArray CadenaJson(const QString& texto) {
    const QByteArray arreglo = QJsonDocument(QJsonArray{texto}).toJson(QJsonDocument::Compact);
    return arreglo.mid(1, arreglo.size() - 2);  // drop the brackets of the one-element array
}

QByteArray Numero(int64_t n) { return QByteArray::number(static_cast<qlonglong>(n)); }

class LineaJson {
public:
    explicit LineaJson(int pagina) { texto_ = "{\"page\":" + Numero(pagina); }
    LineaJson& campo(const char* nombre, const QByteArray& valor) {
        texto_ += ",\"";
        texto_ += nombre;
        texto_ += "\":";
        texto_ += valor;
        return *this;
    }
    LineaJson& campo(const char* nombre, int64_t valor) { return campo(nombre, Numero(valor)); }
    QByteArray termina() const { return texto_ + "}\n"; }

private:
    QByteArray texto_;
};

struct Escribe {
    int pagina;
    QByteArray operator()(const Texto& t) const {
        return LineaJson(pagina)
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
    QByteArray operator()(const Linea& l) const {
        return LineaJson(pagina)
            .campo("op", "\"line\"")
            .campo("x1", l.x1)
            .campo("y1", l.y1)
            .campo("x2", l.x2)
            .campo("y2", l.y2)
            .campo("color", l.color)
            .termina();
    }
    QByteArray operator()(const Regla& r) const {
        return LineaJson(pagina)
            .campo("op", "\"rule\"")
            .campo("x", r.x)
            .campo("y", r.y)
            .campo("w", r.ancho)
            .campo("h", r.alto)
            .termina();
    }
};

// The listing a piece at a time: the count line, then each page's records, handed to `entrega`
// whenever some hundreds of KB are ready, so a long document is never listed whole in memory.
template <class Entrega>
void Lista(const Documento& documento, Entrega entrega) {
    constexpr qsizetype Tramo = 512 * 1024;
    QByteArray salida = "{\"pages\":" + Numero(static_cast<int64_t>(documento.size())) + "}\n";
    int pagina = 0;
    for (const Pagina& p : documento) {
        ++pagina;
        for (const Registro& registro : p.registros) salida += std::visit(Escribe{pagina}, registro);
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
