#include <gtest/gtest.h>

#include <QDate>

#include "CadreData.h"
#include "cadre/CadreDeletion.h"

namespace {

using cadre::RemovalWay;

// The tables that hold records of a cadre, with the column naming the cadre.
const std::pair<const char*, const char*> kCadreTables[] = {
    {"tb_cadre", "CadreID"},
    {"tb_cadre_zw", "ZwCadreID"},
    {"tb_cadre_node", "ZwCadreID"},
    {"tb_family", "CadreID"},
    {"tb_jc", "cid"},
    {"tb_kc", "cid"},
    {"tb_pxCadre", "CadreID"},
    {"tb_pxCadre2", "CadreID"},
    {"tb_beadroll_mirror", "McCadreID"},
    {"A54", "cid"},
    {"A55", "cid"},
    {"A56", "cid"},
    {"E01", "cid"},
    {"tb_fileLink", "dxID"},
};

class CadreDeletionTest : public CadreData {
  protected:
    // Gives cadres 2 and 3 a record in each table that the sample leaves empty for them.
    void addRecordsOfEveryKind() {
        for (const int cadre : {2, 3}) {
            const QString id = QString::number(cadre);
            for (const QString& statement :
                 {QStringLiteral("insert into tb_jc (cid,jcmc) values (%1,'嘉奖')"),
                  QStringLiteral("insert into tb_pxCadre (pxid,CadreID,CName) values (1,%1,'x')"),
                  QStringLiteral("insert into tb_pxCadre2 (CadreID,pxName) values (%1,'进修班')"),
                  QStringLiteral("insert into tb_beadroll_mirror (mcID,McCadreID,xm) values "
                                 "(1,%1,'x')"),
                  QStringLiteral("insert into A54 (cid,A5404) values (%1,'报告')"),
                  QStringLiteral("insert into A55 (cid,A5501) values (%1,'审计')"),
                  QStringLiteral("insert into A56 (cid,A5604) values (%1,'意见')"),
                  QStringLiteral("insert into E01 (cid,E01Z111A) values (%1,'履历表')")}) {
                run(statement.arg(id));
            }
            run(QStringLiteral("insert into tb_File (fileName) values ('%1.txt')").arg(id));
            run(QStringLiteral("insert into tb_fileLink (dxType,dxID,fileid) values (1,%1,%2)")
                    .arg(id)
                    .arg(db().lastInsertId()));
        }
    }

    QVariant postValue(int cadre, int unit, const QString& post, const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column +
                        QStringLiteral(" from tb_cadre_zw where ZwCadreID=? and dwID=? and "
                                       "zwmc=?"),
                    {cadre, unit, post})
            .value();
    }
};

TEST_F(CadreDeletionTest, LeavingOneOfTwoUnitsKeepsTheOther) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, {}, 2);  // a former post there stays in any case
    struct Case {
        RemovalWay way;
        int mayorStatus;  // 0: the post is deleted
    };
    const Case cases[] = {{RemovalWay::RemoveWithRemovalDate, 2},
                          {RemovalWay::RemoveAndDeletePosts, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.way));
        db::Transaction undo(db());
        ASSERT_TRUE(cadre::removeFromUnit(dm, 2, 3, c.way, QStringLiteral("2024.10")).ok())
            << db().lastError();

        EXPECT_FALSE(member(2, 3).has_value());
        EXPECT_EQ(unitList(3), (QStringList{"11:1", "12:2", "13:3"}));
        const auto stays = member(2, 1);
        ASSERT_TRUE(stays.has_value());
        EXPECT_EQ(stays->order, 2);
        EXPECT_EQ(stays->zwList.toString(), QStringLiteral("副书记"));
        EXPECT_EQ(postValue(2, 1, QStringLiteral("副书记"), QStringLiteral("status")).toInt(), 1);
        const QString rebuilt = QStringLiteral("中共某市委员会副书记");
        EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), rebuilt);
        EXPECT_EQ(cadreValue(2, QStringLiteral("allZwList")).toString(), rebuilt);
        EXPECT_EQ(postValue(2, 3, QStringLiteral("市长"), QStringLiteral("status")).toInt(),
                  c.mayorStatus);
        EXPECT_EQ(postValue(2, 3, QStringLiteral("党组书记"), QStringLiteral("status")).toInt(), 2);
        EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("CadreID=2")), 1);
    }
}

