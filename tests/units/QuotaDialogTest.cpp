#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/TAddBzForm.h"
#include "units/ui/TDepFormS.h"
#include "units/ui/TZsSetForm.h"
#include "units/ui/UnitEditor.h"

namespace {

// What the quota dialog is given; `shownHolders` and `shownState` are what it showed after the
// name and quota boxes were left.
struct QuotaInput {
    QString name;
    QString category;
    int quota = 0;
    QString note;
    bool history = false;
    QString shownHolders;
    QString shownState;
};

// Types `input` into the quota dialog, leaves the name and quota boxes, records what it shows
// and presses "确 定".
std::function<void(TZsSetForm*)> fillQuota(QuotaInput& input) {
    return [&input](TZsSetForm* form) {
        auto* name = child<QLineEdit>(form, "edtZwmc");
        name->setText(input.name);
        Q_EMIT name->editingFinished();
        auto* category = child<QComboBox>(form, "cbZwType");
        category->setCurrentIndex(category->findText(input.category));
        auto* quota = child<QSpinBox>(form, "seZwrs");
        quota->setValue(input.quota);
        Q_EMIT quota->editingFinished();
        child<QLineEdit>(form, "edtNote")->setText(input.note);
        child<QCheckBox>(form, "cbZzs")->setChecked(input.history);
        input.shownHolders = child<QLineEdit>(form, "edtDqrs")->text();
        input.shownState = child<QLineEdit>(form, "edtZk")->text();
        child<QPushButton>(form, "btnOK")->click();
    };
}

std::function<void(TAddBzForm*)> fillStaffing(const QString& identity, int number,
                                              int& shownBefore) {
    return [identity, number, &shownBefore](TAddBzForm* form) {
        auto* type = child<QComboBox>(form, "cbRybz");
        type->setCurrentIndex(type->findText(identity));
        auto* count = child<QSpinBox>(form, "seBzs");
        shownBefore = count->value();
        count->setValue(number);
        child<QPushButton>(form, "btnOK")->click();
    };
}

QStringList rowTexts(QTableWidget* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* item = grid->item(row, c);
        texts << (item != nullptr ? item->text() : QString());
    }
    return texts;
}

// Unit 16 of the sample database with two active holders of "测试主任" and a former one.
class QuotaDialogTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        exec(QStringLiteral("delete from tb_department_zs"));
        exec(QStringLiteral("delete from tb_department_bz"));
        exec(QStringLiteral("delete from tb_cadre_node where dwID=16"));
        for (const auto& [cadre, status] : {std::pair{20, 1}, {21, 1}, {22, 2}}) {
            exec(QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,zwmc) values (") +
                 QString::number(cadre) + QLatin1Char(',') + QString::number(status) +
                 QStringLiteral(",16,'测试主任')"));
        }
        for (const auto& [cadre, nobz] : {std::pair{20, false}, {21, false}, {22, true}}) {
            exec(
                QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder,nobz) values (") +
                QString::number(cadre) + QStringLiteral(",16,1,") +
                (nobz ? QStringLiteral("True") : QStringLiteral("False")) + QLatin1Char(')'));
            exec(QStringLiteral("update tb_cadre set rybz='公务员' where CadreID=") +
                 QString::number(cadre));
        }
    }
    void exec(const QString& statement) {
        if (!dm.db().exec(statement)) {
            ADD_FAILURE() << dm.db().lastError().toStdString();
        }
    }
    int count(const QString& tableAndWhere) {
        return dm.db().scalar(QStringLiteral("select count(*) from ") + tableAndWhere)->toInt();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
};

