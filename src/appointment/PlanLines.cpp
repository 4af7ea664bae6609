#include "appointment/PlanLines.h"

#include <QSet>

#include "db/Database.h"
#include "db/SqlText.h"

namespace appointment {

namespace {

constexpr int kFamilySlots = 7;

// The cadre's columns a line is made from.
const QString kCadreSelect = QStringLiteral(
    "select Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,cssheng,zwjb,"
    "zwjbTime,zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,allZwList,allRzsjList,gxw,gxl,gxlxx,ctype,"
    "zydj,zyzcTime,rybz,ZwLock,fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,zzxxzy,gzjl,"
    "xrz,nrz,nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,zjType,zjh from "
    "tb_cadre where CadreID=?");
const QString kFamilySelect =
    QStringLiteral("select cw,xm,cssjStr,zzmm,dw from tb_family where CadreID=? order by ford");

Failure dbFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The family slot columns f_1_1 … f_7_5.
const QStringList& familyColumns() {
    static const QStringList columns = [] {
        QStringList list;
        for (int member = 1; member <= kFamilySlots; ++member) {
            for (int field = 1; field <= 5; ++field) {
                list << QStringLiteral("f_%1_%2").arg(member).arg(field);
            }
        }
        return list;
    }();
    return columns;
}

// The values of the copied columns, with the education rule applied to gxl/gxlxx.
QVariantList copiedValues(const db::QueryResult& cadre) {
    const Education education = lineEducation(cadre.value(0, QStringLiteral("zzxl")).toString(),
                                              cadre.value(0, QStringLiteral("zzxxzy")).toString(),
                                              cadre.value(0, QStringLiteral("qrzxl")).toString(),
                                              cadre.value(0, QStringLiteral("qrzxxzy")).toString());
    QVariantList values;
    for (const QString& column : copiedColumns()) {
        if (column == QLatin1String("gxl")) {
            values << education.level;
        } else if (column == QLatin1String("gxlxx")) {
            values << education.school;
        } else {
            values << cadre.value(0, column);
        }
    }
    return values;
}

// The values of the family slots: the first seven members, null for the slots left over.
Result<QVariantList> familyValues(db::Database& db, int cadreId) {
    const auto family = db.query(kFamilySelect, {cadreId});
    if (!family) {
        return dbFailure(db);
    }
    QVariantList values;
    for (size_t member = 0; member < kFamilySlots; ++member) {
        for (int field = 0; field < 5; ++field) {
            values << (member < family->rows.size() ? family->rows[member].value(field)
                                                    : QVariant());
        }
    }
    return values;
}

// Completed years between `birth` and `on`, reckoned on date serials as the line's age always is.
int ageAt(const QDate& birth, const QDate& on) {
    return QDate(1899, 12, 30).addDays(birth.daysTo(on)).year() - 1900;
}

struct LineKey {
    int planId = 0;
    int cadreId = 0;
    int order = 0;
};

Result<std::optional<LineKey>> readLineKey(db::Database& db, int lineId) {
    const auto rows = db.query(
        QStringLiteral("select mcID,McCadreID,brOrder from tb_rmmc_detail where id=?"), {lineId});
    if (!rows) {
        return dbFailure(db);
    }
    if (rows->rows.empty()) {
        return std::optional<LineKey>();
    }
    const QVariantList& row = rows->rows[0];
    return std::optional<LineKey>(LineKey{row[0].toInt(), row[1].toInt(), row[2].toInt()});
}

}  // namespace

const QStringList& copiedColumns() {
    static const QStringList columns{
        "xm",      "xb",      "csny",      "rdsj",        "gzsj",        "mz",      "zzmm",
        "jgsheng", "cssheng", "zwjb",      "zwjbTime",    "zwjbTimeStr", "csnyStr", "rdsjStr",
        "gzsjStr", "py",      "allZwList", "allRzsjList", "gxw",         "gxl",     "gxlxx",
        "ctype",   "zydj",    "zyzcTime",  "rybz",        "ZwLock",      "fggz",    "qrzxw",
        "zzxw",    "jkzk",    "zyjszw",    "zytc",        "qrzxl",       "zzxl"};
    return columns;
}

Education lineEducation(const QString& zzxl, const QString& zzxxzy, const QString& qrzxl,
                        const QString& qrzxxzy) {
    if (!zzxl.isEmpty()) {
        return {zzxl, zzxxzy};
    }
    return {qrzxl, qrzxxzy};
}

Result<int> addCadres(db::Database& db, int planId, const QList<int>& cadreIds) {
    const Result<QVariant> tbsj =
        db.scalar(QStringLiteral("select tbsj from tb_rmmc where id=?"), {planId});
    if (!tbsj) {
        return tbsj.failure();
    }
    const QDate planDate = tbsj->toDate();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return dbFailure(db);
    }
    const auto present =
        db.query(QStringLiteral("select McCadreID from tb_rmmc_detail where mcID=?"), {planId});
    const Result<QVariant> last = db.scalar(
        QStringLiteral("select max(brOrder) as ord from tb_rmmc_detail where mcID=?"), {planId});
    if (!present || !last) {
        return dbFailure(db);
    }
    QSet<int> inPlan;
    for (const QVariantList& row : present->rows) {
        inPlan.insert(row.value(0).toInt());
    }
    int order = last->toInt() + 1;

