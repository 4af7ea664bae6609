#include "training/TrainingLookups.h"

#include "db/Database.h"
#include "training/TrainingClasses.h"

namespace training {

namespace {

Result<QStringList> column(db::Database& db, const QString& sql, QStringList values) {
    const auto rows = db.query(sql);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        const QString value = rows->rows[i].value(0).toString().trimmed();
        if (!value.isEmpty() && !values.contains(value)) {
            values << value;
        }
    }
    return values;
}

}  // namespace

Result<QStringList> bodyNames(db::Database& db) {
    return column(db, QStringLiteral("select Name from tb_pxjg"), {});
}

Result<QStringList> formChoices(db::Database& db) {
    return column(db, QStringLiteral("select s from tb_pxMode"), kForms);
}

Result<QStringList> categoryChoices(db::Database& db) {
    return column(db, QStringLiteral("select s from tb_pxType"), kCategories);
}

}  // namespace training
