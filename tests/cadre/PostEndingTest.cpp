#include <gtest/gtest.h>

#include <QDate>
#include <functional>

#include "CadreData.h"
#include "cadre/CadreDeletion.h"
#include "cadre/PostBatch.h"
#include "cadre/PostEnding.h"
#include "cadre/Posts.h"
#include "main/CadreList.h"
#include "units/UnitTree.h"

namespace {

const QString kDeputySecretary = QStringLiteral("中共某市委员会副书记");

// Every command that ends current posts, tried on cadre 2: 副书记 in unit 1 (current), 市长 in
// unit 3 (current, taken up 2022.05), former posts 科长 (order 1, unit 15) and 副主任 (order 2),
// and a former post in unit 3 that ended long ago, added here.
class PostEndingTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(
            QStringLiteral("insert into tb_cadre_zw (ZwCadreID,status,dwID,dw,zwmc,zwOrder,rzsj,"
                           "rzsjstr,mzsj,mzsjstr) values (2,2,3,'某市人民政府','副秘书长',3,"
                           "#1992-09-01#,'1992.09',#2016-03-01#,'2016.03')"));
        mayor = postId(QStringLiteral("市长"));
        oldPost = postId(QStringLiteral("副秘书长"));
    }

    int postId(const QString& zwmc) {
        return db()
            .scalar(QStringLiteral("select ZwID from tb_cadre_zw where ZwCadreID=2 and zwmc=?"),
                    {zwmc})
            ->toInt();
    }

    struct Post {
        int status = 0;
        int order = 0;
        QVariant mzsjstr;
        QVariant mzsj;
    };
    Post post(int zwId) {
        const auto r =
            db().query(QStringLiteral("select status,zwOrder,mzsjstr,mzsj from tb_cadre_zw where "
                                      "ZwID=") +
                       QString::number(zwId));
        const QVariantList& v = r->rows.at(0);
        return {v[0].toInt(), v[1].toInt(), v[2], v[3]};
    }

    // The ways the posts of cadre 2 in unit 3 end, each with the month typed; the outcome is the
    // refusal message, empty when the change went through (a database failure fails the test).
    struct Way {
        const char* what;
        std::function<QString(const QString& month)> end;
        QString badMonthMessage;
        bool takesEmptyMonth;  // false: the dissolution, which also ends other cadres' posts
    };
    std::vector<Way> ways() {
        const auto result = [](const Result<void>& r) {
            EXPECT_TRUE(r || r.failure().dbError.isEmpty()) << r.errorText().toStdString();
            return r ? QString() : r.failure().message;
        };
        return {
            {"removal dialog",
             [=, this](const QString& m) {
                 return result(cadre::removePosts(dm, 2, 3, {mayor}, m));
             },
             cadre::kBadRemovalMonth, true},
            {"removal from the unit",
             [=, this](const QString& m) {
                 return result(
                     cadre::removeFromUnit(dm, 2, 3, cadre::RemovalWay::RemoveWithRemovalDate, m));
             },
             cadre::kBadRemovalMonth, true},
            {"transfer",
             [=, this](const QString& m) {
                 return result(mainwin::transferMember(dm, 2, 3, 12, true, m, QString()));
             },
             mainwin::kBadTransferMonth, true},
            {"dissolution",
             [=, this](const QString& m) {
                 return result(
                     units::UnitTree(dm).removeSubtree(3, units::UnitTree::Removal::Dissolve, m));
             },
             units::kBadMonthText, false},
        };
    }

    int mayor = 0;
    int oldPost = 0;
};

