#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "CadreData.h"
#include "cadre/PostEnding.h"
#include "cadre/ui/TRzForm.h"
#include "support/FindChild.h"
#include "support/RecordingMessageService.h"
#include "units/ui/TSelectDwForm.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

class RzFormTest : public CadreData {
  protected:
    // Picks unit `id` in the dialog's unit box as the user does: a click opens the tree, a
    // double-click on the node chooses it.
    static void pickUnit(TRzForm& dialog, int id) {
        QTest::mouseClick(child<QLineEdit>(dialog, "edtUnit"), Qt::LeftButton);
        auto* picker = dialog.findChild<TSelectDwForm*>();
        ASSERT_NE(picker, nullptr);
        ASSERT_TRUE(picker->tree()->selectUnit(id));
        Q_EMIT picker->tree()->itemDoubleClicked(picker->tree()->currentItem(), 0);
    }

    static void clickOk(TRzForm& dialog) { child<QPushButton>(dialog, "btnOK")->click(); }

    // True when the dialog's caret is in `widget` (or in the line edit of a combo box).
    static bool caretIn(TRzForm& dialog, QWidget* widget) {
        QWidget* focus = dialog.focusWidget();
        return focus != nullptr && (focus == widget || focus->parentWidget() == widget);
    }

    QStringList currentPosts(int cadre) {
        QStringList list;
        const auto r = db().query(QStringLiteral("select zwmc, zwOrder, dwID from tb_cadre_zw "
                                                 "where status=1 and ZwCadreID=? order by zwOrder"),
                                  {cadre});
        for (const QVariantList& row : r->rows) {
            list << QStringLiteral("%1:%2@%3")
                        .arg(row[0].toString())
                        .arg(row[1].toInt())
                        .arg(row[2].toInt());
        }
        return list;
    }

    RecordingMessageService messages;
};

