/* ZR_ConsultasGT: read-only query windows for a host accounting application.
 * Strings are UTF-8. Every call runs on the host's user-interface thread. */
#ifndef ZRCONSGT_H
#define ZRCONSGT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct clsConsGT clsConsGT;

/* Window kinds for ConsultaActiva. */
enum { ConsultasDeGastos = 0, ConsultasDeTesoreria = 1 };

clsConsGT* clsConsGT_Crear(void);

/* Opens the component's connection with ConexionBaseDatos and shows the chosen window modally;
 * returns when the user closes it. A connection that does not open shows nothing and returns 0.
 * Returns 0, or the run-time error number (see clsConsGT_UltimoError). */
int32_t clsConsGT_MostrarConsulta(clsConsGT* objeto, int32_t ConsultaActiva,
    const char* ConexionBaseDatos, uint8_t ManejadorBaseDatos, int16_t NumeroDeEmpresa,
    const char* ArchivoDeAyuda, const char* RutaBaseDeDatos);

/* Description of the last error of this object, "" if none. Valid until the next call. */
const char* clsConsGT_UltimoError(const clsConsGT* objeto);

/* Releases the object; closes the connection when its last call opened it. */
void clsConsGT_Liberar(clsConsGT* objeto);

#ifdef __cplusplus
}
#endif

#endif
