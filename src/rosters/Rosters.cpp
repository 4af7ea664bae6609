#include "rosters/Rosters.h"

#include "db/Database.h"
#include "db/SqlText.h"
#include "text/Pinyin.h"

namespace rosters {

namespace {

const QString kHeaderColumns = QStringLiteral("id,mcName,timeYear,mirror,timeModify");

Roster rosterOfRow(const db::QueryResult& rows, size_t row) {
    Roster roster;
    roster.id = rows.value(row, QStringLiteral("id")).toInt();
    roster.name = rows.value(row, QStringLiteral("mcName")).toString();
    roster.year = rows.value(row, QStringLiteral("timeYear")).toInt();
    roster.isStatic = rows.value(row, QStringLiteral("mirror")).toBool();
    roster.modified = rows.value(row, QStringLiteral("timeModify")).toDateTime();
    return roster;
}

QString linesTable(bool isStatic) {
    return isStatic ? QStringLiteral("tb_beadroll_mirror") : QStringLiteral("tb_beadroll_detail");
}

}  // namespace

Result<std::vector<Roster>> listRosters(db::Database& db, RosterOrder order) {
    const QString orderBy = order == RosterOrder::ByYear
                                ? QStringLiteral(" order by timeYear,id")
                                : QStringLiteral(" order by timeYear desc,id");
    const auto rows = db.query(QStringLiteral("select ") + kHeaderColumns +
                               QStringLiteral(" from tb_beadroll") + orderBy);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<Roster> rosters;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        rosters.push_back(rosterOfRow(*rows, i));
    }
    return rosters;
}

Result<Roster> readRoster(db::Database& db, int id) {
    const auto rows = db.query(
        QStringLiteral("select ") + kHeaderColumns + QStringLiteral(" from tb_beadroll where id=?"),
        {id});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return Failure{kNeedRoster, {}};
    }
    return rosterOfRow(*rows, 0);
}

Result<int> createRoster(db::Database& db, const RosterHeader& header) {
    const QString name = header.name.trimmed();
    if (name.isEmpty()) {
        return Failure{kNameNeeded, {}};
    }
    if (!db.exec(QStringLiteral("insert into tb_beadroll (mcName,mcdesc,mcpy,timeYear,timeModify,"
                                "mirror) values (?,?,?,?,?,?)"),
                 {name, name, text::pinyinInitials(name), header.year, QDateTime::currentDateTime(),
                  header.isStatic})) {
        return Failure{{}, db.lastError()};
    }
    return static_cast<int>(db.lastInsertId());
}

Result<void> updateRoster(db::Database& db, int id, const RosterHeader& header) {
    const QString name = header.name.trimmed();
    if (name.isEmpty()) {
        return Failure{kNameNeeded, {}};
    }
    if (!db.exec(QStringLiteral("update tb_beadroll set mcName=?,mcdesc=?,mcpy=?,timeYear=?,"
                                "timeModify=? where id=?"),
                 {name, name, text::pinyinInitials(name), header.year, QDateTime::currentDateTime(),
                  id})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> deleteRoster(db::Database& db, int id) {
    const Result<Roster> roster = readRoster(db, id);
    if (!roster) {
        return roster.failure();
    }
    const QString head = sql::Fragments().SqlDeleteHead;
    db::Transaction transaction(db);
    if (!db.exec(head + QStringLiteral("from ") + linesTable(roster->isStatic) +
                     QStringLiteral(" where mcID=?"),
                 {id}) ||
        !db.exec(head + QStringLiteral("from tb_beadroll where id=?"), {id}) ||
        !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

QString pageCaption(const Roster* roster) {
    if (roster == nullptr) {
        return QStringLiteral("名册管理");
    }
    return roster->name + (roster->isStatic ? QStringLiteral("(静态)") : QStringLiteral("(动态)"));
}

QString deleteQuestion(const QString& name) {
    return QStringLiteral("确认删除名册 ") + name + QStringLiteral(" ?");
}

QString removeQuestion(const QString& name) {
    return QStringLiteral("确认从名册中去除干部 ") + name + QStringLiteral(" ?");
}

QString yearCaption(int year) {
    return QString::number(year) + QStringLiteral("年");
}

QString idListText(const QList<int>& ids) {
    QStringList texts;
    for (const int id : ids) {
        texts << QString::number(id);
    }
    return u'(' + texts.join(u',') + u')';
}

}  // namespace rosters
