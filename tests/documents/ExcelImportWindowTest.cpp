#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "db/Database.h"
#include "documents/ExcelImport.h"
#include "documents/ui/TExcelForm.h"
#include "documents/ui/TExcelPreviewForm.h"
#include "documents/ui/TWordImportForm.h"
#include "main/ui/TMainForm.h"
#include "office/NewWorkbook.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitPickerEdit.h"

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

constexpr int kBirthField = 2;
constexpr int kNationField = 3;

// Unit 7 lists cadres 19, 20, 21, 22, 55, 56 in the sample.
class ExcelImportWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        office::NewSheet sheet;
        sheet.header = {u("序号"), u("姓名"), u("出生年月")};
        sheet.rows = {{1.0, u("孙新来"), u("1980年4月")},
                      {2.0, u("钱多多"), 29312.0},
                      {3.0, u("吴有误"), u("不详")}};
        path = dir.filePath(u("名册.xlsx"));
        ASSERT_TRUE(office::writeNewWorkbook(path, {sheet}).ok());
    }

    int count(const QString& sql) { return dm.db().scalar(sql).value().toInt(); }

    // Fills the window: the workbook through "浏览", the name in column B, the birth in C.
    void fill(TExcelForm& form) {
        form.setOpenFileChooser([this](QWidget*, const QString&, const QString& filter) {
            EXPECT_TRUE(filter.contains(u("*.xls"))) << filter;
            return path;
        });
        child<QPushButton>(form, "btnBrowse")->click();
        form.mapColumn(0, 2);
        form.mapColumn(kBirthField, 3);
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    QTemporaryDir dir;
    QString path;
};

TEST_F(ExcelImportWindowTest, ThePreviewShowsEveryRowAndConfirmingImportsIntoTheUnit) {
    TExcelForm form(dm, 7);
    fill(form);
    EXPECT_EQ(child<QLineEdit>(form, "edtFile")->text(), path);
    EXPECT_EQ(child<QSpinBox>(form, "seFirstRow")->value(), 2);
    EXPECT_EQ(child<QSpinBox>(form, "seLastRow")->value(), 100);
    child<QCheckBox>(form, "chkUnit")->setChecked(true);
    const int before = count(u("select count(*) from tb_cadre"));

    QStringList previewed;
    ModalAnswer<TExcelPreviewForm> preview([&](TExcelPreviewForm* dialog) {
        auto* grid = child<QTableWidget>(dialog, "grdPreview");
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < grid->columnCount(); ++column) {
                cells << grid->item(row, column)->text();
            }
            previewed << cells.join(u'|');
        }
        // Nothing is written before the preview is confirmed.
        EXPECT_EQ(count(u("select count(*) from tb_cadre")), before);
        EXPECT_EQ(child<QLabel>(dialog, "lblSummary")->text(),
                  u("共3行：新增2人，更新0人，不导入1行。"));
        child<QPushButton>(dialog, "btnImport")->click();
    });
    child<QPushButton>(form, "btnOK")->click();

    ASSERT_TRUE(preview.seen());
    EXPECT_EQ(
        previewed,
        (QStringList{u("2|孙新来|新增|1980.04"), u("3|钱多多|新增|1980.04"),
                     u("4|吴有误|") + documents::unreadableMonthProblem(u("出生年月"), u("不详")) +
                         u("|")}));
    EXPECT_EQ(messages.texts().value(0).section(u'\n', 0, 0), u("共导入2个干部信息!"));
    EXPECT_TRUE(form.imported());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(count(u("select count(*) from tb_cadre")), before + 2);
    EXPECT_EQ(count(u("select count(*) from tb_cadre_node as n inner join tb_cadre as c on "
                      "c.CadreID=n.ZwCadreID where n.dwID=7 and c.xm in ('孙新来','钱多多')")),
              2);
}

TEST_F(ExcelImportWindowTest, ThePreviewSaysWhichValuesChangeAndOnlyThoseAreWritten) {
    // 刘  成 (cadre 1, born 1968-01-19) gets a new nationality, 何  国 (cadre 2) is given as
    // stored, 新人甲 is new.
    office::NewSheet sheet;
    sheet.header = {u("序号"), u("姓名"), u("出生年月"), u("民族")};
    sheet.rows = {{1.0, u("刘成"), u("1968.01"), u("回族")},
                  {2.0, u("何国"), u("1971.12"), u("汉族")},
                  {3.0, u("新人甲"), u("1980.04"), u("汉族")}};
    ASSERT_TRUE(office::writeNewWorkbook(path, {sheet}).ok());
    TExcelForm form(dm, 0);
    fill(form);
    form.mapColumn(kNationField, 4);

    QStringList actions;
    QStringList tips;
    ModalAnswer<TExcelPreviewForm> preview([&](TExcelPreviewForm* dialog) {
        auto* grid = child<QTableWidget>(dialog, "grdPreview");
        for (int row = 0; row < grid->rowCount(); ++row) {
            actions << grid->item(row, 2)->text();
            tips << grid->item(row, 3)->toolTip() + u'|' + grid->item(row, 4)->toolTip();
        }
        EXPECT_EQ(child<QLabel>(dialog, "lblSummary")->text(),
                  u("共3行：新增1人，更新1人，无变化1人，不导入0行。"));
        child<QPushButton>(dialog, "btnImport")->click();
    });
    child<QPushButton>(form, "btnOK")->click();

    ASSERT_TRUE(preview.seen());
    EXPECT_EQ(actions, (QStringList{u("更新（民族）"), u("无变化"), u("新增")}));
    const QString held = u("与库中相同，不写入");
    EXPECT_EQ(tips, (QStringList{held + u("|"), held + u("|") + held, u("|")}));
    const auto stored = [this](const char* sql) {
        return dm.db().scalar(QString::fromUtf8(sql)).value();
    };
    EXPECT_EQ(stored("select csny from tb_cadre where CadreID=1").toDate(), QDate(1968, 1, 19));
    EXPECT_EQ(stored("select mz from tb_cadre where CadreID=1").toString(), u("回族"));
    EXPECT_EQ(stored("select csny from tb_cadre where CadreID=2").toDate(), QDate(1971, 12, 17));
}

