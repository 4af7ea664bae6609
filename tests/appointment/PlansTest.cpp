#include <gtest/gtest.h>

#include "PlanFixture.h"

namespace {

using appointment::PlanHeader;
using appointment::PlanNode;

// The tree as "root/child/grandchild" lines, plan nodes marked with their id.
QStringList flatten(const std::vector<PlanNode>& nodes, const QString& prefix = {}) {
    QStringList lines;
    for (const PlanNode& node : nodes) {
        const QString path = prefix + node.caption +
                             (node.planId != 0 ? u'#' + QString::number(node.planId) : QString());
        lines << path;
        lines << flatten(node.children, path + u'/');
    }
    return lines;
}

PlanHeader plan(int id, const QDate& tbsj, int rmzt = 0) {
    PlanHeader header;
    header.id = id;
    header.name = QStringLiteral("方案%1").arg(id);
    header.tbsj = tbsj;
    header.rmzt = rmzt;
    return header;
}

struct TreeCase {
    const char* what;
    std::vector<PlanHeader> plans;
    QStringList expectedLines;  // lines that must be in the flattened tree
    QStringList absentLines;    // lines that must not be
};

TEST(PlanTreeTest, GroupsPlansByAgeYearAndState) {
    const QDate today(2026, 5, 31);
    const QStringList states{u"民主推荐"_qs, u"干部考察"_qs};
    const std::vector<TreeCase> cases{
        {"three months before today is historical, a day later is recent",
         {plan(1, QDate(2026, 2, 28)), plan(2, QDate(2026, 3, 1))},
         {u"历史任免/2026年/方案1#1"_qs, u"近三月任免/方案2#2"_qs},
         {u"近三月任免/方案1#1"_qs}},
        {"plans of one year share a year node, years ascend",
         {plan(1, QDate(2023, 1, 5)), plan(2, QDate(2023, 9, 5)), plan(3, QDate(2024, 2, 1))},
         {u"历史任免/2023年/方案1#1"_qs, u"历史任免/2023年/方案2#2"_qs,
          u"历史任免/2024年/方案3#3"_qs},
         {}},
        {"a state beyond the list or 0 is not set; a valid one is its node",
         {plan(1, QDate(2026, 5, 1), 0), plan(2, QDate(2026, 5, 1), 3),
          plan(3, QDate(2026, 5, 1), 2)},
         {u"任免状态/<未设置>/方案1#1"_qs, u"任免状态/<未设置>/方案2#2"_qs,
          u"任免状态/干部考察/方案3#3"_qs},
         {}},
        {"a plan without a date is recent",
         {plan(1, QDate())},
         {u"所有任免/方案1#1"_qs, u"近三月任免/方案1#1"_qs},
         {}},
    };
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<PlanNode> tree = appointment::planTree(c.plans, states, today);
        ASSERT_EQ(tree.size(), 5u);
        QStringList roots;
        for (const PlanNode& root : tree) {
            roots << root.caption;
        }
        EXPECT_EQ(roots, (QStringList{u"所有任免"_qs, u"近三月任免"_qs, u"历史任免"_qs,
                                      u"任免状态"_qs, u"查找"_qs}));
        const QStringList lines = flatten(tree);
        for (const QString& line : c.expectedLines) {
            EXPECT_TRUE(lines.contains(line)) << line.toStdString();
        }
        for (const QString& line : c.absentLines) {
            EXPECT_FALSE(lines.contains(line)) << line.toStdString();
        }
        // Every plan is under "所有任免" exactly once, in date order.
        EXPECT_EQ(tree[0].children.size(), c.plans.size());
    }
    // Two years make two year nodes in ascending order.
    const auto tree = appointment::planTree(
        {plan(1, QDate(2022, 3, 1)), plan(2, QDate(2023, 3, 1))}, states, today);
    ASSERT_EQ(tree[2].children.size(), 2u);
    EXPECT_EQ(tree[2].children[0].caption, u"2022年"_qs);
    EXPECT_EQ(tree[2].children[1].caption, u"2023年"_qs);
}

