#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QDate>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/CadreList.h"
#include "main/ui/CadreListModel.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

// Collects what Qt's model tester reports, so that a broken model contract fails the test with
// the tester's own words.
class ModelTesterLog {
  public:
    ModelTesterLog() {
        messages_ = &lines_;
        previous_ = qInstallMessageHandler(&ModelTesterLog::handle);
    }
    ~ModelTesterLog() {
        qInstallMessageHandler(previous_);
        messages_ = nullptr;
    }
    ModelTesterLog(const ModelTesterLog&) = delete;
    ModelTesterLog& operator=(const ModelTesterLog&) = delete;

    const QStringList& lines() const { return lines_; }

  private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (messages_ != nullptr && type != QtDebugMsg &&
            qstrcmp(context.category, "qt.modeltest") == 0) {
            messages_->append(text);
        }
    }

    static inline QStringList* messages_ = nullptr;
    QtMessageHandler previous_ = nullptr;
    QStringList lines_;
};

class CadreListModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    db::PagedRows::Query wholeTree() const {
        return mainwin::cadreListQuery(0, QStringLiteral("0"), QString(), kToday);
    }
    // The list read in one statement.
    std::vector<QVariantList> readWhole(int unit, const QString& subtree, QStringList* columns) {
        const auto r = dm.db().query(mainwin::cadreListStatement(unit, subtree, QString(), kToday));
        EXPECT_TRUE(r) << dm.db().lastError();
        if (!r) {
            return {};
        }
        *columns = r->columns;
        return r->rows;
    }
    QStringList column(const CadreListModel& model, const char* field) const {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row) {
            values << model.value(row, field).toString();
        }
        return values;
    }

    const QDate kToday{2026, 12, 10};
    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(CadreListModelTest, KeepsTheItemModelContractThroughLoadsSortsAndClears) {
    ModelTesterLog log;
    CadreListModel model;
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);

    ASSERT_TRUE(model.load(dm.db(), wholeTree()).ok());
    EXPECT_GT(model.rowCount(), 10);
    model.sort(CadreListModel::columnOf("xm"), Qt::DescendingOrder);
    ASSERT_TRUE(
        model.load(dm.db(), mainwin::cadreListQuery(12, QString(), QString(), kToday)).ok());
    EXPECT_EQ(model.rowCount(), 4);
    model.sort(CadreListModel::columnOf("csnyStr"), Qt::AscendingOrder);
    model.sort(-1);
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);

    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(u'\n').toStdString();
}

TEST_F(CadreListModelTest, ShowsTheRowsOfTheListStatementAndCountsPositions) {
    QStringList columns;
    const std::vector<QVariantList> whole = readWhole(0, QStringLiteral("0"), &columns);
    CadreListModel model;
    ASSERT_TRUE(model.load(dm.db(), wholeTree()).ok());
    ASSERT_EQ(model.rowCount(), static_cast<int>(whole.size()));
    for (const char* field : {"xm", "csnyStr", "name", "CnID", "zwOrder", "age"}) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (columns[i].compare(QString::fromLatin1(field), Qt::CaseInsensitive) == 0) {
                at = i;
            }
        }
        ASSERT_GE(at, 0) << field;
        for (int row = 0; row < model.rowCount(); ++row) {
            EXPECT_EQ(model.value(row, field), whole[static_cast<size_t>(row)].value(at))
                << field << " row " << row;
        }
    }
    // "序号" shows the position in the list, the stored order stays readable.
    const int order = CadreListModel::columnOf("zwOrder");
    EXPECT_EQ(model.index(0, order).data().toInt(), 1);
    EXPECT_EQ(model.index(model.rowCount() - 1, order).data().toInt(), model.rowCount());
    const int cnId = model.value(5, "CnID").toInt();
    EXPECT_EQ(model.rowOfMembership(cnId), 5);
    EXPECT_EQ(model.rowOfCadre(model.value(7, "CadreID").toInt()), 7);
    EXPECT_EQ(model.rowOfMembership(-5), -1);
}

TEST_F(CadreListModelTest, SortingKeepsTheListOrderAmongEqualValuesAndSurvivesReloads) {
    CadreListModel model;
    ASSERT_TRUE(model.load(dm.db(), wholeTree()).ok());
    const QStringList listOrder = column(model, "CnID");
    const QStringList sexes = column(model, "xb");

    model.sort(CadreListModel::columnOf("xb"), Qt::AscendingOrder);
    // Equal values keep the list's own order: a stable sort of the rows as listed.
    QList<int> expected;
    for (int i = 0; i < listOrder.size(); ++i) {
        expected << i;
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [&sexes](int a, int b) { return sexes[a].compare(sexes[b]) < 0; });
    QStringList expectedIds;
    for (const int i : expected) {
        expectedIds << listOrder[i];
    }
    EXPECT_EQ(column(model, "CnID"), expectedIds);

    // A reload keeps the sort; sorting by "序号" goes back to the list's order.
    ASSERT_TRUE(model.load(dm.db(), wholeTree()).ok());
    EXPECT_EQ(column(model, "CnID"), expectedIds);
    model.sort(CadreListModel::columnOf("zwOrder"), Qt::AscendingOrder);
    EXPECT_EQ(column(model, "CnID"), listOrder);

    // Descending by birth month, empty values last in ascending order and first in descending.
    model.sort(CadreListModel::columnOf("csnyStr"), Qt::DescendingOrder);
    const QStringList months = column(model, "csnyStr");
    for (int i = 1; i < months.size(); ++i) {
        EXPECT_GE(months[i - 1], months[i]) << i;
    }
}

TEST_F(CadreListModelTest, AListThatCannotBeReadIsReportedAndEmpty) {
    CadreListModel model;
    db::PagedRows::Query broken = wholeTree();
    broken.from += QStringLiteral(" and nosuchcolumn=1");
    const Result<void> loaded = model.load(dm.db(), broken);
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
