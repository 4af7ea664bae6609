#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include "PlanFixture.h"
#include "app/AppPaths.h"
#include "appointment/ApprovalForm.h"
#include "appointment/LineEdits.h"
#include "appointment/ui/FormPageView.h"
#include "appointment/ui/PageRm.h"
#include "appointment/ui/PlanLinesModel.h"
#include "appointment/ui/TRmPlszForm.h"
#include "appointment/ui/TRmSetForm1.h"
#include "cadre/PickLists.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "widgets/DocumentOpener.h"

namespace {

class TRmSetForm1Test : public PlanFixture {
  protected:
    void SetUp() override {
        PlanFixture::SetUp();
        plan = addPlan(QStringLiteral("方案"), QDate(2024, 6, 30));
        first = addCadre(QStringLiteral("甲"));
        ASSERT_TRUE(appointment::addCadres(db(), plan, {first, addCadre(QStringLiteral("乙"))}));
    }

    template <class Widget>
    Widget* cell(TRmSetForm1& form, const char* name) {
        return child<Widget>(&form, name);
    }

    RecordingMessageService messages;
    int plan = 0;
    int first = 0;
};

TEST_F(TRmSetForm1Test, EditsAreSavedWhenTheLineChangesAndCancelShowsTheStoredLine) {
    TRmSetForm1 form(dm, plan, 0, true);
    auto* list = child<QTableWidget>(&form, "lineList");
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(cell<QLineEdit>(form, "xm")->text(), QStringLiteral("甲"));
    auto* nrz = cell<QPlainTextEdit>(form, "nrz");

    nrz->setPlainText(QStringLiteral("某局主任"));
    EXPECT_TRUE(form.isModified());
    child<QPushButton>(&form, "btnCancel")->click();
    EXPECT_EQ(nrz->toPlainText(), QString());
    EXPECT_FALSE(form.isModified());

    nrz->setPlainText(QStringLiteral("某局主任"));
    cell<QLineEdit>(form, "csnyStr")->setText(QStringLiteral("1980.3"));
    cell<QLineEdit>(form, "zzxl")->setText(QStringLiteral("研究生"));
    list->setCurrentCell(1, 0);
    EXPECT_EQ(cell<QLineEdit>(form, "xm")->text(), QStringLiteral("乙"));
    const int line1 = lineId(plan, 1);
    EXPECT_EQ(lineValue(line1, QStringLiteral("nrz")).toString(), QStringLiteral("某局主任"));
    EXPECT_EQ(lineValue(line1, QStringLiteral("csnyStr")).toString(), QStringLiteral("1980.03"));
    EXPECT_EQ(lineValue(line1, QStringLiteral("age")).toInt(), 44);
    EXPECT_EQ(lineValue(line1, QStringLiteral("gxl")).toString(), QStringLiteral("研究生"));

    // A birth month that is no month is refused; the line stays as stored and current.
    cell<QLineEdit>(form, "csnyStr")->setText(QStringLiteral("1980.13"));
    cell<QLineEdit>(form, "xm")->setText(QStringLiteral("丙"));
    cell<QLineEdit>(form, "xm")->textEdited(QStringLiteral("丙"));
    list->setCurrentCell(0, 0);
    EXPECT_EQ(messages.texts(),
              QStringList{appointment::kBadFormMonth.arg(QStringLiteral("csnyStr"))});
    EXPECT_EQ(form.currentLineId(), lineId(plan, 2));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(lineValue(lineId(plan, 2), QStringLiteral("xm")).toString(), QStringLiteral("乙"));
}

TEST_F(TRmSetForm1Test, OnlyTheFamilyRowsThatArePrintedCanBeFilled) {
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_general set rmbfamily=3")));
    TRmSetForm1 form(dm, plan, 0, true);
    for (int k = 1; k <= 7; ++k) {
        const QByteArray name = QStringLiteral("f_%1_2").arg(k).toLatin1();
        EXPECT_EQ(cell<QLineEdit>(form, name.constData())->isEnabled(), k <= 3) << k;
    }
}

TEST_F(TRmSetForm1Test, BatchEntryFillsTheTypedTextsIntoEveryLine) {
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set cbyj='原意见'")));
    TRmSetForm1 form(dm, plan, 0, true);
    const ModalAnswer<TRmPlszForm> answer([](TRmPlszForm* dialog) {
        child<QLineEdit>(dialog, "edSpyj")->setText(QStringLiteral("同意'任命'"));
        child<QPushButton>(dialog, "btnOk")->click();
    });
    child<QPushButton>(&form, "btnBatch")->click();
    ASSERT_TRUE(answer.seen());
    for (int order : {1, 2}) {
        EXPECT_EQ(lineValue(lineId(plan, order), QStringLiteral("spyj")).toString(),
                  QStringLiteral("同意'任命'"));
        EXPECT_EQ(lineValue(lineId(plan, order), QStringLiteral("cbyj")).toString(),
                  QStringLiteral("原意见"));
    }
    EXPECT_EQ(cell<QPlainTextEdit>(form, "spyj")->toPlainText(), QStringLiteral("同意'任命'"));
}

TEST_F(TRmSetForm1Test, APhotoCannotBeInsertedForACadreNoLongerInTheRecords) {
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=?"), {first}));
    TRmSetForm1 form(dm, plan, 0, true);
    form.insertPhoto();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kPhotoOfDeletedCadre});
}

