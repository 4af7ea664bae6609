#include <gtest/gtest.h>

#include <QDate>
#include <algorithm>

#include "CadreData.h"
#include "cadre/Posts.h"

namespace {

using cadre::PostInput;

const QString kCityParty = QStringLiteral("中共某市委员会");          // unit 1
const QString kCityGovernment = QStringLiteral("某市人民政府");       // unit 3
const QString kDevelopment = QStringLiteral("某市发展和改革委员会");  // unit 12

class PostsTest : public CadreData {
  protected:
    // A new current post of cadre 1 in unit 12, as the dialog hands it over.
    static PostInput newPost(const QString& name = QStringLiteral("主任")) {
        PostInput post;
        post.cadreId = 1;
        post.unitId = 12;
        post.unitText = QStringLiteral("市政府\\发改委\\");
        post.postName = name;
        return post;
    }

    // The post `zwmc` of `cadre` (the first one of that name).
    int postId(int cadre, const QString& zwmc) {
        return db()
            .scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=? and zwmc=?"),
                    {cadre, zwmc})
            ->toInt();
    }

    QVariant postValue(int zwId, const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column +
                    QStringLiteral(" from tb_cadre_zw where ZwID=") + QString::number(zwId))
            .value();
    }

    // The cadre's posts of one status in their order, as "name:order".
    QStringList postList(int cadre, int status) {
        QStringList list;
        const auto r = db().query(QStringLiteral("select zwmc, zwOrder from tb_cadre_zw where "
                                                 "ZwCadreID=? and status=? order by zwOrder"),
                                  {cadre, status});
        for (const QVariantList& row : r->rows) {
            list << row[0].toString() + u':' + QString::number(row[1].toInt());
        }
        return list;
    }
};

TEST_F(PostsTest, ANewCurrentPostJoinsTheUnitAndTheCurrentPostText) {
    const int nextMember = dm.NextMemberOrder(12).value();
    PostInput post = newPost();
    post.appointedMonth = QStringLiteral("2023.1");
    post.appointmentNumber = QStringLiteral("市委〔2023〕1号");
    post.appointmentDocument = QStringLiteral("关于某某同志任职的通知");
    post.appointmentReason = QStringLiteral("工作需要");
    post.removalNumber = QStringLiteral("号");
    post.removalDocument = QStringLiteral("文");
    post.removalReason = QStringLiteral("因");

    const Result<int> saved = cadre::savePost(dm, post);
    ASSERT_TRUE(saved) << saved.errorText();
    ASSERT_GT(*saved, 0);

    const auto row = db().query(
        QStringLiteral("select ZwCadreID,dwID,dw,zwmc,status,zwOrder,zs,emptyNode,rzsjstr,rzsj,"
                       "mzsjstr,mzsj,rzwh,rzw,rzyy,mzwh,mzw,mzyy from tb_cadre_zw where ZwID=") +
        QString::number(*saved));
    ASSERT_TRUE(row && row->rows.size() == 1);
    const QVariantList expected = {1,
                                   12,
                                   kDevelopment,
                                   QStringLiteral("主任"),
                                   1,
                                   2,
                                   true,
                                   false,
                                   QStringLiteral("2023.01"),
                                   QDate(2023, 1, 1),
                                   QVariant(),
                                   QVariant(),
                                   QStringLiteral("市委〔2023〕1号"),
                                   QStringLiteral("关于某某同志任职的通知"),
                                   QStringLiteral("工作需要"),
                                   QStringLiteral("号"),
                                   QStringLiteral("文"),
                                   QStringLiteral("因")};
    EXPECT_EQ(row->rows[0], expected);

    const auto joined = member(1, 12);
    ASSERT_TRUE(joined.has_value());
    EXPECT_EQ(joined->order, nextMember);
    EXPECT_EQ(joined->zwList.toString(), QStringLiteral("主任"));
    EXPECT_EQ(joined->rzsjList.toString(), QStringLiteral("2023.01"));
    const QString text =
        kCityParty + QStringLiteral("书记，") + kDevelopment + QStringLiteral("主任");
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(), text);
    EXPECT_EQ(cadreValue(1, QStringLiteral("allZwList")).toString(), text);
}

