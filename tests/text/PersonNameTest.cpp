#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "text/PersonName.h"

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(PersonName, NormalisedNamesAreStoredTheSameWay) {
    struct Case {
        QString typed;
        QString stored;
    };
    const Case cases[] = {
        // Two-character names get two blanks in the middle however they were typed.
        {u("张三"), u("张  三")},
        {u("张 三"), u("张  三")},
        {u("张  三"), u("张  三")},
        {u(" 张   三 "), u("张  三")},
        {u("张　三"), u("张  三")},
        {u("张\t三\r\n"), u("张  三")},
        {u("张") + QChar(0xD800) + u("三"), u("张  三")},
        {u("𠮷三"), u("𠮷  三")},
        // Names of ASCII letters and digits stay as typed.
        {u("Tom"), u("Tom")},
        {u("Tom2"), u("Tom2")},
        // Any other name only loses its blanks.
        {u("欧阳 修"), u("欧阳修")},
        {u("张三丰"), u("张三丰")},
        {u("Tom Lee"), u("TomLee")},
        {u("张A"), u("张A")},
        {u("€三"), u("€三")},
        {u("阿依·买买提"), u("阿依·买买提")},
        {u("张"), u("张")},
        {u("   "), QString()},
        {QString(QChar(0xDC00)), QString()},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::normalizeName(c.typed), c.stored) << c.typed;
        EXPECT_EQ(text::normalizeName(c.stored), c.stored) << c.stored;
    }
}

TEST(PersonName, ClassifiesSearchTexts) {
    struct Case {
        QString text;
        bool asciiAlphanumeric;
        bool twoDoubleByte;
    };
    const Case cases[] = {
        {u("zs"), true, false},
        {u("Tom2"), true, false},
        {u("张三"), false, true},
        {u("𠮷三"), false, true},
        {u("张  三"), false, false},
        {u("张"), false, false},
        {u("张三丰"), false, false},
        {u("张A"), false, false},
        {u("€三"), false, false},
        {u("z s"), false, false},
        {u("ab"), true, false},
        {QString(), false, false},
        {QString(QChar(0xD800)) + u("三"), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::isAsciiAlphanumeric(c.text), c.asciiAlphanumeric) << c.text;
        EXPECT_EQ(text::isTwoDoubleByteCharacters(c.text), c.twoDoubleByte) << c.text;
    }
}

TEST(PersonName, ATypedNameIsLookedForInItsStoredFormAndWithoutBlanks) {
    struct Case {
        QString typed;
        QStringList forms;
    };
    const Case cases[] = {
        {u("张三"), {u("张  三"), u("张三")}},
        {u("张 三"), {u("张  三"), u("张三")}},
        {u("张  三"), {u("张  三"), u("张三")}},
        {u(" 张　三\t"), {u("张  三"), u("张三")}},
        {u("张"), {u("张")}},
        {u("张三丰"), {u("张三丰")}},
        {u("欧阳 修"), {u("欧阳修")}},
        {u("Tom"), {u("Tom")}},
        {u("Tom Lee"), {u("TomLee")}},
        {u("张'"), {u("张'")}},
        {u("  "), {}},
        {QString(), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::nameSearchForms(c.typed), c.forms) << c.typed;
        // The stored form comes first: the one that a stored name equals.
        if (!c.forms.isEmpty()) {
            EXPECT_EQ(c.forms.front(), text::normalizeName(c.typed)) << c.typed;
        }
    }
}

}  // namespace
