#include "ui/Anfitrion.h"

#include "component/Rutas.h"
#include "component/Servicios.h"
#include "controles/Constants.h"
#include "controles/Screen.h"
#include "report/PuertoImpresionActual.h"
#include "ui/BuscadoresQt.h"
#include "ui/ImpresoraQt.h"
#include "ui/MensajesQt.h"
#include "ui/ProgresoQt.h"
#include "ui/PuertoUIQt.h"
#include "ui/VistaConGastos.h"
#include "ui/VistaConTesoreria.h"
#include "ui/VistaPreview.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <QUrl>

namespace ui {

namespace {

// Screen.MousePointer over every window: the hourglass while a report runs.
void SigueAlPuntero() {
    static bool ocupado = false;
    controles::Screen.PropertyChanged = [](controles::Property p, int) {
        if (p != controles::Property::MousePointer) return;
        const bool espera = controles::Screen.MousePointer() == controles::vbHourglass;
        if (espera == ocupado) return;
        ocupado = espera;
        if (espera)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
}

// Qt's own dialogs (printing, page setup, file choice) speak Spanish like the windows around them.
void TraduceDialogosQt() {
    static QTranslator traductor;
    if (traductor.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traductor);
}

}  // namespace

bool AbreDocumento(const QString& archivo) {
    if (archivo.trimmed().isEmpty()) return false;
    const QString ruta = component::RutaLocal(archivo);
    if (!QFileInfo::exists(ruta)) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

void InstalaServiciosQt() {
    static PuertoUIQt puerto;
    static ImpresoraQt impresora;

    auto& servicios = component::ServiciosAnfitrion();
    servicios.mensajes = [] { return std::make_unique<MensajesQt>(); };
    servicios.abreDocumento = AbreDocumento;
    servicios.buscadorAcreedores = [] { return std::make_unique<BuscadorAcreedoresQt>(); };
    servicios.buscadorCheques = [] { return std::make_unique<BuscadorChequesQt>(); };
    servicios.progreso = [] { return std::make_unique<ProgresoQt>(); };

    RegistraVistaPreview();
    RegistraVistaConGastos();
    RegistraVistaConTesoreria();
    controles::FijaPuertoUI(&puerto);
    report::FijaPuertoImpresion(&impresora);
    SigueAlPuntero();
    TraduceDialogosQt();
}

}  // namespace ui
