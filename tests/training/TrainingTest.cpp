#include <gtest/gtest.h>

#include <QDate>

#include "app/DataModule.h"
#include "cadre/CadreDeletion.h"
#include "db/Database.h"
#include "search/WhereClause.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "training/ClassQuery.h"
#include "training/LookupTables.h"
#include "training/Participants.h"
#include "training/TrainingClasses.h"
#include "training/TrainingLookups.h"
#include "training/TrainingRecords.h"

namespace {

// Five cadres 1..5 (张三, 李四, 王五, 赵六, 钱七), no classes or records.
class TrainingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        for (const char* table : {"tb_cadre", "tb_px", "tb_pxCadre", "tb_pxCadre2"}) {
            exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
        }
        exec(
            QStringLiteral("insert into tb_cadre (CadreID,Classid,xm,xrz,zzxl,zzxxzy) values "
                           "(1,0,'张三','县委书记','大学','法律'),(2,0,'李四','县长',null,null),"
                           "(3,0,'王五','副县长',null,null),(4,0,'赵六','局长',null,null),"
                           "(5,0,'钱七','科长',null,null)"));
    }
    void exec(const QString& sql) { ASSERT_TRUE(dm.db().exec(sql)) << dm.db().lastError(); }
    db::Database& db() { return dm.db(); }

    int makeClass(const QString& name, QDate start, QDate end) {
        training::TrainingClass c;
        c.name = name;
        c.start = start;
        c.end = end;
        const Result<int> id = training::saveClass(db(), c);
        EXPECT_TRUE(id.ok()) << id.errorText();
        return id.ok() ? *id : 0;
    }

    // "name:order" of the class list, in order.
    QStringList members(int classId) {
        const auto list = training::listParticipants(db(), classId);
        EXPECT_TRUE(list.ok()) << list.errorText();
        QStringList texts;
        for (const auto& p : list.ok() ? *list : std::vector<training::Participant>{}) {
            texts << p.name + u':' + QString::number(p.order);
        }
        return texts;
    }

    int count(const QString& sql) {
        const Result<QVariant> n = db().scalar(sql);
        EXPECT_TRUE(n.ok()) << n.errorText();
        return n.ok() ? n->toInt() : -1;
    }

    TestHome home;
    TDataM dm{home.path()};
};

TEST_F(TrainingTest, ClassDaysCountBothEndsAndRefuseAnEndBeforeTheStart) {
    struct Case {
        QDate start, end;
        int days;
    };
    const Case cases[] = {
        {{2010, 3, 1}, {2010, 3, 1}, 1},
        {{2010, 3, 1}, {2010, 3, 10}, 10},
        {{2010, 2, 20}, {2010, 3, 1}, 10},
        {{2010, 3, 1}, {}, 0},
        {{}, {2010, 3, 1}, 0},
    };
    for (const Case& c : cases) {
        const Result<int> days = training::classDays(c.start, c.end);
        ASSERT_TRUE(days.ok()) << c.start.toString().toStdString();
        EXPECT_EQ(*days, c.days) << c.start.toString().toStdString();
    }
    const Result<int> reversed = training::classDays({2010, 3, 10}, {2010, 3, 1});
    ASSERT_FALSE(reversed.ok());
    EXPECT_EQ(reversed.failure().message, training::kEndBeforeStart);
}

