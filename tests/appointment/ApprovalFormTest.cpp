#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PlanFixture.h"
#include "appointment/ApprovalForm.h"
#include "appointment/ApprovalFormBoxes.h"
#include "appointment/LineEdits.h"
#include "report/PageRenderer.h"

namespace {

using appointment::ApprovalSettings;
using appointment::ApprovalSource;

// The cell of `page` whose text is `text`, or nullptr.
const report::Cell* cellWithText(const report::Layout& layout, int page, const QString& text) {
    for (const report::Cell& cell : layout.cells(page)) {
        if (cell.text == text) {
            return &cell;
        }
    }
    return nullptr;
}

ApprovalSource sampleSource() {
    ApprovalSource source;
    source.tableDate = QDate(2024, 6, 30);
    source.ageDate = QDate(2024, 6, 30);
    source.maker = QStringLiteral("李四");
    source.line = {
        {"xm", QStringLiteral("张三")},         {"xb", QStringLiteral("男")},
        {"csnystr", QStringLiteral("1970-05")}, {"zzmm", QStringLiteral("中共党员")},
        {"rdsjstr", QStringLiteral("1995-07")}, {"gzsjstr", QStringLiteral("1992-08")},
        {"nrz", QStringLiteral("某局主任")},    {"gzjl", QStringLiteral("1992.08-       某单位")},
        {"spyj", QStringLiteral("同意")},       {"cbdw", QStringLiteral("某某县委组织部")},
    };
    for (int k = 1; k <= 7; ++k) {
        source.line.insert(QStringLiteral("f_%1_1").arg(k), QStringLiteral("称谓%1").arg(k));
        source.line.insert(QStringLiteral("f_%1_3").arg(k), QStringLiteral("1960.01"));
    }
    return source;
}

bool isDark(const QImage& image, qreal xMm, qreal yMm, int dpi) {
    const QPoint p(qRound(xMm * dpi / 25.4), qRound(yMm * dpi / 25.4));
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (qGray(image.pixel(p + QPoint(dx, dy))) < 160) {
                return true;
            }
        }
    }
    return false;
}

TEST(ApprovalForm, LeftMarginAndPaperFollowTheSettings) {
    struct Case {
        QString paper;
        std::optional<double> cm;
        qreal margin;
        QSizeF size;
    };
    const Case cases[] = {
        {QStringLiteral("A4"), {}, 30, {210, 297}},
        {QStringLiteral("B5"), {}, 18, {176, 250}},
        {QString(), {}, 23, {195, 271}},
        {QStringLiteral("B5"), 2.5, 25, {176, 250}},
    };
    for (const Case& c : cases) {
        ApprovalSettings settings;
        settings.paper = c.paper;
        settings.leftMarginCm = c.cm;
        const report::PageSetup setup = appointment::approvalPageSetup(settings);
        EXPECT_DOUBLE_EQ(setup.margins.left(), c.margin) << c.paper.toStdString();
        EXPECT_EQ(setup.size, c.size) << c.paper.toStdString();
    }
}

TEST(ApprovalForm, CellTextsFollowTheLineAndTheSettings) {
    EXPECT_EQ(appointment::birthCellText(QStringLiteral("1970-05"), QDate(2024, 6, 30)),
              QStringLiteral("1970.05\n(54岁)"));
    EXPECT_EQ(appointment::birthCellText(QStringLiteral("1970.07"), QDate(2024, 6, 30)),
              QStringLiteral("1970.07\n(53岁)"));
    // A birth text that is no month stays as it is, without an age.
    EXPECT_EQ(appointment::birthCellText(QStringLiteral("七十年代"), QDate(2024, 6, 30)),
              QStringLiteral("七十年代"));
    EXPECT_EQ(appointment::birthCellText(QString(), QDate(2024, 6, 30)), QString());
    EXPECT_EQ(appointment::partyCellText(QStringLiteral("中共党员"), QStringLiteral("1995-07")),
              QStringLiteral("1995.07"));
    EXPECT_EQ(appointment::partyCellText(QStringLiteral("民盟"), QStringLiteral("1995-07")),
              QStringLiteral("(民盟)"));

    const QString line = QStringLiteral("1992.08-1995.09 某单位科员");
    EXPECT_EQ(appointment::resumeText(QStringList(24, line).join(u'\n')).pointSize, 12);
    EXPECT_EQ(appointment::resumeText(QStringList(25, line).join(u'\n')).pointSize, 9);
    EXPECT_EQ(appointment::resumeText(QStringList(24, line).join(u'\n') + QStringLiteral("\n  \n"))
                  .pointSize,
              12);  // trailing blank lines do not count
}

