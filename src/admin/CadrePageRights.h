#pragma once

#include <array>

#include "db/Result.h"

class TDataM;

namespace admin {

// The pages of the cadre editor, in the editor's order.
enum class CadrePage {
    Basic,        // 基本信息, with the photo
    Extended,     // 扩展信息
    Resume,       // 工作简历
    Posts,        // 任职详细
    Family,       // 家庭成员
    Assessments,  // 考察考核
    Rewards,      // 奖惩记录
    Training,     // 培训记录
    Events,       // 重大事项
    Audits,       // 经济审计
    Opinions,     // 群众反映
    Documents,    // 文档材料
};
inline constexpr int kCadrePageCount = 12;

// The module codes that guard a page: `read` to see its records (null: every account may) and
// `write` to change them. The basic and extended data are the cadre data ("WGB"); each
// sub-record page has its own pair ("GBJLR"/"GBJLW" for the resume ...), the training record
// the training modules.
struct PageCodes {
    const char* read;
    const char* write;
};
PageCodes cadrePageCodes(CadrePage page);

// What the logged-in account may do with one page of the record on show.
struct PageAccess {
    bool shown = true;     // the page is there at all
    bool readable = true;  // its records are shown; else it is empty with kNoRight on it
    bool writable = true;  // its records may be changed (while the editor allows editing)
};

// What the logged-in account may do with the record of one cadre. A cadre outside the units an
// account is limited to shows its basic page only, read-only, and refuses every change.
struct CadreAccess {
    bool inReach = true;
    std::array<PageAccess, kCadrePageCount> pages{};

    const PageAccess& page(CadrePage p) const { return pages[static_cast<size_t>(p)]; }

    // The access to a cadre out of reach: the basic page, to look at.
    static CadreAccess basicOnly();
};

// Reads the access of the logged-in account to cadre `cadreId` (0: a cadre not saved yet, which
// is in reach) without a word to the user; a failure when the rights cannot be read. A page
// editor asks page(CadrePage::X) before it lists records (readable) and before it lets a change
// start (writable); the editing switch of the whole editor stays the "WGB" right's.
Result<CadreAccess> readCadreAccess(TDataM& dm, int cadreId);

}  // namespace admin
