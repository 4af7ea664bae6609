#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/CurrentPosts.h"

namespace {

const QString kCityParty = QStringLiteral("中共某市委员会");     // unit 1
const QString kCityGovernment = QStringLiteral("某市人民政府");  // unit 3

TEST(CurrentPostTextsTest, UnitsAreNamedBeforeEachRunOfTheirPosts) {
    struct Case {
        const char* what;
        std::vector<cadre::CurrentPost> posts;
        QString text;
        QString appointed;
    };
    const Case cases[] = {
        {"no post", {}, QString(), QString()},
        {"one post", {{1, "A", "书记", "2018.05"}}, "A书记", "2018.05"},
        {"one unit",
         {{1, "A", "职务1", "2019.01"}, {1, "A", "职务2", "2020.01"}},
         "A职务1、职务2",
         "2019.01"},
        {"adjacent units",
         {{1, "A", "职务1", ""}, {1, "A", "职务2", ""}, {2, "B", "职务3", "2021.07"}},
         "A职务1、职务2，B职务3",
         "2021.07"},
        {"a unit named again",
         {{1, "A", "职务1", "2019.01"}, {2, "B", "职务3", "2020.03"}, {1, "A", "职务2", ""}},
         "A职务1，B职务3，A职务2",
         "2019.01"},
        {"two units of one name stay apart",
         {{1, "A", "职务1", ""}, {2, "A", "职务2", ""}},
         "A职务1，A职务2",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const cadre::CurrentPostTexts texts = cadre::currentPostTexts(c.posts);
        EXPECT_EQ(texts.posts, c.text);
        EXPECT_EQ(texts.appointed, c.appointed);
    }
}

class CurrentPostsTest : public CadreData {};

TEST_F(CurrentPostsTest, TheRecordAndTheMembershipsFollowThePostsInTheirOrder) {
    run(QStringLiteral("delete * from tb_cadre_zw where status=1 and ZwCadreID=1"));
    // Stored out of their order, so that the order column and not the row order counts.
    addPost(1, 1, QStringLiteral("职务2"), 3);
    addPost(1, 3, QStringLiteral("职务3"), 2, QStringLiteral("2020.03"));
    addPost(1, 1, QStringLiteral("职务1"), 1, QStringLiteral("2019.01"));
    const int nextInUnit3 = dm.NextMemberOrder(3).value();
    ASSERT_FALSE(member(1, 3).has_value());

    ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 1, 0)) << db().lastError();

    const QString expected = kCityParty + QStringLiteral("职务1，") + kCityGovernment +
                             QStringLiteral("职务3，") + kCityParty + QStringLiteral("职务2");
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(), expected);
    EXPECT_EQ(cadreValue(1, QStringLiteral("allZwList")).toString(), expected);
    // The appointment month is that of the first current post.
    EXPECT_EQ(cadreValue(1, QStringLiteral("allRzsjList")).toString(), QStringLiteral("2019.01"));

    const auto inParty = member(1, 1);
    ASSERT_TRUE(inParty.has_value());
    EXPECT_EQ(inParty->order, 1);
    EXPECT_EQ(inParty->zwList.toString(), QStringLiteral("职务1、职务2"));
    EXPECT_EQ(inParty->rzsjList.toString(), QStringLiteral("2019.01"));
    const auto inGovernment = member(1, 3);
    ASSERT_TRUE(inGovernment.has_value());
    EXPECT_EQ(inGovernment->order, nextInUnit3);
    EXPECT_EQ(inGovernment->zwList.toString(), QStringLiteral("职务3"));
    EXPECT_EQ(inGovernment->rzsjList.toString(), QStringLiteral("2020.03"));
    EXPECT_FALSE(inGovernment->bind);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=1")), 2);
}