TEST_F(PostsTest, ANewPostGoesLastInTheListOfItsStatus) {
    struct Case {
        bool current;
        int order;  // cadre 1 holds one current and three former posts
    };
    for (const Case c : {Case{true, 2}, Case{false, 4}}) {
        SCOPED_TRACE(c.current);
        db::Transaction undo(db());
        PostInput post = newPost();
        post.current = c.current;
        const Result<int> saved = cadre::savePost(dm, post);
        ASSERT_TRUE(saved) << db().lastError();
        EXPECT_EQ(postValue(*saved, QStringLiteral("status")).toInt(), c.current ? 1 : 2);
        EXPECT_EQ(postValue(*saved, QStringLiteral("zwOrder")).toInt(), c.order);
        // A former post makes no membership.
        EXPECT_EQ(member(1, 12).has_value(), c.current);
    }
}

TEST_F(PostsTest, APostInAUnitTypedAsTextStaysOutOfTheTreeAndTheCurrentPostText) {
    const QString before = cadreValue(1, QStringLiteral("xrz")).toString();
    const int memberships = count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=1"));
    PostInput post = newPost(QStringLiteral("县长"));
    post.historicalUnit = true;
    post.unitId = 12;  // left over from the picker: the typed text is what counts
    post.unitText = QStringLiteral(" 某县人民政府 ");

    const Result<int> saved = cadre::savePost(dm, post);
    ASSERT_TRUE(saved) << saved.errorText();
    EXPECT_EQ(postValue(*saved, QStringLiteral("dwID")).toInt(), 0);
    EXPECT_EQ(postValue(*saved, QStringLiteral("dw")).toString(), QStringLiteral("某县人民政府"));
    EXPECT_EQ(postValue(*saved, QStringLiteral("status")).toInt(), 1);
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(), before);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=1")), memberships);
    EXPECT_FALSE(member(1, 12).has_value());
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("dwID=0")), 0);
}