TEST(PlanTreeTest, AtMostSixteenStateNodes) {
    QStringList states;
    for (int i = 1; i <= 20; ++i) {
        states << QStringLiteral("状态%1").arg(i);
    }
    const auto tree =
        appointment::planTree({plan(1, QDate(2026, 1, 1), 17)}, states, QDate(2026, 1, 2));
    ASSERT_EQ(tree[3].children.size(), 17u);  // <未设置> and 16 states
    EXPECT_EQ(tree[3].children[0].children.size(), 1u);
}

class PlansTest : public PlanFixture {};

TEST_F(PlansTest, SavingRefusesAnEmptyNameOrDateAndKeepsQuotes) {
    PlanHeader header;
    header.tbsj = QDate(2024, 1, 2);
    header.name = u"  "_qs;
    EXPECT_EQ(appointment::savePlan(db(), header).failure().message, appointment::kEmptyName);
    header.name = u"x"_qs;
    header.tbsj = QDate();
    EXPECT_EQ(appointment::savePlan(db(), header).failure().message, appointment::kEmptyDate);
    EXPECT_EQ(db().scalar(u"select count(*) from tb_rmmc"_qs)->toInt(), 0);

    header.name = u"O'Brien \"方案\""_qs;
    header.tbsj = QDate(2024, 1, 2);
    header.tbr = u"张三"_qs;
    header.rmzt = 2;
    const Result<int> id = appointment::savePlan(db(), header);
    ASSERT_TRUE(id) << id.errorText().toStdString();
    const auto row = db().query(u"select name,mcdesc,py,timeYear,rmzt,tbr from tb_rmmc"_qs);
    EXPECT_EQ(row->rows[0],
              (QVariantList{header.name, header.name, u"OBRIENFA"_qs, 2024, 2, u"张三"_qs}));
    header.id = *id;
    header.name = u"改名"_qs;
    ASSERT_TRUE(appointment::savePlan(db(), header));
    EXPECT_EQ((*appointment::readPlan(db(), *id))->name, u"改名"_qs);
}

TEST_F(PlansTest, DeletingAPlanDeletesItsLinesOnly) {
    const int cadre = addCadre(u"甲"_qs);
    const int kept = addPlan(u"留"_qs);
    const int gone = addPlan(u"删"_qs);
    ASSERT_TRUE(appointment::addCadres(db(), kept, {cadre}));
    ASSERT_TRUE(appointment::addCadres(db(), gone, {cadre}));
    ASSERT_TRUE(appointment::deletePlan(db(), gone));
    EXPECT_FALSE(*appointment::readPlan(db(), gone));
    EXPECT_TRUE(lines(gone).isEmpty());
    EXPECT_EQ(lines(kept), QStringList{u"甲:1"_qs});
}

