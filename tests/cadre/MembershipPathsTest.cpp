#include <gtest/gtest.h>

#include <functional>

#include "CadreData.h"
#include "cadre/CadreDeletion.h"
#include "cadre/CadreRecord.h"
#include "cadre/PostBatch.h"
#include "cadre/Posts.h"
#include "main/CadreList.h"
#include "units/Membership.h"
#include "units/Quotas.h"

namespace {

constexpr int kEducation = 13;  // 某市教育局: cadre 2 holds no post there

// Every way a cadre becomes a member of a unit, each writing its flags. Cadre 2 holds current
// posts in units 1 and 3 (identity 公务员 after SetUp).
class MembershipPathsTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(QStringLiteral("update tb_cadre set rybz='公务员' where CadreID=2"));
    }

    struct Path {
        const char* what;
        // Makes a cadre a member of unit 13 and returns it (0 on a failure).
        std::function<int()> join;
        bool bound;  // made on purpose, with no post in the unit
    };
    std::vector<Path> paths() {
        return {
            {"new cadre in the unit",
             [this] {
                 cadre::CadreValues values = cadre::newCadreDefaults(db());
                 values.insert(QStringLiteral("xm"), QStringLiteral("王新"));
                 values.insert(QStringLiteral("rybz"), QStringLiteral("公务员"));
                 const Result<cadre::SavedCadre> saved =
                     cadre::saveCadre(dm, 0, values, kEducation);
                 return saved && saved->wrote ? saved->cadreId : 0;
             },
             true},
            {"选择干部 / 仅加入", [this] { return units::addMembers(dm, kEducation, {2}) ? 2 : 0; },
             true},
            {"transfer without a post",
             [this] {
                 return mainwin::transferMember(dm, 2, 3, kEducation, false, {}, {}) ? 2 : 0;
             },
             true},
            {"membership dialog",
             [this] {
                 return units::saveMembership(dm, kEducation, 2, QStringLiteral("2020.01"), true)
                            ? 2
                            : 0;
             },
             true},
            {"batch post dialog",
             [this] {
                 return cadre::applyCategory(dm, kEducation, QStringLiteral("正职"),
                                             QStringLiteral("局长"), 1,
                                             {{2, QStringLiteral("何  国"), QStringLiteral("局长"),
                                               QStringLiteral("2024.01")}})
                            ? 2
                            : 0;
             },
             false},
            {"a current post's refresh",
             [this] {
                 cadre::PostInput post;
                 post.cadreId = 2;
                 post.unitId = kEducation;
                 post.unitText = dm.UnitName(kEducation).value();
                 post.postName = QStringLiteral("局长");
                 return cadre::savePost(dm, post) ? 2 : 0;
             },
             false},
        };
    }

    int staffed() {
        return units::countStaffing(db(), kEducation)->value(QStringLiteral("公务员"));
    }

    // The membership's flags as stored: null stays null.
    std::pair<QVariant, QVariant> flags(int cadre) {
        const auto r = db().query(QStringLiteral("select bind, nobz from tb_cadre_node where "
                                                 "dwID=? and ZwCadreID=?"),
                                  {kEducation, cadre});
        return {r->rows.at(0)[0], r->rows.at(0)[1]};
    }
};

TEST_F(MembershipPathsTest, EveryMembershipIsWrittenWithItsFlagsAndCountsInStaffing) {
    for (const Path& path : paths()) {
        SCOPED_TRACE(path.what);
        db::Transaction undo(db());
        const int before = staffed();
        const int next = dm.NextMemberOrder(kEducation).value();
        const int cadre = path.join();
        ASSERT_NE(cadre, 0) << db().lastError();
        const auto [bind, nobz] = flags(cadre);
        ASSERT_FALSE(bind.isNull());
        ASSERT_FALSE(nobz.isNull());
        EXPECT_EQ(bind.toBool(), path.bound);
        EXPECT_FALSE(nobz.toBool());
        EXPECT_EQ(member(cadre, kEducation)->order, next);
        EXPECT_EQ(staffed(), before + 1);
    }
}

TEST_F(MembershipPathsTest, NoRefreshTakesACadreOutOfAUnitItJoinedOnPurpose) {
    struct Change {
        const char* what;
        std::function<bool(int cadre)> run;
    };
    const Change changes[] = {
        {"a former post in the unit",
         [this](int cadre) {
             cadre::PostInput post;
             post.cadreId = cadre;
             post.unitId = kEducation;
             post.unitText = dm.UnitName(kEducation).value();
             post.postName = QStringLiteral("副局长");
             post.current = false;
             return bool(cadre::savePost(dm, post));
         }},
        {"a current post elsewhere added and deleted",
         [this](int cadre) {
             cadre::PostInput post;
             post.cadreId = cadre;
             post.unitId = 12;
             post.unitText = dm.UnitName(12).value();
             post.postName = QStringLiteral("主任");
             const Result<int> saved = cadre::savePost(dm, post);
             return saved && cadre::deletePost(dm, cadre, *saved, true);
         }},
        {"removed from another unit",
         [this](int cadre) {
             return cadre == 2
                        ? cadre::removeFromUnit(dm, 2, 1, cadre::RemovalWay::RemoveWithRemovalDate,
                                                QStringLiteral("2025.01"))
                              .ok()
                        : true;
         }},
    };
    for (const Path& path : paths()) {
        if (!path.bound) {
            continue;
        }
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(path.what) + " / " + change.what);
            db::Transaction undo(db());
            const int cadre = path.join();
            ASSERT_NE(cadre, 0) << db().lastError();
            const auto joined = member(cadre, kEducation);
            ASSERT_TRUE(joined.has_value());
            ASSERT_TRUE(change.run(cadre)) << db().lastError();
            const auto kept = member(cadre, kEducation);
            ASSERT_TRUE(kept.has_value());
            EXPECT_EQ(kept->order, joined->order);
            EXPECT_TRUE(kept->bind);
        }
    }
}

}  // namespace
