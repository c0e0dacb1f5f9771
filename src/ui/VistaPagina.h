#pragma once
// The page on view of a report surface, drawn by the page renderer at the surface's zoom on a
// grey desk; it sizes itself so a scroll area can move over it.
#include <QRectF>
#include <QWidget>

#include <functional>
#include <optional>

namespace report {
class Superficie;
}

namespace ui {

class VistaPagina : public QWidget {
public:
    explicit VistaPagina(const report::Superficie& superficie, QWidget* padre = nullptr);

    // Follows the surface's PreviewPage and Zoom.
    void Actualiza();

    // Pixels per twip at the current zoom on this screen.
    double Escala() const;
    // Where the sheet lies in this widget.
    QRectF Hoja() const;
    // Pixels this widget adds to the sheet across and down: the desk on both sides and the shadow.
    static int Borde();

    // A stretch of the page on view to mark (a text found), in twips from the drawing origin.
    std::function<std::optional<QRectF>()> Resaltado;
    // The same stretch in this widget's pixels.
    QRectF EnPixeles(const QRectF& twips) const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    const report::Superficie& superficie_;
};

}  // namespace ui
