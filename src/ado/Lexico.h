#pragma once
// A small SQL tokenizer: enough to tell literals, identifiers and comments apart, so the
// read-only checks and the date rewrite never look inside a quoted value.
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace ado::detalle {

enum class ClaseToken {
    Palabra,        // keyword or bare identifier: letters, digits, '_', '$'
    Identificador,  // quoted identifier: "..." [...] `...`
    Cadena,         // '...' with '' for a quote
    Numero,
    Simbolo,        // one character of punctuation or operator
};

// How the engine reads the text. The provider makes a backslash an ordinary character in quoted
// literals for the session (standard strings on PostgreSQL, NO_BACKSLASH_ESCAPES on MySQL and
// MariaDB); what is left to tell apart is each engine's own quoting and comments.
enum class Dialecto {
    Estandar,  // SQLite, SQL Server and the rest: [bracketed] identifiers
    Postgres,  // E'\'' escape strings, $tag$ quoting, nested /* */ comments
    MySql,     // # comments, "-- " needs a blank, /*! */ comments are run by the server
};

struct Token {
    ClaseToken clase;
    qsizetype inicio;  // [inicio, fin) in the text
    qsizetype fin;
};

// Blanks and comments (-- to end of line, /* */) are skipped; an unterminated literal or
// comment runs to the end of the text (the engine reports it).
std::vector<Token> Tokens(QStringView sql, Dialecto dialecto = Dialecto::Estandar);

inline QStringView TextoDe(QStringView sql, const Token& t) { return sql.mid(t.inicio, t.fin - t.inicio); }
inline bool EsSimbolo(QStringView sql, const Token& t, QChar c) {
    return t.clase == ClaseToken::Simbolo && sql[t.inicio] == c;
}

// A bare or qualified column name (a.b), or a whole number, starting at token i.
struct Operando {
    size_t siguiente;  // index of the token after the operand
    QString tabla;     // upper case, empty when bare
    QString columna;   // upper case
    bool numero = false;
};
std::optional<Operando> LeeOperando(QStringView sql, const std::vector<Token>& t, size_t i);

// True when nothing but ';' follows the first ';' outside literals and comments.
bool UnaSolaSentencia(QStringView sql, const std::vector<Token>& tokens);

// Why a statement given to a server through the generic provider is refused, or "" when it is
// a single SELECT that creates nothing (no SELECT ... INTO).
QString MotivoRechazo(QStringView sql, Dialecto dialecto = Dialecto::Estandar);

}  // namespace ado::detalle
