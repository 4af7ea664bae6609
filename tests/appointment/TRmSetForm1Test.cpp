#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include "PlanFixture.h"
#include "appointment/ApprovalForm.h"
#include "appointment/LineEdits.h"
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
