#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "PlanFixture.h"
#include "appointment/ApprovalForm.h"
#include "appointment/BatchFiles.h"
#include "appointment/BatchForms.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "appointment/ui/TBatchRangeForm.h"
#include "cadre/Photo.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"

namespace {

// The number of pages of the PDF file at `path` (-1 when it cannot be read).
int pdfPages(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000)) {
        return -1;
    }
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n"))
            .match(QString::fromUtf8(info.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

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

// The records' variant lists each cadre once, leaves out those that are gone, and gives the
// approval form (two pages each) or the short profile (one page each) as the choice says.
TEST_F(TBatchOutputFormTest, TheRecordsVariantGivesTheChosenFormOfEachListedCadre) {
    const int jia = addCadre(QStringLiteral("丁"));
    const int yi = addCadre(QStringLiteral("戊"));
    addFamily(jia, 2);
    TBatchOutputForm form(dm, QList<int>{yi, jia, yi, 999999});
    QString target;
    form.setPathChooser([&](QWidget*, bool) { return out.filePath(target); });
    auto* grid = child<QTableWidget>(&form, "gridCadres");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("戊"));
    EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("丁"));
    EXPECT_EQ(form.checkedCadres(), (QList<int>{yi, jia}));
    // The template output is offered only when the window is given one.
    EXPECT_FALSE(child<QPushButton>(&form, "btnTemplate")->isVisibleTo(&form));
    QList<int> handed;
    form.setTemplateOutput([&](QWidget* parent, const QList<int>& cadres) {
        EXPECT_EQ(parent, &form);
        handed = cadres;
    });
    EXPECT_TRUE(child<QPushButton>(&form, "btnTemplate")->isVisibleTo(&form));
    grid->item(0, 0)->setCheckState(Qt::Unchecked);
    child<QPushButton>(&form, "btnTemplate")->click();
    EXPECT_EQ(handed, QList<int>{jia});
    grid->item(0, 0)->setCheckState(Qt::Checked);
    auto* choice = child<QComboBox>(&form, "cbForm");
    ASSERT_EQ(choice->count(), 2);
    EXPECT_EQ(choice->itemText(0), appointment::kApprovalFormName);
    EXPECT_EQ(choice->itemText(1), appointment::kShortProfileName);

    target = QStringLiteral("approval.pdf");
    child<QPushButton>(&form, "btnPdf")->click();
    EXPECT_EQ(pdfPages(out.filePath(target)), 4);
    choice->setCurrentIndex(1);
    target = QStringLiteral("short.pdf");
    child<QPushButton>(&form, "btnPdf")->click();
    EXPECT_EQ(pdfPages(out.filePath(target)), 2);
    target = QStringLiteral("word");
    child<QPushButton>(&form, "btnWord")->click();
    EXPECT_EQ(filesIn(out.filePath(target)),
              (QStringList{QStringLiteral("丁.docx"), QStringLiteral("戊.docx")}));
    EXPECT_EQ(messages.texts(), QStringList(3, appointment::kBatchDone));
}

