#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "TemplateFixtures.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "cadre/PickLists.h"
#include "cadre/ui/TCadreForm.h"
#include "db/Database.h"
#include "documents/TemplateImport.h"
#include "documents/TemplateOutput.h"
#include "documents/ui/TAddModelForms.h"
#include "documents/ui/TModelForm.h"
#include "documents/ui/TSelModelForm.h"
#include "documents/ui/TemplateCommands.h"
#include "main/ui/CadreListModel.h"
#include "main/ui/PageDw.h"
#include "main/ui/TMainForm.h"
#include "rosters/RosterMembers.h"
#include "rosters/Rosters.h"
#include "rosters/ui/PageMc.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "widgets/DocumentOpener.h"

namespace {

class TemplateWindowsTest : public TemplateTest {
  protected:
    void TearDown() override {
        documents_ui::setPathChoosers({});
        widgets::setDocumentOpener({});
    }

    // Answers the next template dialog with a name, a file and a record type.
    static auto fill(const QString& name, const QString& file, const char* kind = "rbSingle") {
        return [=](TAddTemplateForm* form) {
            child<QLineEdit>(form, "edtName")->setText(name);
            child<QLineEdit>(form, "edtFile")->setText(file);
            child<QRadioButton>(form, kind)->setChecked(true);
            child<QPushButton>(form, "btnOk")->click();
        };
    }

    static QStringList column(QTableWidget* grid, int column) {
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row) {
            texts << grid->item(row, column)->text();
        }
        return texts;
    }

    // Chooses the template named `name` in the next "选择模版".
    static auto pick(const QString& name) {
        return [name](TSelModelForm* form) {
            auto* grid = child<QTableWidget>(form, "gridTemplates");
            for (int row = 0; row < grid->rowCount(); ++row) {
                if (grid->item(row, 0)->text() == name) {
                    grid->selectRow(row);
                }
            }
            child<QPushButton>(form, "btnOk")->click();
        };
    }

    RecordingMessageService messages;
};

TEST_F(TemplateWindowsTest, TheManagerAddsSavesAndDeletesTemplates) {
    const QString workbook = singleWorkbook();
    const QString document = singleDocument();
    TModelForm form(dm);
    auto* grid = child<QTableWidget>(form, "gridTemplates");
    EXPECT_EQ(grid->rowCount(), 0);
    {
        const ModalAnswer<TAddModelForm> answer(fill(QStringLiteral("干部表"), workbook));
        form.findChild<QAction*>(QStringLiteral("actAddExcel"))->trigger();
        EXPECT_TRUE(answer.seen());
    }
    {
        const ModalAnswer<TAddWordModelForm> answer(
            fill(QStringLiteral("名单"), document, "rbList"));
        form.findChild<QAction*>(QStringLiteral("actAddWord"))->trigger();
    }
    {
        // A refused name keeps the dialog open; it is then cancelled.
        const ModalAnswer<TAddModelForm> answer([&](TAddModelForm* dialog) {
            fill(QString(), workbook)(dialog);
            EXPECT_TRUE(dialog->isVisible());
            child<QPushButton>(dialog, "btnCancel")->click();
        });
        form.findChild<QAction*>(QStringLiteral("actAddExcel"))->trigger();
    }
    EXPECT_EQ(messages.texts(), QStringList{documents::kNameRequired});
    EXPECT_EQ(column(grid, 0), (QStringList{QStringLiteral("干部表"), QStringLiteral("名单")}));
    EXPECT_EQ(column(grid, 1), (QStringList{QStringLiteral("Excel"), QStringLiteral("Word")}));
    EXPECT_EQ(column(grid, 2), (QStringList{QStringLiteral("单人"), QStringLiteral("多人")}));

    // "另存为" writes the file as it was loaded.
    const QString saved = path(QStringLiteral("另存.xlsx"));
    form.setSavePathChooser([&](QWidget*, const QString& suggested) {
        EXPECT_EQ(suggested, QStringLiteral("干部表.xlsx"));
        return saved;
    });
    grid->selectRow(0);
    child<QPushButton>(form, "btnSaveAs")->click();
    QFile original(workbook);
    QFile copy(saved);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());

    // "删除" asks first; declined, the template stays.
    messages.clear();
    grid->selectRow(1);
    child<QPushButton>(form, "btnDelete")->click();
    messages.answerNext(true);
    child<QPushButton>(form, "btnDelete")->click();
    EXPECT_EQ(messages.texts(), (QStringList{QStringLiteral("确认删除模版 名单?"),
                                             QStringLiteral("确认删除模版 名单?")}));
    EXPECT_EQ(column(grid, 0), QStringList{QStringLiteral("干部表")});
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_wordModelItem")), 0);

    messages.clear();
    grid->setCurrentCell(-1, -1);
    child<QPushButton>(form, "btnSaveAs")->click();
    EXPECT_EQ(messages.texts(), QStringList{documents::kChooseTemplateToSave});
}

