#include "progreso_consola.h"

#include "consola.h"

#include <QLocale>
#include <unistd.h>

namespace app {

namespace {

constexpr qint64 Intervalo = 200;  // ms between rewrites of the line

}  // namespace

bool ProgresoConsola::HayTerminal() { return isatty(STDERR_FILENO) == 1; }

ProgresoConsola::~ProgresoConsola() {
    if (!escrito_) return;
    Escribe(Flujo::Errores, QStringLiteral("\r\033[K"));  // what follows starts on a clean line
}

bool ProgresoConsola::Avanza(const component::AvanceCorrida& avance) {
    if (ultimaVez_.isValid() && ultimaVez_.elapsed() < Intervalo) return true;
    ultimaVez_.start();
    const QLocale mexico(QLocale::Spanish, QLocale::Mexico);
    const QString linea = QStringLiteral("%1: %2 %3, %4 registros leídos")
                              .arg(prefijo_, mexico.toString(avance.paginas),
                                   avance.paginas == 1 ? QStringLiteral("página") : QStringLiteral("páginas"),
                                   mexico.toString(avance.filas));
    Escribe(Flujo::Errores, QStringLiteral("\r\033[K") + linea);
    escrito_ = true;
    return true;
}

}  // namespace app
