#include "training/TrainingClasses.h"

#include "db/Database.h"
#include "db/SqlText.h"

namespace training {

const QStringList kForms = {QStringLiteral("脱产学习"), QStringLiteral("半脱产学习"),
                            QStringLiteral("夜校学习"), QStringLiteral("函授学习")};
const QStringList kCategories = {QStringLiteral("初任培训"),     QStringLiteral("任职培训"),
                                 QStringLiteral("专门业务培训"), QStringLiteral("境外培训"),
                                 QStringLiteral("学历学位培训"), QStringLiteral("更新知识培训")};
const QStringList kLevels = {QStringLiteral("调训"), QStringLiteral("本级培训"),
                             QStringLiteral("单位内部培训")};

namespace {

const QString kColumns = QStringLiteral(
    "pxid,pxName,pxTimeB,pxTimeE,pxks,pxjg,pxType,pxType1,pxMethod,pxjj,pxkc,timeYear");

QDate dateOf(const QVariant& value) {
    return value.isNull() ? QDate() : value.toDateTime().date();
}

QVariant dateValue(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

Result<std::vector<TrainingClass>> readClasses(db::Database& db, const QString& sql,
                                               const QVariantList& params = {}) {
    const auto rows = db.query(sql, params);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<TrainingClass> classes;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        TrainingClass c;
        c.id = rows->value(i, QStringLiteral("pxid")).toInt();
        c.name = rows->value(i, QStringLiteral("pxName")).toString();
        c.start = dateOf(rows->value(i, QStringLiteral("pxTimeB")));
        c.end = dateOf(rows->value(i, QStringLiteral("pxTimeE")));
        c.days = rows->value(i, QStringLiteral("pxks")).toInt();
        c.body = rows->value(i, QStringLiteral("pxjg")).toString();
        c.form = rows->value(i, QStringLiteral("pxType")).toString();
        c.category = rows->value(i, QStringLiteral("pxType1")).toString();
        c.level = rows->value(i, QStringLiteral("pxMethod")).toString();
        c.content = rows->value(i, QStringLiteral("pxjj")).toString();
        c.trips = rows->value(i, QStringLiteral("pxkc")).toString();
        c.year = rows->value(i, QStringLiteral("timeYear")).toInt();
        classes.push_back(c);
    }
    return classes;
}

}  // namespace

Result<int> classDays(const QDate& start, const QDate& end) {
    if (!start.isValid() || !end.isValid()) {
        return 0;
    }
    if (end < start) {
        return Failure{kEndBeforeStart, {}};
    }
    return static_cast<int>(start.daysTo(end)) + 1;
}

Result<std::vector<TrainingClass>> listClasses(db::Database& db) {
    return readClasses(db, QStringLiteral("select ") + kColumns +
                               QStringLiteral(" from tb_px order by timeYear,pxid"));
}

Result<std::vector<TrainingClass>> findClasses(db::Database& db, const QString& where) {
    return readClasses(db, QStringLiteral("select ") + kColumns + QStringLiteral(" from tb_px ") +
                               where + QStringLiteral(" order by pxid"));
}

Result<TrainingClass> readClass(db::Database& db, int id) {
    const Result<std::vector<TrainingClass>> found = readClasses(
        db, QStringLiteral("select ") + kColumns + QStringLiteral(" from tb_px where pxid=?"),
        {id});
    if (!found) {
        return found.failure();
    }
    if (found->empty()) {
        return Failure{kClassGone, {}};
    }
    return found->front();
}

Result<int> saveClass(db::Database& db, const TrainingClass& c) {
    const QString name = c.name.trimmed();
    if (name.isEmpty()) {
        return Failure{kNameNeeded, {}};
    }
    const Result<int> days = classDays(c.start, c.end);
    if (!days) {
        return days.failure();
    }
    const int year = c.start.isValid() ? c.start.year() : 0;
    const QVariantList values = {name,   dateValue(c.start), dateValue(c.end), *days,     c.body,
                                 c.form, c.category,         c.level,          c.content, c.trips,
                                 year};
    if (c.id == 0) {
        if (!db.exec(QStringLiteral("insert into tb_px (pxName,pxTimeB,pxTimeE,pxks,pxjg,pxType,"
                                    "pxType1,pxMethod,pxjj,pxkc,timeYear) values "
                                    "(?,?,?,?,?,?,?,?,?,?,?)"),
                     values)) {
            return Failure{{}, db.lastError()};
        }
        return static_cast<int>(db.lastInsertId());
    }
    QVariantList params = values;
    params << c.id;
    if (!db.exec(QStringLiteral("update tb_px set pxName=?,pxTimeB=?,pxTimeE=?,pxks=?,pxjg=?,"
                                "pxType=?,pxType1=?,pxMethod=?,pxjj=?,pxkc=?,timeYear=? "
                                "where pxid=?"),
                 params)) {
        return Failure{{}, db.lastError()};
    }
    return c.id;
}

Result<void> deleteClass(db::Database& db, int id) {
    const QString head = sql::Fragments().SqlDeleteHead;
    db::Transaction transaction(db);
    if (!db.exec(head + QStringLiteral("from tb_pxCadre where pxid=?"), {id}) ||
        !db.exec(head + QStringLiteral("from tb_px where pxid=?"), {id}) || !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

QString deleteQuestion(const QString& name) {
    return QStringLiteral("确认删除培训班 ") + name + u'?';
}

}  // namespace training
