#include <gtest/gtest.h>

#include <QDate>
#include <QJsonValue>
#include <QTemporaryDir>

#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/ExcelImport.h"
#include "office/NewWorkbook.h"
#include "office/Spreadsheet.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using documents::ExcelImportSettings;
using documents::ImportRow;
using documents::RowAction;

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// Columns of the workbooks below: A name, B sex, C birth, D nationality, E party entry,
// F rank date.
constexpr int kName = 0;
constexpr int kSex = 1;
constexpr int kBirth = 2;
constexpr int kNation = 3;
constexpr int kParty = 7;
constexpr int kRankDate = 18;

ExcelImportSettings mapping(int lastRow = 100) {
    ExcelImportSettings settings;
    settings.lastRow = lastRow;
    settings.columns[kName] = 1;
    settings.columns[kSex] = 2;
    settings.columns[kBirth] = 3;
    settings.columns[kNation] = 4;
    settings.columns[kParty] = 5;
    settings.columns[kRankDate] = 6;
    return settings;
}

class ExcelImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    db::Database& db() { return dm.db(); }

    void run(const QString& statement) { ASSERT_TRUE(db().exec(statement)) << db().lastError(); }

    // A workbook whose first sheet has a caption row and then `rows`.
    QString workbook(const std::vector<QVariantList>& rows) {
        const QString path = dir.filePath(QStringLiteral("book%1.xlsx").arg(++books_));
        office::NewSheet sheet;
        sheet.header = {u("姓名"), u("性别"),     u("出生年月"),
                        u("民族"), u("入党时间"), u("任职级时间")};
        sheet.rows = rows;
        const Result<void> written = office::writeNewWorkbook(path, {sheet});
        EXPECT_TRUE(written.ok()) << written.errorText();
        return path;
    }

    QList<ImportRow> read(const QString& path, const ExcelImportSettings& settings = mapping()) {
        const Result<QList<ImportRow>> rows = documents::readImportFile(db(), path, settings);
        EXPECT_TRUE(rows.ok()) << rows.errorText();
        return rows ? *rows : QList<ImportRow>();
    }

    documents::ImportOutcome import(const QString& path, int unit = 0) {
        const Result<documents::ImportOutcome> outcome =
            documents::importRows(dm, read(path), unit);
        EXPECT_TRUE(outcome.ok()) << outcome.errorText();
        EXPECT_EQ(db().transactionDepth(), 0);
        return outcome ? *outcome : documents::ImportOutcome();
    }

    int scalar(const QString& sql, const QVariantList& params = {}) {
        const Result<QVariant> value = db().scalar(sql, params);
        EXPECT_TRUE(value.ok()) << value.errorText();
        return value ? value->toInt() : -1;
    }

    int cadreCount() { return scalar(QStringLiteral("select count(*) from tb_cadre")); }

    int cadreNamed(const QString& name) {
        return scalar(QStringLiteral("select CadreID from tb_cadre where xm=?"), {name});
    }

    QVariant column(int cadre, const char* name) {
        const auto rows = db().query(
            QStringLiteral("select %1 from tb_cadre where CadreID=?").arg(u(name)), {cadre});
        EXPECT_TRUE(rows && rows->rows.size() == 1) << db().lastError();
        return rows && !rows->rows.empty() ? rows->rows[0][0] : QVariant();
    }

    TestHome home;
    TDataM dm{home.path()};
    QTemporaryDir dir;
    int books_ = 0;
};