TEST_F(CadreDeletionTest, TheRemovalMonthIsStoredAsYearPointTwoDigitMonth) {
    struct Case {
        const char* typed;
        const char* stored;
        QDate date;  // invalid: neither date nor text is written
    };
    const Case cases[] = {{"2024.10", "2024.10", QDate(2024, 10, 1)},
                          {"2024.3", "2024.03", QDate(2024, 3, 1)},
                          {"", "", QDate()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        db::Transaction undo(db());
        ASSERT_TRUE(cadre::removeFromUnit(dm, 2, 3, RemovalWay::RemoveWithRemovalDate,
                                          QString::fromUtf8(c.typed))
                        .ok())
            << db().lastError();
        const QString mayor = QStringLiteral("市长");
        EXPECT_EQ(postValue(2, 3, mayor, QStringLiteral("status")).toInt(), 2);
        const QVariant date = postValue(2, 3, mayor, QStringLiteral("mzsj"));
        const QVariant text = postValue(2, 3, mayor, QStringLiteral("mzsjStr"));
        if (c.date.isValid()) {
            EXPECT_EQ(date.toDate(), c.date);
            EXPECT_EQ(text.toString(), QString::fromUtf8(c.stored));
        } else {
            EXPECT_TRUE(date.isNull());
            EXPECT_TRUE(text.isNull());
        }
        EXPECT_FALSE(member(2, 3).has_value());
    }
}

TEST_F(CadreDeletionTest, TheMembersAfterTheOneWhoLeftMoveUp) {
    ASSERT_EQ(unitList(7), (QStringList{"19:1", "20:2", "21:3", "22:4", "55:5", "56:6"}));
    for (const RemovalWay way : {RemovalWay::RemoveWithRemovalDate,
                                 RemovalWay::RemoveAndDeletePosts, RemovalWay::DeleteCompletely}) {
        SCOPED_TRACE(static_cast<int>(way));
        db::Transaction undo(db());
        ASSERT_TRUE(cadre::removeFromUnit(dm, 21, 7, way, QStringLiteral("2024.01")).ok())
            << db().lastError();
        EXPECT_EQ(unitList(7), (QStringList{"19:1", "20:2", "22:3", "55:4", "56:5"}));
        // The cadre's former posts elsewhere and its record stay unless deleted completely.
        const int left = way == RemovalWay::DeleteCompletely ? 0 : 1;
        EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("CadreID=21")), left);
        EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=21 and dwID=8")),
                  left);
    }
}

TEST_F(CadreDeletionTest, CompleteDeletionLeavesNoRecordOfTheCadre) {
    addRecordsOfEveryKind();
    std::map<QString, int> othersBefore;
    for (const auto& [table, column] : kCadreTables) {
        const QString where = QString::fromLatin1(column) + QStringLiteral("=%1");
        ASSERT_GT(count(QString::fromLatin1(table), where.arg(2)), 0) << table;
        othersBefore[QString::fromLatin1(table)] = count(QString::fromLatin1(table), where.arg(3));
        ASSERT_GT(othersBefore[QString::fromLatin1(table)], 0) << table;
    }

    ASSERT_TRUE(cadre::removeFromUnit(dm, 2, 3, RemovalWay::DeleteCompletely, QString()).ok())
        << db().lastError();

    for (const auto& [table, column] : kCadreTables) {
        const QString where = QString::fromLatin1(column) + QStringLiteral("=%1");
        EXPECT_EQ(count(QString::fromLatin1(table), where.arg(2)), 0) << table;
        EXPECT_EQ(count(QString::fromLatin1(table), where.arg(3)),
                  othersBefore[QString::fromLatin1(table)])
            << table;
    }
    EXPECT_EQ(unitList(3), (QStringList{"11:1", "12:2", "13:3"}));
    // The documents go with their links; another cadre's stay.
    EXPECT_EQ(count(QStringLiteral("tb_File"), QStringLiteral("fileName='2.txt'")), 0);
    EXPECT_EQ(count(QStringLiteral("tb_File"), QStringLiteral("fileName='3.txt'")), 1);
}

