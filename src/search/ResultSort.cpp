#include "search/ResultSort.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "db/Database.h"
#include "search/SearchResult.h"
#include "text/StrokeKey.h"

namespace search {

const QStringList kFirstElements = {QStringLiteral("职务级别（职务层次）"), QStringLiteral("年龄"),
                                    QStringLiteral("学历")};
const QStringList kSecondElements = {QStringLiteral("任职级时间"), QStringLiteral("年龄"),
                                     QStringLiteral("姓氏笔画")};

SortElement firstElementAt(int position) {
    static const SortElement elements[] = {SortElement::Rank, SortElement::Age,
                                           SortElement::Education};
    return elements[std::clamp(position, 0, 2)];
}

SortElement secondElementAt(int position) {
    static const SortElement elements[] = {SortElement::RankSince, SortElement::Age,
                                           SortElement::Strokes};
    return elements[std::clamp(position, 0, 2)];
}

QString unrecognisedNameMessage(const QString& name) {
    return name + QStringLiteral(" 姓名中可能存在不识别的字符");
}

namespace {

// Writes `key` of cadre `tcid` with one prepared statement, many times.
class KeyWriter {
  public:
    explicit KeyWriter(db::Database& db,
                       const char* statement = "update tb_tcid set tords=? where tcid=?")
        : db_(db), update_(db.prepare(QString::fromLatin1(statement))) {}

    bool write(const QVariant& value, const QVariant& id) {
        if (!update_) {
            failure_ = Failure{{}, db_.lastError()};
            return false;
        }
        update_->reset();
        if (!update_->bind({value, id}) || update_->step() == db::SqlStatement::Step::Error) {
            failure_ = Failure{{}, update_->errorText()};
            return false;
        }
        return true;
    }
    const Failure& failure() const { return failure_; }

