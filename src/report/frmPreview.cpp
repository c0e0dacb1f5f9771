#include "report/frmPreview.h"

#include "component/Rutas.h"
#include "component/Servicios.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "controles/Errores.h"
#include "controles/Screen.h"
#include "report/Colores.h"
#include "report/PuertoImpresionActual.h"
#include "vb/ErrorEjecucion.h"

#include <algorithm>
#include <array>

namespace report {

namespace {

std::shared_ptr<frmPreview> predeterminada;

constexpr std::array<int32_t, 9> PorcentajesZoom = {30, 50, 70, 80, 90, 100, 130, 150, 200};
constexpr int ZoomInicial = 5;  // "100%"
// The two entries after the percentages fit the sheet to the control, and follow its size.
constexpr int AjustePagina = static_cast<int>(PorcentajesZoom.size());
constexpr int AjusteAncho = AjustePagina + 1;
// Without a view to say, what the control keeps around the sheet: the desk and its frame, and the
// scroll bar a sheet fitted to the width needs to go down the page (at 15 twips a pixel).
constexpr int32_t MargenEscritorio = 500;
constexpr int32_t BarraDesplazamiento = 300;
constexpr int TeclaE = 'E';
constexpr int TeclaF = 'F';
constexpr int Tecla0 = '0';
constexpr int Tecla1 = '1';
constexpr int TeclaNumerica0 = 96;
constexpr int TeclaNumerica1 = 97;


// The host's message service, one instance per use.
std::unique_ptr<component::ServicioMensajes> CreaMensajes() {
    return component::CreaServicio(component::ServiciosAnfitrion().mensajes);
}

}  // namespace

frmPreview::frmPreview()
    : controles::Form(QStringLiteral("frmPreview")),
      Preview(PuertoImpresionActual()),
      cmbZoom(*this, QStringLiteral("cmbZoom")),
      lblPagina(*this, QStringLiteral("lblPagina")),
      lblEtiqueta(*this, QStringLiteral("lblEtiqueta"), {0, 1}),
      cmdFunciones(*this, QStringLiteral("cmdFunciones"), {0, 1, 2, 3, 4, 5, 6}),
      cmdExportar(*this, QStringLiteral("cmdExportar")),
      cmdBuscar(*this, QStringLiteral("cmdBuscar")),
      lblBusqueda(*this, QStringLiteral("lblBusqueda")) {
    SetCaption(QStringLiteral("VISTA PRELIMINAR"));
    cmbZoom.SetStyle(controles::vbComboDropdownList);
    lblPagina.SetCaption(QStringLiteral("1"));
    lblEtiqueta(0).SetCaption(QStringLiteral("Zoom"));
    lblEtiqueta(1).SetCaption(QStringLiteral("Página"));
    const std::array<QString, 7> titulos = {
        QStringLiteral("IMPRIMIR [ALT+P]"),           QStringLiteral("PRIMERA PÁGINA [INI]"),
        QStringLiteral("PÁGINA ANTERIOR [RE PÁG]"),   QStringLiteral("PÁGINA SIGUIENTE [AV PÁG]"),
        QStringLiteral("ÚLTIMA PÁGINA [FIN]"),        QStringLiteral("GRABAR EN FORMATO EMF [F10]"),
        QStringLiteral("SALIR [ESC]")};
    for (int i = 0; i < static_cast<int>(titulos.size()); ++i) {
        cmdFunciones(i).SetCaption(titulos[static_cast<size_t>(i)]);
        cmdFunciones(i).Click = [this, i] { eventos_.Atiende([this, i] { cmdFunciones_Click(i); }); };
    }
    cmbZoom.Click = [this] { eventos_.Atiende([this] { cmbZoom_Click(); }); };
    cmdExportar.SetCaption(QStringLiteral("EXPORTAR [CTRL+E]"));
    cmdExportar.Click = [this] {
        if (PideExportar) eventos_.Atiende(PideExportar);
    };
    cmdBuscar.SetCaption(QStringLiteral("BUSCAR [CTRL+F]"));
    cmdBuscar.Click = [this] {
        if (AbreBusqueda) eventos_.Atiende(AbreBusqueda);
    };

    Load = [this] { Form_Load(); };
    KeyDown = [this](int& keyCode, int& shift) {
        eventos_.Atiende([&] { Form_KeyDown(keyCode, shift); });
        keyCode = 0;  // swallowed even when its command failed
    };
    QueryUnload = [this](int& cancel, int unloadMode) { Form_QueryUnload(cancel, unloadMode); };
}

frmPreview::~frmPreview() = default;

std::shared_ptr<frmPreview> frmPreview::Predeterminada() {
    if (!predeterminada) predeterminada = std::make_shared<frmPreview>();
    return predeterminada;
}

void frmPreview::Form_Load() {
    SetKeyPreview(true);
    PaginaVista = 1;
    SetBackColor(colores::ColorFondo);
    for (controles::CommandButton& boton : cmdFunciones) boton.SetBackColor(colores::ColorBoton);
    cmdExportar.SetBackColor(colores::ColorBoton);
    cmdBuscar.SetBackColor(colores::ColorBoton);
    cmbZoom.Clear();  // a window loaded again starts with the list as designed: empty
    for (int32_t porcentaje : PorcentajesZoom) cmbZoom.AddItem(QString::number(porcentaje) + u'%');
    cmbZoom.AddItem(QStringLiteral("Ajustar a la página [CTRL+0]"));
    cmbZoom.AddItem(QStringLiteral("Ajustar al ancho [CTRL+1]"));
    cmbZoom.SetListIndex(ZoomInicial);
}

void frmPreview::SetWidth(int32_t twips) {
    if (twips == width_) return;
    width_ = twips;
    Form_Resize();
}

void frmPreview::SetHeight(int32_t twips) {
    if (twips == height_) return;
    height_ = twips;
    Form_Resize();
}

void frmPreview::SetPreviewWidth(int32_t twips) {
    if (twips < 0) controles::Lanza(controles::errores::ValorDePropiedadNoValido);
    previewWidth_ = twips;
}

void frmPreview::SetPreviewHeight(int32_t twips) {
    if (twips < 0) controles::Lanza(controles::errores::ValorDePropiedadNoValido);
    previewHeight_ = twips;
}

void frmPreview::EspacioHoja(int32_t ancho, int32_t alto, int32_t anchoConBarra) {
    espacio_ = Espacio{ancho, alto, anchoConBarra};
    AjustaZoom();
}

void frmPreview::Form_Resize() {
    // A window smaller than the margins leaves that side of the control as it was.
    try {
        SetPreviewWidth(width_ - 100);
    } catch (const vb::ErrorEjecucion&) {
    }
    try {
        SetPreviewHeight(height_ - 1600);
    } catch (const vb::ErrorEjecucion&) {
    }
    AjustaZoom();
}

void frmPreview::Form_KeyDown(int& KeyCode, int& Shift) {
    switch (KeyCode) {
    case controles::vbKeyHome: cmdFunciones_Click(1); break;
    case controles::vbKeyPageUp: cmdFunciones_Click(2); break;
    case controles::vbKeyPageDown: cmdFunciones_Click(3); break;
    case controles::vbKeyEnd: cmdFunciones_Click(4); break;
    case controles::vbKeyEscape:
        if (CreaMensajes()->Pregunta(component::MensajeSalirDeVista, 0, QString(), 0, 0) == component::RespuestaSi) controles::Unload(*this);
        break;
    case controles::vbKeyP:
        if (Shift == controles::vbAltMask) cmdFunciones_Click(0);
        break;
    case TeclaF:
        if (Shift == controles::vbCtrlMask && AbreBusqueda) AbreBusqueda();
        break;
    case TeclaE:
        if (Shift == controles::vbCtrlMask && PideExportar) PideExportar();
        break;
    case Tecla0:
    case TeclaNumerica0:
        if (Shift == controles::vbCtrlMask) cmbZoom.SetListIndex(AjustePagina);
        break;
    case Tecla1:
    case TeclaNumerica1:
        if (Shift == controles::vbCtrlMask) cmbZoom.SetListIndex(AjusteAncho);
        break;
    case controles::vbKeyF10:
        if (Shift == 0) cmdFunciones_Click(5);
        break;
    case controles::vbKeyF3:
        if (Shift == controles::vbShiftMask) BuscaAnterior();
        else if (Shift == 0) BuscaSiguiente();
        break;
    default: break;
    }
    KeyCode = 0;  // no control of this window takes keystrokes
}

void frmPreview::Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {
    // The next report run builds a fresh window; whoever holds this one keeps it until done.
    if (predeterminada.get() == this) predeterminada.reset();
}

void frmPreview::cmbZoom_Click() {
    const int entrada = cmbZoom.ListIndex();
    if (entrada < 0) return;
    if (entrada < AjustePagina) Preview.Zoom(PorcentajesZoom[static_cast<size_t>(entrada)]);
    else AjustaZoom();
}

// The largest whole percentage at which the sheet (or its width) fits the control, within the
// surface's limits.
void frmPreview::AjustaZoom() {
    const int entrada = cmbZoom.ListIndex();
    if (entrada != AjustePagina && entrada != AjusteAncho) return;
    const Espacio espacio = espacio_.value_or(Espacio{previewWidth_ - MargenEscritorio, previewHeight_ - MargenEscritorio,
                                                      previewWidth_ - MargenEscritorio - BarraDesplazamiento});
    const int64_t ancho = entrada == AjusteAncho ? espacio.anchoConBarra : espacio.ancho;
    const int64_t alto = espacio.alto;
    int64_t porcentaje = ancho * 100 / AnchoHoja;
    if (entrada == AjustePagina) porcentaje = std::min(porcentaje, alto * 100 / AltoHoja);
    Preview.Zoom(static_cast<int32_t>(std::clamp<int64_t>(porcentaje, 0, 200)));
}

void frmPreview::cmdFunciones_Click(int Index) {
    PaginaVista = Preview.PreviewPage();
    switch (Index) {
    case 0: Preview.Action(2); break;
    case 1:
        PaginaVista = 1;
        MuestraPaginaVista();
        break;
    case 2:
        if (PaginaVista > 1 && Preview.PageCount() >= PaginaVista) {
            PaginaVista -= 1;
            Preview.PreviewPage(PaginaVista);
            Preview.RefreshPreview();
        }
        EtiquetaPagina();
        break;
    case 3:
        if (Preview.PageCount() > PaginaVista) {
            PaginaVista += 1;
            Preview.PreviewPage(PaginaVista);
            Preview.RefreshPreview();
        }
        EtiquetaPagina();
        break;
    case 4:
        PaginaVista = Preview.PageCount();
        MuestraPaginaVista();
        break;
    case 5: GrabaPaginaVista(); break;
    case 6: controles::Unload(*this); break;
    default: break;
    }
}

void frmPreview::MuestraPaginaVista() {
    Preview.PreviewPage(PaginaVista);
    Preview.RefreshPreview();
    EtiquetaPagina();
}

void frmPreview::EtiquetaPagina() {
    if (Preview.PageCount() > 0)
        lblPagina.SetCaption(QString::number(PaginaVista) + u'/' + QString::number(Preview.PageCount()));
    else
        lblPagina.SetCaption(QStringLiteral("1"));
}

void frmPreview::GrabaPaginaVista() {
    using modConGastos::RutaBD;
    const auto mensajes = CreaMensajes();
    const QString nombre =
        mensajes->Captura(0, 0,
                          QStringLiteral("La página se grabará en el directorio ") +
                              component::RutaLocal(RutaBD + QStringLiteral("\\Temp")),
                          0, 0, 0);
    if (nombre.isEmpty()) return;
    const QString archivo = component::RutaLocal(RutaBD + QStringLiteral("\\Temp\\") + nombre + QStringLiteral(".emf"));
    controles::Screen.SetMousePointer(controles::vbHourglass);
    Preview.SavePage(archivo, Preview.PreviewPage());
    controles::Screen.SetMousePointer(controles::vbDefault);
    mensajes->MuestraMensaje(component::MensajePaginaGrabada, 0,
                             u' ' + QString::number(Preview.PreviewPage()) + QStringLiteral("\r\n") + archivo, 0);
}

}  // namespace report

