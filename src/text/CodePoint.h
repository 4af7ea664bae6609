#pragma once

#include <QChar>
#include <QStringView>

namespace text {

// One character of a UTF-16 text. A surrogate without its partner is a character of its own
// whose value is U+FFFD, so that broken text can be walked like any other.
struct CodePoint {
    char32_t value;
    qsizetype length;  // 1 or 2 UTF-16 units
    bool loneSurrogate;
};

inline CodePoint codePointAt(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2, false};
    }
    if (c.isSurrogate()) {
        return {QChar::ReplacementCharacter, 1, true};
    }
    return {c.unicode(), 1, false};
}

}  // namespace text
