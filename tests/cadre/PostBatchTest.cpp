#include <gtest/gtest.h>

#include <QDate>

#include "CadreData.h"
#include "app/Progress.h"
#include "cadre/PostBatch.h"

namespace {

const QString kCityParty = QStringLiteral("中共某市委员会");     // unit 1
const QString kCityGovernment = QStringLiteral("某市人民政府");  // unit 3

class RecordingProgress final : public app::Progress {
  public:
    RecordingProgress() : previous_(app::setProgress(this)) {}
    ~RecordingProgress() override { app::setProgress(previous_); }

    void start(const QString& text, int barMaximum) override {
        texts << text;
        maximum = barMaximum;
    }
    void setText(const QString& text) override { texts << text; }
    void step() override { ++steps; }
    void finish() override {}

    QStringList texts;
    int maximum = 0;
    int steps = 0;

  private:
    app::Progress* previous_;
};

class PostBatchTest : public CadreData {
  protected:
    int postId(int cadre, int unit, const QString& post, int status = 1) {
        return db()
            .scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=? and dwID=? and "
                                   "zwmc=? and status=?"),
                    {cadre, unit, post, status})
            ->toInt();
    }

    struct Post {
        int status = 0;
        int order = 0;
        QVariant mzsjstr;
        QVariant mzsj;
        QVariant mzwh;
        QVariant mzw;
        QVariant mzyy;
        bool ischeck = false;
        QString zt;
        QString rzsjstr;
        QVariant rzsj;
        QString dw;
        bool emptyNode = true;
    };
    std::optional<Post> post(int zwId) {
        const auto r = db().query(
            QStringLiteral("select status,zwOrder,mzsjstr,mzsj,mzwh,mzw,mzyy,ischeck,zt,rzsjstr,"
                           "rzsj,dw,emptyNode from tb_cadre_zw where ZwID=") +
            QString::number(zwId));
        if (!r || r->rows.empty()) {
            return std::nullopt;
        }
        const QVariantList& v = r->rows[0];
        return Post{v[0].toInt(),
                    v[1].toInt(),
                    v[2],
                    v[3],
                    v[4],
                    v[5],
                    v[6],
                    v[7].toBool(),
                    v[8].toString(),
                    v[9].toString(),
                    v[10],
                    v[11].toString(),
                    v[12].toBool()};
    }

    // The snapshot with the quota rows, which the batch by category writes last.
    Snapshot everything() {
        Snapshot all = snapshot();
        all[QStringLiteral("tb_department_zs")] =
            db().query(QStringLiteral("select * from tb_department_zs order by rowid"))->rows;
        return all;
    }

    // Cadre 2 holds 副书记 in unit 1 and three current posts in unit 3: 市长 and two more.
    QList<int> threePostsOfCadre2InUnit3() {
        addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
        addPost(2, 3, QStringLiteral("顾问"), 4);
        run(QStringLiteral("update tb_cadre_zw set ischeck=True where ZwCadreID=2"));
        return {postId(2, 3, QStringLiteral("市长")), postId(2, 3, QStringLiteral("党组书记")),
                postId(2, 3, QStringLiteral("顾问"))};
    }

    void refuseSummaries() {
        ASSERT_TRUE(db().execNative(
            QStringLiteral("create trigger refuse_summary before update of zwList on "
                           "tb_cadre_node begin select raise(abort, 'refused'); end")))
            << db().lastError();
    }
};

// ---- The lists of the removal and deletion dialogs --------------------------------------------

