#include "cadre/ArchiveCatalogue.h"

#include <QHash>
#include <QRegularExpression>

#include "cadre/OrderedRows.h"
#include "db/Database.h"
#include "office/Spreadsheet.h"

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

namespace {

// A category heading without its enumeration: "一、履历材料" and "（一）履历材料" give "履历材料".
QString headingCategory(const QString& text) {
    static const QRegularExpression enumeration(QStringLiteral(
        "^(?:[（(][一二三四五六七八九十0-9]+[）)]|[一二三四五六七八九十0-9]+[、.．])\\s*"));
    return text.trimmed().remove(enumeration).trimmed();
}

}  // namespace

Result<int> importCatalogue(db::Database& db, int cadreId, const office::Spreadsheet& workbook) {
    const Result<office::CellRange> range = workbook.usedRange(1);
    if (!range) {
        return range.failure();
    }
    const auto cell = [&workbook](int row, int column) {
        const Result<QString> text = workbook.text(1, row, column);
        return text ? text->trimmed() : QString();
    };
    // The caption row and the column of each caption.
    QHash<QString, int> columns;
    int headerRow = 0;
    for (int row = range->firstRow; row <= range->lastRow && headerRow == 0; ++row) {
        for (int column = range->firstColumn; column <= range->lastColumn; ++column) {
            if (cell(row, column) == u"材料名称") {
                headerRow = row;
            }
        }
    }
    if (headerRow == 0) {
        return Failure{kCatalogueSheetWithoutNames, {}};
    }
    for (int column = range->firstColumn; column <= range->lastColumn; ++column) {
        columns.insert(cell(headerRow, column), column);
    }
    const auto value = [&](int row, const char* caption) {
        const int column = columns.value(QString::fromUtf8(caption), 0);
        return column == 0 ? QString() : cell(row, column);
    };
    const auto number = [](const QString& text) {
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok ? QVariant(n) : QVariant();
    };

    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    QString heading;
    int imported = 0;
    for (int row = headerRow + 1; row <= range->lastRow; ++row) {
        const QString name = value(row, "材料名称");
        if (name.isEmpty()) {
            const QString first = cell(row, range->firstColumn);
            bool onlyFirst = !first.isEmpty();
            for (int column = range->firstColumn + 1; column <= range->lastColumn; ++column) {
                onlyFirst = onlyFirst && cell(row, column).isEmpty();
            }
            if (onlyFirst && !number(first).isValid()) {
                heading = headingCategory(first);
            }
            continue;
        }
        const QString own = value(row, "材料类别");
        const QString category = own.isEmpty() ? heading : own;
        const Result<int> id = addCatalogueEntry(db, cadreId, category);
        if (!id) {
            return id.failure();
        }
        QVariant sequence = number(value(row, "序号"));
        const QString made = value(row, "材料制成日期");
        QVariantList params = {name, made.isEmpty() ? QVariant() : QVariant(made),
                               number(value(row, "份数")), number(value(row, "页数"))};
        QString setSequence;
        if (sequence.isValid()) {
            setSequence = QStringLiteral(",E01Z104=?");
            params << sequence;
        }
        params << *id;
        if (!db.exec(QStringLiteral("update E01 set E01Z111A=?,E01Z117=?,E01Z124=?,E01Z114=?") +
                         setSequence + QStringLiteral(" where ID=?"),
                     params)) {
            return Failure{{}, db.lastError()};
        }
        ++imported;
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return imported;
}

}  // namespace cadre
