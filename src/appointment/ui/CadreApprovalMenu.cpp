#include "appointment/ui/CadreApprovalMenu.h"

#include <QMenu>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "app/MessageService.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/CadreApprovalForm.h"
#include "appointment/PlanLines.h"
#include "widgets/DocumentOpener.h"
#include "widgets/ReportPrinting.h"

namespace {

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
        app::showInformation(appointment::kCadreDeleted);
        return std::nullopt;
    }
    return std::pair{**source, *settings};
}

// Writes the Word document of `form` from template `templateName` through `write`, then opens
// it.
template <class Write>
void toWord(const QString& templateName, Write write) {
    const Result<QString> templatePath = app::wordTemplate(templateName);
    if (!templatePath) {
        app::showInformation(templatePath.errorText());
        return;
    }
    const Result<QString> written = write(*templatePath, app::appDir() + QStringLiteral("TEMP"));
    if (!written) {
        app::showError(written.errorText());
        return;
    }
    if (!widgets::openDocument(*written)) {
        app::showInformation(QStringLiteral("文档已保存为：") + *written);
    }
}

}  // namespace

void addApprovalFormActions(QMenu* menu, TDataM& dm, std::function<int()> cadreId,
                            QWidget* parent) {
    const auto add = [&](const char* name, const QString& caption, auto act) {
        menu->addAction(caption, parent,
                        [&dm, cadreId, parent, act] {
                            if (const auto form = readForm(dm, cadreId())) {
                                act(*form, parent);
                            }
                        })
            ->setObjectName(QString::fromLatin1(name));
    };
    using Form = std::pair<appointment::ApprovalSource, appointment::ApprovalSettings>;
    add("actApprovalForm", appointment::kApprovalFormName, [](const Form& form, QWidget* owner) {
        widgets::previewLayout(appointment::approvalFormLayout(form.first, form.second),
                               appointment::kApprovalFormName, owner);
    });
    add("actShortProfile", appointment::kShortProfileName, [](const Form& form, QWidget* owner) {
        widgets::previewLayout(appointment::shortProfileLayout(form.first, form.second),
                               appointment::kShortProfileName, owner);
    });
    add("actApprovalFormWord", appointment::kApprovalFormName + QStringLiteral("(Word)"),
        [](const Form& form, QWidget*) {
            toWord(appointment::kApprovalTemplate,
                   [&](const QString& templatePath, const QString& folder) {
                       return appointment::writeApprovalDocument(
                           form.first, form.second, templatePath, folder, QDate::currentDate());
                   });
        });
    add("actShortProfileWord", appointment::kShortProfileName + QStringLiteral("(Word)"),
        [](const Form& form, QWidget*) {
            toWord(appointment::kShortProfileTemplate,
                   [&](const QString& templatePath, const QString& folder) {
                       return appointment::writeShortProfileDocument(form.first, templatePath,
                                                                     folder, QDate::currentDate());
                   });
        });
}
