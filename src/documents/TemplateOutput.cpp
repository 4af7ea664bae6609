#include "documents/TemplateOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <map>
#include <tuple>

#include "cadre/CadreRecord.h"
#include "documents/TemplateDocuments.h"
#include "documents/TemplateVocabulary.h"
#include "office/DocxDocument.h"
#include "office/PptxPresentation.h"
#include "office/XlsxWorkbook.h"
#include "office/ZipPackage.h"

namespace documents {

namespace {

using CellKey = std::tuple<int, int, int>;  // page, row, column

// The items of each cell, in the order they stand in it.
std::map<CellKey, QList<TemplateItem>> byCell(const QList<TemplateItem>& items) {
    std::map<CellKey, QList<TemplateItem>> cells;
    for (const TemplateItem& item : items) {
        cells[{item.page, item.h, item.l}] << item;
    }
    return cells;
}

bool isPhoto(const QList<TemplateItem>& items) {
    return items.size() == 1 && items.front().item == kPhotoCode &&
           items.front().kind == ItemKind::Cadre;
}

QString cellText(const QList<TemplateItem>& items, const CadreSheet& sheet) {
    QStringList values;
    for (const TemplateItem& item : items) {
        values << itemText(sheet, item);
    }
    return composeCell(items, values);
}

// A photo's height for a width, at the photo's proportions (the stored size when unreadable).
double photoHeight(const QByteArray& photo, double width) {
    const QImage image = QImage::fromData(photo);
    if (image.isNull() || image.width() == 0) {
        return width * 300.0 / 240.0;
    }
    return width * image.height() / image.width();
}

// Writes one cadre into a filled copy; `rowShift` moves every item down (list rows).
Result<void> fillWorkbook(office::XlsxWorkbook& workbook, const QList<TemplateItem>& items,
                          const CadreSheet& sheet, int rowShift) {
    for (const auto& [key, cellItems] : byCell(items)) {
        const auto [page, row, column] = key;
        if (isPhoto(cellItems)) {
            if (!sheet.photo.isEmpty()) {
                if (Result<void> placed =
                        workbook.placePicture(page, row + rowShift, column, sheet.photo);
                    !placed) {
                    return placed;
                }
            }
            continue;
        }
        if (Result<void> written =
                workbook.setValue(page, row + rowShift, column, cellText(cellItems, sheet));
            !written) {
            return written;
        }
    }
    return {};
}

Result<void> fillDocument(office::DocxDocument& document, const QList<TemplateItem>& items,
                          const CadreSheet& sheet, int rowShift) {
    for (const auto& [key, cellItems] : byCell(items)) {
        const auto [page, row, column] = key;
        if (isPhoto(cellItems)) {
            if (sheet.photo.isEmpty()) {
                continue;
            }
            const Result<double> width = document.cellWidthMm(page, row + rowShift, column);
            const double mm = width && *width > 4 ? *width - 2 : 30;
            if (Result<void> placed = document.setCellPicture(
                    page, row + rowShift, column, sheet.photo, mm, photoHeight(sheet.photo, mm));
                !placed) {
                return placed;
            }
            continue;
        }
        if (Result<void> written =
                document.setCellText(page, row + rowShift, column, cellText(cellItems, sheet));
            !written) {
            return written;
        }
    }
    return {};
}

Result<void> fillPresentation(office::PptxPresentation& presentation,
                              const QList<TemplateItem>& items, const CadreSheet& sheet,
                              int rowShift) {
    for (const auto& [key, cellItems] : byCell(items)) {
        const auto [page, row, column] = key;
        const Result<std::pair<int, int>> table = presentationTable(presentation, page);
        if (!table) {
            return table.failure();
        }
        if (Result<void> written = presentation.setCellText(
                table->first, table->second, row + rowShift, column,
                isPhoto(cellItems) ? QString() : cellText(cellItems, sheet));
            !written) {
            return written;
        }
    }
    return {};
}

// The rows that hold items, per page, each once.
std::map<int, QList<int>> itemRows(const QList<TemplateItem>& items) {
    std::map<int, QSet<int>> found;
    for (const TemplateItem& item : items) {
        found[item.page].insert(item.h);
    }
    std::map<int, QList<int>> rows;
    for (const auto& [page, set] : found) {
        QList<int> sorted(set.begin(), set.end());
        std::sort(sorted.begin(), sorted.end());
        rows[page] = sorted;
    }
    return rows;
}

// Opens the blank file, lets `insert` make room for `count` cadres below each item row (last
// rows first, so that the rows recorded above stay where they are), and fills each cadre.
template <typename Document, typename Insert, typename Fill>
Result<QByteArray> fillRows(Result<Document> opened, const QList<TemplateItem>& items,
                            const QList<CadreSheet>& sheets, Insert insert, Fill fill) {
    if (!opened) {
        return opened.failure();
    }
    Document& document = *opened;
    const std::map<int, QList<int>> rows = itemRows(items);
    const int copies = static_cast<int>(sheets.size()) - 1;
    // Each row of items becomes a list of its own, one row per cadre.
    for (const auto& [page, pageRows] : rows) {
        for (auto row = pageRows.crbegin(); copies > 0 && row != pageRows.crend(); ++row) {
            if (Result<void> made = insert(document, page, *row, copies); !made) {
                return made.failure();
            }
        }
    }
    QList<TemplateItem> shifted = items;
    for (TemplateItem& item : shifted) {
        const QList<int>& pageRows = rows.at(item.page);
        // The item's own row moved down by the copies inserted below the rows above it.
        item.h += static_cast<int>(pageRows.indexOf(item.h)) * copies;
    }
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        if (Result<void> filled = fill(document, shifted, sheets[i], static_cast<int>(i));
            !filled) {
            return filled.failure();
        }
    }
    return document.toBytes();
}

}  // namespace

