#include <gtest/gtest.h>

#include <QImage>

#include "CadreData.h"
#include "cadre/CadreEditSession.h"
#include "cadre/Photo.h"

namespace {

using cadre::CadreValues;

class CadreEditSessionTest : public CadreData {
  protected:
    QByteArray picture() {
        QImage image(24, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return cadre::encodePhoto(image);
    }

    // A new record as the editor hands it over: the starting values and what was typed.
    static CadreValues typedOver(const CadreValues& start, const CadreValues& typed) {
        CadreValues values = start;
        values.insert(typed);
        return values;
    }

    QStringList nativePlaces;
    QStringList birthPlaces;
    cadre::CadreEditSession session{dm, nativePlaces, birthPlaces};
};

TEST_F(CadreEditSessionTest, OpensAndSavesTheChangedValuesWithThePhoto) {
    const auto row = session.open(5);
    ASSERT_TRUE(row.ok()) << row.errorText().toStdString();
    EXPECT_EQ(row->value(QStringLiteral("xm")).toString(), QStringLiteral("赵伟峰"));
    EXPECT_TRUE(session.hasRecord());
    EXPECT_FALSE(session.isNew());
    EXPECT_EQ(session.cadreId(), 5);

    const QByteArray jpeg = picture();
    const auto saved = session.save(
        {{QStringLiteral("xm"), QStringLiteral("赵新明")}, {QStringLiteral("jgsheng"), "远方省"}},
        jpeg);
    ASSERT_TRUE(saved.ok()) << saved.errorText().toStdString();
    EXPECT_TRUE(saved->wrote);
    ASSERT_TRUE(saved->stored.has_value());
    EXPECT_EQ(saved->stored->value(QStringLiteral("xm")).toString(), QStringLiteral("赵新明"));
    EXPECT_EQ(cadreValue(5, QStringLiteral("xm")).toString(), QStringLiteral("赵新明"));
    EXPECT_EQ(cadreValue(5, QStringLiteral("photo")).toByteArray(), jpeg);
    EXPECT_TRUE(session.listsStale());
    EXPECT_EQ(nativePlaces, QStringList{QStringLiteral("远方省")});
    EXPECT_TRUE(birthPlaces.isEmpty());

    // Saving the same place again offers it once; the stored values give nothing to write.
    const auto again = session.save({{QStringLiteral("jgsheng"), "远方省"}}, std::nullopt);
    ASSERT_TRUE(again.ok()) << again.errorText().toStdString();
    EXPECT_FALSE(again->wrote);
    EXPECT_EQ(nativePlaces, QStringList{QStringLiteral("远方省")});
}

TEST_F(CadreEditSessionTest, AMissingCadreIsNotHeld) {
    const auto row = session.open(999);
    ASSERT_FALSE(row.ok());
    EXPECT_EQ(row.failure().message, cadre::kCadreMissing);
    EXPECT_FALSE(session.hasRecord());
    EXPECT_EQ(session.cadreId(), 0);
}

TEST_F(CadreEditSessionTest, ANewRecordJoinsItsLibraryAndUnitOnceSaved) {
    const CadreValues start = session.startNew(1, 7);
    EXPECT_EQ(start.value(QStringLiteral("classid")), QVariant(1));
    EXPECT_TRUE(session.isNew());
    EXPECT_EQ(session.cadreId(), 0);
    const QStringList before = unitList(7);

    const auto saved = session.save(
        typedOver(start, {{QStringLiteral("xm"), QStringLiteral("钱新人")}}), std::nullopt);
    ASSERT_TRUE(saved.ok()) << saved.errorText().toStdString();
    const int id = session.cadreId();
    ASSERT_NE(id, 0);
    EXPECT_FALSE(session.isNew());
    EXPECT_EQ(cadreValue(id, QStringLiteral("xm")).toString(), QStringLiteral("钱新人"));
    EXPECT_EQ(cadreValue(id, QStringLiteral("classid")).toInt(), 1);
    EXPECT_EQ(unitList(7).size(), before.size() + 1);
    EXPECT_TRUE(member(id, 7).has_value());

    // Later saves edit the stored cadre: no second row, no second membership.
    const auto edited =
        session.save({{QStringLiteral("xm"), QStringLiteral("钱新名")}}, std::nullopt);
    ASSERT_TRUE(edited.ok()) << edited.errorText().toStdString();
    EXPECT_EQ(session.cadreId(), id);
    EXPECT_EQ(count(QStringLiteral("tb_cadre"), QStringLiteral("xm like '钱新%'")), 1);
    EXPECT_EQ(unitList(7).size(), before.size() + 1);
}

// A refusal of the record or of the photo writes nothing at all, the other half included.
TEST_F(CadreEditSessionTest, AFailingSaveWritesNothing) {
    struct Case {
        const char* name;
        bool newRecord;
        CadreValues typed;
        bool goodPhoto;
        QString message;
    };
    const QString badMonth = QStringLiteral("错误的出生年月!\n保存错误，错误代码!00001");
    const std::vector<Case> cases = {
        {"refused month, good photo",
         false,
         {{QStringLiteral("xm"), QStringLiteral("赵新明")}, {QStringLiteral("csnyStr"), "19x"}},
         true,
         badMonth},
        {"good edit, bad photo",
         false,
         {{QStringLiteral("xm"), QStringLiteral("赵新明")}},
         false,
         QStringLiteral("照片数据不是可以识别的图片，未保存。")},
        {"new record, bad photo",
         true,
         {{QStringLiteral("xm"), QStringLiteral("孙未存")}},
         false,
         QStringLiteral("照片数据不是可以识别的图片，未保存。")},
        {"new record without a name", true, {}, true, cadre::kNameRequired},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CadreValues values = c.typed;
        if (c.newRecord) {
            values = typedOver(session.startNew(0, 7), c.typed);
        } else {
            ASSERT_TRUE(session.open(5).ok());
        }
        const Snapshot before = snapshot();
        const auto saved =
            session.save(values, c.goodPhoto ? picture() : QByteArray("not a picture"));
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.failure().message, c.message);
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(session.isNew(), c.newRecord);
        EXPECT_EQ(session.cadreId(), c.newRecord ? 0 : 5);
    }
}

TEST_F(CadreEditSessionTest, CancelGivesBackWhatIsHeld) {
    EXPECT_TRUE(session.cancel()->isEmpty());

    const CadreValues start = session.startNew(2, 0);
    EXPECT_EQ(*session.cancel(), start);

    ASSERT_TRUE(session.open(5).ok());
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre set xm='赵别处' where CadreID=5")));
    EXPECT_EQ(session.cancel()->value(QStringLiteral("xm")).toString(), QStringLiteral("赵别处"));

    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=5")));
    const auto gone = session.cancel();
    ASSERT_FALSE(gone.ok());
    EXPECT_EQ(gone.failure().message, cadre::kCadreMissing);
}

TEST_F(CadreEditSessionTest, CurrentPostWriterFillsTheHeldRecordUnlessLocked) {
    ASSERT_TRUE(session.open(2).ok());
    const QVariant storedPosts = cadreValue(2, QStringLiteral("xrz"));
    const cadre::CurrentPostTexts texts{QStringLiteral("某单位主任"), QStringLiteral("2001.03")};

    const auto locked = session.writeCurrentPosts(texts, true);
    ASSERT_TRUE(locked.ok());
    EXPECT_TRUE(locked->isEmpty());
    EXPECT_EQ(cadreValue(2, QStringLiteral("xrz")), storedPosts);

    const auto written = session.writeCurrentPosts(texts, false);
    ASSERT_TRUE(written.ok()) << written.errorText().toStdString();
    EXPECT_EQ(*written, (CadreValues{{QStringLiteral("xrz"), texts.posts},
                                     {QStringLiteral("allZwList"), texts.posts},
                                     {QStringLiteral("allRzsjList"), texts.appointed}}));
    for (auto it = written->cbegin(); it != written->cend(); ++it) {
        EXPECT_EQ(cadreValue(2, it.key()).toString(), it.value().toString())
            << it.key().toStdString();
    }

    // Through a refresh of the posts, the held record receives the texts its posts make.
    ASSERT_TRUE(cadre::RefreshCurrentPosts(dm, 2, 0, [this](const cadre::CurrentPostTexts& t) {
        const auto held = session.writeCurrentPosts(t, false);
        return held ? Result<void>() : Result<void>(held.failure());
    }));
    const QString refreshed = cadreValue(2, QStringLiteral("xrz")).toString();
    EXPECT_TRUE(refreshed.contains(QStringLiteral("副书记"))) << refreshed.toStdString();
    EXPECT_TRUE(refreshed.contains(QStringLiteral("市长"))) << refreshed.toStdString();
    EXPECT_EQ(cadreValue(2, QStringLiteral("allZwList")).toString(), refreshed);
}

}  // namespace
