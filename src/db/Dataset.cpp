#include "db/Dataset.h"

#include <QDateTime>
#include <QSet>

#include "db/Database.h"
#include "db/SqlStatement.h"
#include "db/SqlTokenizer.h"

namespace db {

namespace {

const QString kRowidColumn = QStringLiteral("jet_rowid");

QString bracket(const QString& name) {
    return u'[' + name + u']';
}

bool isClauseWord(const jet::Token& t) {
    static const QSet<QString> words = {
        QStringLiteral("where"),  QStringLiteral("left"),    QStringLiteral("right"),
        QStringLiteral("inner"),  QStringLiteral("outer"),   QStringLiteral("cross"),
        QStringLiteral("join"),   QStringLiteral("natural"), QStringLiteral("full"),
        QStringLiteral("on"),     QStringLiteral("order"),   QStringLiteral("group"),
        QStringLiteral("having"), QStringLiteral("limit"),   QStringLiteral("union"),
        QStringLiteral("using"),
    };
    return t.kind == jet::TokenKind::Word && words.contains(t.text.toLower());
}

size_t nextSignificant(const std::vector<jet::Token>& t, size_t i) {
    while (i < t.size() && t[i].kind == jet::TokenKind::Space) {
        ++i;
    }
    return i;
}

// Values compared the way a locate matches them: text as text, everything else in stored form.
bool sameValue(const QVariant& a, const QVariant& b, jet::ColumnKind kind, int options) {
    if (a.isNull() || b.isNull()) {
        return a.isNull() && b.isNull();
    }
    const bool textual = a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString;
    if (textual || kind == jet::ColumnKind::Other) {
        const Qt::CaseSensitivity cs =
            (options & Dataset::CaseInsensitive) != 0 ? Qt::CaseInsensitive : Qt::CaseSensitive;
        QVariant sa;
        QVariant sb;
        toStorage(a, kind, sa);
        toStorage(b, kind, sb);
        const bool numeric = sa.canConvert<double>() && sb.canConvert<double>() &&
                             sa.typeId() != QMetaType::QString && sb.typeId() != QMetaType::QString;
        if (numeric) {
            return sa.toDouble() == sb.toDouble();
        }
        const QString ta = sa.toString();
        const QString tb = sb.toString();
        if ((options & Dataset::PartialKey) != 0) {
            return ta.startsWith(tb, cs);
        }
        return ta.compare(tb, cs) == 0;
    }
    QVariant sa;
    QVariant sb;
    if (!toStorage(a, kind, sa) || !toStorage(b, kind, sb)) {
        return false;
    }
    return sa.toDouble() == sb.toDouble();
}

}  // namespace

Dataset::Dataset(Database& db) : db_(db) {}

bool Dataset::fail(const QString& message) {
    lastError_ = message;
    return false;
}

void Dataset::close() {
    rows_.clear();
    fields_.clear();
    deleted_.clear();
    baseTable_.clear();
    keyColumn_.clear();
    state_ = State::Inactive;
    current_ = -1;
    eof_ = bof_ = true;
    editRow_ = -1;
}

// Finds the first table of the outermost from clause and returns the select with that table's
// rowid added, so that each row can be written back. Grouped, distinct and compound selects and
// selects from a derived table stay read-only.
void Dataset::findBaseTable(const QString& sqliteSql, QString& withRowid) {
    const jet::TokenizeResult tr = jet::tokenize(sqliteSql);
    const std::vector<jet::Token>& t = tr.tokens;
    size_t i = nextSignificant(t, 0);
    if (!tr.error.isEmpty() || i >= t.size() || !t[i].isWord(u"select")) {
        return;
    }
    const size_t afterSelect = nextSignificant(t, i + 1);
    if (afterSelect < t.size() && t[afterSelect].isWord(u"distinct")) {
        return;
    }
    size_t from = t.size();
    int depth = 0;
    for (size_t k = i; k < t.size(); ++k) {
        if (t[k].isSymbol(u"(")) {
            ++depth;
        } else if (t[k].isSymbol(u")")) {
            --depth;
        } else if (depth == 0) {
            if (t[k].isWord(u"group") || t[k].isWord(u"union") || t[k].isWord(u"intersect") ||
                t[k].isWord(u"except")) {
                return;
            }
            if (t[k].isWord(u"from") && from == t.size()) {
                from = k;
            }
        }
    }
    if (from == t.size()) {
        return;
    }
    size_t table = nextSignificant(t, from + 1);
    while (table < t.size() && t[table].isSymbol(u"(")) {
        table = nextSignificant(t, table + 1);
    }
    if (table >= t.size() ||
        (t[table].kind != jet::TokenKind::Word && t[table].kind != jet::TokenKind::QuotedName) ||
        t[table].isWord(u"select")) {
        return;
    }
    const size_t after = nextSignificant(t, table + 1);
    if (after < t.size() && t[after].isSymbol(u".")) {
        return;  // a table of another file
    }
    QString alias;
    if (after < t.size() && t[after].isWord(u"as")) {
        const size_t a = nextSignificant(t, after + 1);
        if (a < t.size()) {
            alias = t[a].name();
        }
    } else if (after < t.size() &&
               (t[after].kind == jet::TokenKind::Word ||
                t[after].kind == jet::TokenKind::QuotedName) &&
               !isClauseWord(t[after])) {
        alias = t[after].name();
    }
    baseTable_ = t[table].name();
    const std::vector<jet::Token> head(t.begin(), t.begin() + static_cast<long>(from));
    const std::vector<jet::Token> tail(t.begin() + static_cast<long>(from), t.end());
    withRowid = jet::joinTokens(head).trimmed() + QStringLiteral(", ") +
                bracket(alias.isEmpty() ? baseTable_ : alias) + QStringLiteral(".rowid AS ") +
                kRowidColumn + u' ' + jet::joinTokens(tail);
}

bool Dataset::open(const QString& jetSql, const QVariantList& params) {
    close();
    sql_ = jetSql;
    params_ = params;
    lastError_.clear();
    const jet::Translation& t = db_.translation(jetSql);
    if (!t.ok()) {
        return fail(QStringLiteral("无法转换的SQL语句（%1）\n语句：%2").arg(t.error, jetSql));
    }
    if (t.statements.size() != 1 || !t.attachments.empty() ||
        !t.statements.front().intoTable.isEmpty()) {
        return fail(QStringLiteral("这条语句不能作为记录集打开\n语句：") + jetSql);
    }
    const QString plain = t.statements.front().sql;
    QString withRowid;
    findBaseTable(plain, withRowid);
    std::unique_ptr<SqlStatement> stmt;
    if (!withRowid.isEmpty()) {
        stmt = db_.prepareNative(withRowid);
    }
    if (!stmt) {
        baseTable_.clear();
        stmt = db_.prepareNative(plain);
    }
    if (!stmt) {
        return fail(db_.lastError().section(u'\n', 0, 0) + QStringLiteral("\n语句：") + jetSql);
    }
    if (!stmt->bind(params)) {
        return fail(stmt->errorText() + QStringLiteral("\n语句：") + jetSql);
    }
    const int columns = stmt->columnCount();
    const int rowidIndex = baseTable_.isEmpty() ? -1 : columns - 1;
    for (int c = 0; c < columns; ++c) {
        if (c == rowidIndex) {
            continue;
        }
        Field f;
        f.name = stmt->columnName(c);
        f.kind = stmt->columnKind(c);
        if (!baseTable_.isEmpty() &&
            stmt->originTable(c).compare(baseTable_, Qt::CaseInsensitive) == 0) {
            f.column = stmt->originColumn(c);
        }
        fields_.push_back(f);
    }
    SqlStatement::Step step;
    while ((step = stmt->step()) == SqlStatement::Step::Row) {
        Row row;
        row.values.reserve(static_cast<qsizetype>(fields_.size()));
        for (int c = 0; c < columns; ++c) {
            if (c == rowidIndex) {
                row.rowid = stmt->value(c).toLongLong();
            } else {
                row.values << stmt->value(c);
            }
        }
        row.original = row.values;
        rows_.push_back(std::move(row));
    }
    if (step == SqlStatement::Step::Error) {
        const QString error = stmt->errorText();
        close();
        return fail(error + QStringLiteral("\n语句：") + jetSql);
    }
    if (!baseTable_.isEmpty()) {
        std::unique_ptr<SqlStatement> pk =
            db_.prepareNative(QStringLiteral("select name from pragma_table_info(?) where pk=1 and "
                                             "upper(type)='INTEGER'"));
        if (pk && pk->bind({baseTable_}) && pk->step() == SqlStatement::Step::Row) {
            keyColumn_ = pk->value(0).toString();
        }
    }
    state_ = State::Browse;
    setCurrent(rows_.empty() ? -1 : 0);
    return true;
}

bool Dataset::requery() {
    if (sql_.isEmpty()) {
        return fail(QStringLiteral("记录集没有打开过"));
    }
    if (!postBeforeMove()) {
        return false;
    }
    const int oldRow = current_;
    const qint64 oldRowid = current_ >= 0 ? rows_[static_cast<size_t>(current_)].rowid : 0;
    if (!open(sql_, params_)) {
        return false;
    }
    if (oldRowid != 0) {
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (rows_[i].rowid == oldRowid) {
                setCurrent(static_cast<int>(i));
                return true;
            }
        }
    }
    if (!rows_.empty() && oldRow >= 0) {
        setCurrent(std::min(oldRow, recordCount() - 1));
    }
    return true;
}

