#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QJsonObject>
#include <QMap>
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
    ASSERT_TRUE(
        db().exec(QStringLiteral("update tb_cadre set xrz='某局局长' where CadreID=?"), {cadre}));
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
    // The short profile (written last) is one table: the form's head rows, 现任职务 and the
    // summary paragraph.
    const QJsonObject doc = python_reader::runPython(QStringLiteral(R"PY(
import sys, json
from docx import Document
d = Document(sys.argv[1])
t = d.tables[0]
print(json.dumps({'tables': len(d.tables), 'rows': len(t.rows), 'xm': t.rows[0].cells[1].text,
                  'xrz': t.rows[6].cells[1].text, 'summary': t.rows[7].cells[1].text}))
)PY"),
                                                     {opened[1]})
                                .toObject();
    EXPECT_EQ(doc[QStringLiteral("tables")].toInt(), 1);
    EXPECT_EQ(doc[QStringLiteral("rows")].toInt(), 8);
    EXPECT_EQ(doc[QStringLiteral("xm")].toString(), QStringLiteral("王五"));
    EXPECT_EQ(doc[QStringLiteral("xrz")].toString(), QStringLiteral("某局局长"));
    EXPECT_EQ(
        doc[QStringLiteral("summary")].toString(),
        QStringLiteral("    王五，男，1970年5月生，某大学毕业，大学学历。\n    现任某局局长。"));

    // A cadre that is gone is refused.
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=?"), {cadre}));
    child<QAction>(&menu, "actShortProfileWord")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kCadreDeleted});
}

TEST(ShortProfile, OnePageOfTheBasicFieldsTheCurrentPostsAndTheSummary) {
    appointment::ApprovalSource source;
    source.line = {
        {"xm", QStringLiteral("张三")},
        {"xb", QStringLiteral("男")},
        {"mz", QStringLiteral("汉族")},
        {"csnystr", QStringLiteral("1970.05")},
        {"jgsheng", QStringLiteral("山东")},
        {"zzmm", QStringLiteral("中共党员")},
        {"rdsjstr", QStringLiteral("1995.07")},
        {"gzsjstr", QStringLiteral("1992.08")},
        {"qrzxl", QStringLiteral("大学")},
        {"qrzxxzy", QStringLiteral("某大学中文系")},
        {"xrz", QStringLiteral("某局局长")},
        {"nrz", QStringLiteral("某委主任")},
        {"gzjl", QStringLiteral("1992.08-       某单位")},
    };
    source.tableDate = source.ageDate = QDate(2024, 6, 30);
    source.photo = QImage(30, 40, QImage::Format_RGB32);
    const report::Layout layout = appointment::shortProfileLayout(source, {});
    ASSERT_EQ(layout.pageCount(), 1);
    QMap<QString, QRectF> cells;
    const report::Cell* photo = nullptr;
    const QPointF origin = layout.setup().contentRect().topLeft();
    for (const report::Cell& cell : layout.cells(0)) {
        cells.insert(cell.text, cell.rect.translated(-origin));
        if (!cell.picture.isNull()) {
            photo = &cell;
        }
    }
    EXPECT_TRUE(cells.contains(appointment::kShortProfileTitle));
    EXPECT_EQ(cells.value(QStringLiteral("张三")), QRectF(16, 17, 20, 10.5));
    EXPECT_EQ(cells.value(QStringLiteral("1970.05\n(54岁)")), QRectF(92, 17, 23, 10.5));
    EXPECT_EQ(cells.value(QStringLiteral("某局局长")), QRectF(36, 80, 112, 10.5));
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->rect.translated(-origin), QRectF(115, 17, 33, 42));
    const QString summary = QStringLiteral(
        "    张三，男，汉族，1970年5月生，山东人，1995年7月加入中国共产党，"
        "1992年8月参加工作，某大学中文系毕业，大学学历。\n    现任某局局长。");
    EXPECT_EQ(appointment::shortProfileSummary(source), QString(summary).replace(u'\n', u'\r'));
    EXPECT_EQ(cells.value(summary), QRectF(13, 90.5, 135, 84));
    EXPECT_TRUE(cells.contains(QStringLiteral("2024年6月30日")));
    // The plan's proposals and the resume belong to the approval form only.
    EXPECT_FALSE(cells.contains(QStringLiteral("某委主任")));
    EXPECT_FALSE(cells.contains(QStringLiteral("1992.08-       某单位")));
    EXPECT_TRUE(layout.overflowingCells().empty());
}

}  // namespace
