#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "cadre/ui/ResumePage.h"
#include "support/QtPrinters.h"

namespace {

const QString kResume = QStringLiteral(
    "1986.09-1990.07 某某财经大学会计学专业学习\n1990.07-2004.09 中共某县委员会科长\n"
    "2018.05-        中共某市委员会书记");
const QString kStored = QStringLiteral(
    "1986.09-1990.07 某某财经大学会计学专业学习\r\n1990.07-2004.09 中共某县委员会科长\r\n"
    "2018.05-        中共某市委员会书记");

class ResumePageTest : public ::testing::Test {
  protected:
    template <class Widget>
    Widget* child(const char* name) {
        auto* widget = page.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QTableWidget* grid() { return child<QTableWidget>("cxGrid12"); }
    QPlainTextEdit* memo() { return child<QPlainTextEdit>("gzjl"); }
    void click(const char* button) { child<QPushButton>(button)->click(); }

    QString cell(int row, int column) {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item == nullptr ? QString() : item->text();
    }

    // The contents column, one entry per row.
    QStringList contents() {
        QStringList all;
        for (int row = 0; row < grid()->rowCount(); ++row) {
            all << cell(row, 2);
        }
        return all;
    }

    ResumePage page;
};

TEST_F(ResumePageTest, ShowsTheResumeAsATable) {
    page.load(kResume, QStringLiteral("分管财政"));
    EXPECT_TRUE(child<QRadioButton>("rbTable")->isChecked());
    EXPECT_EQ(child<QRadioButton>("rbTable")->text(), QStringLiteral("表格型"));
    EXPECT_EQ(child<QRadioButton>("rbText")->text(), QStringLiteral("文本型"));
    ASSERT_EQ(grid()->columnCount(), 3);
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("开始时间"));
    EXPECT_EQ(grid()->horizontalHeaderItem(1)->text(), QStringLiteral("结束时间"));
    EXPECT_EQ(grid()->horizontalHeaderItem(2)->text(), QStringLiteral("内容"));
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(cell(1, 0), QStringLiteral("1990.07"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("2004.09"));
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(cell(2, 2), QStringLiteral("中共某市委员会书记"));
    EXPECT_EQ(page.resumeText(), kStored);
    EXPECT_EQ(page.fggz(), QStringLiteral("分管财政"));
    for (const char* button : {"btnAddRow", "btnDeleteRow", "btnMoveUp", "btnMoveDown"}) {
        EXPECT_FALSE(child<QPushButton>(button)->isHidden()) << button;
    }
}

TEST_F(ResumePageTest, LoadingDoesNotCountAsAnEdit) {
    QSignalSpy edited(&page, &ResumePage::edited);
    page.load(kResume, QStringLiteral("分管财政"));
    child<QRadioButton>("rbText")->click();
    child<QRadioButton>("rbTable")->click();
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(ResumePageTest, TheTextFormReceivesTheTable) {
    page.load(kResume, {});
    grid()->item(1, 2)->setText(QStringLiteral("中共某县委员会副科长"));
    child<QRadioButton>("rbText")->click();
    EXPECT_TRUE(memo()->isVisibleTo(&page));
    EXPECT_FALSE(grid()->isVisibleTo(&page));
    EXPECT_EQ(memo()->toPlainText(), QStringLiteral("1986.09-1990.07 某某财经大学会计学专业学习\n"
                                                    "1990.07-2004.09 中共某县委员会副科长\n"
                                                    "2018.05-        中共某市委员会书记"));
    for (const char* button : {"btnAddRow", "btnDeleteRow", "btnMoveUp", "btnMoveDown"}) {
        EXPECT_TRUE(child<QPushButton>(button)->isHidden()) << button;
    }
    // Typed text is what the page gives back, with CR LF line ends.
    memo()->setPlainText(QStringLiteral("1985.09－1989.07　某大学学习\n其间 借调"));
    EXPECT_EQ(page.resumeText(), QStringLiteral("1985.09－1989.07　某大学学习\r\n其间 借调"));
    // Back in table form, the typed text is put into the layout.
    child<QRadioButton>("rbTable")->click();
    EXPECT_EQ(contents(), (QStringList{"某大学学习", "其间 借调"}));
    EXPECT_EQ(page.resumeText(), QStringLiteral("1985.09-1989.07 某大学学习\r\n") +
                                     QString(16, u' ') + QStringLiteral("其间 借调"));
}

TEST_F(ResumePageTest, BuildAndShowModeRebuildTheTableFromTheText) {
    for (const char* command : {"btnBuild", "btnShowMode", "actTableForm"}) {
        page.load(kResume, {});
        grid()->item(0, 2)->setText(QStringLiteral("改过的"));
        if (QByteArray(command).startsWith("act")) {
            child<QAction>(command)->trigger();
        } else {
            child<QAbstractButton>(command)->click();
        }
        EXPECT_EQ(cell(0, 2), QStringLiteral("某某财经大学会计学专业学习")) << command;
        EXPECT_TRUE(child<QRadioButton>("rbTable")->isChecked()) << command;
    }
    child<QAction>("actTextForm")->trigger();
    EXPECT_TRUE(child<QRadioButton>("rbText")->isChecked());
    EXPECT_TRUE(memo()->isVisibleTo(&page));
    // From the text form, "生成" shows the table again.
    click("btnBuild");
    EXPECT_TRUE(grid()->isVisibleTo(&page));
    EXPECT_EQ(grid()->rowCount(), 3);
}

TEST_F(ResumePageTest, TableCommandsChangeTheRowsAndCountAsEdits) {
    page.load(kResume, {});
    QSignalSpy edited(&page, &ResumePage::edited);

    click("btnAddRow");
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_EQ(grid()->currentRow(), 3);
    EXPECT_EQ(edited.count(), 1);

    grid()->setCurrentCell(1, 0);
    click("btnMoveUp");
    EXPECT_EQ(contents(), (QStringList{"中共某县委员会科长", "某某财经大学会计学专业学习",
                                       "中共某市委员会书记", ""}));
    EXPECT_EQ(cell(0, 0), QStringLiteral("1990.07"));
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_EQ(edited.count(), 2);
    // The first row cannot go further up: no change, no edit.
    click("btnMoveUp");
    EXPECT_EQ(edited.count(), 2);

    click("btnMoveDown");
    EXPECT_EQ(cell(0, 0), QStringLiteral("1986.09"));
    EXPECT_EQ(grid()->currentRow(), 1);

    grid()->setCurrentCell(3, 0);
    click("btnDeleteRow");
    EXPECT_EQ(grid()->rowCount(), 3);
    child<QAction>("actAddRow")->trigger();
    child<QAction>("actDeleteRow")->trigger();
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(page.resumeText(), kStored);
}

TEST_F(ResumePageTest, MergeJoinsTheSelectedRows) {
    page.load(kResume, {});
    QSignalSpy edited(&page, &ResumePage::edited);
    grid()->selectRow(0);
    child<QAction>("actMergeRows")->trigger();
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(edited.count(), 0);

    grid()->clearSelection();
    auto* selection = grid()->selectionModel();
    selection->select(grid()->model()->index(2, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(grid()->model()->index(1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    child<QAction>("actMergeRows")->trigger();
    EXPECT_EQ(contents(),
              (QStringList{"某某财经大学会计学专业学习", "中共某市委员会书记中共某县委员会科长"}));
    EXPECT_EQ(cell(1, 0), QStringLiteral("2018.05"));
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(ResumePageTest, EditsInTheGridTheMemoAndFggzAreReported) {
    page.load(kResume, {});
    QSignalSpy edited(&page, &ResumePage::edited);
    grid()->item(0, 0)->setText(QStringLiteral("1986.08"));
    EXPECT_EQ(edited.count(), 1);
    child<QPlainTextEdit>("fggz")->setPlainText(QStringLiteral("分管\n组织"));
    EXPECT_EQ(edited.count(), 2);
    EXPECT_EQ(page.fggz(), QStringLiteral("分管\r\n组织"));
    child<QRadioButton>("rbText")->click();
    memo()->setPlainText(QStringLiteral("x"));
    EXPECT_EQ(edited.count(), 3);
}

TEST_F(ResumePageTest, EnterMovesToTheNextCell) {
    page.load(kResume, {});
    page.show();
    grid()->setFocus();
    grid()->setCurrentCell(0, 1);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_EQ(grid()->currentColumn(), 2);
    QTest::keyClick(grid(), Qt::Key_Enter);
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->currentColumn(), 0);
}

TEST_F(ResumePageTest, ReadOnlyPageChangesNothing) {
    page.load(kResume, QStringLiteral("分管财政"));
    page.setEditable(false);
    QSignalSpy edited(&page, &ResumePage::edited);
    EXPECT_FALSE(child<QPushButton>("btnAddRow")->isEnabled());
    EXPECT_FALSE(child<QAction>("actMergeRows")->isEnabled());
    EXPECT_EQ(grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(child<QPlainTextEdit>("fggz")->isReadOnly());
    EXPECT_TRUE(memo()->isReadOnly());
    child<QAction>("actAddRow")->trigger();
    child<QAction>("actDeleteRow")->trigger();
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(edited.count(), 0);
    // Switching forms still works.
    child<QRadioButton>("rbText")->click();
    EXPECT_TRUE(memo()->isVisibleTo(&page));
    page.setEditable(true);
    EXPECT_FALSE(memo()->isReadOnly());
    EXPECT_TRUE(child<QPushButton>("btnAddRow")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("btnAddRow")->isHidden());
}

TEST_F(ResumePageTest, AnEmptyResumeIsAnEmptyTable) {
    page.load(kResume, {});
    page.load(QString(), QString());
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_EQ(page.resumeText(), QString());
    EXPECT_EQ(page.fggz(), QString());
}

TEST_F(ResumePageTest, TheBatchMenuOffersPunctuation) {
    auto* batch = child<QToolButton>("btnBatch");
    EXPECT_EQ(batch->text(), QStringLiteral("批处理"));
    ASSERT_NE(batch->menu(), nullptr);
    ASSERT_EQ(batch->menu()->actions().size(), 1);
    EXPECT_EQ(batch->menu()->actions()[0]->text(), QStringLiteral("为每行设置标点符号"));
    EXPECT_EQ(child<QToolButton>("btnShowMode")->menu()->actions().size(), 2);
}

}  // namespace
