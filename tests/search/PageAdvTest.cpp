#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolBox>

#include "SearchFixture.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "cadre/ui/TMdForm.h"
#include "cadre/ui/TQueryForm1.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"
#include "rosters/Rosters.h"
#include "rosters/ui/TSelMcForm.h"
#include "search/ResultSort.h"
#include "search/SearchResult.h"
#include "search/WhereClause.h"
#include "search/ui/PageAdv.h"
#include "search/ui/TQueryAdvForm.h"
#include "search/ui/TQueryLogForm.h"
#include "search/ui/TQueryModeForm.h"
#include "search/ui/TSortAdvForm.h"
#include "statistics/CountTable.h"
#include "statistics/ui/CountPanel.h"
#include "statistics/ui/PageChart.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "units/ui/TQueryDwForm.h"
#include "units/ui/TSelectedDwForm.h"
#include "widgets/TMoveLineForm.h"

namespace {

class PageAdvTest : public SearchFixture {
  protected:
    void SetUp() override {
        SearchFixture::SetUp();
        page = std::make_unique<PageAdv>(dm, lists);
        tester = std::make_unique<QAbstractItemModelTester>(
            page->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
        page->show();
    }
    // The names the grid shows, top to bottom, without blanks.
    QStringList shown() const {
        QStringList names;
        const int column = CadreListModel::columnOf("xm");
        for (int row = 0; row < page->model()->rowCount(); ++row) {
            names << page->model()->index(row, column).data().toString().remove(u' ');
        }
        return names;
    }
    QString heading() const { return child<QLabel>(*page, "lblAdvHeading")->text(); }
    QString logText() const { return page->log()->text(); }
    // Runs "按条件查找干部", answering the mode dialog with `mode` (when it comes) and filling
    // the search dialog with `fill` before OK.
    void search(const std::function<void(TQueryAdvForm*)>& fill, const char* mode = nullptr) {
        ModalAnswer<TQueryModeForm> modeAnswer([mode](TQueryModeForm* form) {
            if (mode != nullptr) {
                child<QRadioButton>(form, mode)->click();
            }
            child<QPushButton>(form, "btnOK")->click();
        });
        ModalAnswer<TQueryAdvForm> answer([&fill](TQueryAdvForm* form) {
            fill(form);
            child<QPushButton>(form, "btnOK")->click();
        });
        page->action("actAdvSearch")->trigger();
        EXPECT_TRUE(answer.seen());
        EXPECT_EQ(modeAnswer.seen(), mode != nullptr);
    }
    static void setText(TQueryAdvForm* form, const char* box, const QString& text) {
        child<QLineEdit>(form, box)->setText(text);
    }

    cadre::PickLists lists;
    RecordingMessageService messages;
    std::unique_ptr<PageAdv> page;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(PageAdvTest, SearchesReplaceExtendAndNarrowTheResultWithLogAndHeading) {
    EXPECT_EQ(heading(), QString());
    search([](TQueryAdvForm* form) { setText(form, "edtName", QStringLiteral("张")); });
    EXPECT_EQ(shown(), (QStringList{"张三", "张小明"}));
    EXPECT_EQ(heading(), QStringLiteral("查询结果 （共2人）"));
    // Mode 2 adds the women without taking 张小明 twice.
    search([](TQueryAdvForm* form) { child<QComboBox>(form, "cbSex")->setCurrentText("女"); },
           "rbAdd");
    EXPECT_EQ(shown(), (QStringList{"张三", "张小明", "周华"}));
    // Mode 3 keeps those born in 1972 or later... of age 40 or less on the reference month.
    search(
        [](TQueryAdvForm* form) {
            child<QComboBox>(form, "cbAgeRelation")->setCurrentIndex(3);  // 小于等于
            setText(form, "edtAgeFrom", QStringLiteral("40"));
            child<QRadioButton>(form, "rbAgeAt")->click();
            setText(form, "edtAgeMonth", QStringLiteral("2012.07"));
        },
        "rbNarrow");
    EXPECT_EQ(shown(), (QStringList{"张三", "张小明"}));
    EXPECT_EQ(heading(), QStringLiteral("查询结果 （共2人）"));
    EXPECT_EQ(logText(), QStringLiteral("当前结果共2人，本次查询符合再查询条件2人\n"
                                        "当前结果共3人，本次查询符合再查询条件1人\n"
                                        "当前结果共2人，本次查询符合再查询条件-1人"));
    // Cancel in the mode dialog changes nothing.
    {
        ModalAnswer<TQueryModeForm> cancel(
            [](TQueryModeForm* form) { child<QPushButton>(form, "btnCancel")->click(); });
        page->action("actAdvSearch")->trigger();
        EXPECT_TRUE(cancel.seen());
    }
    EXPECT_EQ(shown().size(), 2);
    // The result is a table: a new page shows it as it was.
    PageAdv again(dm, lists);
    again.reload();
    EXPECT_EQ(again.rowCount(), 2);
}

TEST_F(PageAdvTest, RefusedInputKeepsTheDialogOpenWithItsMessage) {
    ModalAnswer<TQueryAdvForm> answer([this](TQueryAdvForm* form) {
        child<QComboBox>(form, "cbAgeRelation")->setCurrentIndex(4);  // 介于
        setText(form, "edtAgeFrom", QStringLiteral("30"));
        child<QPushButton>(form, "btnOK")->click();
        EXPECT_TRUE(form->isVisible());
        child<QComboBox>(form, "cbAgeRelation")->setCurrentIndex(1);
        child<QRadioButton>(form, "rbAgeAt")->click();
        child<QPushButton>(form, "btnOK")->click();
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(messages.texts(), (QStringList{search::kAgesIncomplete, search::kNoAgeDate}));
        // "清空条件" empties the boxes; a quote in a name is just a character.
        child<QPushButton>(form, "btnClear")->click();
        EXPECT_EQ(child<QLineEdit>(form, "edtAgeFrom")->text(), QString());
        setText(form, "edtName", QStringLiteral("张'"));
        child<QPushButton>(form, "btnOK")->click();
    });
    page->action("actAdvSearch")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(page->rowCount(), 0);
    EXPECT_EQ(heading(), QStringLiteral("查询结果 （共0人）"));
}

TEST_F(PageAdvTest, RowsAreAddedByHandRemovedMovedAndSorted) {
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace,
                                  QStringLiteral(" where classid=0")));
    page->reload();
    EXPECT_EQ(shown(), (QStringList{"张三", "张小明", "李四", "周华"}));
    // By hand: 王五 (retired) from the picker.
    {
        ModalAnswer<TQueryForm1> pick([](TQueryForm1* picker) {
            child<QLineEdit>(picker, "edtText")->setText(QStringLiteral("WW"));
            child<QTableWidget>(picker, "gridCandidates")->selectRow(0);
            child<QPushButton>(picker, "btnRight")->click();
            child<QPushButton>(picker, "btnOK")->click();
        });
        exec(QStringLiteral("update tb_cadre set classid=0 where CadreID=4"));
        messages.answerNext(true);  // "是否添加全部1项?"
        page->action("actAdvByHand")->trigger();
        ASSERT_TRUE(pick.seen());
    }
    EXPECT_EQ(shown().last(), QStringLiteral("王五"));
    EXPECT_TRUE(logText().endsWith(QStringLiteral("选择加入1人，当前共5人")));
    // Down moves the selected row and keeps it selected; its neighbour is the next in key
    // order, whatever column the grid was sorted by.
    page->grid()->sortByColumn(CadreListModel::columnOf("xm"), Qt::DescendingOrder);
    ASSERT_TRUE(page->selectRow(page->model()->rowOfCadre(1)));
    page->action("actAdvMoveDown")->trigger();
    EXPECT_EQ(shown().mid(0, 2), (QStringList{"张小明", "张三"}));
    EXPECT_EQ(page->selectedRow(), 1);
    // "移动到..." row 1.
    ASSERT_TRUE(page->selectRow(4));
    {
        ModalAnswer<TMoveLineForm> move([](TMoveLineForm* form) {
            form->setTargetRow(1);
            form->accept();
        });
        page->action("actAdvMoveTo")->trigger();
        ASSERT_TRUE(move.seen());
    }
    EXPECT_EQ(shown().first(), QStringLiteral("王五"));
    // Removing the selected row.
    ASSERT_TRUE(page->selectRow(0));
    page->action("actAdvRemove")->trigger();
    EXPECT_EQ(shown(), (QStringList{"张小明", "张三", "李四", "周华"}));
    EXPECT_TRUE(logText().endsWith(QStringLiteral("----------------------\n删除王  五等1人")));
    // The combined sort through its dialog: the missing first element is refused first.
    {
        ModalAnswer<TSortAdvForm> sort([this](TSortAdvForm* form) {
            child<QRadioButton>(form, "rbCombined")->click();
            child<QPushButton>(form, "btnOK")->click();
            EXPECT_TRUE(form->isVisible());
            child<QRadioButton>(form, "rbRange")->click();
            child<QLineEdit>(form, "edtFrom")->setText(QStringLiteral("3"));
            child<QLineEdit>(form, "edtTo")->setText(QStringLiteral("2"));
            child<QComboBox>(form, "cbFirst")->setCurrentIndex(0);
            child<QPushButton>(form, "btnOK")->click();
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(messages.texts().mid(messages.texts().size() - 2),
                      (QStringList{search::kNoFirstElement, search::kBadRange}));
            child<QRadioButton>(form, "rbAll")->click();
            child<QPushButton>(form, "btnOK")->click();
        });
        page->action("actAdvSortCombined")->trigger();
        ASSERT_TRUE(sort.seen());
    }
    // Level first (县处级正职, 县处级副职, 科员, none), strokes second.
    EXPECT_EQ(shown(), (QStringList{"张三", "张小明", "李四", "周华"}));
    page->action("actAdvSortDefault")->trigger();
    EXPECT_EQ(shown(), (QStringList{"张三", "张小明", "李四", "周华"}));
    // "清空查询结果".
    page->action("actAdvClear")->trigger();
    EXPECT_EQ(page->rowCount(), 0);
}

TEST_F(PageAdvTest, LocatingACadreAndTheExistenceCheck) {
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
    page->reload();
    const auto locate = [this](const QString& typed) {
        ModalAnswer<QInputDialog> answer([typed](QInputDialog* dialog) {
            dialog->setTextValue(typed);
            dialog->accept();
        });
        page->action("actAdvLocate")->trigger();
        EXPECT_TRUE(answer.seen());
        return page->selectedRow();
    };
    EXPECT_EQ(locate(QStringLiteral("ww")), 3);
    // From the selected row on, and round to the top.
    EXPECT_EQ(locate(QStringLiteral("张")), 0);
    EXPECT_EQ(locate(QStringLiteral("张")), 1);
    EXPECT_EQ(locate(QStringLiteral("张")), 0);
    EXPECT_EQ(locate(QStringLiteral("赵")), 0);
    EXPECT_EQ(messages.texts(), QStringList{PageAdv::kNotFound});

    auto* box = child<QLineEdit>(*page, "edtCheck");
    EXPECT_EQ(box->text(), PageAdv::kCheckHint);
    box->setText(QStringLiteral("李四"));
    QTest::keyClick(box, Qt::Key_Return);
    box->setText(QStringLiteral("李五"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(messages.texts().size(), 3);
    EXPECT_TRUE(messages.texts()[1].startsWith(QStringLiteral("干部“李四”已存在，共1人")));
    EXPECT_EQ(messages.texts()[2], QStringLiteral("干部“李五”不存在。"));
}

TEST_F(PageAdvTest, TheUnitFilterChecksUnitsThatRestrictTheSearch) {
    exec(QStringLiteral("insert into tb_cadre_node (ZwCadreID,dwID,zwOrder) values (3,8,1)"));
    search([this](TQueryAdvForm* form) {
        ModalAnswer<TQueryDwForm> filter([](TQueryDwForm* dialog) {
            child<QLineEdit>(dialog, "cxTextEdit1")->setText(QStringLiteral("组织部"));
            child<QPushButton>(dialog, "cxButton1")->click();
        });
        child<QPushButton>(form, "btnFilterUnits")->click();
        ASSERT_TRUE(filter.seen());
        EXPECT_EQ(messages.texts(), QStringList{TQueryAdvForm::foundUnitsMessage(1)});
        EXPECT_EQ(child<QLabel>(form, "lblUnitCount")->text(), QStringLiteral("当前共选中单位：1"));
        ModalAnswer<TSelectedDwForm> selected([](TSelectedDwForm* dialog) {
            EXPECT_EQ(child<QListWidget>(dialog, "lstUnits")->count(), 1);
            child<QPushButton>(dialog, "btnOK")->click();
        });
        child<QPushButton>(form, "btnSelectedUnits")->click();
        ASSERT_TRUE(selected.seen());
        EXPECT_EQ(form->checkedUnits(), QList<int>{8});
    });
    EXPECT_EQ(shown(), QStringList{"李四"});
    EXPECT_EQ(page->searchedUnits(), QList<int>{8});
}

TEST_F(PageAdvTest, TheSelectedCadreOpensInTheEditor) {
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
    page->reload();
    page->action("actAdvDetail")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{PageDw::kSelectToView});
    ASSERT_TRUE(page->selectRow(2));
    int opened = 0;
    {
        ModalAnswer<TCadreForm> answer([&opened](TCadreForm* editor) {
            opened = editor->lastCadreId();
            editor->reject();
        });
        page->action("actAdvDetail")->trigger();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(page->selectedRow(), 2);
}

TEST_F(PageAdvTest, UnbuiltEntriesArePresentAndDisabled) {
    for (const char* name : {"actAdvBatchOutput", "actAdvCustomOutput", "actAdvSystemPrint"}) {
        ASSERT_NE(page->action(name), nullptr) << name;
        EXPECT_FALSE(page->action(name)->isEnabled()) << name;
    }
    for (const char* name :
         {"actAdvSearch", "actAdvByHand", "actAdvExport", "actAdvSortByUnit", "actAdvSaveDefault",
          "actAdvLog", "actAdvFromRoster", "actAdvSaveRoster", "actAdvCountTable", "actAdvChartAge",
          "actAdvChartNationality"}) {
        EXPECT_TRUE(page->action(name)->isEnabled()) << name;
    }
}

TEST_F(PageAdvTest, SavingTheDefaultOrderAsksFirst) {
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace,
                                  QStringLiteral(" where CadreID in (3,5)")));
    page->reload();
    page->action("actAdvSaveDefault")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{search::kConfirmSaveDefault});
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select gbOrd from tb_cadre where CadreID=3"))->toInt(),
              3);
    messages.answerNext(true);
    page->action("actAdvSaveDefault")->trigger();
    EXPECT_EQ(dm.db().scalar(QStringLiteral("select gbOrd from tb_cadre where CadreID=3"))->toInt(),
              1);
}

