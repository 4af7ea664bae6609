#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/CadreApprovalForm.h"
#include "cadre/ui/TJlForm.h"
#include "db/Database.h"
#include "documents/WordFormImport.h"
#include "documents/ui/TWordImportForm.h"
#include "office/DocxDocument.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

class WordImportWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        // The form of cadre 5 (赵伟峰) as the program writes it, and a file that is no form.
        const auto source = appointment::readCadreApprovalSource(dm.db(), 5, QDate(2025, 6, 1));
        ASSERT_TRUE(source && source->has_value());
        formPath = appointment::writeApprovalDocument(
                       **source, {}, app::wordTemplate(appointment::kApprovalTemplate).value(),
                       dir.path(), QDate(2025, 6, 1))
                       .value();
        formResume = dm.db().scalar(u("select gzjl from tb_cadre where CadreID=5"))->toString();
        notAForm = dir.filePath(u("说明.docx"));
        QFile file(notAForm);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("plain text");
    }

    QString resume() {
        return dm.db().scalar(u("select gzjl from tb_cadre where CadreID=5"))->toString();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    QTemporaryDir dir;
    QString formPath;
    QString formResume;
    QString notAForm;
};

TEST_F(WordImportWindowTest, FormsAreListedComparedAndImportedWithTheResumeWhenAsked) {
    ASSERT_TRUE(
        dm.db().exec(u("update tb_cadre set gzjl='2001.09--2005.07  某大学学习',mz='回族' "
                       "where CadreID=5")));
    TWordImportForm form(dm, 0);
    form.setOpenFilesChooser([this](QWidget*, const QString&, const QString& filter) {
        EXPECT_TRUE(filter.contains(u("*.docx"))) << filter;
        return QStringList{formPath, notAForm};
    });
    child<QPushButton>(form, "btnAddFiles")->click();
    // Choosing the same files again lists nothing twice.
    child<QPushButton>(form, "btnAddFiles")->click();

    auto* grid = child<QTableWidget>(form, "grdForms");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 1)->text(), u("赵伟峰"));
    EXPECT_EQ(grid->item(0, 2)->text(), u("1969.10"));
    EXPECT_EQ(grid->item(0, 3)->text(), u("更新"));
    EXPECT_EQ(grid->item(0, 4)->text(), u("不同"));
    EXPECT_FALSE(grid->item(1, 3)->text().isEmpty());
    EXPECT_EQ(resume(), u("2001.09--2005.07  某大学学习"));  // nothing written yet

    grid->setCurrentCell(0, 0);
    QString shownOld;
    QString shownNew;
    ModalAnswer<TJlForm> compare([&](TJlForm* dialog) {
        shownOld = child<QPlainTextEdit>(dialog, "memoOld")->toPlainText();
        shownNew = child<QPlainTextEdit>(dialog, "memoNew")->toPlainText();
        child<QPushButton>(dialog, "btnClose")->click();
    });
    child<QPushButton>(form, "btnCompare")->click();
    ASSERT_TRUE(compare.seen());
    EXPECT_EQ(shownOld, u("2001.09--2005.07  某大学学习"));
    EXPECT_FALSE(documents::resumesDiffer(shownNew, formResume));

    child<QCheckBox>(form, "chkResume")->setChecked(true);
    child<QPushButton>(form, "btnImport")->click();
    EXPECT_TRUE(form.imported());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(
        messages.texts()[0].startsWith(u("共导入1个干部信息!\n以下1行未导入：\n说明.docx：")))
        << messages.texts()[0].toStdString();
    EXPECT_FALSE(documents::resumesDiffer(resume(), formResume));
    EXPECT_EQ(dm.db().scalar(u("select mz from tb_cadre where CadreID=5"))->toString(), u("汉族"));
}

// The list and the closing message name each value of a form that the checks of incoming
// values changed or refused.
TEST_F(WordImportWindowTest, TheListAndTheReportNameTheValuesChanged) {
    {
        Result<office::DocxDocument> doc = office::DocxDocument::open(formPath);
        ASSERT_TRUE(doc.ok()) << doc.errorText();
        ASSERT_TRUE(doc->setCellText(1, 1, 6, u("1969'.10")).ok());
        ASSERT_TRUE(doc->save(formPath).ok());
    }
    TWordImportForm form(dm, 0);
    form.setOpenFilesChooser(
        [this](QWidget*, const QString&, const QString&) { return QStringList{formPath}; });
    child<QPushButton>(form, "btnAddFiles")->click();
    auto* grid = child<QTableWidget>(form, "grdForms");
    ASSERT_EQ(grid->rowCount(), 1);
    const QString note = u("出生年月“1969'.10”不是有效的年月，未导入");
    EXPECT_EQ(grid->item(0, 3)->text(), u("更新（") + note + u("）"));
    child<QPushButton>(form, "btnImport")->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains(QFileInfo(formPath).fileName() + u("：") + note))
        << messages.texts()[0].toStdString();
    EXPECT_EQ(dm.db().scalar(u("select csnyStr from tb_cadre where CadreID=5"))->toString(),
              u("1969.10"));
}

TEST_F(WordImportWindowTest, SameResumesNeedNoComparisonAndWithoutTheTickTheStoredOneStays) {
    {
        TWordImportForm form(dm, 0);
        form.setOpenFilesChooser(
            [this](QWidget*, const QString&, const QString&) { return QStringList{formPath}; });
        child<QPushButton>(form, "btnCompare")->click();
        child<QPushButton>(form, "btnAddFiles")->click();
        auto* grid = child<QTableWidget>(form, "grdForms");
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(grid->item(0, 4)->text(), QString());
        grid->setCurrentCell(0, 0);
        child<QPushButton>(form, "btnCompare")->click();
        ASSERT_EQ(messages.texts().size(), 2);
        EXPECT_EQ(messages.texts()[1], u("该任免表的简历与库中相同。"));
    }
    ASSERT_TRUE(dm.db().exec(u("update tb_cadre set gzjl='旧的' where CadreID=5")));
    TWordImportForm form(dm, 0);
    form.setOpenFilesChooser(
        [this](QWidget*, const QString&, const QString&) { return QStringList{formPath}; });
    child<QPushButton>(form, "btnAddFiles")->click();
    EXPECT_EQ(child<QTableWidget>(form, "grdForms")->item(0, 4)->text(), u("不同"));
    child<QPushButton>(form, "btnImport")->click();
    EXPECT_TRUE(form.imported());
    EXPECT_EQ(resume(), u("旧的"));
}

}  // namespace
