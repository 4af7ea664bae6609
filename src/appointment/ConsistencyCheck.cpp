#include "appointment/ConsistencyCheck.h"

#include "app/DataModule.h"
#include "appointment/PlanLines.h"
#include "db/Database.h"

namespace appointment {

namespace {

QString trimmed(const QVariant& value) {
    return value.toString().trimmed();
}

}  // namespace

QVariant recordValue(const cadre::CadreValues& cadre, const QString& column) {
    for (auto it = cadre.cbegin(); it != cadre.cend(); ++it) {
        if (it.key().compare(column, Qt::CaseInsensitive) == 0) {
            return it.value();
        }
    }
    return {};
}

const QList<PersonalField>& personalFields() {
    static const QList<PersonalField> fields{
        {QStringLiteral("mz"), QStringLiteral("民族")},
        {QStringLiteral("zzmm"), QStringLiteral("政治面貌")},
        {QStringLiteral("jgsheng"), QStringLiteral("籍贯")},
        {QStringLiteral("csnyStr"), QStringLiteral("出生年月")},
        {QStringLiteral("rdsjStr"), QStringLiteral("入党时间")},
        {QStringLiteral("gzsjStr"), QStringLiteral("参加工作时间")},
        {QStringLiteral("cssheng"), QStringLiteral("出生地")},
        {QStringLiteral("jkzk"), QStringLiteral("健康状况")},
        {QStringLiteral("zyjszw"), QStringLiteral("专业技术职务")},
        {QStringLiteral("zytc"), QStringLiteral("专长特长")},
        {QStringLiteral("qrzxw"), QStringLiteral("全日制学位")},
        {QStringLiteral("qrzxl"), QStringLiteral("全日制学历")},
        {QStringLiteral("qrzxxzy"), QStringLiteral("全日制毕业院校及专业")},
        {QStringLiteral("zzxw"), QStringLiteral("在职学位")},
        {QStringLiteral("zzxl"), QStringLiteral("在职学历")},
        {QStringLiteral("zzxxzy"), QStringLiteral("在职毕业院校及专业")},
    };
    return fields;
}

Result<LineAndCadre> readLineAndCadre(db::Database& db, int lineId) {
    const auto rows = db.query(QStringLiteral("select * from tb_rmmc_detail where id=?"), {lineId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    if (rows->rows.empty()) {
        return Failure{kSelectLine, {}};
    }
    LineAndCadre source;
    source.lineId = lineId;
    for (int i = 0; i < rows->columns.size(); ++i) {
        source.line.insert(rows->columns[i].toLower(), rows->rows.front()[i]);
    }
    source.cadreId = source.line.value(QStringLiteral("mccadreid")).toInt();
    const Result<bool> exists = cadreExists(db, source.cadreId);
    if (!exists) {
        return exists.failure();
    }
    if (!*exists) {
        return Failure{kCadreDeleted, {}};
    }
    Result<cadre::CadreValues> record = cadre::readCadre(db, source.cadreId);
    if (!record) {
        return record.failure();
    }
    source.cadre = std::move(*record);
    return source;
}

QList<FieldDifference> personalDifferences(const QVariantMap& line,
                                           const cadre::CadreValues& cadre) {
    QList<FieldDifference> differences;
    for (const PersonalField& field : personalFields()) {
        const QString lineValue = trimmed(line.value(field.column.toLower()));
        const QString cadreValue = trimmed(recordValue(cadre, field.column));
        if (!lineValue.isEmpty() && lineValue != cadreValue) {
            differences.append({field.column, field.caption, cadreValue, lineValue});
        }
    }
    return differences;
}

bool resumeDiffers(const QVariantMap& line, const cadre::CadreValues& cadre) {
    return trimmed(line.value(QStringLiteral("gzjl"))) !=
           trimmed(recordValue(cadre, QStringLiteral("gzjl")));
}

Result<EditedLineCheck> checkEditedLine(db::Database& db, int lineId,
                                        const QStringList& editedColumns) {
    const Result<LineAndCadre> source = readLineAndCadre(db, lineId);
    if (!source) {
        return source.failure();
    }
    EditedLineCheck check;
    check.cadreId = source->cadreId;
    for (const FieldDifference& field : personalDifferences(source->line, source->cadre)) {
        if (editedColumns.contains(field.column.toLower())) {
            check.fields.append(field);
        }
    }
    check.lineResume = source->line.value(QStringLiteral("gzjl")).toString();
    check.cadreResume = recordValue(source->cadre, QStringLiteral("gzjl")).toString();
    check.resumeChanged = editedColumns.contains(QStringLiteral("gzjl")) &&
                          !check.lineResume.trimmed().isEmpty() &&
                          resumeDiffers(source->line, source->cadre);
    return check;
}

Result<void> carryBack(TDataM& dm, int cadreId, const QList<FieldDifference>& chosen,
                       const std::optional<QString>& resume) {
    cadre::CadreValues values;
    for (const FieldDifference& field : chosen) {
        values.insert(field.column, field.lineValue);
    }
    if (resume) {
        values.insert(QStringLiteral("gzjl"), *resume);
    }
    if (values.isEmpty()) {
        return {};
    }
    const Result<cadre::SavedCadre> saved = cadre::saveCadre(dm, cadreId, values, 0);
    if (!saved) {
        return saved.failure();
    }
    return {};
}

}  // namespace appointment
