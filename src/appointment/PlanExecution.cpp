#include "appointment/PlanExecution.h"

#include <QStringList>

#include "app/DataModule.h"
#include "appointment/PlanLines.h"
#include "cadre/PostEnding.h"
#include "cadre/Posts.h"
#include "cadre/Resume.h"
#include "text/MonthText.h"
#include "units/Membership.h"

namespace appointment {

namespace {

int filledRows(const QString& resume) {
    int rows = 0;
    for (const cadre::ResumeRow& row : cadre::resumeToTable(resume)) {
        if (!row.start.isEmpty() || !row.content.isEmpty()) {
            ++rows;
        }
    }
    return rows;
}

QString lineText(const LineAndCadre& source, const char* column) {
    return source.line.value(QString::fromLatin1(column)).toString();
}

QString cadreText(const LineAndCadre& source, const char* column) {
    return recordValue(source.cadre, QString::fromLatin1(column)).toString();
}

}  // namespace

QString presetCurrentPosts(const QString& cadreXrz, const QString& lineNrz,
                           const QString& lineXrz) {
    if (!cadreXrz.trimmed().isEmpty()) {
        return cadreXrz;
    }
    return lineNrz.trimmed().isEmpty() ? lineXrz : lineNrz;
}

bool lineResumeIsNewer(const QString& lineResume, const QString& cadreResume) {
    return !lineResume.trimmed().isEmpty() && lineResume.trimmed() != cadreResume.trimmed() &&
           filledRows(lineResume) >= filledRows(cadreResume);
}

Result<std::unique_ptr<PlanExecution>> PlanExecution::start(TDataM& dm, int lineId) {
    Result<LineAndCadre> source = readLineAndCadre(dm.db(), lineId);
    if (!source) {
        return source.failure();
    }
    std::unique_ptr<PlanExecution> execution(new PlanExecution(dm, std::move(*source)));
    if (!execution->transaction_.isActive()) {
        return Failure{{}, dm.db().lastError()};
    }
    Result<std::map<qint64, std::pair<int, int>>> members = execution->memberships();
    if (!members) {
        return members.failure();
    }
    execution->membershipsAtStart_ = std::move(*members);
    return execution;
}

PlanExecution::PlanExecution(TDataM& dm, LineAndCadre source)
    : dm_(dm), source_(std::move(source)), transaction_(dm.db()) {}

Result<void> PlanExecution::recordDecision(const QString& result, const QString& opinion) {
    if (!kResults.contains(result)) {
        return Failure{kBadResult, {}};
    }
    if (!dm_.db().exec(QStringLiteral("update tb_rmmc_detail set rmjg=?, spyj=? where id=?"),
                       {result, opinion, source_.lineId})) {
        return Failure{{}, dm_.db().lastError()};
    }
    return {};
}

Result<std::vector<ListedPost>> PlanExecution::currentPosts() {
    const auto rows = dm_.db().query(
        QStringLiteral("select a.ZwID, b.name, a.dw, a.zwmc, a.rzsjstr from tb_cadre_zw as a "
                       "left outer join tb_department as b on a.dwID=b.id where a.status=1 and "
                       "a.ZwCadreID=? order by a.zwOrder"),
        {source_.cadreId});
    if (!rows) {
        return Failure{{}, dm_.db().lastError()};
    }
    std::vector<ListedPost> posts;
    for (const QVariantList& row : rows->rows) {
        const QString unit = row[1].toString();
        posts.push_back({row[0].toInt(), unit.isEmpty() ? row[2].toString() : unit,
                         row[3].toString(), row[4].toString()});
    }
    return posts;
}

Result<void> PlanExecution::endPosts(const QList<int>& zwIds, const QString& typedMonth) {
    if (zwIds.isEmpty()) {
        return {};
    }
    const std::optional<text::MonthEntry> month = text::readMonthEntry(typedMonth);
    if (!month || month->text.isEmpty()) {
        return Failure{cadre::kBadRemovalMonth, {}};
    }
    QStringList ids;
    for (const int id : zwIds) {
        ids << QString::number(id);
    }
    return cadre::endCurrentPosts(
        dm_,
        QStringLiteral("ZwCadreID=%1 and ZwID in (%2)").arg(source_.cadreId).arg(ids.join(u',')),
        *month, 0);
}

Result<void> PlanExecution::deletePost(int zwId) {
    return cadre::deletePost(dm_, source_.cadreId, zwId, true);
}

Result<cadre::CadreValues> PlanExecution::cadreNow() {
    return cadre::readCadre(dm_.db(), source_.cadreId);
}

bool PlanExecution::lineResumeNewer() const {
    return lineResumeIsNewer(lineText(source_, "gzjl"), cadreText(source_, "gzjl"));
}

QString PlanExecution::presetResume() const {
    if (lineResumeNewer()) {
        return cadre::tableToResume(cadre::resumeToTable(lineText(source_, "gzjl")));
    }
    return cadreText(source_, "gzjl");
}

Result<std::map<qint64, std::pair<int, int>>> PlanExecution::memberships() {
    const auto rows = dm_.db().query(
        QStringLiteral("select CnID, dwID, zwOrder from tb_cadre_node where ZwCadreID=?"),
        {source_.cadreId});
    if (!rows) {
        return Failure{{}, dm_.db().lastError()};
    }
    std::map<qint64, std::pair<int, int>> found;
    for (const QVariantList& row : rows->rows) {
        found[row[0].toLongLong()] = {row[1].toInt(), row[2].toInt()};
    }
    return found;
}

Result<void> PlanExecution::closeLeftGaps() {
    const Result<std::map<qint64, std::pair<int, int>>> now = memberships();
    if (!now) {
        return now.failure();
    }
    for (const auto& [membership, place] : membershipsAtStart_) {
        if (now->count(membership) == 0) {
            const Result<void> closed = units::closeOrderGap(dm_, place.first, place.second);
            if (!closed) {
                return closed;
            }
        }
    }
    return {};
}

Result<void> PlanExecution::finish(const cadre::CadreValues& edits) {
    // The gaps are closed in a savepoint of their own, so that a refused save undoes them and a
    // second attempt closes them once.
    db::Transaction attempt(dm_.db());
    if (!attempt.isActive()) {
        return Failure{{}, dm_.db().lastError()};
    }
    if (const Result<void> closed = closeLeftGaps(); !closed) {
        return closed;
    }
    cadre::CadreValues values = edits;
    if (const QVariant posts = recordValue(edits, QStringLiteral("xrz")); posts.isValid()) {
        values.insert(QStringLiteral("allZwList"), posts);
    }
    if (const QVariant resume = recordValue(edits, QStringLiteral("gzjl")); resume.isValid()) {
        values.insert(QStringLiteral("gzjl"),
                      cadre::tableToResume(cadre::resumeToTable(resume.toString())));
    }
    if (!values.isEmpty()) {
        const Result<cadre::SavedCadre> saved = cadre::saveCadre(dm_, source_.cadreId, values, 0);
        if (!saved) {
            return saved.failure();
        }
    }
    if (!attempt.commit() || !transaction_.commit()) {
        return Failure{{}, dm_.db().lastError()};
    }
    return {};
}

}  // namespace appointment