namespace report {

void frmPreview::Busca(const QString& texto) {
    if (!indice_) indice_ = std::make_unique<IndiceTextos>(Preview.Paginas());
    coincidencias_ = indice_->Busca(texto);
    actual_ = 0;
    if (texto.trimmed().isEmpty()) {
        lblBusqueda.SetCaption(QString());
        Preview.RefreshPreview();
        return;
    }
    if (coincidencias_.empty()) {
        lblBusqueda.SetCaption(QStringLiteral("Sin coincidencias"));
        Preview.RefreshPreview();
        return;
    }
    const int vista = Preview.PreviewPage();
    while (actual_ + 1 < coincidencias_.size() && coincidencias_[actual_].pagina < vista) ++actual_;
    if (coincidencias_[actual_].pagina < vista) actual_ = 0;
    MuestraCoincidencia();
}

void frmPreview::BuscaSiguiente() {
    if (coincidencias_.empty()) return;
    actual_ = (actual_ + 1) % coincidencias_.size();
    MuestraCoincidencia();
}

void frmPreview::BuscaAnterior() {
    if (coincidencias_.empty()) return;
    actual_ = (actual_ + coincidencias_.size() - 1) % coincidencias_.size();
    MuestraCoincidencia();
}

std::optional<Coincidencia> frmPreview::CoincidenciaActual() const {
    if (coincidencias_.empty()) return std::nullopt;
    return coincidencias_[actual_];
}

void frmPreview::MuestraCoincidencia() {
    PaginaVista = coincidencias_[actual_].pagina;
    lblBusqueda.SetCaption(QStringLiteral("%1 de %2").arg(actual_ + 1).arg(coincidencias_.size()));
    MuestraPaginaVista();
}

}  // namespace report
