#include "cadre/ui/ResumeMenu.h"

#include <QDir>
#include <QMenu>

#include "app/AppPaths.h"
#include "app/MessageService.h"
#include "app/Progress.h"
#include "cadre/ResumeDocument.h"
#include "widgets/DocumentOpener.h"
#include "widgets/ReportPrinting.h"

namespace {

const QString kTextResume = QStringLiteral("干部简历（文本式）");

void previewResume(QWidget* parent, const cadre::ResumePrintData& data) {
    widgets::previewLayout(cadre::resumePrintout(data), kTextResume, parent);
}

void resumeToWord(const cadre::ResumePrintData& data) {
    const Result<QString> templatePath = app::wordTemplate(cadre::kResumeTemplate);
    if (!templatePath) {
        app::showInformation(templatePath.errorText());
        return;
    }
    Result<QString> written = QString();
    {
        const app::ProgressScope wait(QStringLiteral("正在输出Word，请等待..."));
        written =
            cadre::writeResumeDocument(data, *templatePath, app::appDir() + QStringLiteral("TEMP"));
    }
    if (!written) {
        app::showError(written.errorText());
        return;
    }
    if (!widgets::openDocument(*written)) {
        app::showInformation(QStringLiteral("文档已保存为：") + *written);
    }
}

}  // namespace

QMenu* resumeOutputMenu(QWidget* parent, std::function<cadre::ResumePrintData()> source) {
    auto* menu = new QMenu(parent);
    QMenu* print = menu->addMenu(QStringLiteral("直接打印"));
    QAction* preview = print->addAction(kTextResume, parent,
                                        [parent, source] { previewResume(parent, source()); });
    preview->setObjectName(QStringLiteral("actResumePrint"));
    QMenu* word = menu->addMenu(QStringLiteral("按系统自带Word模板打印"));
    QAction* toWord = word->addAction(kTextResume, parent, [source] { resumeToWord(source()); });
    toWord->setObjectName(QStringLiteral("actResumeWord"));
    return menu;
}
