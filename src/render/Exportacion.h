#pragma once
// A whole document out of the preview: onto a paged device (printer, PDF writer), into one PDF
// file, into one PNG image per page, or as spreadsheet rows. Failures travel as vb::ErrorEjecucion.
#include "report/Pagina.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace report {
class ArchivoDeSalida;
class FilasDeDocumento;
}

namespace render {

inline constexpr int PppMinimo = 30;
inline constexpr int PppMaximo = 600;
inline constexpr int PppPredeterminado = 150;

// Every page in order, the sheet at its true size from the paper's top-left corner. False when
// the device could not be started or could not take another page.
bool PintaDocumento(QPagedPaintDevice& dispositivo, const report::Documento& documento);

// What a PDF says about itself: the report's name, the company, when it was made (now if unset).
struct DatosPdf {
    QString titulo;
    QString autor;
    QDateTime fecha;
    bool etiquetado = true;  // the structure for screen readers; the benchmark weighs it by leaving it out
};

// One Letter-sized PDF with every page, selectable text in reading order, the subsets of the page
// font it uses embedded, its title, author and date, and one bookmark per group heading or per
// page; the file is written whole or not at all. Throws when the font's files cannot be read.
void ExportaPdf(const report::Documento& documento, const QString& archivo, const DatosPdf& datos = {});
QByteArray PdfDirecto(const report::Documento& documento, const DatosPdf& datos);
// The same handed to `escribe` a piece at a time, so the file is never held whole.
void PdfDirecto(const report::Documento& documento, const DatosPdf& datos,
                const std::function<void(const QByteArray&)>& escribe);

// The same pages painted through Qt's PDF writer; as PDF/A-1b, for archiving, when `pdfa`.
void ExportaPdfPintado(const report::Documento& documento, const QString& archivo, const DatosPdf& datos = {},
                       bool pdfa = false);

// The page as a white sheet at `ppp` dots per inch.
QImage ImagenPagina(const report::Pagina& pagina, int ppp);

// pagina_001.png, pagina_002.png, ... in `carpeta` (created when missing) at `ppp` dots per
// inch (PppMinimo to PppMaximo). Returns the files written; after a failure none is left.
QStringList ExportaPng(const report::Documento& documento, const QString& carpeta, int ppp);

// The rows of a document as CSV: UTF-8 starting with the byte order mark, comma-separated, CRLF,
// amounts with a dot and no grouping, dates as yyyy-mm-dd. Written as the rows come.
void ExportaCsv(const report::FilasDeDocumento& filas, const QString& archivo);

// The same rows as one XLSX sheet named after the report; `autor` goes into its properties. The
// rows go to the sheet as they come; the library keeps only the row in course.
void ExportaXlsx(const report::FilasDeDocumento& filas, const QString& archivo, const QString& autor = {});

// The whole document in the format the file's extension names: .pdf, .xlsx or .csv.
void ExportaDocumento(const report::Documento& documento, const QString& archivo, const DatosPdf& datos);

// Writes an export whole or not at all; a failure says which file.
void GrabaExportacion(const QString& archivo, const QByteArray& datos);

// The same a piece at a time: the file appears whole at Termina, or not at all.
class Exportado {
public:
    explicit Exportado(const QString& archivo);
    ~Exportado();
    Exportado(const Exportado&) = delete;
    Exportado& operator=(const Exportado&) = delete;

    void Escribe(const QByteArray& datos);
    void Termina();

private:
    QString archivo_;
    std::unique_ptr<report::ArchivoDeSalida> salida_;
};

}  // namespace render
