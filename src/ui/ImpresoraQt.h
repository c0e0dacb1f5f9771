#pragma once
// The desktop printer behind Action = 2: the system print dialog, then every chosen page on a
// Letter sheet through the page renderer.
#include "report/SuperficieImpresion.h"

class QPrinter;

namespace ui {

class ImpresoraQt : public report::PuertoImpresion {
public:
    // Cancelling the dialog prints nothing and is no error.
    void ImprimeDocumento(const report::Documento& paginas) override;
};

// Prints the pages the printer's settings choose (all, or a page range) and the copies the
// printer cannot make itself; error 482 when the printer refuses.
void ImprimeEn(QPrinter& impresora, const report::Documento& paginas);

}  // namespace ui
