#include <gtest/gtest.h>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/JetDate.h"
#include "settings/Reminders.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;
using settings::PlanFilter;
using settings::RetirementPeriod;

QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

class Reminders : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        ASSERT_TRUE(dm.db().exec(u"delete * from tb_plan"_s));
        ASSERT_TRUE(dm.db().exec(u"delete * from tb_cadre"_s));
    }
    int addPlan(const char* title, const char* begin, const char* end, int manager = 5) {
        settings::PlanRow plan;
        plan.title = QString::fromUtf8(title);
        plan.begin = day(begin);
        plan.end = day(end);
        const Result<int> id = settings::addPlan(dm.db(), manager, plan);
        EXPECT_TRUE(id) << id.errorText();
        return id ? *id : 0;
    }
    QStringList titles(PlanFilter filter, const QDate& today) {
        const auto plans = settings::userPlans(dm.db(), 5, filter, today);
        EXPECT_TRUE(plans) << plans.errorText();
        QStringList out;
        for (const settings::PlanRow& plan : plans ? *plans : QList<settings::PlanRow>{}) {
            out << plan.title;
        }
        return out;
    }
    void addCadre(int id, const char* name, const char* sex, const char* birth, int classId = 0) {
        ASSERT_TRUE(
            dm.db().exec(u"insert into tb_cadre (CadreID,xm,xb,csny,classid) "
                         u"values (?,?,?,?,?)"_s,
                         {id, QString::fromUtf8(name), QString::fromUtf8(sex),
                          jet::toSerial(day(birth)), classId}))
            << dm.db().lastError();
    }
    QStringList retiring(RetirementPeriod period, const QDate& today,
                         settings::RetirementAges ages = {}) {
        const auto found = settings::retiringCadres(dm.db(), ages, period, today);
        EXPECT_TRUE(found) << found.errorText();
        QStringList out;
        for (const settings::RetiringCadre& c : found ? *found : QList<settings::RetiringCadre>{}) {
            out << c.name;
        }
        return out;
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
};

// "当前提醒" lists the reminders that have begun and not yet ended: neither future ones nor
// expired ones.
TEST_F(Reminders, FiltersSplitByState) {
    addPlan("过去", "2026-01-01", "2026-03-01");
    addPlan("当前", "2026-03-01", "2026-03-31");
    addPlan("今天开始", "2026-03-10", "2026-04-10");
    addPlan("今天结束", "2026-02-01", "2026-03-10");
    addPlan("将来", "2026-04-01", "2026-05-01");
    addPlan("别人的", "2026-03-01", "2026-03-31", 6);
    const QDate today = day("2026-03-10");
    EXPECT_EQ(titles(PlanFilter::All, today),
              (QStringList{u"过去"_s, u"当前"_s, u"今天开始"_s, u"今天结束"_s, u"将来"_s}));
    EXPECT_EQ(titles(PlanFilter::Current, today),
              (QStringList{u"当前"_s, u"今天开始"_s, u"今天结束"_s}));
    EXPECT_EQ(titles(PlanFilter::NotYetDue, today), QStringList{u"将来"_s});
    EXPECT_EQ(titles(PlanFilter::Expired, today), QStringList{u"过去"_s});

    const auto summary = settings::planSummary(dm.db(), 5, today);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->total, 5);
    EXPECT_EQ(summary->current, 3);
    EXPECT_EQ(summary->expired, 1);
}

// "清空" deletes only the user's expired reminders.
TEST_F(Reminders, ClearingKeepsRunningAndFutureOnes) {
    addPlan("过去", "2026-01-01", "2026-03-01");
    addPlan("当前", "2026-03-01", "2026-03-31");
    addPlan("将来", "2026-04-01", "2026-05-01");
    addPlan("别人的过去", "2026-01-01", "2026-03-01", 6);
    const Result<int> cleared = settings::clearExpiredPlans(dm.db(), 5, day("2026-03-10"));
    ASSERT_TRUE(cleared) << cleared.errorText();
    EXPECT_EQ(*cleared, 1);
    EXPECT_EQ(titles(PlanFilter::All, day("2026-03-10")), (QStringList{u"当前"_s, u"将来"_s}));
    EXPECT_EQ(*dm.db().scalar(u"select count(*) from tb_plan where manid=6"_s), 1);
}

