#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "documents/Templates.h"

class QWidget;
class TDataM;
struct MainMenus;

// The template commands of the main menu, the record editor and the rosters: the manager,
// viewing a stored template, output of cadres through a chosen template and reading filled
// single-person files back.
namespace documents_ui {

// Where outputs go and which files an import reads; by default the desktop's dialogs. Tests
// replace them; an empty function restores the default.
struct PathChoosers {
    std::function<QString(QWidget* parent)> outputFolder;
    std::function<QStringList(QWidget* parent, const QString& filter)> filledFiles;
};
void setPathChoosers(PathChoosers choosers);

// "模版管理".
void openTemplateManager(TDataM& dm, QWidget* parent);

// "查看模版": the chosen template's stored file, written to TEMP/<name><suffix> below the data
// folder, opened with the desktop's program.
void viewTemplate(TDataM& dm, QWidget* parent);

// Outputs `cadreIds` through a template chosen among those `offered` into a chosen folder,
// behind the wait window; reports "成功导出<n>人!". Without cadres, says so.
void outputCadres(TDataM& dm, QWidget* parent, const QList<int>& cadreIds,
                  const std::function<bool(const documents::TemplateEntry&)>& offered);

// The record editor's output: cadre `cadreId` through a chosen single-person template into
// TEMP/<xm><suffix>, opened with the desktop's program; a record not yet saved (0) is
// refused with kSaveCadreFirst.
void outputCadre(TDataM& dm, QWidget* parent, int cadreId);

// "按自定义Excel模版批量导入": with the right "IMPORT", reads filled files of a chosen
// template back (Excel, or Word tables and lists); new cadres join unit `unitId` (0: none).
// Reports the number imported and the people left out. True when a cadre was added or changed.
bool importFilledFiles(TDataM& dm, QWidget* parent, int unitId);

// Opens the batch output window over the cadres listed, whose "按模板输出" hands the checked
// cadres to the given output (with the batch window as the parent of its dialogs).
using BatchWindow =
    std::function<void(std::function<void(QWidget* parent, const QList<int>& cadreIds)>)>;

// Enables and connects "批量输出Word/Excel" (single-person Word and Excel templates, a file per
// cadre), "按自定义模板批量输出" (any template), both through `batchWindow`, "模版管理", "查看模版"
// and "按自定义Excel模版批量导入". `currentUnit` gives the unit that new cadres join, `imported`
// runs after an import changed cadres.
void wireMainMenu(const MainMenus& menus, TDataM& dm, QWidget* window, BatchWindow batchWindow,
                  std::function<int()> currentUnit, std::function<void()> imported);

inline const QString kSaveCadreFirst = QStringLiteral("请先保存干部信息。");
inline const QString kNoCadresToOutput = QStringLiteral("当前列表中没有干部，无法输出。");

}  // namespace documents_ui
