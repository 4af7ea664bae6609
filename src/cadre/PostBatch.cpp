#include "cadre/PostBatch.h"

#include <QDate>
#include <QHash>
#include <QVariant>
#include <algorithm>

#include "app/DataModule.h"
#include "app/Progress.h"
#include "cadre/CurrentPosts.h"
#include "cadre/PostEnding.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "db/SqlText.h"
#include "text/MonthText.h"
#include "units/Membership.h"
#include "units/Quotas.h"

namespace cadre {

namespace {

// "(1,2,3)": the ids of a statement's "in" list.
QString idList(const QList<int>& ids) {
    QStringList texts;
    texts.reserve(ids.size());
    for (const int id : ids) {
        texts << QString::number(id);
    }
    return u'(' + texts.join(u',') + u')';
}

// The date a month text stands for, or null when it is not a month.
QVariant monthDate(const QString& monthText) {
    const QDate date = text::parseMonthText(monthText);
    return date.isValid() ? QVariant(date) : QVariant();
}

// The condition that picks the cadre's current posts among `zwIds`.
QString markedPostsCondition(int cadreId, const QList<int>& zwIds) {
    return QStringLiteral(" where status=1 and ZwCadreID=") + QString::number(cadreId) +
           QStringLiteral(" and ZwID in ") + idList(zwIds);
}

// The leading bodies whose posts have fixed names, by the exact name of the unit.
struct LeadingBody {
    const char16_t* unit;
    const char16_t* head;
    const char16_t* deputy;
};
constexpr LeadingBody kLeadingBodies[] = {
    {u"市委", u"书记", u"副书记"},   {u"区委", u"书记", u"副书记"},
    {u"县委", u"书记", u"副书记"},   {u"市政府", u"市长", u"副市长"},
    {u"区政府", u"区长", u"副区长"}, {u"县政府", u"县长", u"副县长"},
    {u"市人大", u"主任", u"副主任"}, {u"区人大", u"主任", u"副主任"},
    {u"县人大", u"主任", u"副主任"}, {u"市政协", u"主席", u"副主席"},
    {u"区政协", u"主席", u"副主席"}, {u"县政协", u"主席", u"副主席"},
};

// The texts of the first column of `statement`'s rows, each once, empty ones left out.
Result<QStringList> distinctTexts(db::Database& db, const QString& statement) {
    const auto rows = db.query(statement);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QStringList texts;
    for (const QVariantList& r : rows->rows) {
        const QString value = db::displayText(r[0]);
        if (!value.isEmpty() && !texts.contains(value)) {
            texts << value;
        }
    }
    return texts;
}

// The first quota row of (unit, category), or a new one for them; nullopt on a failure.
std::optional<units::QuotaRow> quotaRowOf(db::Database& db, int unitId, const QString& category) {
    const auto rows = db.query(
        QStringLiteral("select ZsID,DwID,zwmc,zwtype,zwrs,dqrs,note,zzs from tb_department_zs "
                       "where dwid=") +
        QString::number(unitId) + QStringLiteral(" and zwtype=") + sql::quoted(category) +
        QStringLiteral(" order by ZsID"));
    if (!rows) {
        return std::nullopt;
    }
    units::QuotaRow row;
    if (rows->rows.empty()) {
        row.dwId = unitId;
        row.zwtype = category;
        return row;
    }
    const QVariantList& v = rows->rows[0];
    return units::QuotaRow{v[0].toInt(), v[1].toInt(), db::displayText(v[2]), db::displayText(v[3]),
                           v[4].toInt(), v[5].toInt(), db::displayText(v[6]), v[7].toBool()};
}

// What applyCategory() works on in the unit: the current posts by cadre and name.
struct UnitState {
    QHash<QPair<int, QString>, int> posts;  // (cadre, post name) -> ZwID, the first one stored
};

std::optional<UnitState> readUnitState(db::Database& db, const QString& unit) {
    const auto posts =
        db.query(QStringLiteral("select ZwID,ZwCadreID,zwmc from tb_cadre_zw where dwid=") + unit +
                 QStringLiteral(" and status=1"));
    if (!posts) {
        return std::nullopt;
    }
    UnitState state;
    for (const QVariantList& r : posts->rows) {
        const QPair<int, QString> key{r[1].toInt(), db::displayText(r[2])};
        if (!state.posts.contains(key)) {
            state.posts.insert(key, r[0].toInt());
        }
    }
    return state;
}

// Writes one grid row: the membership when missing, the post edited or appended.
bool applyRow(TDataM& dm, int unitId, const QString& unitName, const QString& category,
              const CategoryRow& row, UnitState& state) {
    db::Database& db = dm.db();
    if (!units::ensureMember(dm, row.cadreId, unitId, {true, true})) {
        return false;
    }
    const QString post = row.post.trimmed();
    const QVariant appointed = monthDate(row.monthText);
    const auto existing = state.posts.constFind({row.cadreId, post});
    if (existing != state.posts.cend()) {
        return db.exec(QStringLiteral("update tb_cadre_zw set zt=?,zwmc=?,rzsjStr=?,rzsj=? where "
                                      "ZwID=") +
                           QString::number(*existing),
                       {category, post, row.monthText, appointed});
    }
    const Result<int> order = dm.NextCurrentPostOrder(row.cadreId);
    if (!order ||
        !db.exec(
            QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwOrder,"
                           "emptyNode,zs,ischeck,zt,zwmc,rzsjStr,rzsj) values "
                           "(?,1,?,?,?,False,False,False,?,?,?,?)"),
            {row.cadreId, unitId, unitName, *order, category, post, row.monthText, appointed})) {
        return false;
    }
    state.posts.insert({row.cadreId, post}, static_cast<int>(db.lastInsertId()));
    return true;
}

}  // namespace

