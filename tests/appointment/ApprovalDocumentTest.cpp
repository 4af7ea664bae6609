#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/AppPaths.h"
#include "appointment/ApprovalDocument.h"
#include "office/LegacyFiles.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using python_reader::runPython;

appointment::ApprovalSource sample(int resumeLines) {
    appointment::ApprovalSource source;
    source.line = {
        {"xm", QStringLiteral("张三")},         {"xb", QStringLiteral("男")},
        {"csnystr", QStringLiteral("1970.05")}, {"zzmm", QStringLiteral("民盟")},
        {"qrzxl", QStringLiteral("大学")},      {"qrzxw", QStringLiteral("学士")},
        {"nrz", QStringLiteral("某局主任")},    {"cbyj", QStringLiteral("同意推荐")},
        {"cbdw", QStringLiteral("某县委")},     {"rmyj", QStringLiteral("同意任命")},
        {"f_1_1", QStringLiteral("妻子")},      {"f_1_2", QStringLiteral("李四")},
        {"f_1_3", QStringLiteral("1972.03")},   {"f_2_1", QStringLiteral("儿子")},
        {"f_3_1", QStringLiteral("女儿")},
    };
    source.line.insert(
        QStringLiteral("gzjl"),
        QStringList(resumeLines, QStringLiteral("1990.07-1995.09 某单位科员")).join(u'\n'));
    source.photo = QImage(300, 400, QImage::Format_RGB32);
    source.photo.fill(Qt::darkBlue);
    return source;
}

// Cell texts of both tables, the resume cell's font sizes and exact spacings (in points) and
// the pictures' sizes in mm, as python-docx reads them.
QJsonObject readBack(const QString& path) {
    return runPython(QStringLiteral(R"PY(
import sys, json
from docx import Document
from docx.oxml.ns import qn
doc = Document(sys.argv[1])
t1, t2 = doc.tables[0], doc.tables[1]
def text(t, r, c):
    return t.rows[r].cells[c].text
resume = t1.rows[9].cells[1]
sizes = sorted({r.font.size.pt for p in resume.paragraphs for r in p.runs if r.font.size})
spacing = sorted({p.paragraph_format.line_spacing.pt for p in resume.paragraphs
                  if p.paragraph_format.line_spacing is not None and hasattr(p.paragraph_format.line_spacing, 'pt')})
pictures = [[round(int(e.get('cx')) / 36000.0, 1), round(int(e.get('cy')) / 36000.0, 1)]
            for e in t1._tbl.iter(qn('wp:extent'))]
print(json.dumps({'xm': text(t1, 0, 1), 'birth': text(t1, 0, 5), 'party': text(t1, 2, 1),
                  'education': text(t1, 4, 2), 'nrz': text(t1, 7, 1),
                  'family1': [text(t2, 4, c) for c in range(1, 6)],
                  'family3': text(t2, 6, 1), 'unit': text(t2, 11, 1), 'rmyj': text(t2, 13, 1),
                  'sizes': sizes, 'spacing': spacing, 'pictures': pictures}))
)PY"),
                     {path})
        .toObject();
}

TEST(ApprovalDocument, DisplayLinesCountLongLinesByTheirBytes) {
    EXPECT_EQ(appointment::wordDisplayLines(QString()), 1);
    EXPECT_EQ(appointment::wordDisplayLines(QStringLiteral("短\n\n短")), 3);
    EXPECT_EQ(appointment::wordDisplayLines(QString(63, u'a')), 1);  // (63 - 15) / 49 + 1
    EXPECT_EQ(appointment::wordDisplayLines(QString(64, u'a')), 2);
    EXPECT_EQ(appointment::wordDisplayLines(QString(32, QChar(0x4E2D))), 2);  // 64 bytes
}

TEST(ApprovalDocument, TheTemplateGetsTheCellsOfTheForm) {
    const TestHome home;
    const Result<QString> templatePath = app::wordTemplate(appointment::kApprovalTemplate);
    ASSERT_TRUE(templatePath.ok()) << templatePath.errorText();
    appointment::ApprovalSettings settings;
    settings.familyRows = 2;
    const QString temp = QDir(home.path()).filePath(QStringLiteral("TEMP"));
    struct Case {
        int lines;
        QJsonArray sizes;
        QJsonArray spacing;
    };
    const Case cases[] = {
        {20, {}, {}},
        {21, {10.0}, {15.0}},
        {22, {10.0}, {15.0}},
        {23, {9.0}, {14.0}},
    };
    for (const Case& c : cases) {
        const Result<QString> written = appointment::writeApprovalDocument(
            sample(c.lines), settings, *templatePath, temp, QDate(2024, 6, 30));
        ASSERT_TRUE(written.ok()) << written.errorText();
        EXPECT_EQ(*written, QDir(temp).filePath(QStringLiteral("张三.docx")));
        const QJsonObject doc = readBack(*written);
        if (c.lines == 20) {
            EXPECT_EQ(doc[QStringLiteral("xm")].toString(), QStringLiteral("张三"));
            EXPECT_EQ(doc[QStringLiteral("birth")].toString(), QStringLiteral("1970.05\n(54岁)"));
            EXPECT_EQ(doc[QStringLiteral("party")].toString(), QStringLiteral("民盟"));
            EXPECT_EQ(doc[QStringLiteral("education")].toString(), QStringLiteral("大学\n学士"));
            EXPECT_EQ(doc[QStringLiteral("nrz")].toString(), QStringLiteral("某局主任"));
            EXPECT_EQ(doc[QStringLiteral("family1")].toArray(),
                      (QJsonArray{QStringLiteral("妻子"), QStringLiteral("李四"),
                                  QStringLiteral("52"), QString(), QString()}));
            EXPECT_EQ(doc[QStringLiteral("family3")].toString(), QString());  // beyond rmbfamily
            EXPECT_EQ(doc[QStringLiteral("unit")].toString(), QStringLiteral("同意推荐\n某县委"));
            EXPECT_EQ(doc[QStringLiteral("rmyj")].toString(), QStringLiteral("同意任命"));
            const QJsonArray pictures = doc[QStringLiteral("pictures")].toArray();
            ASSERT_EQ(pictures.size(), 1);
            EXPECT_GT(pictures[0].toArray()[1].toDouble(), 50);  // four rows high
        } else {
            EXPECT_EQ(doc[QStringLiteral("sizes")].toArray(), c.sizes) << c.lines;
            EXPECT_EQ(doc[QStringLiteral("spacing")].toArray(), c.spacing) << c.lines;
        }
    }
}