TEST_F(PostBatchTest, TheListHoldsTheUnitsCurrentPostsOrAllOfThemInTheirOrder) {
    addPost(5, 12, QStringLiteral("顾问"), 0, QStringLiteral("2020.01"));
    addPost(5, 1, QStringLiteral("已免"), 3, {}, 2);
    struct Case {
        const char* what;
        int unit;
        bool all;
        QStringList posts;
    };
    const Case cases[] = {
        {"the unit's posts", 1, false, {QStringLiteral("常委")}},
        {"another unit", 8, false, {QStringLiteral("部长")}},
        {"every unit, by order",
         1,
         true,
         {QStringLiteral("顾问"), QStringLiteral("常委"), QStringLiteral("部长")}},
        {"a unit without posts", 3, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto lines =
            cadre::readPostLines(db(), cadre::currentPostsStatement(5, c.unit, c.all));
        ASSERT_TRUE(lines.ok()) << db().lastError();
        QStringList posts;
        for (const cadre::PostLine& line : *lines) {
            posts << line.post;
            EXPECT_EQ(db().scalar(QStringLiteral("select zwmc from tb_cadre_zw where ZwID=?"),
                                  {line.zwId})
                          ->toString(),
                      line.post);
        }
        EXPECT_EQ(posts, c.posts);
    }
    const auto party = cadre::readPostLines(db(), cadre::currentPostsStatement(5, 1, false));
    ASSERT_EQ(party->size(), 1);
    EXPECT_EQ(party->at(0).unit, kCityParty);
    EXPECT_EQ(party->at(0).appointed, QStringLiteral("2024.04"));
    EXPECT_FALSE(cadre::readPostLines(db(), QStringLiteral("select * from tb_missing")));
}

// ---- Removing ---------------------------------------------------------------------------------

TEST_F(PostBatchTest, ThreeMarkedPostsBecomeFormerPostsWithTheRemovalMonth) {
    const QList<int> marked = threePostsOfCadre2InUnit3();
    const int kept = postId(2, 1, QStringLiteral("副书记"));
    // One removed post already holds its removal document; the others hold none.
    const int documented = marked.at(1);
    const QVariantList document = {QStringLiteral("市委〔2024〕5号"),
                                   QStringLiteral("中共某市委员会文件"),
                                   QStringLiteral("工作调动")};
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre_zw set mzwh=?,mzw=?,mzyy=? where ZwID=") +
                              QString::number(documented),
                          document))
        << db().lastError();
    struct Case {
        const char* typed;
        const char* stored;
        QDate date;
    };
    const Case cases[] = {{"2024.3", "2024.03", QDate(2024, 3, 1)},
                          {"2024.03", "2024.03", QDate(2024, 3, 1)},
                          {"", "", QDate()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        db::Transaction undo(db());
        const QString typed = QString::fromUtf8(c.typed);
        ASSERT_TRUE(cadre::removePosts(dm, 2, 3, marked, typed).ok()) << db().lastError();
        int order = 3;  // last in the former list (科长 1, 副主任 2), in their current order
        for (const int id : marked) {
            const auto p = post(id);
            ASSERT_TRUE(p.has_value());
            EXPECT_EQ(p->status, 2);
            EXPECT_EQ(p->order, order++);
            EXPECT_EQ(p->mzsjstr.toString(), QString::fromUtf8(c.stored));
            EXPECT_EQ(p->mzsj.toDate(), c.date);
            EXPECT_EQ(p->mzsj.isNull(), !c.date.isValid());
            // The removal document is the clerk's to enter: what is stored stays as it was.
            const QVariantList expected =
                id == documented ? document : QVariantList{QVariant(), QVariant(), QVariant()};
            EXPECT_EQ((QVariantList{p->mzwh, p->mzw, p->mzyy}), expected);
            EXPECT_FALSE(p->ischeck);
        }
        const auto other = post(kept);
        EXPECT_EQ(other->status, 1);
        EXPECT_TRUE(other->ischeck);
        EXPECT_TRUE(other->mzsjstr.isNull());
        // The refresh ran keeping unit 3.
        EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
                  QString(kCityParty + QStringLiteral("副书记")));
        const auto inGovernment = member(2, 3);
        ASSERT_TRUE(inGovernment.has_value());
        EXPECT_TRUE(inGovernment->zwList.isNull());
        EXPECT_EQ(inGovernment->order, 1);
    }
}

