#include "office/XlsxWorkbook.h"

#include <QDate>
#include <QDateTime>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "office/OoxmlParts.h"
#include "office/XlsxDrawing.h"
#include "office/XlsxValues.h"

namespace office {

namespace {

using namespace parts;
using xlsx::CellAddress;

const QString kNotExcel = QStringLiteral("文件“%1”不是Excel工作簿（.xlsx）。");
const QString kNoSheet = QStringLiteral("文件“%1”中没有第%2个工作表。");
const QString kOutsideSheet = QStringLiteral("第%1行第%2列超出了工作表的范围。");
const QString kBadCell = QStringLiteral("文件“%1”工作表“%2”的单元格%3内容无效。");
const QString kTooManyCells = QStringLiteral("文件“%1”的工作表“%2”过大，无法读取。");
const QString kSharedFormula =
    QStringLiteral("文件“%1”工作表“%2”的单元格%3是共享公式或数组公式的主单元格，不能写入。");
const QString kTooLong = QStringLiteral("单元格文字不能超过32767个字符。");
const QString kUnsupportedValue = QStringLiteral("不支持写入此类数据。");

constexpr qsizetype kMaxCellsPerSheet = 5'000'000;
constexpr int kMaxTextLength = 32767;

const std::vector<const char*> kWorkbookOrder = {"fileVersion",    "fileSharing",
                                                 "workbookPr",     "workbookProtection",
                                                 "bookViews",      "sheets",
                                                 "functionGroups", "externalReferences",
                                                 "definedNames",   "calcPr",
                                                 "oleSize",        "customWorkbookViews",
                                                 "pivotCaches",    "smartTagPr",
                                                 "smartTagTypes",  "webPublishing",
                                                 "fileRecoveryPr", "webPublishObjects",
                                                 "extLst"};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Qualified names for a part that writes the namespace with `prefix` (often none).
struct Names {
    std::string prefix;
    std::string operator()(const char* local) const {
        return prefix.empty() ? std::string(local) : prefix + ':' + local;
    }
    std::vector<std::string> all(const std::vector<const char*>& locals) const {
        std::vector<std::string> names;
        for (const char* local : locals) {
            names.push_back((*this)(local));
        }
        return names;
    }
};

std::vector<const char*> pointers(const std::vector<std::string>& names) {
    std::vector<const char*> out;
    for (const std::string& name : names) {
        out.push_back(name.c_str());
    }
    return out;
}

// The text of a shared string item or an inline string: its plain text or its rich-text runs;
// phonetic readings are not part of it.
QString stringItemText(const pugi::xml_node& item) {
    QString text;
    for (pugi::xml_node node : item.children()) {
        if (is(node, "t")) {
            text += utf8(node.child_value());
        } else if (is(node, "r")) {
            text += utf8(child(node, "t").child_value());
        }
    }
    return xlsx::decodeEscapes(text);
}

struct Sheet {
    QString name;
    QString part;
    XmlDocument document;
    Names names;
    pugi::xml_node data;  // sheetData
    std::map<int, pugi::xml_node> rows;
    std::map<std::pair<int, int>, pugi::xml_node> cells;
    std::vector<CellRange> merges;
    bool changed = false;

    CellRange used;  // kept up to date as cells are added; cells are never removed

    void addCell(int row, int column, pugi::xml_node cell) {
        cells.emplace(std::make_pair(row, column), cell);
        if (used.isEmpty()) {
            used = CellRange{row, column, row, column};
            return;
        }
        used.firstRow = std::min(used.firstRow, row);
        used.lastRow = std::max(used.lastRow, row);
        used.firstColumn = std::min(used.firstColumn, column);
        used.lastColumn = std::max(used.lastColumn, column);
    }
};

}  // namespace

struct XlsxWorkbook::Data {
    ZipPackage package;
    QString workbookPart;
    XmlDocument workbook;
    bool date1904 = false;
    std::vector<QString> sharedStrings;
    std::vector<bool> dateStyles;  // per cell format (the s attribute of a cell)
    QString stylesPart;
    XmlDocument styles;
    std::map<int, int> dateVariants;  // a cell format -> the same format showing a date
    std::vector<Sheet> sheets;
    bool workbookChanged = false;

