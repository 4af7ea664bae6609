#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// "标准化检查": stored values that are not in their look-up list, and their rewriting.
namespace settings {

enum class CheckCategory { Education, Degree, Post, Rank, Political, Relationship };
inline constexpr int kCheckCategoryCount = 6;

// The name of a category as the window shows it: "学历", "学位", "职务", "职级", "政治面貌",
// "家庭成员称谓".
QString categoryName(CheckCategory category);
// The name in the question of "加入标准库" ("称谓" for relationships); empty for political
// status, whose list is fixed.
QString standardListName(CheckCategory category);

// One non-standard value: how many stored fields hold it, over every column of its category.
struct NonStandardValue {
    QString value;
    int count = 0;
};

// The distinct non-blank values of the category's columns that are not in its list, by value.
Result<QList<NonStandardValue>> nonStandardValues(db::Database& db, CheckCategory category);

// The values of the category's standard list, for choosing a replacement.
Result<QStringList> standardValues(db::Database& db, CheckCategory category);

// Adds `value` to the category's list (not for political status).
Result<void> addToStandard(db::Database& db, CheckCategory category, const QString& value);

// One rewrite: every field of the category holding `from` gets `to` (empty: blanked).
struct ValueMapping {
    CheckCategory category = CheckCategory::Education;
    QString from;
    QString to;
};

// Applies every mapping in one transaction: all of them or, when a statement fails, none.
Result<void> applyMappings(db::Database& db, const QList<ValueMapping>& mappings);

inline QString addToStandardQuestion(CheckCategory category, const QString& value) {
    return QStringLiteral("确认将<") + value + QStringLiteral(">加入") +
           standardListName(category) + QStringLiteral("标准库?");
}

}  // namespace settings
