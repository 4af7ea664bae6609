#include <gtest/gtest.h>

#include "ExecutionFixture.h"
#include "appointment/PlanExecution.h"
#include "cadre/PostEnding.h"
#include "cadre/Posts.h"
#include "support/DataConsistency.h"

namespace {

using appointment::PlanExecution;

class PlanExecutionTest : public ExecutionFixture {
  protected:
    std::unique_ptr<PlanExecution> start() {
        Result<std::unique_ptr<PlanExecution>> started = PlanExecution::start(dm, line);
        EXPECT_TRUE(started) << started.errorText().toStdString();
        return started ? std::move(*started) : nullptr;
    }

    // Adds the proposed post (主席 of unit 4 from 2024.06) as the post dialog saves it.
    void appointChairman() {
        cadre::PostInput post;
        post.cadreId = kCadre;
        post.unitId = kNewUnit;
        post.unitText = QStringLiteral("政协某市委员会");
        post.postName = QStringLiteral("主席");
        post.appointedMonth = QStringLiteral("2024.06");
        const Result<int> saved = cadre::savePost(dm, post);
        ASSERT_TRUE(saved) << saved.errorText().toStdString();
    }
};

TEST_F(PlanExecutionTest, FinishCommitsTheDecisionThePostsAndTheCarriedBackRecord) {
    auto execution = start();
    ASSERT_TRUE(execution);
    ASSERT_TRUE(execution->recordDecision(QStringLiteral("通过"), QStringLiteral("同意任免")));
    ASSERT_TRUE(execution->endPosts({mayorPost}, QStringLiteral("2024.6")));
    appointChairman();
    const Result<void> finished = execution->finish(
        {{QStringLiteral("xrz"), QStringLiteral("市委副书记，市政协主席")},
         {QStringLiteral("allRzsjList"), QStringLiteral("2024.6")},
         {QStringLiteral("csnyStr"), QStringLiteral("1971.3")},
         {QStringLiteral("gzjl"), QStringLiteral("2000.01-2010.01  甲\n  乙\n2010.01-  丙  ")}});
    ASSERT_TRUE(finished) << finished.errorText().toStdString();
    execution.reset();

    EXPECT_EQ(lineValue(line, QStringLiteral("rmjg")).toString(), QStringLiteral("通过"));
    EXPECT_EQ(lineValue(line, QStringLiteral("spyj")).toString(), QStringLiteral("同意任免"));
    EXPECT_EQ(posts(), (QStringList{QStringLiteral("1:1:副书记:2022.05-():1"),
                                    QStringLiteral("1:4:主席:2024.06-():2"),
                                    QStringLiteral("2:15:科长:1993.07-1994.06(1994-06-01):1"),
                                    QStringLiteral("2:5:副主任:1994.06-2022.05(2022-05-01):2"),
                                    QStringLiteral("2:3:市长:2022.05-2024.06(2024-06-01):3")}));
    EXPECT_EQ(cadreValue(QStringLiteral("xrz")).toString(),
              QStringLiteral("市委副书记，市政协主席"));
    EXPECT_EQ(cadreValue(QStringLiteral("allZwList")).toString(),
              QStringLiteral("市委副书记，市政协主席"));
    EXPECT_EQ(cadreValue(QStringLiteral("allRzsjList")).toString(), QStringLiteral("2024.06"));
    EXPECT_EQ(cadreValue(QStringLiteral("gzjl")).toString(),
              QStringLiteral("2000.01-2010.01 甲\r\n                乙\r\n2010.01-        丙"));
    // The birth month goes through the save routine, so its date follows.
    EXPECT_EQ(cadreValue(QStringLiteral("csny")).toDate(), QDate(1971, 3, 1));
    const QStringList members = memberships();
    ASSERT_EQ(members.size(), 2) << members.join(u';').toStdString();
    EXPECT_TRUE(members[0].startsWith(QStringLiteral("1:副书记"))) << members[0].toStdString();
    EXPECT_TRUE(members[1].startsWith(QStringLiteral("4:主席"))) << members[1].toStdString();
    // The unit left (3) closes its order; the texts are the edited ones, so only they differ
    // from what the posts make.
    EXPECT_EQ(dataConsistencyProblems(db()),
              QStringList{QStringLiteral("cadre 2: current-post text")});
}

TEST_F(PlanExecutionTest, AnExecutionThatIsNotFinishedLeavesEverythingAsItWas) {
    const Snapshot before = snapshot();
    {
        auto execution = start();
        ASSERT_TRUE(execution);
        ASSERT_TRUE(execution->recordDecision(QStringLiteral("部分通过"), QStringLiteral("意见")));
        ASSERT_TRUE(execution->endPosts({mayorPost}, QStringLiteral("2024.06")));
        appointChairman();
        ASSERT_TRUE(execution->deletePost(
            db().scalar(QStringLiteral("select ZwID from tb_cadre_zw where zwmc='副书记' and "
                                       "ZwCadreID=?"),
                        {kCadre})
                ->toInt()));
        // A refused save keeps the execution open; dropping it then undoes every step.
        const Result<void> refused =
            execution->finish({{QStringLiteral("allRzsjList"), QStringLiteral("2024.13")}});
        ASSERT_FALSE(refused);
        EXPECT_TRUE(refused.failure().dbError.isEmpty());
        EXPECT_NE(snapshot(), before);
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PlanExecutionTest, RefusedStepsChangeNothing) {
    auto execution = start();
    ASSERT_TRUE(execution);
    const Snapshot before = snapshot();
    struct Case {
        const char* month;
        QString message;
    };
    for (const Case& c :
         {Case{"", cadre::kBadRemovalMonth}, Case{"2024", cadre::kBadRemovalMonth},
          Case{"1899.12", cadre::kBadRemovalMonth}, Case{"2024.13", cadre::kBadRemovalMonth},
          Case{"2021.12", cadre::kRemovalBeforeAppointment}}) {
        const Result<void> ended = execution->endPosts({mayorPost}, QString::fromUtf8(c.month));
        ASSERT_FALSE(ended) << c.month;
        EXPECT_TRUE(ended.failure().message.startsWith(c.message)) << c.month;
        EXPECT_EQ(snapshot(), before) << c.month;
    }
    const Result<void> decided = execution->recordDecision(QStringLiteral("同意"), {});
    ASSERT_FALSE(decided);
    EXPECT_EQ(decided.failure().message, appointment::kBadResult);
    EXPECT_TRUE(execution->endPosts({}, QString()));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PlanExecutionTest, StartsOnlyForALineWhoseCadreIsStillThere) {
    const Result<std::unique_ptr<PlanExecution>> missingLine = PlanExecution::start(dm, line + 100);
    ASSERT_FALSE(missingLine);
    EXPECT_EQ(missingLine.failure().message, appointment::kSelectLine);
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=?"), {kCadre}));
    const Result<std::unique_ptr<PlanExecution>> gone = PlanExecution::start(dm, line);
    ASSERT_FALSE(gone);
    EXPECT_EQ(gone.failure().message, appointment::kCadreDeleted);
    // Nothing of a refused start stays open.
    EXPECT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set rmjg='通过'")));
    EXPECT_TRUE(db().begin());
    EXPECT_TRUE(db().commit());
}

TEST(PlanExecutionPresets, CurrentPostTextAndResumeChoice) {
    struct Posts {
        const char* cadre;
        const char* nrz;
        const char* xrz;
        const char* expected;
    };
    for (const Posts& c :
         {Posts{"市长", "主席", "副主席", "市长"}, Posts{" ", "主席", "副主席", "主席"},
          Posts{"", "", "副主席", "副主席"}, Posts{"", "", "", ""}}) {
        EXPECT_EQ(
            appointment::presetCurrentPosts(QString::fromUtf8(c.cadre), QString::fromUtf8(c.nrz),
                                            QString::fromUtf8(c.xrz)),
            QString::fromUtf8(c.expected))
            << c.cadre << '|' << c.nrz;
    }
    struct Resumes {
        const char* line;
        const char* cadre;
        bool lineIsNewer;
    };
    const char* two = "2000.01-2010.01 甲\n2010.01-        乙";
    for (const Resumes& c :
         {Resumes{two, "2000.01-2010.01 甲", true}, Resumes{"2000.01-2010.01 甲", two, false},
          Resumes{two, two, false}, Resumes{"", two, false}, Resumes{"  \n", "", false},
          Resumes{"2000.01-2010.01 丙\n\n\n", "2000.01-2010.01 甲\n2010.01-        乙", false},
          Resumes{"2000.01-2010.01 甲\n2010.01-2020.01 乙", two, true}}) {
        EXPECT_EQ(
            appointment::lineResumeIsNewer(QString::fromUtf8(c.line), QString::fromUtf8(c.cadre)),
            c.lineIsNewer)
            << c.line << '|' << c.cadre;
    }
}

}  // namespace
