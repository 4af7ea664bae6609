#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/LibraryMove.h"
#include "cadre/PostEnding.h"

namespace {

constexpr int kServing = 0;
constexpr int kRetired = 1;
constexpr int kTransferred = 2;

using LibraryMoveTest = CadreData;

TEST_F(LibraryMoveTest, RefusalsWriteNothing) {
    const Snapshot before = snapshot();
    struct Case {
        int source;
        int target;
        QString month;
        QString message;
    } cases[] = {
        {-1, kRetired, QStringLiteral("2024.03"), cadre::kChooseLibraries},
        {kServing, -1, QStringLiteral("2024.03"), cadre::kChooseLibraries},
        {kServing, kServing, QStringLiteral("2024.03"), cadre::kSameLibraries},
        {kServing, kTransferred, QStringLiteral("  "), cadre::kEnterRemovalMonth},
        {kServing, kTransferred, QStringLiteral("2024.13"), cadre::kBadRemovalMonth},
        {kServing, kRetired, QStringLiteral("1899.12"), cadre::kBadRemovalMonth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const Result<void> moved = cadre::moveToLibrary(dm, {1, 2}, c.source, c.target, c.month);
        ASSERT_FALSE(moved);
        EXPECT_EQ(moved.failure().message, c.message);
    }
    // 市长 of cadre 2 was taken up in 2022.05: cadre 1's posts may end earlier, cadre 2's not.
    const Result<void> early =
        cadre::moveToLibrary(dm, {1, 2}, kServing, kTransferred, QStringLiteral("2020.01"));
    ASSERT_FALSE(early);
    EXPECT_TRUE(early.failure().message.startsWith(cadre::kRemovalBeforeAppointment));
    EXPECT_EQ(snapshot(), before);
    // An empty list writes nothing either.
    EXPECT_TRUE(cadre::moveToLibrary(dm, {}, kServing, kTransferred, QStringLiteral("2024.03")));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(LibraryMoveTest, LeavingServiceEndsPostsAndMembershipsAndComingBackRestoresNeither) {
    addMembership(2, 7, true);  // a bound membership without posts goes as well
    ASSERT_EQ(unitList(3), (QStringList{QStringLiteral("2:1"), QStringLiteral("11:2"),
                                        QStringLiteral("12:3"), QStringLiteral("13:4")}));
    const int former =
        count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and status=2"));
    const QVariant xrz = cadreValue(2, QStringLiteral("xrz"));
    ASSERT_TRUE(cadre::moveToLibrary(dm, {2}, kServing, kTransferred, QStringLiteral("2024.3")));

    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), kTransferred);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=2")), 0);
    EXPECT_EQ(unitList(3), (QStringList{QStringLiteral("11:1"), QStringLiteral("12:2"),
                                        QStringLiteral("13:3")}));
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and status=1")), 0);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"),
                    QStringLiteral("ZwCadreID=2 and status=2 and mzsjstr='2024.03' and "
                                   "mzsj=#2024-03-01#")),
              2);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and status=2")),
              former + 2);
    // The current-post texts name no post any more.
    ASSERT_FALSE(xrz.toString().isEmpty());
    for (const char* text : {"xrz", "allZwList", "allRzsjList"}) {
        EXPECT_EQ(cadreValue(2, QString::fromLatin1(text)).toString(), QString()) << text;
    }
    // Other cadres keep everything.
    EXPECT_EQ(cadreValue(1, QStringLiteral("classid")).toInt(), kServing);
    EXPECT_TRUE(member(1, 1).has_value());

    const Snapshot away = snapshot();
    ASSERT_TRUE(cadre::moveToLibrary(dm, {2}, kTransferred, kServing, QString()));
    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), kServing);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and status=1")), 0);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=2")), 0);
    Snapshot back = snapshot();
    back["tb_cadre"] = away.at("tb_cadre");
    EXPECT_EQ(back, away) << "only the library changes on the way back";
}

// A locked current-post text was kept by hand: it stays when the posts end.
TEST_F(LibraryMoveTest, ALockedCurrentPostTextStaysWhenTheCadreLeavesService) {
    run(
        QStringLiteral("update tb_cadre set ZwLock=1,xrz='手写职务',allZwList='旧',"
                       "allRzsjList='2020.01' where CadreID=2"));
    ASSERT_TRUE(cadre::moveToLibrary(dm, {2}, kServing, kRetired, QStringLiteral("2024.03")));
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and status=1")), 0);
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), QStringLiteral("手写职务"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("allZwList")).toString(), QStringLiteral("手写职务"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("allRzsjList")).toString(), QStringLiteral("2020.01"));
}

// A list made before the cadres moved (the reminders' retirement list, the dialog's own list)
// may name a cadre who has left the source library or been deleted: the move is refused and
// names them, and nothing is written.
TEST_F(LibraryMoveTest, ACadreNoLongerInTheSourceLibraryIsRefused) {
    ASSERT_TRUE(cadre::moveToLibrary(dm, {2}, kServing, kTransferred, QStringLiteral("2024.03")));
    run(QStringLiteral("delete from tb_cadre where CadreID=3"));
    const QString he = cadreValue(2, QStringLiteral("xm")).toString();
    const Snapshot before = snapshot();
    const struct {
        QList<int> chosen;
        QString named;
    } cases[] = {
        {{2}, he},
        {{1, 2}, he},
        {{1, 3}, QStringLiteral("编号3")},
        {{2, 3}, he + QStringLiteral("、编号3")},
    };
    for (const auto& c : cases) {
        const Result<void> moved =
            cadre::moveToLibrary(dm, c.chosen, kServing, kRetired, QStringLiteral("2024.05"));
        ASSERT_FALSE(moved) << c.named.toStdString();
        EXPECT_EQ(moved.failure().message, cadre::kNotInSourceLibrary + c.named);
        EXPECT_EQ(snapshot(), before) << c.named.toStdString();
    }
    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), kTransferred);
    // From the library the cadre is in now, the move goes ahead.
    ASSERT_TRUE(cadre::moveToLibrary(dm, {2}, kTransferred, kRetired, QString()));
    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), kRetired);
}

TEST_F(LibraryMoveTest, BetweenTheOtherLibrariesOnlyTheLibraryChangesWithoutAMonth) {
    run(QStringLiteral("update tb_cadre set classid=1 where CadreID=2"));
    const Snapshot before = snapshot();
    ASSERT_TRUE(cadre::moveToLibrary(dm, {2}, kRetired, kTransferred, QString()));
    EXPECT_EQ(cadreValue(2, QStringLiteral("classid")).toInt(), kTransferred);
    Snapshot after = snapshot();
    after["tb_cadre"] = before.at("tb_cadre");
    EXPECT_EQ(after, before);
}

TEST_F(LibraryMoveTest, AFailureAfterThePostsEndedLeavesEverythingAsItWas) {
    ASSERT_TRUE(db().execNative(QStringLiteral(
        "create trigger refuse_leaving before delete on tb_cadre_node when old.ZwCadreID=2 "
        "begin select raise(abort,'refused'); end")))
        << db().lastError();
    const Snapshot before = snapshot();
    const Result<void> moved =
        cadre::moveToLibrary(dm, {1, 2}, kServing, kRetired, QStringLiteral("2024.03"));
    ASSERT_FALSE(moved);
    EXPECT_TRUE(moved.failure().dbError.contains(QStringLiteral("refused")));
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