TEST_F(TrainingTest, SavingAClassDerivesDaysAndYearAndRefusalsWriteNothing) {
    const int id = makeClass(QStringLiteral("青干班"), {2010, 3, 1}, {2010, 3, 10});
    const Result<training::TrainingClass> stored = training::readClass(db(), id);
    ASSERT_TRUE(stored.ok()) << stored.errorText();
    EXPECT_EQ(stored->days, 10);
    EXPECT_EQ(stored->year, 2010);
    EXPECT_EQ(stored->start, QDate(2010, 3, 1));

    training::TrainingClass edited = *stored;
    edited.start = {2011, 5, 2};
    edited.end = {2011, 5, 2};
    ASSERT_TRUE(training::saveClass(db(), edited).ok());
    EXPECT_EQ(training::readClass(db(), id)->year, 2011);
    EXPECT_EQ(training::readClass(db(), id)->days, 1);

    training::TrainingClass blank;
    blank.name = QStringLiteral("  ");
    EXPECT_EQ(training::saveClass(db(), blank).failure().message, training::kNameNeeded);
    training::TrainingClass reversed;
    reversed.name = QStringLiteral("倒序");
    reversed.start = {2010, 3, 10};
    reversed.end = {2010, 3, 1};
    EXPECT_EQ(training::saveClass(db(), reversed).failure().message, training::kEndBeforeStart);
    edited.name.clear();
    EXPECT_FALSE(training::saveClass(db(), edited).ok());
    EXPECT_EQ(training::readClass(db(), id)->name, QStringLiteral("青干班"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_px")), 1);
}

TEST_F(TrainingTest, AddingCadresAppendsNewOnesAndSkipsThoseAlreadyInTheClass) {
    const int id = makeClass(QStringLiteral("班"), {2010, 3, 1}, {2010, 3, 2});
    ASSERT_EQ(*training::addParticipants(db(), id, {2, 1}), 2);
    const Result<int> again = training::addParticipants(db(), id, {1, 3, 99});
    ASSERT_TRUE(again.ok()) << again.errorText();
    EXPECT_EQ(*again, 1);
    EXPECT_EQ(members(id), (QStringList{QStringLiteral("李四:1"), QStringLiteral("张三:2"),
                                        QStringLiteral("王五:3")}));
    const auto rows = db().query(
        QStringLiteral("select xrz,gxl,gxlxx from tb_pxCadre where CadreID=1 and pxid=?"), {id});
    ASSERT_TRUE(rows && rows->rows.size() == 1);
    EXPECT_EQ(rows->value(0, QStringLiteral("xrz")).toString(), QStringLiteral("县委书记"));
    EXPECT_EQ(rows->value(0, QStringLiteral("gxl")).toString(), QStringLiteral("大学"));
    EXPECT_EQ(rows->value(0, QStringLiteral("gxlxx")).toString(), QStringLiteral("法律"));

    // From the cadre editor a second joining is refused.
    ASSERT_TRUE(training::joinClass(db(), id, 4).ok());
    const Result<void> twice = training::joinClass(db(), id, 4);
    ASSERT_FALSE(twice.ok());
    EXPECT_EQ(twice.failure().message, training::kAlreadyInClass);
    EXPECT_EQ(members(id).last(), QStringLiteral("赵六:4"));
    EXPECT_EQ(members(id).size(), 4);
}

TEST_F(TrainingTest, RemovingAndMovingKeepOrdersWithoutGaps) {
    const int id = makeClass(QStringLiteral("班"), {2010, 3, 1}, {2010, 3, 2});
    ASSERT_TRUE(training::addParticipants(db(), id, {1, 2, 3, 4, 5}).ok());
    const auto list = *training::listParticipants(db(), id);
    ASSERT_TRUE(training::removeParticipant(db(), list[1].id).ok());
    EXPECT_EQ(members(id), (QStringList{QStringLiteral("张三:1"), QStringLiteral("王五:2"),
                                        QStringLiteral("赵六:3"), QStringLiteral("钱七:4")}));

    ASSERT_TRUE(training::moveParticipant(db(), list[4].id, -1).ok());
    ASSERT_TRUE(training::moveParticipant(db(), list[0].id, -1).ok());  // already first
    ASSERT_TRUE(training::moveParticipant(db(), list[4].id, +1).ok());  // back to last
    ASSERT_TRUE(training::moveParticipant(db(), list[0].id, +1).ok());
    EXPECT_EQ(members(id), (QStringList{QStringLiteral("王五:1"), QStringLiteral("张三:2"),
                                        QStringLiteral("赵六:3"), QStringLiteral("钱七:4")}));

    ASSERT_TRUE(training::setAttendance(db(), list[2].id, training::Attendance::Credits,
                                        QStringLiteral("4"))
                    .ok());
    EXPECT_EQ(training::listParticipants(db(), id)->front().credits, QStringLiteral("4"));
}

TEST_F(TrainingTest, HistoryIsTheUnionOfAttendancesAndStandaloneRecordsByStartDate) {
    const int early = makeClass(QStringLiteral("早班"), {2008, 1, 5}, {2008, 1, 9});
    const int late = makeClass(QStringLiteral("晚班"), {2012, 6, 1}, {2012, 6, 3});
    const int other = makeClass(QStringLiteral("他人班"), {2009, 1, 1}, {2009, 1, 1});
    ASSERT_TRUE(training::addParticipants(db(), late, {1}).ok());
    ASSERT_TRUE(training::addParticipants(db(), early, {1}).ok());
    ASSERT_TRUE(training::addParticipants(db(), other, {2}).ok());
    training::TrainingRecord alone;
    alone.name = QStringLiteral("自学");
    alone.start = {2010, 4, 1};
    alone.end = {2010, 4, 5};
    const Result<int> aloneId = training::saveStandaloneRecord(db(), 1, alone);
    ASSERT_TRUE(aloneId.ok()) << aloneId.errorText();
    training::TrainingRecord sameDay = alone;
    sameDay.name = QStringLiteral("同日");
    sameDay.start = {2008, 1, 5};
    sameDay.end = {2008, 1, 5};
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 1, sameDay).ok());
    training::TrainingRecord otherCadre = alone;
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 2, otherCadre).ok());

    const auto history = training::trainingHistory(db(), 1);
    ASSERT_TRUE(history.ok()) << history.errorText();
    QStringList shown;
    for (const auto& r : *history) {
        shown << r.name + (r.isStandalone() ? QStringLiteral("/单独") : QStringLiteral("/班")) +
                     u'/' + QString::number(r.days);
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("早班/班/5"), QStringLiteral("同日/单独/1"),
                                  QStringLiteral("自学/单独/5"), QStringLiteral("晚班/班/3")}));

    // Deleting from the history removes the right kind of row.
    ASSERT_TRUE(training::deleteRecord(db(), (*history)[0]).ok());
    ASSERT_TRUE(training::deleteRecord(db(), (*history)[2]).ok());
    EXPECT_EQ(training::trainingHistory(db(), 1)->size(), 2u);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_pxCadre2 where CadreID=2")), 1);
    EXPECT_EQ(members(early), QStringList{});
    EXPECT_EQ(members(late), QStringList{QStringLiteral("张三:1")});
}