TEST_F(CurrentPostsTest, WithoutACurrentPostInTheTreeTheTextAndEveryMembershipStay) {
    addMembership(1, 12, false);
    run(
        QStringLiteral("update tb_cadre_node set jrsjStr='2018.05',nobz=True where ZwCadreID=1 "
                       "and dwID=1"));
    struct Case {
        const char* what;
        const char* change;
    };
    const Case cases[] = {
        {"the only post removed", "update tb_cadre_zw set status=2 where status=1 and ZwCadreID=1"},
        {"the only post deleted", "delete * from tb_cadre_zw where status=1 and ZwCadreID=1"},
        {"the only post in a unit typed as text",
         "update tb_cadre_zw set dwID=0,dw='某县人民政府' where status=1 and ZwCadreID=1"},
        {"the only post in a removed unit",
         "update tb_cadre_zw set dwID=99 where status=1 and ZwCadreID=1"},
    };
    for (const Case& c : cases) {
        for (const int keep : {0, 1, 12}) {
            SCOPED_TRACE(std::string(c.what) + " / keep " + std::to_string(keep));
            db::Transaction undo(db());
            run(QString::fromUtf8(c.change));
            ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 1, keep)) << db().lastError();
            EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(),
                      QString(kCityParty + QStringLiteral("书记")));
            EXPECT_EQ(cadreValue(1, QStringLiteral("allRzsjList")).toString(),
                      QStringLiteral("2018.05"));
            // Every membership stays where it was, with its entry month and staffing flag;
            // only the post summaries go.
            for (const int unit : {1, 12}) {
                const auto stays = member(1, unit);
                ASSERT_TRUE(stays.has_value()) << unit;
                EXPECT_TRUE(stays->zwList.isNull()) << unit;
                EXPECT_TRUE(stays->rzsjList.isNull()) << unit;
            }
            EXPECT_EQ(member(1, 1)->order, 1);
            EXPECT_EQ(db().scalar(QStringLiteral("select jrsjStr from tb_cadre_node where "
                                                 "ZwCadreID=1 and dwID=1 and nobz=True"))
                          ->toString(),
                      QStringLiteral("2018.05"));
        }
    }
}

TEST_F(CurrentPostsTest, APostlessMembershipGoesUnlessKeptOrBound) {
    addMembership(2, 12, false);
    addMembership(2, 13, true);
    run(
        QStringLiteral("update tb_cadre_zw set status=2 where status=1 and ZwCadreID=2 and "
                       "dwID=3"));
    struct Case {
        const char* what;
        int keep;
        bool unit3Stays;
        bool unit12Stays;
    };
    const Case cases[] = {
        {"removed in unit 3, kept there", 3, true, false},
        {"nothing kept", 0, false, false},
        {"unit 12 kept", 12, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db::Transaction undo(db());
        ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 2, c.keep)) << db().lastError();

        const auto inParty = member(2, 1);
        ASSERT_TRUE(inParty.has_value());
        EXPECT_EQ(inParty->order, 2);
        EXPECT_EQ(inParty->zwList.toString(), QStringLiteral("副书记"));
        EXPECT_EQ(inParty->rzsjList.toString(), QStringLiteral("2022.05"));
        for (const auto& [unit, stays] :
             {std::pair{3, c.unit3Stays}, std::pair{12, c.unit12Stays}}) {
            const auto kept = member(2, unit);
            ASSERT_EQ(kept.has_value(), stays) << unit;
            if (stays) {
                EXPECT_TRUE(kept->zwList.isNull());
                EXPECT_TRUE(kept->rzsjList.isNull());
                EXPECT_FALSE(kept->bind);
            }
        }
        const auto bound = member(2, 13);
        ASSERT_TRUE(bound.has_value());
        EXPECT_TRUE(bound->bind);
        EXPECT_TRUE(bound->zwList.isNull());

        const QString expected = kCityParty + QStringLiteral("副书记");
        EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), expected);
        EXPECT_EQ(cadreValue(2, QStringLiteral("allZwList")).toString(), expected);
        // The order of unit 3's other members is not this routine's business.
        EXPECT_EQ(member(11, 3)->order, 2);
    }
}

