// The small helpers of the data module: machine settings, tb_conf values, next sort orders,
// look-ups, the name-list matcher, record copy, compaction, temporary file names and the
// calculated fields of the quota and reminder datasets.

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include "app/DataModule.h"
#include "app/IniFile.h"
#include "db/SqlStatement.h"
#include "db/SqlText.h"
#include "text/CodePoint.h"

namespace {

const QString kSettingsGroup = QStringLiteral("干部管理");

// Runs one aggregate statement and reads its single value as a number; NULL (an empty group)
// and no row read as 0, a failed statement is a failure.
Result<int> aggregateOf(db::Database& db, const QString& statement) {
    const Result<QVariant> v = db.scalar(statement);
    if (!v) {
        return v.failure();
    }
    return v->isNull() ? 0 : v->toInt();
}

Result<int> nextOf(db::Database& db, const QString& statement) {
    const Result<int> last = aggregateOf(db, statement);
    if (!last) {
        return last;
    }
    return *last + 1;
}

// A name as typed or stored without any blank: half-width, full-width "　", tabs and the like.
QString withoutBlanks(const QString& name) {
    QString kept;
    kept.reserve(name.size());
    for (const QChar c : name) {
        if (!c.isSpace()) {
            kept += c;
        }
    }
    return kept;
}

// The like pattern that finds a name however it is stored. Four-character names are widened
// to their first two characters, "%" and their last two, so that a compound surname or given
// name written with a blank in between is found. Two-character names are stored with two
// blanks between the characters ("张  三"), so they are widened the same way to
// "<first>%<second>"; without that a typed "张三" could never match. Characters are counted as
// code points, so a character outside the BMP is never split.
QString likePattern(const QString& name) {
    QStringList chars;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length = text::codePointAt(name, i).length;
        chars << name.mid(i, length);
        i += length;
    }
    if (chars.size() == 4) {
        return chars[0] + chars[1] + u'%' + chars[2] + chars[3];
    }
    if (chars.size() == 2) {
        return chars[0] + u'%' + chars[1];
    }
    return name;
}

QDate dateOf(const QVariant& v) {
    if (v.isNull()) {
        return {};
    }
    if (v.typeId() == QMetaType::QDateTime) {
        return v.toDateTime().date();
    }
    return v.toDate();
}

}  // namespace

// ---- Machine settings --------------------------------------------------------------------

QString TDataM::GetSetting(const QString& name) const {
    if (name.isEmpty()) {
        return {};
    }
    return app::IniFile(DbDir + QStringLiteral("CONF.ini")).value(kSettingsGroup, name);
}

// The file is rewritten only when the value changes; a file that cannot be written keeps what
// it held.
void TDataM::PutSetting(const QString& name, const QString& value) {
    if (name.isEmpty()) {
        return;
    }
    app::IniFile settings(DbDir + QStringLiteral("CONF.ini"));
    if (settings.contains(kSettingsGroup, name) && settings.value(kSettingsGroup, name) == value) {
        return;
    }
    settings.setValue(kSettingsGroup, name, value);
    settings.save();
}

// ---- tb_conf -------------------------------------------------------------------------------

Result<QString> TDataM::GetConf(const QString& gid, const QString& itemId) {
    const Result<QVariant> v =
        db_.scalar(QStringLiteral("select ItemV from tb_conf where Gid=") + sql::quoted(gid) +
                   QStringLiteral(" and ItemID=") + sql::quoted(itemId));
    if (!v) {
        return v.failure();
    }
    return db::displayText(*v);
}

Result<void> TDataM::SetConf(const QString& gid, const QString& itemId, const QString& value) {
    const std::optional<db::QueryResult> found =
        db_.query(QStringLiteral("select ItemV from tb_conf where Gid=") + sql::quoted(gid) +
                  QStringLiteral(" and ItemID=") + sql::quoted(itemId));
    const bool written =
        found && (!found->rows.empty()
                      ? db_.exec(QStringLiteral("update tb_conf set ItemV=") + sql::quoted(value) +
                                 QStringLiteral(" where Gid=") + sql::quoted(gid) +
                                 QStringLiteral(" and ItemID=") + sql::quoted(itemId))
                      : db_.exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values (") +
                                 sql::quoted(gid) + u',' + sql::quoted(itemId) + u',' +
                                 sql::quoted(value) + u')'));
    if (!written) {
        return Failure{{}, db_.lastError()};
    }
    return {};
}

// ---- Next sort orders ----------------------------------------------------------------------

Result<int> TDataM::NextCadreOrder() {
    return nextOf(db_, QStringLiteral("select max(gbord) as ord from tb_cadre"));
}

Result<int> TDataM::NextChildUnitOrder(int parentId) {
    return nextOf(db_,
                  QStringLiteral("select max(dwOrder) as ord from tb_department where parentID=") +
                      QString::number(parentId));
}