TEST_F(TemplateWindowsTest, CadresGoOutThroughTheChosenTemplate) {
    ASSERT_TRUE(documents::loadTemplate(dm.db(), documents::TemplateFormat::Excel,
                                        QStringLiteral("表"), documents::kSinglePerson,
                                        singleWorkbook(), home.path())
                    .ok());
    ASSERT_TRUE(documents::loadTemplate(dm.db(), documents::TemplateFormat::Word,
                                        QStringLiteral("文"), documents::kSinglePerson,
                                        singleDocument(), home.path())
                    .ok());
    const QString folder = path(QStringLiteral("输出"));
    documents_ui::setPathChoosers({[&](QWidget*) { return folder; }, {}});
    {
        const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("文")));
        documents_ui::outputCadres(dm, nullptr, {1, 2, 3}, {});
        EXPECT_TRUE(answer.seen());
    }
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("成功导出3人!")});
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);

    // Only the templates that fit are offered; none fitting says so.
    messages.clear();
    documents_ui::outputCadres(
        dm, nullptr, {1}, [](const documents::TemplateEntry& entry) { return entry.isList(); });
    documents_ui::outputCadres(dm, nullptr, {}, {});
    EXPECT_EQ(messages.texts(), (QStringList{kNoFittingTemplate, documents_ui::kNoCadresToOutput}));

    // The record editor's output goes to TEMP and is opened.
    QStringList opened;
    widgets::setDocumentOpener([&](const QString& file) {
        opened << file;
        return true;
    });
    {
        const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("表")));
        documents_ui::outputCadre(dm, nullptr, 2);
    }
    const QString name =
        dm.db().scalar(QStringLiteral("select xm from tb_cadre where CadreID=2"))->toString();
    EXPECT_EQ(opened, QStringList{QDir(home.path()).filePath(QStringLiteral("TEMP/")) + name +
                                  QStringLiteral(".xlsx")});
    messages.clear();
    documents_ui::outputCadre(dm, nullptr, 0);
    EXPECT_EQ(messages.texts(), QStringList{documents_ui::kSaveCadreFirst});
}

TEST_F(TemplateWindowsTest, FilledFilesComeBackThroughTheChosenTemplate) {
    const Result<int> id =
        documents::loadTemplate(dm.db(), documents::TemplateFormat::Excel, QStringLiteral("表"),
                                documents::kSinglePerson, singleWorkbook(), home.path());
    ASSERT_TRUE(id.ok());
    const Result<documents::StoredTemplate> stored =
        documents::readTemplate(dm.db(), documents::TemplateFormat::Excel, *id);
    ASSERT_TRUE(stored.ok());
    const Result<documents::OutputDone> done = documents::outputCadres(
        dm.db(), *stored, {4, 5}, path(QStringLiteral("填好")), QDate(2024, 6, 30), {});
    ASSERT_TRUE(done.ok());
    documents_ui::setPathChoosers({{}, [&](QWidget*, const QString& filter) {
                                       EXPECT_TRUE(filter.contains(QStringLiteral("*.xlsx")));
                                       return done->files;
                                   }});
    const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("表")));
    EXPECT_TRUE(documents_ui::importFilledFiles(dm, nullptr, 0));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("共导入2个干部信息!")});
}

