#pragma once
// What `reporte` writes from the finished document the preview was given: the listing, a PDF,
// one PNG and one EMF file per page.
#include <QString>
#include <QStringList>

namespace report {
class Superficie;
}

namespace app {

struct Salidas {
    QString listado;  // JSON Lines file
    QString pdf;      // PDF file
    QString png;      // folder for pagina_001.png ...
    QString emf;      // folder for pagina_001.emf ...
    int ppp = 0;      // PNG resolution; 0 the renderer's default

    bool Alguna() const { return !listado.isEmpty() || !pdf.isEmpty() || !png.isEmpty() || !emf.isEmpty(); }
    // PDF and PNG are painted, and painting needs a QGuiApplication.
    bool Pinta() const { return !pdf.isEmpty() || !png.isEmpty(); }
};

// Writes every output asked for and returns the files written. On a failure (vb::ErrorEjecucion)
// none of the files of this call is left.
QStringList EscribeSalidas(const Salidas& salidas, const report::Superficie& documento);

}  // namespace app