TEST_F(PageAdvTest, ThePickerFindsByConditionsNameListAndCadresInNoUnit) {
    TQueryForm1 picker(dm, 0);
    picker.show();
    auto* candidates = child<QTableWidget>(picker, "gridCandidates");
    {
        ModalAnswer<TQueryAdvForm> answer([](TQueryAdvForm* form) {
            child<QLineEdit>(form, "edtTitle")->setText(QStringLiteral("教授"));
            child<QPushButton>(form, "btnOK")->click();
        });
        child<QPushButton>(picker, "btnAdvanced")->click();
        ASSERT_TRUE(answer.seen());
    }
    ASSERT_EQ(candidates->rowCount(), 1);
    EXPECT_EQ(candidates->item(0, 1)->text(), QStringLiteral("张  三"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("共找到1人"));

    exec(QStringLiteral("update tb_cadre set xm='张小明' where CadreID=3"));
    {
        ModalAnswer<TMdForm> answer([](TMdForm* form) {
            child<QPlainTextEdit>(form, "memNames")
                ->setPlainText(QStringLiteral("张三\n张小明，无此人、张 三"));
            form->accept();
        });
        child<QRadioButton>(picker, "rbByNames")->click();
        ASSERT_TRUE(answer.seen());
    }
    EXPECT_EQ(candidates->rowCount(), 3);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("搜索名单共3人，找到3人，重名：张小明"));

    child<QRadioButton>(picker, "rbNoUnit")->click();
    EXPECT_EQ(candidates->rowCount(), 4);
}

