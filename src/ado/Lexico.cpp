#include "ado/Lexico.h"

namespace ado::detalle {
namespace {

bool EmpiezaPalabra(QChar c) { return c.isLetter() || c == u'_'; }
bool SiguePalabra(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// End of a literal opened at i whose closing character is `cierre`; a doubled closer stays inside.
qsizetype FinDelimitado(QStringView s, qsizetype i, QChar cierre) {
    qsizetype j = i + 1;
    while (j < s.size()) {
        if (s[j] == cierre) {
            if (j + 1 < s.size() && s[j + 1] == cierre) { j += 2; continue; }
            return j + 1;
        }
        ++j;
    }
    return s.size();
}

}  // namespace

std::vector<Token> Tokens(QStringView s) {
    std::vector<Token> r;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) { ++i; continue; }
        if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
            while (i < n && s[i] != u'\n') ++i;
            continue;
        }
        if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
            const qsizetype fin = s.indexOf(u"*/", i + 2);
            i = fin < 0 ? n : fin + 2;
            continue;
        }
        const qsizetype inicio = i;
        if (c == u'\'') {
            i = FinDelimitado(s, i, u'\'');
            r.push_back({ClaseToken::Cadena, inicio, i});
        } else if (c == u'"' || c == u'`' || c == u'[') {
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

bool UnaSolaSentencia(QStringView sql, const std::vector<Token>& tokens) {
    bool terminada = false;
    for (const Token& t : tokens) {
        if (EsSimbolo(sql, t, u';')) terminada = true;
        else if (terminada) return false;
    }
    return true;
}

QString MotivoRechazo(QStringView sql) {
    const std::vector<Token> tokens = Tokens(sql);
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