TEST_F(QuotaDialogTest, QuotaRowsAreAddedEditedAndDeletedWithTheirState) {
    TDepFormS dialog(dm);
    ASSERT_TRUE(dialog.startEditing(16));
    dialog.show();
    auto* tabs = child<QTabWidget>(&dialog, "PageControl1");
    ASSERT_TRUE(tabs->isTabEnabled(1));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("职数设置"));
    tabs->setCurrentIndex(1);
    auto* grid = child<QTableWidget>(&dialog, "gridZs");
    ASSERT_EQ(grid->columnCount(), 7);
    const QStringList captions{QStringLiteral("职务名称"), QStringLiteral("职务类别"),
                               QStringLiteral("设定数"),   QStringLiteral("当前人数"),
                               QStringLiteral("状况"),     QStringLiteral("记录组织史"),
                               QStringLiteral("说明")};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), captions[c]);
    }
    EXPECT_EQ(grid->rowCount(), 0);

    // Adding: quotas of 1, 2 and 3 for the two holders.
    struct Case {
        int quota;
        const char* state;
    };
    const Case cases[] = {{1, "超编"}, {2, "持平"}, {3, "缺编"}};
    for (const Case& c : cases) {
        exec(QStringLiteral("delete from tb_department_zs"));
        grid->setRowCount(0);
        QuotaInput input{QStringLiteral("测试主任"),
                         QStringLiteral("正职"),
                         c.quota,
                         QStringLiteral("说'明"),
                         true,
                         {},
                         {}};
        ModalAnswer<TZsSetForm> answer(fillQuota(input));
        child<QPushButton>(&dialog, "btnZsAdd")->click();
        ASSERT_TRUE(answer.seen());
        EXPECT_EQ(input.shownHolders, QStringLiteral("2"));
        EXPECT_EQ(input.shownState, QString::fromUtf8(c.state));
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(rowTexts(grid, 0), (QStringList{QStringLiteral("测试主任"),
                                                  QStringLiteral("正职"), QString::number(c.quota),
                                                  QStringLiteral("2"), QString::fromUtf8(c.state),
                                                  QStringLiteral("是"), QStringLiteral("说'明")}));
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=16 and dqrs=2 and zzs=True "
                                       "and zwtype='正职' and zwrs=") +
                        QString::number(c.quota)),
                  1);
    }

    // Editing needs a selected row, then changes the row in place.
    messages.clear();
    grid->clearSelection();
    child<QPushButton>(&dialog, "btnZsEdit")->click();
    EXPECT_EQ(messages.texts(), QStringList{UnitEditor::kSelectToEdit});
    grid->selectRow(0);
    QuotaInput changed{
        QStringLiteral("测试主任"), QStringLiteral("副职"), 1, QString(), false, {}, {}};
    {
        ModalAnswer<TZsSetForm> answer([&changed](TZsSetForm* form) {
            // The dialog shows the stored row first.
            EXPECT_EQ(child<QSpinBox>(form, "seZwrs")->value(), 3);
            EXPECT_EQ(child<QLineEdit>(form, "edtNote")->text(), QStringLiteral("说'明"));
            EXPECT_TRUE(child<QCheckBox>(form, "cbZzs")->isChecked());
            fillQuota(changed)(form);
        });
        child<QPushButton>(&dialog, "btnZsEdit")->click();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(count(QStringLiteral("tb_department_zs")), 1);
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(rowTexts(grid, 0).mid(1, 4),
              (QStringList{QStringLiteral("副职"), QStringLiteral("1"), QStringLiteral("2"),
                           QStringLiteral("超编")}));

    // A new holder elsewhere is counted when the tab is shown again.
    exec(
        QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,zwmc) values "
                       "(23,1,16,'测试主任')"));
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(rowTexts(grid, 0).at(3), QStringLiteral("3"));
    EXPECT_EQ(count(QStringLiteral("tb_department_zs where dqrs=3")), 1);

    // Deleting: a selection is needed, Cancel keeps the row, OK removes it.
    messages.clear();
    grid->clearSelection();
    child<QPushButton>(&dialog, "btnZsDel")->click();
    grid->selectRow(0);
    messages.answerNext(false);
    child<QPushButton>(&dialog, "btnZsDel")->click();
    EXPECT_EQ(count(QStringLiteral("tb_department_zs")), 1);
    messages.answerNext(true);
    child<QPushButton>(&dialog, "btnZsDel")->click();
    EXPECT_EQ(messages.texts(),
              (QStringList{UnitEditor::kSelectToDelete, UnitEditor::kConfirmDeleteQuota,
                           UnitEditor::kConfirmDeleteQuota}));
    EXPECT_EQ(count(QStringLiteral("tb_department_zs")), 0);
    EXPECT_EQ(grid->rowCount(), 0);
}

TEST_F(QuotaDialogTest, TheQuotaDialogNeedsAPostName) {
    TZsSetForm form(dm, 16);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("职数设置"));
    form.show();
    child<QPushButton>(&form, "btnOK")->click();
    EXPECT_EQ(messages.texts(), QStringList{TZsSetForm::kEmptyPostName});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(count(QStringLiteral("tb_department_zs")), 0);
    EXPECT_FALSE(form.startEditing(999));
}

