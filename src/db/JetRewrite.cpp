// The rewriting of Jet expressions into SQLite's, on tokens, and the conversion of text
// literals that stand for dates or yes/no values.

#include "db/JetRewrite.h"

#include <QHash>
#include <cmath>

#include "db/JetDate.h"

namespace jet::rewrite {
void fail(const QString& reason) {
    throw TranslateError{reason};
}

Token word(const QString& text) {
    return {TokenKind::Word, text};
}
Token symbol(const QString& text) {
    return {TokenKind::Symbol, text};
}
Token space() {
    return {TokenKind::Space, QStringLiteral(" ")};
}

Token numberToken(double value) {
    QString text = value == std::trunc(value) && std::fabs(value) < 1e15
                       ? QString::number(static_cast<qint64>(value))
                       : QString::number(value, 'g', 17);
    if (value < 0) {
        text = u'(' + text + u')';
    }
    return {TokenKind::Number, text};
}

Token stringToken(const QString& value) {
    QString text = value;
    text.replace(u'\'', QStringLiteral("''"));
    return {TokenKind::String, u'\'' + text + u'\''};
}

size_t nextSignificant(const Tokens& t, size_t i, size_t end) {
    while (i < end && t[i].kind == TokenKind::Space) {
        ++i;
    }
    return i;
}

size_t nextSignificant(const Tokens& t, size_t i) {
    return nextSignificant(t, i, t.size());
}

size_t prevSignificant(const Tokens& t, size_t i) {
    while (i > 0) {
        --i;
        if (t[i].kind != TokenKind::Space) {
            return i;
        }
    }
    return npos;
}

size_t matchParen(const Tokens& t, size_t open) {
    int depth = 0;
    for (size_t i = open; i < t.size(); ++i) {
        if (t[i].isSymbol(u"(")) {
            ++depth;
        } else if (t[i].isSymbol(u")")) {
            if (--depth == 0) {
                return i;
            }
        }
    }
    fail(QStringLiteral("括号不成对"));
}

// Ranges between top-level commas of [begin, end).
std::vector<Range> splitTopLevel(const Tokens& t, size_t begin, size_t end) {
    std::vector<Range> parts;
    int depth = 0;
    size_t start = begin;
    for (size_t i = begin; i < end; ++i) {
        if (t[i].isSymbol(u"(")) {
            ++depth;
        } else if (t[i].isSymbol(u")")) {
            --depth;
        } else if (depth == 0 && t[i].isSymbol(u",")) {
            parts.push_back({start, i});
            start = i + 1;
        }
    }
    parts.push_back({start, end});
    return parts;
}

Tokens slice(const Tokens& t, size_t begin, size_t end) {
    return Tokens(t.begin() + static_cast<long>(begin), t.begin() + static_cast<long>(end));
}

Tokens trimmed(Tokens t) {
    while (!t.empty() && t.back().kind == TokenKind::Space) {
        t.pop_back();
    }
    size_t first = 0;
    while (first < t.size() && t[first].kind == TokenKind::Space) {
        ++first;
    }
    return slice(t, first, t.size());
}

void append(Tokens& out, const Tokens& more) {
    out.insert(out.end(), more.begin(), more.end());
}

bool isName(const Token& t) {
    return t.kind == TokenKind::Word || t.kind == TokenKind::QuotedName;
}

// A token after which a "-" is a binary minus rather than a sign.
bool endsOperand(const Token& t) {
    switch (t.kind) {
        case TokenKind::Word:
            return !t.isWord(u"and") && !t.isWord(u"or") && !t.isWord(u"not") &&
                   !t.isWord(u"select") && !t.isWord(u"where") && !t.isWord(u"like");
        case TokenKind::QuotedName:
        case TokenKind::String:
        case TokenKind::Date:
        case TokenKind::Number:
        case TokenKind::Parameter:
            return true;
        case TokenKind::Symbol:
            return t.text == u")";
        case TokenKind::Space:
            return false;
    }
    return false;
}

double dateLiteralSerial(const Token& t) {
    const QString inner = t.text.mid(1, t.text.size() - 2);
    const std::optional<QDateTime> parsed = parseDateText(inner);
    if (!parsed) {
        fail(QStringLiteral("日期常量无效：") + t.text);
    }
    return parsed->time() == QTime(0, 0) ? toSerial(parsed->date()) : toSerial(*parsed);
}

// ---------------------------------------------------------------- expressions

const QHash<QString, QString>& renamedFunctions() {
    static const QHash<QString, QString> map = {
        {QStringLiteral("month"), QStringLiteral("jet_month")},
        {QStringLiteral("day"), QStringLiteral("jet_day")},
        {QStringLiteral("hour"), QStringLiteral("jet_hour")},
        {QStringLiteral("minute"), QStringLiteral("jet_minute")},
        {QStringLiteral("second"), QStringLiteral("jet_second")},
        {QStringLiteral("weekday"), QStringLiteral("jet_weekday")},
        {QStringLiteral("datediff"), QStringLiteral("jet_datediff")},
        {QStringLiteral("dateadd"), QStringLiteral("jet_dateadd")},
        {QStringLiteral("datepart"), QStringLiteral("jet_datepart")},
        {QStringLiteral("dateserial"), QStringLiteral("jet_dateserial")},
        {QStringLiteral("datevalue"), QStringLiteral("jet_cdate")},
        {QStringLiteral("cdate"), QStringLiteral("jet_cdate")},
        {QStringLiteral("now"), QStringLiteral("jet_now")},
        {QStringLiteral("date"), QStringLiteral("jet_date")},
        {QStringLiteral("time"), QStringLiteral("jet_time")},
        {QStringLiteral("iif"), QStringLiteral("iif")},
        {QStringLiteral("mid"), QStringLiteral("substr")},
        {QStringLiteral("len"), QStringLiteral("length")},
        {QStringLiteral("trim"), QStringLiteral("trim")},
        {QStringLiteral("ltrim"), QStringLiteral("ltrim")},
        {QStringLiteral("rtrim"), QStringLiteral("rtrim")},
        {QStringLiteral("ucase"), QStringLiteral("upper")},
        {QStringLiteral("lcase"), QStringLiteral("lower")},
        {QStringLiteral("instr"), QStringLiteral("jet_instr")},
        {QStringLiteral("right"), QStringLiteral("jet_right")},
        {QStringLiteral("cstr"), QStringLiteral("jet_cstr")},
        {QStringLiteral("cint"), QStringLiteral("jet_cint")},
        {QStringLiteral("clng"), QStringLiteral("jet_cint")},
        {QStringLiteral("cdbl"), QStringLiteral("jet_cdbl")},
        {QStringLiteral("csng"), QStringLiteral("jet_cdbl")},
        {QStringLiteral("val"), QStringLiteral("jet_val")},
        {QStringLiteral("int"), QStringLiteral("jet_int")},
        {QStringLiteral("fix"), QStringLiteral("jet_fix")},
        {QStringLiteral("sgn"), QStringLiteral("sign")},
        {QStringLiteral("format"), QStringLiteral("jet_format")},
        {QStringLiteral("space"), QStringLiteral("jet_space")},
    };
    return map;
}

bool isSpecialFunction(const QString& lower) {
    return lower == u"year" || lower == u"isnull" || lower == u"nz" || lower == u"left";
}

Tokens rewriteExpression(const Tokens& in, size_t begin, size_t end);

Tokens call(const QString& name, const std::vector<Tokens>& args) {
    Tokens out{word(name), symbol(QStringLiteral("("))};
    for (size_t i = 0; i < args.size(); ++i) {
        if (i > 0) {
            out.push_back(symbol(QStringLiteral(",")));
        }
        append(out, args[i]);
    }
    out.push_back(symbol(QStringLiteral(")")));
    return out;
}

// Year(a - b) is how ages are written: the year of the day count between two dates, less 1900.
// A plain day count does not tell whole years (leap days shift the anniversary), so the
// difference of two dates is handed to a function that counts calendar years instead.
Tokens rewriteYear(const Tokens& in, Range arg) {
    int depth = 0;
    size_t minus = npos;
    int minusCount = 0;
    for (size_t i = arg.begin; i < arg.end; ++i) {
        const Token& t = in[i];
        if (t.isSymbol(u"(")) {
            ++depth;
        } else if (t.isSymbol(u")")) {
            --depth;
        } else if (depth == 0 && t.isSymbol(u"-")) {
            const size_t p = prevSignificant(in, i);
            if (p != npos && p >= arg.begin && endsOperand(in[p])) {
                minus = i;
                ++minusCount;
            }
        } else if (depth == 0 && (t.isSymbol(u"+") || t.isSymbol(u"*") || t.isSymbol(u"/"))) {
            minusCount = 2;  // not a plain difference
        }
    }
    if (minusCount == 1) {
        const Tokens right = trimmed(slice(in, minus + 1, arg.end));
        const bool rightIsDayCount = right.size() == 1 && right[0].kind == TokenKind::Number;
        if (!rightIsDayCount) {
            return call(QStringLiteral("jet_yearspan"),
                        {rewriteExpression(in, arg.begin, minus),
                         rewriteExpression(in, minus + 1, arg.end)});
        }
    }
    return call(QStringLiteral("jet_year"), {rewriteExpression(in, arg.begin, arg.end)});
}

Tokens rewriteFunction(const Tokens& in, const QString& lower, size_t open, size_t close) {
    const std::vector<Range> ranges =
        close == open + 1 || nextSignificant(in, open + 1, close) == close
            ? std::vector<Range>{}
            : splitTopLevel(in, open + 1, close);
    if (lower == u"year") {
        if (ranges.size() != 1) {
            fail(QStringLiteral("Year 需要一个参数"));
        }
        return rewriteYear(in, ranges[0]);
    }
    std::vector<Tokens> args;
    for (const Range& r : ranges) {
        args.push_back(rewriteExpression(in, r.begin, r.end));
    }
    if (lower == u"isnull") {
        if (args.size() == 1) {
            Tokens out{symbol(QStringLiteral("("))};
            append(out, args[0]);
            append(out, {space(), word(QStringLiteral("IS")), space(), word(QStringLiteral("NULL")),
                         symbol(QStringLiteral(")"))});
            return out;
        }
        if (args.size() == 2) {
            return call(QStringLiteral("ifnull"), args);
        }
        fail(QStringLiteral("isnull 的参数个数不对"));
    }
    if (lower == u"nz") {
        if (args.size() == 1) {
            args.push_back({stringToken(QString())});
        }
        if (args.size() != 2) {
            fail(QStringLiteral("Nz 的参数个数不对"));
        }
        return call(QStringLiteral("ifnull"), args);
    }
    if (lower == u"left") {
        if (args.size() != 2) {
            fail(QStringLiteral("Left 需要两个参数"));
        }
        return call(QStringLiteral("substr"), {args[0], {numberToken(1)}, args[1]});
    }
    return call(renamedFunctions().value(lower), args);
}

// True when the operator at `i` has a text literal right before or after it.
bool besideText(const Tokens& in, size_t i, size_t begin, size_t end) {
    const size_t prev = prevSignificant(in, i);
    const size_t next = nextSignificant(in, i + 1, end);
    return (prev != npos && prev >= begin && in[prev].kind == TokenKind::String) ||
           (next < end && in[next].kind == TokenKind::String);
}

Tokens rewriteExpression(const Tokens& in, size_t begin, size_t end) {
    Tokens out;
    for (size_t i = begin; i < end; ++i) {
        const Token& t = in[i];
        switch (t.kind) {
            case TokenKind::Date:
                out.push_back(numberToken(dateLiteralSerial(t)));
                break;
            case TokenKind::String:
                out.push_back(t.text.front() == u'"' ? stringToken(t.stringValue()) : t);
                break;
            case TokenKind::Word: {
                const QString lower = t.text.toLower();
                const size_t next = nextSignificant(in, i + 1, end);
                const size_t prev = prevSignificant(in, i);
                const bool qualified = prev != npos && in[prev].isSymbol(u".");
                if (!qualified && next < end && in[next].isSymbol(u"(") &&
                    (isSpecialFunction(lower) || renamedFunctions().contains(lower))) {
                    const size_t close = matchParen(in, next);
                    if (close >= end) {
                        fail(QStringLiteral("括号不成对"));
                    }
                    append(out, rewriteFunction(in, lower, next, close));
                    i = close;
                } else if (!qualified && (lower == u"true" || lower == u"false")) {
                    out.push_back(numberToken(lower == u"true" ? 1 : 0));
                } else if (lower == u"mod") {
                    out.push_back(symbol(QStringLiteral("%")));
                } else if (lower == u"distinctrow") {
                    out.push_back(word(QStringLiteral("DISTINCT")));
                } else {
                    out.push_back(t);
                }
                break;
            }
            case TokenKind::Symbol:
                if (t.text == u"&" || (t.text == u"+" && besideText(in, i, begin, end))) {
                    // "&" joins texts, and so does "+" when one side is a text literal.
                    out.push_back(symbol(QStringLiteral("||")));
                } else if (t.text == u"/") {
                    // Jet divides as floating point even when both operands are integers.
                    append(out, {symbol(QStringLiteral("*")),
                                 {TokenKind::Number, QStringLiteral("1.0")},
                                 symbol(QStringLiteral("/"))});
                } else if (t.text == u"\\") {
                    fail(QStringLiteral("不支持整除运算符 \\"));
                } else if (t.text == u"!" || t.text == u";") {
                    fail(QStringLiteral("无法识别的符号 ") + t.text);
                } else {
                    out.push_back(t);
                }
                break;
            default:
                out.push_back(t);
        }
    }
    return out;
}

// ---------------------------------------------------------------- typed literals

// Turns text assigned to or compared with a date or yes/no column into the stored form, as Jet
// converts it: '2012-7-1' becomes that day's serial, 'True' becomes 1.
Token convertLiteral(const Token& literal, ColumnKind kind, const QString& column) {
    const QString value = literal.stringValue().trimmed();
    if (kind == ColumnKind::Date) {
        if (value.isEmpty()) {
            return word(QStringLiteral("NULL"));
        }
        const std::optional<QDateTime> parsed = parseDateText(value);
        if (!parsed) {
            fail(QStringLiteral("数据类型不匹配：'%1' 不是 %2 可以接受的日期").arg(value, column));
        }
        return numberToken(parsed->time() == QTime(0, 0) ? toSerial(parsed->date())
                                                         : toSerial(*parsed));
    }
    const QString lower = value.toLower();
    if (lower == u"true" || lower == u"yes" || lower == u"on" || lower == u"1" || lower == u"-1") {
        return numberToken(1);
    }
    if (lower == u"false" || lower == u"no" || lower == u"off" || lower == u"0" ||
        lower.isEmpty()) {
        return numberToken(0);
    }
    fail(QStringLiteral("数据类型不匹配：'%1' 不是 %2 可以接受的是/否值").arg(value, column));
}

class LiteralConverter {
  public:
    LiteralConverter(const SchemaInfo& schema, Tokens& tokens) : schema_(schema), t_(tokens) {
        for (const Token& tok : t_) {
            if (isName(tok) && schema_.hasTable(tok.name()) && !tables_.contains(tok.name())) {
                tables_.push_back(tok.name());
            }
        }
    }

