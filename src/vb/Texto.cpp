#include "vb/Texto.h"

#include "vb/ErrorEjecucion.h"

namespace vb {
namespace {
void ExigeNoNegativo(int n) {
    if (n < 0) throw ErrorEjecucion(errores::LlamadaNoValida);
}
}  // namespace

QString Left(const QString& s, int n) { ExigeNoNegativo(n); return s.left(n); }
QString Right(const QString& s, int n) { ExigeNoNegativo(n); return s.right(n); }

QString Mid(const QString& s, int inicio, int n) {
    if (inicio < 1) throw ErrorEjecucion(errores::LlamadaNoValida);
    return n < 0 ? s.mid(inicio - 1) : s.mid(inicio - 1, n);
}

QString LTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ') ++i;
    return s.mid(i);
}

QString RTrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ') --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }

}  // namespace vb
