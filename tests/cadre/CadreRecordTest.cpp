#include <gtest/gtest.h>

#include <QDate>
#include <QSet>

#include "CadreData.h"
#include "cadre/CadreRecord.h"

namespace {

using cadre::CadreValues;

// A save as the checks below look at it: how it ended, the messages of a refusal line by line,
// and the stage code its last line names.
struct SaveOutcome {
    enum class Result { Saved, NothingToSave, Refused };
    Result result = Result::Refused;
    int cadreId = 0;
    QString stage;
    QStringList messages;
    bool changedFlag = false;  // the save wrote
    CadreValues values;
};
using Result = SaveOutcome::Result;

SaveOutcome viewOf(const ::Result<cadre::SavedCadre>& saved) {
    SaveOutcome view;
    if (saved) {
        view.result = saved->wrote ? Result::Saved : Result::NothingToSave;
        view.cadreId = saved->cadreId;
        view.changedFlag = saved->wrote;
        view.values = saved->values;
        return view;
    }
    EXPECT_TRUE(saved.failure().dbError.isEmpty());
    view.messages = saved.failure().message.split(u'\n', Qt::SkipEmptyParts);
    if (!view.messages.isEmpty() && view.messages.last().startsWith(cadre::kSaveFailed)) {
        view.stage = view.messages.last().mid(cadre::kSaveFailed.size());
    }
    return view;
}

class CadreRecordTest : public CadreData {
  protected:
    // Saves `edited` over the stored record of `cadre`.
    SaveOutcome save(int cadre, const CadreValues& edited) {
        return viewOf(cadre::saveCadre(dm, cadre, edited, 0));
    }

    // A new record as the editor hands it over: the defaults and what was typed.
    SaveOutcome saveNew(const CadreValues& typed, int unit = 0) {
        CadreValues values = cadre::newCadreDefaults(db());
        for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
            values.insert(it.key(), it.value());
        }
        return viewOf(cadre::saveCadre(dm, 0, values, unit));
    }

    // The global order of every cadre, as "cadre:order".
    QStringList globalOrder() {
        QStringList list;
        const auto r =
            db().query(QStringLiteral("select CadreID, gbOrd from tb_cadre order by "
                                      "CadreID"));
        for (const QVariantList& row : r->rows) {
            list << QStringLiteral("%1:%2").arg(row[0].toInt()).arg(row[1].toInt());
        }
        return list;
    }

    QStringList listedNames(const QString& statement) {
        QStringList names;
        const auto r = db().query(statement);
        EXPECT_TRUE(r.has_value()) << db().lastError();
        if (r) {
            for (const QVariantList& row : r->rows) {
                names << row[1].toString();
            }
        }
        return names;
    }
};

// ---- Reading and new records -------------------------------------------------------------------

TEST_F(CadreRecordTest, ReadsTheStoredRowWithoutThePhoto) {
    const auto row = cadre::readCadre(db(), 5);
    ASSERT_TRUE(row.ok());
    EXPECT_EQ(row->value(QStringLiteral("xm")).toString(), QStringLiteral("赵伟峰"));
    EXPECT_EQ(row->value(QStringLiteral("csny")).toDate(), QDate(1969, 10, 6));
    EXPECT_EQ(row->value(QStringLiteral("classid")).toInt(), 0);
    EXPECT_TRUE(row->contains(QStringLiteral("ZwLock")));
    EXPECT_TRUE(row->contains(QStringLiteral("CadreID")));
    EXPECT_FALSE(row->contains(QStringLiteral("photo")));
    EXPECT_EQ(cadre::readCadre(db(), 999).failure().message, cadre::kCadreMissing);
}

