#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "cadre/CadrePicker.h"
#include "db/Result.h"

namespace db {
class Database;
}

// The report-up package ("数据上报"): an SQLite file made from the empty package template
// Db/Send.db and filled with chosen cadres and the chosen kinds of their information. The
// package keeps the sender's keys; the receiver (PackageReceive.h) numbers the rows anew.
namespace exchange {

inline const QString kSendCaption = QStringLiteral("数据上报");
inline const QString kNoPackageName = QStringLiteral("导出文件名未设置。");
inline const QString kSendDone = QStringLiteral("导出完成！");
inline const QString kPackageFilter = QStringLiteral("报送数据库 (*.sdb)");
inline const QString kPackageExtension = QStringLiteral(".sdb");
inline const QString kPackageTemplateMissing =
    QStringLiteral("没有找到报送数据库模版，请重新安装软件！");
inline const QString kExportingCadres = QStringLiteral("正在导出干部基本信息及照片...");
inline const QString kExportingFamily = QStringLiteral("正在导出家庭成员...");
inline const QString kExportingPosts = QStringLiteral("正在导出任职信息...");
inline const QString kExportingTraining = QStringLiteral("正在导出培训记录..");
inline const QString kExportingAssessments = QStringLiteral("正在导出考察考核记录..");
inline const QString kExportingRewards = QStringLiteral("正在导出奖惩记录..");

// The kinds of information a package carries besides the cadres' own rows.
struct PackageContent {
    bool family = true;
    bool photo = true;
    bool training = true;
    bool rewards = true;
    bool assessments = true;
    bool posts = true;  // posts held and unit memberships
};

// Where a package came from, as its information table records it (empty for older packages).
struct PackageOrigin {
    double version = 0;
    QString sender;
    QDate sentOn;
};

// The lines of the list of cadres to report ("姓 名", "性 别", "职务级别"): the cadres `cadreIds`
// in that order; keys of no cadre are left out.
Result<QList<cadre::PickedCadre>> reportLines(db::Database& db, const QList<int>& cadreIds);

// The package name proposed in `folder`: the name of the first unit of the tree + ".sdb"
// ("报送数据.sdb" without units).
Result<QString> proposedPackagePath(db::Database& db, const QString& folder);

// Writes the package `target` from the template `templateFile`: the cadres `cadreIds` (a key
// given twice is written once; the package keeps the working database's keys) with the chosen kinds
// of their information, every table filled with one statement over the whole list. The package is
// built beside `target` and takes its place only when complete, so a failure leaves no partial
// package under that name. The package's information table receives this program's schema version,
// the organisation name of the working database (tb_general) and `sentOn`. The working
// database is only read.
Result<void> writeReportPackage(db::Database& working, const QString& templateFile,
                                const QString& target, const QList<int>& cadreIds,
                                const PackageContent& content, const QDate& sentOn);

}  // namespace exchange
