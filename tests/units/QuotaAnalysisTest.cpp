#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "app/DataModule.h"
#include "db/Database.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "units/QuotaAnalysis.h"
#include "units/Quotas.h"

namespace {

using units::AnalysisMode;

const QString kMain = QStringLiteral("正职");
const QString kDeputy = QStringLiteral("副职");
const QStringList kCivilServants{QStringLiteral("公务员")};

// The sample organisation, every unit of it analysed.
class QuotaAnalysisTest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }
    void exec(const QString& statement, const QVariantList& params = {}) {
        if (!dm.db().exec(statement, params)) {
            ADD_FAILURE() << dm.db().lastError().toStdString();
        }
    }
    int number(const QString& statement) { return dm.db().scalar(statement).value().toInt(); }
    std::vector<units::AnalysisUnit> realUnits() {
        std::vector<units::AnalysisUnit> result;
        const auto rows =
            dm.db().query(QStringLiteral("select ID,Name from tb_department where isDep=True "
                                         "order by dwIndex"));
        for (const QVariantList& row : rows->rows) {
            result.push_back({row[0].toInt(), row[1].toString()});
        }
        return result;
    }
    // A trigger that makes every write of `table` fail, as a full disk or a lock would.
    void failWritesOf(const QString& table) {
        ASSERT_TRUE(dm.db().execNative(QStringLiteral("create trigger fail_%1 before update on %1 "
                                                      "begin select raise(abort,'写入失败'); end")
                                           .arg(table)));
        ASSERT_TRUE(dm.db().execNative(QStringLiteral("create trigger fail_ins_%1 before insert "
                                                      "on %1 begin select raise(abort,'写入失败'); "
                                                      "end")
                                           .arg(table)));
    }
    std::vector<units::AnalysisRow> counted(AnalysisMode mode, const QStringList& bands) {
        std::vector<units::AnalysisRow> rows = units::newAnalysisRows(mode, realUnits(), bands);
        const Result<void> done = units::recountAnalysis(dm.db(), mode, bands, rows);
        EXPECT_TRUE(done) << done.errorText().toStdString();
        return rows;
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(QuotaAnalysisTest, CountsAgreeWithTheUnitDialogForEveryUnit) {
    const QStringList identities = units::staffIdentities(dm.db()).value();
    // Varied identities (some empty), members that do not count, a former post, a post of the
    // same name in another unit: every rule of the dialog's tabs has something to decide.
    exec(
        QStringLiteral("update tb_cadre set rybz=case CadreID % 4 when 0 then '参照公务员' when "
                       "1 then '' when 2 then '行政编制' else '公务员' end"));
    exec(QStringLiteral("update tb_cadre_node set nobz=True where ZwCadreID % 5 = 0"));
    exec(QStringLiteral("update tb_cadre_zw set status=2 where ZwID % 7 = 0"));
    // Each unit gets quota rows for the first two post names held in it, and one for a name
    // nobody holds.
    for (const units::AnalysisUnit& unit : realUnits()) {
        const auto names = dm.db().query(
            QStringLiteral("select distinct zwmc from tb_cadre_zw where DwID=? order by zwmc"),
            {unit.id});
        const QStringList categories{kMain, kDeputy};
        for (size_t i = 0; i < names->rows.size() && i < 2; ++i) {
            exec(QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs,dqrs) values "
                                "(?,?,?,2,99)"),
                 {unit.id, categories[static_cast<qsizetype>(i)], names->rows[i][0]});
        }
        exec(QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs) values "
                            "(?,'其他','无人担任',1)"),
             {unit.id});
        exec(QStringLiteral("insert into tb_department_bz (dwID,rybz,bzs,sjs) values (?,?,3,99)"),
             {unit.id, identities.first()});
    }
    const QStringList categories{kMain, kDeputy, QStringLiteral("其他")};
    const auto quotaRows = counted(AnalysisMode::Quotas, categories);
    const auto staffRows = counted(AnalysisMode::Staffing, identities);
    ASSERT_EQ(quotaRows.size(), 15u);  // the grouping node "群团组织" is no unit
    int holders = 0;
    for (size_t r = 0; r < quotaRows.size(); ++r) {
        const int unit = quotaRows[r].unitId;
        SCOPED_TRACE(quotaRows[r].unitName.toStdString());
        // The quota tab: its rows recounted, as the dialog shows them.
        ASSERT_TRUE(units::refreshQuotaCounts(dm.db(), unit));
        const std::vector<units::QuotaRow> stored = units::loadQuotaRows(dm.db(), unit).value();
        for (const units::QuotaRow& row : stored) {
            const auto& cell =
                quotaRows[r].cells[static_cast<size_t>(categories.indexOf(row.zwtype))];
            EXPECT_TRUE(cell.stored);
            EXPECT_EQ(cell.postName, row.zwmc);
            EXPECT_EQ(cell.quota, row.zwrs);
            EXPECT_EQ(cell.actual, row.dqrs);
            holders += cell.actual;
        }
        // The staffing tab: every identity, also those without a staffing row.
        const QHash<QString, int> members = units::countStaffing(dm.db(), unit).value();
        for (qsizetype b = 0; b < identities.size(); ++b) {
            EXPECT_EQ(staffRows[r].cells[static_cast<size_t>(b)].actual,
                      members.value(identities[b], 0));
        }
        const std::vector<units::StaffingRow> tab = units::refreshStaffing(dm.db(), unit).value();
        ASSERT_EQ(tab.size(), 1u);
        EXPECT_EQ(tab.front().sjs, staffRows[r].cells.front().actual);
    }
    EXPECT_GT(holders, 0);
    // The counts were stored by the analysis already: the tabs found nothing to change.
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs where dqrs=99")), 0);
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_bz where sjs=99")), 0);
}

