#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// Splits Jet or SQLite SQL text into tokens. Strings, bracketed names and #date# literals are
// single tokens, so rewriting never reaches inside them.
namespace jet {

enum class TokenKind {
    Space,       // blanks and line breaks
    Word,        // keyword or plain name
    QuotedName,  // [name] or `name`
    String,      // 'text' (quotes doubled inside); Jet also accepts "text"
    Date,        // #...#
    Number,
    Parameter,  // ?
    Symbol,     // operators and punctuation, one token per operator
};

struct Token {
    TokenKind kind;
    QString text;

    bool isWord(QStringView word) const {
        return kind == TokenKind::Word && text.compare(word, Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QStringView symbol) const { return kind == TokenKind::Symbol && text == symbol; }
    // The name a Word or QuotedName token stands for, without brackets.
    QString name() const;
    // The value of a String token, quotes removed and doubled quotes undone.
    QString stringValue() const;
};

struct TokenizeResult {
    std::vector<Token> tokens;
    QString error;  // empty when the text was split completely
};

TokenizeResult tokenize(const QString& sql);

// Joins tokens back into text.
QString joinTokens(const std::vector<Token>& tokens);

}  // namespace jet