TEST_F(CadreRecordTest, NewRecordLocksPostsOnlyWhenConfigured) {
    CadreValues values = cadre::newCadreDefaults(db());
    EXPECT_FALSE(values.value(QStringLiteral("ZwLock")).toBool());
    EXPECT_EQ(values.value(QStringLiteral("classid")), QVariant(0));
    EXPECT_EQ(values.value(QStringLiteral("gbOrd")), QVariant(0));

    run(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values ('ZWLOCK','',  '0')"));
    EXPECT_FALSE(cadre::newCadreDefaults(db()).value(QStringLiteral("ZwLock")).toBool());
    run(QStringLiteral("update tb_conf set ItemV='1' where GID='ZWLOCK'"));
    EXPECT_TRUE(cadre::newCadreDefaults(db()).value(QStringLiteral("ZwLock")).toBool());
}

// ---- Nothing to save, names, pinyin
// ---------------------------------------------------------------

TEST_F(CadreRecordTest, NothingIsSavedWhenNoValueDiffers) {
    CadreValues values = *cadre::readCadre(db(), 1);
    // Controls hand back blanks as empty texts, numbers and dates in their own types.
    values.insert(QStringLiteral("res5"), QString());
    values.insert(QStringLiteral("ctype"), QVariant(qlonglong(1)));
    values.insert(QStringLiteral("A3801"), QVariant());
    values.insert(QStringLiteral("ZwLock"), false);
    const Snapshot before = snapshot();
    const SaveOutcome outcome = save(1, values);
    EXPECT_EQ(outcome.result, Result::NothingToSave);
    EXPECT_FALSE(outcome.changedFlag);
    EXPECT_TRUE(outcome.messages.isEmpty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CadreRecordTest, TwoCharacterNamesGetTwoBlanksAndOtherNamesStayAsTyped) {
    const struct {
        const char* typed;
        const char* stored;
        const char* py;
    } cases[] = {
        {"张三", "张  三", "ZS"},       {"张 三", "张  三", "ZS"}, {"张  三", "张  三", "ZS"},
        {"张　三", "张  三", "ZS"},     {"Tom", "Tom", "TOM"},     {"王小明", "王小明", "WXM"},
        {" 王 小明 ", "王小明", "WXM"},
    };
    for (const auto& c : cases) {
        run(QStringLiteral("update tb_cadre set xm='赵伟峰', py=null where CadreID=5"));
        const SaveOutcome outcome = save(5, {{QStringLiteral("xm"), QString::fromUtf8(c.typed)}});
        EXPECT_EQ(outcome.result, Result::Saved) << c.typed;
        EXPECT_TRUE(outcome.changedFlag) << c.typed;
        EXPECT_EQ(cadreValue(5, QStringLiteral("xm")).toString(), QString::fromUtf8(c.stored))
            << c.typed;
        EXPECT_EQ(cadreValue(5, QStringLiteral("py")).toString(), QString::fromUtf8(c.py))
            << c.typed;
        EXPECT_EQ(outcome.values.value(QStringLiteral("xm")).toString(),
                  QString::fromUtf8(c.stored))
            << c.typed;
    }
}

TEST_F(CadreRecordTest, BlankNameIsRefusedBeforeAnyStage) {
    for (const QString& name : {QString(), QStringLiteral("   ")}) {
        const Snapshot before = snapshot();
        const SaveOutcome outcome = save(5, {{QStringLiteral("xm"), name}});
        EXPECT_EQ(outcome.result, Result::Refused);
        EXPECT_EQ(outcome.messages, QStringList{cadre::kNameRequired});
        EXPECT_TRUE(outcome.stage.isEmpty());
        EXPECT_FALSE(outcome.changedFlag);
        EXPECT_EQ(snapshot(), before);
    }
    const SaveOutcome fresh = saveNew({{QStringLiteral("xb"), QStringLiteral("女")}});
    EXPECT_EQ(fresh.result, Result::Refused);
    EXPECT_EQ(fresh.messages, QStringList{cadre::kNameRequired});
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("1=1")), 60);
}

// ---- Month texts
// ----------------------------------------------------------------------------------

