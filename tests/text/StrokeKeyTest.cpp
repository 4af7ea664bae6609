#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <algorithm>

#include "support/QtPrinters.h"
#include "text/StrokeKey.h"

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

char32_t first(const char* utf8) {
    return QString::fromUtf8(utf8).toUcs4().value(0);
}

TEST(StrokeKey, CountsStrokes) {
    struct Case {
        char32_t c;
        int strokes;
    };
    const Case cases[] = {
        {first("一"), 1},  {first("丁"), 2}, {first("王"), 4},  {first("张"), 7},
        {first("鑫"), 24}, {first("𠮷"), 6}, {first("龘"), 48}, {first("\uF900"), 10},
        {U'A', 0},         {U' ', 0},        {0xFFFD, 0},       {0xD800, 0},
        {0x10FFFF, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::strokeCount(c.c), c.strokes) << std::hex << static_cast<unsigned>(c.c);
        const QString key = text::strokeKey(c.c);
        if (c.strokes == 0) {
            EXPECT_TRUE(key.isEmpty()) << key;
        } else {
            ASSERT_EQ(key.size(), 5) << key;
            EXPECT_EQ(key.left(2).toInt(), c.strokes) << key;
        }
    }
}

TEST(StrokeKey, FewerStrokesSortFirst) {
    const char* const ordered[] = {"一", "丁", "王", "张", "李", "鑫"};
    for (std::size_t i = 1; i < std::size(ordered); ++i) {
        EXPECT_LT(text::strokeKey(first(ordered[i - 1])), text::strokeKey(first(ordered[i])))
            << ordered[i - 1] << " before " << ordered[i];
    }
    // Equal counts: the main block first (乙 U+4E59 before 𠃋 U+200CB), then code point order.
    EXPECT_LT(text::strokeKey(first("乙")), text::strokeKey(first("𠃋")));
    EXPECT_LT(text::strokeKey(first("𠃋")), text::strokeKey(first("𠃌")));
}

TEST(StrokeKey, NamesSortBySurnameStrokes) {
    const QString names[] = {u("李四"),   u("张  三"), u("王五"), u("丁一"),
                             u("王  五"), u("张三丰"), u("丁·一")};
    std::vector<std::pair<QString, QString>> keyed;
    for (const QString& name : names) {
        const text::NameStrokeKey key = text::strokeKeyOfName(name);
        EXPECT_TRUE(key.unrecognised.isEmpty()) << name << ": " << key.unrecognised;
        keyed.emplace_back(key.key, name);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList sorted;
    for (const auto& entry : keyed) {
        sorted << entry.second;
    }
    // 丁 (2) before 王 (4) before 张 and 李 (7, 张 U+5F20 before 李 U+674E); two blanks before
    // any second character; "丁·一" is "丁一".
    EXPECT_EQ(sorted, QStringList({u("丁一"), u("丁·一"), u("王  五"), u("王五"), u("张  三"),
                                   u("张三丰"), u("李四")}));
}

TEST(StrokeKey, NameKeysListWhatTheyCannotRead) {
    const QString zhang = text::strokeKey(first("张"));
    const QString san = text::strokeKey(first("三"));
    struct Case {
        QString name;
        QString key;
        QString unrecognised;
    };
    const Case cases[] = {
        {u("张三"), zhang + san, QString()},
        {u("张  三"), zhang + u("00000") + san, QString()},
        {u("张 三"), zhang + san, QString()},
        {u("张.三。"), zhang + san, QString()},
        {u("张A三"), zhang + san, u("A")},
        {u("Tom"), QString(), u("Tom")},
        {u("张") + QChar(0xD800), zhang, u("\uFFFD")},
        {QString(), QString(), QString()},
    };
    for (const Case& c : cases) {
        const text::NameStrokeKey key = text::strokeKeyOfName(c.name);
        EXPECT_EQ(key.key, c.key) << c.name;
        EXPECT_EQ(key.unrecognised, c.unrecognised) << c.name;
    }
}

TEST(StrokeKey, NameKeysCanComeFromAStoredTable) {
    const QHash<QString, QString> table = {{u("王"), u("04001")}, {u("𠮷"), u("06ZZZ")}};
    const auto lookup = [&table](const QString& c) { return table.value(c); };
    const text::NameStrokeKey key = text::strokeKeyOfName(u("王  𠮷五"), lookup);
    EXPECT_EQ(key.key, u("04001") + u("00000") + u("06ZZZ"));
    EXPECT_EQ(key.unrecognised, u("五"));
}

// The stroke table: one row for every Chinese character, in key order, with the same keys
// that strokeKey gives.
TEST(StrokeKey, TableHoldsEveryUnifiedIdeograph) {
    const std::vector<text::StrokeKeyEntry> table = text::allStrokeKeys();
    ASSERT_GT(table.size(), 90000u);
    QSet<char32_t> characters;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const text::StrokeKeyEntry& entry = table[i];
        ASSERT_EQ(entry.key, text::strokeKey(entry.character)) << i;
        ASSERT_EQ(entry.key.left(2).toInt(), text::strokeCount(entry.character)) << entry.key;
        characters.insert(entry.character);
        if (i > 0) {
            const text::StrokeKeyEntry& previous = table[i - 1];
            ASSERT_LT(previous.key, entry.key) << i;
            const bool sameCount = previous.key.left(2) == entry.key.left(2);
            const bool previousMain = previous.character >= 0x4E00 && previous.character <= 0x9FFF;
            const bool main = entry.character >= 0x4E00 && entry.character <= 0x9FFF;
            if (sameCount && previousMain == main) {
                ASSERT_LT(previous.character, entry.character) << entry.key;
            } else if (sameCount) {
                ASSERT_TRUE(previousMain) << entry.key;
            }
        }
    }
    // CJK Unified Ideographs and extensions A to H.
    const std::pair<char32_t, char32_t> blocks[] = {
        {0x4E00, 0x9FFF},   {0x3400, 0x4DBF},   {0x20000, 0x2A6DF},
        {0x2A700, 0x2B739}, {0x2B740, 0x2B81D}, {0x2B820, 0x2CEA1},
        {0x2CEB0, 0x2EBE0}, {0x30000, 0x3134A}, {0x31350, 0x323AF},
    };
    for (const auto& [from, to] : blocks) {
        for (char32_t c = from; c <= to; ++c) {
            ASSERT_TRUE(characters.contains(c)) << std::hex << static_cast<unsigned>(c);
        }
    }
}

}  // namespace
