// The spreadsheet outputs of a document's rows: CSV (comma-separated, UTF-8 with its byte order
// mark, CRLF, fields quoted when they need it) and XLSX (amounts as numbers, dates as dates,
// captions and totals in bold).
#include "render/Exportacion.h"

#include "report/TablaDeMarcas.h"
#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace render {

namespace {

constexpr uint8_t PapelCarta = 1;       // the sheet's paper code for US Letter
constexpr double AnchoVertical = 110;  // characters of columns that still fit across a portrait page

// Amounts print exact, with at least two decimals, dot separator and no grouping.
QString Cifra(vb::Currency importe) {
    const int64_t d = importe.diezmilesimos();
    const uint64_t a = d < 0 ? 0 - static_cast<uint64_t>(d) : static_cast<uint64_t>(d);
    QString fraccion = QStringLiteral("%1").arg(a % 10000, 4, 10, QLatin1Char('0'));
    while (fraccion.size() > 2 && fraccion.endsWith(u'0')) fraccion.chop(1);
    return QStringLiteral("%1%2.%3").arg(d < 0 ? QStringLiteral("-") : QString()).arg(a / 10000).arg(fraccion);
}

// Whether the page, which prints cents, rounds this amount.
bool MasQueCentavos(vb::Currency importe) { return importe.diezmilesimos() % 100 != 0; }

QString CampoCsv(const QString& valor) {
    if (!valor.contains(u',') && !valor.contains(u'"') && !valor.contains(u'\n') && !valor.contains(u'\r'))
        return valor;
    QString v = valor;
    v.replace(u'"', QStringLiteral("\"\""));
    return u'"' + v + u'"';
}

QString TextoCsv(const report::Celda& c) {
    switch (c.tipo) {
    case report::Celda::Tipo::Importe: return Cifra(c.importe);
    case report::Celda::Tipo::Fecha: return c.fecha.toString(Qt::ISODate);
    case report::Celda::Tipo::Texto:
    case report::Celda::Tipo::Numero: return c.texto;
    case report::Celda::Tipo::Vacia: break;
    }
    return {};
}

[[noreturn]] void FallaHoja(const QString& archivo, const char* detalle) {
    throw vb::ErrorEjecucion(vb::errores::ErrorEntradaSalida,
                             QStringLiteral("No se pudo generar la hoja %1: %2")
                                 .arg(QDir::toNativeSeparators(archivo), QString::fromUtf8(detalle)));
}

// A sheet name may not hold []:*?/\ and has at most 31 characters.
QByteArray NombreHoja(const QString& titulo) {
    QString n = titulo.trimmed();
    for (const QChar c : QStringLiteral("[]:*?/\\")) n.replace(c, u' ');
    n = n.left(31).trimmed();
    return (n.isEmpty() ? QStringLiteral("Reporte") : n).toUtf8();
}

struct CierraLibro {
    void operator()(lxw_workbook* libro) const { workbook_close(libro); }
};

}  // namespace

void ExportaCsv(const report::FilasDeDocumento& filas, const QString& archivo) {
    Exportado salida(archivo);
    // The byte order mark is what tells a spreadsheet program opening the file that it is UTF-8,
    // so accents show right; CSV readers take it as the file's encoding mark.
    QByteArray tramo = QByteArrayLiteral("\xEF\xBB\xBF");
    QString linea;
    const auto termina = [&] {
        linea += QStringLiteral("\r\n");
        tramo += linea.toUtf8();
        linea.clear();
        if (tramo.size() >= 1 << 20) {
            salida.Escribe(tramo);
            tramo.clear();
        }
    };
    const auto campo = [&linea](const QString& valor, bool primero) {
        if (!primero) linea += u',';
        linea += CampoCsv(valor);
    };
    if (!filas.Columnas().isEmpty()) {
        for (qsizetype c = 0; c < filas.Columnas().size(); ++c) campo(filas.Columnas()[c], c == 0);
        termina();
    }
    filas.Recorre([&](const report::Fila& f) {
        for (std::size_t c = 0; c < f.celdas.size(); ++c) campo(TextoCsv(f.celdas[c]), c == 0);
        termina();
    });
    salida.Escribe(tramo);
    salida.Termina();
}

