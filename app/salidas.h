#pragma once
// What `reporte` writes from the finished document the preview was given: the listing, a PDF,
// one PNG and one EMF file per page, the rows as XLSX and CSV.
#include <QString>
#include <QStringList>

namespace report {
class Superficie;
}

namespace app {

struct Salidas {
    QString listado;  // JSON Lines file
    QString pdf;      // PDF file
    QString pdfa;     // PDF/A-1b file, for archiving
    QString png;      // folder for pagina_001.png ...
    QString emf;      // folder for pagina_001.emf ...
    QString xlsx;     // spreadsheet of the document's rows
    QString csv;      // the same rows as CSV
    int ppp = 0;      // PNG resolution; 0 the renderer's default

    // The file or folder of the output named so ("listado", "pdf", ... "csv"), or null.
    QString* Destino(QStringView clase) {
        return clase == u"listado" ? &listado
               : clase == u"pdf"   ? &pdf
               : clase == u"pdfa"  ? &pdfa
               : clase == u"png"   ? &png
               : clase == u"emf"   ? &emf
               : clase == u"xlsx"  ? &xlsx
               : clase == u"csv"   ? &csv
                                   : nullptr;
    }

    bool Alguna() const { return !listado.isEmpty() || !pdf.isEmpty() || !pdfa.isEmpty() || !png.isEmpty() || !emf.isEmpty() ||
                               !xlsx.isEmpty() || !csv.isEmpty(); }
    // PDF/A and PNG are painted, and painting needs a QGuiApplication.
    bool Pinta() const { return !pdfa.isEmpty() || !png.isEmpty(); }
};

// Writes every output asked for and returns the files written. On a failure (vb::ErrorEjecucion)
// none of them appears, and whatever was already at their names stays as it was.
QStringList EscribeSalidas(const Salidas& salidas, const report::Superficie& documento);

}  // namespace app
