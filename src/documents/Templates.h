#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "db/Result.h"
#include "documents/TemplateScan.h"

namespace db {
class Database;
}

// The operators' own templates stored in the database: Excel workbooks (tb_mb, items in
// tb_mbItem), Word documents (tb_wordModel, tb_wordModelItem) and PowerPoint presentations
// (tb_pptModel, tb_pptModelItem). Loading scans a file once and stores it with the positions of
// its placeholders; output and reading back work from the stored template alone.
namespace documents {

enum class TemplateFormat { Excel = 1, Word = 2, PowerPoint = 3 };

// The record types (Ttype of tb_mb, mtype of the others): a single-person template fills one
// file per cadre, a list holds one cadre per row. Word's single-person templates are a table
// (readable back) or a text.
inline constexpr int kSinglePerson = 1;
inline constexpr int kSinglePersonText = 2;
inline constexpr int kListType = 3;

inline const QString kNameRequired = QStringLiteral("请输入模版名称");
inline const QString kFileRequired = QStringLiteral("请选择模板文件");
inline const QString kNameTaken = QStringLiteral("已有同名的模版，请换一个名称。");
inline const QString kChooseTemplateToSave = QStringLiteral("请选择一个要导出的模板");
inline const QString kTemplateGone = QStringLiteral("该模版已不存在。");
inline const QString kLoadingExcel = QStringLiteral("正在载入Excel模版文件，请等待...");
inline const QString kAnalysingWord = QStringLiteral("正在分析Word模版文件，请等待...");
inline const QString kAnalysingPowerPoint = QStringLiteral("正在分析PPT模版文件，请等待...");

// One stored template as the manager lists it.
struct TemplateEntry {
    int id = 0;
    QString name;
    TemplateFormat format = TemplateFormat::Excel;
    int type = kSinglePerson;

    bool isList() const;
    // Whether filled files of this template can be read back: Excel and Word templates,
    // single-person tables or lists.
    bool isReadable() const;
};

// "Excel", "Word", "PowerPoint".
QString formatCaption(TemplateFormat format);
// "单人"/"多人" for Excel; "单人表格型", "单人文本型" or "多人" for Word and PowerPoint.
QString typeCaption(const TemplateEntry& entry);
// The extension of the format's files, with its dot: ".xlsx", ".docx", ".pptx".
QString fileSuffix(TemplateFormat format);

// Every stored template: the Excel ones, then Word, then PowerPoint, each by name.
Result<QList<TemplateEntry>> listTemplates(db::Database& db);

// Loads a template file: `name` must not be blank (kNameRequired) nor taken by a template of
// the same format (kNameTaken), `path` must be given (kFileRequired) and readable as the
// format's document; a legacy .xls/.doc/.ppt file is first converted into `workFolder` (see
// office::usableOfficeFile). The file is scanned and stored with its items in one transaction:
// the Excel workbook as given (Files) and blanked (EFiles), a Word or PowerPoint file as given.
// Leftover items of an interrupted scan (mbid 0) go. Returns the new template's id; a refusal
// or failure stores nothing.
Result<int> loadTemplate(db::Database& db, TemplateFormat format, const QString& name, int type,
                         const QString& path, const QString& workFolder);

// Deletes a template and its items, in one transaction.
Result<void> deleteTemplate(db::Database& db, TemplateFormat format, int id);

// A stored template with its file and items.
struct StoredTemplate {
    TemplateEntry entry;
    QByteArray file;            // the file as loaded
    QByteArray blank;           // the file with its placeholders blanked
    QList<TemplateItem> items;  // in the order they were found
};

// Reads a template (kTemplateGone when it is not there). The blank file of a Word or
// PowerPoint template is made from the stored file.
Result<StoredTemplate> readTemplate(db::Database& db, TemplateFormat format, int id);

}  // namespace documents
