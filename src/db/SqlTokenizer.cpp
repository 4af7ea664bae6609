#include "db/SqlTokenizer.h"

namespace jet {

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c.unicode() > 0x7f;
}
bool isWordChar(QChar c) {
    return isWordStart(c) || c.isDigit() || c == u'$';
}

// Scans a quoted run starting at `start` (the opening quote). Returns the index after the
// closing quote, or -1 when the text ends first. A doubled quote stands for one quote.
qsizetype scanQuoted(const QString& sql, qsizetype start, QChar quote) {
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return -1;
}

}  // namespace

QString Token::name() const {
    if (kind == TokenKind::QuotedName) {
        return text.mid(1, text.size() - 2);
    }
    return text;
}

QString Token::stringValue() const {
    const QChar quote = text.front();
    QString inner = text.mid(1, text.size() - 2);
    inner.replace(QString(2, quote), QString(quote));
    return inner;
}

TokenizeResult tokenize(const QString& sql) {
    TokenizeResult result;
    auto& out = result.tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace()) {
                ++i;
            }
            out.push_back({TokenKind::Space, sql.mid(start, i - start)});
        } else if (c == u'\'' || c == u'"') {
            const qsizetype end = scanQuoted(sql, i, c);
            if (end < 0) {
                result.error = QStringLiteral("字符串没有结束引号");
                return result;
            }
            out.push_back({TokenKind::String, sql.mid(start, end - start)});
            i = end;
        } else if (c == u'[' || c == u'`') {
            const QChar close = c == u'[' ? u']' : u'`';
            const qsizetype end = sql.indexOf(close, i + 1);
            if (end < 0) {
                result.error = QStringLiteral("名称没有结束括号");
                return result;
            }
            out.push_back({TokenKind::QuotedName, sql.mid(start, end + 1 - start)});
            i = end + 1;
        } else if (c == u'#') {
            const qsizetype end = sql.indexOf(u'#', i + 1);
            if (end < 0) {
                result.error = QStringLiteral("日期常量没有结束的#");
                return result;
            }
            out.push_back({TokenKind::Date, sql.mid(start, end + 1 - start)});
            i = end + 1;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit())) {
            while (i < n && (sql[i].isDigit() || sql[i] == u'.')) {
                ++i;
            }
            if (i < n && (sql[i] == u'e' || sql[i] == u'E') && i + 1 < n &&
                (sql[i + 1].isDigit() || ((sql[i + 1] == u'+' || sql[i + 1] == u'-') && i + 2 < n &&
                                          sql[i + 2].isDigit()))) {
                i += 2;
                while (i < n && sql[i].isDigit()) {
                    ++i;
                }
            }
            out.push_back({TokenKind::Number, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(sql[i])) {
                ++i;
            }
            out.push_back({TokenKind::Word, sql.mid(start, i - start)});
        } else if (c == u'?') {
            out.push_back({TokenKind::Parameter, QStringLiteral("?")});
            ++i;
        } else {
            static const QString twoCharOps[] = {QStringLiteral("<>"), QStringLiteral("<="),
                                                 QStringLiteral(">="), QStringLiteral("!="),
                                                 QStringLiteral("||")};
            qsizetype len = 1;
            for (const QString& op : twoCharOps) {
                if (QStringView(sql).mid(i, 2) == op) {
                    len = 2;
                    break;
                }
            }
            out.push_back({TokenKind::Symbol, sql.mid(start, len)});
            i += len;
        }
    }
    return result;
}

QString joinTokens(const std::vector<Token>& tokens) {
    QString out;
    for (const Token& t : tokens) {
        if (!out.isEmpty() && !t.text.isEmpty()) {
            const QChar last = out.back();
            const QChar next = t.text.front();
            // Keep rewritten tokens apart where gluing them would start a comment or merge names.
            const bool comment = (last == u'-' && next == u'-') || (last == u'/' && next == u'*');
            const bool merged = isWordChar(last) && isWordChar(next);
            if (comment || merged) {
                out += u' ';
            }
        }
        out += t.text;
    }
    return out;
}

}  // namespace jet
