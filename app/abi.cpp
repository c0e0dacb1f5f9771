// The C entry points hosts load: no C++ exception ever crosses them.
#include "zrconsgt.h"

#include "ajustes.h"
#include "pantalla.h"
#include "reporte_sin_pantalla.h"
#include "ventanas.h"
#include "render/Exportacion.h"
#include "component/clsConsGT.h"
#include "vb/ErrorEjecucion.h"

#include <QString>
#include <exception>
#include <new>
#include <string>
#include <vector>

struct clsConsGT {
    component::clsConsGT objeto;
    std::string ultimoError;
    clsConsGT_FuncionMensaje mensaje = nullptr;
    void* datosMensaje = nullptr;

    // The host's callback, when it set one, gets the line; nothing else ever sees it.
    void Avisa(const QString& linea) const {
        if (mensaje) mensaje(linea.toUtf8().constData(), datosMensaje);
    }
    // The error of the call that ends now, for clsConsGT_UltimoError and, unless the run's
    // messages already gave it, the callback.
    int32_t Falla(int32_t numero, const QString& descripcion, bool avisado = false) {
        ultimoError = descripcion.toStdString();
        if (!avisado) Avisa(QStringLiteral("error %1: %2").arg(numero).arg(descripcion));
        return numero;
    }
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

struct ArgumentoNoValido {
    QString mensaje;
};

std::vector<app::Ajuste> LeeAjustes(const char* const* lista) {
    std::vector<app::Ajuste> r;
    for (; lista && *lista; ++lista) {
        const QString texto = Texto(*lista);
        const qsizetype igual = texto.indexOf(u'='), dosPuntos = texto.indexOf(u':');
        if (igual < 0 && dosPuntos < 0)
            throw ArgumentoNoValido{QStringLiteral("el ajuste \"%1\" no es CONTROL=VALOR ni CONTROL:CLAVE").arg(texto)};
        r.push_back(igual >= 0 && (dosPuntos < 0 || igual < dosPuntos) ? app::LeeFijar(texto) : app::LeeMarcar(texto));
    }
    return r;
}

app::Salidas LeeSalidas(const char* const* lista) {
    app::Salidas s;
    for (; lista && *lista; ++lista) {
        const QString texto = Texto(*lista);
        const QString clase = texto.section(u'=', 0, 0), valor = texto.section(u'=', 1);
        QString* const destino = s.Destino(clase);
        if (!texto.contains(u'=') || valor.isEmpty())
            throw ArgumentoNoValido{QStringLiteral("la salida \"%1\" no es CLASE=RUTA").arg(texto)};
        if (destino) {
            *destino = valor;
        } else if (clase == u"ppp") {
            bool ok = false;
            s.ppp = valor.toInt(&ok);
            if (!ok || s.ppp < render::PppMinimo || s.ppp > render::PppMaximo)
                throw ArgumentoNoValido{QStringLiteral("ppp debe ser un número entero entre %1 y %2, no \"%3\"")
                                            .arg(render::PppMinimo).arg(render::PppMaximo).arg(valor)};
        } else {
            throw ArgumentoNoValido{
                QStringLiteral("salida desconocida: \"%1\" (listado, pdf, pdfa, png, emf, xlsx, csv o ppp)").arg(clase)};
        }
    }
    if (!s.Alguna()) throw ArgumentoNoValido{QStringLiteral("falta al menos una salida: listado, pdf, pdfa, png, emf, xlsx o csv")};
    return s;
}

app::PedidoReporte LeePedido(int32_t ventana, const char* conexion, uint8_t manejador, int16_t empresa,
                             const char* ruta, const char* const* ajustes, const char* const* salidas) {
    app::PedidoReporte p;
    if (ventana != component::ConsultasDeGastos && ventana != component::ConsultasDeTesoreria)
        throw ArgumentoNoValido{
            QStringLiteral("ConsultaActiva debe ser 0 (gastos) o 1 (tesorería), no %1").arg(ventana)};
    if (!conexion || !*conexion) throw ArgumentoNoValido{QStringLiteral("falta la cadena de conexión")};
    if (!ruta || !*ruta) throw ArgumentoNoValido{QStringLiteral("falta la carpeta de QUIROX.INI")};
    p.conexion.ventana = static_cast<component::TipoDeConsulta>(ventana);
    p.conexion.cadena = Texto(conexion);
    p.conexion.manejador = manejador;
    p.conexion.empresa = empresa;
    p.conexion.ruta = Texto(ruta);
    try {
        p.ajustes = LeeAjustes(ajustes);
    } catch (const app::ErrorAjuste& e) {
        throw ArgumentoNoValido{e.mensaje()};
    }
    p.salidas = LeeSalidas(salidas);
    return p;
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
        return objeto->Falla(e.numero() != 0 ? e.numero() : vb::errores::ErrorProveedor, e.descripcion());
    } catch (const std::exception& e) {
        return objeto->Falla(vb::errores::ErrorProveedor, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return objeto->Falla(vb::errores::ErrorProveedor, QStringLiteral("Error interno del componente de consultas"));
    }
}

__attribute__((visibility("default"))) int32_t clsConsGT_GeneraReporte(
    clsConsGT* objeto, int32_t ConsultaActiva, const char* ConexionBaseDatos, uint8_t ManejadorBaseDatos,
    int16_t NumeroDeEmpresa, const char* RutaBaseDeDatos, const char* const* Ajustes, const char* const* Salidas,
    int32_t* Paginas) {
    if (Paginas) *Paginas = 0;
    if (!objeto) return vb::errores::LlamadaNoValida;
    objeto->ultimoError.clear();
    app::ResultadoReporte r;
    try {
        app::PedidoReporte pedido = LeePedido(ConsultaActiva, ConexionBaseDatos, ManejadorBaseDatos, NumeroDeEmpresa,
                                              RutaBaseDeDatos, Ajustes, Salidas);
        pedido.mensajes = [objeto](const QString& linea) { objeto->Avisa(linea); };
        r = app::GeneraReporte(objeto->objeto, pedido);
    } catch (const ArgumentoNoValido& e) {
        r = {-1, vb::errores::LlamadaNoValida, e.mensaje, false};
    } catch (...) {
        r = {-1, vb::errores::ErrorProveedor, QStringLiteral("Error interno del componente de consultas"), false};
    }
    if (r.error != 0) return objeto->Falla(r.error, r.mensaje, r.mostrado);
    if (Paginas) *Paginas = r.paginas;
    return 0;
}

__attribute__((visibility("default"))) void clsConsGT_FijaMensajes(clsConsGT* objeto, clsConsGT_FuncionMensaje funcion,
                                                                   void* datos) {
    if (!objeto) return;
    objeto->mensaje = funcion;
    objeto->datosMensaje = datos;
}

__attribute__((visibility("default"))) const char* clsConsGT_UltimoError(const clsConsGT* objeto) {
    return objeto ? objeto->ultimoError.c_str() : "";
}

__attribute__((visibility("default"))) void clsConsGT_Liberar(clsConsGT* objeto) {
    delete objeto;  // the destructor never throws
}

}  // extern "C"
