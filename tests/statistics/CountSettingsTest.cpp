#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDate>

#include "app/DataModule.h"
#include "db/Database.h"
#include "statistics/CountSettings.h"
#include "statistics/CountTable.h"
#include "support/TestHome.h"

using namespace statistics;

namespace {

class CountSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError().toStdString();
    }
    QStringList labels(Dimension dimension) {
        const Result<QList<Category>> list =
            categories(dm.db(), dimension, Direction::Main, QDate(2012, 7, 15));
        EXPECT_TRUE(list);
        QStringList out;
        for (const Category& c : list ? *list : QList<Category>()) {
            out << c.label;
        }
        return out;
    }
    int paramRows() {
        const auto count = dm.db().scalar(QStringLiteral("select count(*) from tb_params"));
        EXPECT_TRUE(count);
        return count ? count->toInt() : -1;
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(CountSettingsTest, TheSampleDefaultsAreReadAndSavedSettingsReplaceThemWhole) {
    const Result<CountSettings> stored = readSettings(dm.db());
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->bands.size(), kBandCount);
    EXPECT_EQ(stored->bands[0].relation, QStringLiteral("小于等于"));
    EXPECT_EQ(stored->bands[0].first, 35);
    EXPECT_EQ(stored->bands[1].second, 40);
    EXPECT_EQ(stored->nations[0], QStringLiteral("汉族"));
    EXPECT_EQ(stored->levelRest, QStringLiteral("其他"));

    CountSettings changed = *stored;
    changed.bands[0] = {QStringLiteral("小于等于"), 30, 0};
    changed.bands[1] = {QStringLiteral("介于"), 31, 40};
    changed.levels = {QStringLiteral("科员"), QString(), QString(), QString(), QString()};
    changed.levelRest = QStringLiteral("其余职级");
    changed.nations[4] = QStringLiteral("O'Brien族");  // a quote is a value like any other
    ASSERT_TRUE(saveSettings(dm.db(), changed));
    EXPECT_EQ(paramRows(), kBandCount + 2 * (kListLength + 1));

    const Result<CountSettings> back = readSettings(dm.db());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bands[0].first, 30);
    EXPECT_EQ(back->bands[1].first, 31);
    EXPECT_EQ(back->bands[1].second, 40);
    EXPECT_EQ(back->levels, changed.levels);
    EXPECT_EQ(back->levelRest, QStringLiteral("其余职级"));
    EXPECT_EQ(back->nations, changed.nations);
    // The count table is built from them: the empty level entries make no category.
    EXPECT_EQ(labels(Dimension::Age).mid(0, 2),
              (QStringList{QStringLiteral("30岁及以下"), QStringLiteral("31-40岁")}));
    EXPECT_EQ(labels(Dimension::Level),
              (QStringList{QStringLiteral("科员"), QStringLiteral("其余职级")}));
}

TEST_F(CountSettingsTest, AFailingSaveLeavesTheStoredSettings) {
    const int before = paramRows();
    ASSERT_GT(before, 0);
    // A table that refuses the third row of the bands.
    ASSERT_EQ(sqlite3_exec(dm.db().handle(),
                           "create trigger refuse_band before insert on tb_params when new.ord=3 "
                           "begin select raise(abort, 'refused'); end",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    CountSettings changed = defaultSettings();
    changed.bands[0].first = 20;
    EXPECT_FALSE(saveSettings(dm.db(), changed));
    EXPECT_EQ(paramRows(), before);
    const Result<CountSettings> stored = readSettings(dm.db());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->bands[0].first, 35);
}

TEST_F(CountSettingsTest, AnEmptyTableGivesTheDefaults) {
    ASSERT_TRUE(dm.db().exec(QStringLiteral("delete * from tb_params")));
    const Result<CountSettings> stored = readSettings(dm.db());
    ASSERT_TRUE(stored);
    const CountSettings defaults = defaultSettings();
    ASSERT_EQ(stored->bands.size(), kBandCount);
    for (int i = 0; i < kBandCount; ++i) {
        EXPECT_EQ(stored->bands[i].relation, defaults.bands[i].relation) << i;
        EXPECT_EQ(stored->bands[i].first, defaults.bands[i].first) << i;
        EXPECT_EQ(stored->bands[i].second, defaults.bands[i].second) << i;
    }
    EXPECT_EQ(stored->nationRest, QStringLiteral("其他"));
}

}  // namespace