TEST_F(CurrentPostsTest, ABoundMembershipWithPostsIsUnbound) {
    run(QStringLiteral("update tb_cadre_node set bind=True where ZwCadreID=2"));
    ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 2, 0)) << db().lastError();
    for (const int unit : {1, 3}) {
        const auto m = member(2, unit);
        ASSERT_TRUE(m.has_value()) << unit;
        EXPECT_FALSE(m->bind) << unit;
    }
}

TEST_F(CurrentPostsTest, ALockedRecordKeepsItsCurrentPostText) {
    run(
        QStringLiteral("update tb_cadre set ZwLock=True,xrz='锁定的职务',allZwList='旧的副本',"
                       "allRzsjList='1999.01' where CadreID=2"));
    addPost(2, 12, QStringLiteral("主任"), 3, QStringLiteral("2023.02"));
    const int next = dm.NextMemberOrder(12).value();

    ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 2, 0)) << db().lastError();

    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), QStringLiteral("锁定的职务"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("allZwList")).toString(), QStringLiteral("锁定的职务"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("allRzsjList")).toString(), QStringLiteral("1999.01"));
    const auto created = member(2, 12);
    ASSERT_TRUE(created.has_value());
    EXPECT_EQ(created->order, next);
    EXPECT_EQ(created->zwList.toString(), QStringLiteral("主任"));
    EXPECT_EQ(created->rzsjList.toString(), QStringLiteral("2023.02"));
}

TEST_F(CurrentPostsTest, PostsOutsideTheTreeTakeNoPart) {
    addPost(1, 0, QStringLiteral("顾问"), 2, QStringLiteral("2019.01"), 1,
            QStringLiteral("某县人民政府"));
    addPost(1, 99, QStringLiteral("调研员"), 3, QStringLiteral("2020.01"), 1,
            QStringLiteral("已撤销的单位"));
    run(QStringLiteral("update tb_cadre set xrz='' where CadreID=1"));

    ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 1, 0)) << db().lastError();

    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(),
              QString(kCityParty + QStringLiteral("书记")));
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=1")), 1);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("dwID in (0,99)")), 0);
    EXPECT_EQ(member(1, 1)->zwList.toString(), QStringLiteral("书记"));
}

TEST_F(CurrentPostsTest, TheCadreEditorWritesItsOwnRecord) {
    addPost(2, 12, QStringLiteral("主任"), 3);
    std::vector<cadre::CurrentPostTexts> received;
    ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 2, 0, [&](const cadre::CurrentPostTexts& t) {
        received.push_back(t);
        return Result<void>();
    }));
    ASSERT_EQ(received.size(), 1U);
    EXPECT_EQ(received[0].posts, QString(kCityParty + QStringLiteral("副书记，") + kCityGovernment +
                                         QStringLiteral("市长，某市发展和改革委员会主任")));
    EXPECT_EQ(received[0].appointed, QStringLiteral("2022.05"));
    // The stored record is the editor's to write; the memberships are written here.
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              QString(kCityParty + QStringLiteral("副书记，") + kCityGovernment +
                      QStringLiteral("市长")));
    ASSERT_TRUE(member(2, 12).has_value());
    EXPECT_EQ(member(2, 12)->zwList.toString(), QStringLiteral("主任"));
}

TEST_F(CurrentPostsTest, AFailureWritesNothing) {
    addPost(2, 12, QStringLiteral("主任"), 3);
    const Snapshot before = snapshot();

    // The editor's record cannot be written: the membership made before is undone.
    EXPECT_FALSE(cadre::RefreshCurrentPosts(dm, 2, 0, [](const cadre::CurrentPostTexts&) {
        return Result<void>(Failure{QStringLiteral("refused"), {}});
    }));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(db().transactionDepth(), 0);

    // The last step fails, inside a transaction of the caller's that goes on afterwards.
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger refuse_summary before update of zwList on tb_cadre_node "
                       "begin select raise(abort, 'refused'); end")))
        << db().lastError();
    db::Transaction caller(db());
    EXPECT_FALSE(cadre::RefreshCurrentPosts(dm, 2, 0));
    EXPECT_TRUE(db().lastError().contains(QStringLiteral("refused")));
    EXPECT_EQ(db().transactionDepth(), 1);
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
