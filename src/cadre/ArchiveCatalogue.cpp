#include "cadre/ArchiveCatalogue.h"

#include "cadre/OrderedRows.h"
#include "db/Database.h"

namespace cadre {

namespace {

const OrderedRows kCatalogueOrder{QStringLiteral("E01"), QStringLiteral("ID"),
                                  QStringLiteral("cid"), QStringLiteral("E01Z104"),
                                  QStringLiteral("E01Z101,")};

bool isNumberColumn(const QString& column) {
    return column == u"E01Z104" || column == u"E01Z124" || column == u"E01Z114";
}

}  // namespace

QString catalogueListStatement(int cadreId) {
    return QStringLiteral("select * from E01 where cid=") + QString::number(cadreId) +
           QStringLiteral(" order by E01Z101,E01Z104");
}

Result<int> addCatalogueEntry(db::Database& db, int cadreId, const QString& category) {
    // Entries without a category are numbered among themselves.
    const Result<QVariant> last =
        category.isEmpty()
            ? db.scalar(QStringLiteral("select max(E01Z104) from E01 where cid=? and "
                                       "(E01Z101 is null or E01Z101='')"),
                        {cadreId})
            : db.scalar(QStringLiteral("select max(E01Z104) from E01 where cid=? and E01Z101=?"),
                        {cadreId, category});
    if (!last) {
        return last.failure();
    }
    if (!db.exec(
            QStringLiteral("insert into E01 (cid,E01Z101,E01Z104) values (?,?,?)"),
            {cadreId, category.isEmpty() ? QVariant() : QVariant(category), last->toInt() + 1})) {
        return Failure{{}, db.lastError()};
    }
    return static_cast<int>(db.lastInsertId());
}

Result<void> updateCatalogueEntry(db::Database& db, int cadreId, int id, const QString& column,
                                  const QVariant& value) {
    bool known = false;
    for (const CatalogueColumn& c : kCatalogueColumns) {
        known = known || column == QLatin1String(c.column);
    }
    if (!known) {
        return Failure{kNotACatalogueColumn, {}};
    }
    const QString text = value.toString().trimmed();
    QVariant stored = text.isEmpty() ? QVariant() : QVariant(text);
    if (isNumberColumn(column) && !text.isEmpty()) {
        bool number = false;
        const int n = text.toInt(&number);
        stored = number ? QVariant(n) : QVariant();
    }
    if (!db.exec(
            QStringLiteral("update E01 set ") + column + QStringLiteral("=? where cid=? and ID=?"),
            {stored, cadreId, id})) {
        return Failure{{}, db.lastError()};
    }
    if (db.changes() == 0) {
        return Failure{kCatalogueEntryGone, {}};
    }
    return {};
}

Result<void> deleteCatalogueEntry(db::Database& db, int cadreId, int id) {
    if (!db.exec(QStringLiteral("delete from E01 where cid=? and ID=?"), {cadreId, id})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> moveCatalogueEntry(db::Database& db, int cadreId, int id, int step) {
    return swapWithNeighbour(db, kCatalogueOrder, cadreId, id, step, kCatalogueEntryGone);
}

}  // namespace cadre