TEST_F(TrainingTest, StandaloneRecordsNeedANameAndOrderedDates) {
    training::TrainingRecord r;
    EXPECT_EQ(training::saveStandaloneRecord(db(), 1, r).failure().message,
              training::kRecordNeeded);
    r.name = QStringLiteral("自学");
    r.start = {2010, 4, 5};
    r.end = {2010, 4, 1};
    EXPECT_EQ(training::saveStandaloneRecord(db(), 1, r).failure().message,
              training::kEndBeforeStart);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_pxCadre2")), 0);
    r.end = {2010, 4, 6};
    r.id = *training::saveStandaloneRecord(db(), 1, r);
    r.name = QStringLiteral("改名");
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 1, r).ok());
    EXPECT_EQ(training::trainingHistory(db(), 1)->front().name, QStringLiteral("改名"));
    EXPECT_EQ(training::trainingHistory(db(), 1)->front().days, 2);
}

TEST_F(TrainingTest, DeletingAClassRemovesItsAttendancesInOneTransactionAndKeepsStandaloneRecords) {
    const int id = makeClass(QStringLiteral("班"), {2010, 3, 1}, {2010, 3, 2});
    const int kept = makeClass(QStringLiteral("留"), {2010, 3, 1}, {2010, 3, 2});
    ASSERT_TRUE(training::addParticipants(db(), id, {1, 2}).ok());
    ASSERT_TRUE(training::addParticipants(db(), kept, {1}).ok());
    training::TrainingRecord alone;
    alone.name = QStringLiteral("自学");
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 1, alone).ok());

    // A failing second statement leaves the participants in place.
    ASSERT_TRUE(
        db().execNative(QStringLiteral("create trigger refuse before delete on tb_px begin "
                                       "select raise(abort, 'refused'); end")));
    ASSERT_FALSE(training::deleteClass(db(), id).ok());
    EXPECT_EQ(members(id).size(), 2);
    ASSERT_TRUE(db().execNative(QStringLiteral("drop trigger refuse")));

    ASSERT_TRUE(training::deleteClass(db(), id).ok());
    EXPECT_FALSE(training::readClass(db(), id).ok());
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_pxCadre")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_pxCadre2")), 1);
    EXPECT_EQ(training::trainingHistory(db(), 1)->size(), 2u);
}

