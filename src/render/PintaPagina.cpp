#include "render/PintaPagina.h"

#include "render/Color.h"
#include "render/Fuente.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <map>
#include <utility>

namespace render {

namespace {

using report::AltoHoja;
using report::AnchoHoja;

// One font and its metrics per size and weight, for the texts of one page.
class Fuentes {
public:
    const std::pair<QFont, QFontMetricsF>& de(int32_t puntos, bool negrita) {
        const auto clave = std::make_pair(puntos, negrita);
        auto it = cache_.find(clave);
        if (it == cache_.end()) {
            QFont fuente = FuentePagina(puntos, negrita);
            it = cache_.emplace(clave, std::make_pair(fuente, QFontMetricsF(fuente))).first;
        }
        return it->second;
    }

private:
    std::map<std::pair<int32_t, bool>, std::pair<QFont, QFontMetricsF>> cache_;
};

// The text's top sits at y and, right-aligned, its right edge at x, as the page files place it;
// Qt draws from the baseline.
QPointF Punto(const report::Texto& t, const QFontMetricsF& metricas) {
    qreal x = t.x;
    if (t.alineacion == report::AlineaDerecha) x -= metricas.horizontalAdvance(t.texto);
    return QPointF(x, t.y + metricas.ascent());
}

class Pintor {
public:
    Pintor(QPainter& p, qreal twipsPorPixel) : p_(p), grosorMinimo_(twipsPorPixel) {}

    void operator()(const report::Texto& t) {
        const auto& [fuente, metricas] = fuentes_.de(t.tamano, t.negrita);
        p_.setFont(fuente);
        p_.setPen(ColorQt(t.color));
        p_.drawText(Punto(t, metricas), t.texto);
    }

    void operator()(const report::Linea& l) {
        // Never thinner than a device pixel, so rules stay visible at small zooms.
        QPen pluma(ColorQt(l.color), std::max<qreal>(report::GrosorLinea, grosorMinimo_));
        pluma.setCapStyle(Qt::FlatCap);
        p_.setPen(pluma);
        p_.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }

    void operator()(const report::Regla& r) {
        p_.fillRect(QRectF(r.x, r.y, r.ancho, r.alto).normalized(), ColorQt(report::ColorRegla));
    }

    void operator()(const report::Marca&) {}  // marks draw nothing
    void operator()(const report::Dato&) {}

private:
    QPainter& p_;
    qreal grosorMinimo_;
    Fuentes fuentes_;
};

}  // namespace

void PintaPagina(QPainter& pintor, const report::Pagina& pagina, const QRectF& hoja) {
    if (hoja.isEmpty()) return;
    pintor.save();
    // Nothing drawn past the paper: a band that runs beyond the sheet's edge is cut there.
    pintor.setClipRect(hoja, Qt::IntersectClip);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);
    pintor.translate(hoja.topLeft());
    pintor.scale(hoja.width() / AnchoHoja, hoja.height() / AltoHoja);
    pintor.translate(report::OrigenX, report::OrigenY);

    const qreal pixelEnTwips = 1.0 / std::max<qreal>(1e-9, pintor.deviceTransform().map(QLineF(0, 0, 1, 0)).length());
    Pintor pinta(pintor, pixelEnTwips);
    for (const report::Registro& registro : pagina) std::visit(pinta, registro);
    pintor.restore();
}

}  // namespace render
