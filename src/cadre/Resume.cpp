#include "cadre/Resume.h"

#include <QStringList>
#include <algorithm>
#include <set>

#include "cadre/CadreRecord.h"
#include "db/Database.h"
#include "text/MonthText.h"
#include "text/ResumeWrap.h"

namespace cadre {

namespace {

constexpr QChar kFullWidthBlank = u'\u3000';
constexpr QChar kFullWidthDash = u'\uFF0D';
constexpr QChar kUntil = u'至';
constexpr int kEndWidth = 7;
constexpr int kStartWidth = 8;

// What is dropped at the end of a line or a text: blanks, tabs and line breaks.
QString trimmedAtEnd(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= u' ') {
        --end;
    }
    return text.left(end);
}

// The lines of a text; a line break at the very end closes the last line without opening one.
QStringList linesOf(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (lines.endsWith(u'\n')) {
        lines.chop(1);
    }
    return lines.split(u'\n');
}

// The end of the first word of a line: the first blank or tab, -1 when there is none.
qsizetype firstSeparator(const QString& line) {
    const qsizetype blank = line.indexOf(u' ');
    const qsizetype tab = line.indexOf(u'\t');
    if (blank < 0 || tab < 0) {
        return std::max(blank, tab);
    }
    return std::min(blank, tab);
}

ResumeRow rowOfLine(QString line) {
    line.replace(kFullWidthBlank, u' ').replace(kFullWidthDash, u'-');
    line = trimmedAtEnd(line);
    if (line.isEmpty()) {
        return {};
    }
    const qsizetype separator = firstSeparator(line);
    const QString head = line.left(separator + 1);
    if (head.size() >= 5) {
        qsizetype mark = head.indexOf(u'-');
        const qsizetype until = head.indexOf(kUntil);
        if (mark < 0 || (until >= 0 && until < mark)) {
            mark = until;
        }
        if (mark >= 0) {
            return {head.left(mark).trimmed(), head.mid(mark + 1).trimmed(),
                    line.mid(separator).trimmed()};
        }
    }
    return {{}, {}, line.trimmed()};
}

QString lineOfRow(const ResumeRow& row) {
    const QString start = row.start.trimmed();
    const QString end = row.end.trimmed().leftJustified(kEndWidth, u' ');
    const QString content = row.content.trimmed();
    if (content.isEmpty()) {
        return {};
    }
    if (start.isEmpty()) {
        return QString(kStartWidth, u' ') + end + u' ' + content;
    }
    return start + u'-' + end + u' ' + content;
}

bool isRow(const ResumeTable& table, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < table.size();
}

bool filled(const QString& text) {
    return !text.trimmed().isEmpty();
}

// "1968年1月" of a month: the date when there is one, else the month text read as a month;
// empty when neither names a month.
QString yearMonth(const QDate& date, const QString& monthText) {
    const QDate month = date.isValid() ? date : text::parseMonthText(monthText);
    if (!month.isValid()) {
        return {};
    }
    return QStringLiteral("%1年%2月").arg(month.year()).arg(month.month());
}

// "，" + school + "毕业" and "，" + education + "学历" or else "，" + degree + "学位".
QString educationPart(const QString& school, const QString& education, const QString& degree) {
    const QString cleaned = cleanedSchoolText(school);
    if (cleaned.isEmpty()) {
        return {};
    }
    QString part = u'，' + cleaned + QStringLiteral("毕业");
    if (filled(education)) {
        part += u'，' + education.trimmed() + QStringLiteral("学历");
    } else if (filled(degree)) {
        part += u'，' + degree.trimmed() + QStringLiteral("学位");
    }
    return part;
}

// The party a cadre joined: every kind of member of the Communist Party joined the party itself.
QString partyJoined(const QString& zzmm) {
    static const QStringList members = {QStringLiteral("中共党员"), QStringLiteral("中共预备党员"),
                                        QStringLiteral("预备党员")};
    return members.contains(zzmm) ? QStringLiteral("中国共产党") : zzmm;
}

const QString kIndent = QStringLiteral("    ");

}  // namespace

ResumeTable resumeToTable(const QString& text) {
    ResumeTable table;
    for (const QString& line : linesOf(text)) {
        table.push_back(rowOfLine(line));
    }
    return table;
}

QString tableToResume(const ResumeTable& table) {
    QStringList lines;
    for (const ResumeRow& row : table) {
        lines << lineOfRow(row);
    }
    return trimmedAtEnd(lines.join(QStringLiteral("\r\n")));
}

int appendResumeRow(ResumeTable& table) {
    table.emplace_back();
    return static_cast<int>(table.size()) - 1;
}

int deleteResumeRow(ResumeTable& table, int row) {
    if (!isRow(table, row)) {
        return table.empty() ? -1 : std::min(std::max(row, 0), static_cast<int>(table.size()) - 1);
    }
    table.erase(table.begin() + row);
    return std::min(row, static_cast<int>(table.size()) - 1);
}

int moveResumeRow(ResumeTable& table, int row, int step) {
    const int target = row + (step < 0 ? -1 : 1);
    if (step == 0 || !isRow(table, row) || !isRow(table, target)) {
        return isRow(table, row) ? row : -1;
    }
    std::swap(table[static_cast<std::size_t>(row)], table[static_cast<std::size_t>(target)]);
    return target;
}

