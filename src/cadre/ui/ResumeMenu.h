#pragma once

#include <functional>

#include "cadre/ResumePrintout.h"

class QMenu;
class QWidget;

// The resume printouts of the cadre editor's "输入/输出" menu: "直接打印" › "干部简历（文本式）"
// shows the printed resume in the print preview, from which it is printed or saved as PDF;
// "按系统自带Word模板打印" › "干部简历（文本式）" fills the Word template "文本型简历.docx" (the
// user's, else the factory copy; "模板文件不存在，请确认软件已正确安装!" without either), saves
// it as TEMP/<name>.docx below the data folder and opens it with the desktop's program.
// `source` gives the resume of the record on show when a command runs.
QMenu* resumeOutputMenu(QWidget* parent, std::function<cadre::ResumePrintData()> source);
