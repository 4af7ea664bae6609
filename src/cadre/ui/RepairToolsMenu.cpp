#include "cadre/ui/RepairToolsMenu.h"

#include <QAction>
#include <QMenu>

#include "admin/Rights.h"
#include "app/MessageService.h"
#include "cadre/RepairTools.h"

QMenu* buildRepairToolsMenu(TDataM& dm, QWidget* parent, std::function<void()> repaired) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuOtherTools"));
    QAction* note = menu->addAction(cadre::kRepairToolsNote);
    note->setEnabled(false);
    for (const cadre::RepairTool& tool : cadre::repairTools()) {
        QAction* action = menu->addAction(tool.caption);
        action->setObjectName(tool.objectName);
        QObject::connect(action, &QAction::triggered, menu, [&dm, &tool, repaired] {
            if (!admin::HasRight(dm, QStringLiteral("TOOL"))) {
                return;
            }
            const Result<int> changed = cadre::runRepairTool(dm, tool);
            if (!changed) {
                app::showFailure(changed.failure());
                return;
            }
            if (*changed > 0 && repaired) {
                repaired();
            }
            app::showInformation(cadre::repairReport(tool, *changed));
        });
    }
    return menu;
}