TEST_F(CadreRecordTest, MonthTextsGiveTheirDatesAndAreStoredWithTwoDigitMonths) {
    const struct {
        const char* text;
        const char* date;
    } columns[] = {
        {"csnyStr", "csny"}, {"rdsjStr", "rdsj"}, {"gzsjStr", "gzsj"}, {"zwjbTimeStr", "zwjbTime"}};
    for (const auto& column : columns) {
        for (const QString& typed :
             {QStringLiteral("1965.3"), QStringLiteral("1965.03"), QStringLiteral(" 1965.3 ")}) {
            run(QStringLiteral("update tb_cadre set %1=null, %2=null where CadreID=5")
                    .arg(QLatin1String(column.text), QLatin1String(column.date)));
            const SaveOutcome outcome = save(5, {{QLatin1String(column.text), typed}});
            ASSERT_EQ(outcome.result, Result::Saved) << column.text << typed;
            EXPECT_EQ(cadreValue(5, QLatin1String(column.text)).toString(),
                      QStringLiteral("1965.03"))
                << column.text << typed;
            EXPECT_EQ(cadreValue(5, QLatin1String(column.date)).toDate(), QDate(1965, 3, 1))
                << column.text << typed;
        }
    }
    EXPECT_EQ(save(5, {{QStringLiteral("allRzsjList"), QStringLiteral("2018.5")}}).result,
              Result::Saved);
    EXPECT_EQ(cadreValue(5, QStringLiteral("allRzsjList")).toString(), QStringLiteral("2018.05"));
}

TEST_F(CadreRecordTest, ClearingAMonthTextClearsItsDate) {
    ASSERT_TRUE(cadreValue(1, QStringLiteral("rdsj")).toDate().isValid());
    const SaveOutcome outcome = save(1, {{QStringLiteral("rdsjStr"), QString()}});
    EXPECT_EQ(outcome.result, Result::Saved);
    EXPECT_TRUE(cadreValue(1, QStringLiteral("rdsjStr")).isNull());
    EXPECT_TRUE(cadreValue(1, QStringLiteral("rdsj")).isNull());
    EXPECT_TRUE(cadreValue(1, QStringLiteral("csny")).toDate().isValid());
}

TEST_F(CadreRecordTest, BadMonthTextsAreRefusedWithTheirStageAndNothingIsWritten) {
    const struct {
        const char* column;
        const char* typed;
        const char* message;
        const char* stage;
    } cases[] = {
        {"csnyStr", "1899.12", "错误的出生年月!", "00001"},
        {"csnyStr", "1965.13", "错误的出生年月!", "00001"},
        {"rdsjStr", "1800.01", "错误的入党时间!", "00002"},
        {"gzsjStr", "1899.1", "错误的工作时间!", "00003"},
        {"zwjbTimeStr", "abc", "错误的任职级时间!", "00004"},
    };
    for (const auto& c : cases) {
        const Snapshot before = snapshot();
        // The name edit comes first in the sequence and must be undone with the rest.
        const SaveOutcome outcome =
            save(5, {{QStringLiteral("xm"), QStringLiteral("李四")},
                     {QStringLiteral("cssheng"), QStringLiteral("新出生地")},
                     {QLatin1String(c.column), QString::fromUtf8(c.typed)}});
        EXPECT_EQ(outcome.result, Result::Refused) << c.column << c.typed;
        EXPECT_EQ(outcome.stage, QLatin1String(c.stage)) << c.column << c.typed;
        EXPECT_EQ(outcome.messages,
                  (QStringList{QString::fromUtf8(c.message),
                               QStringLiteral("保存错误，错误代码!") + QLatin1String(c.stage)}))
            << c.column << c.typed;
        EXPECT_EQ(snapshot(), before) << c.column << c.typed;
        EXPECT_EQ(db().transactionDepth(), 0);
    }
}

TEST_F(CadreRecordTest, AFailedWriteReportsItsStageAndWritesNothing) {
    const Snapshot before = snapshot();
    const SaveOutcome outcome = save(5, {{QStringLiteral("xm"), QStringLiteral("李四")},
                                         {QStringLiteral("noSuchColumn"), QStringLiteral("x")}});
    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_EQ(outcome.stage, QStringLiteral("00008"));
    EXPECT_EQ(outcome.messages, QStringList{QStringLiteral("保存错误，错误代码!00008")});
    EXPECT_EQ(snapshot(), before);
}

// ---- Only what was edited is written
// --------------------------------------------------------------