// ---- Removing and deleting marked posts ------------------------------------------------------

QString currentPostsStatement(int cadreId, int unitId, bool allUnits) {
    QString statement = QStringLiteral("select * from tb_cadre_zw where status=1 and ZwCadreID=") +
                        QString::number(cadreId);
    if (!allUnits) {
        statement += QStringLiteral(" and dwid=") + QString::number(unitId);
    }
    return statement + QStringLiteral(" order by zworder");
}

Result<QList<PostLine>> readPostLines(db::Database& db, const QString& statement) {
    const auto rows = db.query(statement);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<PostLine> lines;
    lines.reserve(static_cast<qsizetype>(rows->rows.size()));
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        lines.append({rows->value(i, QStringLiteral("ZwID")).toInt(),
                      db::displayText(rows->value(i, QStringLiteral("dw"))),
                      db::displayText(rows->value(i, QStringLiteral("zwmc"))),
                      db::displayText(rows->value(i, QStringLiteral("rzsjstr")))});
    }
    return lines;
}

Result<void> removePosts(TDataM& dm, int cadreId, int unitId, const QList<int>& zwIds,
                         const QString& monthText) {
    const std::optional<text::MonthEntry> month = text::readMonthEntry(monthText);
    if (!month) {
        return Failure{kBadRemovalMonth, {}};
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    if (zwIds.isEmpty()) {
        const Result<void> refreshed = RefreshCurrentPosts(dm, cadreId, unitId);
        if (!refreshed) {
            return refreshed;
        }
        if (!transaction.commit()) {
            return Failure{{}, db.lastError()};
        }
        return {};
    }
    const QString marked = markedPostsCondition(cadreId, zwIds);
    if (!db.exec(QStringLiteral("update tb_cadre_zw set ischeck=False") + marked)) {
        return Failure{{}, db.lastError()};
    }
    const Result<void> ended =
        endCurrentPosts(dm,
                        QStringLiteral("ZwCadreID=") + QString::number(cadreId) +
                            QStringLiteral(" and ZwID in ") + idList(zwIds),
                        *month, unitId);
    if (!ended) {
        return ended;
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> deletePosts(TDataM& dm, int cadreId, int unitId, const QList<int>& zwIds) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    if (!zwIds.isEmpty() &&
        !db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_cadre_zw") +
                 markedPostsCondition(cadreId, zwIds))) {
        return Failure{{}, db.lastError()};
    }
    const Result<void> refreshed = RefreshCurrentPosts(dm, cadreId, unitId);
    if (!refreshed) {
        return refreshed;
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

// ---- Assigning posts by category -------------------------------------------------------------

QString proposedPostName(const QString& unitName, const QString& category) {
    const bool head = category == QStringLiteral("正职");
    if (!head && category != QStringLiteral("副职")) {
        return {};
    }
    for (const LeadingBody& body : kLeadingBodies) {
        if (unitName == QStringView(body.unit)) {
            return QString::fromUtf16(head ? body.head : body.deputy);
        }
    }
    return {};
}

Result<CategoryDefaults> categoryDefaults(TDataM& dm, int unitId, const QString& category) {
    db::Database& db = dm.db();
    const auto row = quotaRowOf(db, unitId, category);
    const auto unit = db.query(QStringLiteral("select name,dwjc from tb_department where ID=") +
                               QString::number(unitId));
    if (!row || !unit) {
        return Failure{{}, dm.db().lastError()};
    }
    CategoryDefaults defaults{row->zwmc, std::max(row->zwrs, 1)};
    if (defaults.postName.isEmpty() && !unit->rows.empty()) {
        defaults.postName = proposedPostName(db::displayText(unit->rows[0][0]), category);
        if (defaults.postName.isEmpty()) {
            defaults.postName = proposedPostName(db::displayText(unit->rows[0][1]), category);
        }
    }
    return defaults;
}

Result<QStringList> categoryChoices(db::Database& db, int unitId) {
    Result<QStringList> choices =
        distinctTexts(db, QStringLiteral("select zwtype from tb_department_zs where DwID=") +
                              QString::number(unitId) + QStringLiteral(" order by ZsID"));
    const Result<QStringList> categories = units::postCategories(db);
    if (!choices || !categories) {
        return choices ? categories.failure() : choices.failure();
    }
    for (const QString& category : *categories) {
        if (!choices->contains(category)) {
            *choices << category;
        }
    }
    return choices;
}

Result<QStringList> quotaPostNames(db::Database& db, int unitId) {
    return distinctTexts(db, QStringLiteral("select zwmc from tb_department_zs where DwID=") +
                                 QString::number(unitId) + QStringLiteral(" order by ZsID"));
}

QString categoryHoldersStatement(int unitId, const QString& category) {
    const QString unit = QString::number(unitId);
    // Only current posts hold a category: a removed post keeps its category text.
    return QStringLiteral(
               "select tb_cadre.xm,tb_cadre.cadreid,tb_cadre_node.zworder,tb_cadre_node.zwcadreid,"
               "tb_cadre_node.dwid,tb_cadre_zw.zwmc,tb_cadre_zw.rzsjStr from (tb_cadre left outer "
               "join tb_cadre_node on tb_cadre.cadreid=tb_cadre_node.zwcadreid) left outer join "
               "tb_cadre_zw on tb_cadre.cadreid=tb_cadre_zw.zwcadreid where tb_cadre_node.dwid=") +
           unit + QStringLiteral(" and tb_cadre_zw.dwid=") + unit +
           QStringLiteral(" and tb_cadre_zw.status=1 and tb_cadre_zw.zt=") + sql::quoted(category) +
           QStringLiteral(" order by tb_cadre_node.zworder");
}

Result<QList<CategoryRow>> readCategoryHolders(db::Database& db, int unitId,
                                               const QString& category) {
    const auto rows = db.query(categoryHoldersStatement(unitId, category));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<CategoryRow> holders;
    for (const QVariantList& r : rows->rows) {
        holders.append(
            {r[1].toInt(), db::displayText(r[0]), db::displayText(r[5]), db::displayText(r[6])});
    }
    return holders;
}

Result<QList<CategoryRow>> readUnitMembers(db::Database& db, int unitId) {
    const auto rows = db.query(
        QStringLiteral("select a.CadreID,a.xm,a.xrz from tb_cadre as a inner join tb_cadre_node "
                       "as b on a.CadreID=b.ZwCadreID where b.dwID=") +
        QString::number(unitId) + QStringLiteral(" order by b.zwOrder"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<CategoryRow> members;
    for (const QVariantList& r : rows->rows) {
        members.append({r[0].toInt(), db::displayText(r[1]), db::displayText(r[2]), QString()});
    }
    return members;
}

std::optional<int> rowWithoutPostName(const QList<CategoryRow>& rows) {
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].post.trimmed().isEmpty()) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

Result<void> applyCategory(TDataM& dm, int unitId, const QString& category, const QString& postName,
                           int quota, const QList<CategoryRow>& rows) {
    if (category.trimmed().isEmpty()) {
        return Failure{kChooseCategory, {}};
    }
    if (rowWithoutPostName(rows)) {
        return Failure{kSetPostName, {}};
    }
    db::Database& db = dm.db();
    const auto failed = [&db] { return Failure{{}, db.lastError()}; };
    app::ProgressScope progress(kSettingPosts, static_cast<int>(rows.size()));
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return failed();
    }
    const Result<QString> unitName = dm.UnitName(unitId);
    if (!unitName) {
        return unitName.failure();
    }
    auto state = readUnitState(db, QString::number(unitId));
    if (!state) {
        return failed();
    }
    for (const CategoryRow& row : rows) {
        if (!applyRow(dm, unitId, *unitName, category, row, *state)) {
            return failed();
        }
        progress.step();
    }
    progress.setText(kSettingDescriptions);
    QList<int> refreshed;
    for (const CategoryRow& row : rows) {
        if (refreshed.contains(row.cadreId)) {
            continue;
        }
        const Result<void> done = RefreshCurrentPosts(dm, row.cadreId, 0);
        if (!done) {
            return done;
        }
        refreshed << row.cadreId;
    }
    auto quotaRow = quotaRowOf(db, unitId, category);
    if (!quotaRow) {
        return failed();
    }
    quotaRow->zwmc = postName;
    quotaRow->zwrs = quota;
    const Result<int> saved = units::saveQuotaRow(db, *quotaRow);
    if (!saved) {
        return saved.failure();
    }
    if (!transaction.commit()) {
        return failed();
    }
    return {};
}

Result<void> removeFromCategory(TDataM& dm, int unitId, int cadreId, const QString& post) {
    if (!dm.db().exec(QStringLiteral("update tb_cadre_zw set zt='' where dwid=") +
                      QString::number(unitId) + QStringLiteral(" and status=1 and ZwCadreID=") +
                      QString::number(cadreId) + QStringLiteral(" and zwmc=") +
                      sql::quoted(post))) {
        return Failure{{}, dm.db().lastError()};
    }
    return {};
}

Result<QList<int>> categoryPostIds(db::Database& db, int unitId, int cadreId,
                                   const QString& category) {
    const auto rows = db.query(
        QStringLiteral("select ZwID from tb_cadre_zw where dwid=") + QString::number(unitId) +
        QStringLiteral(" and status=1 and ZwCadreID=") + QString::number(cadreId) +
        QStringLiteral(" and zt=") + sql::quoted(category) + QStringLiteral(" order by zwOrder"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<int> ids;
    for (const QVariantList& r : rows->rows) {
        ids << r[0].toInt();
    }
    return ids;
}

}  // namespace cadre