TEST_F(TrainingTest, DeletingACadreRemovesBothKindsOfTrainingRows) {
    const int id = makeClass(QStringLiteral("班"), {2010, 3, 1}, {2010, 3, 2});
    ASSERT_TRUE(training::addParticipants(db(), id, {1, 2, 3}).ok());
    training::TrainingRecord alone;
    alone.name = QStringLiteral("自学");
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 1, alone).ok());
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 2, alone).ok());
    const QStringList before = members(id);
    ASSERT_EQ(before.size(), 3);
    const auto nameOf = [](const QString& member) { return member.section(u':', 0, 0); };

    const Result<void> deleted = cadre::DeleteCadre(dm, 1, true, true, 0);
    ASSERT_TRUE(deleted.ok()) << deleted.errorText();
    EXPECT_TRUE(training::trainingHistory(db(), 1)->empty());
    EXPECT_EQ(training::trainingHistory(db(), 2)->size(), 2u);
    // The class's other participants close the gap the deleted cadre leaves.
    EXPECT_EQ(members(id), (QStringList{nameOf(before[1]) + QStringLiteral(":1"),
                                        nameOf(before[2]) + QStringLiteral(":2")}));
}

TEST_F(TrainingTest, TheClassSearchFindsClassesByEachFilledField) {
    training::TrainingClass a;
    a.name = QStringLiteral("青年干部培训班");
    a.start = {2010, 3, 1};
    a.level = training::kLevels[0];
    a.category = QStringLiteral("任职培训");
    const int first = *training::saveClass(db(), a);
    training::TrainingClass b;
    b.name = QStringLiteral("50%班");
    b.start = {2012, 6, 1};
    b.level = training::kLevels[1];
    const int second = *training::saveClass(db(), b);
    const int third = makeClass(QStringLiteral("无人班"), {}, {});
    ASSERT_TRUE(training::addParticipants(db(), first, {1}).ok());
    ASSERT_TRUE(training::addParticipants(db(), second, {2, 3}).ok());

    struct Case {
        const char* what;
        training::ClassQuery query;
        QList<int> found;
    };
    using Q = training::ClassQuery;
    const auto with = [](QString Q::*field, const QString& value) {
        Q query;
        query.*field = value;
        return query;
    };
    const Case cases[] = {
        {"nothing filled: every class", Q{}, {first, second, third}},
        {"name anywhere", with(&Q::name, QStringLiteral("干部")), {first}},
        {"a % typed is no wildcard", with(&Q::name, QStringLiteral("%")), {second}},
        {"start from", with(&Q::from, QStringLiteral("2011-01-01")), {second}},
        {"start up to", with(&Q::to, QStringLiteral("2010-03-01")), {first}},
        {"level", with(&Q::level, training::kLevels[1]), {second}},
        {"category", with(&Q::category, QStringLiteral("任职培训")), {first}},
        {"one participant", with(&Q::participants, QStringLiteral("王五")), {second}},
        {"either participant",
         with(&Q::participants, QStringLiteral("张三，王五")),
         {first, second}},
        {"a quote in a name", with(&Q::participants, QStringLiteral("张'三")), {}},
    };
    for (const Case& c : cases) {
        const Result<QString> where = training::classWhere(c.query);
        ASSERT_TRUE(where.ok()) << c.what;
        const auto classes = training::findClasses(db(), *where);
        ASSERT_TRUE(classes.ok()) << c.what << ": " << classes.errorText();
        QList<int> ids;
        for (const auto& found : *classes) {
            ids << found.id;
        }
        EXPECT_EQ(ids, c.found) << c.what;
    }
    EXPECT_EQ(training::classWhere(with(&Q::from, QStringLiteral("2010-13-01"))).failure().message,
              training::kBadQueryDate);
}