void ExportaXlsx(const report::FilasDeDocumento& filas, const QString& archivo, const QString& autor) {
    // The library writes to a path; the file is then put in place whole, like every output.
    QTemporaryDir temporal;
    if (!temporal.isValid()) FallaHoja(archivo, "sin carpeta temporal");
    const QByteArray ruta = temporal.filePath(QStringLiteral("hoja.xlsx")).toLocal8Bit();
    {
        // Rows go to a file as they are written: the sheet never holds them all.
        const QByteArray carpeta = temporal.path().toLocal8Bit();
        lxw_workbook_options opciones{};
        opciones.constant_memory = LXW_TRUE;
        opciones.tmpdir = const_cast<char*>(carpeta.constData());
        lxw_workbook* libro = workbook_new_opt(ruta.constData(), &opciones);
        if (!libro) FallaHoja(archivo, "sin memoria");
        std::unique_ptr<lxw_workbook, CierraLibro> cierre(libro);
        const QByteArray titulo = filas.Titulo().toUtf8(), de = autor.toUtf8();
        lxw_doc_properties propiedades{};
        propiedades.title = const_cast<char*>(titulo.constData());
        propiedades.author = const_cast<char*>(de.constData());
        workbook_set_properties(libro, &propiedades);

        lxw_worksheet* hoja = workbook_add_worksheet(libro, NombreHoja(filas.Titulo()).constData());
        if (!hoja) FallaHoja(archivo, "no se pudo crear la hoja");
        const auto formato = [libro](bool negrita, const char* numero) {
            lxw_format* f = workbook_add_format(libro);
            if (negrita) format_set_bold(f);
            if (numero) format_set_num_format(f, numero);
            return f;
        };
        lxw_format* texto[2] = {nullptr, formato(true, nullptr)};
        lxw_format* tituloImporte = formato(true, nullptr);  // over a column of amounts, at their edge
        format_set_align(tituloImporte, LXW_ALIGN_RIGHT);
        lxw_format* importe[2] = {formato(false, "#,##0.00"), formato(true, "#,##0.00")};
        lxw_format* fecha[2] = {formato(false, "dd/mm/yyyy"), formato(true, "dd/mm/yyyy")};

        // A first walk over the rows says which columns hold amounts and which hold more than
        // cents, which the header row shows; the second writes them.
        const QStringList& columnas = filas.Columnas();
        std::size_t ncolumnas = static_cast<std::size_t>(columnas.size());
        std::vector<bool> deImportes(ncolumnas), exactos(ncolumnas);
        filas.Recorre([&](const report::Fila& f) {
            if (f.celdas.size() > ncolumnas) {
                ncolumnas = f.celdas.size();
                deImportes.resize(ncolumnas);
                exactos.resize(ncolumnas);
            }
            for (std::size_t c = 0; c < f.celdas.size(); ++c)
                if (f.celdas[c].tipo == report::Celda::Tipo::Importe) {
                    if (!f.Resumen()) deImportes[c] = true;
                    if (MasQueCentavos(f.celdas[c].importe)) exactos[c] = true;
                }
        });
        std::vector<double> anchos(ncolumnas, 8.0);
        const auto ancho = [&anchos](std::size_t c, qsizetype n) {
            anchos[c] = std::min(60.0, std::max(anchos[c], static_cast<double>(n) + 3.0));
        };
        lxw_row_t r = 0;
        if (!columnas.isEmpty()) {
            for (std::size_t c = 0; c < ncolumnas && c < static_cast<std::size_t>(columnas.size()); ++c) {
                const QString& nombre = columnas[static_cast<qsizetype>(c)];
                worksheet_write_string(hoja, r, static_cast<lxw_col_t>(c), nombre.toUtf8().constData(),
                                       deImportes[c] ? tituloImporte : texto[1]);
                // Not a silent cent: the sheet holds what the report added, the page its rounding.
                if (exactos[c])
                    worksheet_write_comment(hoja, r, static_cast<lxw_col_t>(c),
                                            "Importes exactos, con hasta cuatro decimales: el reporte impreso los "
                                            "redondea a centavos y suma los valores exactos.");
                ancho(c, nombre.size());
            }
            worksheet_freeze_panes(hoja, 1, 0);
            ++r;
        }
        filas.Recorre([&](const report::Fila& f) {
            const int b = f.Resumen() ? 1 : 0;
            for (std::size_t c = 0; c < f.celdas.size(); ++c) {
                const report::Celda& celda = f.celdas[c];
                const auto col = static_cast<lxw_col_t>(c);
                lxw_error e = LXW_NO_ERROR;
                switch (celda.tipo) {
                case report::Celda::Tipo::Importe:
                    e = worksheet_write_number(hoja, r, col, celda.importe.ADouble(), importe[b]);
                    ancho(c, Cifra(celda.importe).size() + 3);
                    break;
                case report::Celda::Tipo::Fecha: {
                    lxw_datetime d{celda.fecha.year(), static_cast<uint8_t>(celda.fecha.month()),
                                   static_cast<uint8_t>(celda.fecha.day()), 0, 0, 0.0};
                    e = worksheet_write_datetime(hoja, r, col, &d, fecha[b]);
                    ancho(c, 10);
                    break;
                }
                case report::Celda::Tipo::Texto:
                    e = worksheet_write_string(hoja, r, col, celda.texto.toUtf8().constData(), texto[b]);
                    if (!f.Resumen()) ancho(c, celda.texto.size());
                    break;
                case report::Celda::Tipo::Numero:  // at the precision it is stored with
                    e = worksheet_write_number(hoja, r, col, celda.texto.toDouble(), texto[b]);
                    ancho(c, celda.texto.size());
                    break;
                case report::Celda::Tipo::Vacia: break;
                }
                if (e != LXW_NO_ERROR) FallaHoja(archivo, lxw_strerror(e));
            }
            ++r;
        });
        double total = 0;
        for (std::size_t c = 0; c < ncolumnas; ++c) {
            worksheet_set_column(hoja, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), anchos[c], nullptr);
            total += anchos[c];
        }
        // Printed as the report is: on Letter, every column on the page's width (turned when that
        // is too many), the captions on every page; and the header row filters the rows.
        worksheet_set_paper(hoja, PapelCarta);
        if (total > AnchoVertical) worksheet_set_landscape(hoja);
        worksheet_fit_to_pages(hoja, 1, 0);
        if (!columnas.isEmpty() && ncolumnas > 0) {
            worksheet_repeat_rows(hoja, 0, 0);
            worksheet_autofilter(hoja, 0, 0, r > 0 ? r - 1 : 0, static_cast<lxw_col_t>(ncolumnas - 1));
        }
        const lxw_error e = workbook_close(cierre.release());
        if (e != LXW_NO_ERROR) FallaHoja(archivo, lxw_strerror(e));
    }
    // Put in place a few megabytes at a time: a long document's workbook is tens of them.
    QFile libro(QString::fromLocal8Bit(ruta));
    if (!libro.open(QIODevice::ReadOnly)) FallaHoja(archivo, "no se pudo leer el libro escrito");
    Exportado salida(archivo);
    constexpr qint64 Tramo = 4 << 20;
    for (QByteArray tramo = libro.read(Tramo); !tramo.isEmpty(); tramo = libro.read(Tramo)) salida.Escribe(tramo);
    if (libro.error() != QFileDevice::NoError) FallaHoja(archivo, "no se pudo leer el libro escrito");
    salida.Termina();
}

void ExportaDocumento(const report::Documento& documento, const QString& archivo, const DatosPdf& datos) {
    const QString extension = QFileInfo(archivo).suffix().toLower();
    if (extension == u"pdf") {
        ExportaPdf(documento, archivo, datos);
    } else if (extension == u"xlsx") {
        ExportaXlsx(report::FilasDeDocumento(documento), archivo, datos.autor);
    } else if (extension == u"csv") {
        ExportaCsv(report::FilasDeDocumento(documento), archivo);
    } else {
        throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida,
                                 QStringLiteral("No se puede exportar a %1: el archivo debe terminar en .pdf, .xlsx o .csv")
                                     .arg(QDir::toNativeSeparators(archivo)));
    }
}

}  // namespace render
