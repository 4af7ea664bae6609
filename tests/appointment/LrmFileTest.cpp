#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "appointment/LrmFile.h"
#include "appointment/LrmxFile.h"
#include "support/QtPrinters.h"
#include "text/Gbk.h"

namespace {

using namespace appointment;

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(LrmText, QuotesToggleAndTextOutsideIsIgnored) {
    struct Case {
        const char* text;
        QStringList values;
        bool unbalanced;
    };
    const Case cases[] = {
        {R"("张三","男","196501")", {"张三", "男", "196501"}, false},
        {R"(  "a" , junk "b",,"")", {"a", "b", ""}, false},
        {"\"line1\r\nline2\",\"x\"", {"line1\r\nline2", "x"}, false},
        {R"("a","b)", {"a"}, true},
        {R"("a@b#c")", {"a@b#c"}, false},
        {"", {}, false},
    };
    for (const Case& c : cases) {
        const LrmValues parsed = parseLrmText(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.values, c.values) << c.text;
        EXPECT_EQ(parsed.unbalanced, c.unbalanced) << c.text;
    }
}

TEST(LrmText, WritesThirtyThreeQuotedValuesAndReadsThemBack) {
    QStringList values(kLrmRecordSize, QString());
    values[kLrmName] = QStringLiteral("张三");
    values[kLrmResume] = QStringLiteral("1990.09--1994.07  某大学\r\n1994.07--  某局");
    values[kLrmFilledOn] = QStringLiteral("202406");
    values[kLrmTitle] = QStringLiteral("引号\"在内");
    values[kLrmPolitical] = QStringLiteral("中共党员");  // not a value of the .lrm file
    const QString text = lrmText(values);
    const LrmValues parsed = parseLrmText(text);
    ASSERT_EQ(parsed.values.size(), kLrmValueCount);
    EXPECT_EQ(parsed.values.at(kLrmName), values.at(kLrmName));
    EXPECT_EQ(parsed.values.at(kLrmResume), values.at(kLrmResume));
    EXPECT_EQ(parsed.values.at(kLrmFilledOn), QStringLiteral("202406"));
    EXPECT_EQ(parsed.values.at(kLrmTitle), QStringLiteral("引号＂在内"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("\"张三\",\"\",")));
    EXPECT_EQ(lrmBytes(values), text::toGbk(text));
}

TEST(LrmText, DecodesGbkAndUtf8WithOrWithoutMark) {
    const QString text = QStringLiteral("\"张三\",\"汉族\"");
    QStringEncoder gb18030("GB18030");
    const QByteArray gbk = gb18030.encode(text);
    const QByteArray utf8 = text.toUtf8();
    for (const QByteArray& bytes :
         QList<QByteArray>{gbk, utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
        EXPECT_EQ(decodeLrmBytes(bytes), text);
    }
}

TEST(LrmFiles, ReadsThePhotoBesideTheFileInItsOrder) {
    QTemporaryDir dir;
    const QString path = write(dir, QStringLiteral("张三.lrm"), lrmBytes({QStringLiteral("张三")}));
    Result<LrmRecord> record = readLrmRecord(path);
    ASSERT_TRUE(record) << record.errorText();
    EXPECT_TRUE(record->photo.isEmpty());
    QStringList expected(kLrmValueCount, QString());
    expected[kLrmName] = QStringLiteral("张三");
    EXPECT_EQ(record->values, expected);
    write(dir, QStringLiteral("张三.jpg"), "jpg");
    write(dir, QStringLiteral("张三.bmp"), "bmp");
    EXPECT_EQ(readLrmRecord(path)->photo, QByteArray("bmp"));
    write(dir, QStringLiteral("张三.pic"), "pic");
    EXPECT_EQ(readLrmRecord(path)->photo, QByteArray("pic"));
}

TEST(LrmFiles, WritesTheLrmWithItsPicAndTheLrmxWithThePhotoInside) {
    QTemporaryDir dir;
    LrmRecord record;
    record.values = QStringList(kLrmRecordSize, QString());
    record.values[kLrmName] = QStringLiteral("李四");
    record.values[kLrmEducation] = QStringLiteral("大学#学士@研究生#硕士");
    record.values[kLrmSchools] = QStringLiteral("某大学@某党校");
    record.values[kLrmFamilyRelation] = QStringLiteral("妻子@儿子@@");
    record.values[kLrmFamilyName] = QStringLiteral("王五@李六@@");
    record.values[kLrmFamilyBirth] = QStringLiteral("196801@@@");
    record.values[kLrmFamilyParty] = QStringLiteral("群众@共青团员@@");
    record.values[kLrmFamilyWork] = QStringLiteral("某厂@学生@@");
    record.values[kLrmPolitical] = QStringLiteral("中共党员");
    record.photo = QByteArray("\xFF\xD8 photo bytes", 14);
    const QString lrm = dir.filePath(QStringLiteral("李四.lrm"));
    ASSERT_TRUE(writeLrmRecord(lrm, record));
    ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("李四.pic"))));
    const Result<LrmRecord> fromLrm = readLrmRecord(lrm);
    ASSERT_TRUE(fromLrm) << fromLrm.errorText();
    EXPECT_EQ(fromLrm->values, record.values.mid(0, kLrmValueCount));
    EXPECT_EQ(fromLrm->photo, record.photo);

