#include "text/Pinyin.h"

#include <QHash>
#include <QStringDecoder>
#include <iterator>

#include "text/CodePoint.h"
#include "text/UnihanTable.h"

namespace text {

namespace {

// GB2312 level 1 is ordered by pinyin, so each initial letter covers a range of GBK codes.
struct LetterRange {
    quint16 first;
    quint16 last;
    char letter;
};

constexpr LetterRange kLevelOneRanges[] = {
    {0xB0A1, 0xB0C4, 'A'}, {0xB0C5, 0xB2C0, 'B'}, {0xB2C1, 0xB4ED, 'C'}, {0xB4EE, 0xB6E9, 'D'},
    {0xB6EA, 0xB7A1, 'E'}, {0xB7A2, 0xB8C0, 'F'}, {0xB8C1, 0xB9FD, 'G'}, {0xB9FE, 0xBBF6, 'H'},
    {0xBBF7, 0xBFA5, 'J'}, {0xBFA6, 0xC0AB, 'K'}, {0xC0AC, 0xC2E7, 'L'}, {0xC2E8, 0xC4C2, 'M'},
    {0xC4C3, 0xC5B5, 'N'}, {0xC5B6, 0xC5BD, 'O'}, {0xC5BE, 0xC6D9, 'P'}, {0xC6DA, 0xC8BA, 'Q'},
    {0xC8BB, 0xC8F5, 'R'}, {0xC8F6, 0xCBF9, 'S'}, {0xCBFA, 0xCDD9, 'T'}, {0xCDDA, 0xCEF3, 'W'},
    {0xCEF4, 0xD1B8, 'X'}, {0xD1B9, 0xD4D0, 'Y'}, {0xD4D1, 0xD7F9, 'Z'},
};

// Row and cell bytes of GB2312 characters; level 1 fills rows B0 to D7, the last row up to F9.
constexpr int kFirstCell = 0xA1;
constexpr int kLastCell = 0xFE;

char letterOfLevelOneCode(quint16 code) {
    for (const LetterRange& range : kLevelOneRanges) {
        if (code >= range.first && code <= range.last) {
            return range.letter;
        }
    }
    return 0;
}

// The level-1 characters with their letters, read once from the GBK decoder.
const QHash<char16_t, char>& levelOneLetters() {
    static const QHash<char16_t, char> letters = [] {
        QHash<char16_t, char> map;
        QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
        const quint16 firstCode = kLevelOneRanges[0].first;
        const quint16 lastCode = kLevelOneRanges[std::size(kLevelOneRanges) - 1].last;
        for (int row = firstCode >> 8; row <= lastCode >> 8; ++row) {
            for (int cell = kFirstCell; cell <= kLastCell; ++cell) {
                const auto code = static_cast<quint16>(row << 8 | cell);
                if (code < firstCode || code > lastCode) {
                    continue;
                }
                const char bytes[] = {static_cast<char>(row), static_cast<char>(cell)};
                const QString character = decoder.decode(QByteArrayView(bytes, 2));
                if (character.size() == 1) {
                    map.insert(character[0].unicode(), letterOfLevelOneCode(code));
                }
            }
        }
        return map;
    }();
    return letters;
}

// Full-width ASCII forms (U+FF01 to U+FF5E) sit at a fixed distance from ASCII.
constexpr char32_t kFullWidthOffset = 0xFEE0;

char32_t asciiFormOf(char32_t c) {
    return c >= 0xFF01 && c <= 0xFF5E ? c - kFullWidthOffset : c;
}

char letterOf(char32_t c) {
    const QHash<char16_t, char>& levelOne = levelOneLetters();
    if (c <= 0xFFFF) {
        const auto found = levelOne.constFind(static_cast<char16_t>(c));
        if (found != levelOne.cend()) {
            return *found;
        }
    }
    const char32_t ascii = asciiFormOf(c);
    if ((ascii >= 'A' && ascii <= 'Z') || (ascii >= '0' && ascii <= '9')) {
        return static_cast<char>(ascii);
    }
    if (ascii >= 'a' && ascii <= 'z') {
        return static_cast<char>(ascii - 'a' + 'A');
    }
    return unihan::initialOf(c);
}

}  // namespace

QString pinyinInitials(const QString& text, LetterCase letterCase) {
    QString initials;
    for (qsizetype i = 0; i < text.size();) {
        const CodePoint c = codePointAt(text, i);
        i += c.length;
        if (c.loneSurrogate) {
            continue;
        }
        const char letter = letterOf(c.value);
        if (letter != 0) {
            initials +=
                QLatin1Char(letterCase == LetterCase::Lower && letter >= 'A' && letter <= 'Z'
                                ? static_cast<char>(letter - 'A' + 'a')
                                : letter);
        }
    }
    return initials;
}

}  // namespace text