void Dataset::setCurrent(int row) {
    current_ = row;
    eof_ = row < 0;
    bof_ = row < 0;
}

// A move first posts the row being edited; when that fails the current row stays where it was,
// still in editing, and the move reports the failure.
bool Dataset::postBeforeMove() {
    return state_ == State::Browse || post();
}

bool Dataset::first() {
    if (!postBeforeMove()) {
        return false;
    }
    setCurrent(rows_.empty() ? -1 : 0);
    return true;
}

bool Dataset::last() {
    if (!postBeforeMove()) {
        return false;
    }
    setCurrent(rows_.empty() ? -1 : recordCount() - 1);
    return true;
}

bool Dataset::next() {
    if (!postBeforeMove()) {
        return false;
    }
    if (rows_.empty()) {
        eof_ = true;
        return true;
    }
    if (current_ + 1 < recordCount()) {
        ++current_;
        bof_ = false;
    } else {
        eof_ = true;
    }
    return true;
}

bool Dataset::prior() {
    if (!postBeforeMove()) {
        return false;
    }
    if (rows_.empty()) {
        bof_ = true;
        return true;
    }
    if (current_ > 0) {
        --current_;
        eof_ = false;
    } else {
        bof_ = true;
    }
    return true;
}

bool Dataset::moveTo(int row) {
    if (row < 0 || row >= recordCount()) {
        return false;
    }
    if (!postBeforeMove()) {
        return false;
    }
    setCurrent(row);
    return true;
}