TEST_F(PostBatchTest, OnlyTheCadresMarkedCurrentPostsChange) {
    const QList<int> three = threePostsOfCadre2InUnit3();
    const int formerOfCadre2 = postId(2, 5, QStringLiteral("副主任"), 2);
    const int ofCadre1 = postId(1, 1, QStringLiteral("书记"));
    const auto formerBefore = post(formerOfCadre2);

    ASSERT_TRUE(cadre::removePosts(dm, 2, 3, {three[1], formerOfCadre2, ofCadre1},
                                   QStringLiteral("2024.05"))
                    .ok())
        << db().lastError();

    EXPECT_EQ(post(three[0])->status, 1);
    EXPECT_EQ(post(three[1])->status, 2);
    EXPECT_EQ(post(three[2])->status, 1);
    EXPECT_EQ(post(formerOfCadre2)->mzsjstr, formerBefore->mzsjstr);
    EXPECT_TRUE(post(formerOfCadre2)->mzwh.isNull());
    EXPECT_EQ(post(ofCadre1)->status, 1);
    EXPECT_EQ(member(2, 3)->zwList.toString(), QStringLiteral("市长、顾问"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              QString(kCityParty + QStringLiteral("副书记，") + kCityGovernment +
                      QStringLiteral("市长、顾问")));
}

TEST_F(PostBatchTest, RemovalAndDeletionAreOneTransaction) {
    const QList<int> marked = threePostsOfCadre2InUnit3();
    refuseSummaries();
    const Snapshot before = snapshot();
    struct Case {
        const char* what;
        std::function<bool()> change;
    };
    const Case cases[] = {
        {"removal",
         [&] { return cadre::removePosts(dm, 2, 3, marked, QStringLiteral("2024.3")).ok(); }},
        {"deletion", [&] { return cadre::deletePosts(dm, 2, 3, marked).ok(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(c.change());
        EXPECT_TRUE(db().lastError().contains(QStringLiteral("refused")));
        EXPECT_EQ(db().transactionDepth(), 0);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(PostBatchTest, DeletingRemovesTheMarkedPostsOnly) {
    const QList<int> three = threePostsOfCadre2InUnit3();
    const int posts = count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2"));

    ASSERT_TRUE(cadre::deletePosts(dm, 2, 3, {three[0], three[2]})) << db().lastError();

    EXPECT_FALSE(post(three[0]).has_value());
    EXPECT_FALSE(post(three[2]).has_value());
    EXPECT_EQ(post(three[1])->status, 1);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2")), posts - 2);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=2 and status=2")), 2);
    EXPECT_EQ(member(2, 3)->zwList.toString(), QStringLiteral("党组书记"));
    EXPECT_EQ(member(2, 3)->rzsjList.toString(), QStringLiteral("2022.06"));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(),
              QString(kCityParty + QStringLiteral("副书记，") + kCityGovernment +
                      QStringLiteral("党组书记")));
}

TEST_F(PostBatchTest, WithoutMarkedPostsOnlyTheRefreshRuns) {
    addMembership(2, 12, false);
    for (const bool removal : {true, false}) {
        SCOPED_TRACE(removal ? "removal" : "deletion");
        db::Transaction undo(db());
        const int posts = count(QStringLiteral("tb_cadre_zw"), QStringLiteral("status=1"));
        ASSERT_TRUE(removal ? cadre::removePosts(dm, 2, 3, {}, QStringLiteral("2024.3")).ok()
                            : cadre::deletePosts(dm, 2, 3, {}).ok())
            << db().lastError();
        EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("status=1")), posts);
        EXPECT_FALSE(member(2, 12).has_value());
        EXPECT_EQ(member(2, 3)->zwList.toString(), QStringLiteral("市长"));
    }
}

