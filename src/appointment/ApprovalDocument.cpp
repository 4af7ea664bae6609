#include "appointment/ApprovalDocument.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>

#include "cadre/ResumeDocument.h"
#include "office/DocxDocument.h"
#include "report/PageLayout.h"
#include "text/Gbk.h"
#include "text/MonthText.h"

namespace appointment {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

QString textOf(const QVariantMap& line, const char* column) {
    return line.value(QString::fromLatin1(column).toLower()).toString();
}

QString withDegree(const QVariantMap& line, const char* level, const char* degree) {
    const QString title = textOf(line, degree);
    return title.isEmpty() ? textOf(line, level) : textOf(line, level) + u'\n' + title;
}

// The photo as wide as its cell and as high as the four rows beside it, less one point.
Result<void> placePhoto(office::DocxDocument& doc, const QImage& photo) {
    const Result<double> width = doc.cellWidthMm(1, 1, 7);
    if (!width) {
        return width.failure();
    }
    double height = -kMmPerPoint;
    for (int row = 1; row <= 4; ++row) {
        const Result<double> rowHeight = doc.cellHeightMm(1, row, 1);
        if (!rowHeight) {
            return rowHeight.failure();
        }
        height += *rowHeight;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "PNG");
    return doc.setCellPicture(1, 1, 7, bytes, *width, height);
}

}  // namespace

int wordDisplayLines(const QString& text) {
    int lines = 0;
    for (const QString& line : report::withLineFeeds(text).split(u'\n')) {
        lines += std::max(1, (text::gbkWidth(line) - 15) / 49 + 1);
    }
    return lines;
}

