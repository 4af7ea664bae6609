#include "admin/CadrePageRights.h"

#include "admin/Rights.h"
#include "admin/UnitReach.h"
#include "app/DataModule.h"

namespace admin {

PageCodes cadrePageCodes(CadrePage page) {
    switch (page) {
        case CadrePage::Basic:
        case CadrePage::Extended:
        case CadrePage::Documents:
            return {nullptr, "WGB"};
        case CadrePage::Resume:
            return {"GBJLR", "GBJLW"};
        case CadrePage::Posts:
            return {"GBRZR", "GBRZW"};
        case CadrePage::Family:
            return {"GBJTR", "GBJTW"};
        case CadrePage::Assessments:
            return {"GBKHR", "GBKHW"};
        case CadrePage::Rewards:
            return {"GBJCR", "GBJCW"};
        case CadrePage::Training:
            return {"PXR", "PXW"};
        case CadrePage::Events:
            return {"GBSXR", "GBSXW"};
        case CadrePage::Audits:
            return {"GBZDR", "GBZDW"};
        case CadrePage::Opinions:
            return {"GBQZR", "GBQZW"};
    }
    return {nullptr, "WGB"};
}

CadreAccess CadreAccess::basicOnly() {
    CadreAccess access;
    access.inReach = false;
    access.pages.fill({false, false, false});
    access.pages[static_cast<size_t>(CadrePage::Basic)] = {true, true, false};
    return access;
}

Result<CadreAccess> readCadreAccess(TDataM& dm, int cadreId) {
    db::Database& db = dm.db();
    const int manager = dm.session().ManagerID;
    const Result<UnitReach> reach = readUnitReach(db, manager);
    if (!reach) {
        return reach.failure();
    }
    const Result<bool> inReach = cadreInReach(db, *reach, cadreId);
    if (!inReach) {
        return inReach.failure();
    }
    if (!*inReach) {
        return CadreAccess::basicOnly();
    }
    CadreAccess access;
    for (int i = 0; i < kCadrePageCount; ++i) {
        PageAccess& shown = access.pages[static_cast<size_t>(i)];
        const PageCodes codes = cadrePageCodes(static_cast<CadrePage>(i));
        if (codes.read != nullptr) {
            const Result<bool> read = rightGranted(db, manager, QString::fromLatin1(codes.read));
            if (!read) {
                return read.failure();
            }
            shown.readable = *read;
        }
        const Result<bool> write = rightGranted(db, manager, QString::fromLatin1(codes.write));
        if (!write) {
            return write.failure();
        }
        shown.writable = shown.readable && *write;
    }
    return access;
}

}  // namespace admin
