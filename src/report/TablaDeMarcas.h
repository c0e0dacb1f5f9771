#pragma once
// A numbered document as spreadsheet rows read from the marks its report routine put on its lines:
// one header row, one row per marked detail with its groups' keys and names in columns of their
// own, values whole (amounts signed as they count in the totals, dates as dates), and the
// subtotals and totals as rows that say what they close.
#include "report/Tabla.h"

namespace report {

// Whether the report routine marked the document's lines.
bool TieneMarcas(const Documento& documento);

Tabla TablaDeMarcas(const Documento& documento);

// The marked group headings, where they are printed: what the outline shows.
std::vector<Grupo> GruposDeMarcas(const Documento& documento);

}  // namespace report
