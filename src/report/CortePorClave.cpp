#include "report/CortePorClave.h"

namespace report {

CortePorClave::CortePorClave(ado::Recordset filas, const char* campo)
    : filas_(std::move(filas)), campo_(filas_.Fields(campo)) {}

bool CortePorClave::En(const QString& clave) {
    if (!empezada_ || clave != actual_) {
        if (empezada_) pasadas_.insert(actual_);
        actual_ = clave;
        empezada_ = true;
        while (!filas_.EOF_() && pasadas_.contains(Clave())) filas_.MoveNext();
    }
    return !filas_.EOF_() && Clave() == clave;
}

}  // namespace report
