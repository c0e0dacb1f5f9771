#include "ui/VistaPagina.h"

#include "render/PintaPagina.h"
#include "report/Superficie.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace ui {

namespace {

constexpr int Margen = 12;           // desk around the sheet, pixels
constexpr int Sombra = 3;
constexpr double TwipsPorPulgada = 1440.0;

}  // namespace

VistaPagina::VistaPagina(const report::Superficie& superficie, QWidget* padre) : QWidget(padre), superficie_(superficie) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Actualiza();
}

double VistaPagina::Escala() const { return logicalDpiX() / TwipsPorPulgada * superficie_.Zoom() / 100.0; }

QRectF VistaPagina::Hoja() const {
    const double escala = Escala();
    return QRectF(Margen, Margen, report::AnchoHoja * escala, report::AltoHoja * escala);
}

int VistaPagina::Borde() { return 2 * Margen + Sombra; }

void VistaPagina::Actualiza() {
    const QRectF hoja = Hoja();
    setFixedSize(static_cast<int>(std::ceil(hoja.right())) + Margen + Sombra,
                 static_cast<int>(std::ceil(hoja.bottom())) + Margen + Sombra);
    update();
}

void VistaPagina::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    p.setClipRegion(evento->region());
    p.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF hoja = Hoja();
    p.fillRect(hoja.translated(Sombra, Sombra), QColor(0x50, 0x50, 0x50));
    p.fillRect(hoja, Qt::white);

    const auto& paginas = superficie_.Paginas();
    const int vista = superficie_.PreviewPage();
    if (vista >= 1 && vista <= static_cast<int>(paginas.size()))
        render::PintaPagina(p, paginas[static_cast<std::size_t>(vista - 1)], hoja);
    if (Resaltado)
        if (const std::optional<QRectF> marca = Resaltado()) {
            const QRectF r = EnPixeles(*marca).adjusted(-2, -1, 2, 1);
            p.fillRect(r, QColor(255, 200, 0, 110));
            p.setPen(QPen(QColor(230, 120, 0), 1.5));
            p.drawRect(r);
        }
}

QRectF VistaPagina::EnPixeles(const QRectF& twips) const {
    const double escala = Escala();
    const QRectF hoja = Hoja();
    return QRectF(hoja.left() + (twips.x() + report::OrigenX) * escala, hoja.top() + (twips.y() + report::OrigenY) * escala,
                  twips.width() * escala, twips.height() * escala);
}

}  // namespace ui
