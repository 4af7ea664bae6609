#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "app/DataModule.h"
#include "cadre/CadreRecord.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "db/Database.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

// The editor as the main window opens it; unit 12 lists cadres 35..38.
class CadreFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        ASSERT_TRUE(tree->selectUnit(12));
    }
    QVariant stored(int cadre, const char* column) {
        return dm.db()
            .scalar(QStringLiteral("select %1 from tb_cadre where CadreID=%2")
                        .arg(QString::fromLatin1(column))
                        .arg(cadre))
            .value();
    }
    // Runs `body` in the editor that `command` opens, then closes it with "关 闭".
    void inEditor(const char* command, const std::function<void(TCadreForm*)>& body) {
        const ModalAnswer<TCadreForm> answer([&body](TCadreForm* editor) {
            body(editor);
            if (editor->isVisible()) {
                child<QPushButton>(editor, "btnClose")->click();
            }
        });
        form->findChild<QAction*>(QString::fromLatin1(command))->trigger();
        EXPECT_TRUE(answer.seen()) << command;
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    UnitTreeWidget* tree = nullptr;
};

TEST_F(CadreFormTest, ACadreOpenedFromTheListIsEditedSavedAndShownInTheList) {
    PageDw* page = form->cadreList();
    ASSERT_TRUE(page->selectRow(0));
    const QString name = stored(35, "xm").toString();
    inEditor("actCadreDetail", [&](TCadreForm* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("干部信息管理  --  ") + name);
        auto* allow = child<QCheckBox>(editor, "chkAllowEdit");
        EXPECT_FALSE(allow->isChecked());
        EXPECT_FALSE(child<QPushButton>(editor, "btnSave")->isEnabled());
        // Typing while locked is refused with the hint.
        auto* phone = child<QLineEdit>(editor, "edtTel");
        QTest::keyClick(phone, Qt::Key_A);
        EXPECT_EQ(messages.texts(), QStringList{TCadreForm::kLocked});
        messages.clear();

        allow->click();
        ASSERT_TRUE(allow->isChecked());
        child<QComboBox>(editor, "cbJgsheng")->setEditText(QStringLiteral("江苏南京"));
        child<QLineEdit>(editor, "edtCsny")->setText(QStringLiteral("1965.3"));
        child<QPushButton>(editor, "btnSave")->click();
        EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone});
        // The record is shown again as stored.
        EXPECT_EQ(child<QLineEdit>(editor, "edtCsny")->text(), QStringLiteral("1965.03"));
        EXPECT_TRUE(editor->changed());
    });
    EXPECT_EQ(stored(35, "jgsheng").toString(), QStringLiteral("江苏南京"));
    EXPECT_EQ(stored(35, "csnyStr").toString(), QStringLiteral("1965.03"));
    EXPECT_EQ(stored(35, "csny").toDate(), QDate(1965, 3, 1));
    // The list is read again and stays on the cadre.
    auto* grid = page->findChild<QTableView*>(QStringLiteral("cxGrid2DBTableView1"));
    const QModelIndex current = grid->currentIndex();
    EXPECT_EQ(current.siblingAtColumn(CadreListModel::columnOf("cadreid")).data().toInt(), 35);
    EXPECT_EQ(current.siblingAtColumn(CadreListModel::columnOf("jgsheng")).data().toString(),
              QStringLiteral("江苏南京"));
    EXPECT_EQ(current.siblingAtColumn(CadreListModel::columnOf("csnyStr")).data().toString(),
              QStringLiteral("1965.03"));
    // A place typed for the first time is offered from now on.
    EXPECT_TRUE(form->pickLists().nativePlaces.contains(QStringLiteral("江苏南京")));
}

TEST_F(CadreFormTest, ARefusedSaveKeepsTheInputAndWritesNothing) {
    ASSERT_TRUE(form->cadreList()->selectRow(1));
    const QVariant before = stored(36, "csnyStr");
    inEditor("actCadreDetail", [&](TCadreForm* editor) {
        child<QCheckBox>(editor, "chkAllowEdit")->click();
        auto* birth = child<QLineEdit>(editor, "edtCsny");
        birth->setText(QStringLiteral("1865.3"));
        child<QLineEdit>(editor, "edtTel")->setText(QStringLiteral("12345"));
        child<QPushButton>(editor, "btnSave")->click();
        EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("错误的出生年月!"),
                                                 QStringLiteral("保存错误，错误代码!00001")}));
        EXPECT_EQ(birth->text(), QStringLiteral("1865.3"));
        // Closing with the refused input keeps the window and the input.
        child<QPushButton>(editor, "btnClose")->click();
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(birth->text(), QStringLiteral("1865.3"));
        child<QPushButton>(editor, "btnCancel")->click();
        EXPECT_EQ(birth->text(), before.toString());
    });
    EXPECT_EQ(stored(36, "csnyStr"), before);
    EXPECT_TRUE(stored(36, "tel").toString().isEmpty());
}

