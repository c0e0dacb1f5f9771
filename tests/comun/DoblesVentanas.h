#pragma once
// Scripted stand-ins for the host's message service, searches, the modal UI port and the printer, the
// host's settings file, and the lookups the page-writer and preview tests share.
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Form.h"
#include "controles/PuertoUI.h"
#include "report/Pagina.h"
#include "report/SuperficieImpresion.h"
#include "report/frmPreview.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace dobles {

// What the user answers and what the service was asked; Pregunta answers 7 (no) when unscripted.
struct Guion {
    std::deque<int32_t> respuestas;
    std::deque<QString> capturas;
    QStringList errores;                        // "number description"
    std::vector<std::pair<int32_t, QString>> preguntas;
    QStringList indicaciones;
    std::vector<std::pair<int32_t, QString>> mensajes;
};

class Mensajes : public component::ServicioMensajes {
public:
    explicit Mensajes(Guion& g) : g_(g) {}
    void MuestraMensaje(int32_t numero, int32_t, const QString& texto, int32_t) override {
        g_.mensajes.emplace_back(numero, texto);
    }
    int32_t Pregunta(int32_t numero, int32_t, const QString& texto, int32_t, int32_t) override {
        g_.preguntas.emplace_back(numero, texto);
        return Siguiente(g_.respuestas, 7);
    }
    QString Captura(int32_t, int32_t, const QString& indicacion, int32_t, int32_t, int32_t) override {
        g_.indicaciones << indicacion;
        return Siguiente(g_.capturas, QString());
    }
    void MuestraError(const vb::Variant& numero, const vb::Variant& descripcion, int32_t) override {
        g_.errores << numero.CStr() + u' ' + descripcion.CStr();
    }

private:
    template <class T>
    static T Siguiente(std::deque<T>& cola, T siNoHay) {
        if (cola.empty()) return siNoHay;
        T r = cola.front();
        cola.pop_front();
        return r;
    }
    Guion& g_;
};

inline void InstalaMensajes(Guion& g) {
    component::ServiciosAnfitrion().mensajes = [&g] { return std::make_unique<Mensajes>(g); };
}

// What a search was asked and what it answers.
struct Busqueda {
    QStringList argumentos;
    QString respuesta;
};

struct BuscaAcreedores : component::BuscadorAcreedores {
    explicit BuscaAcreedores(Busqueda& b) : b(b) {}
    void MuestraBusqueda(const QString& cadena, uint8_t manejador, const QString& ayuda, const QString& dir,
                         const QString& catalogo, const QString& filtro, int32_t opciones) override {
        b.argumentos = {cadena, QString::number(manejador), ayuda, dir, catalogo, filtro, QString::number(opciones)};
    }
    QString CodigoSeleccionado() const override { return b.respuesta; }
    Busqueda& b;
};

struct BuscaCheques : component::BuscadorCheques {
    explicit BuscaCheques(Busqueda& b) : b(b) {}
    void MuestraBusqueda(const QString& cadena, uint8_t manejador, const QString& ayuda, const QString& dir,
                         int32_t tipo, int32_t clase, const QString& f1, const QString& f2, QString& referencia,
                         const QString& f3, const QString& f4) override {
        b.argumentos = {cadena, QString::number(manejador), ayuda, dir, QString::number(tipo), QString::number(clase),
                        f1, f2, referencia, f3, f4};
    }
    QString CodigoSeleccionado() const override { return b.respuesta; }
    Busqueda& b;
};

// Runs the script on the form it is asked to show; the script must hide or unload it.
class PuertoModal : public controles::PuertoUI {
public:
    void MuestraModal(controles::Form& form) override {
        ++veces;
        if (alMostrar) alMostrar(form);
    }
    std::function<void(controles::Form&)> alMostrar;
    int veces = 0;
};

class Impresora : public report::PuertoImpresion {
public:
    void ImprimeDocumento(const report::Documento& paginas) override { impresos.push_back(paginas.size()); }
    std::vector<size_t> impresos;  // page count of each print
};

// The host's QUIROX.INI in `carpeta`, naming the page-file folder; false when it cannot be written.
inline bool EscribeIni(const QString& carpeta, const QString& dirConsultas) {
    QFile ini(QDir(carpeta).filePath(QStringLiteral("QUIROX.INI")));
    return ini.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && ini.write(("[VARIOS]\nDIRCONSULTAS=" + dirConsultas + "\n").toUtf8()) > 0;
}

// The module's host for window runs from `carpeta`: company 1, engine kind 0, scripted messages,
// and a modal port that hands each preview shown to `muestra`, then closes it.
inline void InstalaAnfitrion(const QString& carpeta, Guion& guion, PuertoModal& puerto,
                             std::function<void(report::frmPreview&)> muestra) {
    modConGastos::RutaBD = carpeta;
    modConGastos::ManejadorBD = 0;
    modConGastos::EmpresaActual = 1;
    InstalaMensajes(guion);
    controles::FijaPuertoUI(&puerto);
    puerto.alMostrar = [muestra = std::move(muestra)](controles::Form& f) {
        auto& preview = dynamic_cast<report::frmPreview&>(f);
        muestra(preview);
        preview.cmdFunciones(6).UserClick();
    };
}

// Undoes InstalaAnfitrion and closes the module's connection.
inline void QuitaAnfitrion() {
    controles::FijaPuertoUI(nullptr);
    component::ServiciosAnfitrion() = component::Servicios();
    modConGastos::CierraConexion();
}

inline QStringList Textos(const report::Pagina& pagina) {
    QStringList t;
    for (const auto& r : pagina)
        if (const auto* texto = std::get_if<report::Texto>(&r)) t << texto->texto;
    return t;
}

}  // namespace dobles
