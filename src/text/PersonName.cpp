#include "text/PersonName.h"

#include "text/CodePoint.h"
#include "text/Gbk.h"

namespace text {

namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';

bool isDropped(const CodePoint& c) {
    return c.loneSurrogate || c.value == u' ' || c.value == kIdeographicSpace ||
           QChar::category(c.value) == QChar::Other_Control;
}

}  // namespace

bool isAsciiAlphanumeric(QStringView text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z'))) {
            return false;
        }
    }
    return true;
}

bool isTwoDoubleByteCharacters(QStringView text) {
    int characters = 0;
    for (qsizetype i = 0; i < text.size();) {
        const CodePoint c = codePointAt(text, i);
        if (c.loneSurrogate || gbkWidth(c.value) != 2) {
            return false;
        }
        ++characters;
        i += c.length;
    }
    return characters == 2;
}

QString normalizeName(const QString& name) {
    if (isAsciiAlphanumeric(name)) {
        return name;
    }
    QString kept;
    kept.reserve(name.size());
    for (qsizetype i = 0; i < name.size();) {
        const CodePoint c = codePointAt(name, i);
        if (!isDropped(c)) {
            kept += QStringView(name).mid(i, c.length);
        }
        i += c.length;
    }
    if (isTwoDoubleByteCharacters(kept)) {
        const qsizetype secondAt = codePointAt(kept, 0).length;
        return kept.left(secondAt) + QStringLiteral("  ") + kept.mid(secondAt);
    }
    return kept;
}

QStringList nameSearchForms(const QString& typed) {
    const QString stored = normalizeName(typed);
    if (stored.isEmpty()) {
        return {};
    }
    // The only blanks a stored form keeps are those put between two characters.
    QString joined = stored;
    joined.remove(u' ');
    return joined == stored ? QStringList{stored} : QStringList{stored, joined};
}

}  // namespace text
