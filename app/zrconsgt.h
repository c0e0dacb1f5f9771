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

/* Runs one report with nobody looking and needs no display: opens the connection as
 * MostrarConsulta does, loads the window ConsultaActiva, applies Ajustes in order as a user's
 * actions, presses "CONSULTAR [F10]" and writes what the preview received to Salidas.
 * Ajustes: NULL-terminated list, or NULL. "CONTROL=VALOR" sets a control ("cmbConsulta=0",
 *   "dtpFecha(0)=2025-03-01", "optTipo(1)=1"); "CONTROL:CLAVE" ticks a tree node
 *   ("tvwGral(0):G1"); whichever of '=' and ':' comes first decides.
 * Salidas: NULL-terminated list of "KIND=PATH", KIND one of listado (JSON Lines), pdf, pdfa
 *   (PDF/A-1b), png (a folder), emf (a folder), xlsx, csv; "ppp=N" sets the PNG resolution. At least one output.
 * Paginas: receives the number of pages written (may be NULL).
 * Returns 0, or an error number whose Spanish description clsConsGT_UltimoError gives: 5 for
 * unusable arguments or settings, or a query that gave no report; the provider's failure when the
 * connection does not open; the run's own error otherwise. The run's messages go to the callback
 * of clsConsGT_FijaMensajes, if any; the library never writes to the host's streams. */
int32_t clsConsGT_GeneraReporte(clsConsGT* objeto, int32_t ConsultaActiva, const char* ConexionBaseDatos,
    uint8_t ManejadorBaseDatos, int16_t NumeroDeEmpresa, const char* RutaBaseDeDatos,
    const char* const* Ajustes, const char* const* Salidas, int32_t* Paginas);

/* Receives, during a call on the object, each message the component would show a user as one
 * UTF-8 line ("error 76: ...", "mensaje 129: ...") and the error the call returns, once. `texto`
 * is valid only during the callback. A NULL funcion removes it. */
typedef void (*clsConsGT_FuncionMensaje)(const char* texto, void* datos);
void clsConsGT_FijaMensajes(clsConsGT* objeto, clsConsGT_FuncionMensaje funcion, void* datos);

/* Description of the last error of this object, "" if none. Valid until the next call. */
const char* clsConsGT_UltimoError(const clsConsGT* objeto);

/* Releases the object; closes the connection when its last call opened it. */
void clsConsGT_Liberar(clsConsGT* objeto);

#ifdef __cplusplus
}
#endif

#endif
