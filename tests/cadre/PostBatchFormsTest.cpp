#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "CadreData.h"
#include "cadre/PostBatch.h"
#include "cadre/PostEnding.h"
#include "cadre/ui/TDelZwForm.h"
#include "cadre/ui/TMzForm.h"
#include "cadre/ui/TPlzwSetForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"

namespace {

QStringList headers(QTableWidget* grid) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) {
        texts << grid->horizontalHeaderItem(c)->text();
    }
    return texts;
}

QStringList column(QTableWidget* grid, int c) {
    QStringList texts;
    for (int r = 0; r < grid->rowCount(); ++r) {
        texts << grid->item(r, c)->text();
    }
    return texts;
}

QList<bool> marks(QTableWidget* grid) {
    QList<bool> marked;
    for (int r = 0; r < grid->rowCount(); ++r) {
        marked << (grid->item(r, 0)->checkState() == Qt::Checked);
    }
    return marked;
}

// Toggles the mark of a row as the keyboard does: the row's mark cell made current, then Space.
void toggleMark(QTableWidget* grid, int row) {
    grid->setCurrentCell(row, 0);
    QTest::keyClick(grid, Qt::Key_Space);
}

class PostFormsTest : public CadreData {
  protected:
    int postId(int cadre, int unit, const QString& post, int status = 1) {
        return db()
            .scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=? and dwID=? and "
                                   "zwmc=? and status=?"),
                    {cadre, unit, post, status})
            ->toInt();
    }
    QVariant postValue(int zwId, const QString& column) {
        return db()
            .scalar(QStringLiteral("select ") + column +
                    QStringLiteral(" from tb_cadre_zw where ZwID=") + QString::number(zwId))
            .value();
    }

    RecordingMessageService messages;
};

// ---- 免职设置 ----------------------------------------------------------------------------------

TEST_F(PostFormsTest, TheRemovalDialogListsTheUnitsPostsAllMarked) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    TMzForm dialog(dm, 2, 3);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("免职设置"));
    EXPECT_EQ(child<QLabel>(dialog, "lblCadre")->text(),
              QStringLiteral("确认免除干部职务：何  国"));
    EXPECT_EQ(child<QLabel>(dialog, "lblNote")->text(),
              QStringLiteral("免职后，职务信息保留到干部曾任职务中。"));
    EXPECT_EQ(child<QLabel>(dialog, "lblMzsj")->text(), QStringLiteral("免职时间："));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(child<QLineEdit>(dialog, "edtMzsj")->text(),
              QStringLiteral("%1.%2").arg(today.year()).arg(today.month()));
    EXPECT_EQ(child<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("确定"));
    EXPECT_EQ(child<QPushButton>(dialog, "btnCancel")->text(), QStringLiteral("取消"));
    EXPECT_EQ(child<QCheckBox>(dialog, "chkShowAll")->text(), QStringLiteral("显示所有任职"));

    auto* grid = child<QTableWidget>(dialog, "gridPosts");
    EXPECT_EQ(headers(grid), (QStringList{QStringLiteral("选中"), QStringLiteral("单位"),
                                          QStringLiteral("职务名称"), QStringLiteral("任职时间")}));
    EXPECT_EQ(column(grid, 1),
              (QStringList{QStringLiteral("某市人民政府"), QStringLiteral("某市人民政府")}));
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("市长"), QStringLiteral("党组书记")}));
    EXPECT_EQ(column(grid, 3), (QStringList{QStringLiteral("2022.05"), QStringLiteral("2022.06")}));
    EXPECT_EQ(marks(grid), (QList<bool>{true, true}));
}

TEST_F(PostFormsTest, ShowingAllPostsListsOtherUnitsAndKeepsTheMarks) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    TMzForm dialog(dm, 2, 3);
    dialog.show();
    auto* grid = child<QTableWidget>(dialog, "gridPosts");
    auto* all = child<QCheckBox>(dialog, "chkShowAll");
    toggleMark(grid, 0);
    ASSERT_EQ(marks(grid), (QList<bool>{false, true}));

    all->click();
    EXPECT_EQ(column(grid, 1),
              (QStringList{QStringLiteral("中共某市委员会"), QStringLiteral("某市人民政府"),
                           QStringLiteral("某市人民政府")}));
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("副书记"), QStringLiteral("市长"),
                                            QStringLiteral("党组书记")}));
    EXPECT_EQ(marks(grid), (QList<bool>{true, false, true}));
    all->click();
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("市长"), QStringLiteral("党组书记")}));
    EXPECT_EQ(marks(grid), (QList<bool>{false, true}));
}

