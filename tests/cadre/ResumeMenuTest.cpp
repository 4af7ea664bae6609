#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>

#include "app/DataModule.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "db/Database.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "widgets/DocumentOpener.h"

namespace {

// The editor on cadre 2 with its "输入/输出" menu; opened documents are recorded.
class ResumeMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        lists = cadre::loadPickLists(dm.db()).value();
        widgets::setDocumentOpener([this](const QString& path) {
            opened << path;
            return true;
        });
        editor = std::make_unique<TCadreForm>(dm, lists);
        ASSERT_TRUE(editor->openCadre(2));
        editor->show();
    }
    void TearDown() override { widgets::setDocumentOpener({}); }
    QAction* command(const char* name) {
        auto* button = child<QPushButton>(editor.get(), "btnInOut");
        EXPECT_TRUE(button->isEnabled());
        EXPECT_NE(button->menu(), nullptr);
        return button->menu()->findChild<QAction*>(QString::fromLatin1(name));
    }
    QString name() {
        return dm.db()
            .scalar(QStringLiteral("select xm from tb_cadre where CadreID=2"))
            ->toString();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    cadre::PickLists lists;
    std::unique_ptr<TCadreForm> editor;
    QStringList opened;
};

TEST_F(ResumeMenuTest, PrintingShowsThePreviewOfTheResume) {
    QAction* print = command("actResumePrint");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("干部简历（文本式）"));
    int pages = 0;
    QString title;
    const ModalAnswer<QPrintPreviewDialog> answer([&](QPrintPreviewDialog* preview) {
        title = preview->windowTitle();
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    print->trigger();
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(title, QStringLiteral("干部简历（文本式）"));
    EXPECT_GE(pages, 1);
}

TEST_F(ResumeMenuTest, TheWordResumeIsWrittenToTempAndOpened) {
    QAction* word = command("actResumeWord");
    ASSERT_NE(word, nullptr);
    word->trigger();
    ASSERT_EQ(opened.size(), 1) << messages.texts().join(u'|').toStdString();
    EXPECT_EQ(QFileInfo(opened[0]).absolutePath(),
              QDir(home.path()).absoluteFilePath(QStringLiteral("TEMP")));
    const QJsonValue title = python_reader::runPython(
        QStringLiteral("import sys, json\nfrom docx import Document\n"
                       "print(json.dumps(Document(sys.argv[1]).tables[0].cell(0, 0).text))"),
        {opened[0]});
    EXPECT_EQ(title.toString(), name() + QStringLiteral("同志简历"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(ResumeMenuTest, WithoutEitherTemplateTheUserIsToldAndNothingIsWritten) {
    for (const char* folder : {"Word模板/", "Word模板/原始模板/"}) {
        ASSERT_TRUE(QFile::remove(
            QDir(home.path())
                .filePath(QString::fromUtf8(folder) + QStringLiteral("文本型简历.docx"))));
    }
    command("actResumeWord")->trigger();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("模板文件不存在，请确认软件已正确安装!")});
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(QDir(home.path()).exists(QStringLiteral("TEMP")));
}

}  // namespace