TEST_F(CadreRecordTest, AnEditWritesItsColumnAndWhatDerivesFromItOnly) {
    // Stored values that a save of other columns would otherwise make anew.
    const QString seed = QStringLiteral(
        "update tb_cadre set xm='张三', py='X', csnyStr='1965.3', csny=?, gxl='旧学历', "
        "gxlxx='旧专业', qrzxxzy='某大学  ', allRzsjList='2018.5', zyzcTime=?, A3801=? "
        "where CadreID=5");
    const QVariantList seedValues = {QDate(1965, 3, 15), QDate(2001, 5, 17),
                                     QDateTime(QDate(2003, 4, 5), QTime(10, 30))};
    const struct {
        CadreValues edited;
        QStringList written;  // in the table's order of columns
    } cases[] = {
        {{{QStringLiteral("tel"), QStringLiteral("1")}}, {QStringLiteral("tel")}},
        {{{QStringLiteral("xm"), QStringLiteral("李四")}},
         {QStringLiteral("xm"), QStringLiteral("py")}},
        {{{QStringLiteral("zzxl"), QStringLiteral("党校研究生")}},
         {QStringLiteral("gxl"), QStringLiteral("zzxl")}},
        {{{QStringLiteral("qrzxxzy"), QStringLiteral("某学院 ")}},
         {QStringLiteral("gxlxx"), QStringLiteral("qrzxxzy")}},
        {{{QStringLiteral("csnyStr"), QStringLiteral("1970.1")}},
         {QStringLiteral("csny"), QStringLiteral("csnyStr")}},
        {{{QStringLiteral("zyzcTime"), QStringLiteral("2001.6")}}, {QStringLiteral("zyzcTime")}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(db().exec(seed, seedValues)) << db().lastError();
        const auto before = db().query(QStringLiteral("select * from tb_cadre where CadreID=5"));
        const SaveOutcome outcome = save(5, c.edited);
        ASSERT_EQ(outcome.result, Result::Saved) << c.written.join(u',').toStdString();
        const auto after = db().query(QStringLiteral("select * from tb_cadre where CadreID=5"));
        QStringList written;
        for (int i = 0; i < before->columns.size(); ++i) {
            const QVariant& was = before->rows[0][i];
            const QVariant& is = after->rows[0][i];
            if (was != is || was.typeId() != is.typeId()) {
                written << before->columns[i];
            }
        }
        EXPECT_EQ(written, c.written);
    }
}

// A month text handed over again, in its stored or another spelling of the same month (as the
// imports and read-backs do with every field they hold), keeps the exact day stored; another
// month gives that month's first day.
TEST_F(CadreRecordTest, AMonthTextOfTheStoredMonthKeepsTheStoredDay) {
    const struct {
        const char* typed;
        QDate expected;
    } cases[] = {
        {"1968.01", QDate(1968, 1, 19)},  {"1968.1", QDate(1968, 1, 19)},
        {" 1968-1 ", QDate(1968, 1, 19)}, {"1968.02", QDate(1968, 2, 1)},
        {"1969.01", QDate(1969, 1, 1)},
    };
    for (const auto& c : cases) {
        run(
            QStringLiteral("update tb_cadre set csnyStr='1968.01', csny=#1968-01-19#, mz='汉族' "
                           "where CadreID=5"));
        const SaveOutcome outcome =
            save(5, {{QStringLiteral("csnyStr"), QString::fromUtf8(c.typed)},
                     {QStringLiteral("mz"), QStringLiteral("回族")}});
        ASSERT_EQ(outcome.result, Result::Saved) << c.typed;
        EXPECT_EQ(cadreValue(5, QStringLiteral("csny")).toDate(), c.expected) << c.typed;
        EXPECT_EQ(cadreValue(5, QStringLiteral("mz")).toString(), QStringLiteral("回族"));
    }
}

TEST_F(CadreRecordTest, ValuesOfBoxesOfTheirOwnAreReadOrRefused) {
    const struct {
        const char* column;
        const char* typed;
        QVariant stored;  // invalid: refused with `message`
        const char* message;
    } cases[] = {
        {"allRzsjList", "2018.5", QStringLiteral("2018.05"), ""},
        {"allRzsjList", "", QVariant(), ""},
        {"allRzsjList", "2018-5", QStringLiteral("2018.05"), ""},
        {"allRzsjList", "abc", {}, "错误的任现职时间!"},
        {"allRzsjList", "18.05", {}, "错误的任现职时间!"},
        {"zyzcTime", "2001.7", QDate(2001, 7, 1), ""},
        {"zyzcTime", "abc", {}, "错误的取得时间!"},
        {"zyzcTime", "2001.13", {}, "错误的取得时间!"},
        {"A3801", "2003-4-5", QDate(2003, 4, 5), ""},
        {"A3801", "abc", {}, "错误的转入日期!"},
        {"A3801", "2003.04", {}, "错误的转入日期!"},
        {"A3817", "2009-02-30", {}, "错误的转出日期!"},
        {"A3817", "1899-12-31", {}, "错误的转出日期!"},
    };
    for (const auto& c : cases) {
        run(
            QStringLiteral("update tb_cadre set allRzsjList='2000.01', zyzcTime=#2000-01-01#, "
                           "A3801=#2000-01-01#, A3817=#2000-01-01# where CadreID=5"));
        const Snapshot before = snapshot();
        const SaveOutcome outcome =
            save(5, {{QLatin1String(c.column), QString::fromUtf8(c.typed)}});
        if (!c.stored.isValid() && *c.message != '\0') {
            EXPECT_EQ(outcome.result, Result::Refused) << c.column << " " << c.typed;
            EXPECT_EQ(outcome.messages, QStringList{QString::fromUtf8(c.message)})
                << c.column << " " << c.typed;
            EXPECT_EQ(snapshot(), before) << c.column << " " << c.typed;
            continue;
        }
        EXPECT_EQ(outcome.result, Result::Saved) << c.column << " " << c.typed;
        EXPECT_EQ(cadreValue(5, QLatin1String(c.column)), c.stored) << c.column << " " << c.typed;
    }
}

// ---- Education, library, order ------------------------------------------------------------------

TEST_F(CadreRecordTest, HighestEducationIsTheInServiceOneWhenGiven) {
    const struct {
        const char* zzxl;
        const char* zzxw;
        const char* zzxxzy;
        const char* gxl;
        const char* gxw;
        const char* gxlxx;
    } cases[] = {
        {"", "", "", "大专", "学士", "某学院会计专业"},
        {"中专", "", "党校经济管理专业  ", "中专", "学士", "党校经济管理专业"},
        {"研究生", "硕士", "党校", "研究生", "硕士", "党校"},
    };
    for (const auto& c : cases) {
        const SaveOutcome outcome =
            save(5, {{QStringLiteral("qrzxl"), QStringLiteral("大专")},
                     {QStringLiteral("qrzxw"), QStringLiteral("学士")},
                     {QStringLiteral("qrzxxzy"), QStringLiteral("某学院会计专业 \t ")},
                     {QStringLiteral("zzxl"), QString::fromUtf8(c.zzxl)},
                     {QStringLiteral("zzxw"), QString::fromUtf8(c.zzxw)},
                     {QStringLiteral("zzxxzy"), QString::fromUtf8(c.zzxxzy)}});
        ASSERT_EQ(outcome.result, Result::Saved) << c.zzxl;
        EXPECT_EQ(cadreValue(5, QStringLiteral("qrzxxzy")).toString(),
                  QStringLiteral("某学院会计专业"));
        EXPECT_EQ(cadreValue(5, QStringLiteral("gxl")).toString(), QString::fromUtf8(c.gxl))
            << c.zzxl;
        EXPECT_EQ(cadreValue(5, QStringLiteral("gxw")).toString(), QString::fromUtf8(c.gxw))
            << c.zzxl;
        EXPECT_EQ(cadreValue(5, QStringLiteral("gxlxx")).toString(), QString::fromUtf8(c.gxlxx))
            << c.zzxl;
    }
}

TEST_F(CadreRecordTest, NullLibraryBecomesServing) {
    run(QStringLiteral("update tb_cadre set Classid=null where CadreID=5"));
    EXPECT_EQ(save(5, {{QStringLiteral("tel"), QStringLiteral("123")}}).result, Result::Saved);
    EXPECT_EQ(cadreValue(5, QStringLiteral("classid")), QVariant(qlonglong(0)));
    EXPECT_EQ(save(5, {{QStringLiteral("Classid"), 2}}).result, Result::Saved);
    EXPECT_EQ(cadreValue(5, QStringLiteral("classid")).toInt(), 2);
}

TEST_F(CadreRecordTest, NewCadreGetsTheNextGlobalOrderAndKeepsIt) {
    const SaveOutcome first = saveNew({{QStringLiteral("xm"), QStringLiteral("周七")},
                                       {QStringLiteral("csnyStr"), QStringLiteral("1980.5")}});
    ASSERT_EQ(first.result, Result::Saved) << first.messages.join(u' ').toStdString();
    ASSERT_GT(first.cadreId, 60);
    EXPECT_TRUE(first.changedFlag);
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("gbOrd")).toInt(), 61);
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("xm")).toString(), QStringLiteral("周  七"));
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("py")).toString(), QStringLiteral("ZQ"));
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("csnyStr")).toString(),
              QStringLiteral("1980.05"));
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("csny")).toDate(), QDate(1980, 5, 1));
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("classid")).toInt(), 0);
    EXPECT_EQ(first.values.value(QStringLiteral("gbOrd")).toInt(), 61);

    // The editor saves the shown values again with one more edit.
    CadreValues shown = first.values;
    shown.insert(QStringLiteral("tel"), QStringLiteral("5551234"));
    const SaveOutcome second = viewOf(cadre::saveCadre(dm, first.cadreId, shown, 0));
    EXPECT_EQ(second.result, Result::Saved);
    EXPECT_EQ(second.cadreId, first.cadreId);
    EXPECT_EQ(cadreValue(first.cadreId, QStringLiteral("gbOrd")).toInt(), 61);
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("1=1")), 61);

    // A record whose order was lost gets a new one on its next save.
    run(QStringLiteral("update tb_cadre set gbOrd=0 where CadreID=3"));
    EXPECT_EQ(save(3, {{QStringLiteral("tel"), QStringLiteral("1")}}).result, Result::Saved);
    EXPECT_EQ(cadreValue(3, QStringLiteral("gbOrd")).toInt(), 62);
}

