#include "documents/TemplateScan.h"

#include <QStringList>

namespace documents {

namespace {

const QString kFamilyStart = QStringLiteral("<家-");

// The item of one placeholder token; false when the token is not recorded.
bool itemOf(const QString& token, TemplateItem* item) {
    QString lookup = token;
    int ord = 0;
    if (token.startsWith(kFamilyStart)) {
        // The member number follows a second hyphen: "<家-姓名-2>".
        const qsizetype hyphen = token.indexOf(u'-', 4);
        if (hyphen < 0) {
            return false;
        }
        bool isNumber = false;
        ord = token.mid(hyphen + 1, token.size() - hyphen - 2).toInt(&isNumber);
        if (!isNumber || ord < 1) {
            return false;
        }
        lookup = token.left(hyphen) + u'>';
    }
    const Placeholder* placeholder = findPlaceholder(lookup);
    if (placeholder == nullptr) {
        return false;
    }
    item->item = QString::fromLatin1(placeholder->code);
    item->kind = placeholder->kind;
    item->ord = ord;
    item->itemDesc = token;
    return true;
}

}  // namespace

CellScan scanCell(const QString& text) {
    QString cell = text;
    cell.replace(u'＜', u'<').replace(u'＞', u'>');
    cell = cell.trimmed();
    CellScan scan;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = cell.indexOf(u'<', from);
        const qsizetype close = open < 0 ? -1 : cell.indexOf(u'>', open + 1);
        if (close < 0) {
            break;
        }
        scan.hasPlaceholders = true;
        TemplateItem item;
        if (itemOf(cell.mid(open, close - open + 1), &item)) {
            item.prefix = cell.mid(from, open - from);
            scan.items << item;
        }
        from = close + 1;
    }
    if (!scan.items.isEmpty()) {
        scan.items.last().postfix = cell.mid(from);
    }
    return scan;
}

QString composeCell(const QList<TemplateItem>& items, const QStringList& values) {
    QString text;
    for (qsizetype i = 0; i < items.size(); ++i) {
        text += items[i].prefix + values.value(i);
    }
    if (!items.isEmpty()) {
        text += items.last().postfix;
    }
    return text;
}

QStringList splitCell(const QString& text, const QList<TemplateItem>& items) {
    QStringList values;
    qsizetype from = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString& prefix = items[i].prefix;
        if (!prefix.isEmpty() && text.mid(from).startsWith(prefix)) {
            from += prefix.size();
        }
        qsizetype end = text.size();
        const bool last = i + 1 == items.size();
        const QString& next = last ? items[i].postfix : items[i + 1].prefix;
        if (!next.isEmpty()) {
            const qsizetype found = last ? text.lastIndexOf(next) : text.indexOf(next, from);
            if (found >= from && (!last || found + next.size() == text.size())) {
                end = found;
            }
        }
        values << text.mid(from, end - from).trimmed();
        from = end;
    }
    return values;
}

}  // namespace documents
