#include "report/EscritorPaginas.h"

#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "controles/Screen.h"
#include "report/Superficie.h"
#include "report/frmPreview.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Variant.h"

#include <QFile>

namespace report {

namespace {

constexpr int32_t Azul = 0xFF0000;
constexpr int32_t ObjetoNoEstablecido = 91;

}  // namespace

EscritorPaginas::~EscritorPaginas() { BorraPaginasEscritas(); }

void EscritorPaginas::LeeDirConsultas() {
    using modConGastos::DirConsultas;
    DirConsultas = modConGastos::LeeIni(QStringLiteral("VARIOS"), QStringLiteral("DIRCONSULTAS"));
    if (!DirConsultas.isEmpty() && !DirConsultas.endsWith(u'\\')) DirConsultas += u'\\';
}

QString EscritorPaginas::ArchivoPagina(int32_t pagina) const {
    return component::RutaLocal(DirectorioPaginas() + SelloReporte + u'_' + QString::number(pagina) +
                                QStringLiteral(".emf"));
}

void EscritorPaginas::GeneraConsulta() {
    using controles::Screen;
    std::shared_ptr<frmPreview> preview;
    // Whatever ends the run early, no page file of it stays behind and the next run starts afresh.
    auto abandona = [&]() noexcept {
        BorraPaginasEscritas();
        Superficie.reset();
        try {
            if (preview) controles::Unload(*preview);
        } catch (...) {
        }
        preview.reset();
        try {
            Screen.SetMousePointer(controles::vbDefault);
        } catch (...) {
        }
    };
    try {
        Screen.SetMousePointer(controles::vbHourglass);
        PreparaConsulta();
        FechaInicial = modConGastos::FechaSQL(vb::Variant(FechaConsulta(0)));
        FechaFinal = modConGastos::FechaSQL(vb::Variant(FechaConsulta(1)));
        LineaActual = 0;
        // Binding the preview's control loads the window, hidden.
        preview = frmPreview::Predeterminada();
        controles::Load(*preview);
        Superficie = std::shared_ptr<report::Superficie>(preview, &preview->Preview);
        Superficie->StartDoc();
        PaginaActual = 1;
        SelloReporte = modConGastos::SelloTiempo();

        ImprimeConsulta();

        Superficie->EndDoc();
        GrabaPaginaActual();
        NumeraPaginas();
        preview->lblPagina.SetCaption(QStringLiteral("1/") + QString::number(PaginaActual));
        Screen.SetMousePointer(controles::vbDefault);
        preview->Show(controles::vbModal);
    } catch (const vb::ErrorEjecucion& e) {
        abandona();
        component::MuestraError(e.numero(), e.descripcion());
        return;
    } catch (...) {
        abandona();
        throw;
    }
    Superficie.reset();
}

report::Superficie& EscritorPaginas::SuperficieVinculada() const {
    if (!Superficie) throw vb::ErrorEjecucion(ObjetoNoEstablecido, QStringLiteral("Variable de objeto no establecida"));
    return *Superficie;
}

void EscritorPaginas::NuevaPagina(vb::Integer tipo) {
    SuperficieVinculada();
    LineaActual = 0;
    Superficie->EndDoc();
    GrabaPaginaActual();
    PaginaActual = PaginaActual + 1;
    Superficie->StartDoc();
    EncabezadosNuevaPagina(tipo);
}

// Each drawn page is its own one-page document, saved the moment it is done.
void EscritorPaginas::GrabaPaginaActual() {
    const QString archivo = ArchivoPagina(PaginaActual);
    Superficie->SavePage(archivo, 1);
    paginasEscritas_ << archivo;
    Superficie->Action(0);
}

void EscritorPaginas::NumeraPaginas() {
    const int32_t total = PaginaActual;
    report::Superficie& s = *Superficie;
    s.StartDoc();
    s.ForeColor(Azul);
    s.TextMode(3);
    s.TextAlign(AlineaIzquierda);
    s.FontBold(false);
    s.FontSize(8);
    for (int32_t n = 1; n <= total; ++n) {
        const QString archivo = ArchivoPagina(n);
        s.LoadPage(archivo);
        s.PrintText(7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(total));
        BorraArchivo(archivo);
        if (n < total) s.NewPage();
    }
    s.EndDoc();
    s.Action(0);
    s.PreviewPage(1);
    s.RefreshPreview();
}

void EscritorPaginas::BorraArchivo(const QString& archivo) {
    if (!QFile::remove(archivo)) {
        if (!QFile::exists(archivo)) throw vb::ErrorEjecucion(vb::errores::ArchivoNoEncontrado);
        throw vb::ErrorEjecucion(vb::errores::AccesoNoValido);
    }
    paginasEscritas_.removeAll(archivo);
}

void EscritorPaginas::BorraPaginasEscritas() noexcept {
    for (const QString& archivo : std::as_const(paginasEscritas_)) QFile::remove(archivo);
    paginasEscritas_.clear();
}

}  // namespace report
