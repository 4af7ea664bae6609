#include "admin/Rights.h"

#include "app/DataModule.h"
#include "app/MessageService.h"
#include "db/SqlText.h"

namespace admin {

bool HasRight(TDataM& dm, const QString& code) {
    const int manager = dm.session().ManagerID;
    if (manager == 0) {
        return true;
    }
    const std::optional<db::QueryResult> rows = dm.db().query(
        QStringLiteral("select * from tb_conf where GID='RIGHT' and ItemID=") +
        sql::quoted(QString::number(manager)) + QStringLiteral(" and ItemV=") + sql::quoted(code));
    const bool granted =
        rows && (rows->rows.empty() || rows->value(0, QStringLiteral("ItemV2")).toString() == u"1");
    if (!granted) {
        app::showInformation(QStringLiteral("无操作权限，请联系管理员！"));
    }
    return granted;
}

}  // namespace admin
