// Fuzz target for the page-file reader: any bytes either read or raise a run-time error, and a
// page that reads is written and read back unchanged.
#include "report/EmfEscritor.h"
#include "report/EmfLector.h"
#include "vb/ErrorEjecucion.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    report::Pagina pagina;
    try {
        pagina = report::LeeEmf(std::span<const char>(reinterpret_cast<const char*>(datos), tamano));
    } catch (const vb::ErrorEjecucion&) {
        return 0;
    }
    const QByteArray escrita = report::EscribeEmf(pagina);
    if (report::LeeEmf(std::span<const char>(escrita.constData(), static_cast<size_t>(escrita.size()))) != pagina) std::abort();
    return 0;
}
