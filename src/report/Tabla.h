#pragma once
// A numbered document as spreadsheet rows, read from the marks the report routine put on its
// lines: one header row, one row per marked detail, and subtotals, totals and group headings as
// rows of their own. A document nothing marked (the blank page of a run no report drew) has no
// rows. The marked group headings are also the document's outline.
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
    QString texto;         // the full text, for Texto; the decimal digits of a Numero
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
    int nivel = 0;  // as marked: 1 the outermost (a bank, an agrupación), 2 inside it...
};

struct Tabla {
    QString titulo;        // the report's name as its page heading prints it
    QStringList columnas;  // the header row; empty when nothing is marked
    std::vector<Fila> filas;
    std::vector<Grupo> grupos;  // empty when the report marks no group heading
};

// The report's name as the first page heading prints it after "Reporte :"; empty without one.
QString TituloDocumento(const Documento& documento);

}  // namespace report