TEST_F(PostBatchTest, TheOnlyCurrentPostGoneKeepsTheTextAndTheDialogsUnit) {
    addMembership(1, 12, false);
    addMembership(1, 13, true);
    const int only = postId(1, 1, QStringLiteral("书记"));
    struct Case {
        const char* what;
        std::function<bool()> change;
        bool postStays;
    };
    const Case cases[] = {
        {"removed",
         [&] { return cadre::removePosts(dm, 1, 1, {only}, QStringLiteral("2024.6")).ok(); }, true},
        {"deleted", [&] { return cadre::deletePosts(dm, 1, 1, {only}).ok(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db::Transaction undo(db());
        ASSERT_TRUE(c.change()) << db().lastError();
        EXPECT_EQ(post(only).has_value(), c.postStays);
        EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=1 and status=1")),
                  0);
        EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(),
                  QString(kCityParty + QStringLiteral("书记")));
        const auto kept = member(1, 1);
        ASSERT_TRUE(kept.has_value());
        EXPECT_EQ(kept->order, 1);
        EXPECT_TRUE(kept->zwList.isNull());
        EXPECT_TRUE(kept->rzsjList.isNull());
        // Without a current post left the cadre stays in every unit.
        ASSERT_TRUE(member(1, 12).has_value());
        EXPECT_EQ(member(1, 12)->order, dm.NextMemberOrder(12).value() - 1);
        ASSERT_TRUE(member(1, 13).has_value());
        EXPECT_TRUE(member(1, 13)->bind);
    }
}

TEST_F(PostBatchTest, TheCadresNameIsRead) {
    EXPECT_EQ(dm.CadreName(2).value(), QStringLiteral("何  国"));
    EXPECT_EQ(dm.CadreName(999).value(), QString());
}

// ---- Assigning posts by category --------------------------------------------------------------

TEST(ProposedPostNameTest, LeadingBodiesKnownByTheirExactNameGetTheirPostNames) {
    struct Case {
        const char* unit;
        const char* head;
        const char* deputy;
    };
    const Case cases[] = {
        {"市委", "书记", "副书记"},
        {"区委", "书记", "副书记"},
        {"县委", "书记", "副书记"},
        {"市政府", "市长", "副市长"},
        {"区政府", "区长", "副区长"},
        {"县政府", "县长", "副县长"},
        {"市人大", "主任", "副主任"},
        {"区人大", "主任", "副主任"},
        {"县人大", "主任", "副主任"},
        {"市政协", "主席", "副主席"},
        {"区政协", "主席", "副主席"},
        {"县政协", "主席", "副主席"},
        {"中共某市委员会", "", ""},
        {"某市政府", "", ""},
        {"市委 ", "", ""},
        {"市人大常委会", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        const QString unit = QString::fromUtf8(c.unit);
        EXPECT_EQ(cadre::proposedPostName(unit, QStringLiteral("正职")), QString::fromUtf8(c.head));
        EXPECT_EQ(cadre::proposedPostName(unit, QStringLiteral("副职")),
                  QString::fromUtf8(c.deputy));
        EXPECT_EQ(cadre::proposedPostName(unit, QStringLiteral("常委")), QString());
    }
}

TEST_F(PostBatchTest, CategoryDefaultsComeFromTheQuotaRowOrAreProposed) {
    run(
        QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs) values "
                       "(1,'第一书记','正职',3)"));
    run(
        QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs) values "
                       "(1,'','副职',0)"));
    run(
        QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs) values "
                       "(12,'主任','正职',2)"));
    struct Case {
        const char* what;
        int unit;
        const char* category;
        const char* post;
        int quota;
    };
    const Case cases[] = {
        {"the quota row", 1, "正职", "第一书记", 3},
        {"a row without a name, proposed from the short name", 1, "副职", "副书记", 1},
        {"no row, proposed", 3, "副职", "副市长", 1},
        {"no row, another category", 3, "常委", "", 1},
        {"the quota row of another unit does not count", 13, "正职", "", 1},
        {"no such unit", 99, "正职", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto defaults = cadre::categoryDefaults(dm, c.unit, QString::fromUtf8(c.category));
        ASSERT_TRUE(defaults.ok()) << db().lastError();
        EXPECT_EQ(defaults->postName, QString::fromUtf8(c.post));
        EXPECT_EQ(defaults->quota, c.quota);
    }
    // The exact name wins over the short name.
    run(QStringLiteral("update tb_department set Name='县政府' where ID=1"));
    EXPECT_EQ(cadre::categoryDefaults(dm, 1, QStringLiteral("副职"))->postName,
              QStringLiteral("副县长"));
}

