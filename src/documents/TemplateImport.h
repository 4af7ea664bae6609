#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "cadre/CadreRecord.h"
#include "db/Result.h"
#include "documents/Templates.h"

class TDataM;

// Reading filled templates back ("按自定义Excel模版批量导入"): each value is read from the cell its
// item was found in (a list: in the rows below it, one a person), with the item's prefix and
// postfix taken off, and stored through the cadre editor's save rules.
namespace documents {

inline const QString kTemplateLoadFailed = QStringLiteral("载入模版失败!");
inline const QString kNotReadable =
    QStringLiteral("只有Excel模版和单人表格型、列表型Word模版才能用于导入干部信息。");
inline const QString kListRowsNotReadable =
    QStringLiteral("列表型模版的占位符须在同一行并含有<姓名>，才能用于导入干部信息。");
inline const QString kImporting = QStringLiteral("正在导入数据...");
inline const QString kImportedCount = QStringLiteral("共导入%1个干部信息!");

// The values of one filled file: the cadre's columns and, by member number, the family
// members' columns (lower-case codes: cw, xm, cssjStr ...). Only items that can be stored are
// read (isReadableItem).
struct FilledValues {
    cadre::CadreValues cadre;
    QMap<int, QVariantMap> family;

    QString name() const { return cadre.value(QStringLiteral("xm")).toString().trimmed(); }
};

// Reads a filled file of `stored` (an Excel template or a single-person table or list Word
// template; kNotReadable for others): one person for a single-person template; for a list, one
// person per row from the items' row down to the first row without a name (the items of a
// list must stand on one row per sheet or table and include the name, else
// kListRowsNotReadable). An Excel file may be .xlsx or .xls, a Word file .docx. A file that
// cannot be opened, or lacks a sheet, table or cell of an item, fails with kTemplateLoadFailed
// and the reason.
Result<QList<FilledValues>> readFilledFile(const StoredTemplate& stored, const QString& path);

// What an import did: the cadres added and updated, and a line for each file left out and for
// each person stored with values that the incoming checks changed or refused, naming them.
struct FilledImportOutcome {
    int added = 0;
    int updated = 0;
    QStringList log;
};

// Imports the filled `paths`, each person of a file in turn. Every value read passes the incoming
// checks of cadre::IncomingValues first (control characters, column sizes, month texts); a refused
// value is not stored, the stored one stays. The cadre is found by CadreMatcher, as the Excel
// import finds it (the stored form of the name, among the serving cadres only): no serving cadre
// of the name adds a new cadre (into unit `unitId` when not 0), one updates it; a name that
// several serving cadres hold, or that an earlier person of the import bore, leaves the person out
// with a log line giving the reason, as does a person without a name or one whose values the save
// rules refuse (with their message). Family members are matched by their number in the cadre's
// family order: an existing member is updated, a missing one added. Each person is stored in one
// transaction: one that fails writes nothing. A database failure stops the import and is returned.
Result<FilledImportOutcome> importFilledFiles(TDataM& dm, const StoredTemplate& stored,
                                              const QStringList& paths, int unitId);

}  // namespace documents
