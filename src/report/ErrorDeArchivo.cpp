#include "report/ErrorDeArchivo.h"

#include "vb/ErrorEjecucion.h"

#include <cerrno>
#include <unistd.h>

namespace report {

void LanzaErrorDeArchivo(int codigo, const QString& detalle) {
    switch (codigo) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG: throw vb::ErrorEjecucion(vb::errores::RutaNoEncontrada);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: throw vb::ErrorEjecucion(vb::errores::DiscoLleno);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: throw vb::ErrorEjecucion(vb::errores::AccesoNoValido);
    default:
        if (detalle.isEmpty()) throw vb::ErrorEjecucion(vb::errores::ErrorEntradaSalida);
        throw vb::ErrorEjecucion(vb::errores::ErrorEntradaSalida, detalle);
    }
}

int EscribeTodo(int fd, const QByteArray& datos) {
    const char* p = datos.constData();
    qsizetype resta = datos.size();
    while (resta > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(resta));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        p += n;
        resta -= n;
    }
    return 0;
}

}  // namespace report