TEST_F(CadreRecordTest, NewCadreJoinsTheChosenUnitOnceAtItsLastOrder) {
    const QStringList before = unitList(7);
    const int next = dm.NextMemberOrder(7).value();
    const SaveOutcome outcome = saveNew({{QStringLiteral("xm"), QStringLiteral("吴八")}}, 7);
    ASSERT_EQ(outcome.result, Result::Saved);
    EXPECT_EQ(unitList(7),
              before + QStringList{QStringLiteral("%1:%2").arg(outcome.cadreId).arg(next)});
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"),
                    QStringLiteral("ZwCadreID=") + QString::number(outcome.cadreId)),
              1);

    // Saving the cadre again, with a unit or without, adds no membership.
    CadreValues shown = outcome.values;
    shown.insert(QStringLiteral("tel"), QStringLiteral("1"));
    EXPECT_EQ(viewOf(cadre::saveCadre(dm, outcome.cadreId, shown, 7)).result, Result::Saved);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"),
                    QStringLiteral("ZwCadreID=") + QString::number(outcome.cadreId)),
              1);

    // A new cadre without a unit joins none.
    const SaveOutcome loose = saveNew({{QStringLiteral("xm"), QStringLiteral("郑九")}});
    ASSERT_EQ(loose.result, Result::Saved);
    EXPECT_EQ(count(QStringLiteral("tb_cadre_node"),
                    QStringLiteral("ZwCadreID=") + QString::number(loose.cadreId)),
              0);
}

