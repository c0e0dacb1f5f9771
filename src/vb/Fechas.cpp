#include "vb/Fechas.h"

#include <QDateTime>
#include <cstdlib>

namespace vb {
namespace {

// ZR_RELOJ=YYYY-MM-DDTHH:MM:SS fixes the clock, so listings that print today's date repeat.
QDateTime Ahora() {
    if (const char* fijo = std::getenv("ZR_RELOJ"); fijo && *fijo) {
        const QDateTime dt = QDateTime::fromString(QString::fromLatin1(fijo), Qt::ISODate);
        if (dt.isValid()) return dt;
    }
    return QDateTime::currentDateTime();
}

int DivisionPiso(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

QDate DateSerial(int anio, int mes, int dia) {
    if (anio >= 0 && anio <= 29) anio += 2000;       // two-digit years, as the runtime reads them
    else if (anio >= 30 && anio <= 99) anio += 1900;
    const int desde0 = mes - 1;
    const int ajusteAnio = DivisionPiso(desde0, 12);
    const int mesNormal = desde0 - ajusteAnio * 12 + 1;
    return QDate(anio + ajusteAnio, mesNormal, 1).addDays(qint64(dia) - 1);
}

QDate Hoy() { return Ahora().date(); }
QTime HoraActual() { return Ahora().time(); }

}  // namespace vb