TEST_F(CadreFormTest, ANewCadreNeedsANameAndJoinsTheSelectedUnitOnce) {
    const int next = dm.NextMemberOrder(12).value();
    inEditor("actNewCadre", [&](TCadreForm* editor) {
        EXPECT_TRUE(child<QCheckBox>(editor, "chkAllowEdit")->isChecked());
        auto* pages = child<QTabWidget>(editor, "PageControl1");
        pages->setCurrentIndex(2);
        EXPECT_EQ(pages->currentIndex(), 0);
        EXPECT_EQ(messages.texts(), QStringList{cadre::kNameRequired});
        child<QLineEdit>(editor, "edtXm")->setText(QStringLiteral("张 三"));
        child<QLineEdit>(editor, "edtCsny")->setText(QStringLiteral("1980.5"));
        // Leaving the first page saves the new record.
        pages->setCurrentIndex(1);
        EXPECT_EQ(pages->currentIndex(), 1);
        EXPECT_GT(editor->lastCadreId(), 0);
        // Saving again changes nothing and joins nothing again.
        child<QPushButton>(editor, "btnSave")->click();
    });
    const auto rows = dm.db().query(
        QStringLiteral("select CadreID, csnyStr, py from tb_cadre where xm='张  三'"));
    ASSERT_EQ(rows->rows.size(), 1u);
    const int id = rows->rows[0].value(0).toInt();
    EXPECT_EQ(rows->rows[0].value(1).toString(), QStringLiteral("1980.05"));
    EXPECT_EQ(rows->rows[0].value(2).toString(), QStringLiteral("ZS"));
    const auto membership = dm.db().query(
        QStringLiteral("select zwOrder from tb_cadre_node where ZwCadreID=%1").arg(id));
    ASSERT_EQ(membership->rows.size(), 1u);
    EXPECT_EQ(membership->rows[0].value(0).toInt(), next);
    EXPECT_EQ(form->cadreList()->rowCount(), 5);
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("countLabel"))->text(),
              QStringLiteral("当前干部数:61"));
}

TEST_F(CadreFormTest, TheLibraryListsSearchesAndStepsThroughCadres) {
    inEditor("actCadreLibrary", [&](TCadreForm* editor) {
        auto* list = child<QTableWidget>(editor, "lstCadres");
        EXPECT_EQ(child<QLabel>(editor, "lblTotal")->text(), QStringLiteral("合计：60"));
        EXPECT_EQ(list->rowCount(), 60);
        child<QLineEdit>(editor, "edtSearch")->setText(QStringLiteral("LC"));
        ASSERT_EQ(list->rowCount(), 1);
        EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("刘  成"));
        EXPECT_EQ(child<QLineEdit>(editor, "edtXm")->text(), QStringLiteral("刘  成"));
        child<QPushButton>(editor, "btnShowAll")->click();
        EXPECT_EQ(list->rowCount(), 60);
        list->setCurrentCell(2, 0);
        EXPECT_EQ(child<QLineEdit>(editor, "edtXm")->text(), list->item(2, 0)->text());
        EXPECT_EQ(editor->lastCadreId(), list->item(2, 0)->data(Qt::UserRole).toInt());
    });
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

TEST_F(CadreFormTest, ACadreThatIsGoneIsReportedAsGone) {
    cadre::PickLists lists;
    TCadreForm editor(dm, lists);
    const Result<void> opened = editor.openCadre(99999);
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.failure().message, cadre::kCadreMissing);
}