TEST_F(CadreRecordTest, RefusedNewCadreIsNeitherStoredNorJoined) {
    const Snapshot before = snapshot();
    const SaveOutcome outcome = saveNew({{QStringLiteral("xm"), QStringLiteral("吴八")},
                                         {QStringLiteral("gzsjStr"), QStringLiteral("1850.01")}},
                                        7);
    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_EQ(outcome.stage, QStringLiteral("00003"));
    EXPECT_EQ(outcome.cadreId, 0);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(CadreRecordTest, NewCadreIsNotStoredWhenJoiningItsUnitFails) {
    ASSERT_TRUE(db().execNative(QStringLiteral("alter table tb_cadre_node rename to node_away")));
    const SaveOutcome outcome = saveNew({{QStringLiteral("xm"), QStringLiteral("吴八")}}, 7);
    EXPECT_EQ(outcome.result, Result::Refused);
    EXPECT_EQ(outcome.stage, QStringLiteral("00010"));
    EXPECT_EQ(outcome.messages, QStringList{QStringLiteral("保存错误，错误代码!00010")});
    EXPECT_EQ(outcome.cadreId, 0);
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("1=1")), 60);
    EXPECT_EQ(db().transactionDepth(), 0);
}

// ---- Next lower rank
// ------------------------------------------------------------------------------