// A participant's name is the cadre's stored name: a two-character name has two blanks in the
// middle ("钱  七"), and the class search finds it however it is typed. An older name stored
// as typed ("张三") is still found.
TEST_F(TrainingTest, TheClassSearchFindsParticipantsByTheirStoredNames) {
    exec(QStringLiteral("update tb_cadre set xm='钱  七' where CadreID=5"));
    const int qian = makeClass(QStringLiteral("甲班"), {2010, 3, 1}, {});
    const int zhang = makeClass(QStringLiteral("乙班"), {2011, 3, 1}, {});
    ASSERT_TRUE(training::addParticipants(db(), qian, {5}).ok());
    ASSERT_TRUE(training::addParticipants(db(), zhang, {1}).ok());
    const struct {
        const char* typed;
        QList<int> found;
    } cases[] = {
        {"钱七", {qian}},
        {"钱 七", {qian}},
        {"钱  七", {qian}},
        {"张三", {zhang}},
        {"钱七，张三", {qian, zhang}},
        {"钱", {}},
    };
    for (const auto& c : cases) {
        training::ClassQuery query;
        query.participants = QString::fromUtf8(c.typed);
        const Result<QString> where = training::classWhere(query);
        ASSERT_TRUE(where.ok()) << c.typed;
        const auto classes = training::findClasses(db(), *where);
        ASSERT_TRUE(classes.ok()) << c.typed << ": " << classes.errorText();
        QList<int> ids;
        for (const auto& found : *classes) {
            ids << found.id;
        }
        EXPECT_EQ(ids, c.found) << c.typed << ": " << *where;
    }
}

// The search's training conditions count both kinds of record, as the history shows them.
TEST_F(TrainingTest, TheSearchFindsTheCadresWhoseHistoryMeetsTheTrainingConditions) {
    const int id = makeClass(QStringLiteral("班"), {2010, 3, 1}, {2010, 3, 5});  // 5 days
    ASSERT_TRUE(training::addParticipants(db(), id, {1, 2}).ok());
    training::TrainingRecord alone;
    alone.name = QStringLiteral("自学");
    alone.start = {2011, 1, 1};
    alone.end = {2011, 1, 5};  // 5 days
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 1, alone).ok());
    ASSERT_TRUE(training::saveStandaloneRecord(db(), 3, alone).ok());

    const auto found = [&](const QString& days, const QString& from) {
        search::SearchConditions conditions;
        conditions.today = {2012, 7, 15};
        conditions.training.days = days;
        conditions.training.from = from;
        const Result<QString> where = search::whereClause(db(), conditions);
        EXPECT_TRUE(where.ok()) << where.errorText();
        const auto rows = db().query(QStringLiteral("select CadreID from tb_cadre") + *where +
                                     QStringLiteral(" order by CadreID"));
        EXPECT_TRUE(rows.has_value()) << db().lastError();
        QList<int> ids;
        for (const auto& row : rows ? rows->rows : std::vector<QVariantList>{}) {
            ids << row.value(0).toInt();
        }
        return ids;
    };
    // Cadre 1 has 10 days in all, cadres 2 and 3 five each.
    EXPECT_EQ(found(QStringLiteral("0"), {}), (QList<int>{1, 2, 3}));
    EXPECT_EQ(found(QStringLiteral("5"), {}), QList<int>{1});
    EXPECT_EQ(found({}, QStringLiteral("2011.01")), (QList<int>{1, 3}));
    for (const int cadre : {1, 2, 3}) {
        int days = 0;
        const auto history = training::trainingHistory(db(), cadre);
        ASSERT_TRUE(history.ok()) << history.errorText();
        for (const auto& r : *history) {
            days += r.days;
        }
        EXPECT_EQ(days > 5, found(QStringLiteral("5"), {}).contains(cadre)) << cadre;
    }
}