TEST_F(PostEndingTest, OnlyCurrentPostsEndLastInTheFormerListAndTheCadreIsRefreshed) {
    std::vector<Way> all = ways();
    all.push_back({"membership removal on the posts page",
                   [this](const QString&) {
                       const Result<void> removed = cadre::removeMembership(dm, 2, 3);
                       EXPECT_TRUE(removed) << removed.errorText().toStdString();
                       return removed.failure().message;
                   },
                   {},
                   true});
    for (const Way& way : all) {
        SCOPED_TRACE(way.what);
        db::Transaction undo(db());
        const bool dated = way.badMonthMessage != QString();
        ASSERT_EQ(way.end(QStringLiteral("2025.3")), QString());

        const Post ended = post(mayor);
        EXPECT_EQ(ended.status, 2);
        EXPECT_EQ(ended.order, 4);  // after the three former posts
        EXPECT_EQ(ended.mzsjstr, dated ? QVariant(QStringLiteral("2025.03")) : QVariant());
        EXPECT_EQ(ended.mzsj.toDate(), dated ? QDate(2025, 3, 1) : QDate());
        // A post that ended long ago keeps its removal month.
        const Post old = post(oldPost);
        EXPECT_EQ(old.status, 2);
        EXPECT_EQ(old.order, 3);
        EXPECT_EQ(old.mzsjstr.toString(), QStringLiteral("2016.03"));
        EXPECT_EQ(old.mzsj.toDate(), QDate(2016, 3, 1));
        EXPECT_EQ(post(postId(QStringLiteral("科长"))).mzsjstr.toString(),
                  QStringLiteral("1994.06"));
        // The current-post texts follow at once.
        EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), kDeputySecretary);
        EXPECT_EQ(cadreValue(2, QStringLiteral("allZwList")).toString(), kDeputySecretary);
        EXPECT_EQ(member(2, 1)->zwList.toString(), QStringLiteral("副书记"));
        EXPECT_EQ(post(postId(QStringLiteral("副书记"))).status, 1);
    }
}

TEST_F(PostEndingTest, EveryMonthEntryTakesOnlyAMonthOfTheEntryPatternFrom1900) {
    struct Case {
        const char* typed;
        const char* stored;  // null: refused with the entry's message
    };
    const Case cases[] = {
        {"2025.3", "2025.03"}, {"2025.03", "2025.03"},  {"2025-3", "2025.03"},
        {" 24.07", nullptr},   {"65.03", nullptr},      {"2024.13", nullptr},
        {"2024.0", nullptr},   {"abc", nullptr},        {"2024年7月", nullptr},
        {"1899.12", nullptr},  {"2024.07.01", nullptr}, {"2025.3' or 1=1", nullptr},
    };
    // The post dialog's two month boxes, on a new post and on the stored 市长.
    std::vector<Way> entries = ways();
    entries.push_back({"post dialog, appointment month",
                       [this](const QString& m) {
                           cadre::PostInput input = *cadre::readPost(db(), 2, mayor);
                           input.appointedMonth = m;
                           return cadre::savePost(dm, input).failure().message;
                       },
                       cadre::kBadAppointedMonth, true});
    entries.push_back({"post dialog, removal month",
                       [this](const QString& m) {
                           cadre::PostInput input = *cadre::readPost(db(), 2, mayor);
                           input.current = false;
                           input.removedMonth = m;
                           return cadre::savePost(dm, input).failure().message;
                       },
                       cadre::kBadRemovalMonth, true});
    for (const Way& entry : entries) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(entry.what) + " / " + c.typed);
            db::Transaction undo(db());
            const Snapshot before = snapshot();
            const QString refusal = entry.end(QString::fromUtf8(c.typed));
            if (c.stored == nullptr) {
                EXPECT_EQ(refusal, entry.badMonthMessage);
                EXPECT_EQ(snapshot(), before);
                continue;
            }
            ASSERT_EQ(refusal, QString());
            const bool appointment = entry.badMonthMessage == cadre::kBadAppointedMonth;
            const auto stored = db().query(
                QStringLiteral("select rzsjstr, rzsj, mzsjstr, mzsj from tb_cadre_zw where ZwID=") +
                QString::number(mayor));
            const QVariantList& row = stored->rows.at(0);
            EXPECT_EQ(row[appointment ? 0 : 2].toString(), QString::fromUtf8(c.stored));
            EXPECT_EQ(row[appointment ? 1 : 3].toDate(), QDate(2025, 3, 1));
        }
    }
}

