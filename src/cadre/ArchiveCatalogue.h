#pragma once

#include <QString>
#include <QVariant>

#include "db/Result.h"

namespace db {
class Database;
}
namespace office {
class Spreadsheet;
}

// A cadre's archive catalogue (E01): the materials of the personnel file, by category and
// sequence number, edited in the catalogue window's grid.
namespace cadre {

inline const QString kDeleteCatalogueEntryQuestion = QStringLiteral("确认删除该记录");
inline const QString kSelectCatalogueEntryToMove = QStringLiteral("请在列表中选中要移动的职务。");
inline const QString kCatalogueEntryGone = QStringLiteral("该记录已不存在。");
inline const QString kNotACatalogueColumn = QStringLiteral("该列不能修改。");

// The catalogue's columns as the grid shows them, with their captions.
struct CatalogueColumn {
    const char* column;
    const char* caption;
};
inline constexpr CatalogueColumn kCatalogueColumns[] = {
    {"E01Z104", "序号"},         {"E01Z101", "材料类别"}, {"E01Z111A", "材料名称"},
    {"E01Z117", "材料制成日期"}, {"E01Z124", "份数"},     {"E01Z114", "页数"},
    {"E01Z121", "备注"}};

QString catalogueListStatement(int cadreId);

// Appends an entry of `category` with the next sequence number of that category.
Result<int> addCatalogueEntry(db::Database& db, int cadreId, const QString& category);

// Writes `value` into `column` (one of kCatalogueColumns, else kNotACatalogueColumn) of entry
// `id`; an empty text stores null, the numbers take whole numbers only.
Result<void> updateCatalogueEntry(db::Database& db, int cadreId, int id, const QString& column,
                                  const QVariant& value);

Result<void> deleteCatalogueEntry(db::Database& db, int cadreId, int id);

// Swaps the sequence number of entry `id` with its neighbour in the list.
Result<void> moveCatalogueEntry(db::Database& db, int cadreId, int id, int step);

inline const QString kImportingCatalogue = QStringLiteral("正在导入Excel文件...");
inline const QString kCatalogueSheetWithoutNames =
    QStringLiteral("工作表中未找到“材料名称”列，无法导入档案目录。");

// Appends the entries of the first sheet of `workbook` to the cadre's catalogue, in one
// transaction; the value is the number of entries. The sheet has a caption row holding
// "材料名称" (else kCatalogueSheetWithoutNames) and any of "序号", "材料类别", "材料制成日期",
// "份数", "页数"; below it each row with a material name is an entry. A row that holds only a
// text in its first cell is a category heading ("一、履历材料", "政治历史"; a leading enumeration
// is dropped) whose category the following entries take unless they name their own. An entry
// without a number gets the next one of its category.
Result<int> importCatalogue(db::Database& db, int cadreId, const office::Spreadsheet& workbook);

}  // namespace cadre
