#include <gtest/gtest.h>

#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/CadreMatcher.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using documents::CadreMatch;
using documents::CadreMatcher;
using documents::RowAction;

QString u(const char* s) {
    return QString::fromUtf8(s);
}

class CadreMatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    // Adds a cadre of library `library` named `name` as stored; its ID.
    int add(const char* name, int library) {
        EXPECT_TRUE(dm.db().exec(u("insert into tb_cadre (xm,classid,gbOrd) values (?,?,999)"),
                                 {u(name), library}))
            << dm.db().lastError();
        const Result<QVariant> id = dm.db().scalar(u("select max(CadreID) from tb_cadre"));
        EXPECT_TRUE(id.ok()) << id.errorText();
        return id ? id->toInt() : 0;
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(CadreMatcherTest, ANameFindsTheOneServingCadreOfItsStoredForm) {
    // Cadre 1 (刘  成) serves; the others are added here.
    add("钱  退", 1);
    add("孙  调", 2);
    const int serving = add("Tom", 0);
    add("tom", 1);
    add("李  双", 0);
    add("李  双", 0);
    struct Case {
        QString name;
        RowAction action;
        int cadreId;
        QString problem;
    };
    const Case cases[] = {
        {u("刘  成"), RowAction::Update, 1, {}},
        {u("刘成"), RowAction::Update, 1, {}},
        {u(" 刘　成 "), RowAction::Update, 1, {}},
        {u("TOM"), RowAction::Update, serving, {}},
        {u("钱退"), RowAction::Create, 0, {}},
        {u("孙调"), RowAction::Create, 0, {}},
        {u("李双"), RowAction::LeaveOut, 0, documents::duplicateCadresProblem(2)},
        {u("无此人"), RowAction::Create, 0, {}},
    };
    for (const Case& c : cases) {
        Result<CadreMatcher> matcher = CadreMatcher::load(dm.db());
        ASSERT_TRUE(matcher.ok()) << matcher.errorText();
        const CadreMatch match = matcher->match(c.name, u("第2行"));
        EXPECT_EQ(match.action, c.action) << c.name.toStdString();
        EXPECT_EQ(match.cadreId, c.cadreId) << c.name.toStdString();
        EXPECT_EQ(match.problem, c.problem) << c.name.toStdString();
    }
}

TEST_F(CadreMatcherTest, ANameThatCameEarlierInTheImportIsLeftOutWithWhereItCame) {
    Result<CadreMatcher> matcher = CadreMatcher::load(dm.db());
    ASSERT_TRUE(matcher.ok()) << matcher.errorText();
    EXPECT_EQ(matcher->match(u("新来者"), u("甲.xlsx")).action, RowAction::Create);
    EXPECT_EQ(matcher->match(u("刘成"), u("乙.xlsx")).action, RowAction::Update);
    // A name as stored and as typed are the same name; the first place is named every time.
    const std::pair<const char*, const char*> repeats[] = {
        {"新来者", "甲.xlsx"}, {" 新来者", "甲.xlsx"}, {"刘  成", "乙.xlsx"}, {"刘成", "乙.xlsx"}};
    for (const auto& [again, earlier] : repeats) {
        const CadreMatch match = matcher->match(u(again), u("丙.xlsx"));
        EXPECT_EQ(match.action, RowAction::LeaveOut) << again;
        EXPECT_EQ(match.cadreId, 0) << again;
        EXPECT_EQ(match.problem, documents::repeatedNameProblem(u(earlier))) << again;
    }
}

TEST_F(CadreMatcherTest, ACadreTableThatCannotBeReadFails) {
    ASSERT_TRUE(dm.db().execNative(u("alter table tb_cadre rename to tb_cadre_gone")));
    const Result<CadreMatcher> matcher = CadreMatcher::load(dm.db());
    EXPECT_FALSE(matcher.ok());
    EXPECT_FALSE(matcher.failure().dbError.isEmpty());
}

}  // namespace
