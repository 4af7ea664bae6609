#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "text/Gbk.h"
#include "text/Pinyin.h"

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString fromCode(quint16 code) {
    const char bytes[] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    return text::fromGbk(QByteArrayView(bytes, 2));
}

TEST(PinyinInitials, OneLetterForEachChineseCharacter) {
    struct Case {
        QString text;
        QString upper;
        QString lower;
    };
    const Case cases[] = {
        {u("张三"), u("ZS"), u("zs")},
        {u("张  三"), u("ZS"), u("zs")},
        {u("欧阳 修"), u("OYX"), u("oyx")},
        // GB2312 level 2 and characters beyond GBK take their Unihan reading.
        {u("王鑫"), u("WX"), u("wx")},
        {u("𠮷野家"), u("JYJ"), u("jyj")},
        {u("丄"), u("S"), u("s")},
        // A compatibility ideograph reads as its unified twin (豈, 郎).
        {u("\uF900\uF92C"), u("QL"), u("ql")},
        // Letters and digits stay, full-width ones as their ASCII forms.
        {u("Tom"), u("TOM"), u("tom")},
        {u("Tom2"), u("TOM2"), u("tom2")},
        {u("Ｔｏｍ１"), u("TOM1"), u("tom1")},
        {u("张A三"), u("ZAS"), u("zas")},
        // Everything else is skipped.
        {u("张，三。"), u("ZS"), u("zs")},
        {u("张\t\n三"), u("ZS"), u("zs")},
        {u("张") + QChar(0xD800) + u("三") + QChar(0xDC00), u("ZS"), u("zs")},
        {u("\U0002000B"), QString(), QString()},
        {u("€·－"), QString(), QString()},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::pinyinInitials(c.text), c.upper) << c.text;
        EXPECT_EQ(text::pinyinInitials(c.text, text::LetterCase::Lower), c.lower) << c.text;
    }
}

// Level 1 of GB2312 is read by the GBK code ranges of each letter: both ends of every range.
TEST(PinyinInitials, LevelOneFollowsTheCodeRanges) {
    struct Case {
        quint16 code;
        char letter;
    };
    const Case cases[] = {
        {0xB0A1, 'A'},
        {0xB0C4, 'A'},
        {0xB0C5, 'B'},
        {0xB2C0, 'B'},
        {0xB2C1, 'C'},
        {0xB4ED, 'C'},
        {0xB4EE, 'D'},
        {0xB6E9, 'D'},
        {0xB6EA, 'E'},
        {0xB7A1, 'E'},
        {0xB7A2, 'F'},
        {0xB8C0, 'F'},
        {0xB8C1, 'G'},
        {0xB9FD, 'G'},
        {0xB9FE, 'H'},
        {0xBBF6, 'H'},
        {0xBBF7, 'J'},
        {0xBFA5, 'J'},
        {0xBFA6, 'K'},
        {0xC0AB, 'K'},
        {0xC0AC, 'L'},
        {0xC2E7, 'L'},
        {0xC2E8, 'M'},
        {0xC4C2, 'M'},
        {0xC4C3, 'N'},
        {0xC5B5, 'N'},
        {0xC5B6, 'O'},
        {0xC5BD, 'O'},
        {0xC5BE, 'P'},
        {0xC6D9, 'P'},
        {0xC6DA, 'Q'},
        {0xC8BA, 'Q'},
        {0xC8BB, 'R'},
        {0xC8F5, 'R'},
        {0xC8F6, 'S'},
        {0xCBF9, 'S'},
        {0xCBFA, 'T'},
        {0xCDD9, 'T'},
        {0xCDDA, 'W'},
        {0xCEF3, 'W'},
        {0xCEF4, 'X'},
        {0xD1B8, 'X'},
        {0xD1B9, 'Y'},
        {0xD4D0, 'Y'},
        {0xD4D1, 'Z'},
        {0xD7F9, 'Z'},
        // Polyphones whose Unihan reading starts with another letter keep their GB2312 place:
        // 曾 (céng), 长 (zhǎng), 厦 (shà), 茄 (jiā).
        {0xD4F8, 'Z'},
        {0xB3A4, 'C'},
        {0xCFC3, 'X'},
        {0xC7D1, 'Q'},
    };
    for (const Case& c : cases) {
        const QString character = fromCode(c.code);
        ASSERT_EQ(character.size(), 1) << std::hex << c.code;
        EXPECT_EQ(text::pinyinInitials(character), QString(QLatin1Char(c.letter)))
            << std::hex << c.code << ' ' << character;
    }
}

// GBK's additions between the level-1 codes are not level 1: 盄 (B140, zhāo) is not a "B".
TEST(PinyinInitials, GbkAdditionsTakeTheirReading) {
    EXPECT_EQ(text::pinyinInitials(fromCode(0xB140)), u("Z"));
    EXPECT_EQ(text::pinyinInitials(fromCode(0xB141)), u("H"));
}

TEST(PinyinInitials, EveryCharacterOfLevelTwoHasALetter) {
    int checked = 0;
    for (int row = 0xD8; row <= 0xF7; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const QString character = fromCode(static_cast<quint16>(row << 8 | cell));
            if (character.size() != 1 || character[0].unicode() >= 0xE000) {
                continue;  // an unassigned code
            }
            const QString initial = text::pinyinInitials(character);
            ASSERT_EQ(initial.size(), 1) << row << ' ' << cell << ' ' << character;
            ASSERT_TRUE(initial[0] >= u'A' && initial[0] <= u'Z') << character;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 3008);
}

}  // namespace