TEST_F(PostBatchTest, TheCategoriesAreTheUnitsThenTheConfiguredOnes) {
    const QStringList configured = {
        QStringLiteral("正职"),       QStringLiteral("副职"),
        QStringLiteral("非领导职务"), QStringLiteral("常委"),
        QStringLiteral("委员"),       QStringLiteral("候补委员"),
        QStringLiteral("成员"),       QStringLiteral("纪检员、纪检组长")};
    EXPECT_EQ(cadre::categoryChoices(db(), 1).value(), configured);
    EXPECT_EQ(cadre::quotaPostNames(db(), 1).value(), QStringList());

    run(QStringLiteral(
        "insert into tb_department_zs (DwID,zwmc,zwtype) values (1,'秘书长','秘书')"));
    run(QStringLiteral(
        "insert into tb_department_zs (DwID,zwmc,zwtype) values (1,'副书记','副职')"));
    run(QStringLiteral(
        "insert into tb_department_zs (DwID,zwmc,zwtype) values (1,'副书记','副职')"));
    QStringList expected = {QStringLiteral("秘书"), QStringLiteral("副职")};
    for (const QString& category : configured) {
        if (category != QStringLiteral("副职")) {
            expected << category;
        }
    }
    EXPECT_EQ(cadre::categoryChoices(db(), 1).value(), expected);
    EXPECT_EQ(cadre::quotaPostNames(db(), 1).value(),
              (QStringList{QStringLiteral("秘书长"), QStringLiteral("副书记")}));
    EXPECT_EQ(cadre::categoryChoices(db(), 3).value(), configured);
}

TEST_F(PostBatchTest, TheHoldersAreTheMembersWithACurrentPostOfTheCategory) {
    run(QStringLiteral("update tb_cadre_zw set zt='副职' where dwID=3 and zwmc like '%副市长'"));
    run(QStringLiteral("update tb_cadre_zw set zt='正职' where ZwCadreID=2 and dwID=3"));
    // A former post keeps its category but holds none; a post elsewhere does not count.
    run(QStringLiteral("update tb_cadre_zw set status=2 where ZwCadreID=12 and dwID=3"));
    run(QStringLiteral("update tb_cadre_zw set zt='副职' where ZwCadreID=2 and dwID=1"));
    const auto holders = cadre::readCategoryHolders(db(), 3, QStringLiteral("副职"));
    ASSERT_TRUE(holders.ok()) << db().lastError();
    ASSERT_EQ(holders->size(), 2);
    EXPECT_EQ(holders->at(0).cadreId, 11);
    EXPECT_EQ(holders->at(0).post, QStringLiteral("常务副市长"));
    EXPECT_EQ(holders->at(0).monthText, QStringLiteral("2016.06"));
    EXPECT_EQ(holders->at(1).cadreId, 13);
    EXPECT_EQ(holders->at(1).name, dm.CadreName(13).value());

    // The category is a value, whatever it holds.
    run(QStringLiteral("update tb_cadre_zw set zt='正''职' where ZwCadreID=13 and dwID=3"));
    const auto quoted = cadre::readCategoryHolders(db(), 3, QStringLiteral("正'职"));
    ASSERT_TRUE(quoted.ok()) << db().lastError();
    ASSERT_EQ(quoted->size(), 1);
    EXPECT_EQ(quoted->at(0).cadreId, 13);
    const auto injected = cadre::readCategoryHolders(db(), 3, QStringLiteral("x' or 'a'='a"));
    ASSERT_TRUE(injected.ok()) << db().lastError();
    EXPECT_TRUE(injected->isEmpty());

    const auto ids = cadre::categoryPostIds(db(), 3, 11, QStringLiteral("副职"));
    ASSERT_TRUE(ids.ok());
    EXPECT_EQ(*ids, QList<int>{postId(11, 3, QStringLiteral("常务副市长"))});
    EXPECT_TRUE(cadre::categoryPostIds(db(), 3, 12, QStringLiteral("副职"))->isEmpty());
}

