#pragma once
// A small SQL tokenizer: enough to tell literals, identifiers and comments apart, so the
// read-only checks and the date rewrite never look inside a quoted value.
#include <QString>
#include <QStringView>
#include <vector>

namespace ado::detalle {

enum class ClaseToken {
    Palabra,        // keyword or bare identifier: letters, digits, '_', '$'
    Identificador,  // quoted identifier: "..." [...] `...`
    Cadena,         // '...' with '' for a quote
    Numero,
    Simbolo,        // one character of punctuation or operator
};

struct Token {
    ClaseToken clase;
    qsizetype inicio;  // [inicio, fin) in the text
    qsizetype fin;
};

// Blanks and comments (-- to end of line, /* */) are skipped; an unterminated literal or
// comment runs to the end of the text (the engine reports it).
std::vector<Token> Tokens(QStringView sql);

inline QStringView TextoDe(QStringView sql, const Token& t) { return sql.mid(t.inicio, t.fin - t.inicio); }
inline bool EsSimbolo(QStringView sql, const Token& t, QChar c) {
    return t.clase == ClaseToken::Simbolo && sql[t.inicio] == c;
}

// True when nothing but ';' follows the first ';' outside literals and comments.
bool UnaSolaSentencia(QStringView sql, const std::vector<Token>& tokens);

// Why a statement given to a server through the generic provider is refused, or "" when it is
// a single SELECT that creates nothing (no SELECT ... INTO).
QString MotivoRechazo(QStringView sql);

}  // namespace ado::detalle
