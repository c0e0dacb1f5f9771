#pragma once
// A report run's progress on the program's terminal: one line on its standard error, rewritten in place a few
// times a second and wiped when the run ends. Where the standard error is no terminal (a pipe, a
// file, a log) nothing is written.
#include "component/Servicios.h"

#include <QElapsedTimer>
#include <QString>

namespace app {

class ProgresoConsola : public component::ProgresoCorrida {
public:
    explicit ProgresoConsola(QString prefijo) : prefijo_(std::move(prefijo)) {}
    ~ProgresoConsola() override;
    bool Avanza(const component::AvanceCorrida& avance) override;

    // True when the standard error is a terminal.
    static bool HayTerminal();

private:
    QString prefijo_;
    QElapsedTimer ultimaVez_;
    bool escrito_ = false;
};

}  // namespace app