TEST_F(TRmSetForm1Test, WordOutputSavesPendingEditsAndOpensTheDocumentInTemp) {
    QStringList opened;
    widgets::setDocumentOpener([&](const QString& path) {
        opened << path;
        return true;
    });
    TRmSetForm1 form(dm, plan, 0, true);
    cell<QPlainTextEdit>(form, "nrz")->setPlainText(QStringLiteral("某局主任"));
    child<QPushButton>(&form, "btnWord")->click();
    widgets::setDocumentOpener({});
    EXPECT_EQ(messages.texts(), QStringList());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(QFileInfo(opened[0]).fileName(), QStringLiteral("甲.docx"));
    EXPECT_EQ(QFileInfo(opened[0]).dir().dirName(), QStringLiteral("TEMP"));
    EXPECT_EQ(lineValue(lineId(plan, 1), QStringLiteral("nrz")).toString(),
              QStringLiteral("某局主任"));
}

TEST_F(TRmSetForm1Test, WordOutputWithoutTemplateSaysSoAndWritesNothing) {
    for (const char* folder : {"Word模板", "Word模板/原始模板"}) {
        for (const QString& name :
             QDir(QDir(home.path()).filePath(QString::fromUtf8(folder))).entryList(QDir::Files)) {
            ASSERT_TRUE(
                QFile::remove(QDir(home.path()).filePath(QString::fromUtf8(folder) + u'/' + name)));
        }
    }
    QStringList opened;
    widgets::setDocumentOpener([&](const QString& path) {
        opened << path;
        return true;
    });
    TRmSetForm1 form(dm, plan, 0, true);
    child<QPushButton>(&form, "btnWord")->click();
    widgets::setDocumentOpener({});
    EXPECT_EQ(messages.texts(), QStringList{app::kTemplateMissing});
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QDir(home.path()).filePath(QStringLiteral("TEMP/甲.docx"))));
}

