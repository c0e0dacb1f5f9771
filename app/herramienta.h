/* The private entry of the zrconsgt program into libZRConsGT.so.6, so the program carries no copy
 * of the component: it hands over its arguments and a writer for its two streams. Not part of the
 * installed header; hosts use zrconsgt.h. */
#ifndef ZRCONSGT_HERRAMIENTA_H
#define ZRCONSGT_HERRAMIENTA_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes `largo` bytes to the standard output (flujo 1) or error (flujo 2); 0 when all were written. */
typedef int (*zrconsgt_Escritor)(int flujo, const char* texto, size_t largo, void* datos);

/* Runs the command line `argv` and returns the process exit code. */
int zrconsgt_Herramienta(int argc, char** argv, zrconsgt_Escritor escritor, void* datos);

#ifdef __cplusplus
}
#endif

#endif
