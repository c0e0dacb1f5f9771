#include "ado/FormaSql.h"

#include "ado/Lexico.h"

namespace ado::detalle {
namespace {

bool EsPalabra(QStringView sql, const Token& t, QStringView palabra) {
    return t.clase == ClaseToken::Palabra && TextoDe(sql, t).compare(palabra, Qt::CaseInsensitive) == 0;
}

bool PegadoAPalabra(QStringView sql, qsizetype posicion) {
    if (posicion < 0 || posicion >= sql.size()) return false;
    const QChar c = sql[posicion];
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// A value the text compares with: after = < > (and their pairs), BETWEEN, or the AND of a BETWEEN.
bool PosicionDeValor(QStringView sql, const std::vector<Token>& tokens, std::size_t i, const std::vector<bool>& separado) {
    if (i == 0) return false;
    const Token& previo = tokens[i - 1];
    if (EsSimbolo(sql, previo, u'=') || EsSimbolo(sql, previo, u'<') || EsSimbolo(sql, previo, u'>')) return true;
    if (EsPalabra(sql, previo, u"BETWEEN")) return true;
    return i >= 3 && EsPalabra(sql, previo, u"AND") && separado[i - 2] && EsPalabra(sql, tokens[i - 3], u"BETWEEN");
}

}  // namespace

FormaSql SeparaValores(QStringView sql, Dialecto dialecto) {
    FormaSql forma;
    const std::vector<Token> tokens = Tokens(sql, dialecto);
    std::vector<bool> separado(tokens.size(), false);
    QString tipos;
    qsizetype copiado = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.clase != ClaseToken::Cadena && t.clase != ClaseToken::Numero) continue;
        if (PegadoAPalabra(sql, t.inicio - 1) || PegadoAPalabra(sql, t.fin)) continue;  // X'..', 0x1F, 1e
        if (!PosicionDeValor(sql, tokens, i, separado)) continue;
        const QStringView texto = TextoDe(sql, t);
        ValorSeparado valor;
        if (t.clase == ClaseToken::Cadena) {
            // E'..' and $$..$$ read other escapes; an unterminated one the engine reports.
            if (texto.size() < 2 || !texto.startsWith(u'\'') || !texto.endsWith(u'\'')) continue;
            valor.texto = texto.mid(1, texto.size() - 2).toString().replace(QStringLiteral("''"), QStringLiteral("'"));
            tipos += u'T';
        } else {
            bool ok = false;
            valor.numero = texto.toLongLong(&ok);
            // A wider one is another type of literal on some servers.
            if (!ok || texto.contains(u'.') || valor.numero != int32_t(valor.numero)) continue;
            valor.entero = true;
            tipos += u'I';
        }
        separado[i] = true;
        forma.sql += sql.mid(copiado, t.inicio - copiado);
        forma.marcas.push_back(forma.sql.size());
        forma.sql += u'?';
        copiado = t.fin;
        forma.valores.push_back(std::move(valor));
    }
    forma.sql += sql.mid(copiado);
    forma.clave = forma.sql + u'\x01' + tipos;
    return forma;
}

QString FormaSql::ConMarcasNumeradas() const {
    QString r;
    qsizetype copiado = 0;
    for (std::size_t i = 0; i < marcas.size(); ++i) {
        r += QStringView(sql).mid(copiado, marcas[i] - copiado);
        r += u'$' + QString::number(i + 1);
        copiado = marcas[i] + 1;
    }
    r += QStringView(sql).mid(copiado);
    return r;
}

}  // namespace ado::detalle
