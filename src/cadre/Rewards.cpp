#include "cadre/Rewards.h"

#include <QVariant>

#include "cadre/CodeSets.h"
#include "db/Database.h"
#include "db/SqlText.h"

namespace cadre {

namespace {

QVariant textOrNull(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

}  // namespace

QString rewardListStatement(int cadreId, const QString& kind) {
    return QStringLiteral("select * from tb_jc where (dxType=0 or isnull(dxType") +
           sql::Fragments().NullTail + QStringLiteral(") and cid=") + QString::number(cadreId) +
           QStringLiteral(" and jclbx=") + sql::quoted(kind) + QStringLiteral(" order by jcsj");
}

Result<std::optional<RewardRecord>> readReward(db::Database& db, int cadreId, int id) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_jc where cid=? and id=?"), {cadreId, id});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return std::optional<RewardRecord>();
    }
    const auto value = [&rows](const char* column) {
        return rows->value(0, QString::fromLatin1(column));
    };
    RewardRecord record;
    record.id = id;
    record.cadreId = cadreId;
    record.kind = value("jclbx").toString();
    record.category = value("jclb").toString();
    record.name = value("jcmc").toString();
    record.body = value("jcjg").toString();
    record.date = value("jcsj").toDate();
    record.reason = value("jcyy").toString();
    record.remark = value("jcsm").toString();
    record.honourLevel = value("A14Z207").toString();
    return std::optional(record);
}

Result<QStringList> rewardNameChoices(db::Database& db, const QString& kind,
                                      const QString& category) {
    const Result<QVariant> code =
        db.scalar(QStringLiteral("select DM from tb_DMJ where DMJMC=? and DMShow=?"),
                  {kRewardCategoryCodes, category});
    if (!code) {
        return code.failure();
    }
    QStringList names;
    if (code->isValid()) {
        const auto kinds = codeTexts(db, kRewardCategoryCodes, code->toString());
        if (!kinds) {
            return kinds.failure();
        }
        names << *kinds;
    }
    QString honourGroup;
    if (kind == kRewardKind && category == u"荣誉称号") {
        honourGroup = QStringLiteral("C0");
    } else if (kind == kRewardKind && category == u"荣誉奖章") {
        honourGroup = QStringLiteral("J0");
    }
    if (!honourGroup.isEmpty()) {
        const auto honours = codeTexts(db, kHonourCodes, honourGroup);
        if (!honours) {
            return honours.failure();
        }
        names << *honours;
    }
    if (kind == kPunishmentKind && category == u"刑事处罚") {
        const auto penalties = codeTree(db, kPenaltyCodes, QStringLiteral("and DMLevel>0"));
        if (!penalties) {
            return penalties.failure();
        }
        for (const CodeNode& node : *penalties) {
            names << node.caption;
        }
    }
    return names;
}

Result<int> saveReward(db::Database& db, const RewardRecord& record) {
    const QString level = record.kind == kRewardKind ? record.honourLevel : QString();
    QVariantList params = {textOrNull(record.kind),
                           textOrNull(record.category),
                           textOrNull(record.name),
                           textOrNull(record.body),
                           record.date.isValid() ? QVariant(record.date) : QVariant(),
                           textOrNull(record.reason),
                           textOrNull(record.remark),
                           textOrNull(level),
                           record.cadreId};
    if (record.id == 0) {
        if (!db.exec(QStringLiteral("insert into tb_jc (jclbx,jclb,jcmc,jcjg,jcsj,jcyy,jcsm,"
                                    "A14Z207,cid,dxType) values (?,?,?,?,?,?,?,?,?,0)"),
                     params)) {
            return Failure{{}, db.lastError()};
        }
        return static_cast<int>(db.lastInsertId());
    }
    params << record.id;
    if (!db.exec(QStringLiteral("update tb_jc set jclbx=?,jclb=?,jcmc=?,jcjg=?,jcsj=?,jcyy=?,"
                                "jcsm=?,A14Z207=? where cid=? and id=?"),
                 params)) {
        return Failure{{}, db.lastError()};
    }
    if (db.changes() == 0) {
        return Failure{kRecordGone, {}};
    }
    return record.id;
}

Result<void> deleteReward(db::Database& db, int cadreId, int id) {
    if (!db.exec(QStringLiteral("delete from tb_jc where cid=? and id=?"), {cadreId, id})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace cadre