// The settings dialog's tables: rows appended, edited by column, deleted; their entries extend
// the pick lists of the class dialog.
TEST_F(TrainingTest, LookupRowsAreKeptByRowAndExtendThePickLists) {
    for (const char* table : {"tb_pxjg", "tb_pxs", "tb_pxType", "tb_pxMode"}) {
        exec(QStringLiteral("delete * from ") + QString::fromLatin1(table));
    }
    using training::Lookup;
    const qint64 school = *training::appendLookupRow(db(), Lookup::Bodies);
    const qint64 other = *training::appendLookupRow(db(), Lookup::Bodies);
    ASSERT_TRUE(
        training::setLookupValue(db(), Lookup::Bodies, school, 0, QStringLiteral("党校")).ok());
    ASSERT_TRUE(
        training::setLookupValue(db(), Lookup::Bodies, other, 0, QStringLiteral("行政学院")).ok());
    ASSERT_TRUE(
        training::setLookupValue(db(), Lookup::Bodies, school, 3, QStringLiteral("1234")).ok());
    const auto bodies = training::readLookup(db(), Lookup::Bodies);
    ASSERT_TRUE(bodies.ok()) << bodies.errorText();
    ASSERT_EQ(bodies->size(), 2u);
    EXPECT_EQ((*bodies)[0].values.value(3), QStringLiteral("1234"));
    EXPECT_EQ(*training::bodyNames(db()), (QStringList{"党校", "行政学院"}));
    ASSERT_TRUE(training::deleteLookupRow(db(), Lookup::Bodies, school).ok());
    EXPECT_EQ(*training::bodyNames(db()), QStringList{"行政学院"});

    // A teacher's birth date is a day; anything else is refused and leaves the row as it was.
    const qint64 teacher = *training::appendLookupRow(db(), Lookup::Teachers);
    ASSERT_TRUE(
        training::setLookupValue(db(), Lookup::Teachers, teacher, 2, QStringLiteral("1960-5-4"))
            .ok());
    EXPECT_FALSE(
        training::setLookupValue(db(), Lookup::Teachers, teacher, 2, QStringLiteral("五月")).ok());
    EXPECT_EQ(training::readLookup(db(), Lookup::Teachers)->front().values.value(2),
              QStringLiteral("1960-05-04"));

    // Categories and forms add to the fixed choices, each once.
    const qint64 category = *training::appendLookupRow(db(), Lookup::Categories);
    ASSERT_TRUE(
        training::setLookupValue(db(), Lookup::Categories, category, 0, QStringLiteral("网络培训"))
            .ok());
    const qint64 form = *training::appendLookupRow(db(), Lookup::Forms);
    ASSERT_TRUE(training::setLookupValue(db(), Lookup::Forms, form, 0, training::kForms[0]).ok());
    EXPECT_EQ(training::categoryChoices(db())->last(), QStringLiteral("网络培训"));
    EXPECT_EQ(*training::formChoices(db()), training::kForms);
}

}  // namespace