QStringList Dataset::fieldNames() const {
    QStringList names;
    for (const Field& f : fields_) {
        names << f.name;
    }
    return names;
}

int Dataset::fieldIndex(const QString& name) const {
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QVariant Dataset::value(int field) const {
    if (field < 0 || field >= static_cast<int>(fields_.size())) {
        return {};
    }
    if (state_ == State::Edit || state_ == State::Insert) {
        return buffer_.values[field];
    }
    if (current_ < 0) {
        return {};
    }
    return rows_[static_cast<size_t>(current_)].values[field];
}

QVariant Dataset::value(const QString& name) const {
    return value(fieldIndex(name));
}

QString Dataset::text(const QString& name) const {
    return displayText(value(name));
}

int Dataset::integer(const QString& name) const {
    return value(name).toInt();
}

bool Dataset::boolean(const QString& name) const {
    return value(name).toBool();
}

QDate Dataset::date(const QString& name) const {
    return value(name).toDate();
}

bool Dataset::checkBrowseRow(const char* action) {
    if (state_ == State::Inactive) {
        return fail(QStringLiteral("记录集没有打开，不能") + QString::fromUtf8(action));
    }
    if (baseTable_.isEmpty()) {
        return fail(QStringLiteral("这个记录集是只读的，不能") + QString::fromUtf8(action));
    }
    return true;
}

bool Dataset::append() {
    if (!checkBrowseRow("新增") || (state_ != State::Browse && !post())) {
        return false;
    }
    buffer_ = Row{};
    buffer_.status = RowStatus::Inserted;
    for (size_t i = 0; i < fields_.size(); ++i) {
        buffer_.values << QVariant();
    }
    changed_.assign(fields_.size(), false);
    editRow_ = -1;
    state_ = State::Insert;
    return true;
}

bool Dataset::edit() {
    if (state_ == State::Edit || state_ == State::Insert) {
        return true;
    }
    if (!checkBrowseRow("修改")) {
        return false;
    }
    if (current_ < 0) {
        return fail(QStringLiteral("没有当前记录，不能修改"));
    }
    buffer_ = rows_[static_cast<size_t>(current_)];
    changed_.assign(fields_.size(), false);
    editRow_ = current_;
    state_ = State::Edit;
    return true;
}

bool Dataset::setValue(const QString& name, const QVariant& value) {
    const int f = fieldIndex(name);
    if (f < 0) {
        return fail(QStringLiteral("记录集中没有字段 ") + name);
    }
    if (state_ == State::Browse && !edit()) {
        return false;
    }
    if (state_ != State::Edit && state_ != State::Insert) {
        return fail(QStringLiteral("记录集不在编辑状态"));
    }
    const Field& field = fields_[static_cast<size_t>(f)];
    if (field.column.isEmpty()) {
        return fail(QStringLiteral("字段 %1 不能修改").arg(name));
    }
    QVariant stored;
    if (!toStorage(value, field.kind, stored)) {
        return fail(QStringLiteral("数据类型不匹配：%1 不能接受 '%2'").arg(name, value.toString()));
    }
    buffer_.values[f] = fromStorage(stored, field.kind);
    changed_[static_cast<size_t>(f)] = true;
    return true;
}

bool Dataset::post() {
    if (state_ == State::Browse) {
        return true;
    }
    if (state_ == State::Inactive) {
        return fail(QStringLiteral("记录集没有打开"));
    }
    const bool inserting = state_ == State::Insert;
    bool anyChange = false;
    for (bool c : changed_) {
        anyChange = anyChange || c;
    }
    if (!inserting && !anyChange) {
        state_ = State::Browse;
        return true;
    }
    Row row = buffer_;
    if (!batch_) {
        if (inserting ? !writeInsert(row) : !writeUpdate(row)) {
            return false;
        }
        row.original = row.values;
        row.status = RowStatus::Unchanged;
    } else if (!inserting && row.status == RowStatus::Unchanged) {
        row.status = RowStatus::Modified;
    }
    if (inserting) {
        rows_.push_back(std::move(row));
        setCurrent(recordCount() - 1);
    } else {
        rows_[static_cast<size_t>(editRow_)] = std::move(row);
        setCurrent(editRow_);
    }
    state_ = State::Browse;
    return true;
}

void Dataset::cancel() {
    if (state_ == State::Edit || state_ == State::Insert) {
        state_ = State::Browse;
    }
}

bool Dataset::remove() {
    if (!checkBrowseRow("删除")) {
        return false;
    }
    if (state_ == State::Insert) {
        cancel();
        return true;
    }
    cancel();
    if (current_ < 0) {
        return fail(QStringLiteral("没有当前记录，不能删除"));
    }
    Row& row = rows_[static_cast<size_t>(current_)];
    if (!batch_) {
        if (!writeDelete(row.rowid)) {
            return false;
        }
    } else if (row.status != RowStatus::Inserted) {
        deleted_.push_back(row);
    }
    rows_.erase(rows_.begin() + current_);
    if (rows_.empty()) {
        setCurrent(-1);
    } else {
        setCurrent(std::min(current_, recordCount() - 1));
    }
    return true;
}

bool Dataset::writeInsert(Row& row) {
    QStringList columns;
    QStringList marks;
    QVariantList params;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (row.status == RowStatus::Inserted && !fields_[i].column.isEmpty() &&
            (!row.values[static_cast<qsizetype>(i)].isNull())) {
            QVariant stored;
            toStorage(row.values[static_cast<qsizetype>(i)], fields_[i].kind, stored);
            columns << bracket(fields_[i].column);
            marks << QStringLiteral("?");
            params << stored;
        }
    }
    const QString sql =
        columns.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(bracket(baseTable_))
                          : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(bracket(baseTable_), columns.join(u','), marks.join(u','));
    if (!db_.execNative(sql, params)) {
        return fail(db_.lastError());
    }
    row.rowid = db_.lastInsertId();
    if (!keyColumn_.isEmpty()) {
        for (size_t i = 0; i < fields_.size(); ++i) {
            if (fields_[i].column.compare(keyColumn_, Qt::CaseInsensitive) == 0) {
                row.values[static_cast<qsizetype>(i)] = static_cast<int>(row.rowid);
            }
        }
    }
    return true;
}

