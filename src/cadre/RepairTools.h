#pragma once

#include <QString>
#include <vector>

#include "db/Result.h"

class TDataM;

// "其他工具": one-shot repairs that recompute derived and ordering columns over the whole
// database. Each runs in one transaction (a failure writes nothing), only writes rows whose
// values differ from what it computes, and counts them, so a second run changes nothing.
namespace cadre {

// The inert first line of the tools menu.
inline const QString kRepairToolsNote =
    QStringLiteral("<以下工具为部分老版本解决升级后的错误，通常无需使用>");

struct RepairTool {
    QString objectName;  // of the menu command
    QString caption;
    QString progressText;
    // Makes the repair inside the caller's transaction; the value is the number of rows it changed.
    Result<int> (*repair)(TDataM& dm);
};

// The tools in menu order:
// - "重建单位索引": units::UnitTree::rebuildIndexes; counted are the units whose parent, depth,
//   order or index changed.
// - "重新分析干部职务信息": every post row in a unit of the tree takes the unit's name (dw), then
//   the current-post texts and memberships of every cadre with a current post or a membership are
//   rebuilt (RefreshCurrentPosts); counted are the post rows renamed and the cadres whose texts or
//   memberships changed.
// - "重新分析干部学历、学位": "无" in the six education columns becomes empty; the highest
//   education (gxl) and its school (gxlxx) come from the in-service education when one is
//   recorded, else from the full-time one; the degree (gxw) likewise, an in-service degree also
//   setting gxlxx to the in-service school.
// - "重新排列干部职务序号": memberships in no unit are deleted, the members of each unit and the
//   current and former posts of each cadre renumbered from 1 in their order. Posts whose unit was
//   typed as text or has been dissolved (dwID 0) are history and stay.
// - "重新分析干部拼音检索": py := the pinyin initials of xm.
// - "计算任免表中干部年龄": the age of every plan line at its plan's tbsj
//   (appointment::recomputeLineAges).
// - "更新家庭成员顺序": each cadre's family members renumbered from 1 in their order.
// - "格式化文本型简历": the resume text gzjl in the form the resume table writes it.
// - "去除出生地、籍贯中回车符": line feeds and carriage returns removed from csSheng and jgSheng.
// - "批量更新近3年年度考核情况": khNote from the three latest annual appraisals
//   (rebuildAppraisalNotes).
const std::vector<RepairTool>& repairTools();

// Runs `tool` in one transaction, showing its progress text; the value is the number of rows
// changed.
Result<int> runRepairTool(TDataM& dm, const RepairTool& tool);

// "<caption>完成，共修改<n>条记录。"
QString repairReport(const RepairTool& tool, int changed);

}  // namespace cadre
