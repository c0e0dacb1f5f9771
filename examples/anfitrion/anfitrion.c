/* A host program in C that links the installed library and needs no display:
 *   anfitrion CONEXION RUTA LISTADO PDF
 * Writes the creditor catalog ("Parámetros", summary) of company 1 as a listing and a PDF. */
#include <zrconsgt.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char* Salida(const char* clase, const char* ruta) {
    char* s = malloc(strlen(clase) + strlen(ruta) + 2);
    if (s) sprintf(s, "%s=%s", clase, ruta);
    return s;
}

int main(int argc, char** argv) {
    if (argc != 5) {
        fputs("uso: anfitrion CONEXION RUTA LISTADO PDF\n", stderr);
        return 2;
    }
    const char* ajustes[] = {"cmbTipCatalogo=Parámetros", "optTipo(1)=1", NULL};
    char* listado = Salida("listado", argv[3]);
    char* pdf = Salida("pdf", argv[4]);
    const char* salidas[] = {listado, pdf, NULL};
    clsConsGT* consulta = clsConsGT_Crear();
    if (!consulta || !listado || !pdf) return 1;
    int32_t paginas = 0;
    int32_t error = clsConsGT_GeneraReporte(consulta, ConsultasDeGastos, argv[1], 0, 1, argv[2], ajustes, salidas,
                                            &paginas);
    if (error)
        fprintf(stderr, "anfitrion: error %d: %s\n", (int)error, clsConsGT_UltimoError(consulta));
    else
        printf("Páginas: %d\n", (int)paginas);
    clsConsGT_Liberar(consulta);
    free(listado);
    free(pdf);
    return error ? 1 : 0;
}
