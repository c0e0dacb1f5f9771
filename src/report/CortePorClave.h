#pragma once
// The rows of one key at a time from a recordset ordered by that key, taken as a walk over the same
// keys in the same order reaches each: one query for the whole walk instead of one per key. Keys
// are only compared for equality, never ordered here (an engine's collation is not byte order), so
// the set must be ordered by the walk's own order expression and hold no key the walk never visits.
#include "ado/Recordset.h"

#include <QSet>
#include <QString>

namespace report {

class CortePorClave {
public:
    // `filas` open and ordered first by the key in field `campo`, as the walk orders its keys.
    CortePorClave(ado::Recordset filas, const char* campo);

    // Whether the current row is of `clave`. The first call for a key skips the rows left of the
    // keys the walk has passed, read or not.
    bool En(const QString& clave);
    // The next row, of this key or a later one.
    void Siguiente() { filas_.MoveNext(); }
    // The current row's fields.
    const ado::Recordset& Filas() const { return filas_; }

private:
    QString Clave() const { return campo_.Value().Texto(); }

    ado::Recordset filas_;
    ado::Field campo_;  // lives as long as `filas_`
    QString actual_;
    bool empezada_ = false;
    QSet<QString> pasadas_;  // grows with the keys, not with the rows
};

}  // namespace report