TEST(ApprovalForm, OnlyTheSetNumberOfFamilyRowsIsPrinted) {
    ApprovalSettings settings;
    settings.familyRows = 3;
    const report::Layout layout = appointment::approvalFormLayout(sampleSource(), settings);
    ASSERT_EQ(layout.pageCount(), 2);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(cellWithText(layout, 1, QStringLiteral("称谓%1").arg(k)) != nullptr, k <= 3) << k;
    }
    // Two-line labels and values are printed whole, smaller where 12 point would be clipped.
    EXPECT_TRUE(layout.overflowingCells().empty());
    const report::Cell* birthLabel = cellWithText(layout, 0, QStringLiteral("出生年月\n(    岁)"));
    ASSERT_NE(birthLabel, nullptr);
    EXPECT_LT(birthLabel->font.pointSize, 12);
    EXPECT_GE(birthLabel->font.pointSize, 8);
    EXPECT_EQ(cellWithText(layout, 0, QStringLiteral("张三"))->font.pointSize, 12);
    // The family age is counted against the table date.
    EXPECT_NE(cellWithText(layout, 1, QStringLiteral("64")), nullptr);
    EXPECT_NE(cellWithText(layout, 1, QStringLiteral("2024年6月30日")), nullptr);
    EXPECT_NE(cellWithText(layout, 1, QStringLiteral("填表人: 李四")), nullptr);
    EXPECT_NE(cellWithText(layout, 0, appointment::kApprovalFormTitle), nullptr);
    settings.title = QStringLiteral("某某审批表");
    EXPECT_NE(cellWithText(appointment::approvalFormLayout(sampleSource(), settings), 0,
                           QStringLiteral("某某审批表")),
              nullptr);
}

TEST(ApprovalForm, BirthTextsThatAreNoMonthGiveNoAgeAndTheRestIsFilled) {
    ApprovalSource source = sampleSource();
    source.line.insert(QStringLiteral("csnystr"), QStringLiteral("七十年代"));
    source.line.insert(QStringLiteral("f_1_3"), QStringLiteral("不详"));
    source.line.insert(QStringLiteral("f_2_3"), QStringLiteral("1960.13"));
    ApprovalSettings settings;
    settings.familyRows = 2;
    const report::Layout layout = appointment::approvalFormLayout(source, settings);
    EXPECT_NE(cellWithText(layout, 0, QStringLiteral("七十年代")), nullptr);
    EXPECT_NE(cellWithText(layout, 0, QStringLiteral("1995.07")), nullptr);
    // The age column (x 48 of page 2) of both family rows stays empty beside their relations.
    const QPointF origin = layout.setup().contentRect().topLeft();
    int ageCells = 0;
    for (int k = 1; k <= 2; ++k) {
        const report::Cell* relation = cellWithText(layout, 1, QStringLiteral("称谓%1").arg(k));
        ASSERT_NE(relation, nullptr) << k;
        for (const report::Cell& cell : layout.cells(1)) {
            if (qFuzzyCompare(cell.rect.x() - origin.x(), 48) &&
                qFuzzyCompare(cell.rect.y(), relation->rect.y())) {
                EXPECT_EQ(cell.text, QString()) << k;
                ++ageCells;
            }
        }
    }
    EXPECT_EQ(ageCells, 2);
    EXPECT_NE(cellWithText(layout, 1, QStringLiteral("2024年6月30日")), nullptr);
}

