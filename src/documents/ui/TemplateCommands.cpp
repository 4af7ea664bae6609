#include "documents/ui/TemplateCommands.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>

#include "admin/Rights.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "documents/TemplateImport.h"
#include "documents/TemplateOutput.h"
#include "documents/ui/TModelForm.h"
#include "documents/ui/TSelModelForm.h"
#include "main/ui/MainMenus.h"
#include "office/ZipPackage.h"
#include "text/FileNames.h"
#include "widgets/DocumentOpener.h"
#include "widgets/ExportProposal.h"

namespace documents_ui {

namespace {

PathChoosers& choosers() {
    static PathChoosers current;
    return current;
}

QString chooseOutputFolder(QWidget* parent) {
    if (choosers().outputFolder) {
        return choosers().outputFolder(parent);
    }
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("选择输出目录"),
                                             widgets::proposedExportPath(QString()));
}

QStringList chooseFilledFiles(QWidget* parent, const QString& filter) {
    if (choosers().filledFiles) {
        return choosers().filledFiles(parent, filter);
    }
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("选择要导入的文件"), QString(),
                                         filter);
}

std::optional<documents::StoredTemplate> chosenTemplate(TDataM& dm, QWidget* parent,
                                                        const TSelModelForm::Filter& filter) {
    TSelModelForm form(dm, filter, parent);
    const std::optional<documents::TemplateEntry> entry = form.choose();
    if (!entry) {
        return std::nullopt;
    }
    Result<documents::StoredTemplate> stored =
        documents::readTemplate(dm.db(), entry->format, entry->id);
    if (!stored) {
        app::showFailure(stored.failure());
        return std::nullopt;
    }
    return std::move(*stored);
}

QString tempFolder(TDataM& dm) {
    const QString folder = dm.AppDir + QStringLiteral("TEMP");
    QDir().mkpath(folder);
    return folder;
}

void openWritten(const QString& path) {
    if (!widgets::openDocument(path)) {
        app::showInformation(QStringLiteral("文件已保存为：") + path);
    }
}

}  // namespace

void setPathChoosers(PathChoosers chosen) {
    choosers() = std::move(chosen);
}

void openTemplateManager(TDataM& dm, QWidget* parent) {
    TModelForm(dm, parent).exec();
}

void viewTemplate(TDataM& dm, QWidget* parent) {
    const std::optional<documents::StoredTemplate> stored = chosenTemplate(dm, parent, {});
    if (!stored) {
        return;
    }
    const QString path = QDir(tempFolder(dm))
                             .filePath(text::documentFileName(
                                 stored->entry.name, documents::fileSuffix(stored->entry.format)));
    if (const Result<void> written = office::writeFileAtomically(path, stored->file); !written) {
        app::showFailure(written.failure());
        return;
    }
    openWritten(path);
}

void outputCadres(TDataM& dm, QWidget* parent, const QList<int>& cadreIds,
                  const std::function<bool(const documents::TemplateEntry&)>& offered) {
    if (cadreIds.isEmpty()) {
        app::showInformation(kNoCadresToOutput);
        return;
    }
    const std::optional<documents::StoredTemplate> stored = chosenTemplate(dm, parent, offered);
    if (!stored) {
        return;
    }
    const QString folder = chooseOutputFolder(parent);
    if (folder.isEmpty()) {
        return;
    }
    const Result<documents::OutputDone> done = [&] {
        app::ProgressScope wait(stored->entry.format == documents::TemplateFormat::Excel
                                    ? documents::kOutputtingExcel
                                    : documents::kOutputtingWord,
                                static_cast<int>(cadreIds.size()));
        return documents::outputCadres(dm.db(), *stored, cadreIds, folder, QDate::currentDate(),
                                       [&wait](int) {
                                           wait.step();
                                           return true;
                                       });
    }();
    if (!done) {
        app::showFailure(done.failure());
        return;
    }
    app::showInformation(documents::kExportedCount.arg(done->cadres));
}

void outputCadre(TDataM& dm, QWidget* parent, int cadreId) {
    if (cadreId <= 0) {
        app::showInformation(kSaveCadreFirst);
        return;
    }
    const std::optional<documents::StoredTemplate> stored = chosenTemplate(
        dm, parent, [](const documents::TemplateEntry& entry) { return !entry.isList(); });
    if (!stored) {
        return;
    }
    const Result<documents::OutputDone> done = documents::outputCadres(
        dm.db(), *stored, {cadreId}, tempFolder(dm), QDate::currentDate(), {});
    if (!done) {
        app::showFailure(done.failure());
        return;
    }
    for (const QString& path : done->files) {
        openWritten(path);
    }
}

bool importFilledFiles(TDataM& dm, QWidget* parent, int unitId) {
    if (!admin::HasRight(dm, QStringLiteral("IMPORT"))) {
        return false;
    }
    const std::optional<documents::StoredTemplate> stored = chosenTemplate(
        dm, parent, [](const documents::TemplateEntry& entry) { return entry.isReadable(); });
    if (!stored) {
        return false;
    }
    const QStringList paths =
        chooseFilledFiles(parent, stored->entry.format == documents::TemplateFormat::Excel
                                      ? QStringLiteral("Excel文件 (*.xlsx *.xls)")
                                      : QStringLiteral("Word文件 (*.docx)"));
    if (paths.isEmpty()) {
        return false;
    }
    const Result<documents::FilledImportOutcome> outcome = [&] {
        const app::ProgressScope wait(documents::kImporting);
        return documents::importFilledFiles(dm, *stored, paths, unitId);
    }();
    if (!outcome) {
        app::showFailure(outcome.failure());
        return false;
    }
    QString report = documents::kImportedCount.arg(outcome->added + outcome->updated);
    if (!outcome->log.isEmpty()) {
        report += u'\n' + outcome->log.join(u'\n');
    }
    app::showInformation(report);
    return outcome->added + outcome->updated > 0;
}

void wireMainMenu(const MainMenus& menus, TDataM& dm, QWidget* window, BatchWindow batchWindow,
                  std::function<int()> currentUnit, std::function<void()> imported) {
    const auto wire = [&](const char* name, std::function<void()> run) {
        QAction* action = menus[name];
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, window, std::move(run));
    };
    wire("actTemplates", [&dm, window] { openTemplateManager(dm, window); });
    wire("actViewTemplate", [&dm, window] { viewTemplate(dm, window); });
    wire("actBatchOutput", [&dm, batchWindow] {
        batchWindow([&dm](QWidget* parent, const QList<int>& cadres) {
            outputCadres(dm, parent, cadres, [](const documents::TemplateEntry& entry) {
                return !entry.isList() && entry.format != documents::TemplateFormat::PowerPoint;
            });
        });
    });
    wire("actCustomOutput", [&dm, batchWindow] {
        batchWindow([&dm](QWidget* parent, const QList<int>& cadres) {
            outputCadres(dm, parent, cadres, {});
        });
    });
    wire("actCustomExcelImport", [&dm, window, currentUnit, imported] {
        if (importFilledFiles(dm, window, currentUnit())) {
            imported();
        }
    });
}

}  // namespace documents_ui
