#include "ui/ProgresoQt.h"

#include <QApplication>
#include <QLocale>
#include <QProgressDialog>

namespace ui {

namespace {

constexpr int EsperaAntesDeMostrar = 500;  // ms: a short run shows no dialog at all
constexpr qint64 Intervalo = 40;           // ms between looks at the event queue

QString Texto(const component::AvanceCorrida& a) {
    const QLocale mexico(QLocale::Spanish, QLocale::Mexico);
    return QStringLiteral("Páginas: %1\nRegistros leídos: %2").arg(mexico.toString(a.paginas), mexico.toString(a.filas));
}

}  // namespace

ProgresoQt::ProgresoQt() : dialogo_(std::make_unique<QProgressDialog>(QApplication::activeWindow())) {
    QProgressDialog& d = *dialogo_;
    d.setWindowTitle(QStringLiteral("Generando la consulta"));
    d.setLabelText(Texto({}));
    d.setCancelButtonText(QStringLiteral("Cancelar"));
    d.setRange(0, 0);  // how many pages a run draws is known only at its end
    d.setAutoReset(false);
    d.setAutoClose(false);
    d.setWindowModality(Qt::ApplicationModal);
    d.hide();  // until the run has lasted long enough
    desdeInicio_.start();
}

// The window under the dialog gets the keyboard back, as a window manager would give it.
ProgresoQt::~ProgresoQt() {
    QWidget* ventana = dialogo_->parentWidget();
    const bool visto = dialogo_->isVisible();
    dialogo_.reset();
    if (visto && ventana) ventana->activateWindow();
}

bool ProgresoQt::Avanza(const component::AvanceCorrida& avance) {
    if (dialogo_->wasCanceled()) return false;
    if (ultimaVez_.isValid() && ultimaVez_.elapsed() < Intervalo) return true;
    ultimaVez_.start();
    dialogo_->setLabelText(Texto(avance));
    if (!dialogo_->isVisible() && desdeInicio_.elapsed() >= EsperaAntesDeMostrar) dialogo_->show();
    // Until the dialog is up the user's keys and clicks wait: the window under it must not start
    // a second run or close under this one. Once up, it is modal and takes them itself.
    QCoreApplication::processEvents(dialogo_->isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !dialogo_->wasCanceled();
}

}  // namespace ui
