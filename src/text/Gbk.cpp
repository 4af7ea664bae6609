#include "text/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "text/CodePoint.h"

namespace text {

namespace {

constexpr char32_t kEuro = 0x20AC;

// True when the last byte is the lead byte of a double-byte character whose second byte is
// missing. The decoder drops such a byte silently.
bool endsInsideCharacter(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool lead = byte > 0x80 && byte < 0xFF;
        if (lead && i + 1 == bytes.size()) {
            return true;
        }
        i += lead ? 2 : 1;
    }
    return false;
}

}  // namespace

QByteArray toGbk(QStringView text) {
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const CodePoint c = codePointAt(text, i);
        if (c.loneSurrogate) {
            clean += u'?';
        } else {
            clean += text.mid(i, c.length);
        }
        i += c.length;
    }
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder.encode(clean);
}

bool encodesInGbk(QStringView text) {
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && fromGbk(bytes) == text;
}

QString fromGbk(QByteArrayView bytes) {
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    if (endsInsideCharacter(bytes)) {
        decoded += QChar::ReplacementCharacter;
    }
    return decoded;
}

int gbkWidth(char32_t c) {
    return c < 0x80 || c == kEuro ? 1 : 2;
}

int gbkWidth(QStringView text) {
    int width = 0;
    for (qsizetype i = 0; i < text.size();) {
        const CodePoint c = codePointAt(text, i);
        width += gbkWidth(c.value);
        i += c.length;
    }
    return width;
}

}  // namespace text
