#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "db/Database.h"
#include "db/PagedRows.h"
#include "support/QtPrinters.h"

namespace {

// 23 people in three groups; the list is read three rows a page, keeping two pages.
class PagedRowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(db_.open(dir_.filePath(QStringLiteral("paged.db")),
                             db::Database::OpenMode::CreateIfMissing))
            << db_.lastError();
        run(
            QStringLiteral("CREATE TABLE person ([ID] Counter, grp integer, name TEXT(20), "
                           "born DATETIME, ord integer)"));
        run(QStringLiteral("CREATE TABLE grp ([gid] Counter, caption TEXT(20), pos integer)"));
        db::Transaction fill(db_);
        for (const char* caption : {"丙", "甲", "乙"}) {
            run(QStringLiteral("insert into grp (caption,pos) values ('%1',%2)")
                    .arg(QString::fromUtf8(caption))
                    .arg(QString::fromUtf8(caption) == QStringLiteral("甲") ? 1 : 2));
        }
        for (int i = 1; i <= 23; ++i) {
            run(QStringLiteral(
                    "insert into person (grp,name,born,ord) values (%1,'%2',#%3-01-01#,%4)")
                    .arg(i % 3 + 1)
                    .arg(QStringLiteral("p%1").arg(i, 2, 10, QLatin1Char('0')))
                    .arg(1960 + i % 5)
                    .arg(100 - i));
        }
        ASSERT_TRUE(fill.commit()) << db_.lastError();
    }
    void run(const QString& sql) { ASSERT_TRUE(db_.exec(sql)) << db_.lastError(); }

    db::PagedRows::Query query() const {
        return {QStringLiteral("ID,name,caption,born,grp"),
                QStringLiteral("from person as p inner join grp as g on p.grp=g.gid where p.ID<>7"),
                {QStringLiteral("ID"), QStringLiteral("grp")},
                QStringLiteral("pos,ord")};
    }
    // The same rows read whole, in the list's order.
    std::vector<QVariantList> readWhole() {
        const db::PagedRows::Query q = query();
        const auto r = db_.query(QStringLiteral("select ") + q.columns + u' ' + q.from +
                                 QStringLiteral(" order by ") + q.order);
        EXPECT_TRUE(r) << db_.lastError();
        return r ? r->rows : std::vector<QVariantList>{};
    }

    QTemporaryDir dir_;
    db::Database db_;
};

TEST_F(PagedRowsTest, RowsReadByPageAreTheRowsOfTheWholeStatementInItsOrder) {
    db::PagedRows paged(3, 2);
    ASSERT_TRUE(paged.load(db_, query()).ok());
    const std::vector<QVariantList> whole = readWhole();
    ASSERT_EQ(paged.size(), 22);
    ASSERT_EQ(whole.size(), 22u);
    EXPECT_EQ(paged.columns(), (QStringList{"ID", "name", "caption", "born", "grp"}));
    EXPECT_EQ(paged.columnIndex(QStringLiteral("CAPTION")), 2);
    EXPECT_EQ(paged.columnIndex(QStringLiteral("nothing")), -1);
    // Forwards, backwards and jumping about, past the two pages kept.
    std::vector<int> visits;
    for (int r = 0; r < 22; ++r) {
        visits.push_back(r);
    }
    for (int r = 21; r >= 0; r -= 4) {
        visits.push_back(r);
    }
    for (const int r : {0, 21, 10, 1, 20, 11}) {
        visits.push_back(r);
    }
    for (const int r : visits) {
        const QVariantList* row = paged.row(r);
        ASSERT_NE(row, nullptr) << r << paged.lastFailure().text();
        EXPECT_EQ(*row, whole[static_cast<size_t>(r)]) << r;
        EXPECT_EQ(paged.key(r), whole[static_cast<size_t>(r)][0].toLongLong());
        EXPECT_EQ(paged.key(r, 1), whole[static_cast<size_t>(r)][4].toLongLong());
    }
    EXPECT_EQ(paged.row(22), nullptr);
    EXPECT_EQ(paged.row(-1), nullptr);
    EXPECT_EQ(paged.rowOfKey(whole[5][0].toLongLong()), 5);
    EXPECT_EQ(paged.rowOfKey(7), -1);
    // The first row of a group, looked up by the second key.
    EXPECT_EQ(paged.rowOfKey(whole[0][4].toLongLong(), 1), 0);
}

TEST_F(PagedRowsTest, ReorderingAndColumnValuesFollowTheKeys) {
    db::PagedRows paged(4, 1);
    ASSERT_TRUE(paged.load(db_, query()).ok());
    const std::vector<QVariantList> whole = readWhole();
    const Result<QVariantList> names = paged.columnValues(QStringLiteral("name"));
    ASSERT_TRUE(names.ok()) << names.errorText();
    ASSERT_EQ(names->size(), 22);
    for (int r = 0; r < 22; ++r) {
        EXPECT_EQ(names->at(r), whole[static_cast<size_t>(r)][1]);
    }
    std::vector<int> reversed;
    for (int r = 21; r >= 0; --r) {
        reversed.push_back(r);
    }
    paged.reorder(reversed);
    for (int r = 0; r < 22; ++r) {
        ASSERT_NE(paged.row(r), nullptr);
        EXPECT_EQ(*paged.row(r), whole[static_cast<size_t>(21 - r)]);
    }
    EXPECT_EQ(paged.rowOfKey(whole[0][0].toLongLong()), 21);
}

TEST_F(PagedRowsTest, FailuresAreReportedAndNeverShownAsRows) {
    db::PagedRows paged(3, 2);
    db::PagedRows::Query broken = query();
    broken.order = QStringLiteral("nosuchcolumn");
    const Result<void> refused = paged.load(db_, broken);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.errorText().contains(QStringLiteral("nosuchcolumn")))
        << refused.errorText();
    EXPECT_EQ(paged.size(), 0);

    ASSERT_TRUE(paged.load(db_, query()).ok());
    ASSERT_NE(paged.row(0), nullptr);
    run(QStringLiteral("drop table grp"));
    EXPECT_EQ(paged.row(10), nullptr);
    EXPECT_FALSE(paged.lastFailure().text().isEmpty());
    EXPECT_FALSE(paged.columnValues(QStringLiteral("name")).ok());
}

TEST_F(PagedRowsTest, RowsGoneSinceTheKeysWereReadComeBackEmpty) {
    db::PagedRows paged(5, 2);
    ASSERT_TRUE(paged.load(db_, query()).ok());
    const qint64 gone = paged.key(2);
    run(QStringLiteral("delete * from person where ID=%1").arg(gone));
    ASSERT_NE(paged.row(2), nullptr);
    EXPECT_TRUE(paged.row(2)->isEmpty());
    ASSERT_NE(paged.row(3), nullptr);
    EXPECT_FALSE(paged.row(3)->isEmpty());
}

}  // namespace