TEST(ExcelImportMonths, EveryFormACellHoldsGivesTheStoredMonth) {
    struct Case {
        QVariant cell;
        std::optional<QString> month;
    };
    const Case cases[] = {
        {QVariant(), QString()},
        {u("  "), QString()},
        {QDate(1965, 3, 15), u("1965.03")},
        {QDateTime(QDate(1998, 7, 1), QTime(8, 30)), u("1998.07")},
        {23802.0, u("1965.03")},   // serial day number of 1965-03-01
        {35977.0, u("1998.07")},   // serial day number of 1998-07-01
        {196503.0, u("1965.03")},  // yyyymm as a number
        {1965.03, u("1965.03")},
        {1965.1, u("1965.10")},  // "1965.10" typed into a number cell
        {1965.12, u("1965.12")},
        {u("1965.03"), u("1965.03")},
        {u(" 1965.3 "), u("1965.03")},
        {u("1965-3"), u("1965.03")},
        {u("1965年3月"), u("1965.03")},
        {u("1965年12月5日"), u("1965.12")},
        {u("196503"), u("1965.03")},
        {1965.0, std::nullopt},  // a year alone
        {1965.13, std::nullopt},
        {u("不详"), std::nullopt},
        {u("1865.03"), std::nullopt},
        {QDate(1899, 12, 1), std::nullopt},
        {-3.0, std::nullopt},
        {12345678.0, std::nullopt},
        {true, std::nullopt},
        {QTime(8, 30), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(documents::importedMonthText(c.cell), c.month) << c.cell.toString();
    }
}

TEST_F(ExcelImportTest, CreatesNewCadresAndUpdatesTheirNamesakesThroughTheSave) {
    const int known = cadreNamed(u("赵伟峰"));
    ASSERT_GT(known, 0);
    const int before = cadreCount();
    const QString path = workbook({
        {u("王小明"), u("男"), u("1970-5"), u("汉族"), QDate(1992, 6, 3), 35977.0},
        {u("赵伟峰"), QVariant(), QVariant(), u("回族")},
        {u("张三"), u("女"), 1975.1},
    });

    const QList<ImportRow> rows = read(path);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].action, RowAction::Create);
    EXPECT_EQ(rows[1].action, RowAction::Update);
    EXPECT_EQ(rows[1].cadreId, known);
    EXPECT_EQ(rows[2].name, u("张  三"));

    const documents::ImportOutcome first = import(path);
    EXPECT_EQ(first.imported, 3);
    EXPECT_TRUE(first.log.isEmpty()) << first.log.join(u'\n').toStdString();
    EXPECT_EQ(cadreCount(), before + 2);

    const int created = cadreNamed(u("王小明"));
    ASSERT_GT(created, 0);
    EXPECT_EQ(column(created, "csnyStr"), u("1970.05"));
    EXPECT_EQ(column(created, "csny").toDate(), QDate(1970, 5, 1));
    EXPECT_EQ(column(created, "rdsjStr"), u("1992.06"));
    EXPECT_EQ(column(created, "zwjbTimeStr"), u("1998.07"));
    EXPECT_EQ(column(created, "py"), u("WXM"));
    EXPECT_EQ(column(created, "classid").toInt(), 0);
    EXPECT_GT(column(created, "gbOrd").toInt(), 0);
    EXPECT_EQ(column(cadreNamed(u("张  三")), "csnyStr"), u("1975.10"));

    // Blank cells keep what is stored; filled ones replace it.
    EXPECT_EQ(column(known, "mz"), u("回族"));
    EXPECT_EQ(column(known, "csnyStr"), u("1969.10"));
    EXPECT_FALSE(column(known, "xb").toString().isEmpty());

    // The same sheet again updates the same cadres, also the two-character name stored with its
    // blanks, and creates none.
    const documents::ImportOutcome second = import(path);
    EXPECT_EQ(second.imported, 3);
    EXPECT_EQ(cadreCount(), before + 2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from tb_cadre where xm=?"), {u("张  三")}), 1);
}

TEST_F(ExcelImportTest, AWorkbookWrittenByAnotherProgramGivesItsMonthsInEveryForm) {
    // Written by openpyxl as Excel users keep them: a date cell with a Chinese format, a serial
    // number without a date format, texts in three forms and a year.month number.
    const QString path = dir.filePath(u("openpyxl.xlsx"));
    const QString script = QStringLiteral(R"PY(
import sys, json, datetime
from openpyxl import Workbook
wb = Workbook()
ws = wb.active
ws.append(['姓名', '性别', '出生年月'])
ws.append(['甲一', '男', datetime.datetime(1965, 3, 1)])
ws['C2'].number_format = 'yyyy"年"m"月"'
ws.append(['乙二', '女', 23802])
ws.append(['丙三', '男', '1965-3'])
ws.append(['丁四', '男', '1965年3月'])
ws.append(['戊五', '男', 1965.03])
ws.append(['己六', '男', '1965.03'])
wb.save(sys.argv[1])
print(json.dumps(True))
)PY");
    ASSERT_EQ(python_reader::runPython(script, {path}), QJsonValue(true));
    const QList<ImportRow> rows = read(path);
    ASSERT_EQ(rows.size(), 6);
    for (const ImportRow& row : rows) {
        EXPECT_EQ(row.action, RowAction::Create) << row.sheetRow << row.problem.toStdString();
        EXPECT_EQ(row.values.value(u("csnyStr")), u("1965.03")) << row.sheetRow;
    }
    EXPECT_EQ(rows[0].name, u("甲  一"));
}