TEST_F(PostFormsTest, OkRemovesTheMarkedPostsOnly) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    const int mayor = postId(2, 3, QStringLiteral("市长"));
    const int secretary = postId(2, 3, QStringLiteral("党组书记"));
    const int deputy = postId(2, 1, QStringLiteral("副书记"));
    TMzForm dialog(dm, 2, 3);
    dialog.show();
    auto* grid = child<QTableWidget>(dialog, "gridPosts");
    child<QCheckBox>(dialog, "chkShowAll")->click();
    toggleMark(grid, 1);  // 市长 stays
    auto* date = child<QLineEdit>(dialog, "edtMzsj");
    date->clear();
    QTest::keyClicks(date, QStringLiteral("2023.7"));

    child<QPushButton>(dialog, "btnOK")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(postValue(mayor, QStringLiteral("status")).toInt(), 1);
    for (const int removed : {secretary, deputy}) {
        EXPECT_EQ(postValue(removed, QStringLiteral("status")).toInt(), 2);
        EXPECT_EQ(postValue(removed, QStringLiteral("mzsjstr")).toString(),
                  QStringLiteral("2023.07"));
        EXPECT_EQ(postValue(removed, QStringLiteral("mzsj")).toDate(), QDate(2023, 7, 1));
    }
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), QStringLiteral("某市人民政府市长"));
    // Unit 1 was not the dialog's unit: the membership without posts went.
    EXPECT_FALSE(member(2, 1).has_value());
    EXPECT_EQ(member(2, 3)->zwList.toString(), QStringLiteral("市长"));
}

// The removal document entered with a post is kept by the removal; a post without one gets none.
TEST_F(PostFormsTest, TheRemovalKeepsTheStoredRemovalDocument) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    const int mayor = postId(2, 3, QStringLiteral("市长"));
    const int secretary = postId(2, 3, QStringLiteral("党组书记"));
    const QVariantList document = {QStringLiteral("市委〔2023〕12号"),
                                   QStringLiteral("关于何国同志免职的通知"),
                                   QStringLiteral("到龄退休")};
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre_zw set mzwh=?,mzw=?,mzyy=? where ZwID=?"),
                          document + QVariantList{mayor}))
        << db().lastError();
    TMzForm dialog(dm, 2, 3);
    dialog.show();
    child<QLineEdit>(dialog, "edtMzsj")->setText(QStringLiteral("2023.7"));
    child<QPushButton>(dialog, "btnOK")->click();

    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const auto stored = [this](int zwId) {
        return QVariantList{postValue(zwId, QStringLiteral("mzwh")),
                            postValue(zwId, QStringLiteral("mzw")),
                            postValue(zwId, QStringLiteral("mzyy"))};
    };
    EXPECT_EQ(postValue(mayor, QStringLiteral("status")).toInt(), 2);
    EXPECT_EQ(stored(mayor), document);
    EXPECT_EQ(postValue(secretary, QStringLiteral("status")).toInt(), 2);
    EXPECT_EQ(stored(secretary), (QVariantList{QVariant(), QVariant(), QVariant()}));
}

