#include "text/MonthText.h"

#include <QRegularExpression>
#include <QStringList>

#include "db/JetDate.h"

namespace text {

namespace {

bool isAsciiDigits(QStringView text) {
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// "yyyy-m-d": four-digit year, then month and day of one or two digits each.
QDate parseDashedDate(const QString& text) {
    const QStringList parts = text.split(u'-');
    if (parts.size() != 3 || parts[0].size() != 4) {
        return {};
    }
    for (const QString& part : parts) {
        if (part.isEmpty() || !isAsciiDigits(part)) {
            return {};
        }
    }
    if (parts[1].size() > 2 || parts[2].size() > 2) {
        return {};
    }
    return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

}  // namespace

QDate parseMonthText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {};
    }
    QString dashed = trimmed;
    dashed.replace(u'.', u'-');
    return parseDashedDate(dashed + QStringLiteral("-1"));
}

QString padMonthText(const QString& text) {
    if (text.size() != 6 || text[4] != u'.' || !isAsciiDigits(QStringView(text).left(4)) ||
        !isAsciiDigits(QStringView(text).right(1))) {
        return text;
    }
    return text.left(5) + u'0' + text.right(1);
}

std::optional<MonthEntry> readMonthEntry(const QString& typed) {
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty()) {
        return MonthEntry{};
    }
    static const QRegularExpression entry(QRegularExpression::anchoredPattern(
        kMonthEntryPattern + QStringLiteral("|[0-9]{4}-(0?[1-9]|1[012])")));
    if (!entry.match(trimmed).hasMatch()) {
        return std::nullopt;
    }
    QString dotted = trimmed;
    dotted.replace(u'-', u'.');
    const QDate date = parseMonthText(dotted);
    if (!date.isValid() || date.year() < 1900) {
        return std::nullopt;
    }
    return MonthEntry{padMonthText(dotted), date};
}

QDate parseImportedMonth(const QString& text) {
    if (text.size() < 5 || text[0] < u'0' || text[0] > u'9') {
        return {};
    }
    QString month = text;
    if (isAsciiDigits(month)) {
        month = month.left(4) + u'-' + month.mid(4, 2);
    }
    for (const char16_t separator : {u'.', u'/', u'年', u'月'}) {
        month.replace(separator, u'-');
    }
    if (month.size() >= 7) {
        month.truncate(month[6] >= u'0' && month[6] <= u'9' ? 7 : 6);
    }
    return parseDashedDate(month + QStringLiteral("-1"));
}

QString ageLabel(const QString& birthMonthText, const QDate& today) {
    const QDate birth = parseMonthText(birthMonthText);
    if (!birth.isValid()) {
        return QStringLiteral(" 岁");
    }
    return QString::number(jet::ageInYears(birth, today)) + QStringLiteral("岁");
}

}  // namespace text