TEST_F(PostBatchTest, TheUnitsMembersAreListedInTheirOrder) {
    const auto members = cadre::readUnitMembers(db(), 3);
    ASSERT_TRUE(members.ok()) << db().lastError();
    QList<int> ids;
    for (const cadre::CategoryRow& m : *members) {
        ids << m.cadreId;
    }
    EXPECT_EQ(ids, (QList<int>{2, 11, 12, 13}));
    EXPECT_EQ(members->at(0).name, QStringLiteral("何  国"));
    EXPECT_EQ(members->at(0).post, cadreValue(2, QStringLiteral("xrz")).toString());
}

TEST_F(PostBatchTest, ABatchAppendsMembershipsAndPostsAndTheQuotaRow) {
    // Records the bind mark of every membership as it is appended.
    ASSERT_TRUE(db().execNative(QStringLiteral("create table appended (cadre, unit, ord, bind)")));
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger note_membership after insert on tb_cadre_node begin insert "
                       "into appended values (new.ZwCadreID, new.dwID, new.zwOrder, new.bind); "
                       "end")));
    const int nextOfCadre1 = dm.NextCurrentPostOrder(1).value();
    const int nextOfCadre5 = dm.NextCurrentPostOrder(5).value();
    const int postsBefore = count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1"));
    const QList<cadre::CategoryRow> rows = {
        {12, QStringLiteral("十二"), QStringLiteral("副市长"), QStringLiteral("2023.10")},
        {1, QStringLiteral("刘  成"), QStringLiteral(" 副市长 "), QStringLiteral("2024.5")},
        {5, QStringLiteral("五"), QStringLiteral("副市长"), QStringLiteral("不详")},
    };
    RecordingProgress progress;

    const auto outcome =
        cadre::applyCategory(dm, 3, QStringLiteral("副职"), QStringLiteral("副市长"), 3, rows);

    ASSERT_TRUE(outcome) << outcome.failure().message << db().lastError();
    EXPECT_EQ(progress.texts, (QStringList{QStringLiteral("正在设置职务信息"),
                                           QStringLiteral("正在设置职务描述")}));
    EXPECT_EQ(progress.maximum, 3);
    EXPECT_EQ(progress.steps, 3);

    // Cadres 1 and 5 joined the unit after its last member (order 4), bound.
    const auto appended =
        db().query(QStringLiteral("select cadre, unit, ord, bind from appended order by ord"));
    ASSERT_EQ(appended->rows.size(), 2U);
    EXPECT_EQ(appended->rows[0], (QVariantList{1, 3, 5, 1}));
    EXPECT_EQ(appended->rows[1], (QVariantList{5, 3, 6, 1}));
    EXPECT_EQ(unitList(3),
              (QStringList{QStringLiteral("2:1"), QStringLiteral("11:2"), QStringLiteral("12:3"),
                           QStringLiteral("13:4"), QStringLiteral("1:5"), QStringLiteral("5:6")}));
    // The refresh has summarised them (and unbound them: they hold a post there now).
    EXPECT_EQ(member(1, 3)->zwList.toString(), QStringLiteral("副市长"));
    EXPECT_EQ(member(1, 3)->rzsjList.toString(), QStringLiteral("2024.5"));
    EXPECT_FALSE(member(1, 3)->bind);
    EXPECT_EQ(member(5, 3)->zwList.toString(), QStringLiteral("副市长"));
    EXPECT_EQ(member(5, 3)->rzsjList.toString(), QStringLiteral("不详"));

    // Cadre 12 already held 副市长 there: edited, not duplicated.
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1")), postsBefore + 2);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwCadreID=12 and dwID=3")), 1);
    const auto edited = post(postId(12, 3, QStringLiteral("副市长")));
    EXPECT_EQ(edited->zt, QStringLiteral("副职"));
    EXPECT_EQ(edited->rzsjstr, QStringLiteral("2023.10"));
    EXPECT_EQ(edited->rzsj.toDate(), QDate(2023, 10, 1));
    // The list's appointment month follows the post set here.
    EXPECT_EQ(cadreValue(12, QStringLiteral("allRzsjList")).toString(), QStringLiteral("2023.10"));

    const auto ofCadre1 = post(postId(1, 3, QStringLiteral("副市长")));
    ASSERT_TRUE(ofCadre1.has_value());
    EXPECT_EQ(ofCadre1->status, 1);
    EXPECT_EQ(ofCadre1->order, nextOfCadre1);
    EXPECT_EQ(ofCadre1->dw, kCityGovernment);
    EXPECT_FALSE(ofCadre1->emptyNode);
    EXPECT_EQ(ofCadre1->zt, QStringLiteral("副职"));
    EXPECT_EQ(ofCadre1->rzsjstr, QStringLiteral("2024.5"));
    EXPECT_EQ(ofCadre1->rzsj.toDate(), QDate(2024, 5, 1));
    const auto ofCadre5 = post(postId(5, 3, QStringLiteral("副市长")));
    ASSERT_TRUE(ofCadre5.has_value());
    EXPECT_EQ(ofCadre5->order, nextOfCadre5);
    EXPECT_EQ(ofCadre5->rzsjstr, QStringLiteral("不详"));
    EXPECT_TRUE(ofCadre5->rzsj.isNull());

    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(),
              QString(kCityParty + QStringLiteral("书记，") + kCityGovernment +
                      QStringLiteral("副市长")));

    // The quota row of the category, with the holders counted.
    const auto quota =
        db().query(QStringLiteral("select zwmc, zwrs, dqrs from tb_department_zs where DwID=3 and "
                                  "zwtype='副职'"));
    ASSERT_EQ(quota->rows.size(), 1U);
    EXPECT_EQ(quota->rows[0], (QVariantList{QStringLiteral("副市长"), 3, 4}));
    const auto holders = cadre::readCategoryHolders(db(), 3, QStringLiteral("副职"));
    EXPECT_EQ(holders->size(), 3);
}

