#include "ui/ImpresoraQt.h"

#include "render/Exportacion.h"
#include "vb/ErrorEjecucion.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t ErrorImpresora = 482;

}  // namespace

void ImprimeEn(QPrinter& impresora, const report::Documento& paginas) {
    report::Documento elegidas;
    const int total = static_cast<int>(paginas.size());
    int desde = 1;
    int hasta = total;
    if (impresora.printRange() == QPrinter::PageRange && impresora.fromPage() > 0) {
        desde = std::max(1, impresora.fromPage());
        hasta = std::min(total, impresora.toPage() > 0 ? impresora.toPage() : total);
    }
    // Copies the printer makes itself come back as one here.
    const int copias = impresora.supportsMultipleCopies() ? 1 : std::max(1, impresora.copyCount());
    const bool intercaladas = impresora.collateCopies();
    for (int c = 0; c < (intercaladas ? copias : 1); ++c)
        for (int n = desde; n <= hasta; ++n)
            for (int r = 0; r < (intercaladas ? 1 : copias); ++r) elegidas.push_back(paginas[static_cast<std::size_t>(n - 1)]);
    if (elegidas.empty()) return;

    if (!render::PintaDocumento(impresora, elegidas))
        throw vb::ErrorEjecucion(ErrorImpresora,
                                 QStringLiteral("Error de impresora: no se pudo imprimir en %1").arg(impresora.printerName()));
}

void ImpresoraQt::ImprimeDocumento(const report::Documento& paginas) {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    impresora.setFullPage(true);
    impresora.setDocName(QStringLiteral("Vista preliminar"));

    QPrintDialog dialogo(&impresora, QApplication::activeWindow());
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    dialogo.setMinMax(1, std::max<int>(1, static_cast<int>(paginas.size())));
    if (dialogo.exec() != QDialog::Accepted) return;
    ImprimeEn(impresora, paginas);
}

}  // namespace ui
