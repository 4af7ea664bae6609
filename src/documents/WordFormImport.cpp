#include "documents/WordFormImport.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include "app/DataModule.h"
#include "app/Progress.h"
#include "cadre/IncomingValues.h"
#include "db/Database.h"
#include "office/DocxDocument.h"
#include "office/LegacyFiles.h"
#include "report/PageLayout.h"
#include "text/MonthText.h"
#include "text/PersonName.h"
#include "units/Membership.h"

namespace documents {

namespace {

const QString kPartyMember = QStringLiteral("中共党员");

// The first row and the last row of family members in table 2.
constexpr int kFirstFamilyRow = 5;
constexpr int kLastFamilyRow = 11;

// A cell of the form and the column it fills.
struct FormCell {
    int table;
    int row;
    int column;
    const char16_t* field;
};

constexpr FormCell kPlainCells[] = {
    {1, 1, 4, u"xb"},     {1, 2, 2, u"mz"},     {1, 2, 4, u"jgsheng"}, {1, 2, 6, u"cssheng"},
    {1, 3, 6, u"jkzk"},   {1, 4, 2, u"zyjszw"}, {1, 4, 4, u"zytc"},    {1, 5, 5, u"qrzxxzy"},
    {1, 6, 5, u"zzxxzy"}, {1, 7, 2, u"xrz"},    {1, 8, 2, u"nrz"},     {1, 9, 2, u"nmz"},
    {2, 1, 2, u"jcNote"}, {2, 2, 2, u"khNote"}, {2, 3, 2, u"rmNote"},
};

// The education cells: the level on the first line, the degree on the second.
struct EducationCell {
    int row;
    const char16_t* level;
    const char16_t* degree;
};

constexpr EducationCell kEducationCells[] = {{5, u"qrzxl", u"qrzxw"}, {6, u"zzxl", u"zzxw"}};

QString str(const char16_t* s) {
    return QString::fromUtf16(s);
}

QString nameKey(const QString& name) {
    return text::normalizeName(name).toLower();
}

// The stored form of a month written on the form; empty when the text is no month.
QString monthText(const QString& written) {
    const std::optional<QString> month = importedMonthText(written.trimmed());
    return month.value_or(QString());
}

// The stored form of a month written on the form; a text that is no month as it is written, so
// that the incoming checks refuse it by name.
QString monthOrWritten(const QString& written) {
    const std::optional<QString> month = importedMonthText(written.trimmed());
    return month.value_or(written.trimmed());
}

// Reads form cells, remembering the first failure.
class FormReader {
  public:
    explicit FormReader(const office::DocxDocument& doc) : doc_(doc) {}

    QString cell(int table, int row, int column) {
        if (!failure_.message.isEmpty() || !failure_.dbError.isEmpty()) {
            return {};
        }
        const Result<QString> text = doc_.cellText(table, row, column);
        if (!text) {
            failure_ = text.failure();
            return {};
        }
        return text->trimmed();
    }
    bool failed() const { return !failure_.message.isEmpty() || !failure_.dbError.isEmpty(); }
    const Failure& failure() const { return failure_; }