bool Dataset::writeUpdate(const Row& row) {
    QStringList sets;
    QVariantList params;
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QVariant& now = row.values[static_cast<qsizetype>(i)];
        const QVariant& before = row.original[static_cast<qsizetype>(i)];
        if (fields_[i].column.isEmpty() || (now == before && now.isNull() == before.isNull())) {
            continue;
        }
        QVariant stored;
        toStorage(now, fields_[i].kind, stored);
        sets << bracket(fields_[i].column) + QStringLiteral("=?");
        params << stored;
    }
    if (sets.isEmpty()) {
        return true;
    }
    params << row.rowid;
    if (!db_.execNative(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                            .arg(bracket(baseTable_), sets.join(u',')),
                        params)) {
        return fail(db_.lastError());
    }
    return true;
}

bool Dataset::writeDelete(qint64 rowid) {
    if (!db_.execNative(QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(bracket(baseTable_)),
                        {rowid})) {
        return fail(db_.lastError());
    }
    return true;
}

bool Dataset::locate(const QStringList& fields, const QVariantList& values, int options) {
    if (fields.size() != values.size()) {
        return fail(QStringLiteral("查找的字段与值的个数不一致"));
    }
    std::vector<int> indexes;
    for (const QString& name : fields) {
        const int f = fieldIndex(name);
        if (f < 0) {
            return fail(QStringLiteral("记录集中没有字段 ") + name);
        }
        indexes.push_back(f);
    }
    lastError_.clear();
    if (!postBeforeMove()) {
        return false;
    }
    for (size_t r = 0; r < rows_.size(); ++r) {
        bool match = true;
        for (size_t k = 0; k < indexes.size() && match; ++k) {
            const Field& field = fields_[static_cast<size_t>(indexes[k])];
            match = sameValue(rows_[r].values[indexes[k]], values[static_cast<qsizetype>(k)],
                              field.kind, options);
        }
        if (match) {
            setCurrent(static_cast<int>(r));
            return true;
        }
    }
    return false;
}

