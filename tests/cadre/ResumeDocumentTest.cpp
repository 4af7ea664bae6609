#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

#include "app/AppPaths.h"
#include "cadre/ResumeDocument.h"
#include "support/PythonReader.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using python_reader::runPython;

cadre::ResumePrintData sample(const QString& name, bool withPhoto) {
    cadre::ResumePrintData data;
    data.summary.xm = name;
    data.summary.xb = QStringLiteral("男");
    data.summary.csnyStr = QStringLiteral("1968.01");
    data.summary.csny = QDate(1968, 1, 1);
    data.summary.xrz = QStringLiteral("某市发展和改革委员会主任");
    data.resume =
        QStringLiteral("1986.09-1990.07 山东大学经济系学习\r\n1990.07-        某市计划委员会科员");
    if (withPhoto) {
        data.photo = QImage(300, 400, QImage::Format_RGB32);
        data.photo.fill(Qt::darkBlue);
    }
    return data;
}

// The texts of table 1 as python-docx reads them, and the size in mm of the pictures in the
// photo cell.
QJsonValue readBack(const QString& path) {
    return runPython(QStringLiteral(R"PY(
import sys, json
from docx import Document
from docx.oxml.ns import qn
doc = Document(sys.argv[1])
t = doc.tables[0]
pictures = []
for extent in t.cell(1, 1)._tc.iter(qn('wp:extent')):
    pictures.append([round(int(extent.get('cx')) / 36000.0, 1), round(int(extent.get('cy')) / 36000.0, 1)])
print(json.dumps({'title': t.cell(0, 0).text, 'summary': t.cell(1, 0).text,
                  'resume': t.cell(2, 0).text, 'pictures': pictures,
                  'photoWidth': round(t.cell(1, 1).width / 36000.0, 1)}))
)PY"),
                     {path});
}

TEST(ResumeDocument, TheTemplateGetsTitleSummaryPhotoAndResume) {
    const TestHome home;
    const Result<QString> templatePath = app::wordTemplate(cadre::kResumeTemplate);
    ASSERT_TRUE(templatePath.ok()) << templatePath.errorText();
    const QString temp = QDir(home.path()).filePath(QStringLiteral("TEMP"));
    const Result<QString> written =
        cadre::writeResumeDocument(sample(QStringLiteral("张 三"), true), *templatePath, temp);
    ASSERT_TRUE(written.ok()) << written.errorText();
    EXPECT_EQ(*written, QDir(temp).filePath(QStringLiteral("张 三.docx")));

    const QJsonObject doc = readBack(*written).toObject();
    EXPECT_EQ(doc[QStringLiteral("title")].toString(), QStringLiteral("张 三同志简历"));
    EXPECT_EQ(doc[QStringLiteral("summary")].toString(),
              QStringLiteral("    张三，男，1968年1月生。\n    现任某市发展和改革委员会主任。"));
    EXPECT_EQ(
        doc[QStringLiteral("resume")].toString(),
        QStringLiteral("1986.09-1990.07 山东大学经济系学习\n1990.07-        某市计划委员会科员"));
    // One picture, 3:4 like the photo, inside the cell.
    const QJsonArray pictures = doc[QStringLiteral("pictures")].toArray();
    ASSERT_EQ(pictures.size(), 1);
    const double width = pictures[0].toArray()[0].toDouble();
    const double height = pictures[0].toArray()[1].toDouble();
    EXPECT_NEAR(width / height, 0.75, 0.01);
    EXPECT_LE(width, doc[QStringLiteral("photoWidth")].toDouble());
    EXPECT_GT(width, 20);
}

TEST(ResumeDocument, NamesAFileCannotHoldStillGiveAFile) {
    const TestHome home;
    const QString temp = QDir(home.path()).filePath(QStringLiteral("TEMP"));
    struct Case {
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {"张/三:李", "张_三_李.docx"}, {" O'Neil* ", "O'Neil_.docx"}, {"  ", "未命名.docx"}};
    for (const Case& c : cases) {
        const Result<QString> written =
            cadre::writeResumeDocument(sample(QString::fromUtf8(c.name), false),
                                       *app::wordTemplate(cadre::kResumeTemplate), temp);
        ASSERT_TRUE(written.ok()) << written.errorText();
        EXPECT_EQ(QFileInfo(*written).fileName(), QString::fromUtf8(c.file));
        EXPECT_TRUE(QFile::exists(*written));
        EXPECT_TRUE(readBack(*written).toObject()[QStringLiteral("pictures")].toArray().isEmpty());
    }
}

TEST(ResumeDocument, AFolderOrTemplateThatCannotBeUsedIsReportedByName) {
    const TestHome home;
    // A file stands where the folder should be: nothing can be written below it.
    const QString blocked = QDir(home.path()).filePath(QStringLiteral("TEMP"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const Result<QString> noFolder = cadre::writeResumeDocument(
        sample(QStringLiteral("张三"), false), *app::wordTemplate(cadre::kResumeTemplate), blocked);
    ASSERT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.errorText().contains(blocked)) << noFolder.errorText();

    const QString missing = QDir(home.path()).filePath(QStringLiteral("无此模板.docx"));
    const Result<QString> noTemplate =
        cadre::writeResumeDocument(sample(QStringLiteral("张三"), false), missing,
                                   QDir(home.path()).filePath(QStringLiteral("T2")));
    ASSERT_FALSE(noTemplate.ok());
    EXPECT_TRUE(noTemplate.errorText().contains(QStringLiteral("无此模板.docx")))
        << noTemplate.errorText();
}

}  // namespace
