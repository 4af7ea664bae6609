#include "appointment/LrmImport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSaveFile>
#include <algorithm>

#include "app/DataModule.h"
#include "appointment/PlanLines.h"
#include "cadre/CadreRecord.h"
#include "cadre/Family.h"
#include "cadre/IncomingValues.h"
#include "cadre/Photo.h"
#include "cadre/PickLists.h"
#include "db/Database.h"
#include "text/MonthText.h"
#include "text/PersonName.h"
#include "units/Membership.h"

namespace appointment {

namespace {

const QString kNation = QStringLiteral("族");
const QString kBadMonthNote = QStringLiteral(",%1<%2>不是有效的年月.");
const QString kBadPartyNote = QStringLiteral(",政治面貌<%1>不符合规范.");
const QString kBadPhotoNote = QStringLiteral(",照片无法读取.");
const QString kFamilyPrefix = QStringLiteral("家庭成员");
const QString kPlanLines = QStringLiteral("tb_rmmc_detail");
// The captions of the texts a form gives its plan line, by value.
const QHash<int, QString> kLrmPlanCaptions = {{kLrmProposedPost, QStringLiteral("拟任职务")},
                                              {kLrmProposedRemoval, QStringLiteral("拟免职务")},
                                              {kLrmReason, QStringLiteral("任免理由")},
                                              {kLrmReportingUnit, QStringLiteral("呈报单位")}};
const QString kFileLine = QStringLiteral("文件：%1 ");
const QString kImportedLine = QStringLiteral("已导入;干部：");
const QString kNotImportedLine = QStringLiteral("未导入;原因：");

// The month of an imported date text as stored ("yyyy.mm"); empty when the text is too short
// or names no month from 1900 on.
QString monthOf(const QString& value) {
    if (value.trimmed().size() <= 5) {
        return {};
    }
    const QDate date = text::parseImportedMonth(value.trimmed());
    return date.isValid() && date.year() >= 1900 ? date.toString(QStringLiteral("yyyy.MM"))
                                                 : QString();
}

// A political status as stored: "党员" and "团员" in their full names; empty when the text is
// not an item of the list.
std::optional<QString> politicalStatus(const QString& value) {
    QString status = value.trimmed();
    if (status == QStringLiteral("党员")) {
        status = QStringLiteral("中共党员");
    } else if (status == QStringLiteral("团员")) {
        status = QStringLiteral("共青团员");
    }
    if (status.isEmpty() || cadre::kPoliticalStatuses.contains(status)) {
        return status;
    }
    return std::nullopt;
}

// Collects the values of one form into the columns of the cadre record.
class FormReader {
  public:
    FormReader(const LrmRecord& record, const cadre::PickLists& lists, QStringList& notes)
        : record_(record), lists_(lists), notes_(notes) {}

    bool has(int index) const { return index < record_.values.size(); }
    QString value(int index) const { return record_.values.value(index).trimmed(); }

    void basic(cadre::CadreValues& v) const {
        text(v, kLrmSex, "xb");
        month(v, kLrmBirth, "csnyStr", QStringLiteral("出生年月"));
        if (has(kLrmNation)) {
            const QString nation = value(kLrmNation);
            v[QStringLiteral("mz")] =
                nation.isEmpty() || nation.endsWith(kNation) ? nation : nation + kNation;
        }
        text(v, kLrmNativePlace, "jgsheng");
        month(v, kLrmPartyDate, "rdsjStr", QStringLiteral("入党时间"));
        known(v, kLrmHealth, "jkzk", cadre::kHealthStates);
        text(v, kLrmBirthplace, "cssheng");
        month(v, kLrmWorkStart, "gzsjStr", QStringLiteral("参加工作时间"));
        if (has(kLrmEducation)) {
            const QStringList items = record_.values.at(kLrmEducation).split(u'@');
            education(v, items.value(0), "qrzxl", "qrzxw");
            education(v, items.value(1), "zzxl", "zzxw");
        }
        if (has(kLrmSchools)) {
            const QStringList items = record_.values.at(kLrmSchools).split(u'@');
            v[QStringLiteral("qrzxxzy")] = items.value(0).trimmed();
            v[QStringLiteral("zzxxzy")] = items.value(1).trimmed();
        }
        text(v, kLrmTitle, "zyjszw");
        text(v, kLrmSpeciality, "zytc");
        text(v, kLrmIdNumber, "zjh");
        if (has(kLrmPolitical) && !value(kLrmPolitical).isEmpty()) {
            if (const auto status = politicalStatus(value(kLrmPolitical))) {
                v[QStringLiteral("zzmm")] = *status;
            } else {
                notes_ << kBadPartyNote.arg(value(kLrmPolitical));
            }
        }
    }

