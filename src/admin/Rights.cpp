#include "admin/Rights.h"

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/Database.h"

namespace admin {

Result<bool> rightGranted(db::Database& db, int managerId, const QString& code) {
    if (managerId == 0) {
        return true;
    }
    const auto rows = db.query(
        QStringLiteral("select ItemV2 from tb_conf where GID='RIGHT' and ItemID=? and ItemV=?"),
        {QString::number(managerId), code});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    // No row grants; so does a row whose flag is "1".
    return rows->rows.empty() || rows->value(0, QStringLiteral("ItemV2")).toString() == u"1";
}

bool HasRight(TDataM& dm, const QString& code) {
    const Result<bool> granted = rightGranted(dm.db(), dm.session().ManagerID, code);
    if (!granted) {
        app::showError(granted.errorText());
        return false;
    }
    if (!*granted) {
        app::showInformation(kNoRight);
    }
    return *granted;
}

}  // namespace admin
