#include "cadre/Family.h"

#include <QVariant>

#include "app/DataModule.h"
#include "cadre/OrderedRows.h"
#include "db/Database.h"
#include "text/MonthText.h"

namespace cadre {

namespace {

const OrderedRows kFamilyOrder{QStringLiteral("tb_family"), QStringLiteral("FamilyID"),
                               QStringLiteral("CadreID"), QStringLiteral("ford"), QString()};

QVariant textOrNull(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

}  // namespace

QString familyListStatement(int cadreId) {
    return QStringLiteral("select * from tb_family where CadreID=") + QString::number(cadreId) +
           QStringLiteral(" order by ford");
}

Result<std::optional<FamilyMember>> readFamilyMember(db::Database& db, int cadreId, int familyId) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_family where CadreID=? and FamilyID=?"),
                 {cadreId, familyId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return std::optional<FamilyMember>();
    }
    const auto text = [&rows](const char* column) {
        return rows->value(0, QString::fromLatin1(column)).toString();
    };
    FamilyMember member;
    member.familyId = familyId;
    member.cadreId = cadreId;
    member.relation = text("cw");
    member.name = text("xm");
    member.birthMonth = text("cssjStr");
    member.party = text("zzmm");
    member.workplace = text("dw");
    return std::optional(member);
}

Result<int> saveFamilyMember(TDataM& dm, const FamilyMember& member) {
    const std::optional<text::MonthEntry> birth = text::readMonthEntry(member.birthMonth);
    if (!birth) {
        return Failure{kBadFamilyBirthMonth, {}};
    }
    db::Database& db = dm.db();
    const auto failed = [&db] { return Failure{{}, db.lastError()}; };
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return failed();
    }
    const QVariantList values = {
        textOrNull(member.relation), textOrNull(member.name),
        textOrNull(birth->text),     birth->date.isValid() ? QVariant(birth->date) : QVariant(),
        textOrNull(member.party),    textOrNull(member.workplace)};
    int familyId = member.familyId;
    if (familyId == 0) {
        const Result<int> order = dm.NextFamilyOrder(member.cadreId);
        if (!order) {
            return order.failure();
        }
        QVariantList params = values;
        params << member.cadreId << *order;
        if (!db.exec(QStringLiteral("insert into tb_family (cw,xm,cssjStr,cssj,zzmm,dw,CadreID,"
                                    "ford) values (?,?,?,?,?,?,?,?)"),
                     params)) {
            return failed();
        }
        familyId = static_cast<int>(db.lastInsertId());
    } else {
        QVariantList params = values;
        params << member.cadreId << familyId;
        if (!db.exec(QStringLiteral("update tb_family set cw=?,xm=?,cssjStr=?,cssj=?,zzmm=?,dw=? "
                                    "where CadreID=? and FamilyID=?"),
                     params)) {
            return failed();
        }
        if (db.changes() == 0) {
            return Failure{kFamilyMemberGone, {}};
        }
    }
    if (!transaction.commit()) {
        return failed();
    }
    return familyId;
}

Result<void> deleteFamilyMember(db::Database& db, int cadreId, int familyId) {
    if (!db.exec(QStringLiteral("delete from tb_family where CadreID=? and FamilyID=?"),
                 {cadreId, familyId})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> deleteFamily(db::Database& db, int cadreId) {
    if (!db.exec(QStringLiteral("delete from tb_family where CadreID=?"), {cadreId})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> moveFamilyMember(db::Database& db, int cadreId, int familyId, int step) {
    return swapWithNeighbour(db, kFamilyOrder, cadreId, familyId, step, kFamilyMemberGone);
}

}  // namespace cadre
