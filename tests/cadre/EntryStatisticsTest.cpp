#include <gtest/gtest.h>

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "CadreData.h"
#include "cadre/EntryStatistics.h"
#include "cadre/ui/TInforForm.h"
#include "support/RecordingMessageService.h"

namespace cadre {

void PrintTo(const EntryCounts& c, std::ostream* os) {
    *os << "{cadres " << c.cadres << ", units " << c.units << ", posts " << c.posts << "}";
}

}  // namespace cadre

namespace {

using cadre::EntryCounts;
using cadre::EntryStatistics;

// The sample holds 60 cadres (all serving), 15 real units among 16 tree nodes, and 191 post
// rows (65 current, 126 former).
constexpr EntryCounts kSampleCounts{60, 15, 191};

class EntryStatisticsTest : public CadreData {
  protected:
    int snapshots() {
        return db().scalar(QStringLiteral("select count(*) from tb_totalInfor"))->toInt();
    }

    RecordingMessageService messages;
};

TEST_F(EntryStatisticsTest, CountsTheSample) {
    const auto counts = cadre::countEntries(dm);
    ASSERT_TRUE(counts.ok()) << counts.errorText();
    EXPECT_EQ(*counts, kSampleCounts);
    // The same numbers the tables give directly.
    EXPECT_EQ(counts->cadres, count(QStringLiteral("tb_cadre"), QStringLiteral("1=1")));
    EXPECT_EQ(counts->units, count(QStringLiteral("tb_department"), QStringLiteral("isdep=1")));
    EXPECT_EQ(counts->posts, count(QStringLiteral("tb_cadre_zw"), QStringLiteral("1=1")));
}

TEST_F(EntryStatisticsTest, EveryLibraryAndFormerPostsCountButGroupingsDoNot) {
    run(QStringLiteral("update tb_cadre set classid=1 where CadreID=1"));
    run(QStringLiteral("update tb_cadre set classid=2 where CadreID=2"));
    addPost(3, 1, QStringLiteral("副书记"), 9, QStringLiteral("2001.01"), 2);
    const int unit =
        db().scalar(QStringLiteral("select min(ID) from tb_department where isdep=1"))->toInt();
    run(QStringLiteral("update tb_department set isdep=0 where ID=") + QString::number(unit));
    const auto counts = cadre::countEntries(dm);
    ASSERT_TRUE(counts.ok());
    EXPECT_EQ(*counts, (EntryCounts{60, 14, 192}));
}

TEST_F(EntryStatisticsTest, OneSnapshotPerOpening) {
    EntryStatistics first(dm, kSampleCounts);
    ASSERT_TRUE(first.openHistory());
    EXPECT_EQ(first.historyCount(), 0);
    EXPECT_TRUE(first.canSave());
    const QDateTime at(QDate(2013, 5, 6), QTime(14, 30, 15));
    ASSERT_TRUE(first.save(at));
    EXPECT_FALSE(first.canSave());
    EXPECT_FALSE(first.save(at.addSecs(60)));
    EXPECT_EQ(snapshots(), 1);
    EXPECT_EQ(first.historyCount(), 1);
    EXPECT_EQ(first.snapshot(0).logTime, at);
    EXPECT_EQ(first.snapshot(0).counts, kSampleCounts);
    const auto row =
        db().query(QStringLiteral("select LogTime, cadreNum, depNum, zwNum from "
                                  "tb_totalInfor"));
    ASSERT_TRUE(row && row->rows.size() == 1u);
    EXPECT_EQ(row->rows[0][0].toDateTime(), at);
    EXPECT_EQ(row->rows[0][1].toInt(), 60);
    EXPECT_EQ(row->rows[0][2].toInt(), 15);
    EXPECT_EQ(row->rows[0][3].toInt(), 191);

    // Opening again allows another snapshot; the history keeps the order of saving.
    EntryStatistics second(dm, EntryCounts{61, 15, 193});
    ASSERT_TRUE(second.openHistory());
    EXPECT_EQ(second.historyCount(), 1);
    ASSERT_TRUE(second.save(at.addDays(1)));
    EXPECT_EQ(snapshots(), 2);
    ASSERT_EQ(second.historyCount(), 2);
    EXPECT_EQ(second.snapshot(1).counts, (EntryCounts{61, 15, 193}));

    ASSERT_TRUE(second.removeSnapshot(0));
    EXPECT_EQ(second.historyCount(), 1);
    EXPECT_EQ(second.snapshot(0).counts.cadres, 61);
    EXPECT_EQ(db().scalar(QStringLiteral("select cadreNum from tb_totalInfor"))->toInt(), 61);
    EXPECT_FALSE(second.removeSnapshot(5));
    EXPECT_EQ(snapshots(), 1);
}

template <class Widget>
Widget* child(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The captions of the window's labels, in creation order.
QStringList labelTexts(QWidget& form) {
    QStringList texts;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

TEST_F(EntryStatisticsTest, WindowShowsTheCountsWithTheHistoryHidden) {
    TInforForm form(dm, nullptr);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("录入数据统计信息"));
    EXPECT_EQ(form.counts(), kSampleCounts);
    EXPECT_EQ(child<QLabel>(form, "lblCadreNum")->text(), QStringLiteral("60"));
    EXPECT_EQ(child<QLabel>(form, "lblDepNum")->text(), QStringLiteral("15"));
    EXPECT_EQ(child<QLabel>(form, "lblZwNum")->text(), QStringLiteral("191"));
    const QStringList labels = labelTexts(form);
    for (const char* caption : {"在职干部数：", "当前单位数：", "在职干部职务数："}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    }
    EXPECT_EQ(child<QPushButton>(form, "btnSave")->text(), QStringLiteral("保 存"));
    EXPECT_EQ(child<QPushButton>(form, "btnHistory")->text(), QStringLiteral("查看历史"));
    EXPECT_EQ(child<QPushButton>(form, "btnDelete")->text(), QStringLiteral("删除记录"));
    EXPECT_EQ(child<QPushButton>(form, "btnExit")->text(), QStringLiteral("退 出"));
    auto* grid = child<QTableWidget>(form, "gridHistory");
    ASSERT_EQ(grid->columnCount(), 4);
    const char* headers[] = {"记录时间", "干部数", "单位数", "职务数"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), QString::fromUtf8(headers[c]));
    }