    QStringList columns{QStringLiteral("McCadreID"), QStringLiteral("mcID"),
                        QStringLiteral("brOrder"), QStringLiteral("gzjl"), QStringLiteral("age")};
    columns << copiedColumns() << familyColumns();
    const QString insert = QStringLiteral("insert into tb_rmmc_detail (") + columns.join(u',') +
                           QStringLiteral(") values (") +
                           QStringLiteral("?,").repeated(columns.size() - 1) + QStringLiteral("?)");
    int added = 0;
    for (const int cadreId : cadreIds) {
        if (inPlan.contains(cadreId)) {
            continue;
        }
        const auto cadre = db.query(kCadreSelect, {cadreId});
        if (!cadre) {
            return dbFailure(db);
        }
        if (cadre->rows.empty()) {
            continue;
        }
        const Result<QVariantList> family = familyValues(db, cadreId);
        if (!family) {
            return family.failure();
        }
        const QDate birth = cadre->value(0, QStringLiteral("csny")).toDate();
        QVariantList values{
            cadreId, planId, order, cadre->value(0, QStringLiteral("gzjl")),
            birth.isValid() && planDate.isValid() ? QVariant(ageAt(birth, planDate)) : QVariant()};
        values << copiedValues(*cadre) << *family;
        if (!db.exec(insert, values)) {
            return dbFailure(db);
        }
        inPlan.insert(cadreId);
        ++order;
        ++added;
    }
    if (!transaction.commit()) {
        return dbFailure(db);
    }
    return added;
}

Result<QList<LineListEntry>> lineList(db::Database& db, int planId) {
    const auto lines = db.query(
        QStringLiteral("select id,xm,rmjg from tb_rmmc_detail where mcID=? order by brOrder"),
        {planId});
    if (!lines) {
        return Failure{{}, db.lastError()};
    }
    QList<LineListEntry> entries;
    for (const QVariantList& row : lines->rows) {
        entries << LineListEntry{row[0].toInt(), row[1].toString(), row[2].toString()};
    }
    return entries;
}

Result<void> removeLine(db::Database& db, int lineId) {
    const auto key = readLineKey(db, lineId);
    if (!key) {
        return key.failure();
    }
    if (!*key) {
        return {};
    }
    db::Transaction transaction(db);
    if (!transaction.isActive() ||
        !db.exec(QStringLiteral("delete from tb_rmmc_detail where id=?"), {lineId}) ||
        !db.exec(QStringLiteral("update tb_rmmc_detail set brOrder=brOrder-1 where brOrder>? "
                                "and mcID=?"),
                 {(*key)->order, (*key)->planId}) ||
        !transaction.commit()) {
        return dbFailure(db);
    }
    return {};
}