TEST_F(PostFormsTest, CancelChangesNothing) {
    const Snapshot before = snapshot();
    struct Case {
        const char* what;
        std::function<std::unique_ptr<QDialog>()> make;
    };
    const Case cases[] = {
        {"removal", [this] { return std::make_unique<TMzForm>(dm, 2, 3); }},
        {"deletion", [this] { return std::make_unique<TDelZwForm>(dm, 2, 3); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        child<QCheckBox>(*dialog, "chkShowAll")->click();
        child<QPushButton>(*dialog, "btnCancel")->click();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(PostFormsTest, AFailedRemovalIsShownAndTheDialogStays) {
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger refuse_summary before update of zwList on tb_cadre_node "
                       "begin select raise(abort, 'refused'); end")));
    const Snapshot before = snapshot();
    TMzForm dialog(dm, 2, 3);
    dialog.show();
    child<QPushButton>(dialog, "btnOK")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.shown().size(), 1U);
    EXPECT_EQ(messages.shown()[0].kind, RecordingMessageService::Shown::Kind::Error);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("refused")));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostFormsTest, ARemovalMonthThatIsNoneOrTooEarlyKeepsTheDialogOpen) {
    const Snapshot before = snapshot();
    TMzForm dialog(dm, 2, 3);
    dialog.show();
    auto* date = child<QLineEdit>(dialog, "edtMzsj");
    for (const char* bad : {"2023.13", "23.07", "2022.04"}) {  // 市长 since 2022.05
        date->setText(QString::fromUtf8(bad));
        child<QPushButton>(dialog, "btnOK")->click();
    }
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.texts().size(), 3);
    EXPECT_EQ(messages.texts()[0], cadre::kBadRemovalMonth);
    EXPECT_EQ(messages.texts()[1], cadre::kBadRemovalMonth);
    EXPECT_TRUE(messages.texts()[2].startsWith(cadre::kRemovalBeforeAppointment));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostFormsTest, TheRemovalDialogCanOfferOnlyTheHandedPosts) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    const int secretary = postId(2, 3, QStringLiteral("党组书记"));
    TMzForm dialog(dm, 2, 3);
    dialog.onlyPosts({secretary});
    dialog.show();
    auto* grid = child<QTableWidget>(dialog, "gridPosts");
    EXPECT_EQ(column(grid, 2), QStringList{QStringLiteral("党组书记")});
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkShowAll")->isEnabled());
    child<QPushButton>(dialog, "btnOK")->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(postValue(secretary, QStringLiteral("status")).toInt(), 2);
    EXPECT_EQ(postValue(postId(2, 3, QStringLiteral("市长")), QStringLiteral("status")).toInt(), 1);
}

// ---- 删除职务 ----------------------------------------------------------------------------------

TEST_F(PostFormsTest, TheDeletionDialogDeletesTheMarkedPosts) {
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    const int mayor = postId(2, 3, QStringLiteral("市长"));
    const int secretary = postId(2, 3, QStringLiteral("党组书记"));
    TDelZwForm dialog(dm, 2, 3);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("删除职务"));
    EXPECT_EQ(child<QLabel>(dialog, "lblNote")->text(),
              QStringLiteral("注意：本操作用于直接删除录入错误的职务，不保留曾任职务。"));
    EXPECT_EQ(child<QLabel>(dialog, "lblChoose")->text(), QStringLiteral("选择要删除的职务："));
    EXPECT_EQ(child<QPushButton>(dialog, "btnOK")->text(), QStringLiteral("确定"));
    dialog.show();
    auto* grid = child<QTableWidget>(dialog, "gridPosts");
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("市长"), QStringLiteral("党组书记")}));
    EXPECT_EQ(marks(grid), (QList<bool>{true, true}));
    toggleMark(grid, 0);
    const int former = count(QStringLiteral("tb_cadre_zw"), QStringLiteral("status=2"));

    child<QPushButton>(dialog, "btnOK")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(postValue(secretary, QStringLiteral("ZwID")).isNull());
    EXPECT_EQ(postValue(mayor, QStringLiteral("status")).toInt(), 1);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("status=2")), former);
    EXPECT_EQ(member(2, 3)->zwList.toString(), QStringLiteral("市长"));
}

// ---- 按职务类别批量设置职务
// ----------------------------------------------------------------------