TEST_F(RzFormTest, ShowsTheCadreAndEveryField) {
    TRzForm dialog(dm, 1);
    dialog.startNew(true, 0, false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("新增任职"));
    EXPECT_EQ(child<QLabel>(dialog, "lblNote1")->text(),
              QStringLiteral("注意：\"新增任职\"指，增加某干部在当前单位的任职记录。"));
    EXPECT_EQ(child<QLabel>(dialog, "lblNote2")->text(),
              QStringLiteral("所增加的职务将记录在干部基本信息“任职记录”页中。"));
    auto* name = child<QLineEdit>(dialog, "edtCadreName");
    EXPECT_EQ(name->text(), QStringLiteral("刘  成"));
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_EQ(child<QLineEdit>(dialog, "edtUnit")->text(), QString());
    EXPECT_EQ(child<QCheckBox>(dialog, "chkHistoricalUnit")->text(),
              QStringLiteral("直接输入历史任职单位"));
    EXPECT_TRUE(child<QComboBox>(dialog, "cbPostName")->isEditable());
    EXPECT_EQ(child<QLabel>(dialog, "lblPostNameHint")->text(),
              QStringLiteral("（如果未设置职务编制，直接填写）"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbCurrent")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "rbCurrent")->text(), QStringLiteral("现任职"));
    EXPECT_EQ(child<QRadioButton>(dialog, "rbFormer")->text(), QStringLiteral("已免职"));
    EXPECT_EQ(child<QGroupBox>(dialog, "grpAppointment")->title(), QStringLiteral(" 任职信息 "));
    EXPECT_EQ(child<QGroupBox>(dialog, "grpRemoval")->title(), QStringLiteral(" 免职信息 "));
    EXPECT_EQ(child<QCheckBox>(dialog, "chkContinuous")->text(), QStringLiteral("连续添加"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkContinuous")->isHidden());
    EXPECT_EQ(child<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("确 定"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnCancel")->text(), QStringLiteral("取 消"));
    for (const char* edit : {"edtAppointed", "edtRemoved", "edtRzwh", "edtRzw", "edtRzyy",
                             "edtMzwh", "edtMzw", "edtMzyy", "edtHistoricalUnit"}) {
        child<QLineEdit>(dialog, edit);
    }
    EXPECT_FALSE(dialog.changed());

    dialog.startNew(false, 0, true);
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbFormer")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkContinuous")->isHidden());
}

TEST_F(RzFormTest, ContinuousAddingSavesEachPostAndStartsTheNext) {
    for (const char* post : {"主任", "副主任"}) {
        ASSERT_TRUE(db().exec(QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwrs) "
                                             "values (12,?,1)"),
                              {QString::fromUtf8(post)}));
    }
    TRzForm dialog(dm, 1);
    dialog.startNew(true, 12, true);
    dialog.show();
    EXPECT_EQ(child<QLineEdit>(dialog, "edtUnit")->text(), QStringLiteral("市政府\\发改委\\"));
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkHistoricalUnit")->isEnabled());
    auto* post = child<QComboBox>(dialog, "cbPostName");
    ASSERT_EQ(post->count(), 2);
    EXPECT_EQ(post->itemText(0), QStringLiteral("主任"));
    EXPECT_EQ(post->itemText(1), QStringLiteral("副主任"));
    EXPECT_EQ(post->currentText(), QString());
    auto* appointed = child<QLineEdit>(dialog, "edtAppointed");
    auto* number = child<QLineEdit>(dialog, "edtRzwh");

    child<QCheckBox>(dialog, "chkContinuous")->setChecked(true);
    post->setCurrentIndex(0);
    appointed->setText(QStringLiteral("2023.01"));
    number->setText(QStringLiteral("1号"));
    clickOk(dialog);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_TRUE(dialog.changed());
    const int first = dialog.savedPostId();
    EXPECT_GT(first, 0);
    // The next post starts empty, in the same unit.
    EXPECT_EQ(post->currentText(), QString());
    EXPECT_EQ(appointed->text(), QString());
    EXPECT_EQ(number->text(), QString());
    EXPECT_EQ(child<QLineEdit>(dialog, "edtUnit")->text(), QStringLiteral("市政府\\发改委\\"));

    post->setEditText(QStringLiteral("副主任"));
    appointed->setText(QStringLiteral("2023.02"));
    clickOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.savedPostId(), first);
    EXPECT_EQ(currentPosts(1), (QStringList{"书记:1@1", "主任:2@12", "副主任:3@12"}));
    ASSERT_TRUE(member(1, 12).has_value());
    EXPECT_EQ(member(1, 12)->zwList.toString(), QStringLiteral("主任、副主任"));
    EXPECT_EQ(member(1, 12)->rzsjList.toString(), QStringLiteral("2023.01、2023.02"));
    EXPECT_EQ(cadreValue(1, QStringLiteral("xrz")).toString(),
              QStringLiteral("中共某市委员会书记，某市发展和改革委员会主任、副主任"));

    child<QPushButton>(dialog, "btnCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.changed());
    EXPECT_EQ(currentPosts(1).size(), 3);
}

TEST_F(RzFormTest, ARefusalKeepsTheDialogOpenWithTheCaretInTheBoxAtFault) {
    const Snapshot before = snapshot();
    TRzForm dialog(dm, 1);
    dialog.startNew(true, 0, false);
    dialog.show();
    auto* unit = child<QLineEdit>(dialog, "edtUnit");
    auto* post = child<QComboBox>(dialog, "cbPostName");
    auto* typedUnit = child<QLineEdit>(dialog, "edtHistoricalUnit");

    post->setEditText(QStringLiteral("主任"));
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, unit));

    pickUnit(dialog, 6);
    EXPECT_EQ(unit->text(), QStringLiteral("群团组织\\"));
    post->setFocus();
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, unit));

    pickUnit(dialog, 12);
    post->setEditText(QString());
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, post));

    // Month boxes: text that is no month, and a removal before the appointment.
    auto* appointed = child<QLineEdit>(dialog, "edtAppointed");
    auto* removed = child<QLineEdit>(dialog, "edtRemoved");
    post->setEditText(QStringLiteral("主任"));
    appointed->setText(QStringLiteral("2025.13"));
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, appointed));
    appointed->setText(QStringLiteral("2025.3"));
    removed->setText(QStringLiteral("abc"));
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, removed));
    removed->setText(QStringLiteral("2025.2"));
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, removed));
    // Typing takes only what may become a month of the entry pattern.
    appointed->clear();
    QTest::keyClicks(appointed, QStringLiteral("2025-3abc"));
    EXPECT_EQ(appointed->text(), QStringLiteral("2025"));
    appointed->clear();
    removed->clear();

    child<QCheckBox>(dialog, "chkHistoricalUnit")->setChecked(true);
    EXPECT_EQ(child<QStackedWidget>(dialog, "stkUnit")->currentWidget(), typedUnit);
    post->setEditText(QStringLiteral("县长"));
    clickOk(dialog);
    EXPECT_TRUE(caretIn(dialog, typedUnit));

    EXPECT_EQ(messages.texts(),
              (QStringList{cadre::kPostUnitNotSet, cadre::kPostUnitNotReal, cadre::kEnterPostName,
                           cadre::kBadAppointedMonth, cadre::kBadRemovalMonth,
                           cadre::kRemovalBeforeAppointment, cadre::kPostUnitNotSet}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_FALSE(dialog.changed());
    EXPECT_EQ(snapshot(), before);

    typedUnit->setText(QStringLiteral("某县人民政府"));
    child<QRadioButton>(dialog, "rbFormer")->setChecked(true);
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.changed());
    const auto saved = db().query(QStringLiteral("select dwID, dw, zwmc, status from tb_cadre_zw "
                                                 "where ZwID=") +
                                  QString::number(dialog.savedPostId()));
    ASSERT_TRUE(saved && saved->rows.size() == 1);
    EXPECT_EQ(saved->rows[0],
              (QVariantList{0, QStringLiteral("某县人民政府"), QStringLiteral("县长"), 2}));
}