    void run() {
        if (tables_.isEmpty()) {
            return;
        }
        convertInsertValues();
        for (size_t i = 0; i < t_.size(); ++i) {
            if (isComparison(t_[i])) {
                convertAround(i);
            }
        }
    }

  private:
    static bool isComparison(const Token& t) {
        return t.kind == TokenKind::Symbol &&
               (t.text == u"=" || t.text == u"<>" || t.text == u"<" || t.text == u">" ||
                t.text == u"<=" || t.text == u">=");
    }

    ColumnKind kindOf(const QString& column, const QStringList& tables) const {
        for (const QString& table : tables) {
            const ColumnKind k = schema_.columnKind(table, column);
            if (k != ColumnKind::Other) {
                return k;
            }
        }
        return ColumnKind::Other;
    }

    void convertValue(size_t valueIndex, ColumnKind kind, const QString& column) {
        Token& v = t_[valueIndex];
        if (kind == ColumnKind::Other) {
            return;
        }
        if (v.kind == TokenKind::String) {
            v = convertLiteral(v, kind, column);
        } else if (kind == ColumnKind::Boolean && v.isSymbol(u"-")) {
            // Jet writes True as -1; this database stores 1.
            const size_t n = nextSignificant(t_, valueIndex + 1);
            if (n < t_.size() && t_[n].kind == TokenKind::Number && t_[n].text == u"1") {
                v = space();
            }
        }
    }

