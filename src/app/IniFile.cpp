#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

#include "text/Gbk.h"

namespace app {

namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

// Reads up to `maxDigits` hexadecimal digits at `i`; advances `i` past them.
int readHex(const QString& text, qsizetype& i, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (i < text.size() && digits < maxDigits && hexValue(text[i]) >= 0) {
        value = value * 16 + hexValue(text[i]);
        ++i;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

// A section or key name: "%UXXXX" and "%XX" escapes (as QSettings writes them) are decoded, a
// backslash stands for "/"; any other character is itself.
QString unescapedName(const QString& name) {
    QString result;
    for (qsizetype i = 0; i < name.size();) {
        const QChar c = name[i];
        if (c == u'%') {
            qsizetype j = i + 1;
            const bool wide = j < name.size() && name[j] == u'U';
            if (wide) {
                ++j;
            }
            const qsizetype start = j;
            const int code = readHex(name, j, wide ? 4 : 2);
            if (code >= 0 && j - start == (wide ? 4 : 2)) {
                result += QChar(static_cast<char16_t>(code));
                i = j;
                continue;
            }
        }
        result += c == u'\\' ? QChar(u'/') : c;
        ++i;
    }
    return result;
}

// A value in a file of this program or of QSettings: text outside double quotes is trimmed and
// ends at ";" (a comment); inside quotes it is taken as it stands. The backslash escapes of those
// writers (\\ \" \n \r \t \xHHHH) are decoded; any other backslash is itself. Commas stay.
QString unescapedValue(const QString& raw) {
    QString result;
    QString pendingBlanks;  // blanks outside quotes, kept only when more text follows
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size();) {
        const QChar c = raw[i];
        if (c == u'"') {
            quoted = !quoted;
            result += pendingBlanks;
            pendingBlanks.clear();
            ++i;
            continue;
        }
        if (!quoted && c == u';') {
            break;
        }
        if (!quoted && c.isSpace()) {
            if (!result.isEmpty()) {
                pendingBlanks += c;
            }
            ++i;
            continue;
        }
        result += pendingBlanks;
        pendingBlanks.clear();
        ++i;
        if (c != u'\\' || i >= raw.size()) {
            result += c;
            continue;
        }
        const QChar e = raw[i];
        switch (e.unicode()) {
            case u'\\':
            case u'"':
                result += e;
                ++i;
                break;
            case u'n':
                result += u'\n';
                ++i;
                break;
            case u'r':
                result += u'\r';
                ++i;
                break;
            case u't':
                result += u'\t';
                ++i;
                break;
            case u'x': {
                qsizetype j = i + 1;
                const int code = readHex(raw, j, 4);
                if (code >= 0) {
                    result += QChar(static_cast<char16_t>(code));
                    i = j;
                } else {
                    result += c;
                }
                break;
            }
            default:
                result += c;
                break;
        }
    }
    if (result.startsWith(QStringLiteral("@@"))) {
        result.remove(0, 1);
    }
    return result;
}

// A value in a file of a Windows program: the rest of the line, backslashes and semicolons
// included, without the double quotes that may enclose it.
QString literalValue(const QString& raw) {
    const QString value = raw.trimmed();
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

// A value as it is written: bare when nothing in it would be read otherwise, else quoted with
// its backslashes, quotes and line breaks escaped.
QString escapedValue(const QString& value) {
    bool plain = value.trimmed() == value && !value.startsWith(u'@');
    for (const QChar c : value) {
        plain = plain && c != u'"' && c != u'\\' && c != u';' && c != u',' && c != u'=' &&
                c != u'\n' && c != u'\r' && c != u'\t';
    }
    if (plain) {
        return value;
    }
    QString result = QStringLiteral("\"");
    if (value.startsWith(u'@')) {
        result += u'@';
    }
    for (const QChar c : value) {
        switch (c.unicode()) {
            case u'"':
                result += QStringLiteral("\\\"");
                break;
            case u'\\':
                result += QStringLiteral("\\\\");
                break;
            case u'\n':
                result += QStringLiteral("\\n");
                break;
            case u'\r':
                result += QStringLiteral("\\r");
                break;
            case u'\t':
                result += QStringLiteral("\\t");
                break;
            default:
                result += c;
        }
    }
    return result + u'"';
}

}  // namespace

IniFile::IniFile(const QString& path) : path_(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    // UTF-8 as this program writes it; a file that is not (one written by a Windows program in
    // the GBK code page) is read as GBK.
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    const bool windowsFile = utf8.hasError();
    if (windowsFile) {
        text = text::fromGbk(bytes);
    }
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    Section* current = nullptr;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = unescapedName(line.mid(1, line.size() - 2).trimmed());
            auto it = std::find_if(sections_.begin(), sections_.end(),
                                   [&](const Section& s) { return s.name == name; });
            if (it == sections_.end()) {
                sections_.push_back({name, {}});
                it = sections_.end() - 1;
            }
            current = &*it;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) {
            continue;
        }
        if (current == nullptr) {
            sections_.push_back({QStringLiteral("General"), {}});
            current = &sections_.back();
        }
        const QString key = unescapedName(line.left(equals).trimmed());
        const QString value =
            windowsFile ? literalValue(line.mid(equals + 1)) : unescapedValue(line.mid(equals + 1));
        auto it = std::find_if(current->values.begin(), current->values.end(),
                               [&](const auto& kv) { return kv.first == key; });
        if (it == current->values.end()) {
            current->values.emplace_back(key, value);
        } else {
            it->second = value;
        }
    }
}

const IniFile::Section* IniFile::find(const QString& section) const {
    for (const Section& s : sections_) {
        if (s.name == section) {
            return &s;
        }
    }
    return nullptr;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    const Section* s = find(section);
    if (s == nullptr) {
        return false;
    }
    return std::any_of(s->values.begin(), s->values.end(),
                       [&](const auto& kv) { return kv.first == key; });
}

QString IniFile::value(const QString& section, const QString& key) const {
    if (const Section* s = find(section)) {
        for (const auto& [name, text] : s->values) {
            if (name == key) {
                return text;
            }
        }
    }
    return {};
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    auto s = std::find_if(sections_.begin(), sections_.end(),
                          [&](const Section& x) { return x.name == section; });
    if (s == sections_.end()) {
        sections_.push_back({section, {}});
        s = sections_.end() - 1;
    }
    for (auto& kv : s->values) {
        if (kv.first == key) {
            kv.second = value;
            return;
        }
    }
    s->values.emplace_back(key, value);
}

bool IniFile::save() const {
    QString text;
    for (const Section& s : sections_) {
        if (!text.isEmpty()) {
            text += u'\n';
        }
        text += u'[' + s.name + QStringLiteral("]\n");
        for (const auto& [key, value] : s.values) {
            text += key + u'=' + escapedValue(value) + u'\n';
        }
    }
    QSaveFile file(path_);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

}  // namespace app
