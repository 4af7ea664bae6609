#include "appointment/ui/CadreApprovalMenu.h"

#include <QMenu>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/CadreApprovalForm.h"
#include "widgets/DocumentOpener.h"
#include "widgets/ReportPrinting.h"

namespace {

const QString kCadreGone = QStringLiteral("此干部已经从干部基本信息库中删除!");

// The record's form source and the print settings; nullopt after showing why not.
std::optional<std::pair<appointment::ApprovalSource, appointment::ApprovalSettings>> readForm(
    TDataM& dm, int cadreId) {
    const auto settings = appointment::readApprovalSettings(dm.db());
    if (!settings) {
        app::showFailure(settings.failure());
        return std::nullopt;
    }
    const auto source =
        appointment::readCadreApprovalSource(dm.db(), cadreId, QDate::currentDate());
    if (!source) {
        app::showFailure(source.failure());
        return std::nullopt;
    }
    if (!*source) {
        app::showInformation(kCadreGone);
        return std::nullopt;
    }
    return std::pair{**source, *settings};
}

}  // namespace

void addApprovalFormActions(QMenu* menu, TDataM& dm, std::function<int()> cadreId,
                            QWidget* parent) {
    QAction* preview =
        menu->addAction(appointment::kApprovalFormName, parent, [&dm, cadreId, parent] {
            if (const auto form = readForm(dm, cadreId())) {
                widgets::previewLayout(appointment::approvalFormLayout(form->first, form->second),
                                       appointment::kApprovalFormName, parent);
            }
        });
    preview->setObjectName(QStringLiteral("actApprovalForm"));
    QAction* word = menu->addAction(
        appointment::kApprovalFormName + QStringLiteral("(Word)"), parent, [&dm, cadreId] {
            const auto form = readForm(dm, cadreId());
            if (!form) {
                return;
            }
            const Result<QString> templatePath = app::wordTemplate(appointment::kApprovalTemplate);
            if (!templatePath) {
                app::showInformation(templatePath.errorText());
                return;
            }
            const Result<QString> written = appointment::writeApprovalDocument(
                form->first, form->second, *templatePath, app::appDir() + QStringLiteral("TEMP"),
                QDate::currentDate());
            if (!written) {
                app::showError(written.errorText());
                return;
            }
            if (!widgets::openDocument(*written)) {
                app::showInformation(QStringLiteral("文档已保存为：") + *written);
            }
        });
    word->setObjectName(QStringLiteral("actApprovalFormWord"));
}