TEST_F(QuotaDialogTest, StaffingRowsAreAddedEditedAndDeletedWithTheirMembers) {
    TDepFormS dialog(dm);
    ASSERT_TRUE(dialog.startEditing(16));
    dialog.show();
    auto* tabs = child<QTabWidget>(&dialog, "PageControl1");
    ASSERT_TRUE(tabs->isTabEnabled(2));
    tabs->setCurrentIndex(2);
    auto* grid = child<QTableWidget>(&dialog, "gridBz");
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("编制类型"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("设定数"));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("当前数"));

    // Adding the same identity twice keeps one row; the dialog shows the stored number.
    struct Case {
        const char* identity;
        int number;
        int shownBefore;
        int rows;
    };
    const Case cases[] = {{"公务员", 4, 1, 1}, {"行政编制", 2, 1, 2}, {"公务员", 5, 4, 2}};
    for (const Case& c : cases) {
        int shown = -1;
        ModalAnswer<TAddBzForm> answer(
            fillStaffing(QString::fromUtf8(c.identity), c.number, shown));
        child<QPushButton>(&dialog, "btnBzAdd")->click();
        ASSERT_TRUE(answer.seen());
        EXPECT_EQ(shown, c.shownBefore) << c.identity;
        EXPECT_EQ(grid->rowCount(), c.rows);
    }
    EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=16")), 2);
    // Members flagged as outside staffing are not counted.
    EXPECT_EQ(rowTexts(grid, 0),
              (QStringList{QStringLiteral("公务员"), QStringLiteral("5"), QStringLiteral("2")}));
    EXPECT_EQ(rowTexts(grid, 1),
              (QStringList{QStringLiteral("行政编制"), QStringLiteral("2"), QStringLiteral("0")}));
    EXPECT_EQ(count(QStringLiteral("tb_department_bz where rybz='公务员' and sjs=2")), 1);

    // Editing the selected row opens the dialog on its identity.
    grid->selectRow(1);
    int shown = -1;
    {
        QString identityShown;
        ModalAnswer<TAddBzForm> answer([&](TAddBzForm* form) {
            identityShown = child<QComboBox>(form, "cbRybz")->currentText();
            fillStaffing(identityShown, 9, shown)(form);
        });
        child<QPushButton>(&dialog, "btnBzEdit")->click();
        ASSERT_TRUE(answer.seen());
        EXPECT_EQ(identityShown, QStringLiteral("行政编制"));
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(rowTexts(grid, 1).at(1), QStringLiteral("9"));

    // Deleting.
    messages.clear();
    grid->clearSelection();
    child<QPushButton>(&dialog, "btnBzDel")->click();
    grid->selectRow(0);
    messages.answerNext(false);
    child<QPushButton>(&dialog, "btnBzDel")->click();
    EXPECT_EQ(grid->rowCount(), 2);
    grid->selectRow(0);
    messages.answerNext(true);
    child<QPushButton>(&dialog, "btnBzDel")->click();
    EXPECT_EQ(messages.texts(),
              (QStringList{UnitEditor::kSelectToDelete, UnitEditor::kConfirmDeleteStaffing,
                           UnitEditor::kConfirmDeleteStaffing}));
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(rowTexts(grid, 0).at(0), QStringLiteral("行政编制"));
    EXPECT_EQ(count(QStringLiteral("tb_department_bz")), 1);
}

TEST_F(QuotaDialogTest, QuotasOfANewUnitFollowItOrGoWithACancel) {
    // A leftover of an abandoned creation is removed when the quota tab of a new unit opens.
    exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwrs) values (0,'旧',1)"));
    exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwrs) values (15,'甲',1)"));
    struct Case {
        bool ok;
        int rowsOfNewUnit;
    };
    for (const Case c : {Case{false, 0}, Case{true, 1}}) {
        TDepFormS dialog(dm);
        dialog.startAdding(1);
        dialog.show();
        auto* tabs = child<QTabWidget>(&dialog, "PageControl1");
        EXPECT_FALSE(tabs->isTabEnabled(2));
        tabs->setCurrentIndex(1);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=0")), 0);
        QuotaInput input{
            QStringLiteral("测试主任"), QStringLiteral("正职"), 1, QString(), false, {}, {}};
        ModalAnswer<TZsSetForm> answer(fillQuota(input));
        child<QPushButton>(&dialog, "btnZsAdd")->click();
        ASSERT_TRUE(answer.seen());
        // Nobody holds a post of a unit that does not exist yet.
        EXPECT_EQ(input.shownHolders, QStringLiteral("0"));
        auto* grid = child<QTableWidget>(&dialog, "gridZs");
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(rowTexts(grid, 0).at(4), QStringLiteral("缺编"));
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=0")), 1);
        // Switching tabs keeps the dialog's own rows.
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(1);
        EXPECT_EQ(grid->rowCount(), 1);

        child<QLineEdit>(&dialog, "edtName")->setText(QStringLiteral("某市测试办"));
        child<QPushButton>(&dialog, c.ok ? "btnOK" : "btnCancel")->click();
        EXPECT_EQ(dialog.result(), c.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=0")), 0);
        if (c.ok) {
            ASSERT_GT(dialog.savedUnitId(), 16);
            EXPECT_EQ(count(QStringLiteral("tb_department_zs where zwmc='测试主任' and DwID=") +
                            QString::number(dialog.savedUnitId())),
                      c.rowsOfNewUnit);
        }
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=15")), 1);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs")), 1 + c.rowsOfNewUnit);
    }
}

