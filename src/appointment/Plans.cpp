#include "appointment/Plans.h"

#include <QRegularExpression>

#include "app/DataModule.h"
#include "cadre/NameList.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/Pinyin.h"

namespace appointment {

namespace {

constexpr int kMaxStateNodes = 16;

Failure dbFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

PlanHeader headerOf(const db::QueryResult& rows, size_t row) {
    PlanHeader plan;
    plan.id = rows.value(row, QStringLiteral("id")).toInt();
    plan.name = rows.value(row, QStringLiteral("name")).toString();
    plan.tbsj = rows.value(row, QStringLiteral("tbsj")).toDate();
    plan.tbr = rows.value(row, QStringLiteral("tbr")).toString();
    plan.jssj = rows.value(row, QStringLiteral("jssj")).toDate();
    plan.rmzt = rows.value(row, QStringLiteral("rmzt")).toInt();
    return plan;
}

QVariant dateOrNull(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

}  // namespace

Result<QStringList> processStates(db::Database& db) {
    const auto rows =
        db.query(QStringLiteral("select ItemID from tb_conf where GID='RMZT' order by ItemV"));
    if (!rows) {
        return dbFailure(db);
    }
    QStringList states;
    for (const QVariantList& row : rows->rows) {
        states << row.value(0).toString();
    }
    if (states.isEmpty()) {
        states = {QStringLiteral("民主推荐"), QStringLiteral("干部考察"),
                  QStringLiteral("讨论决定"), QStringLiteral("任职")};
    }
    return states;
}

std::optional<QDate> readPlanDate(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        return QDate();
    }
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})[-./](\\d{1,2})[-./](\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    if (!date.isValid() || date.year() < 1900) {
        return std::nullopt;
    }
    return date;
}

Result<int> savePlan(db::Database& db, const PlanHeader& plan) {
    const QString name = plan.name.trimmed();
    if (name.isEmpty()) {
        return Failure{kEmptyName, {}};
    }
    if (!plan.tbsj.isValid()) {
        return Failure{kEmptyDate, {}};
    }
    const QVariantList values{name,
                              plan.tbr,
                              plan.rmzt,
                              plan.tbsj,
                              plan.tbsj.year(),
                              name,
                              text::pinyinInitials(name),
                              dateOrNull(plan.jssj)};
    if (plan.id == 0) {
        if (!db.exec(QStringLiteral("insert into tb_rmmc (name,tbr,rmzt,tbsj,timeYear,mcdesc,py,"
                                    "jssj) values (?,?,?,?,?,?,?,?)"),
                     values)) {
            return dbFailure(db);
        }
        return static_cast<int>(db.lastInsertId());
    }
    QVariantList params = values;
    params << plan.id;
    if (!db.exec(QStringLiteral("update tb_rmmc set name=?,tbr=?,rmzt=?,tbsj=?,timeYear=?,"
                                "mcdesc=?,py=?,jssj=? where id=?"),
                 params)) {
        return dbFailure(db);
    }
    return plan.id;
}

Result<std::optional<PlanHeader>> readPlan(db::Database& db, int id) {
    const auto rows = db.query(QStringLiteral("select * from tb_rmmc where id=?"), {id});
    if (!rows) {
        return dbFailure(db);
    }
    if (rows->rows.empty()) {
        return std::optional<PlanHeader>();
    }
    return std::optional<PlanHeader>(headerOf(*rows, 0));
}

Result<std::vector<PlanHeader>> listPlans(db::Database& db, const QString& where,
                                          const QString& orderBy) {
    const auto rows = db.query(QStringLiteral("select * from tb_rmmc ") + where +
                               QStringLiteral(" order by ") + orderBy);
    if (!rows) {
        return dbFailure(db);
    }
    std::vector<PlanHeader> plans;
    plans.reserve(rows->rows.size());
    for (size_t row = 0; row < rows->rows.size(); ++row) {
        plans.push_back(headerOf(*rows, row));
    }
    return plans;
}

