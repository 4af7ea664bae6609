#include "rosters/RosterMembers.h"

#include <QSet>

#include "app/Progress.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "rosters/Rosters.h"
#include "search/SearchResult.h"

namespace rosters {

const std::vector<RosterColumn> kRosterColumns = {
    {"序号", "brOrder", true},
    {"姓名", "xm", true},
    {"性别", "xb", true},
    {"出生年月", "csnyStr", true},
    {"年龄", "age", true},
    {"现任职务", "xrz", true},
    {"任现职时间", "allRzsjList", true},
    {"职务级别", "zwjb", true},
    {"任职级时间", "zwjbTimeStr", true},
    {"民族", "mz", true},
    {"政治面貌", "zzmm", true},
    {"出生地", "csSheng", true},
    {"籍贯", "jgsheng", true},
    {"入党时间", "rdsjStr", true},
    {"工作时间", "gzsjStr", true},
    {"学历", "gxl", true},
    {"毕业院校", "gxlxx", true},
    {"专业技术职务", "zyjszw", true},
    {"全日制学历", "qrzxl", false},
    {"全日制学位", "qrzxw", false},
    {"全日制毕业院校", "qrzxxzy", false},
    {"在职学历", "zzxl", false},
    {"在职学位", "zzxw", false},
    {"在职毕业院校", "zzxxzy", false},
    {"自定义1", "res5", false},
    {"自定义2", "res6", false},
    {"自定义3", "res7", false},
    {"自定义4", "res8", false},
};

namespace {

// The cadre columns of the one cadre read that frozen copies are taken from.
const char* const kCadreRead[] = {
    "Classid",     "gbOrd",       "other",   "CadreID", "xm",      "xb",      "csny",
    "rdsj",        "gzsj",        "mz",      "zzmm",    "jgsheng", "cssheng", "zwjb",
    "zwjbTime",    "zwjbTimeStr", "csnyStr", "rdsjStr", "gzsjStr", "py",      "allZwList",
    "allRzsjList", "gxw",         "gxl",     "gxlxx",   "ctype",   "zydj",    "zyzcTime",
    "rybz",        "ZwLock",      "fggz",    "qrzxw",   "zzxw",    "jkzk",    "zyjszw",
    "zytc",        "qrzxl",       "zzxl",    "qrzxxzy", "zzxxzy",  "gzjl",    "xrz",
    "nrz",         "nmz",         "jcNote",  "khNote",  "rmNote",  "res5",    "res6",
    "res7",        "res8",        "address", "tel",     "tel2",    "zjType",  "zjh"};

const QString kDetail = QStringLiteral("tb_beadroll_detail");
const QString kMirror = QStringLiteral("tb_beadroll_mirror");

QString tableOf(const Roster& roster) {
    return roster.isStatic ? kMirror : kDetail;
}

Failure dbFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The cadre columns that the static copy has a column of the same name for (CadreID is kept
// as McCadreID).
QString copiedColumns(db::Database& db) {
    QStringList columns;
    for (const char* name : kCadreRead) {
        const QString column = QString::fromLatin1(name);
        if (column != QStringLiteral("CadreID") && db.hasColumn(kMirror, column)) {
            columns << column;
        }
    }
    return columns.join(u',');
}

}  // namespace

Result<int> addCadres(db::Database& db, const Roster& roster, const QList<int>& cadreIds,
                      const QDate& today) {
    const QString table = tableOf(roster);
    db::Transaction transaction(db);
    const auto present =
        db.query(QStringLiteral("select McCadreID from ") + table + QStringLiteral(" where mcID=?"),
                 {roster.id});
    if (!present) {
        return dbFailure(db);
    }
    QSet<int> members;
    for (const QVariantList& row : present->rows) {
        members.insert(row.value(0).toInt());
    }
    const Result<QVariant> last = db.scalar(QStringLiteral("select max(brOrder) as ord from ") +
                                                table + QStringLiteral(" where McID=?"),
                                            {roster.id});
    if (!last) {
        return last.failure();
    }
    int next = last->toInt() + 1;
    // One statement a cadre, the same text each time; a cadre no longer in the library adds no
    // line and takes no place.
    QString insert;
    if (roster.isStatic) {
        const QString columns = copiedColumns(db);
        insert = QStringLiteral("insert into tb_beadroll_mirror (mcID,McCadreID,brOrder,") +
                 columns + QStringLiteral(",age) select ?,CadreID,?,") + columns + u',' +
                 sql::Fragments::forDay(today).SqlAgeColumn +
                 QStringLiteral(" from tb_cadre where CadreID=?");
    } else {
        insert = QStringLiteral(
            "insert into tb_beadroll_detail (mcID,McCadreID,brOrder) select ?,CadreID,? from "
            "tb_cadre where CadreID=?");
    }
    int added = 0;
    int seen = 0;
    for (const int cadreId : cadreIds) {
        // The wait window moves on every fifth cadre.
        if (++seen % 5 == 0) {
            app::progress().step();
        }
        if (members.contains(cadreId)) {
            continue;
        }
        if (!db.exec(insert, {roster.id, next, cadreId})) {
            return dbFailure(db);
        }
        if (db.changes() > 0) {
            members.insert(cadreId);
            ++next;
            ++added;
        }
    }
    if (!transaction.commit()) {
        return dbFailure(db);
    }
    return added;
}

Result<int> addSearchResult(db::Database& db, const Roster& roster, const QDate& today,
                            const QString& lookup) {
    const auto rows =
        db.query(QStringLiteral("select tcid from tb_tcid as a left outer join tb_Cadre as b on "
                                "b.cadreid=a.tcid") +
                 search::listedWhere(lookup) + QStringLiteral(" order by tords,tord"));
    if (!rows) {
        return dbFailure(db);
    }
    if (rows->rows.empty()) {
        return Failure{kNoResult, {}};
    }
    QList<int> ids;
    ids.reserve(static_cast<int>(rows->rows.size()));
    for (const QVariantList& row : rows->rows) {
        ids << row.value(0).toInt();
    }
    return addCadres(db, roster, ids, today);
}

Result<void> removeCadre(db::Database& db, const Roster& roster, int cadreId) {
    const QString table = tableOf(roster);
    db::Transaction transaction(db);
    const Result<QVariant> order = db.scalar(QStringLiteral("select brOrder from ") + table +
                                                 QStringLiteral(" where McCadreID=? and mcID=?"),
                                             {cadreId, roster.id});
    if (!order) {
        return order.failure();
    }
    if (!order->isValid()) {
        return {};
    }
    if (!db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from ") + table +
                     QStringLiteral(" where McCadreID=? and mcID=?"),
                 {cadreId, roster.id}) ||
        !db.exec(QStringLiteral("update ") + table +
                     QStringLiteral(" set brOrder=brOrder-1 where brOrder>? and mcID=?"),
                 {order->toInt(), roster.id}) ||
        !transaction.commit()) {
        return dbFailure(db);
    }
    return {};
}

Result<void> swapLines(db::Database& db, const Roster& roster, int cadreId, int otherCadreId) {
    if (cadreId == otherCadreId) {
        return {};
    }
    const QString table = tableOf(roster);
    const QString read = QStringLiteral("select brOrder from ") + table +
                         QStringLiteral(" where McCadreID=? and mcID=?");
    db::Transaction transaction(db);
    const Result<QVariant> own = db.scalar(read, {cadreId, roster.id});
    if (!own) {
        return own.failure();
    }
    const Result<QVariant> other = db.scalar(read, {otherCadreId, roster.id});
    if (!other) {
        return other.failure();
    }
    if (!own->isValid() || !other->isValid()) {
        return {};
    }
    const QString update = QStringLiteral("update ") + table +
                           QStringLiteral(" set brOrder=? where McCadreID=? and mcID=?");
    if (!db.exec(update, {other->toInt(), cadreId, roster.id}) ||
        !db.exec(update, {own->toInt(), otherCadreId, roster.id}) || !transaction.commit()) {
        return dbFailure(db);
    }
    return {};
}

Result<bool> cadreExists(db::Database& db, int cadreId) {
    const Result<QVariant> found =
        db.scalar(QStringLiteral("select CadreID from tb_cadre where CadreID=?"), {cadreId});
    if (!found) {
        return found.failure();
    }
    return found->isValid();
}

db::PagedRows::Query linesQuery(db::Database& db, const Roster& roster, const QDate& today) {
    db::PagedRows::Query query;
    QStringList columns{QStringLiteral("McCadreID")};
    const QString id = QString::number(roster.id);
    if (roster.isStatic) {
        for (const RosterColumn& column : kRosterColumns) {
            const QString field = QString::fromLatin1(column.field);
            columns << (db.hasColumn(kMirror, field) ? field : QStringLiteral("null as ") + field);
        }
        query.from = QStringLiteral("from tb_beadroll_mirror where mcID=") + id;
    } else {
        for (const RosterColumn& column : kRosterColumns) {
            const QString field = QString::fromLatin1(column.field);
            if (field == QStringLiteral("age")) {
                columns << sql::Fragments::forDay(today).SqlAgeColumn.trimmed();
            } else {
                columns << field;
            }
        }
        query.from = QStringLiteral(
                         "from tb_Cadre as a inner join tb_beadroll_detail as b on "
                         "a.CadreID=b.McCadreID where b.mcID=") +
                     id;
    }
    query.columns = columns.join(u',');
    query.keys = {QStringLiteral("McCadreID")};
    query.order = QStringLiteral("brOrder");
    return query;
}

QString rosterCadresWhere(const QList<int>& rosterIds) {
    const QString list = idListText(rosterIds);
    return QStringLiteral(
               "where (cadreid in(select McCadreID from tb_beadroll_detail where mcid in ") +
           list +
           QStringLiteral(
               ")) or(cadreid in(select McCadreID from tb_beadroll_mirror where mcid in ") +
           list + u')' + u')';
}

Result<QList<int>> cadresOfRosters(db::Database& db, const QList<int>& rosterIds) {
    if (rosterIds.isEmpty()) {
        return Failure{kTickOneRoster, {}};
    }
    const auto rows =
        db.query(QStringLiteral("select CadreID from tb_cadre ") + rosterCadresWhere(rosterIds) +
                 QStringLiteral(" order by gbOrd,CadreID"));
    if (!rows) {
        return dbFailure(db);
    }
    QList<int> ids;
    for (const QVariantList& row : rows->rows) {
        ids << row.value(0).toInt();
    }
    return ids;
}

Result<int> addRostersToResult(db::Database& db, const QList<int>& rosterIds) {
    const Result<QList<int>> ids = cadresOfRosters(db, rosterIds);
    if (!ids) {
        return ids.failure();
    }
    return search::addCadres(db, *ids);
}

}  // namespace rosters