TEST(PageAdvInMainWindow, TheAnalysisItemShowsTheResultAndTheMenusSortIt) {
    TestHome home;
    TDataM dm{home.path()};
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase()));
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
    RecordingMessageService messages;
    TMainForm form(dm);
    form.show();
    child<QToolBox>(form, "NavBar")->setCurrentIndex(4);
    auto* items = child<QListWidget>(form, "lstAnalysis");
    items->setCurrentRow(2);
    auto* pages = child<QStackedWidget>(form, "PageControl");
    EXPECT_EQ(pages->currentWidget(), form.searchResult());
    EXPECT_EQ(form.searchResult()->rowCount(), 60);
    EXPECT_TRUE(child<QAction>(form, "actSortCombined")->isEnabled());
    EXPECT_TRUE(child<QAction>(form, "actSortByUnit")->isEnabled());
    child<QAction>(form, "actSortByUnit")->trigger();
    PageAdv* page = form.searchResult();
    EXPECT_EQ(page->rowCount(), 60);
    // The unit column shows, with the unit each cadre is placed by.
    const int unitColumn = CadreListModel::columnOf("name");
    EXPECT_FALSE(page->grid()->isColumnHidden(unitColumn));
    const QString firstUnit = page->model()->index(0, unitColumn).data().toString();
    const QString lastUnit = page->model()->index(59, unitColumn).data().toString();
    EXPECT_FALSE(firstUnit.isEmpty());
    EXPECT_NE(firstUnit, lastUnit);
    page->action("actAdvSortDefault")->trigger();
    EXPECT_TRUE(page->grid()->isColumnHidden(unitColumn));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n');
}