    Result<void> readSharedStrings(const QString& part) {
        Result<XmlDocument> document = parse(package, part);
        if (!document) {
            return document.failure();
        }
        for (const pugi::xml_node& item : children((*document)->document_element(), "si")) {
            sharedStrings.push_back(stringItemText(item));
        }
        return {};
    }

    Result<void> readStyles(const QString& part) {
        Result<XmlDocument> document = parse(package, part);
        if (!document) {
            return document.failure();
        }
        stylesPart = part;
        styles = std::move(*document);
        const pugi::xml_node root = styles->document_element();
        std::map<int, bool> custom;
        for (const pugi::xml_node& format : children(child(root, "numFmts"), "numFmt")) {
            custom[attribute(format, "numFmtId").as_int()] =
                xlsx::isDateFormatCode(utf8(attribute(format, "formatCode").value()));
        }
        for (const pugi::xml_node& xf : children(child(root, "cellXfs"), "xf")) {
            const int id = attribute(xf, "numFmtId").as_int();
            const auto found = custom.find(id);
            dateStyles.push_back(found != custom.end() ? found->second
                                                       : xlsx::isBuiltInDateFormat(id));
        }
        return {};
    }

    Result<void> indexSheet(Sheet& sheet) {
        const QString& file = package.name();
        pugi::xml_node root = sheet.document->document_element();
        sheet.names.prefix = prefixOf(root);
        sheet.data = child(root, "sheetData");
        if (!is(root, "worksheet") || !sheet.data) {
            return Failure{malformed(package, sheet.part, QStringLiteral("不是工作表")), {}};
        }
        int rowNumber = 0;
        for (pugi::xml_node row : children(sheet.data, "row")) {
            const pugi::xml_attribute r = attribute(row, "r");
            rowNumber = r ? r.as_int() : rowNumber + 1;
            if (rowNumber < 1 || rowNumber > kMaxSheetRows) {
                return Failure{malformed(package, sheet.part,
                                         QStringLiteral("含有无效的行号“%1”").arg(utf8(r.value()))),
                               {}};
            }
            if (!r) {
                setAttribute(row, "r", QString::number(rowNumber));
            }
            sheet.rows.emplace(rowNumber, row);
            int columnNumber = 0;
            for (pugi::xml_node cell : children(row, "c")) {
                const pugi::xml_attribute reference = attribute(cell, "r");
                if (reference) {
                    const std::optional<CellAddress> address =
                        xlsx::parseCellReference(utf8(reference.value()));
                    if (!address || address->row != rowNumber) {
                        return Failure{malformed(package, sheet.part,
                                                 QStringLiteral("含有无效的单元格引用“%1”")
                                                     .arg(utf8(reference.value()))),
                                       {}};
                    }
                    columnNumber = address->column;
                } else {
                    ++columnNumber;
                    if (columnNumber > kMaxSheetColumns) {
                        return Failure{
                            malformed(package, sheet.part, QStringLiteral("一行中的单元格过多")),
                            {}};
                    }
                    setAttribute(cell, "r", xlsx::cellReference(rowNumber, columnNumber));
                }
                sheet.addCell(rowNumber, columnNumber, cell);
                if (qsizetype(sheet.cells.size()) > kMaxCellsPerSheet) {
                    return Failure{kTooManyCells.arg(file, sheet.name), {}};
                }
            }
        }
        for (const pugi::xml_node& merge : children(child(root, "mergeCells"), "mergeCell")) {
            const std::optional<CellRange> range =
                xlsx::parseRangeReference(utf8(attribute(merge, "ref").value()));
            if (!range) {
                return Failure{malformed(package, sheet.part, QStringLiteral("含有无效的合并区域")),
                               {}};
            }
            sheet.merges.push_back(*range);
        }
        return {};
    }

    Result<Sheet*> sheet(int number) {
        if (number < 1 || number > int(sheets.size())) {
            return Failure{kNoSheet.arg(package.name()).arg(number), {}};
        }
        return &sheets[size_t(number - 1)];
    }

