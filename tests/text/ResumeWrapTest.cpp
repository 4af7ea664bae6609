#include <gtest/gtest.h>

#include <QStringList>

#include "support/QtPrinters.h"
#include "text/Gbk.h"
#include "text/ResumeWrap.h"

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QString kIndent(text::kResumeIndent, u' ');

// n characters cycled from 'alphabet'.
QString run(const QString& alphabet, int n) {
    QString s;
    for (int i = 0; i < n; ++i) {
        s += alphabet.mid(i % alphabet.size(), 1);
    }
    return s;
}

TEST(ResumeWrap, LongLinesContinueBehindTheIndent) {
    const QString chinese = run(u("甲乙丙丁戊己庚辛壬癸"), 60);
    const QString dated = u("1985.09-1989.07 ") + chinese.left(40);
    struct Case {
        QString text;
        int width;
        QStringList lines;
    };
    const Case cases[] = {
        // 60 double-byte characters at 52 bytes: 26 on the first line, then 18 and 16 behind
        // the 16 blanks.
        {chinese, 52, {chinese.left(26), kIndent + chinese.mid(26, 18), kIndent + chinese.mid(44)}},
        {dated, 52, {dated.left(34), kIndent + dated.mid(34, 18), kIndent + dated.mid(52)}},
        // The piece would end inside the 26th character, so it takes that character whole.
        {u("a") + chinese.left(30), 52, {u("a") + chinese.left(26), kIndent + chinese.mid(26, 4)}},
        {u("abc"), 52, {u("abc")}},
        {chinese.left(26), 52, {chinese.left(26)}},
        // Blanks at the end of a line or a piece go; a piece of blanks alone is left out.
        {chinese.left(3) + u("   \t"), 52, {chinese.left(3)}},
        {QString(52, u'x') + QString(50, u' ') + u("y"),
         52,
         {QString(52, u'x'), kIndent + QString(14, u' ') + u("y")}},
        // Empty lines stay; a line break at the end closes the last line.
        {u("甲\r\n\r\n乙"), 52, {u("甲"), QString(), u("乙")}},
        {u("甲\n乙\r丙\r\n"), 52, {u("甲"), u("乙"), u("丙")}},
        {QString(), 52, {QString()}},
        {QString(QChar(0xD800)) + u("甲") + QChar(0xDC00),
         52,
         {QString(QChar(0xD800)) + u("甲") + QChar(0xDC00)}},
        // A width that leaves no room behind the indent is taken as one byte more than it.
        {chinese.left(10), 2, {chinese.left(9), kIndent + chinese.mid(9, 1)}},
        {u("abc"), -1, {u("abc")}},
    };
    for (const Case& c : cases) {
        const QStringList lines = text::wrapResume(c.text, c.width).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines, c.lines) << c.text << " at " << c.width;
    }
}

// Whatever the width, every line stays within one byte of it and the characters come out
// whole and in order.
TEST(ResumeWrap, NeverSplitsACharacter) {
    const QString mixed =
        u("1985.09-1989.07 在𠮷林大学学习，获学士学位。Then MBA 𠮷𠮷 课程") + run(u("𠮷a张"), 40);
    for (int width = 17; width <= 60; ++width) {
        const QStringList lines = text::wrapResume(mixed, width).split(QStringLiteral("\r\n"));
        QString joined;
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_LE(text::gbkWidth(lines[i]), width + 1) << width << ": " << lines[i];
            EXPECT_FALSE(lines[i].back().isHighSurrogate()) << width << ": " << lines[i];
            if (i > 0) {
                ASSERT_TRUE(lines[i].startsWith(kIndent)) << width << ": " << lines[i];
                EXPECT_FALSE(lines[i][text::kResumeIndent].isLowSurrogate()) << width;
            }
            joined += i == 0 ? lines[i] : lines[i].mid(text::kResumeIndent);
        }
        QString expected = mixed;
        EXPECT_EQ(joined.remove(u' '), expected.remove(u' ')) << width;
    }
}

}  // namespace
