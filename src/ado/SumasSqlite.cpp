#include "ado/SumasSqlite.h"

#include "ado/Lexico.h"

namespace ado::detalle {

QString ReescribeSumas(const QString& sql) {
    const QStringView s(sql);
    const std::vector<Token> t = Tokens(s);
    QString r;
    qsizetype copiado = 0;
    for (size_t i = 0; i + 3 < t.size(); ++i) {
        if (t[i].clase != ClaseToken::Palabra || !EsSimbolo(s, t[i + 1], u'(')) continue;
        const QStringView funcion = TextoDe(s, t[i]);
        if (funcion.compare(u"SUM", Qt::CaseInsensitive) != 0 && funcion.compare(u"TOTAL", Qt::CaseInsensitive) != 0 &&
            funcion.compare(u"AVG", Qt::CaseInsensitive) != 0)
            continue;
        const auto a = LeeOperando(s, t, i + 2);
        if (!a || a->numero || a->siguiente >= t.size() || !EsSimbolo(s, t[a->siguiente], u')')) continue;
        const QStringView columna = s.mid(t[i + 2].inicio, t[a->siguiente - 1].fin - t[i + 2].inicio);
        r += s.mid(copiado, t[i + 2].inicio - copiado);
        r += u"compruebanumero(";
        r += columna;
        r += u",'";
        r += columna;
        r += u"')";
        copiado = t[a->siguiente - 1].fin;
        i = a->siguiente;
    }
    if (copiado == 0) return sql;
    r += s.mid(copiado);
    return r;
}

}  // namespace ado::detalle
