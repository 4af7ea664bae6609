#include "db/PagedRows.h"

#include <memory>

#include "db/Database.h"
#include "db/SqlStatement.h"

namespace db {

PagedRows::PagedRows(int pageSize, int keptPages)
    : pageSize_(std::max(1, pageSize)), keptPages_(std::max(1, keptPages)) {}

QString PagedRows::rowsStatement() const {
    return QStringLiteral("select ") + query_.columns + u' ' + query_.from;
}

QString PagedRows::pageStatement() const {
    // Always as many placeholders as a page has rows, so that one statement text (translated
    // once) serves every page; a short last page repeats its last key.
    QString placeholders;
    for (int i = 0; i < pageSize_; ++i) {
        placeholders += i == 0 ? QStringLiteral("?") : QStringLiteral(",?");
    }
    return QStringLiteral("select * from (") + rowsStatement() +
           QStringLiteral(") as paged where paged.") + query_.keys.value(0) +
           QStringLiteral(" in (") + placeholders + u')';
}

void PagedRows::clear() {
    keys_.clear();
    columns_.clear();
    rowOfFirstKey_.clear();
    pages_.clear();
    recentPages_.clear();
}

Result<void> PagedRows::load(Database& db, Query query) {
    clear();
    db_ = &db;
    query_ = std::move(query);
    // The page statement is prepared once here for its column names, so that a statement that
    // cannot be read fails now rather than when the first page is shown.
    {
        const std::unique_ptr<SqlStatement> page = db.prepare(pageStatement());
        if (!page) {
            return Failure{{}, db.lastError()};
        }
        for (int i = 0; i < page->columnCount(); ++i) {
            columns_ << page->columnName(i);
        }
    }
    QString sql = QStringLiteral("select ") + query_.keys.join(u',') + u' ' + query_.from;
    if (!query_.order.isEmpty()) {
        sql += QStringLiteral(" order by ") + query_.order;
    }
    const std::unique_ptr<SqlStatement> stmt = db.prepare(sql);
    if (!stmt) {
        return Failure{{}, db.lastError()};
    }
    const int width = keyWidth();
    SqlStatement::Step step;
    while ((step = stmt->step()) == SqlStatement::Step::Row) {
        for (int k = 0; k < width; ++k) {
            keys_.push_back(stmt->value(k).toLongLong());
        }
    }
    if (step == SqlStatement::Step::Error) {
        const Failure failure{{}, stmt->errorText() + QStringLiteral("\n") + sql};
        clear();
        return failure;
    }
    return {};
}

qint64 PagedRows::key(int row, int k) const {
    if (row < 0 || row >= size() || k < 0 || k >= keyWidth()) {
        return 0;
    }
    return keys_[static_cast<size_t>(row * keyWidth() + k)];
}

int PagedRows::rowOfKey(qint64 value, int k) const {
    if (k == 0) {
        if (rowOfFirstKey_.isEmpty() && !keys_.empty()) {
            rowOfFirstKey_.reserve(size());
            for (int row = size() - 1; row >= 0; --row) {
                rowOfFirstKey_.insert(key(row), row);
            }
        }
        return rowOfFirstKey_.value(value, -1);
    }
    for (int row = 0; row < size(); ++row) {
        if (key(row, k) == value) {
            return row;
        }
    }
    return -1;
}

int PagedRows::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

const QVariantList* PagedRows::row(int row) {
    if (row < 0 || row >= size()) {
        return nullptr;
    }
    const int page = row / pageSize_;
    if (!pages_.contains(page) && !readPage(page)) {
        return nullptr;
    }
    if (recentPages_.front() != page) {
        recentPages_.remove(page);
        recentPages_.push_front(page);
    }
    const std::vector<QVariantList>& rows = pages_[page];
    return &rows[static_cast<size_t>(row - page * pageSize_)];
}

bool PagedRows::readPage(int page) {
    const int first = page * pageSize_;
    const int count = std::min(pageSize_, size() - first);
    QVariantList params;
    params.reserve(pageSize_);
    QHash<qint64, int> slotOfKey;
    for (int i = 0; i < pageSize_; ++i) {
        const qint64 k = key(first + std::min(i, count - 1));
        params << k;
        if (i < count) {
            slotOfKey.insert(k, i);
        }
    }
    const std::unique_ptr<SqlStatement> stmt = db_->prepare(pageStatement());
    if (!stmt) {
        lastFailure_ = Failure{{}, db_->lastError()};
        return false;
    }
    if (!stmt->bind(params)) {
        lastFailure_ = Failure{{}, stmt->errorText()};
        return false;
    }
    const int n = stmt->columnCount();
    const int keyColumn = columnIndex(query_.keys.value(0));
    std::vector<QVariantList> rows(static_cast<size_t>(count));
    SqlStatement::Step step;
    while ((step = stmt->step()) == SqlStatement::Step::Row) {
        const auto slot = slotOfKey.constFind(stmt->value(keyColumn).toLongLong());
        if (slot == slotOfKey.cend()) {
            continue;
        }
        QVariantList& values = rows[static_cast<size_t>(*slot)];
        values.reserve(n);
        for (int i = 0; i < n; ++i) {
            values.emplaceBack(stmt->value(i));
        }
    }
    if (step == SqlStatement::Step::Error) {
        lastFailure_ = Failure{{}, stmt->errorText()};
        return false;
    }
    pages_.insert(page, std::move(rows));
    recentPages_.push_front(page);
    while (static_cast<int>(recentPages_.size()) > keptPages_) {
        pages_.remove(recentPages_.back());
        recentPages_.pop_back();
    }
    return true;
}

void PagedRows::reorder(const std::vector<int>& order) {
    const int width = keyWidth();
    std::vector<qint64> keys;
    keys.reserve(keys_.size());
    for (const int row : order) {
        for (int k = 0; k < width; ++k) {
            keys.push_back(key(row, k));
        }
    }
    keys_ = std::move(keys);
    rowOfFirstKey_.clear();
    pages_.clear();
    recentPages_.clear();
}

Result<QVariantList> PagedRows::columnValues(const QString& column) {
    if (db_ == nullptr) {
        return QVariantList();
    }
    const QString key = query_.keys.value(0);
    const QString sql = QStringLiteral("select paged.") + key + QStringLiteral(", paged.") +
                        column + QStringLiteral(" from (") + rowsStatement() +
                        QStringLiteral(") as paged");
    const std::unique_ptr<SqlStatement> stmt = db_->prepare(sql);
    if (!stmt) {
        return Failure{{}, db_->lastError()};
    }
    QVariantList values(size());
    SqlStatement::Step step;
    while ((step = stmt->step()) == SqlStatement::Step::Row) {
        const int row = rowOfKey(stmt->value(0).toLongLong());
        if (row >= 0) {
            values[row] = stmt->value(1);
        }
    }
    if (step == SqlStatement::Step::Error) {
        return Failure{{}, stmt->errorText()};
    }
    return values;
}

}  // namespace db
