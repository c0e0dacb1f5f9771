#pragma once
// The runtime's Format for the patterns the reports use.
#include "vb/Currency.h"
#include "vb/Variant.h"

#include <QString>

namespace vb {

// "#,##0.00": "," groups thousands, "." decimals, half away from zero, leading "-".
QString FormatoMoneda(Currency c);
QString FormatoMoneda(double d);   // the Double is first taken at 15 significant digits
// Supported patterns: "#,##0.00", "dd/mmm/yyyy", "dd/mm/yyyy", "mmm/yyyy", "0#", "yyyy/mm/dd",
// "yyyymmdd", "yyyy-mm-dd". A Null gives "". Another pattern raises error 5.
QString Format(const Variant& v, QStringView patron);

// Spanish month abbreviations: 1 -> "ene" ... 12 -> "dic".
QString AbreviaturaMes(int mes);

}  // namespace vb
