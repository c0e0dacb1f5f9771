#pragma once
// The preview window "VISTA PRELIMINAR": the numbered document of a report run, with zoom (fixed
// or fitted to the page or its width), paging, printing, saving the page on view, exporting the
// document and finding text in it. The Qt view shows it; this model decides.
#include "component/Eventos.h"
#include "controles/ComboBox.h"
#include "controles/CommandButton.h"
#include "controles/ControlArray.h"
#include "controles/Form.h"
#include "controles/Label.h"
#include "report/Busqueda.h"
#include "report/Superficie.h"
#include "vb/Integer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace report {

class frmPreview : public controles::Form {
public:
    frmPreview();
    ~frmPreview() override;

    // The module's default instance, created on first reference and dropped when it unloads,
    // so every report run gets a fresh window. Keep the pointer while using the window.
    static std::shared_ptr<frmPreview> Predeterminada();

    report::Superficie Preview;
    controles::ComboBox cmbZoom;
    controles::Label lblPagina;
    controles::ControlArray<controles::Label> lblEtiqueta;
    controles::ControlArray<controles::CommandButton> cmdFunciones;
    controles::CommandButton cmdExportar;  // "EXPORTAR": the whole document as PDF, XLSX or CSV
    controles::CommandButton cmdBuscar;    // "BUSCAR": opens the view's "Buscar" box, as Ctrl+F
    controles::Label lblBusqueda;          // "n de m" of the text searched

    vb::Integer PaginaVista = 1;

    // Window size and the preview control's size, in twips. Changing the window's size raises
    // Form_Resize; the control refuses a negative size with error 380.
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void SetWidth(int32_t twips);
    void SetHeight(int32_t twips);
    int32_t PreviewWidth() const { return previewWidth_; }
    int32_t PreviewHeight() const { return previewHeight_; }
    void SetPreviewWidth(int32_t twips);
    void SetPreviewHeight(int32_t twips);
    // The room the view has for the sheet itself, in twips, once it has laid the control out:
    // without scrolling, and beside the vertical scroll bar. The fitted zooms follow it; until a
    // view says, they take the control's size less a margin.
    void EspacioHoja(int32_t ancho, int32_t alto, int32_t anchoConBarra);

    // Event handlers; the controls and the form raise them.
    void Form_Load();
    void Form_Resize();
    void Form_KeyDown(int& KeyCode, int& Shift);
    void Form_QueryUnload(int& Cancel, int UnloadMode);
    void cmbZoom_Click();
    void cmdFunciones_Click(int Index);

    // Finding text: Busca jumps to the first occurrence on or after the page on view; the next
    // and previous ones wrap around the document. The index of its texts is built once.
    void Busca(const QString& texto);
    void BuscaSiguiente();
    void BuscaAnterior();
    std::optional<Coincidencia> CoincidenciaActual() const;

    // Raised by Ctrl+F and "BUSCAR" (the view opens its "Buscar" box) and by "EXPORTAR" (the view
    // asks where).
    std::function<void()> AbreBusqueda;
    std::function<void()> PideExportar;

private:
    // A command the user started that fails ends there: the error is shown and the window stays.
    component::AtencionEventos eventos_;
    void MuestraPaginaVista();
    void EtiquetaPagina();
    void GrabaPaginaVista();
    void MuestraCoincidencia();
    void AjustaZoom();

    int32_t width_ = 12000;
    int32_t height_ = 9000;
    int32_t previewWidth_ = 11900;
    int32_t previewHeight_ = 7400;
    struct Espacio {
        int32_t ancho, alto, anchoConBarra;
    };
    std::optional<Espacio> espacio_;

    std::unique_ptr<IndiceTextos> indice_;
    std::vector<Coincidencia> coincidencias_;
    std::size_t actual_ = 0;
};

}  // namespace report