TEST(ApprovalForm, APictureOfThePagesShowsTheFramesAtTheirMillimetres) {
    ApprovalSettings settings;
    settings.paper = QStringLiteral("B5");  // left margin 18 mm
    settings.familyRows = 7;
    const report::Layout layout = appointment::approvalFormLayout(sampleSource(), settings);
    const QPointF origin = layout.setup().contentRect().topLeft();
    ASSERT_DOUBLE_EQ(origin.x(), 18);
    constexpr int dpi = 200;
    // Points on frame lines (vertical lines at x, horizontal ones at y), in form coordinates.
    struct Line {
        int page;
        qreal x;
        qreal y;
    };
    const Line onFrames[] = {
        {0, 0, 20},   {0, 16, 20},     {0, 36, 20},   {0, 52, 20},  {0, 73, 20},  {0, 92, 20},
        {0, 115, 40}, {0, 148, 40},    {0, 5, 17},    {0, 5, 27.5}, {0, 5, 80},   {0, 140, 111.5},
        {0, 13, 150}, {0, 100, 226.5}, {1, 11, 100},  {1, 28, 100}, {1, 48, 100}, {1, 56, 100},
        {1, 72, 100}, {1, 100, 158},   {1, 100, 189}, {1, 73, 200}, {1, 85, 200}, {1, 30, 221},
    };
    const QImage pages[2] = {report::renderPage(layout, 0, dpi),
                             report::renderPage(layout, 1, dpi)};
    for (const Line& line : onFrames) {
        EXPECT_TRUE(isDark(pages[line.page], origin.x() + line.x, origin.y() + line.y, dpi))
            << line.page << " " << line.x << "," << line.y;
    }
    // Half a millimetre beside a vertical frame the paper is white.
    EXPECT_FALSE(isDark(pages[0], origin.x() + 16.8, origin.y() + 20, dpi));
    EXPECT_FALSE(isDark(pages[1], origin.x() + 28.8, origin.y() + 100, dpi));
}

