/* zrconsgt: the command line lives in libZRConsGT.so.6; this program hands it the arguments and
 * its own standard output and error. */
#include "herramienta.h"

#include <stdio.h>

static int Escribe(int flujo, const char* texto, size_t largo, void* datos) {
    FILE* destino = flujo == 1 ? stdout : stderr;
    (void)datos;
    return fwrite(texto, 1, largo, destino) == largo && fflush(destino) == 0 ? 0 : -1;
}

int main(int argc, char** argv) { return zrconsgt_Herramienta(argc, argv, Escribe, NULL); }
