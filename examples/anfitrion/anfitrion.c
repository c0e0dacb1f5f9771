/* A host program in C that links the installed library:
 *   anfitrion CONEXION RUTA
 * Asks for the expense window; without a display the library answers with an error instead of
 * aborting, and the host prints it. */
#include <zrconsgt.h>

#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fputs("uso: anfitrion CONEXION RUTA\n", stderr);
        return 2;
    }
    clsConsGT* consulta = clsConsGT_Crear();
    if (!consulta) return 1;
    int32_t error = clsConsGT_MostrarConsulta(consulta, ConsultasDeGastos, argv[1], 0, 1, "", argv[2]);
    printf("MostrarConsulta: %d %s\n", (int)error, clsConsGT_UltimoError(consulta));
    clsConsGT_Liberar(consulta);
    return 0;
}