TEST_F(PostsTest, ARefusedPostWritesNothing) {
    run(QStringLiteral("update tb_department set Name='  ' where ID=16"));
    struct Case {
        const char* what;
        bool historical;
        int unit;
        const char* unitText;
        const char* post;
        int zwId;
        QString message;
    };
    const Case cases[] = {
        {"nothing picked", false, 0, "", "主任", 0, cadre::kPostUnitNotSet},
        {"nothing typed", true, 0, "", "主任", 0, cadre::kPostUnitNotSet},
        {"a grouping node", false, 6, "群团组织\\", "主任", 0, cadre::kPostUnitNotReal},
        {"a unit not in the tree", false, 999, "x\\", "主任", 0, cadre::kPostUnitNotReal},
        {"a stored unit that left the tree", false, 0, "某县委", "主任", 0,
         cadre::kPostUnitNotReal},
        {"blanks typed", true, 0, "   ", "主任", 0, cadre::kSelectPostUnit},
        {"a unit without a name", false, 16, "团市委\\", "主任", 0, cadre::kSelectPostUnit},
        {"no post name", false, 12, "发改委\\", "", 0, cadre::kEnterPostName},
        {"a blank post name", false, 12, "发改委\\", "  ", 0, cadre::kEnterPostName},
        {"a grouping node before no post name", false, 6, "群团组织\\", "", 0,
         cadre::kPostUnitNotReal},
        {"another cadre's post", false, 12, "发改委\\", "主任", 0, cadre::kPostGone},
    };
    const int otherCadresPost = postId(2, QStringLiteral("市长"));
    const Snapshot before = snapshot();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PostInput post = newPost(QString::fromUtf8(c.post));
        post.historicalUnit = c.historical;
        post.unitId = c.unit;
        post.unitText = QString::fromUtf8(c.unitText);
        post.zwId = c.message == cadre::kPostGone ? otherCadresPost : c.zwId;
        const Result<int> outcome = cadre::savePost(dm, post);
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.failure().message, c.message);
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostsTest, AFailingRefreshTakesThePostBack) {
    const Snapshot before = snapshot();
    // The new membership that the refresh makes cannot be written.
    ASSERT_TRUE(
        db().execNative(QStringLiteral("create trigger no_member before insert on "
                                       "tb_cadre_node begin select raise(abort, "
                                       "'no new memberships'); end")))
        << db().lastError();
    const Result<int> outcome = cadre::savePost(dm, newPost());
    EXPECT_FALSE(outcome);
    EXPECT_TRUE(outcome.failure().message.isEmpty());
    EXPECT_FALSE(outcome.failure().dbError.isEmpty());
    EXPECT_TRUE(db().lastError().contains(QStringLiteral("no new memberships")))
        << db().lastError().toStdString();
    ASSERT_TRUE(db().execNative(QStringLiteral("drop trigger no_member")));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostsTest, MonthTextsAreStoredAsYearPointTwoDigitMonthWithTheirDates) {
    struct Case {
        const char* typed;
        QVariant text;
        QVariant date;
    };
    const Case cases[] = {
        {"1965.3", QStringLiteral("1965.03"), QDate(1965, 3, 1)},
        {"1965.03", QStringLiteral("1965.03"), QDate(1965, 3, 1)},
        {" 1965.03 ", QStringLiteral("1965.03"), QDate(1965, 3, 1)},
        {"", QVariant(), QVariant()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        db::Transaction undo(db());
        PostInput post = newPost();
        post.appointedMonth = QString::fromUtf8(c.typed);
        post.removedMonth = QString::fromUtf8(c.typed);
        const Result<int> saved = cadre::savePost(dm, post);
        ASSERT_TRUE(saved) << saved.errorText();
        EXPECT_EQ(postValue(*saved, QStringLiteral("rzsjstr")), c.text);
        EXPECT_EQ(postValue(*saved, QStringLiteral("rzsj")), c.date);
        EXPECT_EQ(postValue(*saved, QStringLiteral("mzsjstr")), c.text);
        EXPECT_EQ(postValue(*saved, QStringLiteral("mzsj")), c.date);
    }
}

TEST_F(PostsTest, AnEditedPostThatBecomesFormerLeavesTheCurrentPostText) {
    const int deputy = postId(2, QStringLiteral("副书记"));
    Result<PostInput> post = cadre::readPost(db(), 2, deputy);
    ASSERT_TRUE(post.ok());
    EXPECT_FALSE(post->historicalUnit);
    EXPECT_EQ(post->unitId, 1);
    EXPECT_EQ(post->unitText, kCityParty);
    EXPECT_EQ(post->postName, QStringLiteral("副书记"));
    EXPECT_TRUE(post->current);
    EXPECT_EQ(post->appointedMonth, QStringLiteral("2022.05"));

    post->current = false;
    post->removedMonth = QStringLiteral("2024.6");
    post->removalReason = QStringLiteral("调任");
    const Result<int> saved = cadre::savePost(dm, *post);
    ASSERT_TRUE(saved) << saved.errorText();
    EXPECT_EQ(*saved, deputy);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2")), 4);
    EXPECT_EQ(postValue(deputy, QStringLiteral("status")).toInt(), 2);
    EXPECT_EQ(postValue(deputy, QStringLiteral("mzsj")), QVariant(QDate(2024, 6, 1)));
    EXPECT_EQ(postValue(deputy, QStringLiteral("mzyy")).toString(), QStringLiteral("调任"));
    EXPECT_EQ(postValue(deputy, QStringLiteral("rzsjstr")).toString(), QStringLiteral("2022.05"));
    // Last among the former posts, which held orders 1 and 2.
    EXPECT_EQ(postList(2, 2), (QStringList{"科长:1", "副主任:2", "副书记:3"}));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              kCityGovernment + QStringLiteral("市长"));
    EXPECT_FALSE(member(2, 1).has_value());
    EXPECT_TRUE(member(2, 3).has_value());
}