    Result<const Sheet*> readSheet(int number) const {
        if (number < 1 || number > int(sheets.size())) {
            return Failure{kNoSheet.arg(package.name()).arg(number), {}};
        }
        return &sheets[size_t(number - 1)];
    }

    // The cell format that shows a date and is otherwise `style`: `style` itself when it shows
    // dates, else a copy with the built-in date format added to the styles part.
    Result<int> dateStyle(int style) {
        if (style >= 0 && style < int(dateStyles.size()) && dateStyles[size_t(style)]) {
            return style;
        }
        if (const auto found = dateVariants.find(style); found != dateVariants.end()) {
            return found->second;
        }
        pugi::xml_node formats =
            child(styles ? styles->document_element() : pugi::xml_node(), "cellXfs");
        const std::vector<pugi::xml_node> all = children(formats, "xf");
        if (all.empty()) {
            return Failure{
                malformed(package, stylesPart.isEmpty() ? QStringLiteral("styles") : stylesPart,
                          QStringLiteral("没有单元格格式")),
                {}};
        }
        const pugi::xml_node base =
            style >= 0 && style < int(all.size()) ? all[size_t(style)] : all.front();
        pugi::xml_node copy = formats.append_copy(base);
        setAttribute(copy, "numFmtId", QStringLiteral("14"));
        setAttribute(copy, "applyNumberFormat", QStringLiteral("1"));
        setAttribute(formats, "count", QString::number(all.size() + 1));
        const int index = int(all.size());
        dateStyles.resize(size_t(index + 1), false);
        dateStyles[size_t(index)] = true;
        dateVariants[style] = index;
        package.setPart(stylesPart, serialise(*styles));
        return index;
    }

    bool isDateStyle(const pugi::xml_node& cell) const {
        const pugi::xml_attribute style = attribute(cell, "s");
        const int index = style ? style.as_int() : 0;
        return index >= 0 && index < int(dateStyles.size()) && dateStyles[size_t(index)];
    }

    Result<QVariant> cellValue(const Sheet& sheet, const pugi::xml_node& cell) const {
        const QString type = utf8(attribute(cell, "t").value());
        const pugi::xml_node v = child(cell, "v");
        const QString text = utf8(v.child_value());
        const auto bad = [&]() {
            return Failure{
                kBadCell.arg(package.name(), sheet.name, utf8(attribute(cell, "r").value())), {}};
        };
        if (type == u"inlineStr") {
            return QVariant(stringItemText(child(cell, "is")));
        }
        if (!v) {
            return QVariant();
        }
        if (type == u"s") {
            bool ok = false;
            const int index = text.trimmed().toInt(&ok);
            if (!ok || index < 0 || index >= int(sharedStrings.size())) {
                return bad();
            }
            return QVariant(sharedStrings[size_t(index)]);
        }
        if (type == u"str" || type == u"e") {
            return QVariant(xlsx::decodeEscapes(text));
        }
        if (type == u"b") {
            return QVariant(text.trimmed() == u"1" || text.trimmed() == u"true");
        }
        if (type == u"d") {
            const QDateTime when = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
            if (!when.isValid()) {
                return bad();
            }
            return when.time() == QTime(0, 0) ? QVariant(when.date()) : QVariant(when);
        }
        if (text.trimmed().isEmpty()) {
            return QVariant();
        }
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(number)) {
            return bad();
        }
        if (isDateStyle(cell)) {
            const QVariant date = xlsx::dateFromSerial(number, date1904);
            if (date.isValid()) {
                return date;
            }
        }
        return QVariant(number);
    }

    // The cell format of a cell, or the one a new cell there takes from its row.
    int styleOf(const Sheet& sheet, int rowNumber, int column) const {
        if (const auto cell = sheet.cells.find({rowNumber, column}); cell != sheet.cells.end()) {
            return attribute(cell->second, "s").as_int();
        }
        const auto row = sheet.rows.find(rowNumber);
        if (row != sheet.rows.end() &&
            std::strcmp(attribute(row->second, "customFormat").value(), "1") == 0) {
            return attribute(row->second, "s").as_int();
        }
        return 0;
    }