Result<void> deletePlan(db::Database& db, int id) {
    db::Transaction transaction(db);
    const sql::Fragments fragments;
    if (!transaction.isActive() ||
        !db.exec(fragments.SqlDeleteHead + QStringLiteral("from tb_rmmc_detail where mcID=?"),
                 {id}) ||
        !db.exec(fragments.SqlDeleteHead + QStringLiteral("from tb_rmmc where id=?"), {id}) ||
        !transaction.commit()) {
        return dbFailure(db);
    }
    return {};
}

std::vector<PlanNode> planTree(const std::vector<PlanHeader>& plans, const QStringList& states,
                               const QDate& today) {
    PlanNode all{kRootAll, 0, {}};
    PlanNode recent{kRootRecent, 0, {}};
    PlanNode history{kRootHistory, 0, {}};
    PlanNode stateRoot{kRootStates, 0, {}};
    stateRoot.children.push_back({kStateNotSet, 0, {}});
    for (const QString& state : states.mid(0, kMaxStateNodes)) {
        stateRoot.children.push_back({state, 0, {}});
    }
    const QDate historicalUntil = today.addMonths(-3);
    int lastYear = 0;
    for (const PlanHeader& plan : plans) {
        const PlanNode node{plan.name, plan.id, {}};
        all.children.push_back(node);
        if (plan.tbsj.isValid() && plan.tbsj <= historicalUntil) {
            if (history.children.empty() || plan.tbsj.year() != lastYear) {
                lastYear = plan.tbsj.year();
                history.children.push_back({QString::number(lastYear) + u'年', 0, {}});
            }
            history.children.back().children.push_back(node);
        } else {
            recent.children.push_back(node);
        }
        const int stateNodes = static_cast<int>(stateRoot.children.size()) - 1;
        const int state = plan.rmzt >= 1 && plan.rmzt <= stateNodes ? plan.rmzt : 0;
        stateRoot.children[static_cast<size_t>(state)].children.push_back(node);
    }
    return {all, recent, history, stateRoot, PlanNode{kRootSearch, 0, {}}};
}

Result<QString> planSearchClause(TDataM& dm, const PlanSearch& search) {
    QString clause;
    const auto append = [&clause](const QString& term) {
        clause += term + QStringLiteral(" and ");
    };
    if (!search.name.trimmed().isEmpty()) {
        append(QStringLiteral("( Name like ") +
               sql::likePattern(QStringLiteral("%"), search.name.trimmed(), QStringLiteral("%")) +
               u')');
    }
    if (search.from.isValid()) {
        append(QStringLiteral("( tbsj>=") + sql::dateLiteral(search.from) + u')');
    }
    if (search.to.isValid()) {
        append(QStringLiteral("( tbsj<=") + sql::dateLiteral(search.to) + u')');
    }
    if (search.stateIndex >= 0) {
        append(QStringLiteral("( rmzt=") + QString::number(search.stateIndex + 1) + u')');
    }
    const QString persons = search.persons.trimmed();
    if (!persons.isEmpty()) {
        const Result<QString> matched = dm.MatchNameList(persons);
        if (!matched) {
            return matched.failure();
        }
        const QStringList names = matched->split(u'\n', Qt::SkipEmptyParts);
        if (names.isEmpty()) {
            // No cadre has the name now; the plan lines keep the name as it was stored.
            append(QStringLiteral("(id in ( select mcID from tb_rmmc_detail where ") +
                   cadre::nameIsOneOf(QStringLiteral("xm"), {persons}) + QStringLiteral("))"));
        } else {
            QStringList quoted;
            for (const QString& name : names) {
                quoted << sql::quoted(name);
            }
            append(QStringLiteral("(id in ( select mcID from tb_rmmc_detail where xm in (") +
                   quoted.join(u',') + QStringLiteral(")))"));
        }
    }
    clause = clause.trimmed();
    if (clause.isEmpty()) {
        return QString();
    }
    clause.chop(QStringLiteral(" and").size());
    return QString(QStringLiteral(" where ") + clause);
}

QString foundPlansText(int count) {
    return QStringLiteral("共找到%1个符合条件的任免方案").arg(count);
}

}  // namespace appointment
