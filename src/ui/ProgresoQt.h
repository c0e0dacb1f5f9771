#pragma once
// The desktop's view of a report run: half a second after it starts, a dialog over the window
// shows the pages drawn and the rows read, with "Cancelar" to stop the run.
#include "component/Servicios.h"

#include <QElapsedTimer>
#include <memory>

class QProgressDialog;

namespace ui {

class ProgresoQt : public component::ProgresoCorrida {
public:
    ProgresoQt();
    ~ProgresoQt() override;
    bool Avanza(const component::AvanceCorrida& avance) override;

protected:
    QProgressDialog& Dialogo() { return *dialogo_; }

private:
    std::unique_ptr<QProgressDialog> dialogo_;
    QElapsedTimer desdeInicio_;
    QElapsedTimer ultimaVez_;
};

}  // namespace ui
