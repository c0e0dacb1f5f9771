// The C entry points hosts load: no C++ exception ever crosses them.
#include "zrconsgt.h"

#include "pantalla.h"
#include "ventanas.h"
#include "component/clsConsGT.h"
#include "vb/ErrorEjecucion.h"

#include <QString>
#include <exception>
#include <new>
#include <string>

struct clsConsGT {
    component::clsConsGT objeto;
    std::string ultimoError;
};

namespace {

QString Texto(const char* utf8) { return utf8 ? QString::fromUtf8(utf8) : QString(); }

// The windows of a desktop host: Qt is brought up only when one is about to be shown.
void InstalaVentanasDeEscritorio() {
    static bool instaladas = false;
    if (instaladas) return;
    app::InstalaVentanas([] { app::PreparaPantalla("ZRConsGT6"); });
    instaladas = true;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) clsConsGT* clsConsGT_Crear(void) {
    return new (std::nothrow) clsConsGT();
}

__attribute__((visibility("default"))) int32_t clsConsGT_MostrarConsulta(
    clsConsGT* objeto, int32_t ConsultaActiva, const char* ConexionBaseDatos, uint8_t ManejadorBaseDatos,
    int16_t NumeroDeEmpresa, const char* ArchivoDeAyuda, const char* RutaBaseDeDatos) {
    if (!objeto) return vb::errores::LlamadaNoValida;
    objeto->ultimoError.clear();
    try {
        InstalaVentanasDeEscritorio();
        objeto->objeto.MostrarConsulta(ConsultaActiva, Texto(ConexionBaseDatos), ManejadorBaseDatos, NumeroDeEmpresa,
                                       Texto(ArchivoDeAyuda), Texto(RutaBaseDeDatos));
        return 0;
    } catch (const vb::ErrorEjecucion& e) {
        objeto->ultimoError = e.descripcion().toStdString();
        return e.numero() != 0 ? e.numero() : vb::errores::ErrorProveedor;
    } catch (const std::exception& e) {
        objeto->ultimoError = e.what();
        return vb::errores::ErrorProveedor;
    } catch (...) {
        objeto->ultimoError = "Error interno del componente de consultas";
        return vb::errores::ErrorProveedor;
    }
}

__attribute__((visibility("default"))) const char* clsConsGT_UltimoError(const clsConsGT* objeto) {
    return objeto ? objeto->ultimoError.c_str() : "";
}

__attribute__((visibility("default"))) void clsConsGT_Liberar(clsConsGT* objeto) {
    delete objeto;  // the destructor never throws
}

}  // extern "C"