TEST_F(CadreFormTest, TheArrowsStepThroughTheCallersListAndStopAtItsEnds) {
    cadre::PickLists lists;
    TCadreForm editor(dm, lists);
    ASSERT_TRUE(editor.openCadre(35));
    editor.setStepList({35, 36, 37}, 0);
    editor.show();
    auto* next = child<QPushButton>(&editor, "btnNext");
    auto* prior = child<QPushButton>(&editor, "btnPrior");
    ASSERT_TRUE(next->isVisible());
    const QList<std::pair<QPushButton*, int>> clicks = {{next, 36},  {next, 37},  {next, 37},
                                                        {prior, 36}, {prior, 35}, {prior, 35}};
    for (const auto& [button, expected] : clicks) {
        button->click();
        EXPECT_EQ(editor.lastCadreId(), expected);
        EXPECT_EQ(child<QLineEdit>(&editor, "edtXm")->text(), stored(expected, "xm").toString());
    }
    editor.reject();
}

// ---- The editor on its own
// ------------------------------------------------------------------------

// The editor as the tests of its record and its library list drive it: its own window, the
// sample database, and every message recorded.
class CadreEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        editor = std::make_unique<TCadreForm>(dm, lists);
    }

    void run(const QString& statement, const QVariantList& params = {}) {
        ASSERT_TRUE(dm.db().exec(statement, params)) << dm.db().lastError();
    }

    // Every column of the cadre's stored row except the photo, as SQLite quotes the stored
    // value ("name=value"), so that a changed type or a lost fraction shows.
    QStringList storedRow(int cadre) {
        QStringList quoted;
        const QStringList columns = dm.db().columns(QStringLiteral("tb_cadre"));
        for (const QString& column : columns) {
            if (column.compare(QStringLiteral("photo"), Qt::CaseInsensitive) == 0) {
                continue;
            }
            const auto statement = dm.db().prepareNative(
                QStringLiteral("select quote([%1]) from tb_cadre where CadreID=%2")
                    .arg(column)
                    .arg(cadre));
            EXPECT_TRUE(statement != nullptr) << column.toStdString();
            if (statement && statement->step() == db::SqlStatement::Step::Row) {
                quoted << column + u'=' + statement->value(0).toString();
            }
        }
        return quoted;
    }

    int count(const QString& where) {
        return dm.db()
            .scalar(QStringLiteral("select count(*) from tb_cadre where ") + where)
            ->toInt();
    }

    QVariant stored(int cadre, const char* column) {
        return dm.db()
            .scalar(QStringLiteral("select %1 from tb_cadre where CadreID=%2")
                        .arg(QString::fromLatin1(column))
                        .arg(cadre))
            .value();
    }

    // Opens cadre `cadre` in single mode with editing on.
    void openForEditing(int cadre) {
        ASSERT_TRUE(editor->openCadre(cadre));
        editor->show();
        child<QCheckBox>(editor.get(), "chkAllowEdit")->click();
        ASSERT_TRUE(child<QCheckBox>(editor.get(), "chkAllowEdit")->isChecked());
    }

    void clickSave() { child<QPushButton>(editor.get(), "btnSave")->click(); }

    QTableWidget* list() { return child<QTableWidget>(editor.get(), "lstCadres"); }

    // The cadre the list selects (0 when none).
    int selectedId() {
        const QTableWidgetItem* item = list()->item(list()->currentRow(), 0);
        return item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
    }

    int rowOf(int cadre) {
        for (int r = 0; r < list()->rowCount(); ++r) {
            if (list()->item(r, 0)->data(Qt::UserRole).toInt() == cadre) {
                return r;
            }
        }
        return -1;
    }

    // Whether the editor shows an empty record that cannot be edited or saved.
    void expectEmptyDisabledForm() {
        auto* name = child<QLineEdit>(editor.get(), "edtXm");
        EXPECT_TRUE(name->text().isEmpty());
        EXPECT_TRUE(name->isReadOnly());
        EXPECT_TRUE(child<QLineEdit>(editor.get(), "edtTel")->isReadOnly());
        EXPECT_FALSE(child<QPushButton>(editor.get(), "btnSave")->isEnabled());
        EXPECT_FALSE(child<QPushButton>(editor.get(), "btnDelete")->isEnabled());
        EXPECT_EQ(editor->lastCadreId(), 0);
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    cadre::PickLists lists;
    std::unique_ptr<TCadreForm> editor;
};

