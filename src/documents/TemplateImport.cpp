#include "documents/TemplateImport.h"

#include <QFileInfo>
#include <algorithm>
#include <map>
#include <tuple>

#include "app/DataModule.h"
#include "cadre/Family.h"
#include "cadre/IncomingValues.h"
#include "db/Database.h"
#include "documents/CadreMatcher.h"
#include "documents/TemplateValues.h"
#include "office/DocxDocument.h"
#include "office/Spreadsheet.h"
#include "text/PersonName.h"

namespace documents {

namespace {

using CellKey = std::tuple<int, int, int>;

const QString kNoName = QStringLiteral("%1：没有姓名，未导入。");
const QString kRefused = QStringLiteral("%1：%2");
const QString kPersonOfList = QStringLiteral("%1第%2人");

Failure loadFailed(const Failure& reason) {
    return Failure{kTemplateLoadFailed + u'\n' + reason.text(), {}};
}

// Stores the text of each readable item of a cell.
void take(const QString& text, const QList<TemplateItem>& items, FilledValues& values) {
    const QStringList parts = splitCell(text, items);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TemplateItem& item = items[i];
        if (!isReadableItem(item)) {
            continue;
        }
        if (item.kind == ItemKind::Family) {
            values.family[item.ord].insert(item.item.toLower(), parts.value(i));
        } else if (item.item == kResumeCode) {
            values.cadre.insert(item.item,
                                QString(parts.value(i)).replace(u'\n', QStringLiteral("\r\n")));
        } else {
            values.cadre.insert(item.item, parts.value(i));
        }
    }
}

template <typename ReadText>
Result<FilledValues> readCells(const QList<TemplateItem>& items, ReadText readText, int rowShift) {
    std::map<CellKey, QList<TemplateItem>> cells;
    for (const TemplateItem& item : items) {
        cells[{item.page, item.h, item.l}] << item;
    }
    // Cells with nothing to store are not read: a filled file may lack the photo's sheet.
    std::erase_if(cells, [](const auto& cell) {
        return std::none_of(cell.second.cbegin(), cell.second.cend(), &isReadableItem);
    });
    FilledValues values;
    for (const auto& [key, cellItems] : cells) {
        const auto [page, row, column] = key;
        const Result<QString> text = readText(page, row + rowShift, column);
        if (!text) {
            return loadFailed(text.failure());
        }
        take(*text, cellItems, values);
    }
    return values;
}

// The people of a filled file: the one of a single-person template, or those of a list, one a
// row while the name cell holds a name.
template <typename ReadText>
Result<QList<FilledValues>> readPeople(const StoredTemplate& stored, ReadText readText) {
    if (!stored.entry.isList()) {
        Result<FilledValues> one = readCells(stored.items, readText, 0);
        if (!one) {
            return one.failure();
        }
        return QList<FilledValues>{std::move(*one)};
    }
    const TemplateItem* name = nullptr;
    std::map<int, int> rowOfPage;
    for (const TemplateItem& item : stored.items) {
        if (item.kind == ItemKind::Cadre && item.item == QStringLiteral("xm")) {
            name = &item;
        }
        if (rowOfPage.emplace(item.page, item.h).first->second != item.h) {
            return Failure{kListRowsNotReadable, {}};
        }
    }
    if (name == nullptr) {
        return Failure{kListRowsNotReadable, {}};
    }
    QList<FilledValues> people;
    for (int shift = 0;; ++shift) {
        // The list ends at a row without a name, or at the end of the sheet or table.
        const Result<QString> text = readText(name->page, name->h + shift, name->l);
        if (!text || splitCell(*text, {*name}).value(0).isEmpty()) {
            break;
        }
        Result<FilledValues> person = readCells(stored.items, readText, shift);
        if (!person) {
            return person.failure();
        }
        people << std::move(*person);
    }
    return people;
}

// The family members of a cadre in family order: their FamilyIDs.
Result<QList<int>> familyIds(db::Database& db, int cadreId) {
    const std::optional<db::QueryResult> rows = db.query(
        QStringLiteral("select FamilyID from tb_family where CadreID=? order by ford,FamilyID"),
        {cadreId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QList<int> ids;
    for (const QVariantList& row : rows->rows) {
        ids << row[0].toInt();
    }
    return ids;
}

Result<void> saveFamily(TDataM& dm, int cadreId, const QMap<int, QVariantMap>& family) {
    const Result<QList<int>> ids = familyIds(dm.db(), cadreId);
    if (!ids) {
        return ids.failure();
    }
    for (auto member = family.cbegin(); member != family.cend(); ++member) {
        const QVariantMap& values = member.value();
        const bool empty = std::all_of(values.cbegin(), values.cend(), [](const QVariant& value) {
            return value.toString().trimmed().isEmpty();
        });
        if (empty) {
            continue;
        }
        cadre::FamilyMember saved;
        const int index = member.key() - 1;
        if (index < ids->size()) {
            const auto stored = cadre::readFamilyMember(dm.db(), cadreId, ids->at(index));
            if (!stored) {
                return stored.failure();
            }
            if (stored->has_value()) {
                saved = **stored;
            }
        }
        saved.cadreId = cadreId;
        const auto text = [&values](const char* code, const QString& current) {
            const QString key = QString::fromLatin1(code).toLower();
            return values.contains(key) ? values.value(key).toString() : current;
        };
        saved.relation = text("cw", saved.relation);
        saved.name = text("xm", saved.name);
        saved.birthMonth = text("cssjStr", saved.birthMonth);
        saved.party = text("zzmm", saved.party);
        saved.workplace = text("dw", saved.workplace);
        if (Result<int> written = cadre::saveFamilyMember(dm, saved); !written) {
            return written.failure();
        }
    }
    return {};
}

}  // namespace

Result<QList<FilledValues>> readFilledFile(const StoredTemplate& stored, const QString& path) {
    if (!stored.entry.isReadable()) {
        return Failure{kNotReadable, {}};
    }
    if (stored.entry.format == TemplateFormat::Excel) {
        Result<std::unique_ptr<office::Spreadsheet>> book = office::openSpreadsheet(path);
        if (!book) {
            return loadFailed(book.failure());
        }
        const office::Spreadsheet& sheet = **book;
        return readPeople(stored, [&sheet](int page, int row, int column) {
            return sheet.text(page, row, column);
        });
    }
    Result<office::DocxDocument> document = office::DocxDocument::open(path);
    if (!document) {
        return loadFailed(document.failure());
    }
    const office::DocxDocument& word = *document;
    return readPeople(stored, [&word](int page, int row, int column) {
        return word.cellText(page, row, column);
    });
}

namespace {

// Stores one person read from a file (`where` names it in the log) as `matcher` matches it; a
// refusal is logged, a database failure returned.
Result<void> importPerson(TDataM& dm, CadreMatcher& matcher, const FilledValues& values,
                          const QString& where, int unitId, FilledImportOutcome& outcome) {
    db::Database& db = dm.db();
    const QString name = values.name();
    if (name.isEmpty()) {
        outcome.log << kNoName.arg(where);
        return {};
    }
    const CadreMatch match = matcher.match(name, where);
    if (match.action == RowAction::LeaveOut) {
        outcome.log << kRefused.arg(where, match.problem);
        return {};
    }
    const int existing = match.cadreId;
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    cadre::CadreValues edited = values.cadre;
    edited.insert(QStringLiteral("xm"), text::normalizeName(name));
    if (existing == 0) {
        const cadre::CadreValues defaults = cadre::newCadreDefaults(db);
        for (auto value = defaults.cbegin(); value != defaults.cend(); ++value) {
            if (!edited.contains(value.key())) {
                edited.insert(value.key(), value.value());
            }
        }
    }
    const Result<cadre::SavedCadre> saved =
        cadre::saveCadre(dm, existing, edited, existing == 0 ? unitId : 0);
    if (!saved) {
        if (!saved.failure().dbError.isEmpty()) {
            return saved.failure();
        }
        outcome.log << kRefused.arg(where, saved.failure().message);
        return {};
    }
    if (Result<void> family = saveFamily(dm, saved->cadreId, values.family); !family) {
        if (!family.failure().dbError.isEmpty()) {
            return family.failure();
        }
        outcome.log << kRefused.arg(where, family.failure().message);
        return {};
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    ++(existing == 0 ? outcome.added : outcome.updated);
    return {};
}

// Passes the values of a person through the incoming checks: changed values are replaced,
// refused ones taken out so that the stored ones stay. The notes name each.
QStringList checkValues(cadre::IncomingValues& checks, FilledValues& values) {
    const QString family = QStringLiteral("tb_family");
    QStringList notes = checks.checkCadre(values.cadre);
    for (auto member = values.family.begin(); member != values.family.end(); ++member) {
        notes << checks.checkRow(family, member.value(),
                                 QStringLiteral("家庭成员%1").arg(member.key()));
    }
    return notes;
}

}  // namespace

Result<FilledImportOutcome> importFilledFiles(TDataM& dm, const StoredTemplate& stored,
                                              const QStringList& paths, int unitId) {
    Result<CadreMatcher> matcher = CadreMatcher::load(dm.db());
    if (!matcher) {
        return matcher.failure();
    }
    FilledImportOutcome outcome;
    cadre::IncomingValues checks(dm.db());
    for (const QString& path : paths) {
        const QString file = QFileInfo(path).fileName();
        const Result<QList<FilledValues>> people = readFilledFile(stored, path);
        if (!people) {
            outcome.log << kRefused.arg(file, people.failure().text());
            continue;
        }
        if (people->isEmpty()) {
            outcome.log << kNoName.arg(file);
        }
        for (qsizetype i = 0; i < people->size(); ++i) {
            // A person of a list is named by the file and the number in it.
            const QString where = stored.entry.isList() ? kPersonOfList.arg(file).arg(i + 1) : file;
            FilledValues person = people->at(i);
            const QStringList notes = checkValues(checks, person);
            const int done = outcome.added + outcome.updated;
            if (Result<void> written = importPerson(dm, *matcher, person, where, unitId, outcome);
                !written) {
                return written.failure();
            }
            if (!notes.isEmpty() && outcome.added + outcome.updated > done) {
                outcome.log << kRefused.arg(where, notes.join(QStringLiteral("；")));
            }
        }
    }
    return outcome;
}

}  // namespace documents