Result<int> TDataM::NextMemberOrder(int unitId) {
    return nextOf(db_, QStringLiteral("select max(zwOrder) as ord from tb_cadre_node where dwID=") +
                           QString::number(unitId));
}

Result<int> TDataM::NextFamilyOrder(int cadreId) {
    return nextOf(db_, QStringLiteral("select max(ford) as ord from tb_family where CadreID=") +
                           QString::number(cadreId));
}

Result<int> TDataM::NextCurrentPostOrder(int cadreId) {
    return nextOf(db_, QStringLiteral("select max(zwOrder) as ord from tb_cadre_zw where status=1 "
                                      "and ZwCadreID=") +
                           QString::number(cadreId));
}

Result<int> TDataM::NextFormerPostOrder(int cadreId) {
    return nextOf(db_, QStringLiteral("select max(zwOrder) as ord from tb_cadre_zw where status=2 "
                                      "and ZwCadreID=") +
                           QString::number(cadreId));
}

Result<int> TDataM::NextRosterLine(int rosterId) {
    return nextOf(db_,
                  QStringLiteral("select max(brOrder) as ord from tb_beadroll_detail where McID=") +
                      QString::number(rosterId));
}

Result<int> TDataM::NextRosterCopyLine(int rosterId) {
    return nextOf(db_,
                  QStringLiteral("select max(brOrder) as ord from tb_beadroll_mirror where McID=") +
                      QString::number(rosterId));
}

Result<int> TDataM::NextPlanLine(int planId) {
    return nextOf(db_,
                  QStringLiteral("select max(brOrder) as ord from tb_rmmc_detail where mcID=") +
                      QString::number(planId));
}

Result<int> TDataM::NextTraineeOrder(int classId) {
    return nextOf(db_, QStringLiteral("select max(ord) as x from tb_pxCadre where pxid=") +
                           QString::number(classId));
}

// ---- Look-ups ------------------------------------------------------------------------------

Result<int> TDataM::MaxId(const QString& column, const QString& table) {
    return aggregateOf(
        db_, QStringLiteral("select max(") + column + QStringLiteral(")as maxid from ") + table);
}

Result<int> TDataM::CadreCount() {
    const Result<QVariant> count = db_.scalar(QStringLiteral("select count(*) from tb_cadre"));
    if (!count) {
        return count.failure();
    }
    return count->toInt();
}

Result<QString> TDataM::LookUp(const QString& column, const QString& table,
                               const QString& keyColumn, const QString& value) {
    const Result<QVariant> v =
        db_.scalar(QStringLiteral("select ") + column + QStringLiteral(" from ") + table +
                   QStringLiteral(" where ") + keyColumn + u'=' + sql::quoted(value));
    if (!v) {
        return v.failure();
    }
    return db::displayText(*v);
}

Result<QString> TDataM::CadreName(int cadreId) {
    const Result<QVariant> name =
        db_.scalar(QStringLiteral("select xm from tb_cadre where CadreID=?"), {cadreId});
    if (!name) {
        return name.failure();
    }
    return db::displayText(*name);
}

Result<QString> TDataM::OrganisationName() {
    const Result<QVariant> name = db_.scalar(QStringLiteral("select name from tb_general"));
    if (!name) {
        return name.failure();
    }
    return db::displayText(*name);
}

Result<QString> TDataM::UnitName(int unitId) {
    const std::optional<db::QueryResult> r = db_.query(
        QStringLiteral("select id,name from tb_department where ID=") + QString::number(unitId));
    if (!r) {
        return Failure{{}, db_.lastError()};
    }
    if (r->rows.empty()) {
        return QString();
    }
    return db::displayText(r->value(0, QStringLiteral("name")));
}

// 0 also when there is no such unit, as reading the level of an empty result does.
Result<int> TDataM::UnitLevel(int unitId) {
    return aggregateOf(db_, QStringLiteral("select dwlevel from tb_department where ID=") +
                                QString::number(unitId));
}

Result<QString> TDataM::UnitIndex(int unitId) {
    const Result<QVariant> v = db_.scalar(
        QStringLiteral("select dwindex from tb_department where ID=") + QString::number(unitId));
    if (!v) {
        return v.failure();
    }
    return db::displayText(*v);
}

Result<bool> TDataM::IsMember(int cadreId, int unitId) {
    const Result<QVariant> found = db_.scalar(
        QStringLiteral("select CnID from tb_cadre_node where ZwCadreID=") +
        QString::number(cadreId) + QStringLiteral(" and dwID=") + QString::number(unitId));
    if (!found) {
        return found.failure();
    }
    return found->isValid();
}

// ---- Name lists ----------------------------------------------------------------------------

