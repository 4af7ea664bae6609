#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QDate>
#include <QLoggingCategory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/CadreList.h"
#include "main/CadreListModel.h"
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

TEST(CadreListModel, KeepsTheItemModelContractThroughLoadsSortsAndClears) {
    TestHome home;
    TDataM dm(home.path());
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    const std::optional<db::QueryResult> everyone = dm.db().query(
        mainwin::cadreListStatement(0, QStringLiteral("0"), QString(), QDate(2026, 12, 10)));
    ASSERT_TRUE(everyone) << dm.db().lastError();
    ASSERT_GT(everyone->rows.size(), 10u);
    const std::optional<db::QueryResult> oneUnit =
        dm.db().query(mainwin::cadreListStatement(12, QString(), QString(), QDate(2026, 12, 10)));
    ASSERT_TRUE(oneUnit) << dm.db().lastError();

    ModelTesterLog log;
    CadreListModel model;
    CadreListProxy proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester modelTester(&model,
                                         QAbstractItemModelTester::FailureReportingMode::Warning);
    QAbstractItemModelTester proxyTester(&proxy,
                                         QAbstractItemModelTester::FailureReportingMode::Warning);

    model.setRows(*everyone);
    EXPECT_EQ(proxy.rowCount(), static_cast<int>(everyone->rows.size()));
    proxy.sort(CadreListModel::columnOf("xm"), Qt::DescendingOrder);
    model.setRows(*oneUnit);
    EXPECT_EQ(proxy.rowCount(), static_cast<int>(oneUnit->rows.size()));
    proxy.sort(CadreListModel::columnOf("csnyStr"), Qt::AscendingOrder);
    model.clear();
    EXPECT_EQ(proxy.rowCount(), 0);

    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(u'\n').toStdString();
}

}  // namespace
