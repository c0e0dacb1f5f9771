#pragma once
// A numbered document as spreadsheet rows, read from what the report routines drew: the column
// captions under the page heading become the header row once, each printed detail line (or the
// lines of one multi-line record) one row, and totals, subtotals and group headings rows of
// their own with their caption in the first column. Page headings and page numbers are dropped.
#include "report/Pagina.h"
#include "vb/Currency.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace report {

struct Celda {
    enum class Tipo { Vacia, Texto, Importe, Fecha };
    Tipo tipo = Tipo::Vacia;
    QString texto;         // as printed, for Texto
    vb::Currency importe;  // for Importe
    QDate fecha;           // for Fecha
};

struct Fila {
    bool resumen = false;  // a total, subtotal or group heading line rather than a detail line
    std::vector<Celda> celdas;  // one per column
};

struct Tabla {
    QString titulo;        // the report's name as its page heading prints it
    QStringList columnas;  // the header row; empty when the report prints no captions
    std::vector<Fila> filas;
};

Tabla TablaDeDocumento(const Documento& documento);

// The report's name as the first page heading prints it after "Reporte :"; empty without one.
QString TituloDocumento(const Documento& documento);

// What a printed text holds: "#,##0.00" amounts (with an optional "$"), "dd/mm/yyyy" and
// "dd/mmm/yyyy" dates; anything else, codes with leading zeros included, stays text.
Celda CeldaDeTexto(const QString& texto);

}  // namespace report