  private:
    db::Database& db_;
    std::unique_ptr<db::SqlStatement> update_;
    Failure failure_;
};

Result<void> committed(db::Transaction& transaction, db::Database& db) {
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

// A value of a ranked table by its name (tb_zj, tb_xl).
Result<QHash<QString, int>> readRanks(db::Database& db, const QString& statement) {
    const auto rows = db.query(statement);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QHash<QString, int> ranks;
    for (const QVariantList& row : rows->rows) {
        ranks.insert(row.value(0).toString(), row.value(1).toInt());
    }
    return ranks;
}

QString padded(const QHash<QString, int>& ranks, const QString& value) {
    const auto found = ranks.constFind(value);
    return found == ranks.constEnd() ? QStringLiteral("99999")
                                     : QStringLiteral("%1").arg(*found, 5, 10, QLatin1Char('0'));
}

}  // namespace

Result<QStringList> sortCombined(db::Database& db, const SortRule& rule) {
    const bool ranged = rule.fromRow > 0 || rule.toRow > 0;
    if (ranged && (rule.fromRow < 1 || rule.toRow < rule.fromRow)) {
        return Failure{kBadRange, {}};
    }
    const Result<QHash<QString, int>> levels =
        readRanks(db, QStringLiteral("select zjmc,level1 from tb_zj"));
    if (!levels) {
        return levels.failure();
    }
    const Result<QHash<QString, int>> education =
        readRanks(db, QStringLiteral("select xl,v from tb_xl"));
    if (!education) {
        return education.failure();
    }
    const auto rows = db.query(QStringLiteral(
        "select tcid,xm,zwjb,gxl,zwjbTimeStr,csnystr,tords from tb_tcid as b left outer join "
        "tb_cadre as a on a.cadreid=b.tcid order by tords,tord"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    const int count = static_cast<int>(rows->rows.size());
    const int first = ranged ? rule.fromRow - 1 : 0;
    const int last = ranged ? std::min(rule.toRow, count) - 1 : count - 1;
    if (first > last) {
        return QStringList();
    }
    const QString prefix =
        ranged ? rows->rows[static_cast<size_t>(first)].value(6).toString() + u'-' : QString();

    // The stroke table is large: each character is looked up once, when a name first needs it.
    const std::unique_ptr<db::SqlStatement> strokeLookup =
        db.prepare(QStringLiteral("select bhord from tb_xsbh where zfs=?"));
    if (!strokeLookup) {
        return Failure{{}, db.lastError()};
    }
    QHash<QString, QString> strokeKeys;
    QString lookupError;
    const text::StrokeKeyLookup lookup = [&](const QString& character) {
        const auto known = strokeKeys.constFind(character);
        if (known != strokeKeys.constEnd()) {
            return *known;
        }
        strokeLookup->reset();
        QString key;
        if (!strokeLookup->bind({character})) {
            lookupError = strokeLookup->errorText();
        } else if (const auto step = strokeLookup->step(); step == db::SqlStatement::Step::Row) {
            key = strokeLookup->value(0).toString();
        } else if (step == db::SqlStatement::Step::Error) {
            lookupError = strokeLookup->errorText();
        }
        strokeKeys.insert(character, key);
        return key;
    };

    QStringList unrecognised;
    const auto element = [&](SortElement which, const QVariantList& row) -> QString {
        switch (which) {
            case SortElement::Rank:
                return padded(*levels, row.value(2).toString());
            case SortElement::Education:
                return padded(*education, row.value(3).toString());
            case SortElement::RankSince:
                return row.value(4).toString();
            case SortElement::Age: {
                const QString month = row.value(5).toString();
                return month.isEmpty() ? QStringLiteral("999999") : month;
            }
            case SortElement::Strokes:
                break;
        }
        QString name = row.value(1).toString();
        const text::NameStrokeKey key = text::strokeKeyOfName(name, lookup);
        if (!key.unrecognised.isEmpty()) {
            unrecognised << name;
        }
        return key.key;
    };

    struct Handled {
        QVariant tcid;
        QString key;
    };
    std::vector<Handled> handled;
    for (int i = first; i <= last; ++i) {
        const QVariantList& row = rows->rows[static_cast<size_t>(i)];
        const QString key = rule.strokesOnly
                                ? element(SortElement::Strokes, row)
                                : element(rule.first, row) + u'-' + element(rule.second, row);
        handled.push_back({row.value(0), key});
    }
    if (!lookupError.isEmpty()) {
        return Failure{{}, lookupError};
    }
    std::stable_sort(handled.begin(), handled.end(),
                     [](const Handled& a, const Handled& b) { return a.key < b.key; });

    db::Transaction transaction(db);
    KeyWriter writer(db);
    const int size = static_cast<int>(handled.size());
    for (int i = 0; i < size; ++i) {
        // The running number after the elements keeps rows of equal elements in their order.
        const Handled& h = handled[static_cast<size_t>(i)];
        if (!writer.write(QString(prefix + h.key + u'-' + sortNumber(i + 1, size)), h.tcid)) {
            return writer.failure();
        }
    }
    if (auto done = committed(transaction, db); !done) {
        return done.failure();
    }
    return unrecognised;
}

Result<void> sortByDefaultOrder(db::Database& db) {
    const auto rows = db.query(QStringLiteral(
        "select tcid from tb_tcid as a left outer join tb_cadre as b on a.tcid=b.cadreid order "
        "by gbord,tord"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    db::Transaction transaction(db);
    KeyWriter writer(db);
    const int count = static_cast<int>(rows->rows.size());
    for (int k = 0; k < count; ++k) {
        if (!writer.write(sortNumber(k + 1, count), rows->rows[static_cast<size_t>(k)].value(0))) {
            return writer.failure();
        }
    }
    return committed(transaction, db);
}

Result<void> saveAsDefaultOrder(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select tcid from tb_tcid order by tords,tord"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    const int count = static_cast<int>(rows->rows.size());
    db::Transaction transaction(db);
    if (!db.exec(QStringLiteral("update tb_cadre set gbord=") + QString::number(count) +
                 QStringLiteral("+gbord"))) {
        return Failure{{}, db.lastError()};
    }
    KeyWriter writer(db, "update tb_cadre set gbord=? where cadreid=?");
    for (int k = 0; k < count; ++k) {
        if (!writer.write(k + 1, rows->rows[static_cast<size_t>(k)].value(0))) {
            return writer.failure();
        }
    }
    return committed(transaction, db);
}

Result<void> sortByUnit(db::Database& db, const QList<int>& units) {
    QString restriction;
    if (!units.isEmpty()) {
        QStringList ids;
        for (const int id : units) {
            ids << QString::number(id);
        }
        restriction = QStringLiteral("where y.dwid in(") + ids.join(u',') + u')';
    }
    const auto rows = db.query(
        QStringLiteral("select  c.tcid,d.name,d.dwindex  from (select * from (select tcid,tords "
                       "from tb_tcid as a left outer join tb_Cadre as b on b.cadreid=a.tcid) as x "
                       "left outer join tb_cadre_node as y on x.tcid=y.ZwCadreID ") +
        restriction +
        QStringLiteral(")as c left outer join tb_department as d on c.dwid=d.id order by "
                       "dwindex,zwOrder,tords"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    // A cadre of several units keeps the place of its last membership.
    QHash<qint64, int> place;
    std::vector<qint64> order;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const qint64 tcid = rows->rows[i].value(0).toLongLong();
        if (!place.contains(tcid)) {
            order.push_back(tcid);
        }
        place.insert(tcid, static_cast<int>(i) + 1);
    }
    db::Transaction transaction(db);
    KeyWriter writer(db);
    const int count = static_cast<int>(rows->rows.size());
    for (const qint64 tcid : order) {
        if (!writer.write(sortNumber(place.value(tcid), count), tcid)) {
            return writer.failure();
        }
    }
    return committed(transaction, db);
}

namespace {

struct KeyedRow {
    int tcid = 0;
    QString key;
};

// The result's rows in list order with their keys. When a key is empty or shared by two rows
// (lists kept from before keys were made unique), every row first gets its running number as
// its key, in that order, so that the list keeps its order and each row a key of its own. Runs
// inside the caller's transaction.
Result<std::vector<KeyedRow>> rowsWithOwnKeys(db::Database& db) {
    const auto read =
        db.query(QStringLiteral("select tcid,tords from tb_tcid order by tords,tord"));
    if (!read) {
        return Failure{{}, db.lastError()};
    }
    std::vector<KeyedRow> rows;
    rows.reserve(read->rows.size());
    bool own = true;
    for (const QVariantList& row : read->rows) {
        const QString key = row.value(1).toString();
        own = own && !key.isEmpty() && (rows.empty() || rows.back().key != key);
        rows.push_back({row.value(0).toInt(), key});
    }
    if (own) {
        return rows;
    }
    KeyWriter writer(db);
    const int count = static_cast<int>(rows.size());
    for (int k = 0; k < count; ++k) {
        KeyedRow& row = rows[static_cast<size_t>(k)];
        row.key = sortNumber(k + 1, count);
        if (!writer.write(row.key, row.tcid)) {
            return writer.failure();
        }
    }
    return rows;
}

// The rows of `rows` that the list shows while the reverse lookup `lookup` is in force, in their
// order.
Result<std::vector<KeyedRow>> listedRows(db::Database& db, const std::vector<KeyedRow>& rows,
                                         const QString& lookup) {
    const auto read = db.query(QStringLiteral("select a.tcid from tb_tcid as a left outer join "
                                              "tb_Cadre as b on b.cadreid=a.tcid") +
                               listedWhere(lookup));
    if (!read) {
        return Failure{{}, db.lastError()};
    }
    QSet<int> shown;
    for (const QVariantList& row : read->rows) {
        shown.insert(row.value(0).toInt());
    }
    std::vector<KeyedRow> listed;
    std::copy_if(rows.cbegin(), rows.cend(), std::back_inserter(listed),
                 [&shown](const KeyedRow& r) { return shown.contains(r.tcid); });
    return listed;
}

}  // namespace

Result<void> swapKeys(db::Database& db, int cadreA, int cadreB) {
    const auto keyOf = [&db](int cadre) {
        return db.scalar(QStringLiteral("select tords from tb_tcid where tcid=?"), {cadre});
    };
    db::Transaction transaction(db);
    Result<QVariant> a = keyOf(cadreA);
    Result<QVariant> b = keyOf(cadreB);
    // Two rows that share a key would not change places by exchanging it.
    if (a && b && a->toString() == b->toString()) {
        if (const Result<std::vector<KeyedRow>> rows = rowsWithOwnKeys(db); !rows) {
            return rows.failure();
        }
        a = keyOf(cadreA);
        b = keyOf(cadreB);
    }
    if (!a) {
        return a.failure();
    }
    if (!b) {
        return b.failure();
    }
    KeyWriter writer(db);
    if (!writer.write(*b, cadreA) || !writer.write(*a, cadreB)) {
        return writer.failure();
    }
    return committed(transaction, db);
}

Result<void> moveToRow(db::Database& db, int cadreId, int targetRow, const QString& lookup) {
    db::Transaction transaction(db);
    Result<std::vector<KeyedRow>> read = rowsWithOwnKeys(db);
    if (read && !lookup.isEmpty()) {
        read = listedRows(db, *read, lookup);
    }
    if (!read) {
        return read.failure();
    }
    std::vector<KeyedRow>& rows = *read;
    const auto moved = std::find_if(rows.begin(), rows.end(),
                                    [cadreId](const KeyedRow& r) { return r.tcid == cadreId; });
    if (moved == rows.end()) {
        return committed(transaction, db);
    }
    const auto from = moved - rows.begin();
    const auto to = std::clamp<std::ptrdiff_t>(targetRow, 1, std::ssize(rows)) - 1;
    // The rows from the moved one to its target keep their keys in place and shift by one
    // between them: the moved row takes the key of the row at the target, and every key stays
    // the key of one row only.
    const auto first = std::min(from, to);
    const auto last = std::max(from, to);
    QStringList keys;
    for (auto i = first; i <= last; ++i) {
        keys << rows[static_cast<size_t>(i)].key;
    }
    if (from < to) {
        std::rotate(moved, moved + 1, rows.begin() + to + 1);
    } else {
        std::rotate(rows.begin() + to, moved, moved + 1);
    }
    KeyWriter writer(db);
    for (auto i = first; i <= last; ++i) {
        if (!writer.write(keys[i - first], rows[static_cast<size_t>(i)].tcid)) {
            return writer.failure();
        }
    }
    return committed(transaction, db);
}

}  // namespace search
