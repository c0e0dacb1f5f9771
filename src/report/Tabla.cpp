#include "report/Tabla.h"

#include <QRegularExpression>

namespace report {

QString TituloDocumento(const Documento& documento) {
    static const QRegularExpression reporte(QStringLiteral("^Reporte\\s*:(.*)$"));
    if (documento.empty()) return {};
    for (const Registro& r : documento.front())
        if (const auto* t = std::get_if<Texto>(&r))
            if (const auto m = reporte.match(t->texto); m.hasMatch()) return m.captured(1).trimmed();
    return {};
}

}  // namespace report