TEST_F(ExcelImportTest, TheChecksComeFirstAndARangeBackwardsImportsNothing) {
    const QString path = workbook({{u("王小明")}});
    struct Case {
        QString path;
        int firstRow;
        int lastRow;
        int nameColumn;
        QString message;
    };
    const Case cases[] = {
        {dir.filePath(u("没有.xlsx")), 2, 100, 1, documents::kImportFileMissing},
        {QString(), 2, 100, 1, documents::kImportFileMissing},
        {path, 0, 100, 1, documents::kImportRowsBelowOne},
        {path, 2, 0, 1, documents::kImportRowsBelowOne},
        {path, 2, 100, 0, documents::kImportNameColumnMissing},
    };
    for (const Case& c : cases) {
        ExcelImportSettings settings = mapping();
        settings.firstRow = c.firstRow;
        settings.lastRow = c.lastRow;
        settings.columns[kName] = c.nameColumn;
        const Result<QList<ImportRow>> rows = documents::readImportFile(db(), c.path, settings);
        ASSERT_FALSE(rows.ok()) << c.message;
        EXPECT_EQ(rows.failure().message, c.message);
    }

    ExcelImportSettings backwards = mapping();
    backwards.firstRow = 5;
    backwards.lastRow = 2;
    EXPECT_TRUE(read(path, backwards).isEmpty());

    // The whole sheet, to Excel's last row, reads the rows there are.
    ExcelImportSettings whole = mapping(office::kMaxSheetRows);
    whole.firstRow = 1;
    const QList<ImportRow> rows = read(path, whole);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].name, u("姓  名"));
    EXPECT_EQ(rows[1].name, u("王小明"));
}

TEST_F(ExcelImportTest, NamesakesAndUnreadableMonthsAreLeftOutWithTheirReasons) {
    const int known = cadreNamed(u("赵伟峰"));
    run(QStringLiteral(
        "insert into tb_cadre (xm,classid,gbOrd,mz) values ('赵伟峰',0,900,'满族')"));
    run(QStringLiteral("insert into tb_cadre (xm,classid,gbOrd) values ('萧  栋',1,901)"));
    const int retired = scalar(QStringLiteral("select max(CadreID) from tb_cadre where classid=1"));
    const int before = cadreCount();
    const QString path = workbook({
        {u("赵伟峰"), QVariant(), QVariant(), u("回族")},
        {u("李四"), QVariant(), u("不详")},
        {u("王五"), u("男")},
        {u("王五"), u("女")},
        {u("萧栋"), QVariant(), QVariant(), u("壮族")},
        {QVariant(), u("男")},
    });

    const QList<ImportRow> rows = read(path);
    ASSERT_EQ(rows.size(), 5);  // the row without a name is passed over
    EXPECT_EQ(rows[0].problem, documents::duplicateCadresProblem(2));
    EXPECT_EQ(rows[1].problem, documents::unreadableMonthProblem(u("出生年月"), u("不详")));
    EXPECT_EQ(rows[2].action, RowAction::Create);
    EXPECT_EQ(rows[3].problem, documents::repeatedInSheetProblem(4));
    // Only serving cadres are matched: the retired namesake is not the one updated.
    EXPECT_EQ(rows[4].action, RowAction::Update);
    EXPECT_NE(rows[4].cadreId, retired);

    const documents::ImportOutcome outcome = import(path);
    EXPECT_EQ(outcome.imported, 2);
    ASSERT_EQ(outcome.log.size(), 3);
    EXPECT_TRUE(outcome.log[0].startsWith(u("第2行（赵伟峰）："))) << outcome.log[0].toStdString();
    EXPECT_TRUE(outcome.log[1].startsWith(u("第3行（李  四）："))) << outcome.log[1].toStdString();
    EXPECT_TRUE(
        documents::importReport(outcome).startsWith(u("共导入2个干部信息!\n以下3行未导入：")));

    EXPECT_EQ(column(known, "mz"), u("汉族"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from tb_cadre where xm=? and mz=?"),
                     {u("赵伟峰"), u("回族")}),
              0);
    EXPECT_EQ(cadreNamed(u("李  四")), 0);
    EXPECT_EQ(column(retired, "mz").toString(), QString());
    EXPECT_EQ(cadreCount(), before + 1);
    EXPECT_EQ(column(cadreNamed(u("王  五")), "xb"), u("男"));
}

