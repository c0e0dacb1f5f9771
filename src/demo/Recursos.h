#pragma once
// The data/ tables, built into the program so that the demo needs no files at run time.
#include <QByteArray>

namespace demo {

QByteArray TextoEsquema();  // data/esquema.txt
QByteArray TextoTablas();   // data/demo.txt

}  // namespace demo
