#include "render/Exportacion.h"

#include "render/PintaPagina.h"
#include "report/SuperficieArchivos.h"
#include "vb/ErrorEjecucion.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace render {

namespace {

constexpr qreal TwipsPorPulgada = 1440.0;
constexpr qreal MetrosPorPulgada = 0.0254;
constexpr int32_t SinMemoria = 7;

// Says which file failed, keeping the number of the underlying run-time error.
[[noreturn]] void LanzaNoGrabado(const vb::ErrorEjecucion& e, const QString& archivo) {
    throw vb::ErrorEjecucion(e.numero(), QStringLiteral("No se pudo grabar el archivo %1: %2")
                                             .arg(QDir::toNativeSeparators(archivo), e.descripcion()));
}

}  // namespace

void GrabaExportacion(const QString& archivo, const QByteArray& datos) {
    try {
        report::GrabaArchivo(archivo, datos);
    } catch (const vb::ErrorEjecucion& e) {
        LanzaNoGrabado(e, archivo);
    }
}

Exportado::Exportado(const QString& archivo) : archivo_(archivo) {
    try {
        salida_ = std::make_unique<report::ArchivoDeSalida>(archivo);
    } catch (const vb::ErrorEjecucion& e) {
        LanzaNoGrabado(e, archivo_);
    }
}

Exportado::~Exportado() = default;

void Exportado::Escribe(const QByteArray& datos) {
    try {
        salida_->Escribe(datos);
    } catch (const vb::ErrorEjecucion& e) {
        LanzaNoGrabado(e, archivo_);
    }
}

void Exportado::Termina() {
    try {
        salida_->Termina();
    } catch (const vb::ErrorEjecucion& e) {
        LanzaNoGrabado(e, archivo_);
    }
}

bool PintaDocumento(QPagedPaintDevice& dispositivo, const report::Documento& documento) {
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    // The painter starts at the printable area's corner; the sheet starts at the paper's.
    const int ppp = dispositivo.logicalDpiX();
    const QPointF esquina = -dispositivo.pageLayout().paintRectPixels(ppp).topLeft();
    const QRectF hoja(esquina, QSizeF(report::AnchoHoja * dispositivo.logicalDpiX() / TwipsPorPulgada,
                                      report::AltoHoja * dispositivo.logicalDpiY() / TwipsPorPulgada));
    for (std::size_t i = 0; i < documento.size(); ++i) {
        if (i > 0 && !dispositivo.newPage()) return false;
        PintaPagina(pintor, documento[i], hoja);
    }
    return pintor.end();
}

void ExportaPdf(const report::Documento& documento, const QString& archivo, const DatosPdf& datos) {
    Exportado salida(archivo);
    PdfDirecto(documento, datos, [&salida](const QByteArray& parte) { salida.Escribe(parte); });
    salida.Termina();
}

void ExportaPdfPintado(const report::Documento& documento, const QString& archivo, const DatosPdf& datos, bool pdfa) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("ZR_ConsultasGT"));
        pdf.setTitle(datos.titulo);
        if (pdfa) pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        if (!PintaDocumento(pdf, documento))
            throw vb::ErrorEjecucion(vb::errores::ErrorEntradaSalida,
                                     QStringLiteral("No se pudo generar el documento PDF %1")
                                         .arg(QDir::toNativeSeparators(archivo)));
    }
    GrabaExportacion(archivo, buffer.data());
}

QImage ImagenPagina(const report::Pagina& pagina, int ppp) {
    const int ancho = static_cast<int>(std::lround(report::AnchoHoja * ppp / TwipsPorPulgada));
    const int alto = static_cast<int>(std::lround(report::AltoHoja * ppp / TwipsPorPulgada));
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    if (imagen.isNull())
        throw vb::ErrorEjecucion(SinMemoria, QStringLiteral("Memoria insuficiente para la imagen de la página"));
    const int puntosPorMetro = static_cast<int>(std::lround(ppp / MetrosPorPulgada));
    imagen.setDotsPerMeterX(puntosPorMetro);
    imagen.setDotsPerMeterY(puntosPorMetro);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    PintaPagina(pintor, pagina, QRectF(0, 0, ancho, alto));
    return imagen;
}

QStringList ExportaPng(const report::Documento& documento, const QString& carpeta, int ppp) {
    if (ppp < PppMinimo || ppp > PppMaximo)
        throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida,
                                 QStringLiteral("La resolución de las imágenes debe estar entre %1 y %2 puntos por pulgada")
                                     .arg(PppMinimo)
                                     .arg(PppMaximo));
    const QDir destino(carpeta);
    if (!QDir().mkpath(destino.absolutePath()))
        throw vb::ErrorEjecucion(vb::errores::RutaNoEncontrada,
                                 QStringLiteral("No se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(carpeta)));

    QStringList grabados;
    report::GrabacionDiferida grabacion;  // every page appears at the end, or none does
    for (std::size_t i = 0; i < documento.size(); ++i) {
        const QString archivo =
            destino.filePath(QStringLiteral("pagina_%1.png").arg(static_cast<qulonglong>(i + 1), 3, 10, QLatin1Char('0')));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!ImagenPagina(documento[i], ppp).save(&buffer, "PNG"))
            throw vb::ErrorEjecucion(vb::errores::ErrorEntradaSalida,
                                     QStringLiteral("No se pudo generar la imagen %1").arg(QDir::toNativeSeparators(archivo)));
        GrabaExportacion(archivo, buffer.data());
        grabados << archivo;
    }
    grabacion.Confirma();
    return grabados;
}

}  // namespace render