    void resume(cadre::CadreValues& v) const {
        if (has(kLrmResume)) {
            v[QStringLiteral("gzjl")] = record_.values.at(kLrmResume);
        }
    }

    void records(cadre::CadreValues& v) const {
        text(v, kLrmRewards, "jcNote");
        text(v, kLrmAssessment, "khNote");
    }

    void currentPost(cadre::CadreValues& v) const { text(v, kLrmCurrentPost, "xrz"); }

    // The family members of values 20–24, in their order; members without any part are left
    // out (the "@@" that closes each list).
    QList<cadre::FamilyMember> family() const {
        std::array<QStringList, 5> lists;
        qsizetype count = 0;
        for (size_t i = 0; i < lists.size(); ++i) {
            lists[i] = record_.values.value(kLrmFamilyRelation + static_cast<int>(i)).split(u'@');
            count = std::max(count, lists[i].size());
        }
        QList<cadre::FamilyMember> members;
        for (qsizetype m = 0; m < count; ++m) {
            cadre::FamilyMember member;
            member.relation = lists[0].value(m).trimmed();
            member.name = lists[1].value(m).trimmed();
            member.birthMonth = monthOf(lists[2].value(m));
            member.workplace = lists[4].value(m).trimmed();
            const QString party = lists[3].value(m).trimmed();
            if (const auto status = politicalStatus(party)) {
                member.party = *status;
            } else {
                notes_ << kBadPartyNote.arg(party);
            }
            if (!member.relation.isEmpty() || !member.name.isEmpty() ||
                !member.birthMonth.isEmpty() || !member.party.isEmpty() ||
                !member.workplace.isEmpty()) {
                members << member;
            }
        }
        return members;
    }

  private:
    void text(cadre::CadreValues& v, int index, const char* column) const {
        if (has(index)) {
            v[QString::fromLatin1(column)] = value(index);
        }
    }

    void month(cadre::CadreValues& v, int index, const char* column, const QString& caption) const {
        if (!has(index) || value(index).size() <= 5) {
            return;
        }
        const QString month = monthOf(value(index));
        if (month.isEmpty()) {
            notes_ << kBadMonthNote.arg(caption, value(index));
            return;
        }
        v[QString::fromLatin1(column)] = month;
    }

    void known(cadre::CadreValues& v, int index, const char* column,
               const QStringList& items) const {
        if (has(index) && items.contains(value(index))) {
            v[QString::fromLatin1(column)] = value(index);
        }
    }

    void education(cadre::CadreValues& v, const QString& item, const char* educationColumn,
                   const char* degreeColumn) const {
        const QString education = item.section(u'#', 0, 0).trimmed();
        const QString degree = item.section(u'#', 1, 1).trimmed();
        if (lists_.educations.contains(education)) {
            v[QString::fromLatin1(educationColumn)] = education;
        }
        if (lists_.degrees.contains(degree)) {
            v[QString::fromLatin1(degreeColumn)] = degree;
        }
    }