TEST_F(PostsTest, AnEditKeepingTheStatusKeepsTheOrderAndMayMoveTheUnit) {
    const int mayor = postId(2, QStringLiteral("市长"));
    Result<PostInput> post = cadre::readPost(db(), 2, mayor);
    ASSERT_TRUE(post.ok());
    post->postName = QStringLiteral("代市长");
    ASSERT_TRUE(cadre::savePost(dm, *post)) << db().lastError();
    EXPECT_EQ(postList(2, 1), (QStringList{"副书记:1", "代市长:2"}));
    ASSERT_TRUE(member(2, 3).has_value());
    EXPECT_EQ(member(2, 3)->zwList.toString(), QStringLiteral("代市长"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              kCityParty + QStringLiteral("副书记，") + kCityGovernment + QStringLiteral("代市长"));

    // Another unit picked for the post: the post, its text and the memberships follow.
    post->unitId = 12;
    ASSERT_TRUE(cadre::savePost(dm, *post)) << db().lastError();
    EXPECT_EQ(postValue(mayor, QStringLiteral("dwID")).toInt(), 12);
    EXPECT_EQ(postValue(mayor, QStringLiteral("dw")).toString(), kDevelopment);
    EXPECT_FALSE(member(2, 3).has_value());
    ASSERT_TRUE(member(2, 12).has_value());
    EXPECT_EQ(member(2, 12)->zwList.toString(), QStringLiteral("代市长"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              kCityParty + QStringLiteral("副书记，") + kDevelopment + QStringLiteral("代市长"));
}

TEST_F(PostsTest, APostOfAUnitTypedAsTextReadsBackAsTyped) {
    const int chief = postId(1, QStringLiteral("科长"));
    const Result<PostInput> post = cadre::readPost(db(), 1, chief);
    ASSERT_TRUE(post.ok());
    EXPECT_TRUE(post->historicalUnit);
    EXPECT_EQ(post->unitId, 0);
    EXPECT_EQ(post->unitText, QStringLiteral("中共某县委员会"));
    EXPECT_FALSE(post->current);
    EXPECT_EQ(post->appointedMonth, QStringLiteral("1990.07"));
    EXPECT_EQ(post->removedMonth, QStringLiteral("2004.09"));
    // Not a post of cadre 2.
    EXPECT_EQ(cadre::readPost(db(), 2, chief).failure().message, cadre::kPostGone);
}

TEST_F(PostsTest, WithZwLockANewPostChangesTheMembershipsButNotTheRecord) {
    run(QStringLiteral("update tb_cadre set ZwLock=True, allZwList='x' where CadreID=1"));
    const QVariant xrz = cadreValue(1, QStringLiteral("xrz"));
    const QVariant appointed = cadreValue(1, QStringLiteral("allRzsjList"));
    PostInput post = newPost();
    post.appointedMonth = QStringLiteral("2023.01");
    ASSERT_TRUE(cadre::savePost(dm, post)) << db().lastError();
    ASSERT_TRUE(member(1, 12).has_value());
    EXPECT_EQ(member(1, 12)->zwList.toString(), QStringLiteral("主任"));
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")), xrz);
    EXPECT_EQ(cadreValue(1, QStringLiteral("allZwList")), xrz);
    EXPECT_EQ(cadreValue(1, QStringLiteral("allRzsjList")), appointed);
}

TEST_F(PostsTest, TheCadreEditorsRecordReceivesTheTexts) {
    const QVariant xrz = cadreValue(1, QStringLiteral("xrz"));
    std::vector<cadre::CurrentPostTexts> written;
    const auto writer = [&written](const cadre::CurrentPostTexts& texts) {
        written.push_back(texts);
        return Result<void>();
    };
    PostInput post = newPost();
    post.appointedMonth = QStringLiteral("2023.01");
    ASSERT_TRUE(cadre::savePost(dm, post, writer)) << db().lastError();
    ASSERT_EQ(written.size(), 1U);
    EXPECT_EQ(written[0].posts,
              kCityParty + QStringLiteral("书记，") + kDevelopment + QStringLiteral("主任"));
    EXPECT_EQ(written[0].appointed, QStringLiteral("2018.05"));
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")), xrz);

    // A writer that fails takes the whole save back.
    const Snapshot before = snapshot();
    const auto failing = [](const cadre::CurrentPostTexts&) {
        return Result<void>(Failure{QStringLiteral("refused"), {}});
    };
    EXPECT_FALSE(cadre::savePost(dm, newPost(QStringLiteral("副主任")), failing));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostsTest, MovingSwapsTheOrdersOfNeighboursInOneList) {
    const int deputy = postId(2, QStringLiteral("副书记"));
    const int mayor = postId(2, QStringLiteral("市长"));
    const Snapshot before = snapshot();
    struct Still {
        const char* what;
        int zwId;
        int step;
    };
    for (const Still& s : {Still{"the first up", deputy, -1}, Still{"the last down", mayor, 1},
                           Still{"no step", deputy, 0}}) {
        SCOPED_TRACE(s.what);
        const auto moved = cadre::movePost(dm, 2, s.zwId, s.step);
        EXPECT_TRUE(moved) << db().lastError();
        EXPECT_EQ(snapshot(), before);
    }

    ASSERT_TRUE(cadre::movePost(dm, 2, deputy, 1)) << db().lastError();
    EXPECT_EQ(postList(2, 1), (QStringList{"市长:1", "副书记:2"}));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              kCityGovernment + QStringLiteral("市长，") + kCityParty + QStringLiteral("副书记"));
    // The former posts are a list of their own.
    EXPECT_EQ(postList(2, 2), (QStringList{"科长:1", "副主任:2"}));

    ASSERT_TRUE(cadre::movePost(dm, 2, deputy, -1)) << db().lastError();
    EXPECT_EQ(postList(2, 1), (QStringList{"副书记:1", "市长:2"}));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              kCityParty + QStringLiteral("副书记，") + kCityGovernment + QStringLiteral("市长"));
}