// Photos go out as <xm>.jpg; a cadre without a photo is named and skipped while the others are
// still written. Resumes go out as <xm>同志简历.docx, beside the approval forms without replacing
// them. The plan variant reaches the photos through the lines' cadres.
TEST_F(TBatchOutputFormTest, PhotosAndResumesAreWrittenPerCadreAndAMissingPhotoIsReported) {
    const int withPhoto = addCadre(QStringLiteral("丁"));
    const int withoutPhoto = addCadre(QStringLiteral("戊"));
    QImage picture(cadre::kPhotoWidth, cadre::kPhotoHeight, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(cadre::writePhoto(dm, withPhoto, cadre::encodePhoto(picture)));
    TBatchOutputForm form(dm, QList<int>{withoutPhoto, withPhoto});
    form.setPathChooser([&](QWidget*, bool) { return out.path(); });

    child<QPushButton>(&form, "btnPhotos")->click();
    EXPECT_EQ(filesIn(out.path()), QStringList{QStringLiteral("丁.jpg")});
    EXPECT_EQ(QImage(out.filePath(QStringLiteral("丁.jpg"))).size(), picture.size());
    EXPECT_EQ(messages.texts(),
              (QStringList{appointment::kCadresWithoutPhoto + QStringLiteral("戊"),
                           appointment::kBatchDone}));
    messages.clear();

    child<QPushButton>(&form, "btnWord")->click();
    child<QPushButton>(&form, "btnResumes")->click();
    EXPECT_EQ(filesIn(out.path()),
              (QStringList{QStringLiteral("丁.docx"), QStringLiteral("丁.jpg"),
                           QStringLiteral("丁同志简历.docx"), QStringLiteral("戊.docx"),
                           QStringLiteral("戊同志简历.docx")}));
    EXPECT_EQ(messages.texts(), QStringList(2, appointment::kBatchDone));

    ASSERT_TRUE(appointment::addCadres(db(), plan, {withPhoto}));
    QTemporaryDir planOut;
    TBatchOutputForm planForm(dm, plan);
    planForm.setPathChooser([&](QWidget*, bool) { return planOut.path(); });
    child<QPushButton>(&planForm, "btnPhotos")->click();
    EXPECT_EQ(filesIn(planOut.path()), QStringList{QStringLiteral("丁.jpg")});
}

// Two cadres of the same name in one batch each keep their files: the second gets "(2)".
TEST_F(TBatchOutputFormTest, CadresOfTheSameNameEachKeepTheirFiles) {
    const int first = addCadre(QStringLiteral("丁"));
    const int second = addCadre(QStringLiteral("丁"));
    QImage picture(cadre::kPhotoWidth, cadre::kPhotoHeight, QImage::Format_RGB32);
    for (const int cadreId : {first, second}) {
        picture.fill(cadreId == first ? Qt::darkGreen : Qt::darkRed);
        ASSERT_TRUE(cadre::writePhoto(dm, cadreId, cadre::encodePhoto(picture)));
    }
    TBatchOutputForm form(dm, QList<int>{first, second});
    form.setPathChooser([&](QWidget*, bool) { return out.path(); });
    for (const char* button : {"btnWord", "btnPhotos", "btnResumes"}) {
        child<QPushButton>(&form, button)->click();
    }
    EXPECT_EQ(
        filesIn(out.path()),
        (QStringList{QStringLiteral("丁(2).docx"), QStringLiteral("丁(2).jpg"),
                     QStringLiteral("丁.docx"), QStringLiteral("丁.jpg"),
                     QStringLiteral("丁同志简历(2).docx"), QStringLiteral("丁同志简历.docx")}));
    EXPECT_EQ(QImage(out.filePath(QStringLiteral("丁.jpg"))).pixelColor(5, 5).red() <
                  QImage(out.filePath(QStringLiteral("丁(2).jpg"))).pixelColor(5, 5).red(),
              true);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{});
}

// A list longer than a batch holds asks for a range first, proposing the first 256 rows; the
// window then lists the rows chosen, or is not opened when the range is cancelled. A short
// list is not asked about.
TEST_F(TBatchOutputFormTest, ALongListIsLimitedToTheChosenRangeFirst) {
    {
        TBatchOutputForm shortList(dm, plan);
        ModalAnswer<TBatchRangeForm> unexpected([](TBatchRangeForm* range) { range->reject(); });
        EXPECT_TRUE(shortList.limitToRange());
        EXPECT_FALSE(unexpected.seen());
    }
    QList<int> many;
    for (int i = 4; i <= 300; ++i) {
        many << addCadre(QStringLiteral("人%1").arg(i));
    }
    ASSERT_TRUE(appointment::addCadres(db(), plan, many));

    TBatchOutputForm form(dm, plan);
    int proposedFrom = 0;
    int proposedTo = 0;
    QString hint;
    ModalAnswer<TBatchRangeForm> answer([&](TBatchRangeForm* range) {
        hint = child<QLabel>(range, "lblHint")->text();
        proposedFrom = child<QSpinBox>(range, "spnFrom")->value();
        proposedTo = child<QSpinBox>(range, "spnTo")->value();
        child<QSpinBox>(range, "spnTo")->setValue(20);
        child<QSpinBox>(range, "spnFrom")->setValue(11);
        child<QPushButton>(range, "btnOK")->click();
    });
    ASSERT_TRUE(form.limitToRange());
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(hint, QStringLiteral("当前总人数较多，从输出性能考虑，建议设置输出范围，"));
    EXPECT_EQ(proposedFrom, 1);
    EXPECT_EQ(proposedTo, appointment::kBatchLimit);
    auto* grid = child<QTableWidget>(&form, "gridCadres");
    ASSERT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("人11"));
    EXPECT_EQ(grid->item(9, 1)->text(), QStringLiteral("人20"));
    EXPECT_EQ(form.checkedLines().size(), 10);

    TBatchOutputForm cancelled(dm, plan);
    ModalAnswer<TBatchRangeForm> cancel([&](TBatchRangeForm* range) {
        // The last row follows the first so that the range never runs backwards.
        child<QSpinBox>(range, "spnFrom")->setValue(280);
        EXPECT_EQ(range->last(), 280);
        child<QPushButton>(range, "btnCancel")->click();
    });
    EXPECT_FALSE(cancelled.limitToRange());
    EXPECT_TRUE(cancel.seen());
}

}  // namespace