    const LrmRecord& record_;
    const cadre::PickLists& lists_;
    QStringList& notes_;
};

// The stored bytes of a photo file: kept as they are when they are a JPEG of the editor's
// size, else scaled and encoded; empty when the bytes are not a picture.
QByteArray storedPhoto(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    if (format == "jpeg" && cadre::photoTargetSize(image.size()) == image.size()) {
        return bytes;
    }
    return cadre::encodePhoto(cadre::scalePhoto(image));
}

// The serving cadres named `name`.
Result<QList<LrmCandidate>> cadresNamed(db::Database& db, const QString& name) {
    const auto rows = db.query(
        QStringLiteral("select CadreID,csnyStr,xrz from tb_cadre where classid=0 and xm=? order "
                       "by gbOrd,CadreID"),
        {name});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<LrmCandidate> cadres;
    for (const QVariantList& row : rows->rows) {
        cadres << LrmCandidate{row.at(0).toInt(), name, row.at(1).toString(), row.at(2).toString()};
    }
    return cadres;
}

// The one cadre of several of the same name that a form stands for: the only one born in the
// form's birth month, else the one the user chooses; 0 when none is chosen.
int chosenCadre(const QList<LrmCandidate>& named, const QString& birthMonth,
                const LrmImportOptions& options) {
    QList<LrmCandidate> sameBirth;
    for (const LrmCandidate& candidate : named) {
        if (!birthMonth.isEmpty() && candidate.birthMonth == birthMonth) {
            sameBirth << candidate;
        }
    }
    if (sameBirth.size() == 1) {
        return sameBirth.first().cadreId;
    }
    if (!options.chooseCadre) {
        return 0;
    }
    const int chosen = options.chooseCadre(named);
    const bool known = std::any_of(named.begin(), named.end(),
                                   [chosen](const LrmCandidate& c) { return c.cadreId == chosen; });
    return known ? chosen : 0;
}

Result<void> replaceFamily(TDataM& dm, int cadreId, const QList<cadre::FamilyMember>& members) {
    if (const Result<void> deleted = cadre::deleteFamily(dm.db(), cadreId); !deleted) {
        return deleted;
    }
    for (cadre::FamilyMember member : members) {
        member.cadreId = cadreId;
        if (const Result<int> saved = cadre::saveFamilyMember(dm, member); !saved) {
            return saved.failure();
        }
    }
    return {};
}

Result<void> writeLog(const QString& folder, const LrmImportReport& report) {
    QStringList lines = report.log;
    lines << QString() << kLrmImportedHeading << report.imported << QString()
          << kLrmNotImportedHeading << report.notImported;
    QSaveFile file(QDir(folder).filePath(kLrmLogName));
    const QByteArray bytes = (lines.join(u'\n') + u'\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Failure{kLrmNotWritten + file.fileName() + u' ' + file.errorString(), {}};
    }
    return {};
}

}  // namespace

QString lrmImportedText(int count) {
    return QStringLiteral("共导入%1个干部资料。").arg(count);
}

Result<LrmImported> importLrmRecord(TDataM& dm, const LrmRecord& record,
                                    const LrmImportOptions& options,
                                    const cadre::PickLists& lists) {
    db::Database& db = dm.db();
    LrmImported imported;
    imported.name = text::normalizeName(record.values.value(kLrmName).trimmed());
    if (imported.name.isEmpty()) {
        return Failure{kLrmNoName, {}};
    }
    const Result<QList<LrmCandidate>> named = cadresNamed(db, imported.name);
    if (!named) {
        return named.failure();
    }
    int existingId = named->size() == 1 ? named->first().cadreId : 0;
    if (named->size() > 1) {
        existingId = chosenCadre(*named, monthOf(record.values.value(kLrmBirth)), options);
        if (existingId == 0) {
            return Failure{kLrmAmbiguousName, {}};
        }
    }
    imported.existing = existingId != 0;
    if (imported.existing && options.overwrite == 0 && !options.keepExisting) {
        return Failure{kLrmDuplicateName, {}};
    }
    const auto applies = [&](int flag) { return !imported.existing || options.overwrite & flag; };
    const FormReader form(record, lists, imported.notes);
    cadre::CadreValues values;
    if (!imported.existing) {
        values = cadre::newCadreDefaults(db, 0);
        values[QStringLiteral("xm")] = imported.name;
    }
    if (applies(kLrmBasic)) {
        form.basic(values);
    }
    if (applies(kLrmResumeText)) {
        form.resume(values);
    }
    if (applies(kLrmRecords)) {
        form.records(values);
    }
    const bool family = applies(kLrmFamily) && form.has(kLrmFamilyRelation);
    if (applies(kLrmFamily)) {
        form.currentPost(values);
    }
    QList<cadre::FamilyMember> members = family ? form.family() : QList<cadre::FamilyMember>();
    cadre::IncomingValues checks(db);
    QStringList checkNotes = checks.checkCadre(values);
    for (cadre::FamilyMember& member : members) {
        checkNotes << checks.checkFamilyMember(member, kFamilyPrefix);
    }
    for (const QString& note : checkNotes) {
        imported.notes << u',' + note + u'.';
    }
    QByteArray photo;
    if (applies(kLrmPhoto) && !record.photo.isEmpty()) {
        photo = storedPhoto(record.photo);
        if (photo.isEmpty()) {
            imported.notes << kBadPhotoNote;
        }
    }

    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const Result<cadre::SavedCadre> saved = cadre::saveCadre(dm, existingId, values, 0);
    if (!saved) {
        return saved.failure();
    }
    imported.cadreId = saved->cadreId;
    if (family) {
        if (const Result<void> replaced = replaceFamily(dm, imported.cadreId, members); !replaced) {
            return replaced.failure();
        }
    }
    if (options.unitId != 0) {
        const Result<bool> member =
            units::ensureMember(dm, imported.cadreId, options.unitId, {true, true});
        if (!member) {
            return member.failure();
        }
    }
    if (!photo.isEmpty()) {
        if (const Result<void> written = cadre::writePhoto(dm, imported.cadreId, photo); !written) {
            return written.failure();
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return imported;
}

Result<LrmImportReport> importLrmFiles(TDataM& dm, const QStringList& files,
                                       const LrmImportOptions& options, const QString& logFolder,
                                       const LrmProgress& progress, const LrmAfterImport& after) {
    LrmImportReport report;
    const Result<cadre::PickLists> lists = cadre::loadPickLists(dm.db());
    if (!lists) {
        return lists.failure();
    }
    // The files are kept together and written to disk once at the end; each file's own
    // transaction inside undoes that file alone when it fails.
    db::Transaction all(dm.db());
    if (!all.isActive()) {
        return Failure{{}, dm.db().lastError()};
    }
    int done = 0;
    for (const QString& path : files) {
        const QString line = kFileLine.arg(QDir::toNativeSeparators(path));
        const Result<LrmImported> imported = [&]() -> Result<LrmImported> {
            const Result<LrmRecord> record = readLrmRecord(path);
            if (!record) {
                return record.failure();
            }
            db::Transaction transaction(dm.db());
            Result<LrmImported> result = importLrmRecord(dm, *record, options, *lists);
            if (result && after) {
                const Result<QStringList> added = after(*record, *result);
                if (!added) {
                    return added.failure();
                }
                for (const QString& note : *added) {
                    result->notes << u',' + note + u'.';
                }
            }
            if (result && !transaction.commit()) {
                return Failure{{}, dm.db().lastError()};
            }
            return result;
        }();
        if (imported) {
            ++report.count;
            report.log << line + kImportedLine + imported->name + imported->notes.join(QString());
            (imported->notes.isEmpty() ? report.imported : report.notImported) << imported->name;
        } else {
            report.log << line + kNotImportedLine + imported.errorText().replace(u'\n', u' ');
            report.notImported << QFileInfo(path).fileName();
        }
        if (progress && !progress(++done)) {
            break;
        }
    }
    if (!all.commit()) {
        return Failure{{}, dm.db().lastError()};
    }
    if (const Result<void> written = writeLog(logFolder, report); !written) {
        return written.failure();
    }
    return report;
}

Result<QStringList> placeInPlan(db::Database& db, int planId, const LrmRecord& record,
                                int cadreId) {
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    if (const Result<int> added = addCadres(db, planId, {cadreId}); !added) {
        return added.failure();
    }
    const Result<QVariant> line =
        db.scalar(QStringLiteral("select id from tb_rmmc_detail where mcID=? and McCadreID=?"),
                  {planId, cadreId});
    if (!line) {
        return line.failure();
    }
    if (!line->isValid()) {
        return Failure{kCadreDeleted, {}};
    }
    const std::pair<int, const char16_t*> texts[] = {{kLrmProposedPost, u"nrz"},
                                                     {kLrmProposedRemoval, u"nmz"},
                                                     {kLrmReason, u"rmNote"},
                                                     {kLrmReportingUnit, u"cbdw"}};
    cadre::IncomingValues checks(db);
    QStringList notes;
    for (const auto& [index, column] : texts) {
        const QString name = QString::fromUtf16(column);
        const cadre::CheckedValue value = checks.check(
            kPlanLines, name, record.values.value(index).trimmed(), kLrmPlanCaptions.value(index));
        notes << value.notes;
        if (value.refused || value.value.toString().isEmpty()) {
            continue;
        }
        const Result<void> set = setLineValue(db, line->toInt(), name, value.value.toString());
        if (!set) {
            return set.failure();
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return notes;
}

}  // namespace appointment
