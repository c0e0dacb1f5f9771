#include "ado/SumaFechas.h"

#include "ado/Lexico.h"

namespace ado::detalle {
namespace {

bool EsColumnaFecha(const Operando& o, const ColumnasFecha& f) {
    if (o.numero) return false;
    if (!o.tabla.isEmpty() && f.tablas.contains(o.tabla)) return f.calificadas.contains(o.tabla + u'.' + o.columna);
    // A qualifier that is not a table is an alias: judge the column by its name alone.
    return f.sinCalificar.contains(o.columna);
}

}  // namespace

void ColumnasFecha::Agrega(const QString& tabla, const QString& columna, bool esFecha) {
    const QString t = tabla.toUpper(), c = columna.toUpper();
    tablas.insert(t);
    if (!esFecha) return;
    calificadas.insert(t + u'.' + c);
    sinCalificar.insert(c);
}

QString ReescribeSumaFechas(const QString& sql, const ColumnasFecha& fechas, SumaDias motor) {
    if (!sql.contains(u'+') || (fechas.sinCalificar.isEmpty() && fechas.calificadas.isEmpty())) return sql;
    const QStringView s(sql);
    const std::vector<Token> t = Tokens(s, motor == SumaDias::MySql ? Dialecto::MySql : Dialecto::Estandar);
    QString r;
    qsizetype copiado = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (!EsSimbolo(s, t[i], u'(')) continue;
        const auto a = LeeOperando(s, t, i + 1);
        if (!a || a->siguiente >= t.size() || !EsSimbolo(s, t[a->siguiente], u'+')) continue;
        const auto b = LeeOperando(s, t, a->siguiente + 1);
        if (!b || b->siguiente >= t.size() || !EsSimbolo(s, t[b->siguiente], u')')) continue;
        if (!EsColumnaFecha(*a, fechas)) continue;
        const Token& finA = t[a->siguiente - 1];
        const Token& inicioB = t[a->siguiente + 1];
        const Token& finB = t[b->siguiente - 1];
        const QStringView fecha = s.mid(t[i + 1].inicio, finA.fin - t[i + 1].inicio);
        const QStringView dias = s.mid(inicioB.inicio, finB.fin - inicioB.inicio);
        r += s.mid(copiado, t[i].inicio - copiado);
        const bool mysql = motor == SumaDias::MySql;
        r += mysql ? u"(DATE_ADD(" : u"(date(";
        r += fecha;
        r += mysql ? u", INTERVAL " : u", ";
        r += dias;
        r += mysql ? u" DAY))" : u" || ' days'))";
        copiado = t[b->siguiente].fin;
        i = b->siguiente;
    }
    if (copiado == 0) return sql;
    r += s.mid(copiado);
    return r;
}

}  // namespace ado::detalle