Result<void> moveLine(db::Database& db, int lineId, int step) {
    const auto key = readLineKey(db, lineId);
    if (!key) {
        return key.failure();
    }
    if (!*key) {
        return {};
    }
    const LineKey own = **key;
    const auto neighbour = db.query(
        step < 0 ? QStringLiteral("select top 1 id,brOrder from tb_rmmc_detail where mcID=? and "
                                  "brOrder<? order by brOrder desc")
                 : QStringLiteral("select top 1 id,brOrder from tb_rmmc_detail where mcID=? and "
                                  "brOrder>? order by brOrder"),
        {own.planId, own.order});
    if (!neighbour) {
        return dbFailure(db);
    }
    if (neighbour->rows.empty()) {
        return {};
    }
    const int otherId = neighbour->rows[0].value(0).toInt();
    const int otherOrder = neighbour->rows[0].value(1).toInt();
    const QString swap = QStringLiteral("update tb_rmmc_detail set brOrder=? where id=?");
    db::Transaction transaction(db);
    if (!transaction.isActive() || !db.exec(swap, {otherOrder, lineId}) ||
        !db.exec(swap, {own.order, otherId}) || !transaction.commit()) {
        return dbFailure(db);
    }
    return {};
}

Result<void> refreshLine(db::Database& db, int lineId) {
    const auto key = readLineKey(db, lineId);
    if (!key) {
        return key.failure();
    }
    if (!*key) {
        return {};
    }
    const auto cadre = db.query(kCadreSelect, {(*key)->cadreId});
    if (!cadre) {
        return dbFailure(db);
    }
    if (cadre->rows.empty()) {
        return Failure{kCadreDeleted, {}};
    }
    const Result<QVariantList> family = familyValues(db, (*key)->cadreId);
    if (!family) {
        return family.failure();
    }
    QStringList assignments;
    for (const QString& column : copiedColumns() + familyColumns()) {
        assignments << column + QStringLiteral("=?");
    }
    QVariantList values = copiedValues(*cadre);
    values << *family << lineId;
    if (!db.exec(QStringLiteral("update tb_rmmc_detail set ") + assignments.join(u',') +
                     QStringLiteral(" where id=?"),
                 values)) {
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

Result<QString> linesStatement(db::Database& db, int planId, const QDate& today) {
    const Result<QVariant> tbsj =
        db.scalar(QStringLiteral("select tbsj from tb_rmmc where id=?"), {planId});
    if (!tbsj) {
        return tbsj.failure();
    }
    const QString tail = QStringLiteral(" from tb_rmmc_detail where mcID=") +
                         QString::number(planId) + QStringLiteral(" order by brOrder");
    if (tbsj->isValid()) {
        return QString(QStringLiteral("select *") + tail);
    }
    QStringList columns = db.columns(QStringLiteral("tb_rmmc_detail"));
    columns.removeIf([](const QString& column) {
        return column.compare(QLatin1String("age"), Qt::CaseInsensitive) == 0;
    });
    return QString(QStringLiteral("select ") + columns.join(u',') + u',' +
                   sql::Fragments::forDay(today).SqlAgeColumn.trimmed() + tail);
}

Result<void> setLineValue(db::Database& db, int lineId, const QString& column,
                          const QVariant& value) {
    static const QStringList keys{QStringLiteral("id"), QStringLiteral("mcID"),
                                  QStringLiteral("McCadreID"), QStringLiteral("brOrder")};
    if (keys.contains(column, Qt::CaseInsensitive) ||
        !db.hasColumn(QStringLiteral("tb_rmmc_detail"), column)) {
        return Failure{kNotEditable, {}};
    }
    const bool empty = value.typeId() == QMetaType::QString && value.toString().isEmpty();
    if (!db.exec(QStringLiteral("update tb_rmmc_detail set [") + column +
                     QStringLiteral("]=? where id=?"),
                 {empty ? QVariant() : value, lineId})) {
        return dbFailure(db);
    }
    return {};
}

Result<int> recomputeLineAges(db::Database& db) {
    const auto lines = db.query(
        QStringLiteral("select d.id, d.csny, m.tbsj, d.age from tb_rmmc_detail as d inner join "
                       "tb_rmmc as m on d.mcID=m.id where d.csny is not null and m.tbsj is not "
                       "null"));
    if (!lines) {
        return Failure{{}, db.lastError()};
    }
    int changed = 0;
    for (const QVariantList& line : lines->rows) {
        const int age = ageAt(line[1].toDate(), line[2].toDate());
        if (!line[3].isNull() && line[3].toInt() == age) {
            continue;
        }
        if (!db.exec(QStringLiteral("update tb_rmmc_detail set age=? where id=?"),
                     {age, line[0]})) {
            return Failure{{}, db.lastError()};
        }
        ++changed;
    }
    return changed;
}

}  // namespace appointment
