#include "progreso_consola.h"

#include <QLocale>
#include <cstdio>
#include <unistd.h>

namespace app {

namespace {

constexpr qint64 Intervalo = 200;  // ms between rewrites of the line

}  // namespace

bool ProgresoConsola::HayTerminal() { return isatty(STDERR_FILENO) == 1; }

ProgresoConsola::~ProgresoConsola() {
    if (!escrito_) return;
    std::fputs("\r\033[K", stderr);  // what follows starts on a clean line
    std::fflush(stderr);
}

bool ProgresoConsola::Avanza(const component::AvanceCorrida& avance) {
    if (ultimaVez_.isValid() && ultimaVez_.elapsed() < Intervalo) return true;
    ultimaVez_.start();
    const QLocale mexico(QLocale::Spanish, QLocale::Mexico);
    const QString linea = QStringLiteral("%1: %2 %3, %4 registros leídos")
                              .arg(prefijo_, mexico.toString(avance.paginas),
                                   avance.paginas == 1 ? QStringLiteral("página") : QStringLiteral("páginas"),
                                   mexico.toString(avance.filas));
    std::fprintf(stderr, "\r\033[K%s", linea.toLocal8Bit().constData());
    std::fflush(stderr);
    escrito_ = true;
    return true;
}

}  // namespace app
