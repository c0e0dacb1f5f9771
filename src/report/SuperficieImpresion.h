#pragma once
// Where Action = 2 sends the document: the ui layer implements it with a printer, tests with a
// double. The surface only holds a pointer; no port means no printer.
#include "report/Pagina.h"

namespace report {

class PuertoImpresion {
public:
    virtual ~PuertoImpresion() = default;
    // Prints every page in order; a failure travels as vb::ErrorEjecucion.
    virtual void ImprimeDocumento(const Documento& paginas) = 0;
};

}  // namespace report