TEST_F(CadreDeletionTest, CompleteDeletionMayKeepTheCadreRow) {
    addRecordsOfEveryKind();
    ASSERT_TRUE(cadre::DeleteCadre(dm, 2, true, false, 0)) << db().lastError();
    for (const auto& [table, column] : kCadreTables) {
        const int expected = QLatin1String(table) == QLatin1String("tb_cadre") ? 1 : 0;
        EXPECT_EQ(count(QString::fromLatin1(table), QString::fromLatin1(column) + "=2"), expected)
            << table;
    }
    // Without any current post the record keeps its text.
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              QStringLiteral("中共某市委员会副书记，某市人民政府市长"));
}

TEST_F(CadreDeletionTest, LeavingAUnitDeletesOnlyThatUnitsCurrentPosts) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, {}, 2);
    ASSERT_TRUE(cadre::DeleteCadre(dm, 2, false, false, 3)) << db().lastError();
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and dwID=3")), 1);
    EXPECT_EQ(postValue(2, 3, QStringLiteral("党组书记"), QStringLiteral("status")).toInt(), 2);
    EXPECT_FALSE(member(2, 3).has_value());
    EXPECT_TRUE(member(2, 1).has_value());
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              QStringLiteral("中共某市委员会副书记"));
    // Unlike the removal from the list, the routine itself leaves the unit's order alone.
    EXPECT_EQ(unitList(3), (QStringList{"11:2", "12:3", "13:4"}));
}

// A removal whose statement fails part of the way leaves the database as it was.
struct Sabotage {
    const char* what;
    RemovalWay way;
    const char* statement;  // makes one of the removal's statements fail
    bool native;            // SQLite's own SQL (a trigger) rather than the program's dialect
};

void PrintTo(const Sabotage& sabotage, std::ostream* os) {
    *os << sabotage.what;
}

class CadreRemovalFailureTest : public CadreData, public ::testing::WithParamInterface<Sabotage> {};

TEST_P(CadreRemovalFailureTest, NothingChanges) {
    const QString sabotage = QString::fromUtf8(GetParam().statement);
    ASSERT_TRUE(GetParam().native ? db().execNative(sabotage) : db().exec(sabotage))
        << db().lastError();
    const Snapshot before = snapshot();
    EXPECT_FALSE(cadre::removeFromUnit(dm, 2, 3, GetParam().way, QStringLiteral("2024.10")).ok());
    EXPECT_FALSE(db().lastError().isEmpty());
    EXPECT_EQ(db().transactionDepth(), 0);
    EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CadreRemovalFailureTest,
    ::testing::Values(
        // the eleventh of the twelve deletions
        Sabotage{"LastDependentTableMissing", RemovalWay::DeleteCompletely, "drop table A56",
                 false},
        // the refresh of the cadre record, after the unit's posts and membership went
        Sabotage{"CadreRecordMissing", RemovalWay::RemoveAndDeletePosts, "drop table tb_cadre",
                 false},
        // the very last statement: closing the gap in the unit's order
        Sabotage{"OrderCannotBeClosed", RemovalWay::RemoveWithRemovalDate,
                 "create trigger refuse_order before update of zwOrder on tb_cadre_node begin "
                 "select raise(abort, 'refused'); end",
                 true}),
    [](const ::testing::TestParamInfo<Sabotage>& sabotage) {
        return std::string(sabotage.param.what);
    });

}  // namespace