    // The cell node at (row, column), created at its place in row and column order when missing.
    pugi::xml_node cellForWriting(Sheet& sheet, int rowNumber, int column) {
        const auto existing = sheet.cells.find({rowNumber, column});
        if (existing != sheet.cells.end()) {
            return existing->second;
        }
        pugi::xml_node row;
        const auto foundRow = sheet.rows.find(rowNumber);
        if (foundRow != sheet.rows.end()) {
            row = foundRow->second;
        } else {
            const auto after = sheet.rows.upper_bound(rowNumber);
            row = after == sheet.rows.end()
                      ? sheet.data.append_child(sheet.names("row").c_str())
                      : sheet.data.insert_child_before(sheet.names("row").c_str(), after->second);
            setAttribute(row, "r", QString::number(rowNumber));
            sheet.rows.emplace(rowNumber, row);
        }
        row.remove_attribute("spans");  // a hint of the row's extent, no longer true
        const auto next = sheet.cells.lower_bound({rowNumber, column});
        pugi::xml_node cell = next != sheet.cells.end() && next->first.first == rowNumber
                                  ? row.insert_child_before(sheet.names("c").c_str(), next->second)
                                  : row.append_child(sheet.names("c").c_str());
        setAttribute(cell, "r", xlsx::cellReference(rowNumber, column));
        if (std::strcmp(attribute(row, "customFormat").value(), "1") == 0 && attribute(row, "s")) {
            setAttribute(cell, "s", utf8(attribute(row, "s").value()));
        }
        sheet.addCell(rowNumber, column, cell);
        return cell;
    }

    void markWorkbookForRecalculation() {
        pugi::xml_node root = workbook->document_element();
        const Names names{prefixOf(root)};
        const std::vector<std::string> order = names.all(kWorkbookOrder);
        pugi::xml_node calc = ensureChild(root, names("calcPr").c_str(), pointers(order));
        setAttribute(calc, "fullCalcOnLoad", QStringLiteral("1"));
        workbookChanged = true;
    }

    // Drops the calculation chain, which lists formula cells and goes stale when one goes.
    Result<void> dropCalculationChain() {
        Result<std::vector<Relationship>> found = relationships(package, workbookPart);
        if (!found) {
            return found.failure();
        }
        for (const Relationship& relationship : *found) {
            if (relationship.type.endsWith(QStringLiteral("/calcChain"))) {
                ZipPackage changed = package;
                Result<void> done =
                    removeRelationshipsTo(changed, workbookPart, relationship.target);
                if (done) {
                    done = removeOverrideType(changed, relationship.target);
                }
                if (!done) {
                    return done;
                }
                changed.removePart(relationship.target);
                package = std::move(changed);
            }
        }
        return {};
    }
};

XlsxWorkbook::XlsxWorkbook(std::unique_ptr<Data> data) : d_(std::move(data)) {}
XlsxWorkbook::XlsxWorkbook(XlsxWorkbook&&) noexcept = default;
XlsxWorkbook& XlsxWorkbook::operator=(XlsxWorkbook&&) noexcept = default;
XlsxWorkbook::~XlsxWorkbook() = default;

Result<XlsxWorkbook> XlsxWorkbook::open(const QString& path) {
    return load(ZipPackage::open(path));
}

Result<XlsxWorkbook> XlsxWorkbook::fromBytes(const QByteArray& bytes, const QString& name) {
    return load(ZipPackage::fromBytes(bytes, name));
}

