#include <gtest/gtest.h>

#include <QImage>

#include "CadreData.h"
#include "cadre/IncomingValues.h"
#include "cadre/Photo.h"

namespace {

using namespace Qt::StringLiterals;

// The checks of values entering from files, column kind by column kind, as the working database
// declares its columns.
class IncomingValuesTest : public CadreData {};

TEST_F(IncomingValuesTest, EachKindOfColumnChecksItsValuesAsTypedOnesAre) {
    struct Case {
        const char* table;
        const char* column;
        QVariant value;
        QVariant stored;  // what is to be stored
        bool refused;
        QStringList notes;
    };
    const QString longName = QString(60, u'张');
    const Case cases[] = {
        // A text column loses its control characters, line breaks included.
        {"tb_cadre",
         "tel",
         u"0551\u001b-62\u0007\u007f1"_s,
         u"0551-621"_s,
         false,
         {u"联系电话：已去除其中的控制字符"_s}},
        {"tb_cadre",
         "address",
         u"合肥市\r\n长江路"_s,
         u"合肥市长江路"_s,
         false,
         {u"通讯地址：已去除其中的控制字符"_s}},
        // A memo keeps its line breaks and loses the rest.
        {"tb_cadre",
         "gzjl",
         u"1990.07--\t1995.01 某局\r\n1995.01-- 某市"_s,
         u"1990.07--1995.01 某局\r\n1995.01-- 某市"_s,
         false,
         {u"简历：已去除其中的控制字符"_s}},
        // Nothing but control characters leaves nothing to store.
        {"tb_family",
         "dw",
         u"\u001b\u0007"_s,
         QVariant(),
         true,
         {u"工作单位及职务：已去除其中的控制字符"_s}},
        // A text is cut to its column's size; one within it stays as it came.
        {"tb_cadre",
         "xm",
         longName,
         longName.left(50),
         false,
         {u"姓名：超过50个字，已截去多余部分"_s}},
        {"tb_cadre", "zytc", u"熟悉经济工作"_s, u"熟悉经济工作"_s, false, {}},
        // Month texts are read as months and stored as "yyyy.mm"; another form of a month is
        // no change, a text that is no month of 1900 on is refused.
        {"tb_cadre", "csnyStr", u"1965-3"_s, u"1965.03"_s, false, {}},
        {"tb_family", "cssjStr", u"1965年3月"_s, u"1965.03"_s, false, {}},
        {"tb_cadre",
         "zwjbTimeStr",
         u"1970'.01"_s,
         QVariant(),
         true,
         {u"任职级时间“1970'.01”不是有效的年月，未导入"_s}},
        {"tb_cadre",
         "rdsjStr",
         u"1899.12"_s,
         QVariant(),
         true,
         {u"入党时间“1899.12”不是有效的年月，未导入"_s}},
        {"tb_cadre", "gzsjStr", u""_s, u""_s, false, {}},
        // Values of columns that hold no text pass as they are, and so does NULL.
        {"tb_cadre", "gbOrd", 7, 7, false, {}},
        {"tb_cadre", "tel", QVariant(), QVariant(), false, {}},
        {"tb_cadre", "noSuchColumn", u"a\u0007"_s, u"a\u0007"_s, false, {}},
    };
    cadre::IncomingValues checks(db());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        const cadre::CheckedValue checked =
            checks.check(QString::fromLatin1(c.table), QString::fromLatin1(c.column), c.value);
        EXPECT_EQ(checked.value, c.stored);
        EXPECT_EQ(checked.refused, c.refused);
        EXPECT_EQ(checked.notes, c.notes);
    }
}

TEST_F(IncomingValuesTest, APhotoIsStoredOnlyWhenItDecodesAsAPicture) {
    QImage image(24, 30, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QByteArray jpeg = cadre::encodePhoto(image);
    QByteArray noise = jpeg.left(20);
    noise.append(QByteArray(5000, 'x'));
    cadre::IncomingValues checks(db());
    const cadre::CheckedValue picture = checks.check(u"tb_cadre"_s, u"photo"_s, jpeg);
    EXPECT_EQ(picture.value.toByteArray(), jpeg);
    EXPECT_FALSE(picture.refused);
    EXPECT_TRUE(picture.notes.isEmpty());
    const cadre::CheckedValue broken =
        checks.check(u"tb_cadre"_s, u"photo"_s, noise, u"张三的照片"_s);
    EXPECT_TRUE(broken.value.isNull());
    EXPECT_TRUE(broken.refused);
    EXPECT_EQ(broken.notes, QStringList{u"张三的照片不是可以读取的图片，未导入"_s});
}

// A record's values are checked in place: a refused value is taken out, so that the stored one
// stays when the record is saved; a family member's refused text is emptied.
TEST_F(IncomingValuesTest, ARecordLosesItsRefusedValuesAndKeepsTheCheckedOnes) {
    cadre::IncomingValues checks(db());
    cadre::CadreValues values{
        {u"xm"_s, u"王\u0007五"_s}, {u"csnyStr"_s, u"19x0.01"_s}, {u"mz"_s, u"汉族"_s}};
    EXPECT_EQ(checks.checkCadre(values, u"第2行 "_s),
              QStringList({u"第2行 出生年月“19x0.01”不是有效的年月，未导入"_s,
                           u"第2行 姓名：已去除其中的控制字符"_s}));
    EXPECT_EQ(values, (cadre::CadreValues{{u"xm"_s, u"王五"_s}, {u"mz"_s, u"汉族"_s}}));

    cadre::FamilyMember member;
    member.relation = u"妻子"_s;
    member.name = u"李四"_s;
    member.birthMonth = u"1970'.01"_s;
    member.workplace = u"某\u001b局"_s;
    EXPECT_EQ(checks.checkFamilyMember(member, u"家庭成员"_s),
              QStringList({u"家庭成员出生年月“1970'.01”不是有效的年月，未导入"_s,
                           u"家庭成员工作单位及职务：已去除其中的控制字符"_s}));
    EXPECT_EQ(member.birthMonth, QString());
    EXPECT_EQ(member.workplace, u"某局"_s);
    EXPECT_EQ(member.name, u"李四"_s);
}

}  // namespace
