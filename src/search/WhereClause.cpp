#include "search/WhereClause.h"

#include <QRegularExpression>
#include <algorithm>

#include "cadre/NameList.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "main/CadreList.h"
#include "text/MonthText.h"

namespace search {

const QStringList kDateRelations = {QStringLiteral("早于"), QStringLiteral("晚于"),
                                    QStringLiteral("等于")};
const QStringList kPostDateRelations = {QStringLiteral("早于等于"), QStringLiteral("晚于等于"),
                                        QStringLiteral("等于")};
const QStringList kYearRelations = {QStringLiteral("及以前各年度"), QStringLiteral("及之后各年度"),
                                    QStringLiteral("当年")};
const QStringList kLevelRelations = {QStringLiteral("高于"), QStringLiteral("低于"),
                                     QStringLiteral("等于"), QStringLiteral("高于等于"),
                                     QStringLiteral("低于等于")};
const QStringList kAgeRelations = {QStringLiteral("大于等于"), QStringLiteral("等于"),
                                   QStringLiteral("小于等于"), QStringLiteral("介于")};
const QStringList kStatuses = {QStringLiteral("在职"), QStringLiteral("离退"),
                               QStringLiteral("调出")};
const QStringList kEducationKinds = {QStringLiteral("最高学历"), QStringLiteral("全日制学历"),
                                     QStringLiteral("在职学历")};
const QStringList kDegreeKinds = {QStringLiteral("最高学位"), QStringLiteral("全日制学位"),
                                  QStringLiteral("在职学位")};
const QStringList kTrainingMethods = {QStringLiteral("调训"), QStringLiteral("本级培训"),
                                      QStringLiteral("单位内部培训")};

QString badMonthMessage(const QString& caption) {
    return caption + QStringLiteral("格式不正确，请按“年.月”输入，如 2012.07，年份不早于1900年。");
}

QString unknownValueMessage(const QString& value) {
    return QStringLiteral("“") + value + QStringLiteral("”不在代码表中，无法比较高低。");
}

namespace {

const QString kAnd = QStringLiteral(" and ");

// The operator of relation `position` in a list of operators; "=" outside the list.
QString op(const QStringList& ops, int position) {
    return position >= 0 && position < ops.size() ? ops.at(position) : QStringLiteral("=");
}
const QStringList kDateOps = {QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("=")};
// A smaller level number is a higher level; a larger education or degree value is higher.
const QStringList kLevelOps = {QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("="),
                               QStringLiteral("<="), QStringLiteral(">=")};
const QStringList kValueOps = {QStringLiteral(">"), QStringLiteral("<"), QStringLiteral("="),
                               QStringLiteral(">="), QStringLiteral("<=")};

// The text with a trailing "and" (and the blanks around it) cut off.
QString cutTrailingAnd(QString text) {
    while (text.endsWith(u' ')) {
        text.chop(1);
    }
    if (text.endsWith(QStringLiteral(" and"))) {
        text.chop(4);
    }
    return text;
}

QString idList(const QList<int>& ids) {
    QStringList texts;
    for (const int id : ids) {
        texts << QString::number(id);
    }
    return texts.join(u',');
}

// "#Y-M-D#" without leading zeros, as the age conditions write it; a day that the month of that
// year lacks (29 February) becomes the month's last day.
QString ageDate(int year, int month, int day) {
    const int last = QDate(year, month, 1).daysInMonth();
    return QStringLiteral("#%1-%2-%3#").arg(year).arg(month).arg(std::min(day, last));
}

// Collects the conditions of one statement; the first refusal stops the collection.
class Builder {
  public:
    explicit Builder(db::Database& db) : db_(db) {}

    QString clause;
    std::optional<Failure> failure;

    bool failed() const { return failure.has_value(); }
    void refuse(const QString& message) {
        if (!failure) {
            failure = Failure{message, {}};
        }
    }

    // The first day of a typed month as a date literal; empty (and nothing refused) for an
    // empty box, empty after a refusal for anything that is not a month.
    QString monthDate(const QString& typed, const QString& caption) {
        const auto entry = text::readMonthEntry(typed);
        if (!entry) {
            refuse(badMonthMessage(caption));
            return {};
        }
        return entry->text.isEmpty() ? QString() : sql::dateLiteral(entry->date);
    }
    // The stored month text "yyyy.mm" of a typed month.
    QString monthText(const QString& typed, const QString& caption) {
        const auto entry = text::readMonthEntry(typed);
        if (!entry) {
            refuse(badMonthMessage(caption));
            return {};
        }
        return entry->text;
    }