TEST(RetirementDates, LeapDaysAndMonthEnds) {
    const struct {
        const char* birth;
        int age;
        const char* retirement;
    } cases[] = {
        {"1968-02-29", 60, "2028-02-29"},  // a leap year again
        {"1964-02-29", 55, "2019-02-28"},  // 2019 has no 29 February
        {"1965-01-31", 60, "2025-01-31"}, {"1970-12-31", 55, "2025-12-31"},
        {"1966-03-01", 60, "2026-03-01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(settings::retirementDate(day(c.birth), c.age), day(c.retirement)) << c.birth;
        // The retirement falls in the month the month count reaches age * 12.
        EXPECT_EQ(settings::monthsBetween(day(c.birth), day(c.retirement)), c.age * 12) << c.birth;
    }
    // Days inside the months do not count: the last day of one month to the first of the next.
    EXPECT_EQ(settings::monthsBetween(day("1966-01-31"), day("2026-02-01")), 721);
    EXPECT_EQ(settings::monthsBetween(day("1966-02-01"), day("2026-01-31")), 719);
}

// The periods by months to go, with the default ages (men 60, women 55).
TEST_F(Reminders, RetirementPeriods) {
    addCadre(1, "本月男", "男", "1966-03-31");      // 720 months in March 2026
    addCadre(2, "下月女", "女", "1971-04-01");      // 659 of 660
    addCadre(3, "十二月后男", "男", "1967-03-01");  // 708: the last month of the year ahead
    addCadre(4, "十三月后男", "男", "1967-04-15");  // 707: not yet
    addCadre(5, "超过女", "女", "1971-02-28");      // 661 of 660
    addCadre(6, "调出男", "男", "1966-03-15", 1);   // not in the library
    addCadre(7, "闰日女", "女", "1971-02-28");
    const QDate today = day("2026-03-10");
    EXPECT_EQ(retiring(RetirementPeriod::ThisMonth, today), QStringList{u"本月男"_s});
    EXPECT_EQ(retiring(RetirementPeriod::NextMonth, today), QStringList{u"下月女"_s});
    EXPECT_EQ(retiring(RetirementPeriod::Overdue, today), (QStringList{u"超过女"_s, u"闰日女"_s}));
    const QStringList year = retiring(RetirementPeriod::OneYear, today);
    EXPECT_TRUE(year.contains(u"十二月后男"_s));
    EXPECT_FALSE(year.contains(u"十三月后男"_s));
    EXPECT_FALSE(year.contains(u"调出男"_s));
    EXPECT_EQ(year.size(), 5);
    // Configured ages move the window.
    EXPECT_EQ(retiring(RetirementPeriod::ThisMonth, today, {59, 55}), QStringList{u"十二月后男"_s});
    EXPECT_EQ(retiring(RetirementPeriod::ThisMonth, today, {61, 55}), QStringList{});
}

TEST_F(Reminders, ReminderFlagOfUserOrOrganisation) {
    ASSERT_TRUE(
        dm.db().exec(u"insert into tb_manager (ManagerID,userName,clew) values (5,'甲',1)"_s));
    ASSERT_TRUE(settings::setReminderFlag(dm.db(), 5, false));
    EXPECT_EQ(dm.db().scalar(u"select clew from tb_manager where ManagerID=5"_s)->toInt(), 0);
    ASSERT_TRUE(settings::setReminderFlag(dm.db(), 0, false));
    EXPECT_EQ(dm.db().scalar(u"select clew from tb_general"_s)->toInt(), 0);
}

}  // namespace
