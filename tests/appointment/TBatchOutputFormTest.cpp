#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include "PlanFixture.h"
#include "appointment/BatchForms.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "support/FindChild.h"
#include "support/RecordingMessageService.h"

namespace {

class TBatchOutputFormTest : public PlanFixture {
  protected:
    void SetUp() override {
        PlanFixture::SetUp();
        plan = addPlan(QStringLiteral("方案"));
        ASSERT_TRUE(
            appointment::addCadres(db(), plan,
                                   {addCadre(QStringLiteral("甲")), addCadre(QStringLiteral("乙")),
                                    addCadre(QStringLiteral("丙"))}));
    }

    RecordingMessageService messages;
    QTemporaryDir out;
    int plan = 0;
};

TEST_F(TBatchOutputFormTest, TheCheckedFormsGoIntoOnePdfAndOneDocumentEach) {
    TBatchOutputForm form(dm, plan);
    form.setPathChooser([&](QWidget*, bool folder) {
        return folder ? out.path() : out.filePath(QStringLiteral("all.pdf"));
    });
    auto* grid = child<QTableWidget>(&form, "gridCadres");
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(form.checkedLines().size(), 3);
    child<QPushButton>(&form, "btnClear")->click();
    EXPECT_TRUE(form.checkedLines().isEmpty());
    child<QPushButton>(&form, "btnPdf")->click();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kBatchNothingChecked});
    messages.clear();

    grid->item(0, 0)->setCheckState(Qt::Checked);
    grid->item(2, 0)->setCheckState(Qt::Checked);
    child<QPushButton>(&form, "btnPdf")->click();
    child<QPushButton>(&form, "btnWord")->click();
    EXPECT_EQ(messages.texts(), (QStringList{appointment::kBatchDone, appointment::kBatchDone}));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {out.filePath(QStringLiteral("all.pdf"))});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))));
    EXPECT_EQ(QDir(out.path()).entryList({QStringLiteral("*.docx")}, QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("丙.docx"), QStringLiteral("甲.docx")}));
}

TEST_F(TBatchOutputFormTest, AStoppedBatchKeepsWhatItMade) {
    const QList<int> lines{lineId(plan, 1), lineId(plan, 2), lineId(plan, 3)};
    const Result<report::Layout> layout =
        appointment::batchLayout(db(), lines, {}, [](int done) { return done < 2; });
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->pageCount(), 4);
}

TEST_F(TBatchOutputFormTest, MoreThanTheLimitIsRefused) {
    QList<int> many;
    for (int i = 0; i <= appointment::kBatchLimit; ++i) {
        many << addCadre(QStringLiteral("人%1").arg(i));
    }
    ASSERT_TRUE(appointment::addCadres(db(), plan, many));
    TBatchOutputForm form(dm, plan);
    bool asked = false;
    form.setPathChooser([&](QWidget*, bool) {
        asked = true;
        return QString();
    });
    child<QPushButton>(&form, "btnPdf")->click();
    EXPECT_EQ(messages.texts(), QStringList{appointment::kBatchTooLarge});
    EXPECT_FALSE(asked);
}

}  // namespace
