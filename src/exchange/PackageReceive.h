#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"
#include "exchange/ReportPackage.h"

class TDataM;

namespace db {
class Database;
}

// Receiving a report-up package ("数据接收"): the package is checked, its cadres are compared with
// the local ones, and the cadres the user passes are merged with the chosen kinds of their
// information. The package numbers its rows itself; every merged row gets a local key, and the
// references to the package's cadre keys are written as the local ones. The package is only read.
namespace exchange {

inline const QString kReceiveCaption = QStringLiteral("数据接收");
inline const QString kNoPackageChosen = QStringLiteral("请选择要接收的文件！");
inline const QString kComparingCadres = QStringLiteral("正在对比导入干部信息和现有干部信息...");
inline const QString kReceivingCadres = QStringLiteral("正在导入干部信息");
inline const QString kNewCadre = QStringLiteral("新增");
inline const QString kExistingCadre = QStringLiteral("更改");

// Why a chosen package is refused; nothing is received.
inline const QString kPackageNotADatabase = QStringLiteral("所选文件不是报送数据库，未作接收：");
inline const QString kPackageDamaged = QStringLiteral("所选报送数据库已损坏，未作接收：");
inline const QString kPackageTablesMissing =
    QStringLiteral("所选报送数据库缺少以下数据表，未作接收：");
inline const QString kPackageNewer =
    QStringLiteral("所选报送数据库由更新版本的软件建立，本软件无法接收。");

// What a finished merge reports: "数据接收完成：新增<n>人，更新<m>人。"
QString receivedMessage(int added, int updated);

// The kinds of information merged besides the cadres' own rows. Posts held and the package's
// unit memberships are not received.
struct ReceiveContent {
    bool family = true;
    bool photo = true;
    bool training = true;
    bool rewards = true;
    bool assessments = true;
};

// A cadre of the package as the review lists it.
struct PackageCadre {
    int packageId = 0;  // the cadre's key in the package
    QString name;
    QString sex;
    QString birth;          // csnyStr in stored form; a text that is no month as it came
    bool existing = false;  // a local cadre matches it ("更改"); otherwise "新增"
};

struct PackageReview {
    PackageOrigin origin;
    QList<PackageCadre> cadres;  // in the package's order
};

// Checks that `file` is a package this program can receive: an SQLite file that passes the
// integrity check, has every package table and was not written by a later schema version.
// The value is where the package came from (empty for packages without an information table).
Result<PackageOrigin> checkPackage(const QString& file);

// Checks `file` and lists its cadres, each marked as matching a local cadre or not. A package
// cadre matches the first local cadre (by key) of the same name whose birth month is empty or
// equal to its own, preferring an equal one; a package cadre without birth month matches by
// name alone. Names and birth months are taken as the incoming checks give them (a birth month
// in stored form); a birth text that is no month matches only local cadres without one.
Result<PackageReview> reviewPackage(db::Database& working, const QString& file);

struct ReceiveCount {
    int added = 0;
    int updated = 0;
    // The received values that the incoming checks changed or refused (cadre::IncomingValues),
    // each named by its cadre and, for a record, the kind of record.
    QStringList notes;
};

// What the wizard shows after a merge: receivedMessage(), followed by the notes when there are
// any.
QString receivedReport(const ReceiveCount& count);

// Merges the cadres `packageIds` of the package `file` (checked first), in the package's order,
// in one transaction: refused or failing, the working database is left as it was.
// Every value passes the incoming checks of cadre::IncomingValues first: control characters
// are removed, texts cut to their column's size, month texts read as months and pictures
// decoded; a refused value is not stored (a new row leaves it empty, a local row keeps its own)
// and every change or refusal is noted in the count.
// Each cadre updates its matching local cadre (as reviewPackage matches, a local cadre merged in
// this run not matched again) or becomes a new one: the package's values replace the local ones
// where they are not NULL, the four month texts csnyStr, rdsjStr, zwjbTimeStr and gzsjStr are
// always written (stored form) unless refused; the photo only when `content.photo`. The chosen
// kinds of the cadre's records then update their matching local records or are added: family
// members by relation and name, training records by start date, assessments by date, rewards and
// punishments by date; a local record is matched by one package record at most, and keeps its
// value wherever the package's record holds NULL. With `unitId`
// (not 0) every merged cadre not yet a member of that unit becomes one, at the end of its order.
// Cadres not listed are not touched.
Result<ReceiveCount> receivePackage(TDataM& dm, const QString& file, const QList<int>& packageIds,
                                    const ReceiveContent& content, int unitId);

}  // namespace exchange
