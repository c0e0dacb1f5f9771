#pragma once
// Date helpers with the runtime's rules.
#include <QDate>
#include <QTime>

namespace vb {

// DateSerial: month and day may run over or under; day 0 is the last day of the previous month.
QDate DateSerial(int anio, int mes, int dia);
QDate Hoy();          // the runtime's Date
QTime HoraActual();   // the runtime's Time

}  // namespace vb
