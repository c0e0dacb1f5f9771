#include "consola.h"

namespace app {

namespace {

zrconsgt_Escritor escritor = nullptr;
void* datosEscritor = nullptr;

}  // namespace

void FijaConsola(zrconsgt_Escritor funcion, void* datos) {
    escritor = funcion;
    datosEscritor = datos;
}

bool Escribe(Flujo flujo, const QString& texto) {
    if (!escritor) return true;
    const QByteArray bytes = texto.toLocal8Bit();
    return escritor(static_cast<int>(flujo), bytes.constData(), static_cast<size_t>(bytes.size()), datosEscritor) == 0;
}

}  // namespace app
