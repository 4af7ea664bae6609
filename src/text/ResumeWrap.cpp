#include "text/ResumeWrap.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>

#include "text/CodePoint.h"
#include "text/Gbk.h"

namespace text {

namespace {

// Blanks and control characters are what is dropped at the end of a line.
QStringView trimmedAtEnd(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= u' ') {
        --end;
    }
    return text.left(end);
}

// The number of UTF-16 units of the piece of 'line' that fills 'byteWidth' bytes, taking a
// double-byte character that the width would cut in half.
qsizetype pieceLength(QStringView line, int byteWidth) {
    qsizetype length = 0;
    int width = 0;
    while (length < line.size() && width < byteWidth) {
        const CodePoint c = codePointAt(line, length);
        width += gbkWidth(c.value);
        length += c.length;
    }
    return length;
}

// A continuation piece is the indent followed by what is left of the line, so what is left
// fills the width less the indent.
void wrapLine(QStringView line, int byteWidth, QStringList& out) {
    line = trimmedAtEnd(line);
    if (line.isEmpty()) {
        out << QString();
        return;
    }
    QString prefix;
    int room = byteWidth;
    while (!line.isEmpty()) {
        const qsizetype length = pieceLength(line, room);
        const QStringView piece = trimmedAtEnd(line.left(length));
        if (!piece.isEmpty()) {
            out << prefix + piece;
        }
        line = line.mid(length);
        prefix = QString(kResumeIndent, u' ');
        room = byteWidth - kResumeIndent;
    }
}

}  // namespace

QString wrapResume(const QString& text, int byteWidth) {
    const int width = std::max(byteWidth, kResumeIndent + 1);
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    // A line break at the very end closes the last line; it does not open another.
    if (lines.endsWith(u'\n')) {
        lines.chop(1);
    }
    QStringList out;
    for (const QStringView line : QStringView(lines).split(u'\n')) {
        wrapLine(line, width, out);
    }
    return out.join(QStringLiteral("\r\n"));
}

}  // namespace text