Result<XlsxWorkbook> XlsxWorkbook::load(Result<ZipPackage> package) {
    if (!package) {
        return package.failure();
    }
    auto d = std::make_unique<Data>();
    d->package = std::move(*package);
    const QString& file = d->package.name();
    Result<QString> main = mainPart(d->package, QStringLiteral("xl/workbook.xml"));
    if (!main) {
        return main.failure();
    }
    d->workbookPart = *main;
    if (!d->package.contains(d->workbookPart)) {
        return Failure{kNotExcel.arg(file), {}};
    }
    Result<XmlDocument> workbook = parse(d->package, d->workbookPart);
    if (!workbook) {
        return workbook.failure();
    }
    d->workbook = std::move(*workbook);
    const pugi::xml_node root = d->workbook->document_element();
    if (!is(root, "workbook")) {
        return Failure{kNotExcel.arg(file), {}};
    }
    const QString date1904 = utf8(attribute(child(root, "workbookPr"), "date1904").value());
    d->date1904 = date1904 == u"1" || date1904 == u"true";

    Result<std::vector<Relationship>> related = relationships(d->package, d->workbookPart);
    if (!related) {
        return related.failure();
    }
    std::map<QString, Relationship> byId;
    for (const Relationship& relationship : *related) {
        byId[relationship.id] = relationship;
        Result<void> read;
        if (relationship.type.endsWith(QStringLiteral("/sharedStrings"))) {
            read = d->readSharedStrings(relationship.target);
        } else if (relationship.type.endsWith(QStringLiteral("/styles"))) {
            read = d->readStyles(relationship.target);
        }
        if (!read) {
            return read.failure();
        }
    }
    for (const pugi::xml_node& entry : children(child(root, "sheets"), "sheet")) {
        const auto found = byId.find(utf8(attribute(entry, "id").value()));
        if (found == byId.end()) {
            return Failure{
                malformed(d->package, d->workbookPart, QStringLiteral("引用了不存在的工作表")), {}};
        }
        if (!found->second.type.endsWith(QStringLiteral("/worksheet"))) {
            continue;  // chart and dialog sheets hold no cells
        }
        Sheet sheet;
        sheet.name = utf8(attribute(entry, "name").value());
        sheet.part = found->second.target;
        Result<XmlDocument> document = parse(d->package, sheet.part);
        if (!document) {
            return document.failure();
        }
        sheet.document = std::move(*document);
        Result<void> indexed = d->indexSheet(sheet);
        if (!indexed) {
            return indexed.failure();
        }
        d->sheets.push_back(std::move(sheet));
    }
    return XlsxWorkbook(std::move(d));
}

const QString& XlsxWorkbook::name() const {
    return d_->package.name();
}

int XlsxWorkbook::sheetCount() const {
    return int(d_->sheets.size());
}

Result<QString> XlsxWorkbook::sheetName(int sheet) const {
    Result<const Sheet*> found = d_->readSheet(sheet);
    if (!found) {
        return found.failure();
    }
    return (*found)->name;
}

Result<CellRange> XlsxWorkbook::usedRange(int sheet) const {
    Result<const Sheet*> found = d_->readSheet(sheet);
    if (!found) {
        return found.failure();
    }
    return (*found)->used;
}

Result<QVariant> XlsxWorkbook::value(int sheet, int row, int column) const {
    Result<const Sheet*> found = d_->readSheet(sheet);
    if (!found) {
        return found.failure();
    }
    if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns) {
        return Failure{kOutsideSheet.arg(row).arg(column), {}};
    }
    const auto cell = (*found)->cells.find({row, column});
    if (cell == (*found)->cells.end()) {
        return QVariant();
    }
    return d_->cellValue(**found, cell->second);
}

Result<CellRange> XlsxWorkbook::mergeArea(int sheet, int row, int column) const {
    Result<const Sheet*> found = d_->readSheet(sheet);
    if (!found) {
        return found.failure();
    }
    if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns) {
        return Failure{kOutsideSheet.arg(row).arg(column), {}};
    }
    for (const CellRange& merge : (*found)->merges) {
        if (merge.contains(row, column)) {
            return merge;
        }
    }
    return CellRange{row, column, row, column};
}

