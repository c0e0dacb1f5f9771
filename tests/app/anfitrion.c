/* A host written in C: loads the library by path and resolves the entry points by name. */
#include "zrconsgt.h"

#include <dlfcn.h>
#include <stddef.h>

#include "anfitrion.h"

int CargaComponente(const char* ruta, EntradasComponente* e) {
    void* lib = dlopen(ruta, RTLD_NOW | RTLD_LOCAL);
    if (!lib) return 0;
    e->biblioteca = lib;
    e->Crear = (clsConsGT * (*)(void)) dlsym(lib, "clsConsGT_Crear");
    e->MostrarConsulta = (int32_t(*)(clsConsGT*, int32_t, const char*, uint8_t, int16_t, const char*,
                                     const char*))dlsym(lib, "clsConsGT_MostrarConsulta");
    e->GeneraReporte = (int32_t(*)(clsConsGT*, int32_t, const char*, uint8_t, int16_t, const char*, const char* const*,
                                   const char* const*, int32_t*))dlsym(lib, "clsConsGT_GeneraReporte");
    e->UltimoError = (const char* (*)(const clsConsGT*))dlsym(lib, "clsConsGT_UltimoError");
    e->FijaMensajes = (void (*)(clsConsGT*, clsConsGT_FuncionMensaje, void*))dlsym(lib, "clsConsGT_FijaMensajes");
    e->Liberar = (void (*)(clsConsGT*))dlsym(lib, "clsConsGT_Liberar");
    return e->Crear && e->MostrarConsulta && e->GeneraReporte && e->UltimoError && e->FijaMensajes && e->Liberar;
}