Result<QByteArray> fillSinglePerson(const StoredTemplate& stored, const CadreSheet& sheet) {
    return fillList(stored, {sheet});
}

Result<QByteArray> fillList(const StoredTemplate& stored, const QList<CadreSheet>& sheets) {
    const QString name = stored.entry.name + fileSuffix(stored.entry.format);
    switch (stored.entry.format) {
        case TemplateFormat::Excel:
            return fillRows(
                office::XlsxWorkbook::fromBytes(stored.blank, name), stored.items, sheets,
                [](office::XlsxWorkbook& book, int page, int row, int count) {
                    return book.insertRowCopies(page, row, count);
                },
                &fillWorkbook);
        case TemplateFormat::Word:
            return fillRows(
                office::DocxDocument::fromBytes(stored.blank, name), stored.items, sheets,
                [](office::DocxDocument& document, int page, int row, int count) {
                    return document.insertRowCopies(page, row, count);
                },
                &fillDocument);
        case TemplateFormat::PowerPoint:
            break;
    }
    return fillRows(
        office::PptxPresentation::fromBytes(stored.blank, name), stored.items, sheets,
        [](office::PptxPresentation& presentation, int page, int row, int count) -> Result<void> {
            const Result<std::pair<int, int>> table = presentationTable(presentation, page);
            if (!table) {
                return table.failure();
            }
            return presentation.insertRowCopies(table->first, table->second, row, count);
        },
        &fillPresentation);
}

QString safeFileName(const QString& name) {
    QString safe = name.trimmed();
    for (QChar& c : safe) {
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20) {
            c = u'_';
        }
    }
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

Result<OutputDone> outputCadres(db::Database& db, const StoredTemplate& stored,
                                const QList<int>& cadreIds, const QString& folder,
                                const QDate& today, const OutputProgress& progress) {
    if (!QDir().mkpath(folder)) {
        return Failure{QStringLiteral("无法建立文件夹：") + folder, {}};
    }
    const QString suffix = fileSuffix(stored.entry.format);
    OutputDone done;
    QList<CadreSheet> sheets;
    QSet<QString> used;
    for (const int cadreId : cadreIds) {
        Result<CadreSheet> sheet = readCadreSheet(db, cadreId, today);
        if (!sheet) {
            if (sheet.failure().message == cadre::kCadreMissing) {
                continue;
            }
            return sheet.failure();
        }
        if (stored.entry.isList()) {
            sheets << std::move(*sheet);
        } else {
            const Result<QByteArray> bytes = fillSinglePerson(stored, *sheet);
            if (!bytes) {
                return bytes.failure();
            }
            const QString base = safeFileName(sheet->name());
            QString fileName = base + suffix;
            for (int n = 2; used.contains(fileName.toLower()); ++n) {
                fileName = QStringLiteral("%1(%2)%3").arg(base).arg(n).arg(suffix);
            }
            used.insert(fileName.toLower());
            const QString path = QDir(folder).filePath(fileName);
            if (Result<void> written = office::writeFileAtomically(path, *bytes); !written) {
                return written.failure();
            }
            done.files << path;
        }
        ++done.cadres;
        if (progress && !progress(done.cadres)) {
            break;
        }
    }
    if (stored.entry.isList() && !sheets.isEmpty()) {
        const Result<QByteArray> bytes = fillList(stored, sheets);
        if (!bytes) {
            return bytes.failure();
        }
        const QString path = QDir(folder).filePath(safeFileName(stored.entry.name) + suffix);
        if (Result<void> written = office::writeFileAtomically(path, *bytes); !written) {
            return written.failure();
        }
        done.files << path;
    }
    return done;
}

}  // namespace documents
