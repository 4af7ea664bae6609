#include "cadre/RepairTools.h"

#include <QHash>
#include <QVariant>

#include "app/DataModule.h"
#include "app/Progress.h"
#include "appointment/PlanLines.h"
#include "cadre/Assessments.h"
#include "cadre/CurrentPosts.h"
#include "cadre/OrderedRows.h"
#include "cadre/Posts.h"
#include "cadre/Resume.h"
#include "db/Database.h"
#include "text/Pinyin.h"
#include "units/Membership.h"
#include "units/UnitTree.h"

namespace cadre {

namespace {

Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

// The rows of `statement` by their first column, the other columns joined into one text.
Result<QHash<QString, QString>> snapshot(db::Database& db, const QString& statement) {
    const auto rows = db.query(statement);
    if (!rows) {
        return databaseFailure(db);
    }
    QHash<QString, QString> texts;
    for (const QVariantList& row : rows->rows) {
        QString& text = texts[row[0].toString()];
        for (qsizetype i = 1; i < row.size(); ++i) {
            text += row[i].toString() + QChar(0x1f);
        }
    }
    return texts;
}

// The keys whose text differs between two snapshots, or that only one holds.
int differences(const QHash<QString, QString>& before, const QHash<QString, QString>& after) {
    int count = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const auto old = before.constFind(it.key());
        count += old == before.cend() || *old != it.value() ? 1 : 0;
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        count += after.contains(it.key()) ? 0 : 1;
    }
    return count;
}

// Runs `repair` between two snapshots of `statement` and counts the rows that differ.
template <typename Repair>
Result<int> countedRepair(db::Database& db, const QString& statement, Repair repair) {
    const Result<QHash<QString, QString>> before = snapshot(db, statement);
    if (!before) {
        return before.failure();
    }
    if (const Result<void> repaired = repair(); !repaired) {
        return repaired.failure();
    }
    const Result<QHash<QString, QString>> after = snapshot(db, statement);
    if (!after) {
        return after.failure();
    }
    return differences(*before, *after);
}

// Reads `statement` (the row id first) and writes, through `update` with the new values followed
// by the id, every row for which `rework` gives values other than the stored ones.
template <typename Rework>
Result<int> reworkRows(db::Database& db, const QString& statement, const QString& update,
                       Rework rework) {
    const auto rows = db.query(statement);
    if (!rows) {
        return databaseFailure(db);
    }
    int changed = 0;
    for (const QVariantList& row : rows->rows) {
        const QVariantList stored = row.mid(1);
        QVariantList values = rework(stored);
        bool same = true;
        for (qsizetype i = 0; i < values.size(); ++i) {
            same = same && values[i].toString() == stored.value(i).toString();
        }
        if (same) {
            continue;
        }
        values << row[0];
        if (!db.exec(update, values)) {
            return databaseFailure(db);
        }
        ++changed;
    }
    return changed;
}

Result<int> rebuildUnitIndexes(TDataM& dm) {
    return countedRepair(
        dm.db(), QStringLiteral("select ID,parentID,dwlevel,dwOrder,dwIndex from tb_department"),
        [&dm] { return units::UnitTree(dm).rebuildIndexes(); });
}

Result<int> rebuildPostTexts(TDataM& dm) {
    db::Database& db = dm.db();
    if (!db.exec(
            QStringLiteral("update tb_cadre_zw set dw=(select Name from tb_department where "
                           "tb_department.ID=tb_cadre_zw.dwID) where dwID in (select ID from "
                           "tb_department where Name is not null) and (dw is null or dw<>(select "
                           "Name from tb_department where tb_department.ID=tb_cadre_zw.dwID))"))) {
        return databaseFailure(db);
    }
    const int renamed = db.changes();
    const auto cadres = db.query(QStringLiteral(
        "select ZwCadreID from tb_cadre_zw where status=1 union select ZwCadreID from "
        "tb_cadre_node"));
    if (!cadres) {
        return databaseFailure(db);
    }
    app::progress().setText(QStringLiteral("正在重建干部职务列表..."));
    int changed = 0;
    for (const QVariantList& row : cadres->rows) {
        const QString id = row[0].toString();
        const Result<int> refreshed = countedRepair(
            db,
            QStringLiteral("select 0,xrz,allZwList,allRzsjList,'' from tb_cadre where CadreID=") +
                id +
                QStringLiteral(" union all select CnID,dwID,zwOrder,zwList,rzsjList from "
                               "tb_cadre_node where ZwCadreID=") +
                id,
            [&] { return RefreshCurrentPosts(dm, row[0].toInt(), 0); });
        if (!refreshed) {
            return refreshed;
        }
        changed += *refreshed > 0 ? 1 : 0;
    }
    return renamed + changed;
}

bool isEmptyText(const QVariant& value) {
    return value.toString().isEmpty();
}

Result<int> rebuildEducation(TDataM& dm) {
    // The columns: qrzxl, qrzxw, qrzxxzy, zzxl, zzxw, zzxxzy, gxl, gxlxx, gxw.
    return reworkRows(
        dm.db(),
        QStringLiteral("select CadreID,qrzxl,qrzxw,qrzxxzy,zzxl,zzxw,zzxxzy,gxl,gxlxx,gxw from "
                       "tb_cadre"),
        QStringLiteral("update tb_cadre set qrzxl=?,qrzxw=?,qrzxxzy=?,zzxl=?,zzxw=?,zzxxzy=?,"
                       "gxl=?,gxlxx=?,gxw=? where CadreID=?"),
        [](const QVariantList& stored) {
            QVariantList v = stored;
            for (int i = 0; i < 6; ++i) {
                if (v[i].toString() == QStringLiteral("无")) {
                    v[i] = QString();
                }
            }
            const bool inService = !isEmptyText(v[3]);
            v[6] = inService ? v[3] : v[0];
            v[7] = inService ? v[5] : v[2];
            if (!isEmptyText(v[4])) {
                v[8] = v[4];
                v[7] = v[5];
            } else {
                v[8] = v[1];
            }
            return v;
        });
}

Result<int> renumberPostsAndMembers(TDataM& dm) {
    const Result<int> members = units::repairMemberOrders(dm);
    if (!members) {
        return members;
    }
    const Result<int> posts = renumberPostOrders(dm.db());
    if (!posts) {
        return posts;
    }
    return *members + *posts;
}

Result<int> rebuildPinyin(TDataM& dm) {
    return reworkRows(dm.db(), QStringLiteral("select CadreID,py,xm from tb_cadre"),
                      QStringLiteral("update tb_cadre set py=? where CadreID=?"),
                      [](const QVariantList& stored) {
                          return QVariantList{
                              text::pinyinInitials(stored[1].toString(), text::LetterCase::Upper)};
                      });
}

Result<int> recomputePlanAges(TDataM& dm) {
    return appointment::recomputeLineAges(dm.db());
}

Result<int> rebuildAppraisals(TDataM& dm) {
    return rebuildAppraisalNotes(dm.db());
}

Result<int> renumberFamily(TDataM& dm) {
    return renumberOrders(dm.db(), QStringLiteral("tb_family"), QStringLiteral("FamilyID"),
                          {QStringLiteral("CadreID")}, QStringLiteral("ford"));
}

Result<int> formatResumes(TDataM& dm) {
    return reworkRows(dm.db(),
                      QStringLiteral("select CadreID,gzjl from tb_cadre where gzjl is not null"),
                      QStringLiteral("update tb_cadre set gzjl=? where CadreID=?"),
                      [](const QVariantList& stored) {
                          return QVariantList{tableToResume(resumeToTable(stored[0].toString()))};
                      });
}

Result<int> removeLineBreaks(TDataM& dm) {
    const auto withoutBreaks = [](const QVariant& value) {
        if (value.isNull()) {
            return value;
        }
        QString text = value.toString();
        text.remove(u'\r');
        text.remove(u'\n');
        return QVariant(text);
    };
    return reworkRows(dm.db(), QStringLiteral("select CadreID,csSheng,jgSheng from tb_cadre"),
                      QStringLiteral("update tb_cadre set csSheng=?,jgSheng=? where CadreID=?"),
                      [&](const QVariantList& stored) {
                          return QVariantList{withoutBreaks(stored[0]), withoutBreaks(stored[1])};
                      });
}

}  // namespace

