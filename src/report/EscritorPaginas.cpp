#include "report/EscritorPaginas.h"

#include "ado/Connection.h"
#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "controles/Screen.h"
#include "report/Colores.h"
#include "report/DuracionCorrida.h"
#include "report/SeguimientoCorrida.h"
#include "report/Superficie.h"
#include "report/frmPreview.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Variant.h"

#include <QDir>
#include <optional>

namespace report {

namespace {

constexpr int32_t ObjetoNoEstablecido = 91;

std::chrono::nanoseconds duracionUltimaCorrida{0};

// Every query of a run reads one snapshot of the module connection, so a balance and its detail
// agree while the host writes. It ends as soon as the report routine returns, with whatever the run
// left half read: a user looking at the pages, or at an error, must not hold the host's writers back.
class LecturaDeCorrida {
public:
    LecturaDeCorrida() {
        ado::Connection* c = modConGastos::Conexion.get();
        if (!c || c->State() != 1) return;  // the report's first query says what is wrong
        c->BeginTrans();
        conexion_ = c;
    }
    ~LecturaDeCorrida() {
        if (!conexion_) return;
        try {
            conexion_->RollbackTrans();
        } catch (...) {
        }
    }
    LecturaDeCorrida(const LecturaDeCorrida&) = delete;
    LecturaDeCorrida& operator=(const LecturaDeCorrida&) = delete;

private:
    ado::Connection* conexion_ = nullptr;
};

}  // namespace

EscritorPaginas::~EscritorPaginas() { BorraPaginasEscritas(); }

void EscritorPaginas::LeeDirConsultas() {
    using modConGastos::DirConsultas;
    DirConsultas = modConGastos::LeeIni(QStringLiteral("VARIOS"), QStringLiteral("DIRCONSULTAS"));
    if (!DirConsultas.isEmpty() && !DirConsultas.endsWith(u'\\')) DirConsultas += u'\\';
}

QString EscritorPaginas::ArchivoPagina(int32_t pagina) const {
    const QString nombre = SelloReporte + u'_' + QString::number(pagina) + QStringLiteral(".emf");
    if (carpetaResuelta_) return carpetaPaginas_ + nombre;
    return component::RutaLocal(DirectorioPaginas() + nombre);
}

// The stamp is reserved apart from the pages and held until the last of them is deleted, so a
// second run of the same company in the same second takes the stamp with the next free suffix
// ("09050712-2") instead of mixing its pages with ours. Page 1 is created at once: a file left at
// its name by something that reserves nothing also sends the run to the next suffix.
void EscritorPaginas::ReservaSello() {
    QString carpeta = DirectorioPaginas();
    carpetaPaginas_ = carpeta.isEmpty() ? QString() : component::RutaLocal(carpeta);
    if (!carpetaPaginas_.isEmpty() && !carpetaPaginas_.endsWith(u'/')) carpetaPaginas_ += u'/';
    carpetaResuelta_ = true;
    BarreCorridasMuertas(carpetaPaginas_);
    const QString base = SelloReporte;
    constexpr int MaximoSufijo = 1000;
    for (int sufijo = 2; sufijo <= MaximoSufijo + 1; ++sufijo) {
        if (std::optional<ReservaDeSello> reserva = ReservaDeSello::Toma(carpetaPaginas_, SelloReporte)) {
            if (std::optional<ArchivoDePagina> primera = ArchivoDePagina::Crea(ArchivoPagina(1))) {
                reserva_ = std::move(reserva);
                paginas_.push_back(std::move(*primera));
                return;
            }
        }
        SelloReporte = base + u'-' + QString::number(sufijo);
    }
    throw vb::ErrorEjecucion(vb::errores::ArchivoYaExiste,
                             QStringLiteral("Ya existen %1 archivos de página %2_1.emf con sufijo en %3")
                                 .arg(MaximoSufijo)
                                 .arg(base, QDir::toNativeSeparators(carpetaPaginas_)));
}

std::chrono::nanoseconds DuracionUltimaCorrida() { return duracionUltimaCorrida; }

void EscritorPaginas::GeneraConsulta() {
    using controles::Screen;
    const auto inicio = std::chrono::steady_clock::now();
    std::shared_ptr<frmPreview> preview;
    std::optional<LecturaDeCorrida> lectura;
    // Whatever ends the run early, no page file of it stays behind and the next run starts afresh.
    auto abandona = [&]() noexcept {
        seguimiento_.reset();
        lectura.reset();
        BorraPaginasEscritas();
        carpetaResuelta_ = false;
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
        seguimiento_ = std::make_unique<SeguimientoCorrida>();
        lectura.emplace();
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
        ReservaSello();
        grabador_ = std::make_unique<GrabadorDePaginas>();

        ImprimeConsulta();
        // The routine has read all it prints: the snapshot ends while the pages are finished.
        lectura.reset();

        Superficie->EndDoc();
        GrabaPaginaActual();
        grabador_->Espera();
        grabador_.reset();
        NumeraPaginas();
        seguimiento_.reset();
        preview->lblPagina.SetCaption(QStringLiteral("1/") + QString::number(PaginaActual));
        Screen.SetMousePointer(controles::vbDefault);
        duracionUltimaCorrida = std::chrono::steady_clock::now() - inicio;
        preview->Show(controles::vbModal);
    } catch (const vb::ErrorEjecucion& e) {
        abandona();
        component::MuestraError(e.numero(), e.descripcion());
        return;
    } catch (const CorridaCancelada&) {
        abandona();
        return;
    } catch (...) {
        abandona();
        throw;
    }
    Superficie.reset();
    carpetaResuelta_ = false;
}

report::Superficie& EscritorPaginas::SuperficieVinculada() const {
    if (!Superficie) throw vb::ErrorEjecucion(ObjetoNoEstablecido, QStringLiteral("Variable de objeto no establecida"));
    return *Superficie;
}

void EscritorPaginas::NuevaPagina() {
    SuperficieVinculada();
    LineaActual = 0;
    GrabaPaginaActual();
    PaginaActual = PaginaActual + 1;
    Superficie->NewPage();
    EncabezadosNuevaPagina();
}

// Each drawn page stays in the document and goes to its file the moment it is done; the file is
// made here, so its name is taken or refused while the run draws, and written by the writer.
void EscritorPaginas::GrabaPaginaActual() {
    if (static_cast<std::size_t>(PaginaActual) != paginas_.size()) {
        const QString archivo = ArchivoPagina(PaginaActual);
        std::optional<ArchivoDePagina> nuevo = ArchivoDePagina::Crea(archivo);
        if (!nuevo)
            throw vb::ErrorEjecucion(vb::errores::ArchivoYaExiste,
                                     QStringLiteral("Ya existe el archivo de página %1: otra consulta o un "
                                                    "archivo ajeno ocupa ese nombre")
                                         .arg(QDir::toNativeSeparators(archivo)));
        paginas_.push_back(std::move(*nuevo));
    }
    grabador_->Encarga(paginas_.back(), Superficie->Paginas().back().Registros());
    Superficie->Action(0);
    if (seguimiento_) seguimiento_->Pagina(PaginaActual);
}

void EscritorPaginas::NumeraPaginas() {
    const int32_t total = PaginaActual;
    report::Superficie& s = *Superficie;
    // The files were written from the pages kept: they are only checked to be still this run's.
    for (ArchivoDePagina& archivo : paginas_) archivo.Verifica();
    for (ArchivoDePagina& archivo : paginas_) archivo.Borra();
    s.ForeColor(colores::Azul);
    s.TextMode(3);
    s.TextAlign(AlineaIzquierda);
    s.FontBold(false);
    s.FontSize(8);
    for (int32_t n = 1; n <= total; ++n) {
        s.ReopenPage(n);
        s.PrintText(7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(total));
    }
    paginas_.clear();
    reserva_.reset();
    s.EndDoc();
    s.Action(0);
    s.PreviewPage(1);
    s.RefreshPreview();
}

void EscritorPaginas::BorraPaginasEscritas() noexcept {
    grabador_.reset();  // nothing is written to a file once it is gone
    for (ArchivoDePagina& archivo : paginas_) archivo.Borra();
    paginas_.clear();
    reserva_.reset();
}

}  // namespace report
