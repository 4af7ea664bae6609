#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QSet>
#include <QTableWidget>
#include <QToolBox>

#include "app/DataModule.h"
#include "appointment/BatchForms.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "db/Database.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"
#include "search/SearchResult.h"
#include "search/ui/PageAdv.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "support/TestHome.h"
#include "units/ui/UnitTreeWidget.h"

namespace {

// The names listed by the batch output window that "系统自带格式批量打印" opens.
QStringList namesInBatchWindow(TMainForm& form) {
    QStringList names;
    ModalAnswer<TBatchOutputForm> answer([&](TBatchOutputForm* batch) {
        auto* grid = child<QTableWidget>(batch, "gridCadres");
        for (int row = 0; row < grid->rowCount(); ++row) {
            names << grid->item(row, 1)->text();
        }
        batch->reject();
    });
    child<QAction>(form, "actSystemPrint")->trigger();
    EXPECT_TRUE(answer.seen());
    return names;
}

// The names of `model`'s cadres in list order, each once.
QStringList listedNames(const CadreListModel& model) {
    QStringList names;
    QSet<int> seen;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!seen.contains(model.value(row, "CadreID").toInt())) {
            seen.insert(model.value(row, "CadreID").toInt());
            names << model.value(row, "xm").toString();
        }
    }
    return names;
}

TEST(SystemPrint, TheBatchWindowListsTheCadresOfThePageShown) {
    TestHome home;
    TDataM dm{home.path()};
    ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase()));
    ASSERT_TRUE(search::runSearch(dm.db(), search::SearchMode::Replace, {}));
    RecordingMessageService messages;
    TMainForm form(dm);
    form.show();
    ASSERT_TRUE(child<QAction>(form, "actSystemPrint")->isEnabled());

    ASSERT_TRUE(child<UnitTreeWidget>(form, "cxTreeView1")->selectUnit(12));
    const QStringList unitNames = listedNames(*form.cadreList()->model());
    ASSERT_FALSE(unitNames.isEmpty());
    EXPECT_EQ(namesInBatchWindow(form), unitNames);

    child<QToolBox>(form, "NavBar")->setCurrentIndex(4);
    child<QListWidget>(form, "lstAnalysis")->setCurrentRow(2);
    const QStringList resultNames = listedNames(*form.searchResult()->model());
    ASSERT_EQ(resultNames.size(), 60);
    EXPECT_EQ(namesInBatchWindow(form), resultNames);

    ASSERT_TRUE(dm.db().exec(QStringLiteral("delete from tb_tcid")));
    form.searchResult()->reload();
    child<QAction>(form, "actSystemPrint")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kNoCadresListed});
}

}  // namespace
