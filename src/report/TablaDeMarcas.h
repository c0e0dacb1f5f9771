#pragma once
// A numbered document as spreadsheet rows read from the marks its report routine put on its lines:
// one header row, one row per marked detail with its groups' keys and names in columns of their
// own, values whole (amounts signed as they count in the totals, dates as dates), and the
// subtotals and totals as rows that say what they close.
#include "report/Tabla.h"

#include <functional>
#include <map>
#include <optional>

namespace report {

// Whether the report routine marked the document's lines.
bool TieneMarcas(const Documento& documento);

Tabla TablaDeMarcas(const Documento& documento);

// A document's rows handed over one at a time, so an export never holds them all: the title and
// header row are known first, from one pass over the marks, then each walk reads the rows from
// the marks again as they come. Rows already built are walked from their table.
class FilasDeDocumento {
public:
    explicit FilasDeDocumento(const Documento& documento);
    FilasDeDocumento(Tabla tabla);  // NOLINT: rows already built walk as they are

    const QString& Titulo() const { return titulo_; }
    const QStringList& Columnas() const { return columnas_; }
    void Recorre(const std::function<void(const Fila&)>& cada) const;

private:
    const Documento* documento_ = nullptr;  // marked, read as walked
    std::optional<Tabla> tabla_;            // or built whole
    QString titulo_;
    QStringList columnas_;
    std::map<int16_t, bool> niveles_;  // each group level, and whether its groups have names
    QStringList valores_;             // the value columns, in the order the page prints them
};

// The marked group headings, where they are printed: what the outline shows.
std::vector<Grupo> GruposDeMarcas(const Documento& documento);

}  // namespace report