TEST_F(CadreEditorTest, SavingWritesOnlyTheChangedColumn) {
    // Stored values that the editor's controls cannot show exactly as they are.
    run(QStringLiteral("update tb_cadre set zyzcTime=?, A3801=?, A3817=?, A3827=null, A3831=null, "
                       "ctype=0, ZwLock=null, other=?, A3824=?, xrz=?, qrzxxzy=?, zzxxzy=?, "
                       "khNote=?, jcNote=?, fggz=?, gzjl=?, csnyStr='1965.3', csny=?, xm='张三', "
                       "py='X', gxl='旧学历', allRzsjList='2018.5', zwjb2='旧职级', "
                       "Classid=0 where CadreID=35"),
        {QDate(2001, 5, 17), QDateTime(QDate(2003, 4, 5), QTime(10, 30)),
         QDateTime(QDate(2009, 1, 2), QTime(8, 15, 30)), QStringLiteral("第一行\r\n第二行"),
         QStringLiteral("备注\r\n二"), QStringLiteral("书记\r\n主任"),
         QStringLiteral("某大学\r\n经济专业 "), QStringLiteral("党校\r\n"),
         QStringLiteral("称职\r\n优秀"), QStringLiteral("嘉奖\r\n记功"),
         QStringLiteral("分管\r\n工作"),
         QStringLiteral("1983.09--1987.07  某大学学习\r\n1987.07--        某单位工作"),
         QDate(1965, 3, 15)});
    QStringList expected = storedRow(35);
    openForEditing(35);
    child<QLineEdit>(editor.get(), "edtTel")->setText(QStringLiteral("5551234"));
    clickSave();
    EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone});
    expected.replaceInStrings(QRegularExpression(QStringLiteral("^tel=.*$")),
                              QStringLiteral("tel='5551234'"));
    EXPECT_EQ(storedRow(35), expected);

    // An edited memo keeps its CR LF line ends.
    messages.clear();
    auto* remark = child<QPlainTextEdit>(editor.get(), "memOther");
    remark->setPlainText(remark->toPlainText() + QStringLiteral("\n第三行"));
    clickSave();
    EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone});
    EXPECT_EQ(stored(35, "other").toString(), QStringLiteral("第一行\r\n第二行\r\n第三行"));
}

TEST_F(CadreEditorTest, SavingWithNothingChangedClaimsNoSave) {
    const QStringList before = storedRow(35);
    openForEditing(35);
    clickSave();
    EXPECT_EQ(messages.texts(), QStringList{cadre::kNothingToSave});
    EXPECT_FALSE(editor->changed());
    // Typing a value and taking it back is no change either.
    messages.clear();
    auto* phone = child<QLineEdit>(editor.get(), "edtTel");
    const QString phoneBefore = phone->text();
    phone->setText(QStringLiteral("1"));
    phone->setText(phoneBefore);
    clickSave();
    EXPECT_EQ(messages.texts(), QStringList{cadre::kNothingToSave});
    EXPECT_EQ(storedRow(35), before);
}