  private:
    const office::DocxDocument& doc_;
    Failure failure_;
};

void put(cadre::CadreValues& values, const QString& column, const QString& value) {
    if (!value.isEmpty()) {
        values.insert(column, value);
    }
}

void readParty(const QString& cell, cadre::CadreValues& values) {
    if (cell.isEmpty()) {
        return;
    }
    const QString month = monthText(cell);
    if (!month.isEmpty()) {
        values.insert(QStringLiteral("zzmm"), kPartyMember);
        values.insert(QStringLiteral("rdsjStr"), month);
        return;
    }
    static const QRegularExpression brackets(QStringLiteral("^[(（]\\s*|\\s*[)）]$"));
    put(values, QStringLiteral("zzmm"), QString(cell).remove(brackets));
}

QList<cadre::FamilyMember> readFamily(const office::DocxDocument& doc, FormReader& reader) {
    const bool ages = reader.cell(2, kFirstFamilyRow - 1, 4).contains(u'龄');
    QList<cadre::FamilyMember> family;
    for (int row = kFirstFamilyRow; row <= kLastFamilyRow && doc.hasCell(2, row, 6); ++row) {
        cadre::FamilyMember member;
        member.relation = reader.cell(2, row, 2);
        member.name = reader.cell(2, row, 3);
        member.birthMonth = ages ? QString() : monthOrWritten(reader.cell(2, row, 4));
        member.party = reader.cell(2, row, 5);
        member.workplace = reader.cell(2, row, 6);
        if (!member.name.isEmpty() || !member.relation.isEmpty()) {
            family.append(member);
        }
    }
    return family;
}

QString withoutTrailingBlanks(const QString& line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace()) {
        --end;
    }
    return line.left(end);
}

QString comparableResume(const QString& resume) {
    QStringList lines = report::withLineFeeds(resume).split(u'\n');
    for (QString& line : lines) {
        line = withoutTrailingBlanks(line);
    }
    return lines.join(u'\n').trimmed();
}

struct StoredCadre {
    int id;
    QString birth;
    QString resume;
};

Result<QHash<QString, QList<StoredCadre>>> servingCadres(db::Database& db) {
    const auto rows =
        db.query(QStringLiteral("select CadreID,xm,csnyStr,gzjl from tb_cadre where classid=0"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QHash<QString, QList<StoredCadre>> byName;
    for (const QVariantList& row : rows->rows) {
        byName[nameKey(row.value(1).toString())].append(
            {row.value(0).toInt(), row.value(2).toString(), row.value(3).toString()});
    }
    return byName;
}

void matchCadre(const QHash<QString, QList<StoredCadre>>& cadres, WordFormPlan& plan) {
    const QString birth = plan.form.values.value(QStringLiteral("csnyStr")).toString();
    QList<StoredCadre> matches;
    for (const StoredCadre& cadre :
         cadres.value(nameKey(plan.form.values.value(QStringLiteral("xm")).toString()))) {
        if (birth.isEmpty() || cadre.birth.isEmpty() || cadre.birth == birth) {
            matches.append(cadre);
        }
    }
    if (matches.size() > 1) {
        plan.problem = duplicateCadresProblem(static_cast<int>(matches.size()));
        return;
    }
    plan.action = matches.isEmpty() ? RowAction::Create : RowAction::Update;
    if (!matches.isEmpty()) {
        plan.cadreId = matches.first().id;
        plan.storedResume = matches.first().resume;
    }
    plan.resumeDiffers =
        !plan.form.resume.isEmpty() && resumesDiffer(plan.storedResume, plan.form.resume);
}

// Replaces the family of `cadreId` by `family`. A member given without a birth month (the form
// showed ages) keeps the month stored for the member of that name.
Result<void> replaceFamily(TDataM& dm, int cadreId, const QList<cadre::FamilyMember>& family) {
    db::Database& db = dm.db();
    const auto rows = db.query(
        QStringLiteral("select FamilyID,xm,cssjStr from tb_family where CadreID=?"), {cadreId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QHash<QString, QString> storedBirths;
    for (const QVariantList& row : rows->rows) {
        storedBirths.insert(row[1].toString(), row[2].toString());
        if (const Result<void> deleted = cadre::deleteFamilyMember(db, cadreId, row[0].toInt());
            !deleted) {
            return deleted;
        }
    }
    for (cadre::FamilyMember member : family) {
        member.cadreId = cadreId;
        if (member.birthMonth.isEmpty()) {
            member.birthMonth = storedBirths.value(member.name);
        }
        if (const Result<int> saved = cadre::saveFamilyMember(dm, member); !saved) {
            return saved.failure();
        }
    }
    return {};
}

// Writes one form; the failure's text when it is refused.
QString writeForm(TDataM& dm, const WordFormPlan& plan, const cadre::CadreValues& defaults,
                  bool takeResume, int unitId) {
    cadre::CadreValues values = plan.action == RowAction::Create ? defaults : cadre::CadreValues();
    for (auto it = plan.form.values.cbegin(); it != plan.form.values.cend(); ++it) {
        values.insert(it.key(), it.value());
    }
    if (takeResume && plan.resumeDiffers) {
        values.insert(QStringLiteral("gzjl"), plan.form.resume);
    }
    const Result<cadre::SavedCadre> saved = cadre::saveCadre(dm, plan.cadreId, values, 0);
    if (!saved) {
        return saved.errorText();
    }
    if (!plan.form.family.isEmpty()) {
        if (const Result<void> family = replaceFamily(dm, saved->cadreId, plan.form.family);
            !family) {
            return family.errorText();
        }
    }
    if (unitId != 0) {
        if (const Result<bool> joined =
                units::ensureMember(dm, saved->cadreId, unitId, {true, true});
            !joined) {
            return joined.errorText();
        }
    }
    return {};
}

// Passes the values of the plan's form through the incoming checks, noting each change.
void checkValues(cadre::IncomingValues& checks, WordFormPlan& plan) {
    plan.notes = checks.checkCadre(plan.form.values);
    const cadre::CheckedValue resume =
        checks.check(QStringLiteral("tb_cadre"), QStringLiteral("gzjl"), plan.form.resume);
    plan.notes << resume.notes;
    plan.form.resume = resume.value.toString();
    for (cadre::FamilyMember& member : plan.form.family) {
        plan.notes << checks.checkFamilyMember(member, QStringLiteral("家庭成员"));
    }
}

QString logLine(const WordFormPlan& plan, const QString& problem) {
    return QFileInfo(plan.form.path).fileName() + QStringLiteral("：") + problem;
}

}  // namespace

Result<WordForm> readWordForm(const QString& path, const QString& convertFolder) {
    const Result<QString> usable = office::usableOfficeFile(path, convertFolder);
    if (!usable) {
        return usable.failure();
    }
    const Result<office::DocxDocument> opened = office::DocxDocument::open(*usable);
    if (!opened) {
        return opened.failure();
    }
    const office::DocxDocument& doc = *opened;
    if (doc.tableCount() < 2 || !doc.hasCell(1, 10, 2) || !doc.hasCell(2, 3, 2)) {
        return Failure{kNotAnApprovalForm, {}};
    }
    FormReader reader(doc);
    WordForm form;
    form.path = path;
    const QString name = text::normalizeName(reader.cell(1, 1, 2));
    put(form.values, QStringLiteral("xm"), name);
    put(form.values, QStringLiteral("csnyStr"),
        monthOrWritten(reader.cell(1, 1, 6).section(u'\n', 0, 0)));
    readParty(reader.cell(1, 3, 2), form.values);
    put(form.values, QStringLiteral("gzsjStr"), monthOrWritten(reader.cell(1, 3, 4)));
    for (const FormCell& cell : kPlainCells) {
        put(form.values, str(cell.field), reader.cell(cell.table, cell.row, cell.column));
    }
    for (const EducationCell& cell : kEducationCells) {
        const QString written = reader.cell(1, cell.row, 3);
        put(form.values, str(cell.level), written.section(u'\n', 0, 0).trimmed());
        put(form.values, str(cell.degree), written.section(u'\n', 1).trimmed());
    }
    form.resume = comparableResume(reader.cell(1, 10, 2));
    form.family = readFamily(doc, reader);
    if (reader.failed()) {
        return reader.failure();
    }
    if (name.isEmpty()) {
        return Failure{kFormWithoutName, {}};
    }
    return form;
}

QString sameCadreProblem(const QString& firstFile) {
    return QStringLiteral("与%1是同一干部的任免表，未导入").arg(firstFile);
}

bool resumesDiffer(const QString& stored, const QString& fromForm) {
    return comparableResume(stored) != comparableResume(fromForm);
}

Result<QList<WordFormPlan>> planWordImport(db::Database& db, const QStringList& paths,
                                           const QString& convertFolder) {
    const Result<QHash<QString, QList<StoredCadre>>> cadres = servingCadres(db);
    if (!cadres) {
        return cadres.failure();
    }
    app::ProgressScope progress(QStringLiteral("正在读取Word文件..."),
                                static_cast<int>(paths.size()));
    QList<WordFormPlan> plans;
    QHash<QString, QString> firstFileOfCadre;
    cadre::IncomingValues checks(db);
    for (const QString& path : paths) {
        progress.step();
        WordFormPlan plan;
        Result<WordForm> form = readWordForm(path, convertFolder);
        if (!form) {
            plan.form.path = path;
            plan.problem = form.errorText();
            plans.append(plan);
            continue;
        }
        plan.form = std::move(form).value();
        checkValues(checks, plan);
        const QString key = nameKey(plan.form.values.value(QStringLiteral("xm")).toString()) +
                            u'|' + plan.form.values.value(QStringLiteral("csnyStr")).toString();
        if (firstFileOfCadre.contains(key)) {
            plan.problem = sameCadreProblem(firstFileOfCadre.value(key));
        } else {
            firstFileOfCadre.insert(key, QFileInfo(path).fileName());
            matchCadre(*cadres, plan);
        }
        plans.append(plan);
    }
    return plans;
}

Result<ImportOutcome> importWordForms(TDataM& dm, const QList<WordFormPlan>& plans, bool takeResume,
                                      int unitId) {
    db::Database& db = dm.db();
    app::ProgressScope progress(kImportRunning, static_cast<int>(plans.size()));
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const cadre::CadreValues defaults = cadre::newCadreDefaults(db);
    ImportOutcome outcome;
    for (const WordFormPlan& plan : plans) {
        progress.step();
        if (plan.action == RowAction::LeaveOut) {
            outcome.log.append(logLine(plan, plan.problem));
            continue;
        }
        db::Transaction formTransaction(db);
        if (!formTransaction.isActive()) {
            return Failure{{}, db.lastError()};
        }
        const QString problem = writeForm(dm, plan, defaults, takeResume, unitId);
        if (!problem.isEmpty()) {
            outcome.log.append(logLine(plan, problem));
            continue;
        }
        if (!formTransaction.commit()) {
            return Failure{{}, db.lastError()};
        }
        ++outcome.imported;
        if (!plan.notes.isEmpty()) {
            outcome.changed.append(logLine(plan, plan.notes.join(QStringLiteral("；"))));
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return outcome;
}

}  // namespace documents
