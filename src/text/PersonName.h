#pragma once

#include <QString>
#include <QStringList>
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

// The texts a typed name, or the start of one, is looked for as among the stored names: its
// stored form (normalizeName) and, when that differs, the same characters without the blanks
// put between them. "张三" and "张 三" give "张  三" (the stored two-character name) and "张三"
// (the start of "张三丰"); "张" gives "张" alone. Empty when nothing but blanks was typed.
QStringList nameSearchForms(const QString& typed);

}  // namespace text