TEST_F(QuotaDialogTest, EnterPressesOkInBothQuotaDialogs) {
    {
        TZsSetForm form(dm, 16);
        form.show();
        auto* name = child<QLineEdit>(&form, "edtZwmc");
        name->setText(QStringLiteral("测试主任"));
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where DwID=16 and zwmc='测试主任'")), 1);
    }
    {
        TAddBzForm form(dm, 16);
        form.show();
        form.selectIdentity(QStringLiteral("行政编制"));
        auto* number = child<QSpinBox>(&form, "seBzs");
        number->setValue(6);
        QTest::keyClick(number, Qt::Key_Enter);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(count(QStringLiteral("tb_department_bz where dwID=16 and rybz='行政编制' and "
                                       "bzs=6")),
                  1);
    }
}

TEST_F(QuotaDialogTest, StoredNumbersOutsideTheEntryRangeSurviveOpeningAndOk) {
    for (const int zwrs : {-1, 0, 9999, 10000, 25000}) {
        SCOPED_TRACE(zwrs);
        exec(QStringLiteral("delete from tb_department_zs"));
        exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs) values "
                            "(16,'测试主任','正职',") +
             QString::number(zwrs) + QLatin1Char(')'));
        const int zsId =
            dm.db().scalar(QStringLiteral("select max(ZsID) from tb_department_zs"))->toInt();
        TZsSetForm form(dm, 16);
        ASSERT_TRUE(form.startEditing(zsId));
        form.show();
        EXPECT_EQ(child<QSpinBox>(&form, "seZwrs")->value(), zwrs);
        child<QPushButton>(&form, "btnOK")->click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(count(QStringLiteral("tb_department_zs where zwrs=") + QString::number(zwrs)), 1);
        // A new row starts from the entry range again.
        form.startAdding();
        EXPECT_EQ(child<QSpinBox>(&form, "seZwrs")->minimum(), 0);
        EXPECT_EQ(child<QSpinBox>(&form, "seZwrs")->maximum(), 9999);
    }
    for (const int bzs : {0, 1, 9999, 12000}) {
        SCOPED_TRACE(bzs);
        exec(QStringLiteral("delete from tb_department_bz"));
        exec(QStringLiteral("insert into tb_department_bz (dwID,rybz,bzs) values "
                            "(16,'公务员',") +
             QString::number(bzs) + QLatin1Char(')'));
        TAddBzForm form(dm, 16);
        form.selectIdentity(QStringLiteral("公务员"));
        form.show();
        auto* number = child<QSpinBox>(&form, "seBzs");
        EXPECT_EQ(number->value(), bzs);
        child<QPushButton>(&form, "btnOK")->click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(count(QStringLiteral("tb_department_bz where bzs=") + QString::number(bzs)), 1);
        // Another identity without a row starts from the entry range again.
        form.selectIdentity(QStringLiteral("行政编制"));
        EXPECT_EQ(number->value(), 1);
        EXPECT_EQ(number->minimum(), 1);
        EXPECT_EQ(number->maximum(), 9999);
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(QuotaDialogTest, AStaffingNumberThatCannotBeReadIsNeverOverwritten) {
    exec(QStringLiteral("drop table tb_department_bz"));
    TAddBzForm form(dm, 16);
    form.show();
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_FALSE(child<QPushButton>(&form, "btnOK")->isEnabled());
}

}  // namespace