bool Dataset::locate(const QString& field, const QVariant& value, int options) {
    return locate(QStringList{field}, QVariantList{value}, options);
}

bool Dataset::hasPendingUpdates() const {
    if (!deleted_.empty()) {
        return true;
    }
    for (const Row& r : rows_) {
        if (r.status != RowStatus::Unchanged) {
            return true;
        }
    }
    return false;
}

bool Dataset::applyUpdates() {
    if (state_ != State::Browse && !post()) {
        return false;
    }
    if (!hasPendingUpdates()) {
        return true;
    }
    Transaction tx(db_);
    if (!tx.isActive()) {
        return fail(db_.lastError());
    }
    std::vector<Row> written = rows_;
    for (const Row& r : deleted_) {
        if (!writeDelete(r.rowid)) {
            return false;
        }
    }
    for (Row& r : written) {
        if (r.status == RowStatus::Modified && !writeUpdate(r)) {
            return false;
        }
        if (r.status == RowStatus::Inserted && !writeInsert(r)) {
            return false;
        }
    }
    if (!tx.commit()) {
        return fail(db_.lastError());
    }
    for (Row& r : written) {
        r.status = RowStatus::Unchanged;
        r.original = r.values;
    }
    rows_ = std::move(written);
    deleted_.clear();
    return true;
}

void Dataset::cancelUpdates() {
    cancel();
    std::vector<Row> kept;
    for (Row& r : rows_) {
        if (r.status == RowStatus::Inserted) {
            continue;
        }
        r.values = r.original;
        r.status = RowStatus::Unchanged;
        kept.push_back(std::move(r));
    }
    for (Row& r : deleted_) {
        r.values = r.original;
        r.status = RowStatus::Unchanged;
        kept.push_back(std::move(r));
    }
    rows_ = std::move(kept);
    deleted_.clear();
    setCurrent(rows_.empty() ? -1 : std::min(std::max(current_, 0), recordCount() - 1));
}

}  // namespace db