    const QString lrmx = dir.filePath(QStringLiteral("李四x.lrmx"));
    ASSERT_TRUE(writeLrmRecord(lrmx, record));
    const Result<LrmRecord> fromLrmx = readLrmRecord(lrmx);
    ASSERT_TRUE(fromLrmx) << fromLrmx.errorText();
    EXPECT_EQ(fromLrmx->photo, record.photo);
    // The family lists come back without the closing "@@"; everything else as written.
    QStringList expected = record.values;
    expected[kLrmFamilyRelation] = QStringLiteral("妻子@儿子");
    expected[kLrmFamilyName] = QStringLiteral("王五@李六");
    expected[kLrmFamilyBirth] = QStringLiteral("196801@");
    expected[kLrmFamilyParty] = QStringLiteral("群众@共青团员");
    expected[kLrmFamilyWork] = QStringLiteral("某厂@学生");
    EXPECT_EQ(fromLrmx->values, expected);
}

// Line breaks of the resume survive the XML; control characters that XML cannot hold are left
// out rather than making a file no reader accepts.
TEST(Lrmx, KeepsLineBreaksAndDropsWhatXmlCannotHold) {
    LrmRecord record;
    record.values = QStringList(kLrmRecordSize, QString());
    record.values[kLrmName] = QStringLiteral("名\x01字");
    record.values[kLrmResume] = QStringLiteral("1990.09--1994.07  某大学\r\n1994.07--  某局\n");
    const Result<LrmRecord> read = parseLrmx(lrmxBytes(record));
    ASSERT_TRUE(read) << read.errorText();
    EXPECT_EQ(read->values.at(kLrmName), QStringLiteral("名字"));
    EXPECT_EQ(read->values.at(kLrmResume), record.values.at(kLrmResume));
}

TEST(LrmFiles, ListsTheFormsOfAFolderOnly) {
    QTemporaryDir dir;
    for (const char* name : {"b.lrm", "a.LRM", "c.lrmx", "d.xls", "e.pic", "lrm"}) {
        write(dir, QString::fromLatin1(name), "\"x\"");
    }
    QStringList names;
    for (const QString& path : lrmFilesOfFolder(dir.path())) {
        names << QFileInfo(path).fileName();
    }
    EXPECT_EQ(names, QStringList({"a.LRM", "b.lrm", "c.lrmx"}));
}

