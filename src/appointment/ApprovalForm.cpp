#include "appointment/ApprovalForm.h"

#include <QRegularExpression>

#include "appointment/Plans.h"
#include "cadre/Resume.h"
#include "db/Database.h"
#include "text/MonthText.h"

namespace appointment {

namespace {

Failure dbFailure(db::Database& db) {
    return Failure{{}, db.lastError()};
}

QString textOf(const QVariantMap& line, const char* column) {
    return line.value(QString::fromLatin1(column).toLower()).toString();
}

QString dotted(QString monthText) {
    return monthText.replace(QLatin1Char('-'), QLatin1Char('.'));
}

// The text of a vertical label: one character per line.
QString vertical(const QString& text) {
    QStringList characters;
    for (const QChar c : text) {
        characters << QString(c);
    }
    return characters.join(QLatin1Char('\n'));
}

// Makes the font of `cell` smaller, in half points down to 8 points, until its text fits, so
// that a two-line label or value is printed whole rather than clipped.
void fitFont(report::Cell& cell) {
    constexpr qreal kSmallest = 8;
    while (!report::textFits(cell) && cell.font.pointSize > kSmallest) {
        cell.font.pointSize -= 0.5;
    }
}

// Adds the cells of one form page, with positions given from the top left of the printable area.
class PageWriter {
  public:
    PageWriter(report::Layout& layout, int page)
        : layout_(layout), page_(page), origin_(layout.setup().contentRect().topLeft()) {}

    report::Cell& cell(qreal x, qreal y, qreal w, qreal h, const QString& text,
                       Qt::Alignment alignment = Qt::AlignCenter, bool framed = true) {
        report::Cell cell;
        cell.rect = QRectF(origin_.x() + x, origin_.y() + y, w, h);
        cell.text = text;
        cell.font = report::FontSpec::song(12);
        cell.alignment = alignment;
        cell.borders = framed ? report::AllBorders : report::NoBorder;
        // Texts placed without a frame (the unit's name, the dates) use their whole height.
        cell.padding = framed ? 0.5 : 0;
        fitFont(cell);
        return layout_.add(page_, cell);
    }

    report::Cell& value(qreal x, qreal y, qreal w, qreal h, const QString& text) {
        return cell(x, y, w, h, text, Qt::AlignLeft | Qt::AlignVCenter);
    }

