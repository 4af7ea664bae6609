#include "app/DataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/MessageService.h"
#include "db/SqlText.h"
#include "exchange/AutoBackup.h"
#include "schema/YesNoColumns.h"

namespace {

const QString kOpenFailed = QStringLiteral("执行错误,打开数据库失败.");

}  // namespace

TDataM::TDataM(const QString& appDir)
    : AppDir(appDir.endsWith(u'/') ? appDir : appDir + u'/'),
      DbDir(AppDir + QStringLiteral("Db/")),
      users_(db_) {}

bool TDataM::create(const LoginRunner& login) {
    StartAborted = true;
    Result<void> opened = openDatabase();
    if (opened) {
        opened = readLoginUsers();
    }
    if (!opened) {
        app::showError(opened.errorText());
        return false;
    }
    if (!users_.isEmpty()) {
        const bool admitted = login && login(*this);
        users_.close();
        if (!admitted) {
            return false;
        }
    } else {
        users_.close();
    }
    StartAborted = false;
    return true;
}

// Finds Db/Cadre.db or makes it from the empty template, then opens it. A file that cannot be
// opened as the program's database is reported and left exactly as it was.
Result<void> TDataM::openDatabase() {
    const QString working = DbDir + QStringLiteral("Cadre.db");
    FirstRun = !QFileInfo::exists(working);
    if (FirstRun) {
        const QString partial = working + QStringLiteral(".part");
        QFile::remove(partial);
        const bool copied =
            QFile::copy(DbDir + QStringLiteral("Empty.db"), partial) &&
            QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther) &&
            QFile::rename(partial, working);
        if (!copied) {
            QFile::remove(partial);
            return Failure{QStringLiteral("创建数据库失败：不能由空白模板“") + DbDir +
                               QStringLiteral("Empty.db”建立“") + working +
                               QStringLiteral("”，请确认模板存在并且数据目录可以写入。"),
                           {}};
        }
    }
    if (!db_.open(working) || !db_.query(QStringLiteral("select * from tb_general")) ||
        !db_.refreshStatistics()) {
        db_.close();
        return Failure{kOpenFailed, {}};
    }
    // Databases written before the yes/no columns were kept free of nulls get theirs now.
    if (const Result<int> cleared = schema::clearYesNoNulls(db_); !cleared) {
        db_.close();
        return Failure{kOpenFailed, cleared.failure().dbError};
    }
    // A database just made counts the days to its first automatic backup from today.
    if (FirstRun) {
        if (const Result<void> recorded = exchange::recordDatabaseMade(*this, QDate::currentDate());
            !recorded) {
            db_.close();
            return Failure{kOpenFailed, recorded.failure().dbError};
        }
    }
    return {};
}

// The accounts that may log in: ordinary users, whose userType is 0 or not set.
Result<void> TDataM::readLoginUsers() {
    if (!db_.hasTable(QStringLiteral("tb_manager"))) {
        return {};
    }
    if (!users_.open(QStringLiteral("select * from tb_manager"))) {
        return Failure{{}, users_.lastError()};
    }
    if (users_.hasField(QStringLiteral("userType")) &&
        !users_.open(
            QStringLiteral("select * from tb_manager where (userType=0) or (isnull(userType") +
            sql::Fragments{}.NullTail + u')')) {
        return Failure{{}, users_.lastError()};
    }
    return {};
}