TEST(Lrmx, ReadsTheReferenceElementsAndIgnoresUnknownOnes) {
    const QByteArray xml = QStringLiteral(
                               "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Person>"
                               "<XingMing>王五</XingMing><ChuShengNianYue>1970-05</ChuShengNianYue>"
                               "<GaiGeQianRenZhiNianLingJieXian>60</GaiGeQianRenZhiNianLingJieXian>"
                               "<ZaiZhiJiaoYu_XueWei>硕士</ZaiZhiJiaoYu_XueWei>"
                               "<ZaiZhiJiaoYu_XueWei_BiYeYuanXiaoXi>某党校</"
                               "ZaiZhiJiaoYu_XueWei_BiYeYuanXiaoXi>"
                               "<JiaTingChengYuan><Item><ChengWei>父亲</ChengWei>"
                               "<XingMing>王大</XingMing><Extra/></Item></JiaTingChengYuan>"
                               "<ZhaoPian>YWJj</ZhaoPian></Person>")
                               .toUtf8();
    const Result<LrmRecord> record = parseLrmx(xml);
    ASSERT_TRUE(record) << record.errorText();
    EXPECT_EQ(record->values.at(kLrmName), QStringLiteral("王五"));
    EXPECT_EQ(record->values.at(kLrmBirth), QStringLiteral("1970-05"));
    EXPECT_EQ(record->values.at(kLrmEducation), QStringLiteral("@#硕士"));
    EXPECT_EQ(record->values.at(kLrmSchools), QStringLiteral("@某党校"));
    EXPECT_EQ(record->values.at(kLrmFamilyRelation), QStringLiteral("父亲"));
    EXPECT_EQ(record->values.at(kLrmFamilyName), QStringLiteral("王大"));
    EXPECT_EQ(record->photo, QByteArray("abc"));
}

// Broken, truncated, mis-encoded and huge inputs give a reason and never a record.
TEST(LrmFuzz, BrokenFilesAreRefusedWithAClearReason) {
    QTemporaryDir dir;
    QStringList values(kLrmValueCount, QStringLiteral("值"));
    values[kLrmName] = QStringLiteral("张三");
    const QByteArray whole = lrmBytes(values);
    const QByteArray wholeXml =
        lrmxBytes({QStringList(kLrmRecordSize, QStringLiteral("值")), QByteArray("photo")});
    struct Case {
        const char* name;
        QByteArray bytes;
        QString reason;
    };
    std::vector<Case> cases = {
        {"unbalanced.lrm", whole.left(whole.size() - 1), kLrmUnbalanced},
        {"nothing.lrm", QByteArray("no quotes at all"), kLrmNoValues},
        {"empty.lrm", QByteArray(), kLrmNoValues},
        // A lead byte of GB18030 followed by a byte that no sequence allows.
        {"misencoded.lrm", QByteArray("\"\x81\x20\xFF\""), kLrmBadEncoding},
        {"huge.lrm", QByteArray(kLrmMaxFileSize + 1, '"'), kLrmTooLarge},
        {"notxml.lrmx", QByteArray("\"a\",\"b\""), kLrmBadXml},
        {"wrongroot.lrmx", QByteArray("<Other/>"), kLrmBadXml},
        {"badphoto.lrmx", QByteArray("<Person><ZhaoPian>@@@</ZhaoPian></Person>"), kLrmBadXml},
        {"truncated.lrmx", wholeXml.left(wholeXml.size() / 2), kLrmBadXml},
    };
    // Every cut of a file inside a value leaves a quote open.
    for (int cut = 1; cut < whole.size(); cut += 7) {
        const QByteArray part = whole.left(cut);
        if (part.count('"') % 2 == 1) {
            cases.push_back({"cut.lrm", part, kLrmUnbalanced});
        }
    }
    for (const Case& c : cases) {
        const Result<LrmRecord> record =
            readLrmRecord(write(dir, QString::fromLatin1(c.name), c.bytes));
        ASSERT_FALSE(record) << c.name;
        EXPECT_TRUE(record.errorText().startsWith(c.reason))
            << c.name << ": " << record.errorText();
    }
    const Result<LrmRecord> missing = readLrmRecord(dir.filePath(QStringLiteral("gone.lrm")));
    EXPECT_EQ(missing.errorText(), kLrmFileMissing);
}

}  // namespace
