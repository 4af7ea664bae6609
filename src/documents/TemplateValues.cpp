#include "documents/TemplateValues.h"

#include <QDateTime>

#include "cadre/CadreRecord.h"
#include "cadre/Resume.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "documents/TemplateVocabulary.h"
#include "training/TrainingRecords.h"

namespace documents {

namespace {

QVariantMap rowMap(const db::QueryResult& rows, size_t row) {
    QVariantMap map;
    for (qsizetype i = 0; i < rows.columns.size(); ++i) {
        map.insert(rows.columns[i].toLower(), rows.rows[row][size_t(i)]);
    }
    return map;
}

QString valueText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("yyyy.MM"));
        case QMetaType::QDateTime:
            return value.toDateTime().date().toString(QStringLiteral("yyyy.MM"));
        case QMetaType::Double: {
            const double number = value.toDouble();
            if (number == static_cast<double>(static_cast<qint64>(number))) {
                return QString::number(static_cast<qint64>(number));
            }
            return QString::number(number);
        }
        case QMetaType::QByteArray:
            return {};
        default:
            break;
    }
    QString text = value.toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text;
}

// The resume's periods: each period row with the content of the continuation rows after it.
cadre::ResumeTable periods(const QString& resume) {
    cadre::ResumeTable joined;
    for (const cadre::ResumeRow& row : cadre::resumeToTable(resume)) {
        if (!row.start.isEmpty() || joined.empty()) {
            joined.push_back(row);
        } else {
            joined.back().content += row.content;
        }
    }
    return joined;
}

QString resumePart(const QString& resume, const QString& code) {
    QStringList lines;
    if (code == kResumeRunningTextCode) {
        for (const cadre::ResumeRow& row : cadre::resumeToTable(resume)) {
            lines << row.content;
        }
        return lines.join(u'\n');
    }
    for (const cadre::ResumeRow& row : periods(resume)) {
        if (code == kResumePeriodsCode) {
            lines << (row.start.isEmpty() ? QString() : row.start + u'-' + row.end);
        } else if (code == kResumeEndsCode) {
            lines << row.end;
        } else {
            lines << row.content;
        }
    }
    return lines.join(u'\n');
}

QString trainingLine(const training::TrainingRecord& record) {
    const auto month = [](const QDate& date) {
        return date.isValid() ? date.toString(QStringLiteral("yyyy.MM")) : QString();
    };
    QString line = month(record.start);
    if (record.end.isValid()) {
        line += u'-' + month(record.end);
    }
    if (!line.isEmpty()) {
        line += u' ';
    }
    line += record.name;
    if (!record.body.isEmpty()) {
        line += QStringLiteral("（") + record.body + QStringLiteral("）");
    }
    return line;
}

}  // namespace

Result<CadreSheet> readCadreSheet(db::Database& db, int cadreId, const QDate& today) {
    const sql::Fragments fragments = sql::Fragments::forDay(today);
    const std::optional<db::QueryResult> cadre =
        db.query(QStringLiteral("select *,") + fragments.SqlAgeColumn +
                     QStringLiteral("from tb_cadre where cadreid=?"),
                 {cadreId});
    if (!cadre) {
        return Failure{{}, db.lastError()};
    }
    if (cadre->rows.empty()) {
        return Failure{cadre::kCadreMissing, {}};
    }
    CadreSheet sheet;
    sheet.cadreId = cadreId;
    sheet.cadre = rowMap(*cadre, 0);
    sheet.photo = sheet.cadre.take(kPhotoCode).toByteArray();
    const std::optional<db::QueryResult> family = db.query(
        QStringLiteral("select *,Year(") + sql::dateLiteral(today) +
            QStringLiteral(
                "-cssj)-1900 as age from tb_family where cadreid=? order by ford,FamilyID"),
        {cadreId});
    const std::optional<db::QueryResult> units =
        db.query(QStringLiteral("select d.Name from tb_cadre_node n inner join tb_department d on "
                                "d.ID=n.dwID where n.ZwCadreID=? order by d.dwIndex,n.CnID"),
                 {cadreId});
    if (!family || !units) {
        return Failure{{}, db.lastError()};
    }
    for (size_t i = 0; i < family->rows.size(); ++i) {
        sheet.family << rowMap(*family, i);
    }
    for (const QVariantList& row : units->rows) {
        sheet.units << row[0].toString();
    }
    const Result<std::vector<training::TrainingRecord>> history =
        training::trainingHistory(db, cadreId);
    if (!history) {
        return history.failure();
    }
    for (const training::TrainingRecord& record : *history) {
        sheet.training << trainingLine(record);
    }
    return sheet;
}

QString itemText(const CadreSheet& sheet, const TemplateItem& item) {
    switch (item.kind) {
        case ItemKind::Family:
            if (item.ord < 1 || item.ord > sheet.family.size()) {
                return {};
            }
            return valueText(sheet.family[item.ord - 1].value(item.item.toLower()));
        case ItemKind::Unit:
            if (item.item == kMergedUnitNamesCode) {
                return sheet.units.join(QStringLiteral("、"));
            }
            return sheet.units.value(0);
        case ItemKind::Cadre:
            break;
    }
    const QString resume = sheet.cadre.value(kResumeCode).toString();
    if (item.item == kResumePeriodsCode || item.item == kResumeEndsCode ||
        item.item == kResumeContentsCode || item.item == kResumeRunningTextCode) {
        return resumePart(resume, item.item);
    }
    if (item.item == QStringLiteral("pxjl")) {
        return sheet.training.join(u'\n');
    }
    return valueText(sheet.cadre.value(item.item.toLower()));
}

bool isReadableItem(const TemplateItem& item) {
    if (item.kind == ItemKind::Unit || item.item == kAgeCode || item.item == kPhotoCode ||
        item.item == QStringLiteral("pxjl")) {
        return false;
    }
    return item.kind == ItemKind::Family || !item.item.contains(u'-');
}

}  // namespace documents