TEST_F(PostFormsTest, ChoosingACategoryFillsNameQuotaAndHolders) {
    run(QStringLiteral("update tb_cadre_zw set zt='副职' where dwID=1 and zwmc='副书记'"));
    TPlzwSetForm dialog(dm, 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("按职务类别批量设置职务"));
    auto* unit = child<QLineEdit>(dialog, "edtUnit");
    EXPECT_EQ(unit->text(), QStringLiteral("中共某市委员会"));
    EXPECT_TRUE(unit->isReadOnly());
    auto* categories = child<QComboBox>(dialog, "cbCategory");
    QStringList offered;
    for (int i = 0; i < categories->count(); ++i) {
        offered << categories->itemText(i);
    }
    EXPECT_EQ(offered, cadre::categoryChoices(db(), 1).value());
    EXPECT_EQ(categories->currentIndex(), -1);
    auto* post = child<QComboBox>(dialog, "cbPost");
    EXPECT_TRUE(post->isEditable());
    auto* quota = child<QSpinBox>(dialog, "spnQuota");
    EXPECT_EQ(quota->minimum(), 1);
    auto* grid = child<QTableWidget>(dialog, "gridCadres");
    EXPECT_EQ(headers(grid), (QStringList{QStringLiteral("ID"), QStringLiteral("姓名"),
                                          QStringLiteral("职务"), QStringLiteral("任职时间")}));
    for (const auto& [name, caption] : {std::pair{"btnAdd", "添加"},
                                        {"btnDelete", "删除"},
                                        {"btnRemove", "免除职务"},
                                        {"btnOK", "确定"},
                                        {"btnCancel", "取消"}}) {
        EXPECT_EQ(child<QPushButton>(dialog, name)->text(), QString::fromUtf8(caption));
    }
    EXPECT_EQ(child<QAction>(dialog, "actFromUnit")->text(), QStringLiteral("从本单位人员中选择"));
    EXPECT_EQ(child<QAction>(dialog, "actFromAll")->text(), QStringLiteral("从全部干部中选择"));

    struct Case {
        const char* category;
        const char* post;
        QStringList ids;
    };
    const Case cases[] = {
        {"副职", "副书记", {QStringLiteral("2"), QStringLiteral("3")}},
        {"正职", "书记", {}},
        {"常委", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category);
        categories->setCurrentIndex(categories->findText(QString::fromUtf8(c.category)));
        EXPECT_EQ(post->currentText(), QString::fromUtf8(c.post));
        EXPECT_EQ(quota->value(), 1);
        EXPECT_EQ(column(grid, 0), c.ids);
    }
    categories->setCurrentIndex(categories->findText(QStringLiteral("副职")));
    EXPECT_EQ(column(grid, 1), (QStringList{QStringLiteral("何  国"), dm.CadreName(3).value()}));
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("副书记"), QStringLiteral("副书记")}));
    EXPECT_EQ(column(grid, 3), (QStringList{QStringLiteral("2022.05"), QStringLiteral("2021.09")}));
    EXPECT_FALSE(dialog.changed());
}