const std::vector<RepairTool>& repairTools() {
    static const std::vector<RepairTool> tools{
        {QStringLiteral("actRepairUnitIndexes"), QStringLiteral("重建单位索引"),
         QStringLiteral("正在重建单位索引..."), &rebuildUnitIndexes},
        {QStringLiteral("actRepairPosts"), QStringLiteral("重新分析干部职务信息"),
         QStringLiteral("正在更新职务所在单位..."), &rebuildPostTexts},
        {QStringLiteral("actRepairEducation"), QStringLiteral("重新分析干部学历、学位"),
         QStringLiteral("正在分析学历、学位..."), &rebuildEducation},
        {QStringLiteral("actRepairOrders"), QStringLiteral("重新排列干部职务序号"),
         QStringLiteral("正在更新职务顺序..."), &renumberPostsAndMembers},
        {QStringLiteral("actRepairPinyin"), QStringLiteral("重新分析干部拼音检索"),
         QStringLiteral("正在更新拼音检索..."), &rebuildPinyin},
        {QStringLiteral("actRepairPlanAges"), QStringLiteral("计算任免表中干部年龄"),
         QStringLiteral("正在计算任免表中干部年龄..."), &recomputePlanAges},
        {QStringLiteral("actRepairFamily"), QStringLiteral("更新家庭成员顺序"),
         QStringLiteral("正在更新家庭成员顺序..."), &renumberFamily},
        {QStringLiteral("actRepairResumes"), QStringLiteral("格式化文本型简历"),
         QStringLiteral("正在格式化文本型简历..."), &formatResumes},
        {QStringLiteral("actRepairBirthPlaces"), QStringLiteral("去除出生地、籍贯中回车符"),
         QStringLiteral("正在更新检查出生地，籍贯..."), &removeLineBreaks},
        {QStringLiteral("actRepairAppraisals"), QStringLiteral("批量更新近3年年度考核情况"),
         QStringLiteral("正在更新年度考核信息..."), &rebuildAppraisals},
    };
    return tools;
}

Result<int> runRepairTool(TDataM& dm, const RepairTool& tool) {
    const app::ProgressScope wait(tool.progressText);
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const Result<int> changed = tool.repair(dm);
    if (!changed) {
        return changed;
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return changed;
}

QString repairReport(const RepairTool& tool, int changed) {
    return tool.caption + QStringLiteral("完成，共修改") + QString::number(changed) +
           QStringLiteral("条记录。");
}

}  // namespace cadre