TEST_F(PostsTest, MovingAFormerPostLeavesTheCurrentPostsAlone) {
    run(QStringLiteral("update tb_cadre set xrz='旧' where CadreID=1"));
    ASSERT_TRUE(cadre::movePost(dm, 1, postId(1, QStringLiteral("主任")), -1)) << db().lastError();
    EXPECT_EQ(postList(1, 2), (QStringList{"科长:1", "主任:2", "副主任:3"}));
    EXPECT_EQ(postList(1, 1), QStringList{"书记:1"});
    // No refresh for a former post.
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(), QStringLiteral("旧"));
}

TEST_F(PostsTest, AnotherCadresPostIsNotMoved) {
    const Snapshot before = snapshot();
    const auto moved = cadre::movePost(dm, 1, postId(2, QStringLiteral("市长")), -1);
    EXPECT_FALSE(moved);
    EXPECT_EQ(moved.failure().message, cadre::kPostGone);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostsTest, DeletingACurrentPostRefreshesTheCadre) {
    const int mayor = postId(2, QStringLiteral("市长"));
    ASSERT_TRUE(cadre::deletePost(dm, 2, mayor, true)) << db().lastError();
    EXPECT_EQ(
        count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwID=") + QString::number(mayor)), 0);
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              kCityParty + QStringLiteral("副书记"));
    EXPECT_FALSE(member(2, 3).has_value());
    EXPECT_TRUE(member(2, 1).has_value());
}

TEST_F(PostsTest, DeletingAFormerPostTouchesNothingElse) {
    const int chief = postId(1, QStringLiteral("科长"));
    Snapshot expected = snapshot();
    auto& posts = expected[QStringLiteral("tb_cadre_zw")];
    const auto gone = std::find_if(posts.begin(), posts.end(), [chief](const QVariantList& r) {
        return r[0].toInt() == chief;
    });
    ASSERT_NE(gone, posts.end());
    posts.erase(gone);
    ASSERT_TRUE(cadre::deletePost(dm, 1, chief, false)) << db().lastError();
    EXPECT_EQ(snapshot(), expected);
}

TEST_F(PostsTest, AnotherCadresPostIsNotDeleted) {
    const Snapshot before = snapshot();
    ASSERT_TRUE(cadre::deletePost(dm, 1, postId(2, QStringLiteral("市长")), false));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostsTest, RemovingAMembershipMakesTheUnitsCurrentPostsFormer) {
    addPost(2, 3, QStringLiteral("党组书记"), 3);
    addPost(2, 3, QStringLiteral("顾问"), 3, {}, 2);
    const int othersInUnit = count(QStringLiteral("tb_cadre_zw"),
                                   QStringLiteral("status=1 and dwID=3 and ZwCadreID<>2"));
    ASSERT_GT(othersInUnit, 0);

    ASSERT_TRUE(cadre::removeMembership(dm, 2, 3)) << db().lastError();
    EXPECT_FALSE(member(2, 3).has_value());
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and dwID=3")), 3);
    EXPECT_EQ(
        count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and dwID=3 and status=2")),
        3);
    // The ended posts follow the former ones in their order; the other unit and the other
    // cadres stay as they were.
    EXPECT_EQ(postList(2, 2),
              (QStringList{"科长:1", "副主任:2", "顾问:3", "市长:4", "党组书记:5"}));
    EXPECT_EQ(postList(2, 1), QStringList{"副书记:1"});
    EXPECT_TRUE(member(2, 1).has_value());
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"),
                    QStringLiteral("status=1 and dwID=3 and ZwCadreID<>2")),
              othersInUnit);
    EXPECT_EQ(unitList(3), (QStringList{"11:2", "12:3", "13:4"}));
    // The record's text no longer names the ended posts.
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              QString(kCityParty + QStringLiteral("副书记")));
}

TEST_F(PostsTest, RemovingAMembershipWritesTheEditorsOpenRecord) {
    std::vector<cadre::CurrentPostTexts> received;
    ASSERT_TRUE(cadre::removeMembership(dm, 2, 3, [&](const cadre::CurrentPostTexts& t) {
        received.push_back(t);
        return Result<void>();
    })) << db().lastError();
    ASSERT_EQ(received.size(), 1U);
    EXPECT_EQ(received[0].posts, QString(kCityParty + QStringLiteral("副书记")));
}

}  // namespace
