#include "settings/SoftwareSettings.h"

#include <QSet>
#include <optional>

#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "db/Database.h"
#include "exchange/AutoBackup.h"
#include "schema/FirstRunSetup.h"

namespace settings {

namespace {

const QString kAgeGroup = QStringLiteral("A");
const QString kMaleItem = QStringLiteral("A001");
const QString kFemaleItem = QStringLiteral("A002");
const QString kAutoSaveGroup = QStringLiteral("AUTOSAVE");
const QString kLockGroup = QStringLiteral("ZWLOCK");
const QString kReservedGroup = QStringLiteral("保留字段");
const QString kRemarkItem = QStringLiteral("备注");

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The whole number under (group, item); nothing when the row is missing or holds no number.
Result<std::optional<int>> confNumber(db::Database& db, const QString& group, const QString& item) {
    const Result<QVariant> value = db.scalar(
        QStringLiteral("select ItemV from tb_conf where GID=? and ItemID=?"), {group, item});
    if (!value) {
        return value.failure();
    }
    bool ok = false;
    const int number = value->toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::optional<int>();
}

Result<QString> confText(db::Database& db, const QString& group, const QString& item) {
    const Result<QVariant> value = db.scalar(
        QStringLiteral("select ItemV from tb_conf where GID=? and ItemID=?"), {group, item});
    if (!value) {
        return value.failure();
    }
    return value->toString();
}

// A list kept one name per line, padded or cut to `count` names; `defaults` when the text
// holds no line break (never written by this dialog).
QStringList namesOf(const QString& text, int count, const QStringList& defaults = {}) {
    QStringList names = text.contains(u'\n') ? text.split(u'\n') : defaults;
    if (names.isEmpty() && !text.isEmpty()) {
        names << text;
    }
    while (names.size() < count) {
        names << QString();
    }
    return names.mid(0, count);
}

bool hasDuplicates(const QStringList& names) {
    QSet<QString> seen;
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (trimmed.isEmpty()) {
            continue;
        }
        if (seen.contains(trimmed)) {
            return true;
        }
        seen.insert(trimmed);
    }
    return false;
}

// Writes (group, item) = value: an update of the existing rows or one new row.
bool putConf(db::Database& db, const QString& group, const QString& item, const QString& value) {
    const Result<QVariant> found = db.scalar(
        QStringLiteral("select count(*) from tb_conf where GID=? and ItemID=?"), {group, item});
    if (!found) {
        return false;
    }
    return found->toInt() > 0
               ? db.exec(QStringLiteral("update tb_conf set ItemV=? where GID=? and ItemID=?"),
                         {value, group, item})
               : db.exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values (?,?,?)"),
                         {group, item, value});
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

Result<RetirementAges> retirementAges(db::Database& db) {
    RetirementAges ages;
    const auto male = confNumber(db, kAgeGroup, kMaleItem);
    if (!male) {
        return male.failure();
    }
    const auto female = confNumber(db, kAgeGroup, kFemaleItem);
    if (!female) {
        return female.failure();
    }
    ages.male = male->value_or(ages.male);
    ages.female = female->value_or(ages.female);
    return ages;
}

Result<void> adoptOlderBackupSettings(TDataM& dm) {
    const std::pair<QString, QString> items[] = {
        {QStringLiteral("开启"), exchange::kEnabledSetting},
        {QStringLiteral("备份路径"), exchange::kFolderSetting}};
    for (const auto& [item, setting] : items) {
        if (!dm.GetSetting(setting).trimmed().isEmpty()) {
            continue;
        }
        const Result<QString> older = confText(dm.db(), exchange::kSettingsGroup, item);
        if (!older) {
            return older.failure();
        }
        if (!older->trimmed().isEmpty()) {
            dm.PutSetting(setting, older->trimmed());
        }
    }
    return {};
}

Result<SoftwareSettings> loadSettings(TDataM& dm) {
    if (const Result<void> adopted = adoptOlderBackupSettings(dm); !adopted) {
        return adopted.failure();
    }
    db::Database& db = dm.db();
    SoftwareSettings s;
    const auto general =
        db.query(QStringLiteral("select name,type,resCType,resName,zt from tb_general"));
    if (!general) {
        return databaseFailure(db);
    }
    QString cadreTypes;
    QString reserved;
    if (!general->rows.empty()) {
        bool ok = false;
        const int type = general->value(0, QStringLiteral("type")).toInt(&ok);
        s.userType =
            ok && type >= 0 && type < schema::userTypeNames().size() ? type : kDefaultUserType;
        s.organisation = general->value(0, QStringLiteral("name")).toString();
        cadreTypes = general->value(0, QStringLiteral("resCType")).toString();
        reserved = general->value(0, QStringLiteral("resName")).toString();
        const QString zt = general->value(0, QStringLiteral("zt")).toString();
        for (const QString& line : zt.split(u'\n')) {
            if (!line.trimmed().isEmpty()) {
                s.postCategories << line.trimmed();
            }
        }
    }
    s.cadreTypes = namesOf(cadreTypes, kCadreTypeCount);
    s.reservedNames = namesOf(reserved, kReservedNameCount, kDefaultReservedNames);

    const Result<RetirementAges> ages = retirementAges(db);
    if (!ages) {
        return ages.failure();
    }
    s.ages = *ages;
    const auto autoSave = confText(db, kAutoSaveGroup, QString::number(dm.session().ManagerID));
    const Result<bool> locked = cadre::postsLocked(db);
    const auto remark = confText(db, kReservedGroup, kRemarkItem);
    const Result<int> days = exchange::backupPeriodDays(db);
    const Result<int> keep = exchange::backupKeepCount(db);
    if (!autoSave || !locked || !remark || !days || !keep) {
        return databaseFailure(db);
    }
    s.autoSave = autoSave->trimmed().isEmpty() || autoSave->trimmed() == u"1";
    s.postLock = *locked;
    s.remarkName = remark->isEmpty() ? kDefaultRemarkName : *remark;
    s.backupDays = *days;
    s.backupKeep = *keep;
    s.backupOn = exchange::autoBackupEnabled(dm);
    const Result<QList<LeveledName>> ranks = readRanks(db);
    const Result<QList<LeveledName>> educations = readEducations(db);
    if (!ranks || !educations) {
        return !ranks ? ranks.failure() : educations.failure();
    }
    s.ranks = *ranks;
    s.educations = *educations;
    for (int i = 0; i < kParamListCount; ++i) {
        const Result<QStringList> items = readParams(db, static_cast<ParamList>(i));
        if (!items) {
            return items.failure();
        }
        s.params << *items;
    }
    s.backupFolder = dm.GetSetting(exchange::kFolderSetting).trimmed();
    return s;
}

QString fieldNameProblem(const SoftwareSettings& settings) {
    return hasDuplicates(settings.cadreTypes) || hasDuplicates(settings.reservedNames)
               ? kDuplicateFieldNames
               : QString();
}

Result<void> saveSettings(TDataM& dm, const SoftwareSettings& s) {
    if (const QString problem = fieldNameProblem(s); !problem.isEmpty()) {
        return Failure{problem, {}};
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const Result<QVariant> generalRows =
        db.scalar(QStringLiteral("select count(*) from tb_general"));
    if (!generalRows) {
        return generalRows.failure();
    }
    const QVariantList general = {s.userType, s.organisation, s.cadreTypes.join(u'\n'),
                                  s.reservedNames.join(u'\n'), s.postCategories.join(u'\n')};
    const bool generalWritten =
        generalRows->toInt() > 0
            ? db.exec(
                  QStringLiteral("update tb_general set type=?,name=?,resCType=?,resName=?,zt=?"),
                  general)
            : db.exec(QStringLiteral("insert into tb_general (type,name,resCType,resName,zt) "
                                     "values (?,?,?,?,?)"),
                      general);
    // Each cadre's lock may have been set by hand: the locks follow the global flag only when
    // the flag itself changes.
    const Result<bool> wasLocked = cadre::postsLocked(db);
    if (!wasLocked) {
        return wasLocked.failure();
    }
    const QString manager = QString::number(dm.session().ManagerID);
    const bool written =
        generalWritten && putConf(db, kReservedGroup, kRemarkItem, s.remarkName) &&
        putConf(db, exchange::kSettingsGroup, exchange::kPeriodItem,
                QString::number(s.backupDays)) &&
        putConf(db, exchange::kSettingsGroup, exchange::kKeepItem, QString::number(s.backupKeep)) &&
        db.exec(QStringLiteral("delete * from tb_conf where GID=? and ItemID=?"),
                {exchange::kSettingsGroup, exchange::kOlderKeepItem}) &&
        putConf(db, kAgeGroup, kMaleItem, QString::number(s.ages.male)) &&
        putConf(db, kAgeGroup, kFemaleItem, QString::number(s.ages.female)) &&
        putConf(db, kAutoSaveGroup, manager, flag(s.autoSave)) &&
        db.exec(QStringLiteral("delete * from tb_conf where GID=?"), {kLockGroup}) &&
        db.exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values (?,'',?)"),
                {kLockGroup, flag(s.postLock)}) &&
        (*wasLocked == s.postLock ||
         db.exec(QStringLiteral("update tb_cadre set zwlock=?"), {s.postLock ? 1 : 0}));
    if (!written) {
        return databaseFailure(db);
    }
    // The lists are written only when the dialog read them.
    if (s.params.size() == kParamListCount) {
        const Result<void> lists[] = {writeRanks(db, s.ranks), writeEducations(db, s.educations)};
        for (const Result<void>& list : lists) {
            if (!list) {
                return list.failure();
            }
        }
        for (int i = 0; i < kParamListCount; ++i) {
            if (const Result<void> items =
                    writeParams(db, static_cast<ParamList>(i), s.params.at(i));
                !items) {
                return items.failure();
            }
        }
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    dm.PutSetting(exchange::kEnabledSetting, flag(s.backupOn));
    dm.PutSetting(exchange::kFolderSetting, s.backupFolder.trimmed());
    return {};
}

}  // namespace settings
