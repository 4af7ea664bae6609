#include "statistics/CountSettings.h"

#include "db/Database.h"
#include "db/SqlText.h"

namespace statistics {

namespace {

const QString kAgeType = QStringLiteral("统计-年龄");
const QString kLevelType = QStringLiteral("统计-职级");
const QString kNationType = QStringLiteral("统计-民族");

Failure readFailure(db::Database& db) {
    return Failure{QStringLiteral("统计设置读取失败。"), db.lastError()};
}

// The values of a list and its rest (its last entry); `values` keeps kListLength entries.
void splitList(const QStringList& entries, QStringList* values, QString* rest) {
    QStringList list = entries;
    if (!list.isEmpty()) {
        *rest = list.takeLast();
    }
    for (int i = 0; i < kListLength; ++i) {
        (*values)[i] = list.value(i);
    }
}

}  // namespace

CountSettings defaultSettings() {
    CountSettings settings;
    settings.bands.append({QStringLiteral("小于等于"), 35, 0});
    for (int first = 36; first <= 56; first += 5) {
        settings.bands.append({QStringLiteral("介于"), first, first + 4});
    }
    settings.bands.append({QStringLiteral("大于"), 60, 0});
    for (int i = 0; i < kListLength; ++i) {
        settings.levels << QString();
        settings.nations << QString();
    }
    settings.levelRest = QStringLiteral("其他");
    settings.nationRest = QStringLiteral("其他");
    return settings;
}

Result<CountSettings> readSettings(db::Database& db) {
    const auto rows = db.query(
        QStringLiteral("select nType,params1,params2,params3 from tb_params order by nType,ord"));
    if (!rows) {
        return readFailure(db);
    }
    CountSettings settings = defaultSettings();
    QList<AgeBand> bands;
    QStringList levels;
    QStringList nations;
    for (const QVariantList& row : rows->rows) {
        const QString type = row.value(0).toString();
        const QString first = row.value(1).toString();
        if (type == kAgeType) {
            bands.append({first, row.value(2).toInt(), row.value(3).toInt()});
        } else if (type == kLevelType) {
            levels << first;
        } else if (type == kNationType) {
            nations << first;
        }
    }
    for (int i = 0; i < bands.size() && i < kBandCount; ++i) {
        settings.bands[i] = bands[i];
    }
    if (!levels.isEmpty()) {
        splitList(levels, &settings.levels, &settings.levelRest);
    }
    if (!nations.isEmpty()) {
        splitList(nations, &settings.nations, &settings.nationRest);
    }
    return settings;
}

Result<void> saveSettings(db::Database& db, const CountSettings& settings) {
    const QString insert = QStringLiteral(
        "insert into tb_params (nType,ord,params1,params2,params3) values (?,?,?,?,?)");
    db::Transaction transaction(db);
    bool written = db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_params"));
    int ord = 1;
    for (const AgeBand& band : settings.bands) {
        const QString second =
            band.relation == QStringLiteral("介于") ? QString::number(band.second) : QString();
        written = written && db.exec(insert, {kAgeType, ord++, band.relation,
                                              QString::number(band.first), second});
    }
    const auto writeList = [&](const QString& type, const QStringList& values,
                               const QString& rest) {
        int position = 1;
        for (const QString& value : values + QStringList{rest}) {
            written = written && db.exec(insert, {type, position++, value, QString(), QString()});
        }
    };
    writeList(kLevelType, settings.levels, settings.levelRest);
    writeList(kNationType, settings.nations, settings.nationRest);
    if (!written || !transaction.commit()) {
        return Failure{QStringLiteral("统计设置保存失败。"), db.lastError()};
    }
    return {};
}

}  // namespace statistics
