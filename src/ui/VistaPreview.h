#pragma once
// The window "VISTA PRELIMINAR": seven command buttons, "EXPORTAR" and "BUSCAR", the zoom list,
// the page label, the page on view with the text found marked, and the "Buscar" box that "BUSCAR"
// and Ctrl+F open. The frmPreview form decides what every click and key does.
#include "ui/VistaFormulario.h"

#include <array>

class QDialog;
class QLineEdit;
class QScrollArea;
class QPushButton;
class QWidget;

namespace report {
class frmPreview;
}

namespace ui {

class VistaPagina;

class VistaPreview : public VistaFormulario {
public:
    explicit VistaPreview(report::frmPreview& form, QWidget* padre = nullptr);
    ~VistaPreview() override;

    QPushButton* BotonFuncion(int indice) const { return botones_.at(static_cast<std::size_t>(indice)); }
    VistaPagina* Pagina() const { return pagina_; }
    QDialog* Buscar() const { return buscar_; }
    QLineEdit* TextoBuscado() const { return textoBuscado_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void VistaCambiada();
    void Acomoda();
    void CreaBuscar();
    void AbreBuscar();
    void Exporta();

    report::frmPreview& preview_;
    std::array<QPushButton*, 7> botones_{};
    QDialog* buscar_ = nullptr;
    QLineEdit* textoBuscado_ = nullptr;
    QWidget* barra_ = nullptr;
    QScrollArea* area_ = nullptr;
    VistaPagina* pagina_ = nullptr;
    int paginaMostrada_ = 0;
};

// Registers the preview window's view with the UI port.
void RegistraVistaPreview();

}  // namespace ui
