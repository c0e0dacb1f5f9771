#include "ado/Lexico.h"

namespace ado::detalle {
namespace {

bool EmpiezaPalabra(QChar c) { return c.isLetter() || c == u'_'; }
bool SiguePalabra(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// End of a literal opened at i whose closing character is `cierre`; a doubled closer stays inside,
// and with `barra` a backslash takes the next character with it.
qsizetype FinDelimitado(QStringView s, qsizetype i, QChar cierre, bool barra = false) {
    qsizetype j = i + 1;
    while (j < s.size()) {
        if (barra && s[j] == u'\\') {
            j += 2;
            continue;
        }
        if (s[j] == cierre) {
            if (j + 1 < s.size() && s[j + 1] == cierre) { j += 2; continue; }
            return j + 1;
        }
        ++j;
    }
    return s.size();
}

// End of a /* */ comment opened at i; PostgreSQL's nest.
qsizetype FinComentario(QStringView s, qsizetype i, bool anidados) {
    int nivel = 1;
    qsizetype j = i + 2;
    while (j < s.size()) {
        if (s[j] == u'*' && j + 1 < s.size() && s[j + 1] == u'/') {
            j += 2;
            if (--nivel == 0) return j;
        } else if (anidados && s[j] == u'/' && j + 1 < s.size() && s[j + 1] == u'*') {
            j += 2;
            ++nivel;
        } else {
            ++j;
        }
    }
    return s.size();
}

// A PostgreSQL dollar quote at i ("$$" or "$tag$"): the length of its delimiter, or 0.
qsizetype Dolar(QStringView s, qsizetype i) {
    qsizetype j = i + 1;
    if (j < s.size() && EmpiezaPalabra(s[j]))
        while (j < s.size() && (s[j].isLetterOrNumber() || s[j] == u'_')) ++j;
    return j < s.size() && s[j] == u'$' ? j + 1 - i : 0;
}

}  // namespace

std::vector<Token> Tokens(QStringView s, Dialecto dialecto) {
    const bool postgres = dialecto == Dialecto::Postgres;
    const bool mysql = dialecto == Dialecto::MySql;
    std::vector<Token> r;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) { ++i; continue; }
        const bool guiones = c == u'-' && i + 1 < n && s[i + 1] == u'-' &&
                             (!mysql || i + 2 >= n || s[i + 2].isSpace() || s[i + 2].category() == QChar::Other_Control);
        if (guiones || (mysql && c == u'#')) {
            while (i < n && s[i] != u'\n') ++i;
            continue;
        }
        // MySQL runs what stands in /*! */ and /*M! */, so there it is text like any other.
        if (c == u'/' && i + 1 < n && s[i + 1] == u'*' &&
            !(mysql && i + 2 < n && (s[i + 2] == u'!' || (s[i + 2] == u'M' && i + 3 < n && s[i + 3] == u'!')))) {
            i = FinComentario(s, i, postgres);
            continue;
        }
        const qsizetype inicio = i;
        const bool escape = postgres && (c == u'E' || c == u'e') && i + 1 < n && s[i + 1] == u'\'';
        if (c == u'\'' || escape) {
            i = FinDelimitado(s, escape ? i + 1 : i, u'\'', escape);
            r.push_back({ClaseToken::Cadena, inicio, i});
        } else if (qsizetype d = postgres && c == u'$' ? Dolar(s, i) : 0; d > 0) {
            const qsizetype fin = s.indexOf(s.mid(i, d), i + d);
            i = fin < 0 ? n : fin + d;
            r.push_back({ClaseToken::Cadena, inicio, i});
        } else if (c == u'"' || (c == u'`' && !postgres) || (c == u'[' && dialecto == Dialecto::Estandar)) {
            i = FinDelimitado(s, i, c == u'[' ? QChar(u']') : c);
            r.push_back({ClaseToken::Identificador, inicio, i});
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit())) {
            while (i < n && (s[i].isDigit() || s[i] == u'.')) ++i;
            if (i < n && (s[i] == u'e' || s[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (s[j] == u'+' || s[j] == u'-')) ++j;
                if (j < n && s[j].isDigit()) {
                    i = j;
                    while (i < n && s[i].isDigit()) ++i;
                }
            }
            r.push_back({ClaseToken::Numero, inicio, i});
        } else if (EmpiezaPalabra(c)) {
            while (i < n && SiguePalabra(s[i])) ++i;
            r.push_back({ClaseToken::Palabra, inicio, i});
        } else {
            ++i;
            r.push_back({ClaseToken::Simbolo, inicio, i});
        }
    }
    return r;
}

// A bare or qualified column name (a.b), or a whole number, starting at token i.
std::optional<Operando> LeeOperando(QStringView sql, const std::vector<Token>& t, size_t i) {
    if (i >= t.size()) return std::nullopt;
    if (t[i].clase == ClaseToken::Numero) {
        const QStringView n = TextoDe(sql, t[i]);
        for (QChar c : n)
            if (!c.isDigit()) return std::nullopt;
        return Operando{i + 1, {}, {}, true};
    }
    if (t[i].clase != ClaseToken::Palabra) return std::nullopt;
    if (i + 2 < t.size() && EsSimbolo(sql, t[i + 1], u'.') && t[i + 2].clase == ClaseToken::Palabra
        && t[i + 1].inicio == t[i].fin && t[i + 2].inicio == t[i + 1].fin)
        return Operando{i + 3, TextoDe(sql, t[i]).toString().toUpper(), TextoDe(sql, t[i + 2]).toString().toUpper()};
    return Operando{i + 1, {}, TextoDe(sql, t[i]).toString().toUpper()};
}

bool UnaSolaSentencia(QStringView sql, const std::vector<Token>& tokens) {
    bool terminada = false;
    for (const Token& t : tokens) {
        if (EsSimbolo(sql, t, u';')) terminada = true;
        else if (terminada) return false;
    }
    return true;
}

QString MotivoRechazo(QStringView sql, Dialecto dialecto) {
    const std::vector<Token> tokens = Tokens(sql, dialecto);
    if (!UnaSolaSentencia(sql, tokens))
        return QStringLiteral("Solo se admite una instrucción por consulta");
    if (tokens.empty() || tokens.front().clase != ClaseToken::Palabra
        || TextoDe(sql, tokens.front()).compare(u"SELECT", Qt::CaseInsensitive) != 0)
        return QStringLiteral("La conexión es de solo lectura: solo se admiten consultas SELECT");
    for (const Token& t : tokens)
        if (t.clase == ClaseToken::Palabra && TextoDe(sql, t).compare(u"INTO", Qt::CaseInsensitive) == 0)
            return QStringLiteral("La conexión es de solo lectura: una consulta no puede crear tablas (INTO)");
    return {};
}

}  // namespace ado::detalle