    // The number a ranked table gives `value` (level1 of tb_zj, v of tb_xl, degreeid of
    // tb_degree).
    QString rankOf(const QString& statement, const QString& value) {
        const Result<QVariant> rank = db_.scalar(statement, {value});
        if (!rank) {
            if (!failure) {
                failure = rank.failure();
            }
            return {};
        }
        if (!rank->isValid() || rank->isNull()) {
            refuse(unknownValueMessage(value));
            return {};
        }
        return QString::number(rank->toLongLong());
    }

  private:
    db::Database& db_;
};

bool lettersOnly(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]+$"));
    return letters.match(text).hasMatch();
}

void addBasic(Builder& b, const BasicConditions& c, const QDate& today) {
    QString& w = b.clause;
    if (c.status >= 0) {
        w += QStringLiteral(" (classid=") + QString::number(c.status) + QStringLiteral(") and ");
    }
    if (!c.identity.isEmpty()) {
        w += QStringLiteral(" (rybz=") + sql::quoted(c.identity) + QStringLiteral(") and ");
    }
    if (c.typeMask > 0) {
        w += u' ' + mainwin::cadreTypeCondition(c.typeMask).trimmed() + kAnd;
    }
    if (lettersOnly(c.name)) {
        w += QStringLiteral("(py like ") + sql::likePattern({}, c.name, QStringLiteral("%")) +
             QStringLiteral(") and ");
    } else if (const QString named = cadre::nameStartsWith(QStringLiteral("xm"), c.name);
               !named.isEmpty()) {
        // Names are stored normalised ("张  三"): the typed name is looked for the same way.
        w += named + QStringLiteral(" and ");
    }
    if (!c.postContains.isEmpty()) {
        w += QStringLiteral("(xrz like ") +
             sql::likePattern(QStringLiteral("%"), c.postContains, QStringLiteral("%")) +
             QStringLiteral(") and ");
    }
    if (!c.postExcludes.isEmpty()) {
        w += QStringLiteral("(xrz not like ") +
             sql::likePattern(QStringLiteral("%"), c.postExcludes, QStringLiteral("%")) +
             QStringLiteral(") and ");
    }
    if (!c.sex.isEmpty()) {
        w += QStringLiteral(" (xb=") + sql::quoted(c.sex) + QStringLiteral(") and ");
    }
    if (c.nation == 0) {
        w += QStringLiteral(" (mz='汉族') and ");
    } else if (c.nation == 1) {
        w += QStringLiteral(" (mz<>'汉族') and ");
    }
    if (c.party == 0) {
        w += QStringLiteral(" (zzmm='中共党员') and ");
    } else if (c.party == 1) {
        w += QStringLiteral(" ((zzmm<>'中共党员')or(isnull(zzmm") + sql::Fragments().NullTail +
             QStringLiteral(")) and ");
    }
    if (c.ageRelation >= 0) {
        QDate reference = today;
        if (c.ageAtMonth) {
            const auto entry = text::readMonthEntry(c.ageMonth);
            if (!entry) {
                b.refuse(badMonthMessage(QStringLiteral("计算时间")));
                return;
            }
            if (entry->text.isEmpty()) {
                b.refuse(kNoAgeDate);
                return;
            }
            reference = entry->date;
        }
        const Result<QString> age = ageCondition(c.ageRelation, c.ageFrom, c.ageTo, reference);
        if (!age) {
            b.refuse(age.failure().message);
            return;
        }
        w += *age;
    }
    const auto dateField = [&b, &w](const char* field, const MonthCondition& m,
                                    const QString& caption) {
        const QString date = b.monthDate(m.month, caption);
        if (!date.isEmpty()) {
            w += QStringLiteral(" (") + QString::fromLatin1(field) + op(kDateOps, m.relation) +
                 date + QStringLiteral(") and");
        }
    };
    dateField("rdsj", c.partyDate, QStringLiteral("入党时间"));
    dateField("gzsj", c.workDate, QStringLiteral("工作时间"));
    const auto ranked = [&b, &w](const RankedCondition& r, const QStringList& fields,
                                 const QString& lookup, const QString& inList) {
        if (r.value.isEmpty()) {
            return;
        }
        const QString field = fields.value(r.kind, fields.first());
        if (r.relation == 2) {
            w += QStringLiteral(" (") + field + u'=' + sql::quoted(r.value) +
                 QStringLiteral(") and ");
            return;
        }
        const QString rank = b.rankOf(lookup, r.value);
        if (!rank.isEmpty()) {
            w += QStringLiteral(" (") + field + QStringLiteral(" in (") + inList +
                 op(kValueOps, r.relation) + rank + QStringLiteral(")) and ");
        }
    };
    ranked(c.education, {QStringLiteral("gxl"), QStringLiteral("qrzxl"), QStringLiteral("zzxl")},
           QStringLiteral("select v from tb_xl where xl=?"),
           QStringLiteral("select xl from tb_xl where v"));
    ranked(c.degree, {QStringLiteral("gxw"), QStringLiteral("qrzxw"), QStringLiteral("zzxw")},
           QStringLiteral("select degreeid from tb_degree where degree=?"),
           QStringLiteral("select degree from tb_degree where degreeid"));
    if (!c.school.isEmpty()) {
        const QString pattern =
            sql::likePattern(QStringLiteral("%"), c.school, QStringLiteral("%"));
        w += QStringLiteral(" ((qrzxxzy like ") + pattern + QStringLiteral(") or(zzxxzy like ") +
             pattern + QStringLiteral(")) and ");
    }
    if (!c.title.isEmpty()) {
        w += QStringLiteral(" (zyjszw like ") +
             sql::likePattern(QStringLiteral("%"), c.title, QStringLiteral("%")) +
             QStringLiteral(") and (zyjszw not like ") +
             sql::likePattern(QStringLiteral("%副"), c.title, QStringLiteral("%")) +
             QStringLiteral(") and ");
    }
    if (!c.speciality.isEmpty()) {
        w += QStringLiteral(" (zytc like ") +
             sql::likePattern(QStringLiteral("%"), c.speciality, QStringLiteral("%")) +
             QStringLiteral(") and ");
    }
    if (!c.rank.value.isEmpty()) {
        if (c.rank.relation == 2) {
            w += QStringLiteral("(zwjb=") + sql::quoted(c.rank.value) + QStringLiteral(") and ");
        } else {
            const QString level =
                b.rankOf(QStringLiteral("select level1 from tb_zj where zjmc=?"), c.rank.value);
            if (!level.isEmpty()) {
                w += QStringLiteral("(zwjb in (select zjmc from tb_zj where level1") +
                     op(kLevelOps, c.rank.relation) + level + QStringLiteral(")) and ");
            }
        }
    }
    const auto textDate = [&b, &w](const char* field, const MonthCondition& m,
                                   const QString& caption) {
        const QString month = b.monthText(m.month, caption);
        if (!month.isEmpty()) {
            w += QStringLiteral(" (") + QString::fromLatin1(field) + op(kDateOps, m.relation) +
                 sql::quoted(month) + QStringLiteral(") and");
        }
    };
    textDate("zwjbTimeStr", c.rankDate, QStringLiteral("任职级时间"));
    textDate("allRzsjList", c.postDate, QStringLiteral("任现职时间"));
    if (!c.birthPlace.isEmpty()) {
        w += QStringLiteral("(csSheng like ") +
             sql::likePattern({}, c.birthPlace, QStringLiteral("%")) + QStringLiteral(") and ");
    }
    if (!c.nativePlace.isEmpty()) {
        w += QStringLiteral("(jgSheng like ") +
             sql::likePattern({}, c.nativePlace, QStringLiteral("%")) + QStringLiteral(") and ");
    }
}

void addAssessment(Builder& b, const AssessmentConditions& c) {
    QString& w = b.clause;
    if (!c.grade.isEmpty()) {
        if (c.allYears) {
            w += QStringLiteral(" (cadreid in (select cid from tb_kc where kcjl=") +
                 sql::quoted(c.grade) + QStringLiteral(")) and");
        } else {
            static const QRegularExpression year(QStringLiteral("^[0-9]{4}$"));
            if (!year.match(c.year.trimmed()).hasMatch()) {
                b.refuse(kBadYear);
                return;
            }
            w += QStringLiteral(" (cadreid in (select cid from tb_kc where kcjl=") +
                 sql::quoted(c.grade) + QStringLiteral(" and kcYear") +
                 op(kDateOps, c.yearRelation) + c.year.trimmed() + QStringLiteral(")) and");
        }
    }
    if (!c.noteContains.isEmpty()) {
        w += QStringLiteral("(khNote like ") +
             sql::likePattern(QStringLiteral("%"), c.noteContains, QStringLiteral("%")) +
             QStringLiteral(") and ");
    }
    for (const QString& excluded : {c.noteExcludes1, c.noteExcludes2}) {
        if (!excluded.isEmpty()) {
            w += QStringLiteral("(khNote not like ") +
                 sql::likePattern(QStringLiteral("%"), excluded, QStringLiteral("%")) +
                 QStringLiteral(") and ");
        }
    }
    if (!c.rewardContains.isEmpty()) {
        w += QStringLiteral("(jcNote like ") +
             sql::likePattern(QStringLiteral("%"), c.rewardContains, QStringLiteral("%")) +
             QStringLiteral(") and ");
    }
}

void addPosts(Builder& b, const PostConditions& c) {
    QString posts;
    const auto bound = [&b, &posts](const char* field, const char* relation, const QString& typed,
                                    const QString& caption) {
        const QString date = b.monthDate(typed, caption);
        if (!date.isEmpty()) {
            posts += QStringLiteral(" (") + QString::fromLatin1(field) +
                     QString::fromLatin1(relation) + date + QStringLiteral(") and ");
        }
    };
    bound("rzsj", ">=", c.appointedFrom, QStringLiteral("任职时间"));
    bound("rzsj", "<=", c.appointedTo, QStringLiteral("任职时间"));
    bound("mzsj", ">=", c.removedFrom, QStringLiteral("免职时间"));
    bound("mzsj", "<=", c.removedTo, QStringLiteral("免职时间"));
    if (!c.postName.isEmpty()) {
        // Both joined tables have zwmc: the post row's is meant.
        posts += QStringLiteral(" (x.zwmc like ") +
                 sql::likePattern(QStringLiteral("%"), c.postName, QStringLiteral("%")) +
                 QStringLiteral(") and (x.zwmc not like ") +
                 sql::likePattern(QStringLiteral("%副"), c.postName, QStringLiteral("%")) +
                 QStringLiteral(") and ");
    }
    if (!c.appointReason.isEmpty()) {
        posts +=
            QStringLiteral(" (rzyy=") + sql::quoted(c.appointReason) + QStringLiteral(") and ");
    }
    if (!c.removeReason.isEmpty()) {
        posts += QStringLiteral(" (mzyy=") + sql::quoted(c.removeReason) + QStringLiteral(") and ");
    }
    if (!posts.isEmpty() || !c.postUnits.isEmpty()) {
        if (c.current && !c.former) {
            posts += QStringLiteral(" (status=1) and ");
        } else if (c.former && !c.current) {
            posts += QStringLiteral(" (status=2) and ");
        }
        if (!c.postUnits.isEmpty()) {
            posts += QStringLiteral(" x.dwid in (") + idList(c.postUnits) + u')';
        }
        b.clause += QStringLiteral(
                        "(cadreid in (SELECT x.ZwCadreID FROM tb_cadre_zw x LEFT OUTER JOIN "
                        "tb_department_zs y ON x.zwmc = y.zwmc AND x.dwID = y.DwID where ") +
                    cutTrailingAnd(posts) + QStringLiteral(")) and ");
    }

    QString entered;
    const auto enteredBound = [&b, &entered](const char* relation, const QString& typed) {
        const QString date = b.monthDate(typed, QStringLiteral("进入所在单位时间"));
        if (!date.isEmpty()) {
            entered += QStringLiteral(" (jrsj") + QString::fromLatin1(relation) + date +
                       QStringLiteral(") and ");
        }
    };
    enteredBound(">=", c.enteredFrom);
    enteredBound("<=", c.enteredTo);
    if (!entered.isEmpty() || !c.enteredUnits.isEmpty()) {
        if (!c.enteredUnits.isEmpty()) {
            entered += QStringLiteral(" dwid in (") + idList(c.enteredUnits) + u')';
        }
        b.clause += QStringLiteral("(cadreid in (select zwcadreid from tb_cadre_node where ") +
                    cutTrailingAnd(entered) + QStringLiteral(")) and");
    }
}

void addTraining(Builder& b, const TrainingConditions& c) {
    QString training;
    const QString from = b.monthDate(c.from, QStringLiteral("培训时间"));
    if (!from.isEmpty()) {
        training += QStringLiteral("(pxTimeB>=") + from + QStringLiteral(") and ");
    }
    const QString to = b.monthDate(c.to, QStringLiteral("培训时间"));
    if (!to.isEmpty()) {
        training += QStringLiteral("(pxTimeB<=") + to + QStringLiteral(") and ");
    }
    if (!c.method.isEmpty()) {
        training += QStringLiteral("(pxMethod=") + sql::quoted(c.method) + QStringLiteral(") and ");
    }
    if (!c.type.isEmpty()) {
        training += QStringLiteral("(pxType1=") + sql::quoted(c.type) + QStringLiteral(") and ");
    }
    const QString days = c.days.trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    if (!days.isEmpty() && !digits.match(days).hasMatch()) {
        b.refuse(kBadDays);
        return;
    }
    if (training.isEmpty() && days.isEmpty()) {
        return;
    }
    const QString where = training.isEmpty()
                              ? QString()
                              : QStringLiteral(" where ") + cutTrailingAnd(training) + u' ';
    // Both tables' rows count: UNION ALL keeps two equal rows of the two tables.
    b.clause +=
        QStringLiteral(
            "(cadreid in (SELECT CadreID FROM (SELECT CadreID, SUM(pxks) AS zks "
            "FROM (SELECT id, CadreID, pxks FROM tb_pxCadre AS a INNER JOIN "
            "tb_px AS b ON a.pxid = b.pxid") +
        where + QStringLiteral(" UNION ALL SELECT id, CadreID, pxks FROM tb_pxCadre2") + where +
        QStringLiteral(") DERIVEDTBL GROUP BY CadreID) DERIVEDTBL") +
        (days.isEmpty() ? QString()
                        : QStringLiteral(" WHERE (zks > ") + QString::number(days.toInt()) + u')') +
        QStringLiteral(")) and ");
}

}  // namespace