    void convertAround(size_t op) {
        const size_t left = prevSignificant(t_, op);
        const size_t right = nextSignificant(t_, op + 1);
        if (left == npos || right >= t_.size()) {
            return;
        }
        if (isName(t_[left]) && !t_[left].isWord(u"set")) {
            convertValue(right, kindOf(t_[left].name(), tables_), t_[left].name());
        } else if (isName(t_[right]) && t_[left].kind == TokenKind::String) {
            const size_t after = nextSignificant(t_, right + 1);
            if (after < t_.size() && t_[after].isSymbol(u".")) {
                return;  // alias.column: the column follows
            }
            convertValue(left, kindOf(t_[right].name(), tables_), t_[right].name());
        }
    }

    // insert into T (c1, c2) values (v1, v2): each value takes its column's type.
    void convertInsertValues() {
        const size_t first = nextSignificant(t_, 0);
        if (first >= t_.size() || !t_[first].isWord(u"insert")) {
            return;
        }
        const size_t into = nextSignificant(t_, first + 1);
        const size_t table = nextSignificant(t_, into + 1);
        if (table >= t_.size() || !isName(t_[table])) {
            return;
        }
        const size_t open = nextSignificant(t_, table + 1);
        if (open >= t_.size() || !t_[open].isSymbol(u"(")) {
            return;
        }
        const size_t close = matchParen(t_, open);
        const size_t values = nextSignificant(t_, close + 1);
        if (values >= t_.size() || !t_[values].isWord(u"values")) {
            return;
        }
        const size_t vOpen = nextSignificant(t_, values + 1);
        if (vOpen >= t_.size() || !t_[vOpen].isSymbol(u"(")) {
            return;
        }
        const size_t vClose = matchParen(t_, vOpen);
        const std::vector<Range> cols = splitTopLevel(t_, open + 1, close);
        const std::vector<Range> vals = splitTopLevel(t_, vOpen + 1, vClose);
        if (cols.size() != vals.size()) {
            fail(QStringLiteral("插入的列数与值的个数不一致"));
        }
        const QStringList target{t_[table].name()};
        for (size_t i = 0; i < cols.size(); ++i) {
            const size_t c = nextSignificant(t_, cols[i].begin, cols[i].end);
            const size_t v = nextSignificant(t_, vals[i].begin, vals[i].end);
            if (c < cols[i].end && v < vals[i].end && isName(t_[c])) {
                convertValue(v, kindOf(t_[c].name(), target), t_[c].name());
            }
        }
    }

    const SchemaInfo& schema_;
    Tokens& t_;
    QStringList tables_;
};

void convertTypedLiterals(const SchemaInfo& schema, Tokens& tokens) {
    LiteralConverter(schema, tokens).run();
}

}  // namespace jet::rewrite
