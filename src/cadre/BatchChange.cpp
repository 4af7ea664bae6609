#include "cadre/BatchChange.h"

#include <QVariant>

#include "app/DataModule.h"
#include "db/Database.h"

namespace cadre {

namespace {

// The IDs written by one statement.
constexpr qsizetype kIdsPerStatement = 500;

QString idList(const QList<int>& ids) {
    QStringList texts;
    texts.reserve(ids.size());
    for (const int id : ids) {
        texts << QString::number(id);
    }
    return texts.join(u',');
}

}  // namespace

const std::vector<BatchField>& batchFields() {
    static const std::vector<BatchField> fields{
        {QStringLiteral("性别"), QStringLiteral("xb"), 10},
        {QStringLiteral("政治面貌"), QStringLiteral("zzmm"), 50},
        {QStringLiteral("民族"), QStringLiteral("mz"), 50},
        {QStringLiteral("籍贯"), QStringLiteral("jgSheng"), 50},
        {QStringLiteral("出生地"), QStringLiteral("csSheng"), 50},
        {QStringLiteral("健康状况"), QStringLiteral("jkzk"), 50},
        {QStringLiteral("专业技术职务"), QStringLiteral("zyjszw"), 50},
        {QStringLiteral("特长"), QStringLiteral("zytc"), 255},
        {QStringLiteral("全日制学历"), QStringLiteral("qrzxl"), 50},
        {QStringLiteral("全日制学位"), QStringLiteral("qrzxw"), 50},
        {QStringLiteral("全日制毕业院校"), QStringLiteral("qrzxxzy"), 255},
        {QStringLiteral("在职学历"), QStringLiteral("zzxl"), 50},
        {QStringLiteral("在职学位"), QStringLiteral("zzxw"), 50},
        {QStringLiteral("在职毕业院校"), QStringLiteral("zzxxzy"), 255},
        {QStringLiteral("职务级别"), QStringLiteral("zwjb"), 50},
        {QStringLiteral("干部类型"), QStringLiteral("ctype"), 0},
        {QStringLiteral("人员身份"), QStringLiteral("rybz"), 50},
    };
    return fields;
}

const QStringList& cadreCategories() {
    static const QStringList categories{QStringLiteral("领导干部"), QStringLiteral("非领导干部"),
                                        QStringLiteral("后备干部"), QStringLiteral("其他")};
    return categories;
}

QString valueTooLongMessage(const BatchField& field) {
    return field.caption + QStringLiteral("的值不能超过") + QString::number(field.width) +
           QStringLiteral("个字。");
}

Result<int> applyBatchChange(TDataM& dm, const QList<int>& cadreIds, int fieldIndex,
                             const QString& value) {
    if (cadreIds.isEmpty()) {
        return Failure{kChooseBatchCadres, {}};
    }
    if (fieldIndex < 0 || fieldIndex >= static_cast<int>(batchFields().size())) {
        return Failure{kChooseBatchField, {}};
    }
    const BatchField& field = batchFields()[static_cast<size_t>(fieldIndex)];
    QVariant written = value;
    if (field.width == 0) {
        const qsizetype category = cadreCategories().indexOf(value);
        if (!value.isEmpty() && category < 0) {
            return Failure{kUnknownCategory, {}};
        }
        written = value.isEmpty() ? 0 : 1 << category;
    } else if (value.size() > field.width) {
        return Failure{valueTooLongMessage(field), {}};
    }
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const QString head = QStringLiteral("update tb_cadre set ") + field.column +
                         QStringLiteral("=? where CadreID in (");
    int changed = 0;
    for (qsizetype from = 0; from < cadreIds.size(); from += kIdsPerStatement) {
        if (!db.exec(head + idList(cadreIds.mid(from, kIdsPerStatement)) + u')', {written})) {
            return Failure{{}, db.lastError()};
        }
        changed += db.changes();
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return changed;
}

}  // namespace cadre