TEST_F(RzFormTest, EditingShowsTheStoredPostAndSavesItsChanges) {
    const int deputy =
        db().scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=2 and "
                                   "zwmc='副书记'"))
            ->toInt();
    TRzForm dialog(dm, 2);
    EXPECT_FALSE(dialog.startEdit(99999));
    EXPECT_EQ(messages.texts(), QStringList{cadre::kPostGone});
    messages.clear();
    ASSERT_TRUE(dialog.startEdit(deputy));
    dialog.show();
    EXPECT_EQ(child<QLineEdit>(dialog, "edtUnit")->text(), QStringLiteral("中共某市委员会"));
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkHistoricalUnit")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "cbPostName")->currentText(), QStringLiteral("副书记"));
    EXPECT_EQ(child<QLineEdit>(dialog, "edtAppointed")->text(), QStringLiteral("2022.05"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbCurrent")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkContinuous")->isHidden());

    child<QRadioButton>(dialog, "rbFormer")->setChecked(true);
    child<QLineEdit>(dialog, "edtRemoved")->setText(QStringLiteral("2024.06"));
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.savedPostId(), deputy);
    EXPECT_EQ(currentPosts(2), QStringList{"市长:2@3"});
    EXPECT_EQ(db().scalar(QStringLiteral("select mzsj from tb_cadre_zw where ZwID=") +
                          QString::number(deputy))
                  .value(),
              QVariant(QDate(2024, 6, 1)));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), QStringLiteral("某市人民政府市长"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(RzFormTest, APostOutsideTheTreeIsShownAsStored) {
    // Cadre 1's former posts: 科长 in a unit typed as text, 主任 in unit 14, removed here.
    run(QStringLiteral("delete * from tb_department where ID=14"));
    const auto id = [this](const char* post) {
        return db()
            .scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=1 and zwmc=?"),
                    {QString::fromUtf8(post)})
            ->toInt();
    };
    TRzForm dialog(dm, 1);
    ASSERT_TRUE(dialog.startEdit(id("科长")));
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkHistoricalUnit")->isChecked());
    EXPECT_EQ(child<QStackedWidget>(dialog, "stkUnit")->currentWidget(),
              child<QLineEdit>(dialog, "edtHistoricalUnit"));
    EXPECT_EQ(child<QLineEdit>(dialog, "edtHistoricalUnit")->text(),
              QStringLiteral("中共某县委员会"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbFormer")->isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, "edtRemoved")->text(), QStringLiteral("2004.09"));

    ASSERT_TRUE(dialog.startEdit(id("主任")));
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkHistoricalUnit")->isChecked());
    EXPECT_EQ(child<QLineEdit>(dialog, "edtUnit")->text(), QStringLiteral("某市财政局"));
    clickOk(dialog);
    EXPECT_EQ(messages.texts(), QStringList{cadre::kPostUnitNotReal});
    EXPECT_EQ(dialog.result(), 0);

    // Typed as a historical unit, it saves without a unit of the tree.
    child<QCheckBox>(dialog, "chkHistoricalUnit")->setChecked(true);
    child<QLineEdit>(dialog, "edtHistoricalUnit")->setText(QStringLiteral("某市财政局"));
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(db().scalar(QStringLiteral("select dwID from tb_cadre_zw where ZwID=") +
                          QString::number(id("主任")))
                  ->toInt(),
              0);
}

}  // namespace
