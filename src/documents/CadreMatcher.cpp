#include "documents/CadreMatcher.h"

#include "db/Database.h"
#include "text/PersonName.h"

namespace documents {

namespace {

// The key that finds the cadres of a name: the stored form of the name, compared without regard
// to case as the database compares texts.
QString nameKey(const QString& name) {
    return text::normalizeName(name.trimmed()).toLower();
}

}  // namespace

QString duplicateCadresProblem(int count) {
    return QStringLiteral("在职干部中有%1人同名，无法确定更新哪一位，未导入").arg(count);
}

QString repeatedNameProblem(const QString& earlier) {
    return QStringLiteral("与%1姓名相同，未导入").arg(earlier);
}

Result<CadreMatcher> CadreMatcher::load(db::Database& db) {
    const auto rows = db.query(QStringLiteral("select CadreID,xm from tb_cadre where classid=0"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    CadreMatcher matcher;
    for (const QVariantList& row : rows->rows) {
        matcher.serving_[nameKey(row.value(1).toString())].append(row.value(0).toInt());
    }
    return matcher;
}

CadreMatch CadreMatcher::match(const QString& name, const QString& where) {
    const QString key = nameKey(name);
    CadreMatch found;
    if (const auto earlier = seen_.constFind(key); earlier != seen_.cend()) {
        found.problem = repeatedNameProblem(*earlier);
        return found;
    }
    seen_.insert(key, where);
    const QList<int> namesakes = serving_.value(key);
    if (namesakes.size() > 1) {
        found.problem = duplicateCadresProblem(static_cast<int>(namesakes.size()));
        return found;
    }
    found.action = namesakes.isEmpty() ? RowAction::Create : RowAction::Update;
    found.cadreId = namesakes.isEmpty() ? 0 : namesakes.first();
    return found;
}

}  // namespace documents
