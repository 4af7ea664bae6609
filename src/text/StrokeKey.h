#pragma once

#include <QString>
#include <functional>
#include <vector>

// Stroke order of Chinese characters (姓氏笔画), by which lists of names are sorted.
namespace text {

// The total number of strokes of a Chinese character (Unihan kTotalStrokes, the count used in
// mainland China); 0 for a character that is not a Chinese character.
int strokeCount(char32_t c);

// The five-character sort key of a Chinese character: its stroke count in two digits, then its
// place among the characters with that many strokes in three base-36 digits (0-9, A-Z). Keys of
// characters with fewer strokes sort first. Among equal stroke counts the characters of the
// main CJK Unified Ideographs block come first, then all others, each in code point order (in
// which the main block and each extension follow the radical-and-stroke order of
// dictionaries). Every Chinese character has a key of its own; any other character has an
// empty key.
QString strokeKey(char32_t c);

// The key that a pair of blanks contributes to the key of a name: it sorts before every
// character, so "王  五" comes before "王小五".
inline constexpr char kBlankPairStrokeKey[] = "00000";

struct StrokeKeyEntry {
    char32_t character;
    QString key;
};

// Every Chinese character with its stroke key, in the order of the keys. This is the
// content of the stroke table (tb_xsbh: zfs is the character, bhord the key).
std::vector<StrokeKeyEntry> allStrokeKeys();

struct NameStrokeKey {
    QString key;
    // The characters that had no key, in the order of the name; the caller reports the name
    // when this is not empty.
    QString unrecognised;
};

// Looks up the key of one character (one code point as text); an empty result means the
// character has no key.
using StrokeKeyLookup = std::function<QString(const QString& character)>;

// The sort key of a name: ".", "·" and "。" are removed, then every pair of blanks contributes
// kBlankPairStrokeKey, a single blank nothing, and every other character its key from
// 'lookup'. Characters without a key (letters, digits, lone surrogates as U+FFFD ...)
// contribute nothing and are listed in 'unrecognised'. Names therefore compare by the stroke
// order of their first character, then of the second, and so on.
NameStrokeKey strokeKeyOfName(const QString& name, const StrokeKeyLookup& lookup);

// The same with the program's own keys (strokeKey).
NameStrokeKey strokeKeyOfName(const QString& name);

}  // namespace text