// Every month box of the editor: what the box lets through, and what a save makes of it.
TEST_F(CadreEditorTest, MonthBoxesTakeOnlyMonthsOfTheEntryPattern) {
    const struct {
        const char* box;
        const char* text;  // the stored month text ("" for a column without one)
        const char* date;
        const char* message;
        const char* stage;  // "" when the refusal gives no stage code
    } boxes[] = {
        {"edtCsny", "csnyStr", "csny", "错误的出生年月!", "00001"},
        {"edtRdsj", "rdsjStr", "rdsj", "错误的入党时间!", "00002"},
        {"edtGzsj", "gzsjStr", "gzsj", "错误的工作时间!", "00003"},
        {"edtZwjbTime", "zwjbTimeStr", "zwjbTime", "错误的任职级时间!", "00004"},
        {"edtAllRzsjList", "allRzsjList", "", "错误的任现职时间!", ""},
        {"edtZyzcTime", "", "zyzcTime", "错误的取得时间!", ""},
    };
    // Typed key by key, the box refuses what cannot become a month of the pattern.
    const struct {
        const char* keys;
        const char* shown;
    } typing[] = {{"abc", ""}, {"1965-3", "1965"}, {"2025.13", "2025.1"}, {"65.3x", "65.3"}};
    // Put into the box as a whole (bypassing the box's check), and the save's answer.
    const struct {
        const char* put;
        const char* storedText;  // nullptr: refused, nothing written
        QDate date;
    } saves[] = {
        {"1965.3", "1965.03", QDate(1965, 3, 1)},
        {"1965.11", "1965.11", QDate(1965, 11, 1)},
        {"1965", nullptr, {}},
        {"65.03", nullptr, {}},
        {"abc", nullptr, {}},
        {"2025.13", nullptr, {}},
        {"1965-3", "1965.03", QDate(1965, 3, 1)},
    };
    openForEditing(36);
    for (const auto& b : boxes) {
        auto* box = child<QLineEdit>(editor.get(), b.box);
        ASSERT_NE(box, nullptr);
        for (const auto& t : typing) {
            box->clear();
            QTest::keyClicks(box, QString::fromLatin1(t.keys));
            EXPECT_EQ(box->text(), QString::fromLatin1(t.shown)) << b.box << " " << t.keys;
        }
        for (const auto& s : saves) {
            child<QPushButton>(editor.get(), "btnCancel")->click();
            const QStringList before = storedRow(36);
            messages.clear();
            box->setText(QString::fromLatin1(s.put));
            clickSave();
            if (s.storedText == nullptr) {
                QStringList refusal{QString::fromUtf8(b.message)};
                if (*b.stage != '\0') {
                    refusal << QStringLiteral("保存错误，错误代码!") + QLatin1String(b.stage);
                }
                EXPECT_EQ(messages.texts(), refusal) << b.box << " " << s.put;
                EXPECT_EQ(storedRow(36), before) << b.box << " " << s.put;
                EXPECT_EQ(box->text(), QString::fromLatin1(s.put)) << b.box << " " << s.put;
                continue;
            }
            EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone}) << b.box << " " << s.put;
            if (*b.text != '\0') {
                EXPECT_EQ(stored(36, b.text).toString(), QString::fromLatin1(s.storedText))
                    << b.box << " " << s.put;
            }
            if (*b.date != '\0') {
                EXPECT_EQ(stored(36, b.date).toDate(), s.date) << b.box << " " << s.put;
            }
            EXPECT_EQ(box->text(), QString::fromLatin1(s.storedText)) << b.box << " " << s.put;
        }
    }
}

TEST_F(CadreEditorTest, ArchiveDatesThatAreNoDatesAreRefused) {
    const struct {
        const char* box;
        const char* column;
        const char* message;
    } boxes[] = {{"edtA3801", "A3801", "错误的转入日期!"},
                 {"edtA3817", "A3817", "错误的转出日期!"}};
    openForEditing(36);
    for (const auto& b : boxes) {
        auto* box = child<QLineEdit>(editor.get(), b.box);
        for (const char* bad : {"abc", "2003-13-01", "2003.04", "1850-01-01"}) {
            child<QPushButton>(editor.get(), "btnCancel")->click();
            const QStringList before = storedRow(36);
            messages.clear();
            box->setText(QString::fromLatin1(bad));
            clickSave();
            EXPECT_EQ(messages.texts(), QStringList{QString::fromUtf8(b.message)})
                << b.box << " " << bad;
            EXPECT_EQ(storedRow(36), before) << b.box << " " << bad;
        }
        messages.clear();
        box->setText(QStringLiteral("2003-4-5"));
        clickSave();
        EXPECT_EQ(messages.texts(), QStringList{cadre::kSaveDone}) << b.box;
        EXPECT_EQ(stored(36, b.column).toDate(), QDate(2003, 4, 5)) << b.box;
        EXPECT_EQ(box->text(), QStringLiteral("2003-04-05")) << b.box;
    }
}