TEST(NextLowerRank, FollowsTheRankTableWithinTheList) {
    const QStringList levels = {
        QStringLiteral("省部级正职"), QStringLiteral("省部级副职"), QStringLiteral("厅局级正职"),
        QStringLiteral("厅局级副职"), QStringLiteral("县处级正职"), QStringLiteral("县处级副职"),
        QStringLiteral("乡科级正职"), QStringLiteral("乡科级副职"), QStringLiteral("科员")};
    const QStringList shortRanks = {QStringLiteral("正厅"), QStringLiteral("副厅"),
                                    QStringLiteral("正处"), QStringLiteral("副处"),
                                    QStringLiteral("正科"), QStringLiteral("副科"),
                                    QStringLiteral("科员")};
    const struct {
        const QStringList* list;
        const char* rank;
        const char* lower;
    } cases[] = {
        {&levels, "省部级正职", ""},  // the first entry
        {&levels, "省部级副职", "厅局级正职"},
        {&levels, "厅局级正职", "厅局级副职"},
        {&levels, "厅局级副职", "县处级正职"},
        {&levels, "县处级副职", "乡科级正职"},
        {&levels, "乡科级副职", "科员"},
        {&levels, "科员", ""},
        {&levels, "副处", ""},  // 正科 is not in the list
        {&shortRanks, "副厅", "正处"},
        {&shortRanks, "正处", "副处"},
        {&shortRanks, "副处", "正科"},
        {&shortRanks, "副科", "科员"},
        {&shortRanks, "副省", "正厅"},
        {&shortRanks, "正厅", ""},  // the first entry
        {&shortRanks, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cadre::nextLowerRank(QString::fromUtf8(c.rank), *c.list),
                  QString::fromUtf8(c.lower))
            << c.rank;
    }
    EXPECT_EQ(cadre::nextLowerRank(QStringLiteral("副县级"),
                                   {QStringLiteral("科员"), QStringLiteral("正科")}),
              QStringLiteral("正科"));
    EXPECT_EQ(cadre::nextLowerRank(QStringLiteral("副市长"),
                                   {QStringLiteral("科员"), QStringLiteral("正处")}),
              QStringLiteral("正处"));
}

// ---- The list
// -------------------------------------------------------------------------------------

