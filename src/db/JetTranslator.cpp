#include "db/JetTranslator.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>

#include "db/JetDate.h"
#include "db/SqlTokenizer.h"

namespace jet {

namespace {

using Tokens = std::vector<Token>;
constexpr size_t npos = static_cast<size_t>(-1);

struct TranslateError {
    QString reason;
};

[[noreturn]] void fail(const QString& reason) {
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

struct Range {
    size_t begin;
    size_t end;
};

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

// ---------------------------------------------------------------- statement structure

struct Statement {
    Tokens tokens;
    QString intoTable;
};

class Translator {
  public:
    Translator(const QString& sql, const SchemaInfo* schema) : sql_(sql), schema_(schema) {}

    Translation run() {
        Translation result;
        try {
            TokenizeResult tr = tokenize(sql_);
            if (!tr.error.isEmpty()) {
                fail(tr.error);
            }
            t_ = trimmed(std::move(tr.tokens));
            while (!t_.empty() && t_.back().isSymbol(u";")) {
                t_.pop_back();
                t_ = trimmed(std::move(t_));
            }
            if (t_.empty()) {
                fail(QStringLiteral("语句为空"));
            }
            const Token& first = t_.front();
            if (first.isWord(u"create") || first.isWord(u"alter") || first.isWord(u"drop")) {
                translateDdl(result);
            } else if (first.isWord(u"select") || first.isWord(u"insert") ||
                       first.isWord(u"update") || first.isWord(u"delete") || first.isSymbol(u"(")) {
                translateDml(result);
            } else {
                fail(QStringLiteral("不支持的语句类型 ") + first.text);
            }
            result.attachments = attachments_;
        } catch (const TranslateError& e) {
            result = Translation{};
            result.error = e.reason;
        }
        return result;
    }

  private:
    // -- data statements

    void translateDml(Translation& result) {
        resolveExternalFiles();
        if (t_.front().isWord(u"delete")) {
            dropDeleteTarget();
        }
        if (t_.front().isWord(u"update")) {
            refuseUpdateJoin();
        }
        QString into;
        if (t_.front().isWord(u"select") || t_.front().isSymbol(u"(")) {
            into = takeSelectInto();
        }
        rewriteTop();
        Tokens out = rewriteExpression(t_, 0, t_.size());
        if (schema_ != nullptr) {
            LiteralConverter(*schema_, out).run();
        }
        result.statements.push_back({joinTokens(out), into});
        result.changesSchema = !into.isEmpty();
    }

    // "[MS ACCESS;DataBase=path;].table" and "table IN 'path'" name tables of another file.
    void resolveExternalFiles() {
        static const QRegularExpression bracketFile(
            QStringLiteral(R"(^\s*MS\s+ACCESS\s*;\s*DATABASE\s*=\s*([^;]*);?\s*$)"),
            QRegularExpression::CaseInsensitiveOption);
        for (size_t i = 0; i < t_.size(); ++i) {
            Token& tok = t_[i];
            if (tok.kind == TokenKind::QuotedName) {
                const QRegularExpressionMatch m = bracketFile.match(tok.name());
                if (m.hasMatch()) {
                    tok = word(attach(m.captured(1).trimmed()));
                }
            } else if (tok.isWord(u"in")) {
                const size_t file = nextSignificant(t_, i + 1);
                const size_t table = prevSignificant(t_, i);
                if (file < t_.size() && t_[file].kind == TokenKind::String && table != npos &&
                    isName(t_[table])) {
                    const QString alias = attach(t_[file].stringValue());
                    Tokens qualified{word(alias), symbol(QStringLiteral(".")), t_[table]};
                    t_.erase(t_.begin() + static_cast<long>(table),
                             t_.begin() + static_cast<long>(file) + 1);
                    t_.insert(t_.begin() + static_cast<long>(table), qualified.begin(),
                              qualified.end());
                    i = table + qualified.size() - 1;
                }
            }
        }
    }

    QString attach(const QString& path) {
        for (const Attachment& a : attachments_) {
            if (a.path == path) {
                return a.alias;
            }
        }
        const QString alias = QStringLiteral("jet_file%1").arg(attachments_.size() + 1);
        attachments_.push_back({alias, path});
        return alias;
    }

    // "delete * from t" and "delete t.* from t" name the rows by the from clause alone.
    void dropDeleteTarget() {
        for (size_t i = 1; i < t_.size(); ++i) {
            if (t_[i].isWord(u"from")) {
                t_.erase(t_.begin() + 1, t_.begin() + static_cast<long>(i));
                t_.insert(t_.begin() + 1, space());
                return;
            }
        }
        fail(QStringLiteral("delete 语句缺少 from"));
    }

    void refuseUpdateJoin() {
        for (const Token& tok : t_) {
            if (tok.isWord(u"set")) {
                return;
            }
            if (tok.isWord(u"join")) {
                fail(QStringLiteral("不支持带连接的更新语句"));
            }
        }
    }

    QString takeSelectInto() {
        int depth = 0;
        for (size_t i = 0; i < t_.size(); ++i) {
            if (t_[i].isSymbol(u"(")) {
                ++depth;
            } else if (t_[i].isSymbol(u")")) {
                --depth;
            } else if (depth == 0 && t_[i].isWord(u"into")) {
                size_t end = nextSignificant(t_, i + 1);
                if (end >= t_.size() || !isName(t_[end])) {
                    fail(QStringLiteral("select into 缺少目标表"));
                }
                QString target = t_[end].name();
                const size_t dot = nextSignificant(t_, end + 1);
                if (dot < t_.size() && t_[dot].isSymbol(u".")) {
                    end = nextSignificant(t_, dot + 1);
                    target += u'.' + t_[end].name();
                }
                eraseWithFollowingSpace(i, end + 1);
                return target;
            }
        }
        return {};
    }

    // Removes tokens [begin, end) and the blanks after them.
    void eraseWithFollowingSpace(size_t begin, size_t end) {
        while (end < t_.size() && t_[end].kind == TokenKind::Space) {
            ++end;
        }
        t_.erase(t_.begin() + static_cast<long>(begin), t_.begin() + static_cast<long>(end));
    }

    // "select top n ..." keeps the first n rows of that select: LIMIT at the end of its scope.
    void rewriteTop() {
        for (size_t s = t_.size(); s-- > 0;) {
            if (!t_[s].isWord(u"select")) {
                continue;
            }
            size_t k = nextSignificant(t_, s + 1);
            if (k < t_.size() && (t_[k].isWord(u"distinct") || t_[k].isWord(u"distinctrow") ||
                                  t_[k].isWord(u"all"))) {
                k = nextSignificant(t_, k + 1);
            }
            if (k >= t_.size() || !t_[k].isWord(u"top")) {
                continue;
            }
            const size_t n = nextSignificant(t_, k + 1);
            if (n >= t_.size() || t_[n].kind != TokenKind::Number) {
                fail(QStringLiteral("top 后面应是行数"));
            }
            const size_t after = nextSignificant(t_, n + 1);
            if (after < t_.size() && t_[after].isWord(u"percent")) {
                fail(QStringLiteral("不支持 top ... percent"));
            }
            const QString count = t_[n].text;
            size_t end = t_.size();
            int depth = 0;
            for (size_t i = n + 1; i < t_.size(); ++i) {
                if (t_[i].isSymbol(u"(")) {
                    ++depth;
                } else if (t_[i].isSymbol(u")")) {
                    if (--depth < 0) {
                        end = i;
                        break;
                    }
                } else if (depth == 0 && t_[i].isWord(u"union")) {
                    fail(QStringLiteral("不支持在 union 的成员中使用 top"));
                }
            }
            t_.insert(
                t_.begin() + static_cast<long>(end),
                {space(), word(QStringLiteral("LIMIT")), space(), {TokenKind::Number, count}});
            eraseWithFollowingSpace(k, n + 1);
        }
    }

    // -- definitions

    void translateDdl(Translation& result) {
        result.changesSchema = true;
        std::vector<Token> words;
        for (const Token& tok : t_) {
            if (tok.kind != TokenKind::Space) {
                words.push_back(tok);
            }
        }
        auto at = [&](size_t i) -> const Token& {
            static const Token none{TokenKind::Space, QString()};
            return i < words.size() ? words[i] : none;
        };
        if (at(0).isWord(u"create") && at(1).isWord(u"table")) {
            result.statements.push_back({createTable(), {}});
        } else if (at(0).isWord(u"create") &&
                   (at(1).isWord(u"index") ||
                    (at(1).isWord(u"unique") && at(2).isWord(u"index")))) {
            result.statements.push_back({createIndex(), {}});
        } else if (at(0).isWord(u"alter") && at(1).isWord(u"table")) {
            alterTable(result);
        } else if (at(0).isWord(u"drop") && at(1).isWord(u"index")) {
            if (!at(3).isWord(u"on") || !isName(at(4))) {
                fail(QStringLiteral("drop index 需要写明所在的表：drop index 名称 on 表"));
            }
            result.statements.push_back(
                {QStringLiteral("DROP INDEX ") + indexName(at(4).name(), at(2).name()), {}});
        } else if (at(0).isWord(u"drop") && at(1).isWord(u"table") && isName(at(2)) &&
                   words.size() == 3) {
            result.statements.push_back(
                {QStringLiteral("DROP TABLE ") + bracket(at(2).name()), {}});
        } else {
            fail(QStringLiteral("不支持的定义语句"));
        }
    }

    static QString bracket(const QString& name) { return u'[' + name + u']'; }

    // Jet index names belong to their table; SQLite's are global, so the table name is added.
    static QString indexName(const QString& table, const QString& index) {
        return bracket(table + u'_' + index);
    }

    // Position of the first significant token after `from` that is a name, then its index.
    size_t nameAfter(size_t from) const {
        const size_t i = nextSignificant(t_, from);
        if (i >= t_.size() || !isName(t_[i])) {
            fail(QStringLiteral("缺少名称"));
        }
        return i;
    }

    size_t findWord(QStringView w, size_t from = 0) const {
        for (size_t i = from; i < t_.size(); ++i) {
            if (t_[i].isWord(w)) {
                return i;
            }
        }
        return npos;
    }

    struct ColumnDef {
        QString name;
        QString sql;
        bool counter = false;
    };

    ColumnDef columnDef(Range r) const {
        const size_t n = nextSignificant(t_, r.begin, r.end);
        if (n >= r.end || !isName(t_[n])) {
            fail(QStringLiteral("列定义缺少列名"));
        }
        ColumnDef def;
        def.name = t_[n].name();
        size_t type = nextSignificant(t_, n + 1, r.end);
        if (type >= r.end || t_[type].kind != TokenKind::Word) {
            fail(QStringLiteral("列 %1 缺少类型").arg(def.name));
        }
        QString typeText = t_[type].text;
        size_t rest = type + 1;
        const size_t open = nextSignificant(t_, rest, r.end);
        if (open < r.end && t_[open].isSymbol(u"(")) {
            const size_t close = matchParen(t_, open);
            typeText += joinTokens(slice(t_, open, close + 1));
            rest = close + 1;
        }
        const QString decl = sqliteColumnType(typeText);
        if (decl.isEmpty()) {
            fail(QStringLiteral("列 %1 的类型 %2 无法识别").arg(def.name, typeText));
        }
        def.counter = decl.contains(QStringLiteral("AUTOINCREMENT"));
        QString tail;
        if (!def.counter) {
            tail = joinTokens(rewriteExpression(t_, rest, r.end)).trimmed();
        } else if (findWordIn(QStringLiteral("not"), rest, r.end) != npos) {
            tail = QStringLiteral("NOT NULL");
        }
        def.sql = bracket(def.name) + u' ' + decl + (tail.isEmpty() ? QString() : u' ' + tail);
        return def;
    }

    size_t findWordIn(const QString& w, size_t from, size_t end) const {
        for (size_t i = from; i < end; ++i) {
            if (t_[i].isWord(w)) {
                return i;
            }
        }
        return npos;
    }

    static bool isTableConstraint(const Token& first) {
        return first.isWord(u"constraint") || first.isWord(u"primary") || first.isWord(u"unique") ||
               first.isWord(u"foreign") || first.isWord(u"check");
    }

    QString createTable() const {
        const size_t tableWord = findWord(u"table");
        const size_t name = nameAfter(tableWord + 1);
        const size_t open = nextSignificant(t_, name + 1);
        if (open >= t_.size() || !t_[open].isSymbol(u"(")) {
            fail(QStringLiteral("create table 缺少列定义"));
        }
        const size_t close = matchParen(t_, open);
        if (nextSignificant(t_, close + 1) != t_.size()) {
            fail(QStringLiteral("create table 的列定义之后还有内容"));
        }
        QStringList columns;
        QStringList constraints;
        bool hasCounter = false;
        for (const Range& r : splitTopLevel(t_, open + 1, close)) {
            const size_t first = nextSignificant(t_, r.begin, r.end);
            if (first >= r.end) {
                fail(QStringLiteral("列定义为空"));
            }
            if (isTableConstraint(t_[first])) {
                const bool primary = findWordIn(QStringLiteral("primary"), r.begin, r.end) != npos;
                constraints << (primary ? QStringLiteral("PRIMARY") : QString()) + u'\x1f' +
                                   joinTokens(rewriteExpression(t_, r.begin, r.end)).trimmed();
                continue;
            }
            const ColumnDef def = columnDef(r);
            hasCounter = hasCounter || def.counter;
            columns << def.sql;
        }
        for (const QString& c : constraints) {
            const QString kind = c.section(u'\x1f', 0, 0);
            // An auto-number column is already the key; Jet allows naming it again.
            if (!(hasCounter && kind == u"PRIMARY")) {
                columns << c.section(u'\x1f', 1);
            }
        }
        return QStringLiteral("CREATE TABLE ") + bracket(t_[name].name()) + QStringLiteral(" (") +
               columns.join(QStringLiteral(", ")) + u')';
    }

    QString createIndex() const {
        const bool unique = findWord(u"unique") != npos && findWord(u"unique") < findWord(u"index");
        const size_t name = nameAfter(findWord(u"index") + 1);
        const size_t on = nextSignificant(t_, name + 1);
        if (on >= t_.size() || !t_[on].isWord(u"on")) {
            fail(QStringLiteral("create index 缺少 on"));
        }
        const size_t table = nameAfter(on + 1);
        const size_t open = nextSignificant(t_, table + 1);
        if (open >= t_.size() || !t_[open].isSymbol(u"(")) {
            fail(QStringLiteral("create index 缺少列"));
        }
        const size_t close = matchParen(t_, open);
        bool primary = false;
        size_t i = nextSignificant(t_, close + 1);
        if (i < t_.size()) {
            if (!t_[i].isWord(u"with")) {
                fail(QStringLiteral("create index 的列之后只能是 with 选项"));
            }
            for (++i; i < t_.size(); ++i) {
                const Token& opt = t_[i];
                if (opt.isWord(u"primary")) {
                    primary = true;
                } else if (opt.kind != TokenKind::Space && !opt.isWord(u"disallow") &&
                           !opt.isWord(u"ignore") && !opt.isWord(u"null")) {
                    fail(QStringLiteral("无法识别的索引选项 ") + opt.text);
                }
            }
        }
        return QStringLiteral("CREATE ") +
               (unique || primary ? QStringLiteral("UNIQUE ") : QString()) +
               QStringLiteral("INDEX ") + indexName(t_[table].name(), t_[name].name()) +
               QStringLiteral(" ON ") + bracket(t_[table].name()) + u' ' +
               joinTokens(slice(t_, open, close + 1));
    }

    void alterTable(Translation& result) const {
        const size_t name = nameAfter(findWord(u"table") + 1);
        const QString head = QStringLiteral("ALTER TABLE ") + bracket(t_[name].name());
        size_t action = nextSignificant(t_, name + 1);
        if (action >= t_.size()) {
            fail(QStringLiteral("alter table 缺少操作"));
        }
        const Token verb = t_[action];
        size_t body = nextSignificant(t_, action + 1);
        if (body < t_.size() && t_[body].isWord(u"column")) {
            body = nextSignificant(t_, body + 1);
        }
        if (verb.isWord(u"alter")) {
            return;  // column types are advisory here; nothing to change
        }
        if (body < t_.size() && t_[body].isWord(u"constraint")) {
            if (verb.isWord(u"drop")) {
                return;  // named constraints are not kept in this database
            }
            fail(QStringLiteral("不支持 alter table ... add constraint"));
        }
        if (verb.isWord(u"add")) {
            for (const Range& r : splitTopLevel(t_, body, t_.size())) {
                const ColumnDef def = columnDef(r);
                if (def.counter) {
                    fail(QStringLiteral("不能给已有的表增加自动编号列 ") + def.name);
                }
                result.statements.push_back({head + QStringLiteral(" ADD COLUMN ") + def.sql, {}});
            }
            return;
        }
        if (verb.isWord(u"drop")) {
            for (const Range& r : splitTopLevel(t_, body, t_.size())) {
                const Tokens col = trimmed(slice(t_, r.begin, r.end));
                if (col.size() != 1 || !isName(col[0])) {
                    fail(QStringLiteral("drop column 的列名无效"));
                }
                result.statements.push_back(
                    {head + QStringLiteral(" DROP COLUMN ") + bracket(col[0].name()), {}});
            }
            return;
        }
        fail(QStringLiteral("不支持的 alter table 操作 ") + verb.text);
    }

    QString sql_;
    const SchemaInfo* schema_;
    Tokens t_;
    std::vector<Attachment> attachments_;
};

}  // namespace

QString sqliteColumnType(const QString& jetType) {
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*([A-Za-z_]+[0-9]?)\s*(\(\s*([0-9]+)\s*(?:,\s*([0-9]+)\s*)?\))?\s*$)"));
    const QRegularExpressionMatch m = re.match(jetType);
    if (!m.hasMatch()) {
        return {};
    }
    const QString base = m.captured(1).toLower();
    const QString size = m.captured(3);
    const QString text = QStringLiteral(" COLLATE NOCASE");
    if (base == u"counter" || base == u"autoincrement" || base == u"identity") {
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    if (base == u"text" || base == u"varchar" || base == u"char" || base == u"nvarchar" ||
        base == u"nchar" || base == u"string" || base == u"alphanumeric" || base == u"character") {
        return size.isEmpty() ? QStringLiteral("TEXT") + text
                              : QStringLiteral("TEXT(%1)").arg(size) + text;
    }
    if (base == u"memo" || base == u"longtext" || base == u"longchar" || base == u"note" ||
        base == u"ntext") {
        return QStringLiteral("TEXT") + text;
    }
    if (base == u"integer" || base == u"int" || base == u"long" || base == u"integer4") {
        return QStringLiteral("INTEGER");
    }
    if (base == u"smallint" || base == u"short" || base == u"integer2") {
        return QStringLiteral("SMALLINT");
    }
    if (base == u"byte" || base == u"tinyint" || base == u"integer1") {
        return QStringLiteral("TINYINT");
    }
    if (base == u"bit" || base == u"yesno" || base == u"logical" || base == u"logical1" ||
        base == u"boolean") {
        return QStringLiteral("BIT");
    }
    if (base == u"datetime" || base == u"date" || base == u"time" || base == u"timestamp") {
        return QStringLiteral("DATETIME");
    }
    if (base == u"double" || base == u"float" || base == u"float8" || base == u"number") {
        return QStringLiteral("DOUBLE");
    }
    if (base == u"single" || base == u"real" || base == u"float4") {
        return QStringLiteral("REAL");
    }
    if (base == u"currency" || base == u"money") {
        return QStringLiteral("NUMERIC");
    }
    if (base == u"decimal" || base == u"numeric") {
        return size.isEmpty()
                   ? QStringLiteral("NUMERIC")
                   : QStringLiteral("DECIMAL(%1)").arg(m.captured(2).mid(1).chopped(1).trimmed());
    }
    if (base == u"image" || base == u"longbinary" || base == u"general" || base == u"oleobject" ||
        base == u"binary" || base == u"varbinary" || base == u"blob") {
        return QStringLiteral("BLOB");
    }
    if (base == u"guid" || base == u"uniqueidentifier") {
        return QStringLiteral("TEXT(38)") + text;
    }
    return {};
}

Translation translate(const QString& jetSql, const SchemaInfo* schema) {
    return Translator(jetSql, schema).run();
}

}  // namespace jet
