#pragma once
// A numbered document as spreadsheet rows, read from what the report routines drew: the column
// captions under the page heading become the header row once, each printed detail line (or the
// lines of one multi-line record) one row, and totals, subtotals and group headings rows of
// their own with their caption in the first column. Page headings and page numbers are dropped.
// The group headings are also the document's outline.
#include "report/Pagina.h"
#include "vb/Currency.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace report {

struct Celda {
    enum class Tipo { Vacia, Texto, Importe, Fecha, Numero };
    Tipo tipo = Tipo::Vacia;
    QString texto;         // as printed, for Texto; the decimal digits of a Numero
    vb::Currency importe;  // for Importe
    QDate fecha;           // for Fecha
};

struct Fila {
    enum class Clase { Detalle, Encabezado, Total };
    Clase clase = Clase::Detalle;
    std::size_t pagina = 0;  // where the line is printed
    int32_t y = 0;
    std::vector<Celda> celdas;  // one per column
    bool Resumen() const { return clase != Clase::Detalle; }
};

// A group heading the report prints (an agrupación, a bank, an account) and where.
struct Grupo {
    QString titulo;
    std::size_t pagina = 0;
    int32_t y = 0;
    int nivel = 0;  // as marked: 1 the outermost (a bank, an agrupación), 2 inside it...; 0 unmarked
};

struct Tabla {
    QString titulo;        // the report's name as its page heading prints it
    QStringList columnas;  // the header row; empty when the report prints no captions
    std::vector<Fila> filas;
    std::vector<Grupo> grupos;  // empty when the report prints no recurring group heading
};

Tabla TablaDeDocumento(const Documento& documento);

// The group headings alone: what a document's outline shows.
std::vector<Grupo> GruposDeDocumento(const Documento& documento);

// The report's name as the first page heading prints it after "Reporte :"; empty without one.
QString TituloDocumento(const Documento& documento);

// What a printed text holds: "#,##0.00" amounts (with an optional "$" before and an optional
// currency code after: "$ 12.50  MXN"), "dd/mm/yyyy" and
// "dd/mmm/yyyy" dates; anything else, codes with leading zeros included, stays text.
Celda CeldaDeTexto(const QString& texto);

}  // namespace report
