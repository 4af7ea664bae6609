#include "units/QuotaAnalysis.h"

#include <QHash>
#include <utility>

#include "app/DataModule.h"
#include "cadre/CurrentPosts.h"
#include "cadre/Posts.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace units {

namespace {

const QString kMainCategory = QStringLiteral("正职");
const QString kDeputyCategory = QStringLiteral("副职");

// The endings of unit names and the titles they give, in the order they are tried.
const std::pair<const char16_t*, const char16_t*> kTitleEndings[] = {
    {u"市委", u"书记"},   {u"区委", u"书记"},   {u"县委", u"书记"}, {u"市政府", u"市长"},
    {u"区政府", u"区长"}, {u"县政府", u"县长"}, {u"人大", u"主任"}, {u"院", u"院长"},
    {u"校", u"校长"},     {u"公司", u"经理"},   {u"局", u"局长"},   {u"办公室", u"主任"},
    {u"办", u"主任"}};

Failure databaseFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

// Text keys compare as the database compares text: without regard to letter case.
QString textKey(const QString& text) {
    return text.toCaseFolded();
}

QString cellKey(int unitId, const QString& band) {
    return QString::number(unitId) + u'\x1f' + textKey(band);
}

// A stored quota or staffing row of a unit and band.
struct StoredRow {
    int id = 0;
    QString postName;
    int quota = 0;
    QVariant counted;  // dqrs or sjs as stored
};

// The first stored row of every unit and band.
Result<QHash<QString, StoredRow>> storedRows(db::Database& db, AnalysisMode mode) {
    const auto rows = db.query(
        mode == AnalysisMode::Quotas
            ? QStringLiteral("select ZsID,DwID,zwtype,zwmc,zwrs,dqrs from tb_department_zs "
                             "order by ZsID")
            : QStringLiteral("select id,dwID,rybz,'',bzs,sjs from tb_department_bz order by id"));
    if (!rows) {
        return databaseFailure(db);
    }
    QHash<QString, StoredRow> result;
    for (const QVariantList& v : rows->rows) {
        const QString key = cellKey(v[1].toInt(), v[2].toString());
        if (!result.contains(key)) {
            result.insert(key, {v[0].toInt(), v[3].toString(), v[4].toInt(), v[5]});
        }
    }
    return result;
}

// The actual numbers of every unit: quota mode by post name (each active post once), staffing
// mode by identity (each member once, as the unit dialog's tab counts). The rows are counted here
// rather than grouped by the database: grouping by text compares without letter case, which costs
// far more than reading the rows over a large table.
Result<QHash<QString, int>> actualCounts(db::Database& db, AnalysisMode mode) {
    const sql::Fragments f;
    const auto rows = db.query(
        mode == AnalysisMode::Quotas
            ? QStringLiteral("select DwID,zwmc from tb_cadre_zw where status=1")
            : QStringLiteral("select m.DwID,c.rybz,m.ZwCadreID from tb_cadre_node as m inner "
                             "join tb_cadre as c on c.CadreID=m.ZwCadreID where m.nobz<>") +
                  f.SqlTrue);
    if (!rows) {
        return databaseFailure(db);
    }
    QHash<QString, int> result;
    QSet<QPair<int, int>> members;
    for (const QVariantList& v : rows->rows) {
        const QString band = v[1].toString();
        if (band.isEmpty()) {
            continue;
        }
        if (mode == AnalysisMode::Staffing) {
            const QPair<int, int> member(v[0].toInt(), v[2].toInt());
            if (members.contains(member)) {
                continue;
            }
            members.insert(member);
        }
        ++result[cellKey(v[0].toInt(), band)];
    }
    return result;
}

std::vector<AnalysisPerson> people(const db::QueryResult& rows) {
    std::vector<AnalysisPerson> result;
    for (size_t i = 0; i < rows.rows.size(); ++i) {
        result.push_back({rows.value(i, QStringLiteral("cadreid")).toInt(),
                          rows.value(i, QStringLiteral("xm")).toString(),
                          rows.value(i, QStringLiteral("xrz")).toString(),
                          rows.value(i, QStringLiteral("rybz")).toString()});
    }
    return result;
}

Result<std::vector<AnalysisPerson>> readPeople(db::Database& db, const QString& statement,
                                               const QVariantList& params) {
    const auto rows = db.query(statement, params);
    if (!rows) {
        return databaseFailure(db);
    }
    return people(*rows);
}

Result<void> assignPosts(TDataM& dm, int unitId, const QString& category,
                         const std::vector<int>& listed, const QSet<int>& checked) {
    db::Database& db = dm.db();
    const Result<QString> postName = quotaPostName(db, unitId, category);
    if (!postName) {
        return postName.failure();
    }
    const Result<QVariant> unitName =
        db.scalar(QStringLiteral("select Name from tb_department where ID=?"), {unitId});
    if (!unitName) {
        return unitName.failure();
    }
    for (const int cadreId : listed) {
        const auto posts = db.query(QStringLiteral("select ZwID from tb_cadre_zw where "
                                                   "ZwCadreID=? and DwID=? and status=1 and "
                                                   "zwmc=? order by ZwID"),
                                    {cadreId, unitId, *postName});
        if (!posts) {
            return databaseFailure(db);
        }
        if (checked.contains(cadreId) && posts->rows.empty()) {
            cadre::PostInput post;
            post.cadreId = cadreId;
            post.unitId = unitId;
            post.unitText = unitName->toString();
            post.postName = *postName;
            if (const Result<int> saved = cadre::savePost(dm, post); !saved) {
                return saved.failure();
            }
        } else if (!checked.contains(cadreId) && !posts->rows.empty()) {
            for (const QVariantList& row : posts->rows) {
                if (const Result<void> deleted =
                        cadre::deletePost(dm, cadreId, row[0].toInt(), false);
                    !deleted) {
                    return deleted.failure();
                }
            }
            // The person stays a member of the unit, only without the post.
            if (const Result<void> refreshed = cadre::RefreshCurrentPosts(dm, cadreId, unitId);
                !refreshed) {
                return refreshed.failure();
            }
        }
    }
    return {};
}

Result<void> assignIdentity(db::Database& db, const QString& identity,
                            const std::vector<int>& listed, const QSet<int>& checked) {
    for (const int cadreId : listed) {
        if (!db.exec(QStringLiteral("update tb_cadre set rybz=? where CadreID=?"),
                     {checked.contains(cadreId) ? identity : QString(), cadreId})) {
            return databaseFailure(db);
        }
    }
    return {};
}

}  // namespace

