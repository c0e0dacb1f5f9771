#ifndef ANFITRION_H
#define ANFITRION_H
#include "zrconsgt.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    void* biblioteca;
    clsConsGT* (*Crear)(void);
    int32_t (*MostrarConsulta)(clsConsGT*, int32_t, const char*, uint8_t, int16_t, const char*, const char*);
    int32_t (*GeneraReporte)(clsConsGT*, int32_t, const char*, uint8_t, int16_t, const char*, const char* const*,
                             const char* const*, int32_t*);
    const char* (*UltimoError)(const clsConsGT*);
    void (*FijaMensajes)(clsConsGT*, clsConsGT_FuncionMensaje, void*);
    void (*Liberar)(clsConsGT*);
} EntradasComponente;

int CargaComponente(const char* ruta, EntradasComponente* e);

#ifdef __cplusplus
}
#endif
#endif