TEST_F(PostBatchTest, ABatchUpdatesTheQuotaRowItFindsAndRepeatsNoMembership) {
    run(
        QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs,note) values "
                       "(3,'市长','正职',1,'留下')"));
    const int posts = count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1"));
    // One cadre twice: the second row finds the membership and the post the first one made.
    const QList<cadre::CategoryRow> rows = {
        {2, QStringLiteral("何  国"), QStringLiteral("市长"), QStringLiteral("2022.05")},
        {1, QStringLiteral("刘  成"), QStringLiteral("市长助理"), QString()},
        {1, QStringLiteral("刘  成"), QStringLiteral("市长助理"), QStringLiteral("2024.01")},
    };
    ASSERT_TRUE(
        cadre::applyCategory(dm, 3, QStringLiteral("正职"), QStringLiteral("市长"), 2, rows))
        << db().lastError();
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1")), posts + 1);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"), QStringLiteral("ZwCadreID=1 and dwID=3")), 1);
    EXPECT_EQ(post(postId(1, 3, QStringLiteral("市长助理")))->rzsjstr, QStringLiteral("2024.01"));
    const auto quota = db().query(QStringLiteral(
        "select zwmc, zwrs, note from tb_department_zs where DwID=3 and zwtype='正职'"));
    ASSERT_EQ(quota->rows.size(), 1U);
    EXPECT_EQ(quota->rows[0], (QVariantList{QStringLiteral("市长"), 2, QStringLiteral("留下")}));
    EXPECT_EQ(post(postId(2, 3, QStringLiteral("市长")))->zt, QStringLiteral("正职"));
}

TEST_F(PostBatchTest, AnEditedPostWhoseMonthIsClearedLosesItsDate) {
    const int mayor = postId(2, 3, QStringLiteral("市长"));
    ASSERT_TRUE(post(mayor)->rzsj.toDate().isValid());
    ASSERT_TRUE(cadre::applyCategory(dm, 3, QStringLiteral("正职"), QStringLiteral("市长"), 1,
                                     {{2, QStringLiteral("何  国"), QStringLiteral("市长"), {}}}))
        << db().lastError();
    EXPECT_TRUE(post(mayor)->rzsjstr.isEmpty());
    EXPECT_TRUE(post(mayor)->rzsj.isNull());
}