TEST_F(PostEndingTest, ARemovalMonthBeforeTheAppointmentIsRefused) {
    std::vector<Way> entries = ways();
    entries.push_back({"post dialog",
                       [this](const QString& m) {
                           cadre::PostInput input = *cadre::readPost(db(), 2, mayor);
                           input.removedMonth = m;
                           return cadre::savePost(dm, input).failure().message;
                       },
                       {},
                       true});
    for (const Way& entry : entries) {
        SCOPED_TRACE(entry.what);
        const Snapshot before = snapshot();
        // 市长 was taken up in 2022.05.
        EXPECT_TRUE(
            entry.end(QStringLiteral("2022.04")).startsWith(cadre::kRemovalBeforeAppointment));
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(db().transactionDepth(), 0);
        // The month of the appointment itself is a valid end (unit 3 holds later appointments
        // of other cadres).
        if (entry.takesEmptyMonth) {
            db::Transaction undo(db());
            EXPECT_EQ(entry.end(QStringLiteral("2022.05")), QString());
        }
    }
}

TEST_F(PostEndingTest, AnEmptyMonthEndsThePostsWithoutADateWhereTheEntryAllowsIt) {
    for (const Way& way : ways()) {
        SCOPED_TRACE(way.what);
        db::Transaction undo(db());
        const QString refusal = way.end(QString());
        if (!way.takesEmptyMonth) {
            EXPECT_EQ(refusal, way.badMonthMessage);
            EXPECT_EQ(post(mayor).status, 1);
            continue;
        }
        ASSERT_EQ(refusal, QString());
        EXPECT_EQ(post(mayor).status, 2);
        EXPECT_TRUE(post(mayor).mzsjstr.isNull());
        EXPECT_TRUE(post(mayor).mzsj.isNull());
    }
}

TEST_F(PostEndingTest, PostsOfSeveralCadresEachGoLastInTheirOwnFormerList) {
    // Unit 3 also lists cadres 11 and 12 (one former post each) and 13 (two former posts);
    // cadre 2 gets a second current post there.
    addPost(2, 3, QStringLiteral("党组书记"), 3, QStringLiteral("2022.06"));
    ASSERT_TRUE(cadre::endCurrentPosts(dm, QStringLiteral("dwID=3"),
                                       *text::readMonthEntry(QStringLiteral("2025.3")), 0));
    const auto rows = db().query(
        QStringLiteral("select ZwCadreID, zwmc, zwOrder from tb_cadre_zw where dwID=3 and "
                       "mzsjstr='2025.03' order by ZwCadreID, zwOrder"));
    QStringList ended;
    for (const QVariantList& r : rows->rows) {
        ended
            << QStringLiteral("%1:%2:%3").arg(r[0].toInt()).arg(r[1].toString()).arg(r[2].toInt());
    }
    EXPECT_EQ(ended, (QStringList{"2:市长:4", "2:党组书记:5", "11:常务副市长:2", "12:副市长:2",
                                  "13:副市长:3"}));
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")).toString(), kDeputySecretary);
}

TEST_F(PostEndingTest, AFailureWritesNothing) {
    ASSERT_TRUE(db().execNative(
        QStringLiteral("create trigger refuse_record before update of xrz on tb_cadre "
                       "begin select raise(abort, 'refused'); end")))
        << db().lastError();
    const Snapshot before = snapshot();
    const Result<void> ended =
        cadre::endCurrentPosts(dm, QStringLiteral("ZwCadreID=2 and dwID=3"),
                               *text::readMonthEntry(QStringLiteral("2025.3")), 0);
    ASSERT_FALSE(ended);
    EXPECT_TRUE(ended.failure().dbError.contains(QStringLiteral("refused")));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(db().transactionDepth(), 0);
}

}  // namespace