  private:
    report::Layout& layout_;
    int page_;
    QPointF origin_;
};

constexpr qreal kRow = 10.5;
constexpr qreal kProfileSummaryHeight = 84;

// The title and the cells of the first page down to the education rows (y 80), which the short
// profile shares with the form.
void addHeadCells(PageWriter& page, const ApprovalSource& source, const QString& heading) {
    const QVariantMap& line = source.line;
    report::Cell& title = page.cell(0, 2, 148, 11, heading, Qt::AlignCenter, false);
    title.font = report::FontSpec::song(22, true);
    fitFont(title);

    // Three rows of three label/value pairs beside the photo.
    const QString birth = birthCellText(textOf(line, "csnyStr"), source.ageDate);
    const QString rows[3][6] = {
        {QStringLiteral("姓  名"), textOf(line, "xm"), QStringLiteral("性  别"), textOf(line, "xb"),
         QStringLiteral("出生年月\n(    岁)"), birth},
        {QStringLiteral("民  族"), textOf(line, "mz"), QStringLiteral("籍  贯"),
         textOf(line, "jgsheng"), QStringLiteral("出 生 地"), textOf(line, "cssheng")},
        {QStringLiteral("入  党\n时  间"),
         partyCellText(textOf(line, "zzmm"), textOf(line, "rdsjStr")),
         QStringLiteral("参加工\n作时间"), dotted(textOf(line, "gzsjStr")),
         QStringLiteral("健康状况"), textOf(line, "jkzk")},
    };
    for (int r = 0; r < 3; ++r) {
        const qreal y = 17 + kRow * r;
        page.cell(0, y, 16, kRow, rows[r][0]);
        page.cell(16, y, 20, kRow, rows[r][1]);
        page.cell(36, y, 16, kRow, rows[r][2]);
        page.cell(52, y, 21, kRow, rows[r][3]);
        page.cell(73, y, 19, kRow, rows[r][4]);
        page.cell(92, y, 23, kRow, rows[r][5]);
    }
    report::Cell& photo = page.cell(115, 17, 33, 42, QString());
    photo.picture = source.photo;

    page.cell(0, 48.5, 16, kRow, QStringLiteral("专业技\n术职务"));
    page.cell(16, 48.5, 36, kRow, textOf(line, "zyjszw"));
    page.cell(52, 48.5, 21, kRow, QStringLiteral("熟悉专业\n有何专长"));
    page.cell(73, 48.5, 42, kRow, textOf(line, "zytc"));

    page.cell(0, 59, 16, 21, QStringLiteral("学  历\n学  位"));
    const auto degree = [&](const char* level, const char* degreeTitle) {
        const QString t = textOf(line, degreeTitle);
        return t.isEmpty() ? textOf(line, level) : textOf(line, level) + QLatin1Char('\n') + t;
    };
    page.cell(16, 59, 20, kRow, QStringLiteral("全日制\n教  育"));
    page.cell(36, 59, 37, kRow, degree("qrzxl", "qrzxw"));
    page.cell(73, 59, 20, kRow, QStringLiteral("毕业院校\n系及专业"));
    page.value(93, 59, 55, kRow, textOf(line, "qrzxxzy"));
    page.cell(16, 69.5, 20, kRow, QStringLiteral("在  职\n教  育"));
    page.cell(36, 69.5, 37, kRow, degree("zzxl", "zzxw"));
    page.cell(73, 69.5, 20, kRow, QStringLiteral("毕业院校\n系及专业"));
    page.value(93, 69.5, 55, kRow, textOf(line, "zzxxzy"));
}

void addFirstPage(report::Layout& layout, const ApprovalSource& source, const QString& heading) {
    const QVariantMap& line = source.line;
    PageWriter page(layout, layout.addPage());
    addHeadCells(page, source, heading);

    const std::pair<QString, const char*> posts[] = {
        {QStringLiteral("现 任 职 务"), "xrz"},
        {QStringLiteral("拟 任 职 务"), "nrz"},
        {QStringLiteral("拟 免 职 务"), "nmz"},
    };
    for (int r = 0; r < 3; ++r) {
        page.cell(0, 80 + kRow * r, 36, kRow, posts[r].first);
        page.value(36, 80 + kRow * r, 112, kRow, textOf(line, posts[r].second));
    }

    page.cell(0, 111.5, 13, 115, vertical(QStringLiteral("简历")));
    const ResumeText resume = source.resume ? *source.resume : resumeText(textOf(line, "gzjl"));
    report::Cell& resumeCell =
        page.cell(13, 111.5, 135, 115, resume.text, Qt::AlignLeft | Qt::AlignTop);
    resumeCell.font = report::FontSpec::fixedSong(resume.pointSize);
    resumeCell.wrap = false;
}

void addSecondPage(report::Layout& layout, const ApprovalSource& source,
                   const ApprovalSettings& settings) {
    const QVariantMap& line = source.line;
    PageWriter page(layout, layout.addPage());
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    page.cell(0, 17, 11, 21, vertical(QStringLiteral("奖惩情况")));
    page.cell(11, 17, 137, 21, textOf(line, "jcNote"), topLeft);
    page.cell(0, 38, 11, 15, QStringLiteral("年核\n度结\n考果"));
    page.cell(11, 38, 137, 15, textOf(line, "khNote"), topLeft);
    page.cell(0, 53, 11, 21, vertical(QStringLiteral("任免理由")));
    page.cell(11, 53, 137, 21, textOf(line, "rmNote"), topLeft);

    page.cell(0, 74, 11, 84, vertical(QStringLiteral("家庭主要成员及重要社会关系")));
    const qreal xs[5] = {11, 28, 48, 56, 72};
    const qreal ws[5] = {17, 20, 8, 16, 76};
    const QString headers[5] = {QStringLiteral("称 谓"), QStringLiteral("姓 名"),
                                QStringLiteral("年龄"), QStringLiteral("政治面貌"),
                                QStringLiteral("工作单位及职务")};
    for (int c = 0; c < 5; ++c) {
        page.cell(xs[c], 74, ws[c], kRow, headers[c]);
    }
    for (int k = 1; k <= 7; ++k) {
        QString texts[5];
        if (k <= settings.familyRows) {
            const auto slot = [&](int j) {
                return line.value(QStringLiteral("f_%1_%2").arg(k).arg(j)).toString();
            };
            const QDate born = text::parseMonthText(slot(3));
            texts[0] = slot(1);
            texts[1] = slot(2);
            texts[2] =
                born.isValid() ? QString::number(formAge(born, source.tableDate)) : QString();
            texts[3] = slot(4);
            texts[4] = slot(5);
        }
        const qreal y = 84.5 + kRow * (k - 1);
        for (int c = 0; c < 4; ++c) {
            page.cell(xs[c], y, ws[c], kRow, texts[c]);
        }
        page.value(xs[4], y, ws[4], kRow, texts[4]);
    }

    page.cell(0, 158, 11, 31, vertical(QStringLiteral("呈报单位")));
    page.cell(11, 158, 137, 31, QString());
    page.cell(11, 158, 133.5, 19, textOf(line, "cbyj"), topLeft, false);
    page.cell(55, 177, 84.5, 5, textOf(line, "cbdw"), Qt::AlignRight | Qt::AlignVCenter, false);
    const QDate date = source.tableDate;
    page.cell(
        94, 182.2, 45, 5.1,
        date.isValid()
            ? QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day())
            : QString(),
        Qt::AlignRight | Qt::AlignVCenter, false);