TEST_F(PostFormsTest, MembersOfTheUnitAreAddedAndWrittenOnOk) {
    run(
        QStringLiteral("insert into tb_department_zs (DwID,zwmc,zwtype,zwrs) values "
                       "(12,'主任','正职',1)"));
    const int director = postId(35, 12, QStringLiteral("主任"));
    const int deputy = postId(36, 12, QStringLiteral("副主任"));
    const int posts = count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1"));
    TPlzwSetForm dialog(dm, 12);
    dialog.show();
    auto* categories = child<QComboBox>(dialog, "cbCategory");
    categories->setCurrentIndex(categories->findText(QStringLiteral("正职")));
    auto* post = child<QComboBox>(dialog, "cbPost");
    EXPECT_EQ(post->currentText(), QStringLiteral("主任"));
    auto* grid = child<QTableWidget>(dialog, "gridCadres");
    ASSERT_EQ(grid->rowCount(), 0);

    QStringList listed;
    for (int round = 0; round < 2; ++round) {
        // The second round picks the same members again: nothing is listed twice.
        ModalAnswer<QDialog> answer([&listed](QDialog* picker) {
            auto* members = picker->findChild<QListWidget*>(QStringLiteral("lstMembers"));
            listed.clear();
            for (int i = 0; i < members->count(); ++i) {
                listed << members->item(i)->text();
            }
            members->item(0)->setCheckState(Qt::Checked);
            members->item(1)->setCheckState(Qt::Checked);
            picker->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        child<QAction>(dialog, "actFromUnit")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    ASSERT_EQ(listed.size(), 4);
    EXPECT_TRUE(listed[0].startsWith(dm.CadreName(35).value()));
    EXPECT_EQ(column(grid, 0), (QStringList{QStringLiteral("35"), QStringLiteral("36")}));
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("主任"), QStringLiteral("主任")}));
    grid->item(1, 2)->setText(QStringLiteral("副主任"));
    grid->item(1, 3)->setText(QStringLiteral("2017.3"));
    child<QSpinBox>(dialog, "spnQuota")->setValue(2);

    child<QPushButton>(dialog, "btnOK")->click();

    ASSERT_EQ(dialog.result(), QDialog::Accepted) << messages.texts().join(u'\n');
    EXPECT_TRUE(dialog.changed());
    // Both already held their posts: edited, none added.
    EXPECT_EQ(count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1")), posts);
    EXPECT_EQ(postValue(director, QStringLiteral("zt")).toString(), QStringLiteral("正职"));
    EXPECT_EQ(postValue(deputy, QStringLiteral("zt")).toString(), QStringLiteral("正职"));
    EXPECT_EQ(postValue(deputy, QStringLiteral("rzsjstr")).toString(), QStringLiteral("2017.3"));
    EXPECT_EQ(count(QStringLiteral("tb_department_zs"),
                    QStringLiteral("DwID=12 and zwtype='正职' and zwmc='主任' and zwrs=2")),
              1);
    EXPECT_EQ(count(QStringLiteral("tb_department_zs"), QStringLiteral("DwID=12")), 1);
}

TEST_F(PostFormsTest, CadresAreAddedFromAllCadresThroughThePicker) {
    TPlzwSetForm dialog(dm, 12);
    dialog.show();
    auto* categories = child<QComboBox>(dialog, "cbCategory");
    categories->setCurrentIndex(categories->findText(QStringLiteral("副职")));
    child<QComboBox>(dialog, "cbPost")->lineEdit()->insert(QStringLiteral("副主任"));
    QString pickedName;
    ModalAnswer<TQueryForm1> answer([&pickedName](TQueryForm1* picker) {
        picker->findChild<QLineEdit*>(QStringLiteral("edtText"))->insert(QStringLiteral("何"));
        auto* candidates = picker->findChild<QTableWidget*>(QStringLiteral("gridCandidates"));
        if (candidates->rowCount() > 0) {
            pickedName = candidates->item(0, 1)->text();
            candidates->selectRow(0);
        }
        picker->findChild<QPushButton*>(QStringLiteral("btnRight"))->click();
        picker->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    child<QAction>(dialog, "actFromAll")->trigger();
    ASSERT_TRUE(answer.seen());
    ASSERT_FALSE(pickedName.isEmpty());
    auto* grid = child<QTableWidget>(dialog, "gridCadres");
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 1)->text(), pickedName);
    EXPECT_EQ(dm.CadreName(grid->item(0, 0)->text().toInt()).value(), pickedName);
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("副主任"));
    EXPECT_EQ(grid->item(0, 3)->text(), QString());
}

