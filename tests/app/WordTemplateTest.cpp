#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/AppPaths.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

TEST(WordTemplate, TheUsersCopyComesFirstThenTheFactoryCopyThenAMessage) {
    const TestHome home;
    const QDir data(home.path());
    const QString name = QStringLiteral("文本型简历.docx");
    const QString own = data.filePath(QStringLiteral("Word模板/") + name);
    const QString factory = data.filePath(QStringLiteral("Word模板/原始模板/") + name);
    ASSERT_TRUE(QFile::exists(own)) << "the data folder was not given the Word templates";
    ASSERT_TRUE(QFile::exists(factory));
    for (const char* file : {"干部任免审批表.docx", "干部简要情况表.docx"}) {
        EXPECT_TRUE(
            QFile::exists(data.filePath(QStringLiteral("Word模板/") + QString::fromUtf8(file))));
    }

    Result<QString> found = app::wordTemplate(name);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(*found, own);

    ASSERT_TRUE(QFile::remove(own));
    found = app::wordTemplate(name);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(*found, factory);

    ASSERT_TRUE(QFile::remove(factory));
    found = app::wordTemplate(name);
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.errorText(), QStringLiteral("模板文件不存在，请确认软件已正确安装!"));
}

}  // namespace