TEST_F(QuotaAnalysisTest, DefaultTitlesFollowTheLastMatchingEnding) {
    const struct {
        const char* name;
        const char* main;
        const char* deputy;
    } cases[] = {{"中共某县委", "书记", "副书记"},         {"某县县政府", "县长", "副县长"},
                 {"某区人民政府办公室", "主任", "副主任"}, {"某市人大", "主任", "副主任"},
                 {"某市中级人民法院", "院长", "副院长"},   {"某市第一中学校", "校长", "副校长"},
                 {"某市投资公司", "经理", "副经理"},       {"某市教育局", "局长", "副局长"},
                 {"某市扶贫办", "主任", "副主任"},         {"群团组织", "", ""}};
    std::vector<units::AnalysisUnit> unitsIn;
    for (const auto& c : cases) {
        unitsIn.push_back({1, QString::fromUtf8(c.name)});
    }
    const QStringList bands{kDeputy, QStringLiteral("其他"), kMain};
    const auto rows = units::newAnalysisRows(AnalysisMode::Quotas, unitsIn, bands);
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(units::defaultPostTitle(rows[i].unitName), QString::fromUtf8(cases[i].main));
        EXPECT_EQ(rows[i].cells[2].postName, QString::fromUtf8(cases[i].main));
        EXPECT_EQ(rows[i].cells[0].postName, QString::fromUtf8(cases[i].deputy));
        EXPECT_TRUE(rows[i].cells[1].postName.isEmpty());
    }
    // Staffing mode has no post names.
    const auto staffing = units::newAnalysisRows(AnalysisMode::Staffing, unitsIn, bands);
    EXPECT_TRUE(staffing[0].cells[2].postName.isEmpty());
}

TEST_F(QuotaAnalysisTest, TheStateComparesTheActualNumberWithTheQuota) {
    const struct {
        int quota;
        int actual;
        units::QuotaState state;
    } cases[] = {{2, 1, units::QuotaState::Under},
                 {2, 2, units::QuotaState::Equal},
                 {2, 3, units::QuotaState::Over},
                 {0, 0, units::QuotaState::Equal}};
    for (const auto& c : cases) {
        units::AnalysisCell cell;
        cell.quota = c.quota;
        cell.actual = c.actual;
        EXPECT_EQ(units::quotaState(cell), c.state) << c.quota << " " << c.actual;
    }
}

TEST_F(QuotaAnalysisTest, AFailedRecountShowsItsErrorAndStoresNothing) {
    exec(
        QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs,dqrs) values "
                       "(16,'正职','书记',1,42)"));
    exec(
        QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs,dqrs) values "
                       "(16,'副职','副书记',1,42)"));
    auto rows = units::newAnalysisRows(AnalysisMode::Quotas, {{16, QStringLiteral("团市委")}},
                                       {kMain, kDeputy});
    const auto before = rows;
    failWritesOf(QStringLiteral("tb_department_zs"));
    const Result<void> done =
        units::recountAnalysis(dm.db(), AnalysisMode::Quotas, {kMain, kDeputy}, rows);
    ASSERT_FALSE(done);
    EXPECT_TRUE(done.errorText().contains(QStringLiteral("写入失败")));
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs where dqrs=42")), 2);
    EXPECT_EQ(rows[0].cells[0].postName, before[0].cells[0].postName);
    EXPECT_FALSE(rows[0].cells[0].stored);
    // A count that cannot be read stores nothing either.
    exec(QStringLiteral("drop table tb_cadre_node"));
    auto staffing = units::newAnalysisRows(AnalysisMode::Staffing, {{16, {}}}, kCivilServants);
    EXPECT_FALSE(units::recountAnalysis(dm.db(), AnalysisMode::Staffing, kCivilServants, staffing));
}