TEST_F(PostFormsTest, OkRefusesWithoutCategoryOrPostName) {
    const Snapshot before = snapshot();
    TPlzwSetForm dialog(dm, 3);
    dialog.show();
    child<QPushButton>(dialog, "btnOK")->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("请选择职务类别")});
    EXPECT_TRUE(dialog.isVisible());

    run(QStringLiteral("update tb_cadre_zw set zt='副职' where dwID=3 and zwmc like '%副市长'"));
    auto* categories = child<QComboBox>(dialog, "cbCategory");
    categories->setCurrentIndex(categories->findText(QStringLiteral("副职")));
    auto* grid = child<QTableWidget>(dialog, "gridCadres");
    ASSERT_EQ(grid->rowCount(), 3);
    grid->item(2, 2)->setText(QString());
    grid->setCurrentCell(0, 0);
    messages.clear();
    child<QPushButton>(dialog, "btnOK")->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("请设置职务名称")});
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.changed());
    EXPECT_EQ(count(QStringLiteral("tb_department_zs"), QStringLiteral("1=1")), 0);
    run(QStringLiteral("update tb_cadre_zw set zt='' where dwID=3"));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(PostFormsTest, DeleteTakesTheHolderOutOfTheCategoryAfterTheQuestion) {
    run(QStringLiteral("update tb_cadre_zw set zt='副职' where dwID=3 and zwmc='副市长'"));
    const int ofCadre12 = postId(12, 3, QStringLiteral("副市长"));
    TPlzwSetForm dialog(dm, 3);
    dialog.show();
    auto* categories = child<QComboBox>(dialog, "cbCategory");
    categories->setCurrentIndex(categories->findText(QStringLiteral("副职")));
    auto* grid = child<QTableWidget>(dialog, "gridCadres");
    ASSERT_EQ(column(grid, 0), (QStringList{QStringLiteral("12"), QStringLiteral("13")}));
    auto* remove = child<QPushButton>(dialog, "btnDelete");

    grid->setCurrentCell(-1, -1);
    remove->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("请先在表格中选择要删除的项.")});

    const QString question = QStringLiteral("确认从该职务类别中删除 ") + dm.CadreName(12).value() +
                             QStringLiteral(
                                 "？\n注意：删除后，任职信息不会丢失，如需免职请从主页面执行"
                                 "\"免除职务\"");
    EXPECT_EQ(TPlzwSetForm::takeOutQuestion(dm.CadreName(12).value()), question);
    struct Case {
        bool answer;
        int rows;
        const char* zt;
    };
    const Case cases[] = {{false, 2, "副职"}, {true, 1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        messages.clear();
        messages.answerNext(c.answer);
        grid->setCurrentCell(0, 1);
        remove->click();
        EXPECT_EQ(messages.texts(), QStringList{question});
        EXPECT_EQ(grid->rowCount(), c.rows);
        EXPECT_EQ(postValue(ofCadre12, QStringLiteral("zt")).toString(), QString::fromUtf8(c.zt));
        EXPECT_EQ(dialog.changed(), c.answer);
    }
    EXPECT_EQ(postValue(ofCadre12, QStringLiteral("status")).toInt(), 1);
    EXPECT_EQ(column(grid, 0), QStringList{QStringLiteral("13")});
    EXPECT_EQ(postValue(postId(13, 3, QStringLiteral("副市长")), QStringLiteral("zt")).toString(),
              QStringLiteral("副职"));
}

TEST_F(PostFormsTest, RemovingAHolderGoesThroughTheRemovalDialog) {
    run(QStringLiteral("update tb_cadre_zw set zt='副职' where dwID=3 and zwmc='副市长'"));
    const int ofCadre13 = postId(13, 3, QStringLiteral("副市长"));
    TPlzwSetForm dialog(dm, 3);
    dialog.show();
    auto* categories = child<QComboBox>(dialog, "cbCategory");
    categories->setCurrentIndex(categories->findText(QStringLiteral("副职")));
    auto* grid = child<QTableWidget>(dialog, "gridCadres");
    auto* removal = child<QPushButton>(dialog, "btnRemove");

    grid->setCurrentCell(-1, -1);
    removal->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("请先在表格中选择要删除的项.")});

    QStringList offered;
    ModalAnswer<TMzForm> answer([&offered](TMzForm* form) {
        offered = column(form->findChild<QTableWidget*>(QStringLiteral("gridPosts")), 2);
        form->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    grid->setCurrentCell(1, 1);
    removal->click();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(offered, QStringList{QStringLiteral("副市长")});
    EXPECT_EQ(postValue(ofCadre13, QStringLiteral("status")).toInt(), 2);
    EXPECT_EQ(postValue(postId(12, 3, QStringLiteral("副市长")), QStringLiteral("status")).toInt(),
              1);
    EXPECT_EQ(column(grid, 0), QStringList{QStringLiteral("12")});
    EXPECT_TRUE(dialog.changed());
    // Still a member of the unit the removal was made in.
    ASSERT_TRUE(member(13, 3).has_value());
    EXPECT_TRUE(member(13, 3)->zwList.isNull());

    // A row added in the dialog holds no post of the category yet.
    ModalAnswer<QDialog> pick([](QDialog* picker) {
        picker->findChild<QListWidget*>(QStringLiteral("lstMembers"))
            ->item(0)
            ->setCheckState(Qt::Checked);
        picker->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    child<QAction>(dialog, "actFromUnit")->trigger();
    ASSERT_TRUE(pick.seen());
    ASSERT_EQ(grid->rowCount(), 2);
    messages.clear();
    grid->setCurrentCell(1, 1);
    removal->click();
    EXPECT_EQ(messages.texts(), QStringList{TPlzwSetForm::kNoCategoryPost});
}

}  // namespace
