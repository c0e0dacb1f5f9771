#pragma once
// The window "VISTA PRELIMINAR": seven command buttons, the zoom list, the page label and the
// page on view. The frmPreview form decides what every click and key does.
#include "ui/VistaFormulario.h"

#include <array>

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

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void VistaCambiada();
    void Acomoda();

    report::frmPreview& preview_;
    std::array<QPushButton*, 7> botones_{};
    QWidget* barra_ = nullptr;
    QScrollArea* area_ = nullptr;
    VistaPagina* pagina_ = nullptr;
    int paginaMostrada_ = 0;
};

// Registers the preview window's view with the UI port.
void RegistraVistaPreview();

}  // namespace ui
