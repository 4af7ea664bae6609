#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QJsonObject>
#include <QMenu>

#include "PlanFixture.h"
#include "appointment/ApprovalForm.h"
#include "appointment/ui/CadreApprovalMenu.h"
#include "support/FindChild.h"
#include "support/PythonReader.h"
#include "support/RecordingMessageService.h"
#include "widgets/DocumentOpener.h"

namespace {

class CadreApprovalMenuTest : public PlanFixture {
  protected:
    RecordingMessageService messages;
};

TEST_F(CadreApprovalMenuTest, TheRecordsFormAndShortProfileAreWrittenToWord) {
    const int cadre = addCadre(QStringLiteral("王五"));
    QWidget owner;
    QMenu menu(&owner);
    addApprovalFormActions(
        &menu, dm, [cadre] { return cadre; }, &owner);
    QStringList opened;
    widgets::setDocumentOpener([&](const QString& path) {
        opened << path;
        return true;
    });
    child<QAction>(&menu, "actApprovalFormWord")->trigger();
    child<QAction>(&menu, "actShortProfileWord")->trigger();
    widgets::setDocumentOpener({});
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();
    ASSERT_EQ(opened.size(), 2);
    for (const QString& path : opened) {
        EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("王五.docx"));
    }
    // The short profile (written last) is one table with the record's name and resume.
    const QJsonObject doc = python_reader::runPython(QStringLiteral(R"PY(
import sys, json
from docx import Document
d = Document(sys.argv[1])
t = d.tables[0]
print(json.dumps({'tables': len(d.tables), 'xm': t.rows[0].cells[1].text,
                  'resume': t.rows[9].cells[1].text}))
)PY"),
                                                     {opened[1]})
                                .toObject();
    EXPECT_EQ(doc[QStringLiteral("tables")].toInt(), 1);
    EXPECT_EQ(doc[QStringLiteral("xm")].toString(), QStringLiteral("王五"));
    EXPECT_EQ(doc[QStringLiteral("resume")].toString(), QStringLiteral("简历"));

    // A cadre that is gone is refused.
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=?"), {cadre}));
    child<QAction>(&menu, "actShortProfileWord")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kCadreDeleted});
}

TEST(ShortProfile, IsTheFirstPageUnderItsOwnTitle) {
    appointment::ApprovalSource source;
    source.line.insert(QStringLiteral("xm"), QStringLiteral("张三"));
    const report::Layout layout = appointment::shortProfileLayout(source, {});
    ASSERT_EQ(layout.pageCount(), 1);
    QStringList texts;
    for (const report::Cell& cell : layout.cells(0)) {
        texts << cell.text;
    }
    EXPECT_TRUE(texts.contains(appointment::kShortProfileTitle));
    EXPECT_TRUE(texts.contains(QStringLiteral("张三")));
}

}  // namespace