QString saveQuestion(AnalysisMode mode) {
    return QStringLiteral("是否保存对") +
           (mode == AnalysisMode::Quotas ? QStringLiteral("领导职数")
                                         : QStringLiteral("人员编制")) +
           QStringLiteral("的修改？");
}

QString noQuotaRowMessage(const QString& category) {
    return QStringLiteral("尚未设置 ") + category +
           QStringLiteral(" 编制信息，请先修改和保存编制设置。");
}

Result<QStringList> staffIdentities(db::Database& db) {
    const auto rows =
        db.query(QStringLiteral("select ItemID from tb_conf where GID='GBSF' order by ItemV"));
    if (!rows) {
        return databaseFailure(db);
    }
    QStringList result;
    for (const QVariantList& row : rows->rows) {
        result << row[0].toString();
    }
    return result;
}

QString defaultPostTitle(const QString& unitName) {
    QString title;
    for (const auto& [ending, endingTitle] : kTitleEndings) {
        if (unitName.endsWith(QString::fromUtf16(ending))) {
            title = QString::fromUtf16(endingTitle);
        }
    }
    return title;
}

QuotaState quotaState(const AnalysisCell& cell) {
    if (cell.actual < cell.quota) {
        return QuotaState::Under;
    }
    return cell.actual > cell.quota ? QuotaState::Over : QuotaState::Equal;
}

