#include "salidas.h"

#include "render/Exportacion.h"
#include "report/Listado.h"
#include "component/DatosEmpresa.h"
#include "report/Superficie.h"
#include "report/TablaDeMarcas.h"
#include "report/SuperficieArchivos.h"
#include "vb/ErrorEjecucion.h"

#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

QString ArchivoPagina(const QString& carpeta, int pagina, const char* extension) {
    return QDir(carpeta).filePath(
        QStringLiteral("pagina_%1.%2").arg(pagina, 3, 10, QLatin1Char('0')).arg(QLatin1String(extension)));
}

void CreaCarpeta(const QString& carpeta) {
    if (!QDir().mkpath(carpeta))
        throw vb::ErrorEjecucion(
            vb::errores::RutaNoEncontrada,
            QStringLiteral("No se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(carpeta)));
}

// The folder of a file asked for, made when missing.
void CreaCarpetaDe(const QString& archivo) { CreaCarpeta(QFileInfo(archivo).absolutePath()); }

// Runs one write; its error says which file it was.
template <class F>
void NombraArchivo(const char* que, const QString& archivo, F&& escribe) {
    try {
        escribe();
    } catch (const vb::ErrorEjecucion& e) {
        throw vb::ErrorEjecucion(e.numero(),
                                 QStringLiteral("No se pudo grabar %1 %2: %3")
                                     .arg(QString::fromUtf8(que), QDir::toNativeSeparators(archivo), e.descripcion()));
    }
}

}  // namespace

QStringList EscribeSalidas(const Salidas& salidas, const report::Superficie& documento) {
    QStringList escritos;
    // Every output appears at the end, or none does; a failure leaves what was at their names.
    report::GrabacionDiferida grabacion;
    if (!salidas.listado.isEmpty()) {
        CreaCarpetaDe(salidas.listado);
        NombraArchivo("el listado", salidas.listado,
                      [&] { report::GrabaListado(salidas.listado, documento.Paginas()); });
        escritos << salidas.listado;
    }
    if (!salidas.emf.isEmpty()) {
        CreaCarpeta(salidas.emf);
        for (int n = 1; n <= static_cast<int>(documento.Paginas().size()); ++n) {
            const QString archivo = ArchivoPagina(salidas.emf, n, "emf");
            NombraArchivo("la página", archivo, [&] { documento.SavePage(archivo, n); });
            escritos << archivo;
        }
    }
    const render::DatosPdf datos{report::TituloDocumento(documento.Paginas()), modConGastos::NombreEmpresa, {}};
    if (!salidas.pdf.isEmpty()) {
        CreaCarpetaDe(salidas.pdf);
        render::ExportaPdf(documento.Paginas(), salidas.pdf, datos);
        escritos << salidas.pdf;
    }
    if (!salidas.pdfa.isEmpty()) {
        CreaCarpetaDe(salidas.pdfa);
        render::ExportaPdfPintado(documento.Paginas(), salidas.pdfa, datos, true);
        escritos << salidas.pdfa;
    }
    if (!salidas.xlsx.isEmpty() || !salidas.csv.isEmpty()) {
        const report::FilasDeDocumento tabla(documento.Paginas());
        if (!salidas.xlsx.isEmpty()) {
            CreaCarpetaDe(salidas.xlsx);
            render::ExportaXlsx(tabla, salidas.xlsx, modConGastos::NombreEmpresa);
            escritos << salidas.xlsx;
        }
        if (!salidas.csv.isEmpty()) {
            CreaCarpetaDe(salidas.csv);
            render::ExportaCsv(tabla, salidas.csv);
            escritos << salidas.csv;
        }
    }
    if (!salidas.png.isEmpty())
        escritos << render::ExportaPng(documento.Paginas(), salidas.png,
                                       salidas.ppp > 0 ? salidas.ppp : render::PppPredeterminado);
    grabacion.Confirma();
    return escritos;
}

}  // namespace app