// While the count table's reverse lookup lists a cell's cadres, what the list shows is what the
// output takes: "保存至名册" saves those cadres in their order, every "统计图" counts them, and
// "移动到..." moves a row to the row asked of the list shown.
TEST(PageAdvInMainWindow, AReverseLookupIsWhatTheRosterTheChartsAndTheMovesTake) {
    TestHome home;
    TDataM dm{home.path()};
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase()));
    const Result<int> everyone = search::runSearch(dm.db(), search::SearchMode::Replace, QString());
    ASSERT_TRUE(everyone);
    const Result<int> roster = rosters::createRoster(dm.db(), {QStringLiteral("反查名册"), 2100});
    ASSERT_TRUE(roster);
    RecordingMessageService messages;
    TMainForm form(dm);
    form.show();
    PageAdv* page = form.searchResult();
    page->reload();
    page->action("actAdvCountTable")->setChecked(true);

    // A cell that holds some cadres of the result, not all.
    const statistics::CountTable& table = page->countPanel()->table();
    int row = -1;
    int column = -1;
    for (int r = 0; r < table.rows.size() && row < 0; ++r) {
        for (int c = 0; c < table.columns.size(); ++c) {
            if (table.counts[r][c] > 1 && table.counts[r][c] < *everyone) {
                row = r;
                column = c;
                break;
            }
        }
    }
    ASSERT_GE(row, 0);
    child<QTableWidget>(*page, "StringGrid1")->setCurrentCell(row, column + 1);
    child<QPushButton>(*page, "btnReverse")->click();
    const QList<int> shown = page->model()->cadreIds();
    ASSERT_GT(shown.size(), 1);
    ASSERT_LT(shown.size(), *everyone);

    {
        const ModalAnswer<TSelMcForm> choose([&roster](TSelMcForm* dialog) {
            auto* box = child<QComboBox>(dialog, "cxComboBox1");
            box->setCurrentIndex(box->findData(*roster));
            child<QPushButton>(dialog, "cxButton1")->click();
        });
        page->action("actAdvSaveRoster")->trigger();
        ASSERT_TRUE(choose.seen());
    }
    const auto saved = dm.db().query(
        QStringLiteral("select McCadreID from tb_beadroll_detail where mcID=? order by brOrder"),
        {*roster});
    ASSERT_TRUE(saved);
    QList<int> savedIds;
    for (const QVariantList& line : saved->rows) {
        savedIds << line.value(0).toInt();
    }
    EXPECT_EQ(savedIds, shown);

    // The sexes of the cadres shown, counted here.
    QMap<QString, int> sexes;
    for (const int cadre : shown) {
        const QString sex =
            dm.db()
                .scalar(QStringLiteral("select xb from tb_cadre where CadreID=?"), {cadre})
                ->toString();
        ++sexes[sex == QStringLiteral("男") || sex == QStringLiteral("女")
                    ? sex
                    : QStringLiteral("<未知>")];
    }
    auto* chart = form.findChild<PageChart*>();
    ASSERT_NE(chart, nullptr);
    for (const char* entry : {"actAdvChartAge", "actAdvChartSex", "actAdvChartEducation",
                              "actAdvChartParty", "actAdvChartNationality"}) {
        page->action(entry)->trigger();
        int total = 0;
        QMap<QString, int> counted;
        for (const statistics::ChartRow& category : chart->rows()) {
            total += category.count;
            counted[category.label] += category.count;
        }
        EXPECT_EQ(total, shown.size()) << entry;
        if (qstrcmp(entry, "actAdvChartSex") == 0) {
            EXPECT_EQ(counted, sexes);
        }
        chart->action("actChartClose")->trigger();
    }

    // The last row shown to row 1 of the list shown, and back down to row 2.
    QList<int> expected = shown;
    for (const auto& [from, to] : {std::pair{static_cast<int>(shown.size()), 1}, std::pair{1, 2}}) {
        ASSERT_TRUE(page->selectRow(from - 1));
        const ModalAnswer<TMoveLineForm> move([to](TMoveLineForm* dialog) {
            dialog->setTargetRow(to);
            dialog->accept();
        });
        page->action("actAdvMoveTo")->trigger();
        ASSERT_TRUE(move.seen());
        expected.move(from - 1, to - 1);
        EXPECT_EQ(page->model()->cadreIds(), expected) << from << " to " << to;
    }
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

}  // namespace
