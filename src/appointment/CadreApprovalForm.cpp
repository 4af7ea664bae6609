#include "appointment/CadreApprovalForm.h"

#include "db/Database.h"
#include "report/PageLayout.h"
#include "text/ResumeWrap.h"

namespace appointment {

namespace {

int lineCount(const QString& text) {
    return text.isEmpty() ? 0 : static_cast<int>(text.count(u'\n')) + 1;
}

}  // namespace

ResumeText recordResumeText(const QString& gzjl) {
    struct Fit {
        int width;
        qreal pointSize;
    };
    const auto wrapped = [&](int width) {
        return report::withLineFeeds(text::wrapResume(gzjl, width));
    };
    QString text = wrapped(62);
    const int lines = lineCount(text);
    if (lines < 23) {
        return {text, 12};
    }
    const Fit fit = lines <= 26 ? Fit{74, 10} : Fit{81, 9};
    return {wrapped(fit.width), fit.pointSize};
}

Result<std::optional<ApprovalSource>> readCadreApprovalSource(db::Database& db, int cadreId,
                                                              const QDate& today) {
    const auto cadre =
        db.query(QStringLiteral("select * from tb_cadre where CadreID=?"), {cadreId});
    if (!cadre) {
        return Failure{{}, db.lastError()};
    }
    if (cadre->rows.empty()) {
        return std::optional<ApprovalSource>();
    }
    ApprovalSource source;
    for (int c = 0; c < cadre->columns.size(); ++c) {
        const QString column = cadre->columns[c].toLower();
        if (column == QLatin1String("photo")) {
            source.photo = QImage::fromData(cadre->rows[0][static_cast<size_t>(c)].toByteArray());
        } else {
            source.line.insert(column, cadre->rows[0][static_cast<size_t>(c)]);
        }
    }
    const auto family = db.query(
        QStringLiteral("select cw,xm,cssjStr,zzmm,dw from tb_family where CadreID=? order by ford"),
        {cadreId});
    if (!family) {
        return Failure{{}, db.lastError()};
    }
    for (size_t k = 0; k < family->rows.size() && k < 7; ++k) {
        for (int j = 0; j < 5; ++j) {
            source.line.insert(QStringLiteral("f_%1_%2").arg(k + 1).arg(j + 1),
                               family->rows[k][static_cast<size_t>(j)]);
        }
    }
    source.tableDate = today;
    source.ageDate = today;
    source.resume = recordResumeText(source.line.value(QStringLiteral("gzjl")).toString());
    return std::optional<ApprovalSource>(std::move(source));
}

}  // namespace appointment