    const QString seal = QStringLiteral("(盖 章)\n年   月   日");
    page.cell(0, 189, 11, 32, vertical(QStringLiteral("审批机关意见")));
    page.cell(11, 189, 62, 32, QString());
    page.cell(11, 191, 62, 17, textOf(line, "spyj"), topLeft, false);
    page.cell(39, 211, 30, 10, seal, Qt::AlignCenter, false);
    page.cell(73, 189, 12, 32, QStringLiteral("行政\n机关\n任免\n意见"));
    page.cell(85, 189, 63, 32, QString());
    page.cell(85, 191, 62, 17, textOf(line, "rmyj"), topLeft, false);
    page.cell(114, 211, 30, 10, seal, Qt::AlignCenter, false);

    page.cell(5, 224, 45, 6, QStringLiteral("填表人: ") + source.maker,
              Qt::AlignLeft | Qt::AlignVCenter, false);
}

}  // namespace

Result<ApprovalSettings> readApprovalSettings(db::Database& db) {
    ApprovalSettings settings;
    const auto general =
        db.query(QStringLiteral("select rmbfamily,rmbTitle,rmbPage from tb_general"));
    if (!general) {
        return dbFailure(db);
    }
    if (!general->rows.empty()) {
        settings.familyRows = std::clamp(general->rows[0][0].toInt(), 0, 7);
        settings.title = general->rows[0][1].toString();
        settings.paper = general->rows[0][2].toString();
    }
    const Result<QVariant> margin =
        db.scalar(QStringLiteral("select ItemV from tb_conf where GID='ZBJ' and ItemID='A001'"));
    if (!margin) {
        return margin.failure();
    }
    if (margin->isValid()) {
        bool number = false;
        const double cm = margin->toString().trimmed().toDouble(&number);
        if (number) {
            settings.leftMarginCm = cm;
        }
    }
    return settings;
}

Result<void> saveApprovalSettings(db::Database& db, const ApprovalSettings& settings) {
    db::Transaction transaction(db);
    const bool saved =
        transaction.isActive() &&
        db.exec(QStringLiteral("update tb_general set rmbfamily=?,rmbTitle=?,rmbPage=?"),
                {std::clamp(settings.familyRows, 0, 7), settings.title, settings.paper}) &&
        db.exec(QStringLiteral("delete from tb_conf where GID='ZBJ' and ItemID='A001'")) &&
        (!settings.leftMarginCm ||
         db.exec(QStringLiteral("insert into tb_conf (GID,ItemID,ItemV) values ('ZBJ','A001',?)"),
                 {QString::number(*settings.leftMarginCm)})) &&
        transaction.commit();
    if (!saved) {
        return dbFailure(db);
    }
    return {};
}

qreal approvalLeftMargin(const ApprovalSettings& settings) {
    if (settings.leftMarginCm) {
        return *settings.leftMarginCm * 10;
    }
    if (settings.paper == QLatin1String("A4")) {
        return 30;
    }
    if (settings.paper == QLatin1String("B5")) {
        return 18;
    }
    return 23;
}

report::PageSetup approvalPageSetup(const ApprovalSettings& settings) {
    constexpr qreal kTop = 10;
    report::PageSetup setup;
    qreal top = kTop;
    if (settings.paper == QLatin1String("A4")) {
        setup = report::PageSetup::a4();
    } else if (settings.paper == QLatin1String("B5")) {
        setup = report::PageSetup::b5();
    } else {
        setup = report::PageSetup::custom(195, 271);
        top += 20;
    }
    setup.margins = QMarginsF(approvalLeftMargin(settings), top, 0, 0);
    return setup;
}