TEST_F(CadreRecordTest, LibraryStatementsFilterBySearchText) {
    const QString head = QStringLiteral("select CadreID,xm,xb,csnyStr,gbOrd from tb_cadre where ");
    const QString tail = QStringLiteral(" order by gbOrd");
    const struct {
        int library;
        const char* search;
        const char* filter;
    } cases[] = {
        {0, "", "(classid=0)"},
        {1, "", "classid=1"},
        {2, "", "classid=2"},
        {0, "zwf", "(classid=0) and (py like 'zwf%')"},
        {0, "L2", "(classid=0) and (py like 'L2%')"},
        {0, "刘成", "(classid=0) and (xm like '刘%成%')"},
        {1, "赵", "classid=1 and (xm like '赵%')"},
        {0, "赵伟峰", "(classid=0) and (xm like '赵伟峰%')"},
        {0, "刘 成", "(classid=0) and (xm like '刘 成%')"},
        {0, "O'Brien", "(classid=0) and (xm like 'O''Brien%')"},
        {0, "x')--", "(classid=0) and (xm like 'x'')--%')"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cadre::cadreLibraryStatement(c.library, QString::fromUtf8(c.search)),
                  head + QString::fromUtf8(c.filter) + tail)
            << c.search;
    }

    EXPECT_EQ(listedNames(cadre::cadreLibraryStatement(0, {})).size(), 60);
    EXPECT_EQ(listedNames(cadre::cadreLibraryStatement(0, QStringLiteral("zwf"))),
              QStringList{QStringLiteral("赵伟峰")});
    EXPECT_EQ(listedNames(cadre::cadreLibraryStatement(0, QStringLiteral("刘成"))),
              QStringList{QStringLiteral("刘  成")});
    EXPECT_TRUE(listedNames(cadre::cadreLibraryStatement(0, QStringLiteral("O'Brien"))).isEmpty());
    EXPECT_TRUE(listedNames(cadre::cadreLibraryStatement(1, {})).isEmpty());
    run(QStringLiteral("update tb_cadre set Classid=1 where CadreID=5"));
    EXPECT_EQ(listedNames(cadre::cadreLibraryStatement(1, {})),
              QStringList{QStringLiteral("赵伟峰")});
    EXPECT_EQ(listedNames(cadre::cadreLibraryStatement(0, {})).size(), 59);
}

TEST_F(CadreRecordTest, MovingInTheGlobalOrderShiftsTheCadresBetween) {
    QStringList expected = globalOrder();
    ASSERT_TRUE(cadre::moveInGlobalOrder(dm, 5, 2));
    expected[1] = QStringLiteral("2:3");
    expected[2] = QStringLiteral("3:4");
    expected[3] = QStringLiteral("4:5");
    expected[4] = QStringLiteral("5:2");
    EXPECT_EQ(globalOrder(), expected);

    // And back down: position 5 holds cadre 4 now.
    const auto back = cadre::moveInGlobalOrder(dm, 5, 5);
    ASSERT_TRUE(back);
    EXPECT_EQ((*back), 5);
    for (int i = 1; i <= 5; ++i) {
        expected[i - 1] = QStringLiteral("%1:%1").arg(i);
    }
    EXPECT_EQ(globalOrder(), expected);
}

TEST_F(CadreRecordTest, MovingToItsOwnPlaceOrNowhereChangesNothing) {
    const QStringList before = globalOrder();
    EXPECT_TRUE(cadre::moveInGlobalOrder(dm, 5, 5));
    for (const int position : {0, 61}) {
        const auto outcome = cadre::moveInGlobalOrder(dm, 5, position);
        EXPECT_FALSE(outcome) << position;
        EXPECT_EQ(outcome.failure().message, cadre::kNoCadreAtPosition) << position;
    }
    const auto missing = cadre::moveInGlobalOrder(dm, 999, 1);
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.failure().message, cadre::kCadreMissing);
    EXPECT_EQ(globalOrder(), before);
    EXPECT_EQ(db().transactionDepth(), 0);
}

// ---- Fixed lists
// ----------------------------------------------------------------------------------

TEST(CadreLists, HoldTheirEntriesOnce) {
    const struct {
        const QStringList* list;
        qsizetype size;
    } lists[] = {{&cadre::kEthnicGroups, 59}, {&cadre::kPoliticalStatuses, 14},
                 {&cadre::kHealthStates, 3},  {&cadre::kIdTypes, 2},
                 {&cadre::kSexes, 2},         {&cadre::kCadreTypes, 4},
                 {&cadre::kLibraries, 3}};
    for (const auto& l : lists) {
        EXPECT_EQ(l.list->size(), l.size);
        EXPECT_EQ(QSet<QString>(l.list->cbegin(), l.list->cend()).size(), l.size);
    }
    EXPECT_EQ(cadre::kEthnicGroups.first(), QStringLiteral("汉族"));
    EXPECT_EQ(cadre::kEthnicGroups.last(), QStringLiteral("外国血统"));
}

}  // namespace