    form.show();
    EXPECT_FALSE(child<QWidget>(form, "pnlHistory")->isVisible());
    EXPECT_FALSE(child<QPushButton>(form, "btnDelete")->isVisible());
    child<QPushButton>(form, "btnHistory")->click();
    EXPECT_TRUE(child<QWidget>(form, "pnlHistory")->isVisible());
    EXPECT_TRUE(child<QPushButton>(form, "btnDelete")->isVisible());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EntryStatisticsTest, WindowSavesOnceAndReopeningSavesAgain) {
    {
        TInforForm form(dm, nullptr);
        auto* save = child<QPushButton>(form, "btnSave");
        auto* grid = child<QTableWidget>(form, "gridHistory");
        EXPECT_EQ(grid->rowCount(), 0);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        save->click();
        EXPECT_FALSE(save->isEnabled());
        EXPECT_EQ(snapshots(), 1);
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("60"));
        EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("15"));
        EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("191"));
        const QDateTime logged =
            QDateTime::fromString(grid->item(0, 0)->text(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        EXPECT_GE(logged, before);
        EXPECT_LE(logged, QDateTime::currentDateTime().addSecs(1));
        save->click();  // disabled: no second row
        EXPECT_EQ(snapshots(), 1);
    }
    addPost(3, 1, QStringLiteral("委员"), 9);
    TInforForm again(dm, nullptr);
    auto* save = child<QPushButton>(again, "btnSave");
    EXPECT_TRUE(save->isEnabled());
    EXPECT_EQ(child<QTableWidget>(again, "gridHistory")->rowCount(), 1);
    save->click();
    EXPECT_EQ(snapshots(), 2);
    EXPECT_EQ(child<QTableWidget>(again, "gridHistory")->item(1, 3)->text(), QStringLiteral("192"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EntryStatisticsTest, WindowDeletesTheChosenRowAfterConfirmation) {
    EntryStatistics earlier(dm, EntryCounts{1, 2, 3});
    ASSERT_TRUE(earlier.save(QDateTime(QDate(2012, 1, 1), QTime(8, 0))));
    EntryStatistics later(dm, EntryCounts{4, 5, 6});
    ASSERT_TRUE(later.save(QDateTime(QDate(2012, 2, 1), QTime(8, 0))));

    TInforForm form(dm, nullptr);
    child<QPushButton>(form, "btnHistory")->click();
    auto* grid = child<QTableWidget>(form, "gridHistory");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("2012-01-01 08:00:00"));
    auto* remove = child<QPushButton>(form, "btnDelete");

    remove->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("请先在表格中选择要删除的项.")});
    EXPECT_EQ(snapshots(), 2);

    messages.clear();
    grid->selectRow(1);
    remove->click();  // declined
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("确认删除当前记录?")});
    EXPECT_EQ(snapshots(), 2);

    messages.clear();
    messages.answerNext(true);
    grid->selectRow(1);
    remove->click();
    EXPECT_EQ(snapshots(), 1);
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(db().scalar(QStringLiteral("select cadreNum from tb_totalInfor"))->toInt(), 1);
}

}  // namespace
