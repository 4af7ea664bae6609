#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "db/Result.h"

namespace db {
class Database;
}

// The national code sets of tb_DMJ, read for the pickers of the record dialogs. The table is
// delivered filled; the program only reads it.
namespace cadre {

// Code sets the record dialogs offer.
inline const QString kRewardCategoryCodes = QStringLiteral("ZB19-94/JCLB");
inline const QString kHonourCodes = QStringLiteral("ZB66-2006/CHJZ");
inline const QString kPenaltyCodes = QStringLiteral("ZB68-2006/XSCF");
inline const QString kReasonCodes = QStringLiteral("ZB20-2006/JCYY");
inline const QString kReportWayCodes = QStringLiteral("ZB105-2006/JBFS");
inline const QString kTruthCodes = QStringLiteral("ZB104-2006/SSQK");
inline const QString kHandlingCodes = QStringLiteral("ZB106-2006/BLFS");

// The parent code of the honour levels in kHonourCodes.
inline const QString kHonourLevelParent = QStringLiteral("L0");

// The conditions that narrow the reason picker to the reasons of rewards or of punishments.
inline const QString kRewardReasonCondition = QStringLiteral("and DMLevel>0 and DM like '1%'");
inline const QString kPunishmentReasonCondition = QStringLiteral("and DMLevel>0 and DM like '2%'");

// The texts (DMShow) of the codes of `codeSet`, in stored order; with `parent` given only the
// codes directly under that parent code.
Result<QStringList> codeTexts(db::Database& db, const QString& codeSet,
                              const QString& parent = QString());

// A code with its text, for pickers that show the text and store the code.
struct CodeItem {
    QString code;  // DM
    QString text;  // DMShow
};

// The codes directly under `parent` in `codeSet`, in stored order.
Result<QList<CodeItem>> codeItems(db::Database& db, const QString& codeSet, const QString& parent);

// One code as the tree picker shows it.
struct CodeNode {
    int id = 0;
    QString code;     // DM
    QString caption;  // DMShow
    int parent = -1;  // index of the parent node in the list, -1 for a top-level node
};

// The codes of `codeSet` narrowed by `condition` (a program constant such as
// kRewardReasonCondition appended after the set's condition; empty for the whole set), by level
// and id. A code with an empty parent code is a top-level node; any other goes under the node
// whose code equals its parent code: the node read just before it when that one matches, else
// the first node read with that code, else it stays at the top level. A parent always comes
// before its children in the list.
Result<std::vector<CodeNode>> codeTree(db::Database& db, const QString& codeSet,
                                       const QString& condition);

}  // namespace cadre
