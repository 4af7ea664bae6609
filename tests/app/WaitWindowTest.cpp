#include <gtest/gtest.h>

#include "app/Progress.h"
#include "support/QtPrinters.h"
#include "widgets/TMesBarForm.h"

namespace {

class WaitWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { previous_ = app::setProgress(&form_); }
    void TearDown() override { app::setProgress(previous_); }

    TMesBarForm form_;
    app::Progress* previous_ = nullptr;
};

TEST_F(WaitWindowTest, ShowsTextAndStepsWhileTheOperationRuns) {
    {
        app::ProgressScope scope(QStringLiteral("正在更新单位索引..."), 3);
        EXPECT_TRUE(form_.isVisible());
        EXPECT_EQ(form_.text(), QStringLiteral("正在更新单位索引..."));
        EXPECT_EQ(form_.maximum(), 3);
        scope.step();
        scope.step();
        EXPECT_EQ(form_.position(), 2);
        scope.step();
        scope.step();  // never past the end
        EXPECT_EQ(form_.position(), 3);
        scope.setText(QStringLiteral("正在更新单位顺序..."));
        EXPECT_EQ(form_.text(), QStringLiteral("正在更新单位顺序..."));
    }
    EXPECT_FALSE(form_.isVisible());
}

TEST_F(WaitWindowTest, NestedOperationsKeepTheWindowUntilTheOutermostEnds) {
    {
        app::ProgressScope outer(QStringLiteral("正在搜索数据，请等待..."));
        { app::ProgressScope inner(QStringLiteral("正在加入干部"), 10); }
        EXPECT_TRUE(form_.isVisible());
    }
    EXPECT_FALSE(form_.isVisible());
}

}  // namespace