Result<std::optional<ApprovalSource>> readApprovalSource(db::Database& db, int lineId) {
    const auto line = db.query(QStringLiteral("select * from tb_rmmc_detail where id=?"), {lineId});
    if (!line) {
        return dbFailure(db);
    }
    if (line->rows.empty()) {
        return std::optional<ApprovalSource>();
    }
    ApprovalSource source;
    for (int c = 0; c < line->columns.size(); ++c) {
        source.line.insert(line->columns[c].toLower(), line->rows[0][static_cast<size_t>(c)]);
    }
    const Result<std::optional<PlanHeader>> plan = readPlan(db, source.line.value("mcid").toInt());
    if (!plan) {
        return plan.failure();
    }
    if (*plan) {
        source.tableDate = (*plan)->tbsj;
        source.ageDate = (*plan)->jssj.isValid() ? (*plan)->jssj : (*plan)->tbsj;
        source.maker = (*plan)->tbr;
    }
    const Result<QVariant> photo =
        db.scalar(QStringLiteral("select photo from tb_cadre where CadreID=?"),
                  {source.line.value("mccadreid")});
    if (!photo) {
        return photo.failure();
    }
    if (photo->isValid()) {
        source.photo = QImage::fromData(photo->toByteArray());
    }
    return std::optional<ApprovalSource>(std::move(source));
}

int formAge(const QDate& birth, const QDate& at) {
    // The day count read as a date counts from 1899-12-30, the zero of stored dates.
    return QDate(1899, 12, 30).addDays(birth.daysTo(at)).year() - 1900;
}

QString birthCellText(const QString& csnyStr, const QDate& ageDate) {
    if (csnyStr.isEmpty()) {
        return {};
    }
    const QString shown = dotted(csnyStr);
    const QDate birth = text::parseMonthText(shown);
    if (!birth.isValid() || !ageDate.isValid()) {
        return shown;
    }
    return shown + QStringLiteral("\n(%1岁)").arg(formAge(birth, ageDate));
}

QString partyCellText(const QString& zzmm, const QString& rdsjStr) {
    if (zzmm == QStringLiteral("中共党员")) {
        return dotted(rdsjStr);
    }
    return QLatin1Char('(') + zzmm + QLatin1Char(')');
}

ResumeText resumeText(const QString& gzjl) {
    static const QRegularExpression trailing(QStringLiteral("\\s+$"));
    QString text = report::withLineFeeds(gzjl);
    text.remove(trailing);
    const auto lines = text.isEmpty() ? 0 : text.count(QLatin1Char('\n')) + 1;
    return {text, lines < 25 ? 12.0 : 9.0};
}

report::Layout approvalFormLayout(const ApprovalSource& source, const ApprovalSettings& settings) {
    report::Layout layout(approvalPageSetup(settings));
    addFirstPage(layout, source, settings.title.isEmpty() ? kApprovalFormTitle : settings.title);
    addSecondPage(layout, source, settings);
    return layout;
}

QString shortProfileSummary(const ApprovalSource& source) {
    return cadre::CadreSummaryText(cadre::cadreSummaryFrom([&source](const QString& column) {
                                       return source.line.value(column.toLower());
                                   }),
                                   true);
}

report::Layout shortProfileLayout(const ApprovalSource& source, const ApprovalSettings& settings) {
    report::Layout layout(approvalPageSetup(settings));
    PageWriter page(layout, layout.addPage());
    addHeadCells(page, source, kShortProfileTitle);
    page.cell(0, 80, 36, kRow, QStringLiteral("现 任 职 务"));
    page.value(36, 80, 112, kRow, textOf(source.line, "xrz"));
    page.cell(0, 90.5, 13, kProfileSummaryHeight, vertical(QStringLiteral("简要情况")));
    report::Cell& summary =
        page.cell(13, 90.5, 135, kProfileSummaryHeight,
                  report::withLineFeeds(shortProfileSummary(source)), Qt::AlignLeft | Qt::AlignTop);
    summary.padding = 2;
    const QDate date = source.tableDate;
    if (date.isValid()) {
        page.cell(88, 92.5 + kProfileSummaryHeight, 60, 8,
                  QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day()),
                  Qt::AlignRight | Qt::AlignVCenter, false);
    }
    return layout;
}

Result<void> setCommonOpinions(db::Database& db, int planId, const CommonOpinions& opinions) {
    const std::pair<const char*, QString> texts[] = {
        {"cbdw", opinions.cbdw},
        {"cbyj", opinions.cbyj},
        {"spyj", opinions.spyj},
        {"rmyj", opinions.rmyj},
    };
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return dbFailure(db);
    }
    for (const auto& [column, text] : texts) {
        if (!text.isEmpty() &&
            !db.exec(QStringLiteral("update tb_rmmc_detail set %1=? where mcID=?")
                         .arg(QLatin1String(column)),
                     {text, planId})) {
            return dbFailure(db);
        }
    }
    if (!transaction.commit()) {
        return dbFailure(db);
    }
    return {};
}

}  // namespace appointment