Result<void> XlsxWorkbook::setValue(int sheet, int row, int column, const QVariant& value) {
    Result<Sheet*> found = d_->sheet(sheet);
    if (!found) {
        return found.failure();
    }
    Sheet& target = **found;
    if (row < 1 || row > kMaxSheetRows || column < 1 || column > kMaxSheetColumns) {
        return Failure{kOutsideSheet.arg(row).arg(column), {}};
    }

    // What to write: the type attribute and either a <v> text or an inline string.
    QString type;
    QString number;
    QString text;
    bool isText = false;
    const int typeId = value.isNull() ? QMetaType::UnknownType : value.typeId();
    if (typeId == QMetaType::QString && value.toString().isEmpty()) {
        // An empty text leaves the cell empty, as Excel does.
    } else if (typeId == QMetaType::QString) {
        text = value.toString();
        if (text.size() > kMaxTextLength) {
            return Failure{kTooLong, {}};
        }
        isText = true;
        type = QStringLiteral("inlineStr");
    } else if (typeId == QMetaType::Bool) {
        type = QStringLiteral("b");
        number = value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    } else if (typeId == QMetaType::QDate || typeId == QMetaType::QDateTime) {
        const QDateTime when =
            typeId == QMetaType::QDate ? value.toDate().startOfDay() : value.toDateTime();
        if (!when.isValid()) {
            return Failure{kUnsupportedValue, {}};
        }
        number = QString::number(xlsx::serialFromDate(when, d_->date1904), 'g', 17);
    } else if (typeId != QMetaType::UnknownType) {
        bool ok = false;
        const double d = value.toDouble(&ok);
        const bool numeric = typeId == QMetaType::Double || typeId == QMetaType::Float ||
                             typeId == QMetaType::Int || typeId == QMetaType::UInt ||
                             typeId == QMetaType::LongLong || typeId == QMetaType::ULongLong;
        if (!numeric || !ok || !std::isfinite(d)) {
            return Failure{kUnsupportedValue, {}};
        }
        number = QString::number(d, 'g', 17);
    }

    const auto existing = target.cells.find({row, column});
    if (existing != target.cells.end()) {
        const pugi::xml_node formula = child(existing->second, "f");
        const QString formulaType = utf8(attribute(formula, "t").value());
        if (formula &&
            (formulaType == u"array" || (formulaType == u"shared" && attribute(formula, "ref")))) {
            return Failure{
                kSharedFormula.arg(name(), target.name, xlsx::cellReference(row, column)), {}};
        }
        if (formula) {
            Result<void> dropped = d_->dropCalculationChain();
            if (!dropped) {
                return dropped;
            }
        }
    }

    std::optional<int> dateStyle;
    if (typeId == QMetaType::QDate || typeId == QMetaType::QDateTime) {
        Result<int> style = d_->dateStyle(d_->styleOf(target, row, column));
        if (!style) {
            return style.failure();
        }
        dateStyle = *style;
    }
    pugi::xml_node cell = d_->cellForWriting(target, row, column);
    if (dateStyle) {
        setAttribute(cell, "s", QString::number(*dateStyle));
    }
    for (const char* local : {"f", "v", "is"}) {
        while (pugi::xml_node old = child(cell, local)) {
            cell.remove_child(old);
        }
    }
    for (const char* attributeName : {"t", "cm", "vm"}) {
        cell.remove_attribute(attributeName);
    }
    if (!type.isEmpty()) {
        setAttribute(cell, "t", type);
    }
    if (isText) {
        pugi::xml_node t =
            cell.append_child(target.names("is").c_str()).append_child(target.names("t").c_str());
        t.append_attribute("xml:space").set_value("preserve");
        t.text().set(xlsx::encodeEscapes(text).toUtf8().constData());
    } else if (!number.isEmpty()) {
        cell.append_child(target.names("v").c_str()).text().set(number.toUtf8().constData());
    }

    const CellRange& used = target.used;
    pugi::xml_node root = target.document->document_element();
    if (pugi::xml_node dimension = child(root, "dimension")) {
        setAttribute(dimension, "ref",
                     xlsx::cellReference(used.firstRow, used.firstColumn) + u':' +
                         xlsx::cellReference(used.lastRow, used.lastColumn));
    }
    target.changed = true;
    d_->markWorkbookForRecalculation();
    return {};
}