Result<QString> ageCondition(int relation, const QString& from, const QString& to,
                             const QDate& reference) {
    static const QRegularExpression age(QStringLiteral("^[0-9]{1,3}$"));
    const QString a = from.trimmed();
    const QString b = to.trimmed();
    if (a.isEmpty() || (relation == 3 && b.isEmpty())) {
        return Failure{kAgesIncomplete, {}};
    }
    for (const QString& value : relation == 3 ? QStringList{a, b} : QStringList{a}) {
        if (!age.match(value).hasMatch() || value.toInt() > 150) {
            return Failure{kBadAge, {}};
        }
    }
    const int y = reference.year();
    const int m = reference.month();
    const int d = reference.day();
    // Born on or before the day `years` years ago: at least that old; born after the day
    // `years` + 1 years ago: at most that old.
    const auto atLeast = [&](int years) {
        return QString(QStringLiteral(" (csny<=") + ageDate(y - years, m, d) + u')');
    };
    const auto atMost = [&](int years) {
        return QString(QStringLiteral(" (csny>") + ageDate(y - years - 1, m, d) + u')');
    };
    QString condition;
    switch (relation) {
        case 0:
            condition = atLeast(a.toInt());
            break;
        case 1:
            condition = atLeast(a.toInt()) + QStringLiteral(" and") + atMost(a.toInt());
            break;
        case 2:
            condition = atMost(a.toInt());
            break;
        default:
            condition = atLeast(a.toInt()) + QStringLiteral(" and") + atMost(b.toInt());
            break;
    }
    return QString(condition + QStringLiteral(" and "));
}

Result<QString> whereClause(db::Database& db, const SearchConditions& conditions) {
    Builder b(db);
    addBasic(b, conditions.basic, conditions.today);
    addAssessment(b, conditions.assessment);
    addPosts(b, conditions.posts);
    addTraining(b, conditions.training);
    if (!conditions.units.isEmpty()) {
        b.clause +=
            QStringLiteral("(CadreID in (select ZwCadreID from tb_cadre_node where dwID in (") +
            idList(conditions.units) + QStringLiteral("))) and");
    }
    if (b.failure) {
        return *b.failure;
    }
    const QString conditionsText = cutTrailingAnd(b.clause);
    if (conditionsText.trimmed().isEmpty()) {
        return QString();
    }
    return QString(QStringLiteral(" where ") + conditionsText);
}

Result<QList<int>> unitsMatching(db::Database& db, const QString& unitWhere) {
    const auto rows = db.query(QStringLiteral("select ID from tb_department ") + unitWhere);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<int> ids;
    for (const QVariantList& row : rows->rows) {
        ids << row.value(0).toInt();
    }
    return ids;
}

}  // namespace search
