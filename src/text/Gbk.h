#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The GBK code page (Windows code page 936), in which names, resumes and the files exchanged
// with other programs are measured and written.
namespace text {

// The GBK bytes of a text. A character that GBK cannot encode, and a surrogate without its
// partner, becomes "?", as the Windows conversion writes it.
QByteArray toGbk(QStringView text);

// Whether GBK can encode every character of a text (no lone surrogate, nothing GBK lacks), so
// that toGbk() gives its own bytes and not "?" for some of them.
bool encodesInGbk(QStringView text);

// The text of GBK bytes. A broken byte sequence, such as a lead byte without its second byte at
// the end, becomes U+FFFD.
QString fromGbk(QByteArrayView bytes);

// The width of a character in GBK bytes: 1 for ASCII and the euro sign (GBK's byte 0x80), 2
// for every other character. A character that GBK cannot encode counts 2 as well: it is
// printed as wide as a Chinese character.
int gbkWidth(char32_t c);

// The sum of the widths of the characters of a text; a lone surrogate counts 2.
int gbkWidth(QStringView text);

}  // namespace text