TEST_F(CadreEditorTest, AfterARefusedSaveTheListStaysOnTheCadreShown) {
    editor->startLibrary();
    editor->show();
    child<QCheckBox>(editor.get(), "chkAllowEdit")->click();
    list()->setCurrentCell(3, 0);
    const int shown = selectedId();
    ASSERT_EQ(editor->lastCadreId(), shown);
    auto* birth = child<QLineEdit>(editor.get(), "edtCsny");
    birth->setText(QStringLiteral("65.03"));
    list()->setCurrentCell(5, 0);
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("错误的出生年月!"),
                                             QStringLiteral("保存错误，错误代码!00001")}));
    EXPECT_EQ(selectedId(), shown);
    EXPECT_EQ(editor->lastCadreId(), shown);
    EXPECT_EQ(birth->text(), QStringLiteral("65.03"));

    // Nor does another library take the list away from it.
    messages.clear();
    auto* library = child<QComboBox>(editor.get(), "cbLibrary");
    library->setCurrentIndex(1);
    EXPECT_EQ(messages.texts().value(0), QStringLiteral("错误的出生年月!"));
    EXPECT_EQ(library->currentIndex(), 0);
    EXPECT_EQ(list()->rowCount(), 60);
    EXPECT_EQ(selectedId(), shown);
    EXPECT_EQ(birth->text(), QStringLiteral("65.03"));

    // "删 除" removes the cadre that is both shown and selected, and shows the next one.
    const int next = list()->item(4, 0)->data(Qt::UserRole).toInt();
    messages.answerNext(true);
    child<QPushButton>(editor.get(), "btnDelete")->click();
    EXPECT_FALSE(stored(shown, "xm").isValid());
    EXPECT_EQ(rowOf(shown), -1);
    EXPECT_EQ(selectedId(), next);
    EXPECT_EQ(editor->lastCadreId(), next);
    EXPECT_EQ(child<QLineEdit>(editor.get(), "edtXm")->text(), stored(next, "xm").toString());
}

TEST_F(CadreEditorTest, AnEmptyLibraryShowsAnEmptyDisabledForm) {
    run(QStringLiteral("update tb_cadre set Classid=1 where CadreID=7"));
    editor->startLibrary();
    editor->show();
    child<QCheckBox>(editor.get(), "chkAllowEdit")->click();
    auto* library = child<QComboBox>(editor.get(), "cbLibrary");

    // The transferred-out library holds nobody.
    library->setCurrentIndex(2);
    EXPECT_EQ(list()->rowCount(), 0);
    expectEmptyDisabledForm();
    EXPECT_TRUE(child<QPushButton>(editor.get(), "btnAdd")->isEnabled());

    // The retired library loses its only cadre.
    library->setCurrentIndex(1);
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(editor->lastCadreId(), 7);
    EXPECT_TRUE(child<QPushButton>(editor.get(), "btnSave")->isEnabled());
    const QString name = stored(7, "xm").toString();
    messages.answerNext(true);
    child<QPushButton>(editor.get(), "btnDelete")->click();
    EXPECT_FALSE(stored(7, "xm").isValid());
    EXPECT_EQ(list()->rowCount(), 0);
    expectEmptyDisabledForm();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("确认删除干部 ") + name + QStringLiteral(" ?")});
}

TEST_F(CadreEditorTest, ANewCadreJoinsTheLibraryOnShow) {
    editor->startLibrary();
    editor->show();
    child<QCheckBox>(editor.get(), "chkAllowEdit")->click();
    for (const int library : {1, 2, 0}) {
        child<QComboBox>(editor.get(), "cbLibrary")->setCurrentIndex(library);
        const int listed = list()->rowCount();
        child<QPushButton>(editor.get(), "btnAdd")->click();
        EXPECT_EQ(selectedId(), 0) << library;
        const QString name = QStringLiteral("新人%1").arg(library);
        child<QLineEdit>(editor.get(), "edtXm")->setText(name);
        clickSave();
        const int id = editor->lastCadreId();
        ASSERT_GT(id, 60) << library;
        EXPECT_EQ(stored(id, "classid").toInt(), library);
        EXPECT_EQ(list()->rowCount(), listed + 1) << library;
        EXPECT_EQ(selectedId(), id) << library;
    }

    // A new record deleted before it was saved is only dropped; the list's last cadre shows.
    child<QPushButton>(editor.get(), "btnAdd")->click();
    child<QLineEdit>(editor.get(), "edtXm")->setText(QStringLiteral("不存"));
    messages.answerNext(true);
    child<QPushButton>(editor.get(), "btnDelete")->click();
    EXPECT_EQ(count(QStringLiteral("xm='不存'")), 0);
    const int last = list()->item(list()->rowCount() - 1, 0)->data(Qt::UserRole).toInt();
    EXPECT_EQ(selectedId(), last);
    EXPECT_EQ(editor->lastCadreId(), last);
    EXPECT_EQ(child<QLineEdit>(editor.get(), "edtXm")->text(), stored(last, "xm").toString());
}

}  // namespace