// The names are separated by "," "，" ";" "；" or line breaks. Each name loses its blanks and
// is looked up with a like pattern (see likePattern); the first stored xm that equals the typed
// name once the blanks are removed from both is kept, in the stored form ("张  三"), so that
// the result can go straight into an "xm in (...)" list. The comparison ignores case, as text
// comparison in the database does. Names not found are left out; the kept names keep the order
// of the list, one per line.
Result<QString> TDataM::MatchNameList(const QString& names) {
    QString text = names;
    for (const QString& separator :
         {QStringLiteral(","), QStringLiteral("，"), QStringLiteral(";"), QStringLiteral("；"),
          QStringLiteral("\r\n"), QStringLiteral("\r")}) {
        text.replace(separator, QStringLiteral("\n"));
    }
    QStringList kept;
    for (const QString& piece : text.split(u'\n')) {
        const QString name = withoutBlanks(piece);
        if (name.isEmpty()) {
            continue;
        }
        const std::optional<db::QueryResult> found =
            db_.query(QStringLiteral("select xm from tb_cadre where xm like ") +
                      sql::quoted(likePattern(name)));
        if (!found) {
            return Failure{{}, db_.lastError()};
        }
        for (size_t row = 0; row < found->rows.size(); ++row) {
            const QString xm = found->value(row, QStringLiteral("xm")).toString();
            if (withoutBlanks(xm).compare(name, Qt::CaseInsensitive) == 0) {
                kept << xm;
                break;
            }
        }
    }
    return kept.join(u'\n');
}

// ---- Record copy ---------------------------------------------------------------------------

// Values are assigned as their text, the way the dataset shows them: a date lands in a text
// column as "yyyy-MM-dd" and in a date column as that date, a yes/no value reads "True" or
// "False". The dataset stores the texts "True" and "False" in a yes/no column as yes and no,
// while a text column keeps the text. Numbers and binary values are passed as they are, which
// gives the same stored value as their text without a round trip through it. Field names are
// compared without regard to case, the exclusions too. Returns true when the target row was
// posted; false when nothing was copied (the edit is cancelled) or when a value could not be
// assigned or the row not be written: the edit is then cancelled as well and the target's
// lastError() tells why.
bool TDataM::CopyRecord(const db::Dataset& source, db::Dataset& target,
                        const QStringList& excluded) {
    bool copied = false;
    for (const QString& field : source.fieldNames()) {
        if (excluded.contains(field, Qt::CaseInsensitive) || !target.hasField(field)) {
            continue;
        }
        const QVariant v = source.value(field);
        if (v.isNull()) {
            continue;
        }
        QVariant assigned;
        switch (v.typeId()) {
            case QMetaType::QString:
            case QMetaType::QByteArray:
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::Double:
                assigned = v;
                break;
            default:
                assigned = db::displayText(v);
                break;
        }
        if (!target.setValue(field, assigned)) {
            target.cancel();
            return false;
        }
        copied = true;
    }
    if (!copied) {
        target.cancel();
        return false;
    }
    if (!target.post()) {
        target.cancel();
        return false;
    }
    return true;
}

// ---- Files ---------------------------------------------------------------------------------

Result<void> TDataM::CompactDatabase() {
    if (!db_.compact()) {
        return Failure{{}, db_.lastError()};
    }
    return {};
}

// The name is "<prefix><8 hex digits>.tmp" and belongs to no file when it is returned; the file
// is not created, so that the caller may write it in any way it likes. Successive calls give
// different names even while none of the files exists yet. Returns "" when the folder cannot
// be created.
QString TDataM::TempFileName(const QString& folder, const QString& prefix) {
    static QAtomicInteger<quint32> counter(0);
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
        return {};
    }
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const quint32 unique = (QRandomGenerator::global()->generate() & 0xFFFF0000U) |
                               (counter.fetchAndAddRelaxed(1) & 0xFFFFU);
        const QString path = dir.absoluteFilePath(
            prefix + QStringLiteral("%1").arg(unique, 8, 16, QLatin1Char('0')).toUpper() +
            QStringLiteral(".tmp"));
        if (!QFileInfo::exists(path)) {
            return path;
        }
    }
    return {};
}

// ---- Calculated fields and events of the shared datasets -----------------------------------

QString TDataM::QuotaState(int currentHolders, int quota) {
    if (currentHolders > quota) {
        return QStringLiteral("超编");
    }
    if (currentHolders == quota) {
        return QStringLiteral("持平");
    }
    return QStringLiteral("缺编");
}

int TDataM::PlanStatus(const QVariant& beginT, const QVariant& endT, const QDate& today) {
    const QDate begin = dateOf(beginT);
    if (begin.isValid() && begin > today) {
        return -1;
    }
    const QDate end = dateOf(endT);
    if (!end.isValid() || end >= today) {
        return 0;
    }
    return 1;
}

void TDataM::BeforePostPlan(db::Dataset& plan) const {
    if (plan.state() == db::Dataset::State::Edit || plan.state() == db::Dataset::State::Insert) {
        plan.setValue(QStringLiteral("manid"), session().ManagerID);
    }
}