TEST_F(ExcelImportTest, OnlyValuesThatDifferFromTheRecordAreWrittenAndAStoredDayIsKept) {
    // Cadre 1, 刘  成, was born on 1968-01-19 ("1968.01"), is male and of the 汉族; each sheet
    // row gives his name without the blanks, the same sex, a birth cell and a new nationality.
    struct Case {
        QVariant birth;
        QDate storedBirth;  // csny after the import
        bool birthWritten;
    };
    const Case cases[] = {
        {u("1968.01"), QDate(1968, 1, 19), false},   {u("1968-1"), QDate(1968, 1, 19), false},
        {u("1968年1月"), QDate(1968, 1, 19), false}, {QDate(1968, 1, 1), QDate(1968, 1, 19), false},
        {196801.0, QDate(1968, 1, 19), false},       {u("1968.02"), QDate(1968, 2, 1), true},
        {u("1967.01"), QDate(1967, 1, 1), true},
    };
    for (const Case& c : cases) {
        const QString label = c.birth.toString();
        run(
            QStringLiteral("update tb_cadre set csny=#1968-01-19#, csnyStr='1968.01', "
                           "xb='男', mz='汉族' where CadreID=1"));
        const QString path = workbook({{u("刘成"), u("男"), c.birth, u("回族")}});

        const QList<ImportRow> rows = read(path);
        ASSERT_EQ(rows.size(), 1) << label.toStdString();
        EXPECT_EQ(rows[0].action, RowAction::Update) << label.toStdString();
        EXPECT_EQ(rows[0].cadreId, 1) << label.toStdString();
        // Only the values to write remain: the name and the sex are those stored.
        EXPECT_EQ(rows[0].values.contains(u("csnyStr")), c.birthWritten) << label.toStdString();
        EXPECT_FALSE(rows[0].values.contains(u("xm"))) << label.toStdString();
        EXPECT_FALSE(rows[0].values.contains(u("xb"))) << label.toStdString();
        EXPECT_EQ(rows[0].values.value(u("mz")), u("回族")) << label.toStdString();
        const QStringList held = c.birthWritten ? QStringList{u("xb"), u("xm")}
                                                : QStringList{u("csnyStr"), u("xb"), u("xm")};
        EXPECT_EQ(rows[0].unchanged.keys(), held) << label.toStdString();

        const documents::ImportOutcome outcome = import(path);
        EXPECT_EQ(outcome.imported, 1) << label.toStdString();
        EXPECT_EQ(column(1, "csny").toDate(), c.storedBirth) << label.toStdString();
        EXPECT_EQ(column(1, "csnyStr"), c.storedBirth.toString(u("yyyy.MM")))
            << label.toStdString();
        EXPECT_EQ(column(1, "mz"), u("回族")) << label.toStdString();
        EXPECT_EQ(column(1, "xm"), u("刘  成")) << label.toStdString();
    }
}

TEST_F(ExcelImportTest, ChosenUnitKeepsItsMembersAndAppendsTheNewOnes) {
    // Unit 7 lists cadres 19, 20, 21, 22, 55, 56; cadre 21 is imported again.
    const auto orders = [this] {
        QStringList list;
        const auto rows = db().query(QStringLiteral(
            "select ZwCadreID,zwOrder,bind from tb_cadre_node where dwID=7 order by zwOrder"));
        EXPECT_TRUE(rows.has_value()) << db().lastError();
        for (const QVariantList& row : rows->rows) {
            list << QStringLiteral("%1:%2:%3")
                        .arg(row[0].toInt())
                        .arg(row[1].toInt())
                        .arg(row[2].toInt());
        }
        return list;
    };
    const QStringList before = orders();
    const QString member = column(21, "xm").toString();
    const QString path = workbook({{u("孙新来")}, {member, u("男")}});

    EXPECT_EQ(import(path, 7).imported, 2);
    const int created = cadreNamed(u("孙新来"));
    const int last = before.isEmpty() ? 0 : before.last().section(u':', 1, 1).toInt();
    EXPECT_EQ(orders(), before + QStringList{QStringLiteral("%1:%2:1").arg(created).arg(last + 1)});
}