int mergeResumeRows(ResumeTable& table, const std::vector<int>& rows) {
    std::vector<int> distinct;
    for (const int row : rows) {
        if (isRow(table, row) &&
            std::find(distinct.begin(), distinct.end(), row) == distinct.end()) {
            distinct.push_back(row);
        }
    }
    if (distinct.size() < 2) {
        return -1;
    }
    const int first = distinct.front();
    QString& content = table[static_cast<std::size_t>(first)].content;
    for (auto row = distinct.begin() + 1; row != distinct.end(); ++row) {
        content += table[static_cast<std::size_t>(*row)].content;
    }
    const std::set<int> removed(distinct.begin() + 1, distinct.end());
    for (auto row = removed.rbegin(); row != removed.rend(); ++row) {
        table.erase(table.begin() + *row);
    }
    return first - static_cast<int>(std::count_if(removed.begin(), removed.end(),
                                                  [first](int row) { return row < first; }));
}

QString printedResume(const QString& resume) {
    return trimmedAtEnd(text::wrapResume(resume, kResumePrintWidth));
}

CadreSummary cadreSummaryFrom(const std::function<QVariant(const QString&)>& field) {
    const auto text = [&field](const char* column) {
        return field(QString::fromLatin1(column)).toString();
    };
    const auto date = [&field](const char* column) {
        return field(QString::fromLatin1(column)).toDate();
    };
    CadreSummary cadre;
    cadre.xm = text("xm");
    cadre.xb = text("xb");
    cadre.mz = text("mz");
    cadre.csnyStr = text("csnyStr");
    cadre.csny = date("csny");
    cadre.jgsheng = text("jgsheng");
    cadre.zzmm = text("zzmm");
    cadre.rdsjStr = text("rdsjStr");
    cadre.rdsj = date("rdsj");
    cadre.gzsjStr = text("gzsjStr");
    cadre.gzsj = date("gzsj");
    cadre.qrzxl = text("qrzxl");
    cadre.qrzxxzy = text("qrzxxzy");
    cadre.qrzxw = text("qrzxw");
    cadre.zzxl = text("zzxl");
    cadre.zzxxzy = text("zzxxzy");
    cadre.zzxw = text("zzxw");
    cadre.xrz = text("xrz");
    return cadre;
}

Result<CadreSummary> readCadreSummary(db::Database& db, int cadreId) {
    const auto result = db.query(
        QStringLiteral("select xm,xb,mz,csnyStr,csny,jgsheng,zzmm,rdsjStr,rdsj,gzsjStr,gzsj,"
                       "qrzxl,qrzxxzy,qrzxw,zzxl,zzxxzy,zzxw,xrz from tb_cadre where CadreID=") +
        QString::number(cadreId));
    if (!result) {
        return Failure{{}, db.lastError()};
    }
    if (result->rows.empty()) {
        return Failure{kCadreMissing, {}};
    }
    const QVariantList& row = result->rows.front();
    return cadreSummaryFrom([&](const QString& column) {
        for (qsizetype index = 0; index < result->columns.size(); ++index) {
            if (result->columns[index].compare(column, Qt::CaseInsensitive) == 0) {
                return row[index];
            }
        }
        return QVariant();
    });
}

QString cleanedSchoolText(const QString& text) {
    QString cleaned = text.trimmed();
    if (cleaned == QStringLiteral("无")) {
        return {};
    }
    cleaned.remove(u' ').remove(kFullWidthBlank).remove(u'\n').remove(u'\r');
    return cleaned;
}

QString CadreSummaryText(const CadreSummary& cadre, bool indent) {
    QString paragraph = indent ? kIndent : QString();
    paragraph += QString(cadre.xm).remove(u' ').remove(kFullWidthBlank);
    for (const QString& part : {cadre.xb, cadre.mz}) {
        if (filled(part)) {
            paragraph += u'，' + part.trimmed();
        }
    }
    if (filled(cadre.csnyStr)) {
        const QString born = yearMonth(cadre.csny, cadre.csnyStr);
        if (!born.isEmpty()) {
            paragraph += u'，' + born + u'生';
        }
    }
    if (filled(cadre.jgsheng)) {
        paragraph += u'，' + cadre.jgsheng.trimmed() + u'人';
    }
    if (filled(cadre.zzmm)) {
        const QString party = cadre.zzmm.trimmed();
        const QString joined =
            filled(cadre.rdsjStr) ? yearMonth(cadre.rdsj, cadre.rdsjStr) : QString();
        paragraph +=
            u'，' +
            (joined.isEmpty() ? party : joined + QStringLiteral("加入") + partyJoined(party));
    }
    if (filled(cadre.gzsjStr)) {
        const QString started = yearMonth(cadre.gzsj, cadre.gzsjStr);
        if (!started.isEmpty()) {
            paragraph += u'，' + started + QStringLiteral("参加工作");
        }
    }
    if (!(filled(cadre.zzxxzy) && filled(cadre.zzxl))) {
        paragraph += educationPart(cadre.qrzxxzy, cadre.qrzxl, cadre.qrzxw);
    }
    paragraph += educationPart(cadre.zzxxzy, cadre.zzxl, cadre.zzxw);
    paragraph += u'。';
    if (filled(cadre.xrz)) {
        if (indent) {
            paragraph += u'\r' + kIndent;
        }
        paragraph += QStringLiteral("现任") + cadre.xrz.trimmed() + u'。';
    }
    return paragraph;
}

}  // namespace cadre