TEST(ApprovalForm, ThePdfHoldsTheTextsOfBothPages) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("form.pdf"));
    ApprovalSettings settings;
    settings.paper = QStringLiteral("A4");
    settings.familyRows = 2;
    const Result<void> written =
        report::writePdf(appointment::approvalFormLayout(sampleSource(), settings), pdf);
    ASSERT_TRUE(written) << written.errorText().toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    // Where pdftotext breaks a line inside a cell is its own choice: blanks do not count. Some
    // glyphs come back as their compatibility forms (radicals), which NFKC folds back.
    const QString output =
        QString::fromUtf8(text.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    EXPECT_EQ(output.count(u'\f'), 2);
    const QString printed = QString(output).remove(QRegularExpression(QStringLiteral("\\s")));
    for (const QString& expected :
         {QStringLiteral("干部任免审批表"), QStringLiteral("张三"), QStringLiteral("1995.07"),
          QStringLiteral("(54岁)"), QStringLiteral("某局主任"), QStringLiteral("某某县委组织部"),
          QStringLiteral("称谓2"), QStringLiteral("2024年6月30日"), QStringLiteral("同意")}) {
        EXPECT_TRUE(printed.contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(printed.contains(QStringLiteral("称谓3")));
}

TEST(ApprovalForm, EveryEditingBoxLiesInAFramedCellOfTheBlankForm) {
    ApprovalSettings settings;
    settings.paper = QStringLiteral("B5");
    const report::Layout blank = appointment::blankApprovalForm(settings);
    const QPointF origin = blank.setup().contentRect().topLeft();
    QStringList placed;
    for (const appointment::FormBox& box : appointment::approvalFormBoxes()) {
        const QRectF onPage = box.rect.translated(origin);
        bool inCell = false;
        for (const report::Cell& cell : blank.cells(box.page)) {
            inCell = inCell || (cell.borders == report::AllBorders &&
                                cell.rect.adjusted(-0.01, -0.01, 0.01, 0.01).contains(onPage));
        }
        EXPECT_TRUE(inCell) << box.column.toStdString();
        placed << box.column;
    }
    // Every column the editor saves has its box, and the photo its own.
    for (const QString& column : appointment::formColumns()) {
        EXPECT_TRUE(placed.contains(column.toLower())) << column.toStdString();
    }
    EXPECT_TRUE(placed.contains(QStringLiteral("photo")));
    // The blank form prints no value: a non-member's empty status is not shown as "()".
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(cellWithText(blank, page, QStringLiteral("()")), nullptr);
    }
}

class ApprovalFormData : public PlanFixture {};

TEST_F(ApprovalFormData, SettingsAndTheLineAreReadFromTheDatabase) {
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_general set rmbfamily=9,rmbPage='B5'")));
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_conf where GID='ZBJ'")));
    Result<ApprovalSettings> settings = appointment::readApprovalSettings(db());
    ASSERT_TRUE(settings) << settings.errorText().toStdString();
    EXPECT_EQ(settings->familyRows, 7);
    EXPECT_DOUBLE_EQ(appointment::approvalLeftMargin(*settings), 18);
    ASSERT_TRUE(db().exec(
        QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values ('ZBJ','A001','2')")));
    settings = appointment::readApprovalSettings(db());
    ASSERT_TRUE(settings);
    EXPECT_DOUBLE_EQ(appointment::approvalLeftMargin(*settings), 20);

    const int cadre = addCadre(QStringLiteral("王五"));
    const int plan = addPlan(QStringLiteral("方案"), QDate(2024, 6, 30));
    ASSERT_TRUE(appointment::addCadres(db(), plan, {cadre}));
    const auto source = appointment::readApprovalSource(db(), lineId(plan, 1));
    ASSERT_TRUE(source) << source.errorText().toStdString();
    ASSERT_TRUE(source->has_value());
    EXPECT_EQ((*source)->line.value(QStringLiteral("xm")).toString(), QStringLiteral("王五"));
    EXPECT_EQ((*source)->tableDate, QDate(2024, 6, 30));
    EXPECT_EQ((*source)->ageDate, QDate(2024, 6, 30));
    const auto gone = appointment::readApprovalSource(db(), 99999);
    ASSERT_TRUE(gone);
    EXPECT_FALSE(gone->has_value());
}

TEST_F(ApprovalFormData, BatchEntryWritesOnlyTheFilledTextsIntoEveryLineOfThePlan) {
    const int plan = addPlan(QStringLiteral("方案"));
    const int other = addPlan(QStringLiteral("另一方案"));
    ASSERT_TRUE(appointment::addCadres(
        db(), plan, {addCadre(QStringLiteral("甲")), addCadre(QStringLiteral("乙"))}));
    ASSERT_TRUE(appointment::addCadres(db(), other, {addCadre(QStringLiteral("丙"))}));
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_rmmc_detail set cbyj='原意见',rmyj='原任免'")));

    appointment::CommonOpinions opinions;
    opinions.spyj = QStringLiteral("同意'任命'");
    const Result<void> done = appointment::setCommonOpinions(db(), plan, opinions);
    ASSERT_TRUE(done) << done.errorText().toStdString();
    for (int order : {1, 2}) {
        const int line = lineId(plan, order);
        EXPECT_EQ(lineValue(line, QStringLiteral("spyj")).toString(), opinions.spyj);
        EXPECT_EQ(lineValue(line, QStringLiteral("cbyj")).toString(), QStringLiteral("原意见"));
        EXPECT_EQ(lineValue(line, QStringLiteral("rmyj")).toString(), QStringLiteral("原任免"));
        EXPECT_FALSE(lineValue(line, QStringLiteral("cbdw")).isValid());
    }
    EXPECT_FALSE(lineValue(lineId(other, 1), QStringLiteral("spyj")).isValid());
}

}  // namespace
