#pragma once

#include <QString>

namespace text {

enum class LetterCase { Upper, Lower };

// The pinyin initials of a text, one letter for each Chinese character, as kept in the `py`
// columns and typed in the search boxes ("张  三" gives "ZS").
//
// - A character of GB2312 level 1 gets the letter of the range of its GBK code; those ranges
//   follow GB2312's own pinyin order, so a polyphone gets the reading it is filed under.
// - Any other Chinese character (GB2312 level 2, the rest of GBK and everything beyond, such as
//   𠮷 U+20BB7) gets the first letter of its Mandarin reading in the Unihan database, or of the
//   reading of a variant when it has none of its own.
// - ASCII letters and digits are kept, letters in the requested case; their full-width forms
//   count as the same letters and digits.
// - Everything else (blanks, punctuation, control characters, lone surrogates, Chinese
//   characters without any reading) is skipped. An empty text gives an empty result.
QString pinyinInitials(const QString& text, LetterCase letterCase = LetterCase::Upper);

}  // namespace text
