#include "cadre/ResumePrintout.h"

#include <algorithm>

#include "app/DataModule.h"
#include "cadre/Photo.h"
#include "db/Database.h"

namespace cadre {

namespace {

constexpr qreal kPageWidth = 182;
constexpr qreal kPageHeight = 257;
constexpr qreal kLeftMargin = 12;
constexpr qreal kTopMargin = 16;
constexpr qreal kRightMargin = 12;
constexpr qreal kBottomMargin = 16;
constexpr qreal kTitleHeight = 14;
constexpr qreal kBoxWidth = 33;  // a two-inch photograph, 33 × 48 mm
constexpr qreal kBoxHeight = 48;
constexpr qreal kGap = 5;
constexpr qreal kResumePointSize = 12;
constexpr qreal kResumeLineHeight = kResumePointSize * 25.4 / 72 * 1.6;

}  // namespace

Result<ResumePrintData> readResumePrintData(TDataM& dm, int cadreId) {
    db::Database& db = dm.db();
    const Result<CadreSummary> summary = readCadreSummary(db, cadreId);
    const Result<QVariant> resume =
        db.scalar(QStringLiteral("select gzjl from tb_cadre where CadreID=?"), {cadreId});
    const Result<QByteArray> photo = readPhoto(dm, cadreId);
    if (!summary || !resume || !photo) {
        return Failure{QStringLiteral("无法读取干部信息（编号 %1）。").arg(cadreId),
                       db.lastError()};
    }
    return ResumePrintData{*summary, resume->toString(), decodePhoto(*photo)};
}

QString resumeTitle(const CadreSummary& summary) {
    return summary.xm + QStringLiteral("同志简历");
}

report::Layout resumePrintout(const ResumePrintData& data) {
    report::PageSetup setup = report::PageSetup::custom(kPageWidth, kPageHeight);
    setup.margins = QMarginsF(kLeftMargin, kTopMargin, kRightMargin, kBottomMargin);
    report::Layout layout(setup);
    const QRectF content = setup.contentRect();
    const int page = layout.addPage();

    report::Cell title;
    title.rect = QRectF(content.left(), content.top(), content.width(), kTitleHeight);
    title.text = resumeTitle(data.summary);
    title.font = report::FontSpec::fangSong(20, true);
    title.alignment = Qt::AlignCenter;
    title.wrap = false;
    layout.add(page, title);

    const qreal top = content.top() + kTitleHeight + kGap;
    report::Cell photo;
    photo.rect = QRectF(content.right() - kBoxWidth, top, kBoxWidth, kBoxHeight);
    photo.borders = report::AllBorders;
    photo.picture = data.photo;
    photo.padding = 0.5;
    layout.add(page, photo);

    // The summary grows downwards with its length; the resume starts below it or the photo.
    report::Cell summary;
    summary.text = CadreSummaryText(data.summary, true);
    summary.font = report::FontSpec::fangSong(14);
    summary.alignment = Qt::AlignLeft | Qt::AlignTop;
    summary.padding = 0;
    const qreal summaryWidth = content.width() - kBoxWidth - kGap;
    const qreal summaryHeight =
        report::textSize(summary.text, summary.font, summaryWidth).height() + 1;
    summary.rect = QRectF(content.left(), top, summaryWidth, summaryHeight);
    layout.add(page, summary);

    const QString resume = printedResume(data.resume);
    if (!resume.isEmpty()) {
        report::flowLines(layout, resume.split(QStringLiteral("\r\n")),
                          report::FontSpec::fixedSong(kResumePointSize), content,
                          top + std::max(summaryHeight, kBoxHeight) + kGap, kResumeLineHeight);
    }
    return layout;
}

}  // namespace cadre