TEST_F(PlansTest, SearchClauseFindsThePlansOfEachCondition) {
    const int a = addCadre(u"张三"_qs);
    const int b = addCadre(u"李四"_qs);
    const int wang = addCadre(u"王'五"_qs);
    const int p1 = addPlan(u"春季'调整"_qs, QDate(2024, 3, 1), 1);
    const int p2 = addPlan(u"秋季调整"_qs, QDate(2024, 9, 1), 2);
    const int p3 = addPlan(u"冬季"_qs, QDate(2025, 1, 1), 2);
    ASSERT_TRUE(appointment::addCadres(db(), p1, {a}));
    ASSERT_TRUE(appointment::addCadres(db(), p2, {b}));
    ASSERT_TRUE(appointment::addCadres(db(), p3, {wang}));

    struct Case {
        const char* what;
        appointment::PlanSearch search;
        QList<int> found;
    };
    const auto search = [](auto fill) {
        appointment::PlanSearch s;
        fill(s);
        return s;
    };
    const std::vector<Case> cases{
        {"nothing", {}, {p1, p2, p3}},
        {"name with a quote", search([](auto& s) { s.name = u"'调"_qs; }), {p1}},
        {"name with a wildcard", search([](auto& s) { s.name = u"%"_qs; }), {}},
        {"dates",
         search([](auto& s) {
             s.from = QDate(2024, 6, 1);
             s.to = QDate(2024, 12, 31);
         }),
         {p2}},
        {"state", search([](auto& s) { s.stateIndex = 1; }), {p2, p3}},
        {"two names", search([](auto& s) { s.persons = u"张三，李四"_qs; }), {p1, p2}},
        {"an unknown name with a quote", search([](auto& s) { s.persons = u"赵'六"_qs; }), {}},
        {"a name with a quote", search([](auto& s) { s.persons = u"王'五"_qs; }), {p3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString clause = appointment::planSearchClause(dm, c.search).value();
        const auto plans = appointment::listPlans(db(), clause, u"id"_qs);
        ASSERT_TRUE(plans) << plans.errorText().toStdString() << clause.toStdString();
        QList<int> ids;
        for (const PlanHeader& p : *plans) {
            ids << p.id;
        }
        EXPECT_EQ(ids, c.found) << clause.toStdString();
    }
    appointment::PlanSearch two;
    two.persons = u"张三，李四"_qs;
    EXPECT_TRUE(
        appointment::planSearchClause(dm, two).value().contains(u"xm in ('张三','李四')"_qs));
    appointment::PlanSearch unknown;
    unknown.persons = u"无此人"_qs;
    EXPECT_EQ(appointment::planSearchClause(dm, unknown).value(),
              u" where (id in ( select mcID from tb_rmmc_detail where xm='无此人'))"_qs);
}

// A plan line keeps the name of its cadre as stored ("赵  六") after the cadre is deleted: the
// persons search finds it however the name is typed.
TEST_F(PlansTest, APersonNoLongerInTheLibraryIsFoundByTheStoredNameOfThePlanLine) {
    const int zhao = addCadre(u"赵  六"_qs);
    const int kept = addCadre(u"钱七"_qs);
    const int p1 = addPlan(u"一月"_qs);
    const int p2 = addPlan(u"二月"_qs);
    ASSERT_TRUE(appointment::addCadres(db(), p1, {zhao}));
    ASSERT_TRUE(appointment::addCadres(db(), p2, {kept}));
    ASSERT_TRUE(db().exec(u"delete from tb_cadre where CadreID=?"_qs, {zhao}));
    const struct {
        QString typed;
        QList<int> found;
    } cases[] = {
        {u"赵六"_qs, {p1}}, {u"赵 六"_qs, {p1}}, {u"赵  六"_qs, {p1}},
        {u"钱七"_qs, {p2}}, {u"赵"_qs, {}},
    };
    for (const auto& c : cases) {
        appointment::PlanSearch search;
        search.persons = c.typed;
        const Result<QString> clause = appointment::planSearchClause(dm, search);
        ASSERT_TRUE(clause) << c.typed.toStdString();
        const auto plans = appointment::listPlans(db(), *clause, u"id"_qs);
        ASSERT_TRUE(plans) << plans.errorText().toStdString() << clause->toStdString();
        QList<int> ids;
        for (const PlanHeader& p : *plans) {
            ids << p.id;
        }
        EXPECT_EQ(ids, c.found) << c.typed.toStdString() << ": " << clause->toStdString();
    }
}

TEST_F(PlansTest, ProcessStatesFallBackToTheBuiltInFour) {
    ASSERT_TRUE(db().exec(u"delete from tb_conf where GID='RMZT'"_qs));
    EXPECT_EQ(*appointment::processStates(db()),
              (QStringList{u"民主推荐"_qs, u"干部考察"_qs, u"讨论决定"_qs, u"任职"_qs}));
    ASSERT_TRUE(db().exec(u"insert into tb_conf (GID,ItemID,ItemV) values ('RMZT','乙','2')"_qs));
    ASSERT_TRUE(db().exec(u"insert into tb_conf (GID,ItemID,ItemV) values ('RMZT','甲','1')"_qs));
    EXPECT_EQ(*appointment::processStates(db()), (QStringList{u"甲"_qs, u"乙"_qs}));
}

TEST(PlanDateTest, ReadsDatesAndRefusesOthers) {
    EXPECT_EQ(appointment::readPlanDate(u"2024-3-5"_qs), QDate(2024, 3, 5));
    EXPECT_EQ(appointment::readPlanDate(u"2024.03.05"_qs), QDate(2024, 3, 5));
    EXPECT_EQ(appointment::readPlanDate(u" "_qs), QDate());
    for (const QString& bad : {u"2024-2-30"_qs, u"1899-1-1"_qs, u"明天"_qs, u"2024-3"_qs}) {
        EXPECT_FALSE(appointment::readPlanDate(bad)) << bad.toStdString();
    }
}

}  // namespace