// The preview and the closing message name each value the checks of incoming values changed.
TEST_F(ExcelImportWindowTest, ThePreviewAndTheReportNameTheValuesChanged) {
    office::NewSheet sheet;
    sheet.header = {u("序号"), u("姓名"), u("出生年月"), u("身份证号")};
    sheet.rows = {{1.0, u("孙新来"), u("1980年4月"), QString(80, u'1')}};
    ASSERT_TRUE(office::writeNewWorkbook(path, {sheet}).ok());
    TExcelForm form(dm, 7);
    fill(form);
    form.mapColumn(20, 4);  // 身份证号
    const QString note = u("身份证号：超过50个字，已截去多余部分");
    ModalAnswer<TExcelPreviewForm> preview([&](TExcelPreviewForm* dialog) {
        auto* grid = child<QTableWidget>(dialog, "grdPreview");
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(grid->item(0, 2)->text(), u("新增（") + note + u("）"));
        child<QPushButton>(dialog, "btnImport")->click();
    });
    child<QPushButton>(form, "btnOK")->click();
    ASSERT_TRUE(preview.seen());
    EXPECT_TRUE(messages.texts().value(0).contains(u("第2行（孙新来）：") + note))
        << messages.texts().value(0).toStdString();
    EXPECT_EQ(count(u("select count(*) from tb_cadre where zjh='") + QString(50, u'1') + u("'")),
              1);
}

TEST_F(ExcelImportWindowTest, RefusalsAndACancelledPreviewWriteNothing) {
    const int before = count(u("select count(*) from tb_cadre"));
    {
        TExcelForm form(dm, 7);
        child<QPushButton>(form, "btnOK")->click();
        EXPECT_EQ(messages.texts(), QStringList{documents::kImportFileMissing});
    }
    {
        messages.clear();
        TExcelForm form(dm, 7);
        fill(form);
        form.mapColumn(0, 0);
        child<QPushButton>(form, "btnOK")->click();
        EXPECT_EQ(messages.texts(), QStringList{documents::kImportNameColumnMissing});
    }
    {
        messages.clear();
        TExcelForm form(dm, 0);
        fill(form);
        child<QCheckBox>(form, "chkUnit")->setChecked(true);
        child<QPushButton>(form, "btnOK")->click();
        EXPECT_EQ(messages.texts(), QStringList{documents::kImportUnitMissing});
    }
    {
        messages.clear();
        TExcelForm form(dm, 7);
        fill(form);
        ModalAnswer<TExcelPreviewForm> preview(
            [](TExcelPreviewForm* dialog) { child<QPushButton>(dialog, "btnCancel")->click(); });
        child<QPushButton>(form, "btnOK")->click();
        EXPECT_TRUE(preview.seen());
        EXPECT_TRUE(messages.texts().isEmpty());
        EXPECT_FALSE(form.imported());
    }
    EXPECT_EQ(count(u("select count(*) from tb_cadre")), before);
}

TEST_F(ExcelImportWindowTest, TheColumnRangeLimitsTheColumnsOffered) {
    TExcelForm form(dm, 0);
    form.mapColumn(0, 1);
    form.mapColumn(kBirthField, 4);
    child<QComboBox>(form, "cbColumnFrom")->setCurrentText(u("C"));
    child<QComboBox>(form, "cbColumnTo")->setCurrentText(u("E"));
    auto* box = child<QComboBox>(form, "cbMap0");
    QStringList offered;
    for (int i = 0; i < box->count(); ++i) {
        offered << box->itemText(i);
    }
    EXPECT_EQ(offered, (QStringList{QString(), u("C"), u("D"), u("E")}));
    EXPECT_EQ(form.mappedColumn(0), 0);  // A lies outside the range now
    EXPECT_EQ(form.mappedColumn(kBirthField), 4);
    EXPECT_EQ(child<QTableWidget>(form, "grdMapping")->rowCount(), documents::kImportFieldCount);
}

TEST_F(ExcelImportWindowTest, TheMainMenuOpensTheImportsForThoseWithTheRight) {
    TMainForm main(dm);
    main.show();
    // Whether the command opened its window; the window is closed at once.
    const auto opens = [&main](const char* command) {
        auto* action = main.findChild<QAction*>(QString::fromLatin1(command));
        EXPECT_TRUE(action != nullptr && action->isEnabled()) << command;
        bool opened = false;
        const auto close = [&opened](QDialog* window) {
            opened = true;
            window->reject();
        };
        ModalAnswer<TExcelForm> excel(close);
        ModalAnswer<TWordImportForm> word(close);
        action->trigger();
        return opened;
    };
    EXPECT_TRUE(opens("actExcelImport"));
    EXPECT_TRUE(opens("actWordImport"));

    ASSERT_TRUE(dm.db().exec(
        u("insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','IMPORT','0')")));
    dm.session().ManagerID = 7;
    messages.clear();
    EXPECT_FALSE(opens("actExcelImport"));
    EXPECT_FALSE(opens("actWordImport"));
    EXPECT_EQ(messages.texts(), (QStringList{admin::kNoRight, admin::kNoRight}));
}

}  // namespace
