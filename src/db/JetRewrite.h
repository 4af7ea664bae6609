#pragma once

// Shared by the parts of the Jet translator: token helpers and the rewriting of expressions.

#include <QString>
#include <vector>

#include "db/JetTranslator.h"
#include "db/SqlTokenizer.h"

namespace jet::rewrite {

using Tokens = std::vector<Token>;
constexpr size_t npos = static_cast<size_t>(-1);

// Thrown inside the translator and turned into Translation::error at its boundary.
struct TranslateError {
    QString reason;
};
[[noreturn]] void fail(const QString& reason);

Token word(const QString& text);
Token symbol(const QString& text);
Token space();
Token numberToken(double value);
Token stringToken(const QString& value);

// The first token at or after `i` (before `end`) that is not blank; `end` when there is none.
size_t nextSignificant(const Tokens& t, size_t i, size_t end);
size_t nextSignificant(const Tokens& t, size_t i);
// The last token before `i` that is not blank; npos when there is none.
size_t prevSignificant(const Tokens& t, size_t i);
// The ")" that closes the "(" at `open`.
size_t matchParen(const Tokens& t, size_t open);

struct Range {
    size_t begin;
    size_t end;
};
// Ranges between top-level commas of [begin, end).
std::vector<Range> splitTopLevel(const Tokens& t, size_t begin, size_t end);
Tokens slice(const Tokens& t, size_t begin, size_t end);
Tokens trimmed(Tokens t);
void append(Tokens& out, const Tokens& more);
bool isName(const Token& t);

// Rewrites the expressions of tokens [begin, end): date literals, Jet functions, operators.
Tokens rewriteExpression(const Tokens& in, size_t begin, size_t end);
// Turns text compared with or assigned to a date or yes/no column into the stored value.
void convertTypedLiterals(const SchemaInfo& schema, Tokens& tokens);

}  // namespace jet::rewrite