namespace {

struct Text {
    int table, row, column;
    QString text;
};

// The cells of table 1 that the form and the short profile share: rows 1 to 7.
std::vector<Text> headTexts(const QVariantMap& line, const QDate& today) {
    return {
        {1, 1, 2, textOf(line, "xm")},
        {1, 1, 4, textOf(line, "xb")},
        {1, 1, 6, birthCellText(textOf(line, "csnyStr"), today)},
        {1, 2, 2, textOf(line, "mz")},
        {1, 2, 4, textOf(line, "jgsheng")},
        {1, 2, 6, textOf(line, "cssheng")},
        {1, 3, 2,
         textOf(line, "zzmm") == QStringLiteral("中共党员") ? textOf(line, "rdsjStr")
                                                            : textOf(line, "zzmm")},
        {1, 3, 4, textOf(line, "gzsjStr")},
        {1, 3, 6, textOf(line, "jkzk")},
        {1, 4, 2, textOf(line, "zyjszw")},
        {1, 4, 4, textOf(line, "zytc")},
        {1, 5, 3, withDegree(line, "qrzxl", "qrzxw")},
        {1, 5, 5, textOf(line, "qrzxxzy")},
        {1, 6, 3, withDegree(line, "zzxl", "zzxw")},
        {1, 6, 5, textOf(line, "zzxxzy")},
        {1, 7, 2, textOf(line, "xrz")},
    };
}

// The rest of the form: rows 8 to 10 of table 1 and table 2 with the family rows.
Result<std::vector<Text>> formTexts(office::DocxDocument& doc, const ApprovalSource& source,
                                    const ApprovalSettings& settings, const QString& resume,
                                    const QDate& today) {
    const QVariantMap& line = source.line;
    const QString unitAndOpinion = textOf(line, "cbdw").isEmpty()
                                       ? textOf(line, "cbyj")
                                       : textOf(line, "cbyj") + u'\n' + textOf(line, "cbdw");
    std::vector<Text> texts{
        {1, 8, 2, textOf(line, "nrz")},
        {1, 9, 2, textOf(line, "nmz")},
        {1, 10, 2, resume},
        {2, 1, 2, textOf(line, "jcNote")},
        {2, 2, 2, textOf(line, "khNote")},
        {2, 3, 2, textOf(line, "rmNote")},
        {2, 12, 2, unitAndOpinion},
        {2, 13, 2, textOf(line, "spyj")},
        {2, 14, 2, textOf(line, "rmyj")},
    };
    const Result<QString> ageHeader = doc.cellText(2, 4, 4);
    if (!ageHeader) {
        return ageHeader.failure();
    }
    const bool ages = ageHeader->contains(QStringLiteral("龄"));
    for (int k = 1; k <= settings.familyRows; ++k) {
        const auto slot = [&](int j) {
            return line.value(QStringLiteral("f_%1_%2").arg(k).arg(j))
                .toString()
                .section(u'\n', 0, 0);
        };
        if (slot(1).isEmpty()) {
            continue;
        }
        QString born = slot(3);
        if (ages && !born.isEmpty()) {
            const QDate date = text::parseMonthText(born);
            born = date.isValid() ? QString::number(formAge(date, today)) : QString();
        }
        for (const auto& [column, text] :
             {std::pair{2, slot(1)}, {3, slot(2)}, {4, born}, {5, slot(4)}, {6, slot(5)}}) {
            texts.push_back({2, k + 4, column, text});
        }
    }
    return texts;
}

// The resume cell made smaller and denser as the resume grows: size 10 / 15 pt exactly from 21
// display lines, size 9 / 14 pt from 23.
Result<void> fitResume(office::DocxDocument& doc, const QString& resume) {
    const int lines = wordDisplayLines(resume);
    if (lines < 21) {
        return {};
    }
    const bool small = lines >= 23;
    for (const Result<void>& done : {doc.setCellFontSize(1, 10, 2, small ? 9 : 10),
                                     doc.setCellExactLineSpacing(1, 10, 2, small ? 14 : 15)}) {
        if (!done) {
            return done.failure();
        }
    }
    return {};
}

enum class Document { ApprovalForm, ShortProfile };

// Fills the template of `kind` with `source` and saves it as <xm>.docx in `folder`.
Result<QString> writeDocument(Document kind, const ApprovalSource& source,
                              const ApprovalSettings& settings, const QString& templatePath,
                              const QString& folder, const QDate& today) {
    Result<office::DocxDocument> opened = office::DocxDocument::open(templatePath);
    if (!opened) {
        return opened.failure();
    }
    office::DocxDocument& doc = *opened;
    const QVariantMap& line = source.line;
    static const QRegularExpression trailing(QStringLiteral("\\s+$"));
    const QString resume = report::withLineFeeds(textOf(line, "gzjl")).remove(trailing);
    std::vector<Text> texts = headTexts(line, today);
    if (kind == Document::ApprovalForm) {
        const Result<std::vector<Text>> rest = formTexts(doc, source, settings, resume, today);
        if (!rest) {
            return rest.failure();
        }
        texts.insert(texts.end(), rest->begin(), rest->end());
    } else {
        texts.push_back({1, 8, 2, report::withLineFeeds(shortProfileSummary(source))});
    }
    for (const Text& t : texts) {
        if (const Result<void> written = doc.setCellText(t.table, t.row, t.column, t.text);
            !written) {
            return written.failure();
        }
    }
    if (kind == Document::ApprovalForm) {
        if (const Result<void> fitted = fitResume(doc, resume); !fitted) {
            return fitted.failure();
        }
    }
    if (!source.photo.isNull()) {
        if (const Result<void> placed = placePhoto(doc, source.photo); !placed) {
            return placed.failure();
        }
    }
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    const QString path =
        QDir(folder).filePath(cadre::documentFileName(textOf(line, "xm"), QStringLiteral(".docx")));
    if (const Result<void> saved = doc.save(path); !saved) {
        return saved.failure();
    }
    return path;
}

}  // namespace

Result<QString> writeApprovalDocument(const ApprovalSource& source,
                                      const ApprovalSettings& settings, const QString& templatePath,
                                      const QString& folder, const QDate& today) {
    return writeDocument(Document::ApprovalForm, source, settings, templatePath, folder, today);
}

Result<QString> writeShortProfileDocument(const ApprovalSource& source, const QString& templatePath,
                                          const QString& folder, const QDate& today) {
    return writeDocument(Document::ShortProfile, source, {}, templatePath, folder, today);
}

}  // namespace appointment