std::vector<AnalysisRow> newAnalysisRows(AnalysisMode mode, const std::vector<AnalysisUnit>& units,
                                         const QStringList& bands) {
    std::vector<AnalysisRow> rows;
    rows.reserve(units.size());
    for (const AnalysisUnit& unit : units) {
        AnalysisRow row{unit.id, unit.name, std::vector<AnalysisCell>(bands.size())};
        const QString title =
            mode == AnalysisMode::Quotas ? defaultPostTitle(unit.name) : QString();
        if (!title.isEmpty()) {
            for (qsizetype b = 0; b < bands.size(); ++b) {
                if (bands[b] == kMainCategory) {
                    row.cells[b].postName = title;
                } else if (bands[b] == kDeputyCategory) {
                    row.cells[b].postName = QStringLiteral("副") + title;
                }
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

Result<void> recountAnalysis(db::Database& db, AnalysisMode mode, const QStringList& bands,
                             std::vector<AnalysisRow>& rows) {
    const Result<QHash<QString, StoredRow>> stored = storedRows(db, mode);
    if (!stored) {
        return stored.failure();
    }
    const Result<QHash<QString, int>> counts = actualCounts(db, mode);
    if (!counts) {
        return counts.failure();
    }
    const bool quotas = mode == AnalysisMode::Quotas;
    const QString update = quotas
                               ? QStringLiteral("update tb_department_zs set dqrs=? where ZsID=?")
                               : QStringLiteral("update tb_department_bz set sjs=? where id=?");
    std::vector<AnalysisRow> result = rows;
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    for (AnalysisRow& row : result) {
        for (qsizetype b = 0; b < bands.size(); ++b) {
            AnalysisCell& cell = row.cells[static_cast<size_t>(b)];
            const auto found = stored->constFind(cellKey(row.unitId, bands[b]));
            cell.stored = found != stored->cend();
            if (cell.stored) {
                cell.quota = found->quota;
                if (quotas) {
                    cell.postName = found->postName;
                }
            }
            const QString counted = quotas ? cell.postName : bands[b];
            cell.actual = counted.isEmpty() ? 0 : counts->value(cellKey(row.unitId, counted), 0);
            if (cell.stored && (found->counted.isNull() || found->counted.toInt() != cell.actual) &&
                !db.exec(update, {cell.actual, found->id})) {
                return databaseFailure(db);
            }
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    rows = std::move(result);
    return {};
}

Result<void> saveAnalysis(db::Database& db, AnalysisMode mode, const QStringList& bands,
                          const std::vector<AnalysisRow>& rows) {
    const Result<QHash<QString, StoredRow>> stored = storedRows(db, mode);
    if (!stored) {
        return stored.failure();
    }
    const bool quotas = mode == AnalysisMode::Quotas;
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    for (const AnalysisRow& row : rows) {
        for (qsizetype b = 0; b < bands.size(); ++b) {
            const AnalysisCell& cell = row.cells[static_cast<size_t>(b)];
            const auto found = stored->constFind(cellKey(row.unitId, bands[b]));
            bool ok = true;
            if (found != stored->cend()) {
                ok = quotas ? db.exec(QStringLiteral("update tb_department_zs set zwtype=?,zwmc=?,"
                                                     "zwrs=? where ZsID=?"),
                                      {bands[b], cell.postName, cell.quota, found->id})
                            : db.exec(QStringLiteral("update tb_department_bz set rybz=?,bzs=? "
                                                     "where id=?"),
                                      {bands[b], cell.quota, found->id});
            } else if (!cell.postName.isEmpty() || cell.quota > 0) {
                ok = quotas
                         ? db.exec(QStringLiteral("insert into tb_department_zs "
                                                  "(DwID,zwtype,zwmc,zwrs,dqrs) values "
                                                  "(?,?,?,?,?)"),
                                   {row.unitId, bands[b], cell.postName, cell.quota, cell.actual})
                         : db.exec(QStringLiteral("insert into tb_department_bz "
                                                  "(dwID,rybz,bzs,sjs) values (?,?,?,?)"),
                                   {row.unitId, bands[b], cell.quota, cell.actual});
            }
            if (!ok) {
                return databaseFailure(db);
            }
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<std::vector<AnalysisPerson>> cellPeople(db::Database& db, AnalysisMode mode, int unitId,
                                               const QString& key) {
    const sql::Fragments f;
    if (mode == AnalysisMode::Quotas) {
        return readPeople(
            db,
            QStringLiteral("select tb_cadre.xm,tb_cadre.xrz,tb_cadre.cadreid,tb_cadre.rybz,"
                           "tb_cadre_node.zworder from (tb_cadre_node inner join tb_cadre on "
                           "tb_cadre_node.zwcadreid=tb_cadre.cadreid) inner join tb_cadre_zw on "
                           "tb_cadre_zw.zwcadreid=tb_cadre.cadreid where tb_cadre_zw.status=1 "
                           "and tb_cadre_node.dwid=? and tb_cadre_zw.dwid=? and "
                           "tb_cadre_zw.zwmc=? order by tb_cadre_node.zworder"),
            {unitId, unitId, key});
    }
    return readPeople(db,
                      QStringLiteral("select a.xm,a.xrz,a.cadreid,a.rybz,b.zworder,b.dwid from "
                                     "tb_cadre as a left outer join tb_cadre_node as b on "
                                     "a.cadreid=b.zwcadreid where b.nobz<>") +
                          f.SqlTrue +
                          QStringLiteral(" and b.dwid=? and a.rybz=? order by b.zworder"),
                      {unitId, key});
}

Result<std::vector<AnalysisPerson>> unitMembers(db::Database& db, int unitId) {
    return readPeople(db,
                      QStringLiteral("select cadreid,xrz,rybz,xm from tb_cadre as a left outer "
                                     "join tb_cadre_node as b on a.CadreID=b.ZwCadreID where "
                                     "b.dwid=? order by zworder"),
                      {unitId});
}

Result<QString> quotaPostName(db::Database& db, int unitId, const QString& category) {
    const auto rows = db.query(QStringLiteral("select zwmc from tb_department_zs where dwid=? "
                                              "and zwType=? order by ZsID"),
                               {unitId, category});
    if (!rows) {
        return databaseFailure(db);
    }
    if (rows->rows.empty()) {
        return Failure{noQuotaRowMessage(category), {}};
    }
    return rows->rows[0][0].toString();
}

Result<QSet<int>> countedMembers(db::Database& db, AnalysisMode mode, int unitId,
                                 const QString& band) {
    const auto rows =
        mode == AnalysisMode::Quotas
            ? db.query(QStringLiteral("select cadreid from tb_cadre where cadreid in (select "
                                      "zwcadreid from tb_cadre_zw where status=1 and dwid=? and "
                                      "zwmc in (select zwmc from tb_department_zs where dwid=? "
                                      "and zwType=?))"),
                       {unitId, unitId, band})
            : db.query(QStringLiteral("select cadreid from tb_cadre as a left outer join "
                                      "tb_cadre_node as b on a.CadreID=b.ZwCadreID where "
                                      "b.dwid=? and rybz=?"),
                       {unitId, band});
    if (!rows) {
        return databaseFailure(db);
    }
    QSet<int> result;
    for (const QVariantList& row : rows->rows) {
        result.insert(row[0].toInt());
    }
    return result;
}

Result<void> assignMembers(TDataM& dm, AnalysisMode mode, int unitId, const QString& band,
                           const std::vector<int>& listed, const QSet<int>& checked) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const Result<void> assigned = mode == AnalysisMode::Quotas
                                      ? assignPosts(dm, unitId, band, listed, checked)
                                      : assignIdentity(db, band, listed, checked);
    if (!assigned) {
        return assigned;
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

}  // namespace units
