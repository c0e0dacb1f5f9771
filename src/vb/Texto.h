#pragma once
// Text helpers counting UTF-16 units, as the runtime's strings do.
#include <QString>

namespace vb {

QString Left(const QString& s, int n);    // n < 0: error 5
QString Right(const QString& s, int n);
QString Mid(const QString& s, int inicio, int n = -1);  // 1-based start; n < 0: to the end
QString Trim(const QString& s);           // spaces only, not tabs or line breaks
QString LTrim(const QString& s);
QString RTrim(const QString& s);

}  // namespace vb