Result<void> XlsxWorkbook::insertRowCopies(int sheet, int row, int count) {
    Result<Sheet*> found = d_->sheet(sheet);
    if (!found) {
        return found.failure();
    }
    Sheet& target = **found;
    if (row < 1 || row + count > kMaxSheetRows || target.used.lastRow + count > kMaxSheetRows) {
        return Failure{kOutsideSheet.arg(row + std::max(count, 0)).arg(1), {}};
    }
    if (count <= 0) {
        return {};
    }
    // Renumber the rows below, last first, then put the copies in the gap.
    std::map<int, pugi::xml_node> rows;
    for (auto& [number, node] : target.rows) {
        const int moved = number > row ? number + count : number;
        if (moved != number) {
            setAttribute(node, "r", QString::number(moved));
            for (pugi::xml_node cell : children(node, "c")) {
                const std::optional<CellAddress> address =
                    xlsx::parseCellReference(utf8(attribute(cell, "r").value()));
                setAttribute(cell, "r", xlsx::cellReference(moved, address ? address->column : 1));
            }
        }
        rows.emplace(moved, node);
    }
    target.rows = std::move(rows);
    std::map<std::pair<int, int>, pugi::xml_node> cells;
    for (auto& [address, node] : target.cells) {
        const int moved = address.first > row ? address.first + count : address.first;
        cells.emplace(std::make_pair(moved, address.second), node);
    }
    target.cells = std::move(cells);
    if (target.used.lastRow > row) {
        target.used.lastRow += count;
    }
    const auto original = target.rows.find(row);
    if (original != target.rows.end()) {
        pugi::xml_node after = original->second;
        for (int i = 1; i <= count; ++i) {
            pugi::xml_node copy = target.data.insert_copy_after(original->second, after);
            setAttribute(copy, "r", QString::number(row + i));
            for (pugi::xml_node cell : children(copy, "c")) {
                const std::optional<CellAddress> address =
                    xlsx::parseCellReference(utf8(attribute(cell, "r").value()));
                const int column = address ? address->column : 1;
                setAttribute(cell, "r", xlsx::cellReference(row + i, column));
                target.addCell(row + i, column, cell);
            }
            target.rows.emplace(row + i, copy);
            after = copy;
        }
    }
    pugi::xml_node root = target.document->document_element();
    std::vector<pugi::xml_node> mergeNodes = children(child(root, "mergeCells"), "mergeCell");
    for (size_t i = 0; i < target.merges.size() && i < mergeNodes.size(); ++i) {
        CellRange& merge = target.merges[i];
        if (merge.firstRow > row) {
            merge.firstRow += count;
            merge.lastRow += count;
            setAttribute(mergeNodes[i], "ref",
                         xlsx::cellReference(merge.firstRow, merge.firstColumn) + u':' +
                             xlsx::cellReference(merge.lastRow, merge.lastColumn));
        }
    }
    if (pugi::xml_node dimension = child(root, "dimension"); dimension && !target.used.isEmpty()) {
        setAttribute(dimension, "ref",
                     xlsx::cellReference(target.used.firstRow, target.used.firstColumn) + u':' +
                         xlsx::cellReference(target.used.lastRow, target.used.lastColumn));
    }
    target.changed = true;
    d_->markWorkbookForRecalculation();
    return {};
}

Result<void> XlsxWorkbook::placePicture(int sheet, int row, int column, const QByteArray& picture) {
    Result<CellRange> area = mergeArea(sheet, row, column);
    if (!area) {
        return area.failure();
    }
    Sheet& target = *d_->sheet(sheet).value();
    Result<bool> anchored =
        xlsx::anchorPicture(d_->package, target.part, *target.document, *area, picture);
    if (!anchored) {
        return anchored.failure();
    }
    target.changed = target.changed || *anchored;
    return {};
}

Result<QByteArray> XlsxWorkbook::toBytes() const {
    ZipPackage out = d_->package;
    for (const Sheet& sheet : d_->sheets) {
        if (sheet.changed) {
            out.setPart(sheet.part, serialise(*sheet.document));
        }
    }
    if (d_->workbookChanged) {
        out.setPart(d_->workbookPart, serialise(*d_->workbook));
    }
    return out.toBytes();
}

Result<void> XlsxWorkbook::saveAs(const QString& path) const {
    Result<QByteArray> bytes = toBytes();
    if (!bytes) {
        return bytes.failure();
    }
    return writeFileAtomically(path, *bytes);
}

}  // namespace office
