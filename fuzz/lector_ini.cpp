// Fuzz target for the settings reader: any bytes give a value that obeys the lookup rules, never
// a crash.
#include "component/modConGastos.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const QByteArray contenido(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamano));
    for (const char* clave : {"DIRCONSULTAS", "dirconsultas", ""}) {
        const QString valor = modConGastos::LeePerfil(contenido, QStringLiteral("VARIOS"), QString::fromLatin1(clave));
        // Cut to 254 characters, and trimmed of spaces at both ends.
        if (valor.size() > 254 || valor.startsWith(u' ') || valor.endsWith(u' ')) std::abort();
    }
    return 0;
}
