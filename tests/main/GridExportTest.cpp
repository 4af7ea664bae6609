#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

#include "app/DataModule.h"
#include "db/Database.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"
#include "support/ModalAnswer.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"
#include "widgets/GridExport.h"

namespace {

// The cadre list of unit 12 (cadres 35..38) in the main window.
class GridExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        form = std::make_unique<TMainForm>(dm);
        form->show();
        tree = form->findChild<UnitTreeWidget*>(QStringLiteral("cxTreeView1"));
        grid = form->cadreList()->findChild<QTableView*>(QStringLiteral("cxGrid2DBTableView1"));
        ASSERT_TRUE(tree->selectUnit(12));
    }
    // Every cell of the first sheet of `path` as openpyxl reads it, rows of texts.
    QJsonArray readBack(const QString& path) {
        return python_reader::runPython(
                   QStringLiteral("import sys, json\nfrom openpyxl import load_workbook\n"
                                  "ws = load_workbook(sys.argv[1]).worksheets[0]\n"
                                  "print(json.dumps([['' if v is None else str(v) for v in row] "
                                  "for row in ws.iter_rows(values_only=True)]))"),
                   {path})
            .toArray();
    }

    TestHome home;
    TDataM dm{home.path()};
    RecordingMessageService messages;
    std::unique_ptr<TMainForm> form;
    UnitTreeWidget* tree = nullptr;
    QTableView* grid = nullptr;
};

TEST_F(GridExportTest, TheSheetIsTheGridAsShown) {
    const int name = CadreListModel::columnOf("xm");
    const int birth = CadreListModel::columnOf("csnyStr");
    // The user shows the birth month first and hides the sex.
    grid->horizontalHeader()->moveSection(grid->horizontalHeader()->visualIndex(birth), 0);
    grid->setColumnHidden(CadreListModel::columnOf("xb"), true);
    grid->sortByColumn(name, Qt::DescendingOrder);

    const office::NewSheet sheet = widgets::sheetOfGrid(*grid, {QStringLiteral("合计：4")});
    ASSERT_GE(sheet.header.size(), 3);
    EXPECT_EQ(sheet.header[0], QStringLiteral("出生年月"));
    EXPECT_FALSE(sheet.header.contains(QStringLiteral("性别")));
    EXPECT_FALSE(sheet.header.contains(QStringLiteral("单位名称")));  // hidden at first
    ASSERT_EQ(sheet.rows.size(), 4u);
    const qsizetype nameAt = sheet.header.indexOf(QStringLiteral("姓名"));
    ASSERT_GE(nameAt, 0);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(sheet.rows[static_cast<size_t>(row)][nameAt],
                  grid->model()->index(row, name).data());
        EXPECT_EQ(sheet.rows[static_cast<size_t>(row)][0], grid->model()->index(row, birth).data());
    }
    // "序号" as shown: the position, whatever the sort.
    const qsizetype orderAt = sheet.header.indexOf(QStringLiteral("序号"));
    EXPECT_EQ(sheet.rows[0][orderAt].toInt(), 1);
    ASSERT_EQ(sheet.footer.size(), 1u);
    EXPECT_EQ(sheet.footer[0], QVariantList{QStringLiteral("合计：4")});
}

TEST_F(GridExportTest, ExportExcelWritesTheChosenWorkbook) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("名单"));  // the extension is added
    const ModalAnswer<QFileDialog> answer([&path](QFileDialog* dialog) {
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    form->cadreList()->action("actExportExcel")->trigger();
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{widgets::kExportDone});
    const QJsonArray rows = readBack(path + QStringLiteral(".xlsx"));
    ASSERT_EQ(rows.size(), 6);  // captions, four cadres, the count
    EXPECT_TRUE(rows[0].toArray().contains(QStringLiteral("姓名")));
    EXPECT_EQ(rows[5].toArray()[0].toString(), QStringLiteral("合计：4"));
    const QString first =
        dm.db().scalar(QStringLiteral("select xm from tb_cadre where CadreID=35"))->toString();
    bool found = false;
    for (const QJsonValue& cell : rows[1].toArray()) {
        found = found || cell.toString() == first;
    }
    EXPECT_TRUE(found) << first.toStdString();
}

TEST_F(GridExportTest, AnEmptyListIsNotExported) {
    ASSERT_TRUE(dm.db().exec(QStringLiteral("delete * from tb_cadre_node where dwID=12")));
    form->cadreList()->reload();
    form->cadreList()->action("actExportExcel")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{widgets::kNothingToExport});
}

}  // namespace