TEST_F(ExcelImportTest, ARowThatFailsIsRolledBackWholeAndTheOthersGoOn) {
    // Joining the unit fails for one cadre, after that cadre's record was saved.
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger refuse_member before insert on tb_cadre_node when "
                       "(select xm from tb_cadre where CadreID=new.ZwCadreID) like '钱%' "
                       "begin select raise(abort, 'member refused'); end")));
    const int before = cadreCount();
    const int members = scalar(QStringLiteral("select count(*) from tb_cadre_node"));
    const QString path = workbook({{u("孙一一")}, {u("钱二二")}, {u("李三三")}});

    const documents::ImportOutcome outcome = import(path, 7);
    EXPECT_EQ(outcome.imported, 2);
    ASSERT_EQ(outcome.log.size(), 1);
    EXPECT_TRUE(outcome.log[0].contains(u("member refused"))) << outcome.log[0].toStdString();
    EXPECT_EQ(cadreNamed(u("钱二二")), 0);
    EXPECT_EQ(cadreCount(), before + 2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from tb_cadre_node")), members + 2);
}

// A sheet held in memory: its cells can hold any text that a workbook's cells can.
class MemorySheet : public office::Spreadsheet {
  public:
    explicit MemorySheet(std::vector<QVariantList> rows) : rows_(std::move(rows)) {}
    const QString& name() const override { return name_; }
    int sheetCount() const override { return 1; }
    Result<QString> sheetName(int) const override { return QStringLiteral("Sheet1"); }
    Result<office::CellRange> usedRange(int) const override {
        return office::CellRange{1, 1, static_cast<int>(rows_.size()), 8};
    }
    Result<QVariant> value(int, int row, int column) const override {
        return rows_.at(static_cast<size_t>(row - 1)).value(column - 1);
    }

  private:
    QString name_ = QStringLiteral("内存.xlsx");
    std::vector<QVariantList> rows_;
};

// Cells pass the checks of typed values: control characters go and a text longer than its
// column is cut; the preview's row and the closing report name each value so changed.
TEST_F(ExcelImportTest, CellsLoseControlCharactersAndExcessAndTheReportNamesEach) {
    ExcelImportSettings settings = mapping();
    settings.columns[22] = 7;  // 通讯地址
    settings.columns[20] = 8;  // 身份证号
    const MemorySheet sheet({
        {u("姓名")},
        {u("王小明"), u("男\u0007"), u("1970-5"), u("汉\u001b族"), QVariant(), QVariant(),
         u("合肥市\u007f长江路"), QString(80, u'1')},
    });
    const Result<QList<ImportRow>> rows = documents::readImportRows(db(), sheet, settings);
    ASSERT_TRUE(rows) << rows.errorText();
    ASSERT_EQ(rows->size(), 1);
    EXPECT_EQ(rows->at(0).action, RowAction::Create);
    EXPECT_EQ(
        rows->at(0).notes,
        QStringList({u("通讯地址：已去除其中的控制字符"), u("民族：已去除其中的控制字符"),
                     u("性别：已去除其中的控制字符"), u("身份证号：超过50个字，已截去多余部分")}));

    const Result<documents::ImportOutcome> outcome = documents::importRows(dm, *rows, 0);
    ASSERT_TRUE(outcome) << outcome.errorText();
    EXPECT_EQ(outcome->imported, 1);
    const int created = cadreNamed(u("王小明"));
    EXPECT_EQ(column(created, "xb"), u("男"));
    EXPECT_EQ(column(created, "mz"), u("汉族"));
    EXPECT_EQ(column(created, "address"), u("合肥市长江路"));
    EXPECT_EQ(column(created, "zjh"), QString(50, u'1'));
    const QString report = documents::importReport(*outcome);
    EXPECT_TRUE(report.contains(u("第2行（王小明）：通讯地址：已去除其中的控制字符；"))) << report;
}

}  // namespace
