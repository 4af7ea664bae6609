#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "CadreData.h"
#include "cadre/CadreRecord.h"
#include "cadre/Resume.h"
#include "support/QtPrinters.h"
#include "text/MonthText.h"

using cadre::ResumeRow;
using cadre::ResumeTable;

namespace {

const QString kBlanks16(16, u' ');

template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

ResumeRow row(const char* start, const char* end, const char* content) {
    return {QString::fromUtf8(start), QString::fromUtf8(end), QString::fromUtf8(content)};
}

// ---- Text to table ----

struct LineCase {
    const char* name;
    QString line;
    ResumeRow expected;
};

class ResumeLineToRow : public ::testing::TestWithParam<LineCase> {};

TEST_P(ResumeLineToRow, GivesTheRow) {
    const ResumeTable table = cadre::resumeToTable(GetParam().line);
    ASSERT_EQ(table.size(), 1U);
    EXPECT_EQ(table[0], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ResumeLineToRow,
    ::testing::Values(
        LineCase{"Period", QStringLiteral("1985.09-1989.07 某大学学习"),
                 row("1985.09", "1989.07", "某大学学习")},
        LineCase{"OpenPeriod", QStringLiteral("2018.05-        中共某市委员会书记"),
                 row("2018.05", "", "中共某市委员会书记")},
        LineCase{"Continuation", kBlanks16 + QStringLiteral("兼任某职"), row("", "", "兼任某职")},
        LineCase{"FirstWordWithoutDash", QStringLiteral("1985.09至1989.07 某大学学习"),
                 row("1985.09", "1989.07", "某大学学习")},
        LineCase{"NoDashInFirstWord", QStringLiteral("1985.09 某大学 1990-1991"),
                 row("", "", "1985.09 某大学 1990-1991")},
        LineCase{"FirstWordShorterThanFive", QStringLiteral("1-2 某单位"),
                 row("", "", "1-2 某单位")},
        LineCase{"NoBlankAtAll", QStringLiteral("1985.09-1989.07某大学"),
                 row("", "", "1985.09-1989.07某大学")},
        LineCase{"TabAfterTheDates", QStringLiteral("1985.09-1989.07\t某大学 学习"),
                 row("1985.09", "1989.07", "某大学 学习")},
        LineCase{"FullWidthBlankAndDash", QStringLiteral("1985.09－1989.07　某大学学习　"),
                 row("1985.09", "1989.07", "某大学学习")},
        LineCase{"BlanksAroundContent", QStringLiteral("1985.09-1989.07    某大学学习   "),
                 row("1985.09", "1989.07", "某大学学习")},
        LineCase{"StartOnly", QStringLiteral("1985.09-        "), row("", "", "1985.09-")},
        LineCase{"OnlyBlanks", QStringLiteral("   　 "), row("", "", "")}),
    caseName<LineCase>);

TEST(ResumeToTable, EveryLineOfTheTextIsARowWhateverItsLineBreak) {
    const ResumeTable table = cadre::resumeToTable(
        QStringLiteral("1986.09-1990.07 大学学习\r\n\r\n1990.07-2004.09 科长\n") + kBlanks16 +
        QStringLiteral("兼任某职\r2004.09-        主任\r\n"));
    EXPECT_EQ(table, (ResumeTable{row("1986.09", "1990.07", "大学学习"), row("", "", ""),
                                  row("1990.07", "2004.09", "科长"), row("", "", "兼任某职"),
                                  row("2004.09", "", "主任")}));
}

TEST(ResumeToTable, AnEmptyResumeHasNoRows) {
    EXPECT_TRUE(cadre::resumeToTable(QString()).empty());
    EXPECT_EQ(cadre::tableToResume({}), QString());
}

// ---- Table to text ----

struct RowCase {
    const char* name;
    ResumeRow row;
    QString expected;
};

class ResumeRowToLine : public ::testing::TestWithParam<RowCase> {};

TEST_P(ResumeRowToLine, GivesTheLine) {
    // A row after it keeps the line from being dropped as blanks at the end.
    const ResumeTable table{GetParam().row, row("", "", "下一行")};
    EXPECT_EQ(cadre::tableToResume(table),
              GetParam().expected + QStringLiteral("\r\n") + kBlanks16 + QStringLiteral("下一行"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResumeRowToLine,
    ::testing::Values(
        RowCase{"Period", row("1985.09", "1989.07", "某大学学习"),
                QStringLiteral("1985.09-1989.07 某大学学习")},
        RowCase{"OpenPeriod", row("2018.05", "", "书记"), QStringLiteral("2018.05-        书记")},
        RowCase{"ShortEndIsPadded", row("1985", "1989", "学习"),
                QStringLiteral("1985-1989    学习")},
        RowCase{"LongEndIsKept", row("1985.09", "1989.07.01", "学习"),
                QStringLiteral("1985.09-1989.07.01 学习")},
        RowCase{"CellsAreTrimmed", row(" 1985.09 ", " 1989.07 ", " 学习 "),
                QStringLiteral("1985.09-1989.07 学习")},
        RowCase{"ContentOnly", row("", "", "兼任某职"), kBlanks16 + QStringLiteral("兼任某职")},
        RowCase{"EndAndContentWithoutStart", row("", "1989.07", "学习"),
                QStringLiteral("        1989.07 学习")},
        RowCase{"StartWithoutContent", row("1985.09", "1989.07", ""), QString()},
        RowCase{"Empty", row("", "", ""), QString()}),
    caseName<RowCase>);

TEST(TableToResume, LinesAreJoinedWithCrLfAndTheEndIsTrimmed) {
    const ResumeTable table{row("1985.09", "1989.07", "学习"), row("", "", ""),
                            row("2018.05", "", "书记"), row("", "", ""), row("2020.01", "", "")};
    EXPECT_EQ(cadre::tableToResume(table),
              QStringLiteral("1985.09-1989.07 学习\r\n\r\n2018.05-        书记"));
}

// Texts in the layout that the table writes come back unchanged.
TEST(ResumeRoundTrip, ATextInTheStoredLayoutComesBackUnchanged) {
    const QString text = QStringLiteral("1986.09-1990.07 某某财经大学会计学专业学习\r\n") +
                         QStringLiteral("1990.07-2004.09 中共某县委员会科长\r\n") + kBlanks16 +
                         QStringLiteral("（其间：1995.09-1997.07 在省委党校学习）\r\n\r\n") +
                         QStringLiteral("2018.05-        中共某市委员会书记");
    EXPECT_EQ(cadre::tableToResume(cadre::resumeToTable(text)), text);
}

TEST(ResumeRoundTrip, TypedTextIsPutIntoTheLayout) {
    const QString typed =
        QStringLiteral("1985.09－1989.07　某大学学习\n其间 借调\n2018.05- 书记  \n\n");
    EXPECT_EQ(cadre::tableToResume(cadre::resumeToTable(typed)),
              QStringLiteral("1985.09-1989.07 某大学学习\r\n") + kBlanks16 +
                  QStringLiteral("其间 借调\r\n2018.05-        书记"));
}

// The stored resumes of the sample cadres go through the table unchanged but for their
// line breaks.
class ResumeOfStoredCadres : public CadreData {};

TEST_F(ResumeOfStoredCadres, SampleResumesSurviveTheTable) {
    const auto result = db().query(QStringLiteral("select gzjl from tb_cadre where gzjl<>''"));
    ASSERT_TRUE(result.has_value());
    ASSERT_FALSE(result->rows.empty());
    for (const QVariantList& stored : result->rows) {
        QString text = stored[0].toString();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(u'\n', QStringLiteral("\r\n"));
        while (text.endsWith(u' ') || text.endsWith(u'\n') || text.endsWith(u'\r')) {
            text.chop(1);
        }
        EXPECT_EQ(cadre::tableToResume(cadre::resumeToTable(text)), text);
    }
}

// ---- Table commands ----

ResumeTable abcd() {
    return {row("1", "", "a"), row("2", "", "b"), row("3", "", "c"), row("4", "", "d")};
}

QString contents(const ResumeTable& table) {
    QString all;
    for (const ResumeRow& line : table) {
        all += line.content;
    }
    return all;
}

TEST(ResumeCommands, AppendAddsAnEmptyRowAtTheEnd) {
    ResumeTable table = abcd();
    EXPECT_EQ(cadre::appendResumeRow(table), 4);
    ASSERT_EQ(table.size(), 5U);
    EXPECT_EQ(table[4], ResumeRow{});
    ResumeTable empty;
    EXPECT_EQ(cadre::appendResumeRow(empty), 0);
    EXPECT_EQ(empty.size(), 1U);
}

struct DeleteCase {
    int row;
    const char* remaining;
    int caret;
};

class ResumeDeleteRow : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(ResumeDeleteRow, DeletesTheFocusedRow) {
    ResumeTable table = abcd();
    EXPECT_EQ(cadre::deleteResumeRow(table, GetParam().row), GetParam().caret);
    EXPECT_EQ(contents(table), QString::fromUtf8(GetParam().remaining));
}

INSTANTIATE_TEST_SUITE_P(Rows, ResumeDeleteRow,
                         ::testing::Values(DeleteCase{0, "bcd", 0}, DeleteCase{1, "acd", 1},
                                           DeleteCase{3, "abc", 2}, DeleteCase{-1, "abcd", 0},
                                           DeleteCase{4, "abcd", 3}));

TEST(ResumeCommands, DeletingTheOnlyRowLeavesNoCaret) {
    ResumeTable table{row("1", "", "a")};
    EXPECT_EQ(cadre::deleteResumeRow(table, 0), -1);
    EXPECT_TRUE(table.empty());
}

struct MoveCase {
    int row;
    int step;
    const char* order;
    int caret;
};

class ResumeMoveRow : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ResumeMoveRow, ExchangesAllCellsWithTheNeighbour) {
    ResumeTable table = abcd();
    EXPECT_EQ(cadre::moveResumeRow(table, GetParam().row, GetParam().step), GetParam().caret);
    EXPECT_EQ(contents(table), QString::fromUtf8(GetParam().order));
    // The start moves with the content: the cells of a row stay together.
    for (const ResumeRow& line : table) {
        EXPECT_EQ(line.start.toInt() - 1, QStringLiteral("abcd").indexOf(line.content));
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, ResumeMoveRow,
                         ::testing::Values(MoveCase{1, -1, "bacd", 0}, MoveCase{2, 1, "abdc", 3},
                                           MoveCase{0, -1, "abcd", 0}, MoveCase{3, 1, "abcd", 3},
                                           MoveCase{-1, 1, "abcd", -1}, MoveCase{1, 0, "abcd", 1}));

struct MergeCase {
    const char* name;
    std::vector<int> rows;
    std::vector<QString> expected;  // start:content of each row afterwards
    int caret;
};

class ResumeMergeRows : public ::testing::TestWithParam<MergeCase> {};

TEST_P(ResumeMergeRows, AppendsTheOtherContentsToTheFirstSelectedRow) {
    ResumeTable table = abcd();
    EXPECT_EQ(cadre::mergeResumeRows(table, GetParam().rows), GetParam().caret);
    std::vector<QString> shown;
    for (const ResumeRow& line : table) {
        shown.push_back(line.start + u':' + line.content);
    }
    EXPECT_EQ(shown, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ResumeMergeRows,
    ::testing::Values(MergeCase{"Adjacent", {1, 2}, {"1:a", "2:bc", "4:d"}, 1},
                      MergeCase{"InSelectionOrder", {2, 0, 3}, {"2:b", "3:cad"}, 1},
                      MergeCase{"FirstSelectedLast", {3, 0}, {"2:b", "3:c", "4:da"}, 2},
                      MergeCase{"DuplicatesCountOnce", {0, 0, 1}, {"1:ab", "3:c", "4:d"}, 0},
                      MergeCase{"OneRowDoesNothing", {2}, {"1:a", "2:b", "3:c", "4:d"}, -1},
                      MergeCase{"RowsOutsideDoNothing", {2, 9}, {"1:a", "2:b", "3:c", "4:d"}, -1}),
    caseName<MergeCase>);

TEST(ResumeCommands, MergingKeepsTheFirstRowsDates) {
    ResumeTable table{row("1985.09", "1989.07", "学习"), row("1989.07", "1990.01", "，后留校")};
    EXPECT_EQ(cadre::mergeResumeRows(table, {0, 1}), 0);
    EXPECT_EQ(table, (ResumeTable{row("1985.09", "1989.07", "学习，后留校")}));
}

// ---- Printing ----

TEST(PrintedResume, WrapsAtFiftyTwoBytesBehindTheIndent) {
    const QString line = QStringLiteral("1985.09-1989.07 ") + QString(60, u'中');
    const QStringList lines =
        cadre::printedResume(line + QStringLiteral("\r\n\r\n")).split(QStringLiteral("\r\n"));
    // 16 bytes of dates and 18 characters fill the first line; each continuation line holds 18
    // characters behind the indent.
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("1985.09-1989.07 ") + QString(18, u'中'));
    EXPECT_EQ(lines[1], kBlanks16 + QString(18, u'中'));
    EXPECT_EQ(lines[2], kBlanks16 + QString(18, u'中'));
    EXPECT_EQ(lines[3], kBlanks16 + QString(6, u'中'));
}

TEST(PrintedResume, ACharacterIsNeverCutInHalf) {
    const QStringList lines =
        cadre::printedResume(QString(60, u'中')).split(QStringLiteral("\r\n"));
    // 52 bytes are 26 characters on the first line.
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(26, u'中'));
    EXPECT_TRUE(lines[1].startsWith(kBlanks16 + u'中'));
    const QString odd = QStringLiteral("a") + QString(30, u'中');
    EXPECT_EQ(cadre::printedResume(odd).split(QStringLiteral("\r\n"))[0],
              QStringLiteral("a") + QString(26, u'中'));
}

// ---- The summary paragraph ----

cadre::CadreSummary liu() {
    cadre::CadreSummary c;
    c.xm = QStringLiteral("刘  成");
    c.xb = QStringLiteral("男");
    c.mz = QStringLiteral("汉族");
    c.csnyStr = QStringLiteral("1968.01");
    c.csny = QDate(1968, 1, 1);
    c.jgsheng = QStringLiteral("安徽合肥");
    c.zzmm = QStringLiteral("中共党员");
    c.rdsjStr = QStringLiteral("1989.07");
    c.rdsj = QDate(1989, 7, 1);
    c.gzsjStr = QStringLiteral("1990.07");
    c.gzsj = QDate(1990, 7, 1);
    c.qrzxl = QStringLiteral("大学");
    c.qrzxxzy = QStringLiteral("某某财经大学会计学专业");
    c.qrzxw = QStringLiteral("学士");
    c.xrz = QStringLiteral("中共某市委员会书记");
    return c;
}

TEST(CadreSummaryText, WithIndent) {
    EXPECT_EQ(
        cadre::CadreSummaryText(liu(), true),
        QStringLiteral("    刘成，男，汉族，1968年1月生，安徽合肥人，1989年7月加入中国共产党，"
                       "1990年7月参加工作，某某财经大学会计学专业毕业，大学学历。\r    "
                       "现任中共某市委员会书记。"));
}

TEST(CadreSummaryText, WithoutIndent) {
    EXPECT_EQ(cadre::CadreSummaryText(liu(), false),
              QStringLiteral("刘成，男，汉族，1968年1月生，安徽合肥人，1989年7月加入中国共产党，"
                             "1990年7月参加工作，某某财经大学会计学专业毕业，大学学历。"
                             "现任中共某市委员会书记。"));
}

TEST(CadreSummaryText, OnlyTheNameWhenNothingElseIsKnown) {
    cadre::CadreSummary c;
    c.xm = QStringLiteral("张　三 ");
    EXPECT_EQ(cadre::CadreSummaryText(c, true), QStringLiteral("    张三。"));
    EXPECT_EQ(cadre::CadreSummaryText(c, false), QStringLiteral("张三。"));
}

struct PartyCase {
    const char* name;
    const char* zzmm;
    const char* rdsjStr;
    const char* expected;
};

class SummaryParty : public ::testing::TestWithParam<PartyCase> {};

TEST_P(SummaryParty, NamesThePartyJoined) {
    cadre::CadreSummary c;
    c.xm = QStringLiteral("甲");
    c.zzmm = QString::fromUtf8(GetParam().zzmm);
    c.rdsjStr = QString::fromUtf8(GetParam().rdsjStr);
    c.rdsj = text::parseMonthText(c.rdsjStr);
    EXPECT_EQ(cadre::CadreSummaryText(c, false), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Parties, SummaryParty,
    ::testing::Values(
        PartyCase{"Member", "中共党员", "1989.07", "甲，1989年7月加入中国共产党。"},
        PartyCase{"Probationary", "中共预备党员", "2020.11", "甲，2020年11月加入中国共产党。"},
        PartyCase{"ProbationaryShort", "预备党员", "2020.03", "甲，2020年3月加入中国共产党。"},
        PartyCase{"OtherParty", "民革党员", "2001.06", "甲，2001年6月加入民革党员。"},
        PartyCase{"NoDate", "中共党员", "", "甲，中共党员。"},
        PartyCase{"Masses", "群众", "", "甲，群众。"}, PartyCase{"None", "", "1989.07", "甲。"}),
    caseName<PartyCase>);

struct EducationCase {
    const char* name;
    const char* qrzxxzy;
    const char* qrzxl;
    const char* qrzxw;
    const char* zzxxzy;
    const char* zzxl;
    const char* zzxw;
    const char* expected;
};

class SummaryEducation : public ::testing::TestWithParam<EducationCase> {};

TEST_P(SummaryEducation, ShowsTheEducation) {
    const EducationCase& e = GetParam();
    cadre::CadreSummary c;
    c.xm = QStringLiteral("甲");
    c.qrzxxzy = QString::fromUtf8(e.qrzxxzy);
    c.qrzxl = QString::fromUtf8(e.qrzxl);
    c.qrzxw = QString::fromUtf8(e.qrzxw);
    c.zzxxzy = QString::fromUtf8(e.zzxxzy);
    c.zzxl = QString::fromUtf8(e.zzxl);
    c.zzxw = QString::fromUtf8(e.zzxw);
    EXPECT_EQ(cadre::CadreSummaryText(c, false), QString::fromUtf8(e.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Educations, SummaryEducation,
    ::testing::Values(
        EducationCase{"FullTimeWithEducation", "某大学", "大学", "学士", "", "", "",
                      "甲，某大学毕业，大学学历。"},
        EducationCase{"FullTimeDegreeOnly", "某大学", "", "学士", "", "", "",
                      "甲，某大学毕业，学士学位。"},
        EducationCase{"FullTimeSchoolOnly", "某大学", "", "", "", "", "", "甲，某大学毕业。"},
        EducationCase{"FullTimeWithoutSchool", "", "大学", "学士", "", "", "", "甲。"},
        EducationCase{"NothingIsNoSchool", "无", "大学", "", "", "", "", "甲。"},
        EducationCase{"SchoolTextIsCleaned", " 某 大学\r\n某　专业 ", "大学", "", "", "", "",
                      "甲，某大学某专业毕业，大学学历。"},
        EducationCase{"BothWhenInServiceHasNoEducation", "某大学", "大学", "", "党校", "", "硕士",
                      "甲，某大学毕业，大学学历，党校毕业，硕士学位。"},
        EducationCase{"InServiceAloneWhenComplete", "某大学", "大学", "", "党校", "研究生", "",
                      "甲，党校毕业，研究生学历。"},
        EducationCase{"InServiceEducationWithoutSchool", "某大学", "大学", "", "", "研究生", "",
                      "甲，某大学毕业，大学学历。"}),
    caseName<EducationCase>);

TEST(CadreSummaryText, MonthsWithoutDatesAreReadFromTheirTexts) {
    cadre::CadreSummary c;
    c.xm = QStringLiteral("甲");
    c.csnyStr = QStringLiteral("1970.10");
    c.gzsjStr = QStringLiteral("不详");
    EXPECT_EQ(cadre::CadreSummaryText(c, false), QStringLiteral("甲，1970年10月生。"));
}

TEST(CleanedSchoolText, Cases) {
    EXPECT_EQ(cadre::cleanedSchoolText(QStringLiteral(" 无 ")), QString());
    EXPECT_EQ(cadre::cleanedSchoolText(QStringLiteral("无锡学院")), QStringLiteral("无锡学院"));
    EXPECT_EQ(cadre::cleanedSchoolText(QStringLiteral("某 大学\n某\r专业　")),
              QStringLiteral("某大学某专业"));
}

TEST_F(ResumeOfStoredCadres, SummaryOfAStoredCadre) {
    const auto summary = cadre::readCadreSummary(db(), 2);
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary->csnyStr, QStringLiteral("1971.12"));
    EXPECT_EQ(summary->csny.month(), 12);
    // The sample cadre's in-service school and education are both filled: the full-time
    // education is left out.
    EXPECT_EQ(cadre::CadreSummaryText(*summary, false),
              QStringLiteral("何国，男，汉族，1971年12月生，湖北武汉人，1991年7月加入中国共产党，"
                             "1993年7月参加工作，中央党校研究生院经济管理专业毕业，研究生学历。"
                             "现任中共某市委员会副书记，某市人民政府市长。"));
    EXPECT_EQ(cadre::readCadreSummary(db(), 999999).failure().message, cadre::kCadreMissing);
}

}  // namespace