TEST_F(PostBatchTest, ABatchIsRefusedWithNothingWritten) {
    const Snapshot before = everything();
    const cadre::CategoryRow named{1, QStringLiteral("刘  成"), QStringLiteral("副市长"), {}};
    const cadre::CategoryRow unnamed{5, QStringLiteral("五"), QStringLiteral("  "), {}};
    struct Case {
        const char* what;
        QString category;
        QList<cadre::CategoryRow> rows;
        QString message;
        int row;
    };
    const Case cases[] = {
        {"no category", QString(), {named}, QStringLiteral("请选择职务类别"), -1},
        {"a blank category", QStringLiteral(" "), {}, QStringLiteral("请选择职务类别"), -1},
        {"the second row has no post name",
         QStringLiteral("副职"),
         {named, unnamed, named},
         QStringLiteral("请设置职务名称"),
         1},
        {"the first row has none",
         QStringLiteral("副职"),
         {cadre::CategoryRow{}},
         QStringLiteral("请设置职务名称"),
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingProgress progress;
        const auto outcome =
            cadre::applyCategory(dm, 3, c.category, QStringLiteral("副市长"), 2, c.rows);
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.failure().message, c.message);
        EXPECT_EQ(cadre::rowWithoutPostName(c.rows).value_or(-1), c.row);
        EXPECT_TRUE(progress.texts.isEmpty());
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(PostBatchTest, ABatchIsOneTransaction) {
    // The very last write, the quota row, fails: everything before it is undone.
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger refuse_quota before insert on tb_department_zs begin "
                       "select raise(abort, 'no quota'); end")));
    const Snapshot before = everything();
    const auto outcome = cadre::applyCategory(
        dm, 3, QStringLiteral("副职"), QStringLiteral("副市长"), 2,
        {{1, QStringLiteral("刘  成"), QStringLiteral("副市长"), QStringLiteral("2024.5")},
         {12, QStringLiteral("十二"), QStringLiteral("副市长"), QStringLiteral("2023.10")}});
    EXPECT_FALSE(outcome);
    EXPECT_TRUE(outcome.failure().message.isEmpty());
    EXPECT_TRUE(outcome.failure().dbError.contains(QStringLiteral("no quota")));
    EXPECT_EQ(db().transactionDepth(), 0);
    EXPECT_EQ(everything(), before);
}

TEST_F(PostBatchTest, TakingOutOfTheCategoryClearsItOnTheCurrentPostOfThatName) {
    addPost(2, 3, QStringLiteral("O'Neil主任"), 3);
    addPost(2, 3, QStringLiteral("市长"), 4, {}, 2);
    run(QStringLiteral("update tb_cadre_zw set zt='正职' where dwID=3"));
    const int mayor = postId(2, 3, QStringLiteral("市长"));
    const int formerMayor = postId(2, 3, QStringLiteral("市长"), 2);
    const int quoted = postId(2, 3, QStringLiteral("O'Neil主任"));
    const int deputy = postId(12, 3, QStringLiteral("副市长"));

    ASSERT_TRUE(cadre::removeFromCategory(dm, 3, 2, QStringLiteral("市长"))) << db().lastError();
    EXPECT_EQ(post(mayor)->zt, QString());
    EXPECT_EQ(post(mayor)->status, 1);
    EXPECT_EQ(post(formerMayor)->zt, QStringLiteral("正职"));
    EXPECT_EQ(post(quoted)->zt, QStringLiteral("正职"));
    EXPECT_EQ(post(deputy)->zt, QStringLiteral("正职"));

    ASSERT_TRUE(cadre::removeFromCategory(dm, 3, 2, QStringLiteral("x' or 'a'='a")));
    EXPECT_EQ(post(quoted)->zt, QStringLiteral("正职"));
    ASSERT_TRUE(cadre::removeFromCategory(dm, 3, 2, QStringLiteral("O'Neil主任")));
    EXPECT_EQ(post(quoted)->zt, QString());
    EXPECT_EQ(post(deputy)->zt, QStringLiteral("正职"));
}

}  // namespace
