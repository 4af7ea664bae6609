#pragma once

#include <QString>
#include <QStringView>

// The stored form of a person's name.
namespace text {

// True when the text is not empty and holds only ASCII letters and digits.
bool isAsciiAlphanumeric(QStringView text);

// True when the text is exactly two characters of two GBK bytes each, as most Chinese given
// names with a one-character surname are (张三, 张  三 is not: it holds blanks).
bool isTwoDoubleByteCharacters(QStringView text);

// The name as it is stored: a name of ASCII letters and digits only stays as typed. Any other
// name loses its blanks (half-width and the full-width "　"), its control characters and lone
// surrogates; when two double-byte characters remain, two blanks are put between them, so
// that two-character names line up with three-character ones in every list ("张 三" and "张三"
// both give "张  三"). Normalising a stored name again leaves it unchanged.
QString normalizeName(const QString& name);

}  // namespace text
