#include "db/JetTranslator.h"

#include <QRegularExpression>

#include "db/JetRewrite.h"

namespace jet {

namespace {

using namespace rewrite;

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
            convertTypedLiterals(*schema_, out);
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
        if (decl == u"BIT") {
            tail = yesNoConstraints(tail);
        }
        def.sql = bracket(def.name) + u' ' + decl + (tail.isEmpty() ? QString() : u' ' + tail);
        return def;
    }

    // A Jet yes/no column is never null: it starts as No, and a null written into it is stored
    // as No. Whatever nullability the definition states gives way to that.
    static QString yesNoConstraints(QString tail) {
        static const QRegularExpression nullDefault(QStringLiteral(R"(\bDEFAULT\s+NULL\b)"),
                                                    QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression nullability(QStringLiteral(R"(\b(NOT\s+)?NULL\b)"),
                                                    QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression withDefault(QStringLiteral(R"(\bDEFAULT\b)"),
                                                    QRegularExpression::CaseInsensitiveOption);
        tail.replace(nullDefault, QStringLiteral("DEFAULT 0"));
        tail.remove(nullability);
        tail = tail.simplified();
        if (!tail.contains(withDefault)) {
            tail = QString(tail + QStringLiteral(" DEFAULT 0")).trimmed();
        }
        return QStringLiteral("NOT NULL ON CONFLICT REPLACE ") + tail;
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
