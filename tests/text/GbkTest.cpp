#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "text/Gbk.h"

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(Gbk, EncodesWithQuestionMarksForWhatGbkLacks) {
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {u("啊张三"), QByteArray::fromHex("b0a1d5c5c8fd")},
        {u("鑫·　－"), QByteArray::fromHex("f6cea1a4a1a1a3ad")},
        {u("a\tb\x01"), QByteArray("a\tb\x01")},
        {u("€"), QByteArray::fromHex("80")},
        {u("𠮷"), QByteArray("?")},
        {QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"), QByteArray("a?b")},
        {QString(QChar(0xDC00)), QByteArray("?")},
        {QString(), QByteArray()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::toGbk(c.text), c.bytes) << c.text;
    }
}

TEST(Gbk, TellsWhetherEveryCharacterHasItsOwnBytes) {
    struct Case {
        QString text;
        bool encodes;
    };
    const Case cases[] = {
        {u("张三abc123"), true}, {u("鑫·　－€"), true},
        {u("?"), true},          {QString(), true},
        {u("𠮷"), false},        {u("ab😀"), false},
        {u("\u0e01"), false},    {QStringLiteral("a") + QChar(0xD800), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::encodesInGbk(c.text), c.encodes) << c.text;
    }
}

TEST(Gbk, DecodesAndMarksBrokenBytes) {
    EXPECT_EQ(text::fromGbk(QByteArray::fromHex("b0a1d5c5c8fd")), u("啊张三"));
    EXPECT_EQ(text::fromGbk(QByteArray("a\x81")), u("a\uFFFD"));
    EXPECT_EQ(text::fromGbk(QByteArray("\xB0\xA1\xB0")), u("啊\uFFFD"));
    EXPECT_EQ(text::fromGbk(QByteArray("\x81 b")), u("\uFFFD b"));
    EXPECT_EQ(text::fromGbk(QByteArray()), QString());
}

TEST(Gbk, WidthIsTheByteCountWithTwoForWhatGbkLacks) {
    struct Case {
        QString text;
        int width;
    };
    const Case cases[] = {
        {u("Tom"), 3}, {u("张  三"), 6}, {u("1985.09-1989.07 某大学"), 22}, {u("€"), 1},
        {u("𠮷"), 2},  {u("\x01\n"), 2}, {QString(QChar(0xD800)), 2},       {QString(), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::gbkWidth(c.text), c.width) << c.text;
    }
}

// Every character of GB2312 (rows A1 to F7) is two bytes wide and encodes back to its code.
TEST(Gbk, WidthMatchesTheEncodingForAllOfGb2312) {
    int checked = 0;
    for (int row = 0xA1; row <= 0xF7; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const char code[] = {static_cast<char>(row), static_cast<char>(cell)};
            const QByteArray bytes(code, 2);
            const QString character = text::fromGbk(bytes);
            if (character == u("\uFFFD") || character.size() != 1 ||
                (character[0].unicode() >= 0xE000 && character[0].unicode() <= 0xF8FF)) {
                continue;  // an unassigned code
            }
            ASSERT_EQ(text::gbkWidth(character), 2) << row << ' ' << cell;
            ASSERT_EQ(text::gbkWidth(character[0].unicode()), 2) << row << ' ' << cell;
            ASSERT_EQ(text::toGbk(character), bytes) << row << ' ' << cell;
            ++checked;
        }
    }
    EXPECT_GT(checked, 7000);
}

}  // namespace