TEST_F(QuotaAnalysisTest, SavingWritesTheCellsBackInOneTransaction) {
    exec(
        QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs) values "
                       "(16,'正职','书记',1)"));
    const QStringList bands{kMain, kDeputy, QStringLiteral("其他")};
    auto rows = units::newAnalysisRows(AnalysisMode::Quotas,
                                       {{16, QStringLiteral("共青团某市委员会")},
                                        {15, QStringLiteral("某市人力资源和社会保障局")}},
                                       bands);
    ASSERT_TRUE(units::recountAnalysis(dm.db(), AnalysisMode::Quotas, bands, rows));
    rows[0].cells[0].postName = QStringLiteral("第一书记");
    rows[0].cells[0].quota = 2;
    rows[1].cells[1].quota = 3;  // 副局长, a new row
    // The bureau's default head title is kept; band "其他" of both units stays blank and gets no
    // row.
    ASSERT_TRUE(units::saveAnalysis(dm.db(), AnalysisMode::Quotas, bands, rows));
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs")), 3);
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs where DwID=15 and "
                                    "zwtype='正职' and zwmc='局长'")),
              1);
    EXPECT_EQ(number(QStringLiteral("select zwrs from tb_department_zs where DwID=16 and "
                                    "zwtype='正职' and zwmc='第一书记'")),
              2);
    EXPECT_EQ(number(QStringLiteral("select zwrs from tb_department_zs where DwID=15 and "
                                    "zwtype='副职' and zwmc='副局长'")),
              3);
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_department_zs where zwtype='其他'")),
              0);

    // Staffing: a failing write leaves every row as it was.
    rows = units::newAnalysisRows(AnalysisMode::Staffing, {{16, {}}, {15, {}}}, kCivilServants);
    rows[0].cells[0].quota = 5;
    rows[1].cells[0].quota = 6;
    ASSERT_TRUE(units::saveAnalysis(dm.db(), AnalysisMode::Staffing, kCivilServants, rows));
    EXPECT_EQ(number(QStringLiteral("select sum(bzs) from tb_department_bz")), 11);
    failWritesOf(QStringLiteral("tb_department_bz"));
    rows[0].cells[0].quota = 7;
    EXPECT_FALSE(units::saveAnalysis(dm.db(), AnalysisMode::Staffing, kCivilServants, rows));
    EXPECT_EQ(number(QStringLiteral("select sum(bzs) from tb_department_bz")), 11);
}

TEST_F(QuotaAnalysisTest, AssigningPeopleGoesThroughThePostsAndKeepsTheMembers) {
    const auto members = units::unitMembers(dm.db(), 16).value();
    ASSERT_EQ(members.size(), 2u);
    const int first = members[0].cadreId;
    const int second = members[1].cadreId;
    const std::vector<int> listed{first, second};
    // Without a quota row of the category nothing changes.
    const int posts = number(QStringLiteral("select count(*) from tb_cadre_zw"));
    const Result<void> refused =
        units::assignMembers(dm, AnalysisMode::Quotas, 16, kMain, listed, {first});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().message, units::noQuotaRowMessage(kMain));
    EXPECT_EQ(refused.errorText(),
              QStringLiteral("尚未设置 正职 编制信息，请先修改和保存编制设置。"));
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_cadre_zw")), posts);

    exec(
        QStringLiteral("insert into tb_department_zs (DwID,zwtype,zwmc,zwrs) values "
                       "(16,'正职','常务书记',1)"));
    ASSERT_TRUE(units::assignMembers(dm, AnalysisMode::Quotas, 16, kMain, listed, {first}));
    EXPECT_EQ(units::countedMembers(dm.db(), AnalysisMode::Quotas, 16, kMain).value(),
              QSet<int>{first});
    const QString text =
        dm.db()
            .scalar(QStringLiteral("select xrz from tb_cadre where CadreID=?"), {first})
            .value()
            .toString();
    EXPECT_TRUE(text.contains(QStringLiteral("常务书记"))) << text.toStdString();
    // Unchecked: the post goes, its text with it, and the person stays a member of the unit.
    ASSERT_TRUE(units::assignMembers(dm, AnalysisMode::Quotas, 16, kMain, listed, {}));
    EXPECT_TRUE(units::countedMembers(dm.db(), AnalysisMode::Quotas, 16, kMain).value().isEmpty());
    EXPECT_FALSE(dm.db()
                     .scalar(QStringLiteral("select xrz from tb_cadre where CadreID=?"), {first})
                     .value()
                     .toString()
                     .contains(QStringLiteral("常务书记")));
    EXPECT_EQ(units::unitMembers(dm.db(), 16).value().size(), 2u);
    EXPECT_EQ(number(QStringLiteral("select count(*) from tb_cadre_zw")), posts);

    // Staffing: the checked get the identity, the others lose theirs.
    ASSERT_TRUE(units::assignMembers(dm, AnalysisMode::Staffing, 16, QStringLiteral("行政编制"),
                                     listed, {second}));
    EXPECT_EQ(units::countedMembers(dm.db(), AnalysisMode::Staffing, 16, QStringLiteral("行政编制"))
                  .value(),
              QSet<int>{second});
    EXPECT_EQ(units::cellPeople(dm.db(), AnalysisMode::Staffing, 16, QStringLiteral("行政编制"))
                  .value()
                  .size(),
              1u);
    EXPECT_TRUE(units::countStaffing(dm.db(), 16).value().value(QStringLiteral("公务员")) == 0);
}

}  // namespace