TEST_F(TRmSetForm1Test, TheResumeIsEditedAsAGridOfItsRowsOrAsItsText) {
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set gzjl=? where id=?"),
                          {QStringLiteral("1990.09-1994.07 某大学学习\r\n1994.07-　某局科员\r\n"
                                          "  分管办公室"),
                           lineId(plan, 1)}));
    TRmSetForm1 form(dm, plan, 0, true);
    auto* grid = child<QTableWidget>(&form, "resumeGrid");
    auto* text = child<QPlainTextEdit>(&form, "gzjl");
    auto* textMode = child<QCheckBox>(&form, "chkTextMode");
    const auto rows = [grid] {
        QStringList shown;
        for (int r = 0; r < grid->rowCount(); ++r) {
            shown << grid->item(r, 0)->text() + u'|' + grid->item(r, 1)->text() + u'|' +
                         grid->item(r, 2)->text();
        }
        return shown;
    };
    EXPECT_FALSE(textMode->isChecked());
    EXPECT_EQ(rows(),
              (QStringList{QStringLiteral("1990.09|1994.07|某大学学习"),
                           QStringLiteral("1994.07||某局科员"), QStringLiteral("||分管办公室")}));

    child<QPushButton>(&form, "btnAddRow")->click();
    ASSERT_EQ(grid->rowCount(), 4);
    grid->item(3, 2)->setText(QStringLiteral("兼任某职"));
    EXPECT_TRUE(form.isModified());
    // The grid written back: an open end is seven blanks, a row of content only starts with 16.
    textMode->setChecked(true);
    const QString written =
        QStringLiteral("1990.09-1994.07 某大学学习\n1994.07-        某局科员\n") +
        QString(16, u' ') + QStringLiteral("分管办公室\n") + QString(16, u' ') +
        QStringLiteral("兼任某职");
    EXPECT_EQ(text->toPlainText(), written);
    EXPECT_FALSE(child<QPushButton>(&form, "btnAddRow")->isVisibleTo(&form));

    text->setPlainText(written + QStringLiteral("\n2000.01-2001.01 某处处长"));
    textMode->setChecked(false);
    ASSERT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(rows()[4], QStringLiteral("2000.01|2001.01|某处处长"));

    // 合并行 joins the selected rows' contents into the first of them.
    grid->clearSelection();
    grid->selectRow(2);
    grid->setSelectionMode(QAbstractItemView::MultiSelection);
    grid->selectRow(3);
    child<QAction>(&form, "actMergeRows")->trigger();
    EXPECT_EQ(rows()[2], QStringLiteral("||分管办公室兼任某职"));
    ASSERT_EQ(grid->rowCount(), 4);
    grid->setCurrentCell(0, 0);
    child<QPushButton>(&form, "btnMoveDown")->click();
    EXPECT_EQ(rows()[1], QStringLiteral("1990.09|1994.07|某大学学习"));
    grid->setCurrentCell(3, 0);
    child<QPushButton>(&form, "btnDeleteRow")->click();
    EXPECT_EQ(grid->rowCount(), 3);

    // Leaving the line writes the grid back into the line.
    child<QTableWidget>(&form, "lineList")->setCurrentCell(1, 0);
    EXPECT_EQ(lineValue(lineId(plan, 1), QStringLiteral("gzjl")).toString(),
              QStringLiteral("1994.07-        某局科员\r\n1990.09-1994.07 某大学学习\r\n") +
                  QString(16, u' ') + QStringLiteral("分管办公室兼任某职"));
    EXPECT_EQ(rows(), QStringList{QStringLiteral("||简历")});
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();
}

TEST_F(TRmSetForm1Test, TheBoxesSitInTheCellsOfThePrintedPages) {
    TRmSetForm1 form(dm, plan, 0, true);
    auto* tabs = child<QTabWidget>(&form, "pages");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("第二页"));
    constexpr qreal scale = FormPageView::kPixelsPerMm;
    struct Case {
        const char* box;
        int page;
        QRectF mm;
    };
    const Case cases[] = {
        {"xm", 0, {16, 17, 20, 10.5}},           {"photoBox", 0, {115, 17, 33, 42}},
        {"resumeBox", 0, {13, 111.5, 135, 115}}, {"qrzxw", 0, {36, 64.25, 37, 5.25}},
        {"f_3_5", 1, {72, 105.5, 76, 10.5}},     {"cbdw", 1, {55, 177, 84.5, 5}},
    };
    for (const Case& c : cases) {
        auto* box = child<QWidget>(&form, c.box);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(tabs->widget(c.page)->isAncestorOf(box)) << c.box;
        const QRectF pixels(c.mm.topLeft() * scale, c.mm.size() * scale);
        EXPECT_NEAR(box->x(), pixels.x(), 3) << c.box;
        EXPECT_NEAR(box->y(), pixels.y(), 3) << c.box;
        EXPECT_NEAR(box->width(), pixels.width(), 4) << c.box;
        EXPECT_NEAR(box->height(), pixels.height(), 4) << c.box;
    }
    // Around the boxes the page shows the printed frames: the line between 姓名 and its value.
    auto* page = child<QWidget>(&form, "xm")->parentWidget();
    const QImage picture = page->grab().toImage();
    EXPECT_LT(qGray(picture.pixel(qRound(16 * scale), qRound(20 * scale))), 160);
    EXPECT_GT(qGray(picture.pixel(qRound(14 * scale), qRound(15 * scale))), 200);
}

TEST_F(TRmSetForm1Test, ThePlanPageOpensTheEditorOnTheFocusedLine) {
    cadre::PickLists lists;
    PageRm page(dm, lists);
    page.reloadTree(plan);
    page.showPlan(plan);
    page.grid()->setCurrentIndex(page.lines()->index(1, 1));
    int shown = 0;
    const ModalAnswer<TRmSetForm1> answer([&](TRmSetForm1* form) {
        shown = form->currentLineId();
        EXPECT_TRUE(child<QPushButton>(form, "btnExecute")->isEnabled());
        const std::optional<report::Layout> layout = form->currentLayout();
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->pageCount(), 2);
        child<QPushButton>(form, "btnClose")->click();
    });
    child<QAction>(&page, "dxBarButton111")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(shown, lineId(plan, 2));
}

}  // namespace
