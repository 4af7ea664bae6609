#pragma once

#include <QString>
#include <array>

namespace admin {

// One function module whose use an account or group may be granted: the caption shown in the
// account dialog and the code stored in the rights rows and asked by HasRight.
struct Module {
    const char* caption;
    const char* code;

    QString captionText() const { return QString::fromUtf8(caption); }
    QString codeText() const { return QString::fromLatin1(code); }
};

// The modules in the order of the account dialog; the position is the module's number.
inline constexpr std::array<Module, 35> kModules{{
    {"数据备份", "DBBACKUP"},
    {"数据恢复、初始化", "DBRESTORE"},
    {"管理员设置", "GLYSET"},
    {"参数设置", "PARAM"},
    {"批量导入干部信息", "IMPORT"},
    {"添加、删除、修改干部信息", "WGB"},
    {"添加、删除、修改单位信息", "WDW"},
    {"数据报送", "SEND"},
    {"数据接收", "RECIEVE"},
    {"任免管理（查看）", "RMR"},
    {"任免管理（修改）", "RMW"},
    {"名册管理（查看）", "MCR"},
    {"名册管理（修改）", "MCW"},
    {"干部培训（查看）", "PXR"},
    {"干部培训（修改）", "PXW"},
    {"综合分析（查看）", "FXR"},
    {"综合分析（修改）", "FXW"},
    {"批量修改", "TOOL"},
    {"干部简历查看", "GBJLR"},
    {"干部简历修改", "GBJLW"},
    {"任职详细查看", "GBRZR"},
    {"任职详细修改", "GBRZW"},
    {"家庭成员查看", "GBJTR"},
    {"家庭成员修改", "GBJTW"},
    {"考察考核查看", "GBKHR"},
    {"考察考核修改", "GBKHW"},
    {"重大事项查看", "GBSXR"},
    {"重大事项修改", "GBSXW"},
    {"奖惩记录查看", "GBJCR"},
    {"奖惩记录修改", "GBJCW"},
    {"群众反映查看", "GBQZR"},
    {"群众反映修改", "GBQZW"},
    {"经济审计查看", "GBZDR"},
    {"经济审计修改", "GBZDW"},
    {"导出掌上电脑", "PDA"},
}};

// The module that lets an account keep the accounts ("管理员设置").
inline constexpr int kManagerModule = 2;
// The four viewing modules that "只读" checks: plans, rosters, training and analysis.
inline constexpr std::array<int, 4> kViewingModules{9, 11, 13, 15};

}  // namespace admin