TEST_F(TemplateWindowsTest, TheMainMenuAndTheRostersOutputTheirListedCadres) {
    const QString list = written(QStringLiteral("名单.xlsx"), QStringLiteral(R"PY(
import sys, openpyxl
book = openpyxl.Workbook()
book.active.append(["姓名", "出生年月"])
book.active.append(["<姓名>", "<出生年月>"])
book.save(sys.argv[1])
)PY"));
    ASSERT_TRUE(documents::loadTemplate(dm.db(), documents::TemplateFormat::Excel,
                                        QStringLiteral("名单"), documents::kListType, list,
                                        home.path())
                    .ok());
    const QString folder = path(QStringLiteral("输出"));
    documents_ui::setPathChoosers({[&](QWidget*) { return folder; }, {}});
    {
        TMainForm form(dm);
        form.show();
        const qsizetype listed = form.cadreList()->model()->cadreIds().size();
        ASSERT_GT(listed, 0);
        for (const char* name : {"actTemplates", "actViewTemplate", "actBatchOutput",
                                 "actCustomOutput", "actCustomExcelImport"}) {
            EXPECT_TRUE(form.findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
        }
        // Both open the batch output window over the listed cadres, whose "按模板输出" writes
        // the checked ones. Single-person Word and Excel templates only for the first: the list
        // is not offered.
        qsizetype offered = 0;
        const auto throughBatchWindow = [&](const char* command) {
            const ModalAnswer<TBatchOutputForm> batch([&](TBatchOutputForm* window) {
                offered = window->checkedCadres().size();
                auto* button = child<QPushButton>(window, "btnTemplate");
                EXPECT_TRUE(button->isVisibleTo(window));
                button->click();
                window->reject();
            });
            form.findChild<QAction*>(QString::fromLatin1(command))->trigger();
            EXPECT_TRUE(batch.seen()) << command;
        };
        throughBatchWindow("actBatchOutput");
        EXPECT_EQ(offered, listed);
        const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("名单")));
        throughBatchWindow("actCustomOutput");
        EXPECT_TRUE(answer.seen());
        EXPECT_EQ(messages.texts(),
                  (QStringList{kNoFittingTemplate, QStringLiteral("成功导出%1人!").arg(listed)}));
    }

    messages.clear();
    const Result<int> roster =
        rosters::createRoster(dm.db(), {QStringLiteral("名册"), 2024, false});
    ASSERT_TRUE(roster.ok());
    ASSERT_TRUE(rosters::addCadres(dm.db(), *rosters::readRoster(dm.db(), *roster), {5, 6},
                                   QDate(2024, 6, 30))
                    .ok());
    cadre::PickLists lists;
    PageMc page(dm, lists);
    page.activate();
    ASSERT_TRUE(page.selectRoster(*roster));
    const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("名单")));
    page.action("actMcTemplateExcel")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("成功导出2人!")});
}

TEST_F(TemplateWindowsTest, TheRecordEditorOutputsTheCadreOnShow) {
    ASSERT_TRUE(documents::loadTemplate(dm.db(), documents::TemplateFormat::Word,
                                        QStringLiteral("文"), documents::kSinglePerson,
                                        singleDocument(), home.path())
                    .ok());
    QStringList opened;
    widgets::setDocumentOpener([&](const QString& file) {
        opened << file;
        return true;
    });
    cadre::PickLists lists;
    TCadreForm editor(dm, lists);
    ASSERT_TRUE(editor.openCadre(7).ok());
    auto* action = editor.findChild<QAction*>(QStringLiteral("actCustomTemplate"));
    ASSERT_NE(action, nullptr);
    const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("文")));
    action->trigger();
    const QString name =
        dm.db().scalar(QStringLiteral("select xm from tb_cadre where CadreID=7"))->toString();
    EXPECT_EQ(opened, QStringList{QDir(home.path()).filePath(QStringLiteral("TEMP/")) + name +
                                  QStringLiteral(".docx")});
}

TEST_F(TemplateWindowsTest, ViewingATemplateOpensItsStoredFile) {
    const QString workbook = singleWorkbook();
    ASSERT_TRUE(documents::loadTemplate(dm.db(), documents::TemplateFormat::Excel,
                                        QStringLiteral("表"), documents::kSinglePerson, workbook,
                                        home.path())
                    .ok());
    QStringList opened;
    widgets::setDocumentOpener([&](const QString& file) {
        opened << file;
        return true;
    });
    const ModalAnswer<TSelModelForm> answer(pick(QStringLiteral("表")));
    documents_ui::viewTemplate(dm, nullptr);
    ASSERT_EQ(opened, QStringList{QDir(home.path()).filePath(QStringLiteral("TEMP/表.xlsx"))});
    QFile original(workbook);
    QFile shown(opened.front());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && shown.open(QIODevice::ReadOnly));
    EXPECT_EQ(shown.readAll(), original.readAll());
}

}  // namespace
