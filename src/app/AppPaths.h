#pragma once

#include <QString>

#include "db/Result.h"

namespace app {

// The data root: $CADRE_HOME when set; else the program's folder when it holds "Db/"; else the
// user's application-data folder. It ends with a slash.
QString appDir();
// appDir() + "Db/".
QString dbDir();

// The folder of the Word templates below the data folder, and the folder of their factory copies
// inside it.
inline const QString kWordTemplates = QStringLiteral("Word模板/");
inline const QString kFactoryTemplates = QStringLiteral("原始模板/");
inline const QString kTemplateMissing = QStringLiteral("模板文件不存在，请确认软件已正确安装!");

// The folder of the installed templates (Db/, Word模板/) of the program in `programDir`: that
// folder itself when it holds "Db/" (a build folder, or a copy kept in one folder), else the
// shared data folder of the installation the program belongs to (<prefix>/share/cadre for
// <prefix>/bin/cadre). It ends with a slash.
QString installedTemplates(const QString& programDir);

// Gives a data folder what it lacks of the installed templates in `templateDir`: the template
// databases (Db/Empty.db, Db/Send.db), so that the first start can make its working database,
// and the Word templates with their factory copies. What the data folder has is never replaced.
void seedTemplates(const QString& dataDir, const QString& templateDir);

// The Word template `fileName` ("文本型简历.docx"): the user's copy in Word模板/, else the
// factory copy in Word模板/原始模板/; a failure with kTemplateMissing when neither exists.
Result<QString> wordTemplate(const QString& fileName);

}  // namespace app