// The text LibreOffice prints for `docx`, without blanks, or nullopt (after a test failure) when
// it cannot convert it.
std::optional<QString> printedByLibreOffice(const QString& docx, const QString& folder) {
    QProcess convert;
    // Its own profile, so that a LibreOffice already running elsewhere does not take the job.
    convert.start(
        office::findLibreOffice(),
        {QStringLiteral("-env:UserInstallation=file://") + folder + QStringLiteral("/profile"),
         QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
         QStringLiteral("--outdir"), folder, docx});
    if (!convert.waitForFinished(180000)) {
        ADD_FAILURE() << "LibreOffice did not finish";
        return std::nullopt;
    }
    const QString pdf = QDir(folder).filePath(QFileInfo(docx).completeBaseName() + ".pdf");
    if (!QFileInfo::exists(pdf)) {
        ADD_FAILURE() << convert.readAllStandardError().toStdString();
        return std::nullopt;
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000)) {
        ADD_FAILURE() << "pdftotext did not finish";
        return std::nullopt;
    }
    // NFKC folds the compatibility forms some glyphs come back as, and full-width commas too.
    return QString::fromUtf8(text.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

TEST(ApprovalDocument, LibreOfficePrintsTheFilledCellsOfBothDocuments) {
    if (office::findLibreOffice().isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    }
    const TestHome home;
    appointment::ApprovalSettings settings;
    settings.familyRows = 2;
    appointment::ApprovalSource source = sample(3);
    source.line.insert(QStringLiteral("xrz"), QStringLiteral("某局副局长"));
    const QString folder = QDir(home.path()).filePath(QStringLiteral("TEMP"));
    const Result<QString> form = appointment::writeApprovalDocument(
        source, settings, *app::wordTemplate(appointment::kApprovalTemplate), folder,
        QDate(2024, 6, 30));
    ASSERT_TRUE(form.ok()) << form.errorText();
    const std::optional<QString> printed = printedByLibreOffice(*form, folder);
    ASSERT_TRUE(printed.has_value());
    for (const QString& expected :
         {QStringLiteral("干部任免审批表"), QStringLiteral("张三"), QStringLiteral("1970.05"),
          QStringLiteral("(54岁)"), QStringLiteral("民盟"), QStringLiteral("大学学士"),
          QStringLiteral("某局副局长"), QStringLiteral("某局主任"),
          QStringLiteral("1990.07-1995.09某单位科员"), QStringLiteral("妻子李四52"),
          QStringLiteral("同意推荐"), QStringLiteral("某县委"), QStringLiteral("同意任命")}) {
        EXPECT_TRUE(printed->contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(printed->contains(QStringLiteral("女儿")));  // beyond rmbfamily

    const QString profileFolder = QDir(home.path()).filePath(QStringLiteral("profile"));
    const Result<QString> profile = appointment::writeShortProfileDocument(
        source, *app::wordTemplate(appointment::kShortProfileTemplate), profileFolder,
        QDate(2024, 6, 30));
    ASSERT_TRUE(profile.ok()) << profile.errorText();
    const std::optional<QString> profileText = printedByLibreOffice(*profile, profileFolder);
    ASSERT_TRUE(profileText.has_value());
    for (const QString& expected :
         {QStringLiteral("干部简要情况表"), QStringLiteral("张三"), QStringLiteral("某局副局长"),
          QStringLiteral("张三,男,1970年5月生,民盟。"), QStringLiteral("现任某局副局长。")}) {
        EXPECT_TRUE(profileText->contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(profileText->contains(QStringLiteral("某局主任")));
}

TEST(ApprovalDocument, AMissingTemplateIsReported) {
    const TestHome home;
    const Result<QString> written = appointment::writeApprovalDocument(
        sample(1), {}, QDir(home.path()).filePath(QStringLiteral("无.docx")), home.path(),
        QDate(2024, 6, 30));
    EXPECT_FALSE(written.ok());
}

}  // namespace
