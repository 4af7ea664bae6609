#include <gtest/gtest.h>

#include "app/MessageService.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"

namespace {

TEST(MessageService, RecorderSeesEveryTextWithItsTitleAndAnswers) {
    RecordingMessageService recorder;
    recorder.answerNext(true);
    recorder.answerNext(false);
    app::showInformation(QStringLiteral("单位名称不能为空."));
    app::showError(QStringLiteral("执行错误,打开数据库失败."));
    EXPECT_TRUE(app::confirmAction(QStringLiteral("删除当前职务?")));
    EXPECT_FALSE(app::confirmAction(QStringLiteral("删除当前职务?")));
    EXPECT_FALSE(app::confirmAction(QStringLiteral("没有准备回答")));

    ASSERT_EQ(recorder.shown().size(), 5u);
    EXPECT_EQ(recorder.shown()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(recorder.shown()[0].kind, RecordingMessageService::Shown::Kind::Information);
    EXPECT_EQ(recorder.shown()[1].title, QStringLiteral("错误"));
    EXPECT_EQ(recorder.shown()[1].kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_EQ(recorder.shown()[2].kind, RecordingMessageService::Shown::Kind::Confirmation);
    EXPECT_EQ(recorder.texts().at(1), QStringLiteral("执行错误,打开数据库失败."));
}

TEST(MessageService, WithoutAServiceConfirmationsAreDeclined) {
    ASSERT_EQ(app::setMessageService(nullptr), nullptr);
    EXPECT_FALSE(app::confirmAction(QStringLiteral("退出前是否备份数据库？")));
    {
        RecordingMessageService outer;
        {
            RecordingMessageService inner;
            app::showInformation(QStringLiteral("内层"));
            EXPECT_EQ(inner.texts(), QStringList{QStringLiteral("内层")});
        }
        app::showInformation(QStringLiteral("外层"));
        EXPECT_EQ(outer.texts(), QStringList{QStringLiteral("外层")});
    }
    EXPECT_EQ(app::setMessageService(nullptr), nullptr);
}

}  // namespace
