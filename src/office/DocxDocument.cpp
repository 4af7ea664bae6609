#include "office/DocxDocument.h"

#include <QStringList>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "office/OoxmlParts.h"

namespace office {

namespace {

using namespace parts;

const QString kNotWord = QStringLiteral("文件“%1”不是Word文档（.docx）。");
const QString kNoTable = QStringLiteral("文件“%1”中没有第%2个表格。");
const QString kNoRow = QStringLiteral("文件“%1”第%2个表格没有第%3行。");
const QString kNoCell = QStringLiteral("文件“%1”第%2个表格第%3行没有第%4个单元格。");
const QString kMergedCell =
    QStringLiteral("文件“%1”第%2个表格第%3行第%4个单元格与上一行纵向合并，不能单独访问。");
const QString kBadFontSize = QStringLiteral("字号应在1至1638磅之间。");
const QString kBadLineSpacing = QStringLiteral("行距应在0.05至1584磅之间。");
const QString kBadPictureSize = QStringLiteral("图片的宽度和高度应大于0。");
const QString kNoWidth = QStringLiteral("文件“%1”第%2个表格第%3行第%4个单元格没有记录宽度。");
const QString kNoHeight = QStringLiteral("文件“%1”第%2个表格第%3行的行高为自动，没有记录高度。");

const char* kDrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
const char* kMainDrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/main";
const char* kPictureNs = "http://schemas.openxmlformats.org/drawingml/2006/picture";

// Twentieths of a point (twips) in a millimetre.
constexpr double kTwipsPerMm = 1440.0 / 25.4;

// Child sequences of the schema, where an added element must go.
const std::vector<const char*> kParagraphPropertiesOrder = {"w:pStyle",
                                                            "w:keepNext",
                                                            "w:keepLines",
                                                            "w:pageBreakBefore",
                                                            "w:framePr",
                                                            "w:widowControl",
                                                            "w:numPr",
                                                            "w:suppressLineNumbers",
                                                            "w:pBdr",
                                                            "w:shd",
                                                            "w:tabs",
                                                            "w:suppressAutoHyphens",
                                                            "w:kinsoku",
                                                            "w:wordWrap",
                                                            "w:overflowPunct",
                                                            "w:topLinePunct",
                                                            "w:autoSpaceDE",
                                                            "w:autoSpaceDN",
                                                            "w:bidi",
                                                            "w:adjustRightInd",
                                                            "w:snapToGrid",
                                                            "w:spacing",
                                                            "w:ind",
                                                            "w:contextualSpacing",
                                                            "w:mirrorIndents",
                                                            "w:suppressOverlap",
                                                            "w:jc",
                                                            "w:textDirection",
                                                            "w:textAlignment",
                                                            "w:textboxTightWrap",
                                                            "w:outlineLvl",
                                                            "w:divId",
                                                            "w:cnfStyle",
                                                            "w:rPr",
                                                            "w:sectPr",
                                                            "w:pPrChange"};
const std::vector<const char*> kRunPropertiesOrder = {"w:rStyle",
                                                      "w:rFonts",
                                                      "w:b",
                                                      "w:bCs",
                                                      "w:i",
                                                      "w:iCs",
                                                      "w:caps",
                                                      "w:smallCaps",
                                                      "w:strike",
                                                      "w:dstrike",
                                                      "w:outline",
                                                      "w:shadow",
                                                      "w:emboss",
                                                      "w:imprint",
                                                      "w:noProof",
                                                      "w:snapToGrid",
                                                      "w:vanish",
                                                      "w:webHidden",
                                                      "w:color",
                                                      "w:spacing",
                                                      "w:w",
                                                      "w:kern",
                                                      "w:position",
                                                      "w:sz",
                                                      "w:szCs",
                                                      "w:highlight",
                                                      "w:u",
                                                      "w:effect",
                                                      "w:bdr",
                                                      "w:shd",
                                                      "w:fitText",
                                                      "w:vertAlign",
                                                      "w:rtl",
                                                      "w:cs",
                                                      "w:em",
                                                      "w:lang",
                                                      "w:eastAsianLayout",
                                                      "w:specVanish",
                                                      "w:oMath"};

// Elements whose content is not the text of the paragraph that holds them.
bool skippedForText(const pugi::xml_node& node) {
    static const char* const skipped[] = {"pPr",        "rPr",     "drawing",          "pict",
                                          "object",     "delText", "AlternateContent", "instrText",
                                          "txbxContent"};
    for (const char* name : skipped) {
        if (is(node, name)) {
            return true;
        }
    }
    return false;
}

void appendText(const pugi::xml_node& node, QString& out) {
    for (pugi::xml_node item : node.children()) {
        if (item.type() != pugi::node_element || skippedForText(item)) {
            continue;
        }
        if (is(item, "t")) {
            out += QString::fromUtf8(item.child_value());
        } else if (is(item, "br") || is(item, "cr")) {
            out += u'\n';
        } else if (is(item, "tab")) {
            out += u'\t';
        } else {
            appendText(item, out);
        }
    }
}

// Turns text into paragraph lines: CR LF, CR and Word's line break character end a line;
// other control characters, which XML cannot hold, are dropped.
QStringList lines(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n') {
                continue;
            }
            clean += u'\n';
        } else if (c == QChar(0x0b)) {
            clean += u'\n';
        } else if (c.unicode() >= 0x20 || c == u'\n' || c == u'\t') {
            clean += c;
        }
    }
    return clean.split(u'\n');
}

// The run properties that new text of a paragraph takes: those of its first run, else those of
// its paragraph mark.
pugi::xml_node firstRunProperties(const pugi::xml_node& paragraph) {
    for (pugi::xml_node node : paragraph.children()) {
        if (is(node, "r")) {
            if (pugi::xml_node properties = child(node, "rPr")) {
                return properties;
            }
            break;
        }
    }
    return child(child(paragraph, "pPr"), "rPr");
}

// The rows of a table or the cells of a row: the child elements with the local name, also
// those wrapped in content controls or custom XML, as Word counts them.
void collectWrapped(const pugi::xml_node& parent, const char* local,
                    std::vector<pugi::xml_node>& found) {
    for (pugi::xml_node item : parent.children()) {
        if (is(item, local)) {
            found.push_back(item);
        } else if (is(item, "sdt") || is(item, "sdtContent") || is(item, "customXml")) {
            collectWrapped(item, local, found);
        }
    }
}

std::vector<pugi::xml_node> wrapped(const pugi::xml_node& parent, const char* local) {
    std::vector<pugi::xml_node> found;
    collectWrapped(parent, local, found);
    return found;
}

// The table that holds a row, through any wrapping.
pugi::xml_node tableOf(pugi::xml_node row) {
    while (row && !is(row, "tbl")) {
        row = row.parent();
    }
    return row;
}

// Every run inside a cell's paragraphs, those in hyperlinks and tracked insertions included.
void collectRuns(const pugi::xml_node& node, std::vector<pugi::xml_node>& runs) {
    for (pugi::xml_node item : node.children()) {
        if (item.type() != pugi::node_element || skippedForText(item)) {
            continue;
        }
        if (is(item, "r")) {
            runs.push_back(item);
        } else {
            collectRuns(item, runs);
        }
    }
}

}  // namespace

struct DocxDocument::Data {
    ZipPackage package;
    QString mainPart;
    XmlDocument document;
    std::vector<pugi::xml_node> tables;
    std::string w;  // prefix of the WordprocessingML namespace

    std::string qn(const char* local) const { return w.empty() ? local : w + ':' + local; }

    void findTables(const pugi::xml_node& node) {
        for (pugi::xml_node item : node.children()) {
            if (is(item, "tbl")) {
                tables.push_back(item);
            } else if (is(item, "sdt") || is(item, "sdtContent") || is(item, "customXml")) {
                findTables(item);
            }
        }
    }

    Result<pugi::xml_node> table(int number) const {
        if (number < 1 || number > int(tables.size())) {
            return Failure{kNoTable.arg(package.name()).arg(number), {}};
        }
        return tables[size_t(number - 1)];
    }

    Result<pugi::xml_node> row(int tableNumber, int rowNumber) const {
        Result<pugi::xml_node> found = table(tableNumber);
        if (!found) {
            return found;
        }
        const std::vector<pugi::xml_node> rows = wrapped(*found, "tr");
        if (rowNumber < 1 || rowNumber > int(rows.size())) {
            return Failure{kNoRow.arg(package.name()).arg(tableNumber).arg(rowNumber), {}};
        }
        return rows[size_t(rowNumber - 1)];
    }

    Result<pugi::xml_node> cell(int tableNumber, int rowNumber, int column) const {
        Result<pugi::xml_node> found = row(tableNumber, rowNumber);
        if (!found) {
            return found;
        }
        const std::vector<pugi::xml_node> cells = wrapped(*found, "tc");
        if (column < 1 || column > int(cells.size())) {
            return Failure{kNoCell.arg(package.name()).arg(tableNumber).arg(rowNumber).arg(column),
                           {}};
        }
        const pugi::xml_node node = cells[size_t(column - 1)];
        const pugi::xml_node vMerge = child(child(node, "tcPr"), "vMerge");
        if (vMerge && std::strcmp(attribute(vMerge, "val").value(), "restart") != 0) {
            return Failure{
                kMergedCell.arg(package.name()).arg(tableNumber).arg(rowNumber).arg(column), {}};
        }
        return node;
    }

    // Removes everything of a cell but its properties and returns its new first paragraph,
    // formatted as the old first paragraph was.
    pugi::xml_node clearCell(pugi::xml_node cell, pugi::xml_node& runProperties,
                             pugi::xml_document& keep) const {
        const std::vector<pugi::xml_node> paragraphs = wrapped(cell, "p");
        const pugi::xml_node oldFirst = paragraphs.empty() ? pugi::xml_node() : paragraphs.front();
        if (pugi::xml_node properties = child(oldFirst, "pPr")) {
            keep.append_copy(properties);
        }
        if (pugi::xml_node properties = firstRunProperties(oldFirst)) {
            runProperties = keep.append_copy(properties);
            // A paragraph mark's properties may record tracked changes, which a run cannot.
            for (const char* mark : {"ins", "del", "moveFrom", "moveTo"}) {
                runProperties.remove_child(qn(mark).c_str());
            }
        }
        for (pugi::xml_node item = cell.first_child(); item;) {
            pugi::xml_node next = item.next_sibling();
            if (!is(item, "tcPr")) {
                cell.remove_child(item);
            }
            item = next;
        }
        return newParagraph(cell, keep);
    }

    pugi::xml_node newParagraph(pugi::xml_node cell, const pugi::xml_document& keep) const {
        pugi::xml_node paragraph = cell.append_child(qn("p").c_str());
        for (pugi::xml_node properties : keep.children()) {
            if (is(properties, "pPr")) {
                paragraph.append_copy(properties);
            }
        }
        return paragraph;
    }

    void declareNamespace(const char* prefix, const char* uri) {
        pugi::xml_node root = document->document_element();
        const std::string attributeName = std::string("xmlns:") + prefix;
        if (!root.attribute(attributeName.c_str())) {
            root.append_attribute(attributeName.c_str()).set_value(uri);
        }
    }

    int nextDrawingId() const {
        int highest = 0;
        for (pugi::xpath_node found : document->select_nodes("//*[local-name()='docPr']")) {
            highest = std::max(highest, found.node().attribute("id").as_int());
        }
        return highest + 1;
    }
};

DocxDocument::DocxDocument(std::unique_ptr<Data> data) : d_(std::move(data)) {}
DocxDocument::DocxDocument(DocxDocument&&) noexcept = default;
DocxDocument& DocxDocument::operator=(DocxDocument&&) noexcept = default;
DocxDocument::~DocxDocument() = default;

Result<DocxDocument> DocxDocument::open(const QString& path) {
    return load(ZipPackage::open(path));
}

Result<DocxDocument> DocxDocument::fromBytes(const QByteArray& bytes, const QString& name) {
    return load(ZipPackage::fromBytes(bytes, name));
}

Result<DocxDocument> DocxDocument::load(Result<ZipPackage> package) {
    if (!package) {
        return package.failure();
    }
    auto data = std::make_unique<Data>();
    data->package = std::move(*package);
    Result<QString> main = mainPart(data->package, QStringLiteral("word/document.xml"));
    if (!main) {
        return main.failure();
    }
    data->mainPart = *main;
    if (!data->package.contains(data->mainPart)) {
        return Failure{kNotWord.arg(data->package.name()), {}};
    }
    Result<XmlDocument> document = parse(data->package, data->mainPart);
    if (!document) {
        return document.failure();
    }
    data->document = std::move(*document);
    const pugi::xml_node root = data->document->document_element();
    const pugi::xml_node body = child(root, "body");
    if (!is(root, "document") || !body) {
        return Failure{kNotWord.arg(data->package.name()), {}};
    }
    data->w = prefixOf(root);
    data->findTables(body);
    return DocxDocument(std::move(data));
}

const QString& DocxDocument::name() const {
    return d_->package.name();
}

int DocxDocument::tableCount() const {
    return int(d_->tables.size());
}

Result<int> DocxDocument::rowCount(int table) const {
    Result<pugi::xml_node> found = d_->table(table);
    if (!found) {
        return found.failure();
    }
    return int(wrapped(*found, "tr").size());
}

Result<int> DocxDocument::columnCount(int table) const {
    Result<pugi::xml_node> found = d_->table(table);
    if (!found) {
        return found.failure();
    }
    const int grid = int(children(child(*found, "tblGrid"), "gridCol").size());
    if (grid > 0) {
        return grid;
    }
    int widest = 0;
    for (const pugi::xml_node& row : wrapped(*found, "tr")) {
        widest = std::max(widest, int(wrapped(row, "tc").size()));
    }
    return widest;
}

Result<int> DocxDocument::cellCount(int table, int row) const {
    Result<pugi::xml_node> found = d_->row(table, row);
    if (!found) {
        return found.failure();
    }
    return int(wrapped(*found, "tc").size());
}

bool DocxDocument::hasCell(int table, int row, int column) const {
    return d_->cell(table, row, column).ok();
}

Result<QString> DocxDocument::cellText(int table, int row, int column) const {
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    QStringList paragraphs;
    for (const pugi::xml_node& paragraph : wrapped(*cell, "p")) {
        QString text;
        appendText(paragraph, text);
        paragraphs.append(text);
    }
    return paragraphs.join(u'\n');
}

Result<void> DocxDocument::setCellText(int table, int row, int column, const QString& text) {
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    pugi::xml_document keep;
    pugi::xml_node runProperties;
    pugi::xml_node paragraph = d_->clearCell(*cell, runProperties, keep);
    const QStringList paragraphLines = lines(text);
    for (qsizetype i = 0; i < paragraphLines.size(); ++i) {
        if (i > 0) {
            paragraph = d_->newParagraph(*cell, keep);
        }
        if (paragraphLines[i].isEmpty()) {
            continue;
        }
        pugi::xml_node run = paragraph.append_child(d_->qn("r").c_str());
        if (runProperties) {
            run.append_copy(runProperties);
        }
        const QStringList pieces = paragraphLines[i].split(u'\t');
        for (qsizetype j = 0; j < pieces.size(); ++j) {
            if (j > 0) {
                run.append_child(d_->qn("tab").c_str());
            }
            if (!pieces[j].isEmpty()) {
                pugi::xml_node t = run.append_child(d_->qn("t").c_str());
                t.append_attribute("xml:space").set_value("preserve");
                t.text().set(pieces[j].toUtf8().constData());
            }
        }
    }
    return {};
}

Result<void> DocxDocument::insertRowCopies(int table, int row, int count) {
    Result<pugi::xml_node> found = d_->row(table, row);
    if (!found) {
        return found.failure();
    }
    pugi::xml_node after = *found;
    for (int i = 0; i < count; ++i) {
        after = found->parent().insert_copy_after(*found, after);
    }
    return {};
}

Result<void> DocxDocument::setCellFontSize(int table, int row, int column, double points) {
    if (!(points >= 1 && points <= 1638)) {
        return Failure{kBadFontSize, {}};
    }
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    const QString halfPoints = QString::number(std::lround(points * 2));
    const std::string rPr = d_->qn("rPr");
    const std::string pPr = d_->qn("pPr");
    auto setSize = [&](pugi::xml_node properties) {
        for (const char* local : {"sz", "szCs"}) {
            pugi::xml_node size =
                ensureChild(properties, d_->qn(local).c_str(), kRunPropertiesOrder);
            setAttribute(size, d_->qn("val").c_str(), halfPoints);
        }
    };
    for (pugi::xml_node paragraph : wrapped(*cell, "p")) {
        std::vector<pugi::xml_node> runs;
        collectRuns(paragraph, runs);
        for (pugi::xml_node run : runs) {
            pugi::xml_node properties = run.child(rPr.c_str());
            if (!properties) {
                properties = run.prepend_child(rPr.c_str());
            }
            setSize(properties);
        }
        pugi::xml_node paragraphProperties = paragraph.child(pPr.c_str());
        if (!paragraphProperties) {
            paragraphProperties = paragraph.prepend_child(pPr.c_str());
        }
        setSize(ensureChild(paragraphProperties, rPr.c_str(), kParagraphPropertiesOrder));
    }
    return {};
}

Result<void> DocxDocument::setCellExactLineSpacing(int table, int row, int column, double points) {
    if (!(points >= 0.05 && points <= 1584)) {
        return Failure{kBadLineSpacing, {}};
    }
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    const std::string pPr = d_->qn("pPr");
    for (pugi::xml_node paragraph : wrapped(*cell, "p")) {
        pugi::xml_node properties = paragraph.child(pPr.c_str());
        if (!properties) {
            properties = paragraph.prepend_child(pPr.c_str());
        }
        pugi::xml_node spacing =
            ensureChild(properties, d_->qn("spacing").c_str(), kParagraphPropertiesOrder);
        setAttribute(spacing, d_->qn("line").c_str(), QString::number(std::lround(points * 20)));
        setAttribute(spacing, d_->qn("lineRule").c_str(), QStringLiteral("exact"));
    }
    return {};
}

Result<void> DocxDocument::setCellPicture(int table, int row, int column, const QByteArray& picture,
                                          double widthMm, double heightMm) {
    if (!(widthMm > 0 && heightMm > 0 && widthMm < 10000 && heightMm < 10000)) {
        return Failure{kBadPictureSize, {}};
    }
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    ZipPackage changed = d_->package;
    Result<QString> relationship =
        addPicture(changed, d_->mainPart, QStringLiteral("word/media/image"), picture);
    if (!relationship) {
        return relationship.failure();
    }
    d_->package = std::move(changed);
    d_->declareNamespace("wp", kDrawingNs);
    d_->declareNamespace("a", kMainDrawingNs);
    d_->declareNamespace("pic", kPictureNs);
    d_->declareNamespace("r", kRelationshipsNs);

    const int id = d_->nextDrawingId();
    const QString cx = QString::number(std::llround(widthMm * kEmuPerMm));
    const QString cy = QString::number(std::llround(heightMm * kEmuPerMm));
    const QString w = QString::fromStdString(d_->w.empty() ? std::string() : d_->w + ':');
    const QString drawing =
        QStringLiteral(
            "<%1r><%1drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
            "<wp:extent cx=\"%2\" cy=\"%3\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/>"
            "<wp:docPr id=\"%4\" name=\"Picture %4\"/><wp:cNvGraphicFramePr/>"
            "<a:graphic><a:graphicData "
            "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
            "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"%4\" name=\"Picture %4\"/><pic:cNvPicPr/>"
            "</pic:nvPicPr><pic:blipFill><a:blip r:embed=\"%5\"/><a:stretch><a:fillRect/>"
            "</a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
            "<a:ext cx=\"%2\" cy=\"%3\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/>"
            "</a:prstGeom></pic:spPr></pic:pic></a:graphicData></a:graphic></wp:inline>"
            "</%1drawing></%1r>")
            .arg(w, cx, cy, QString::number(id), *relationship);

    pugi::xml_document keep;
    pugi::xml_node runProperties;
    pugi::xml_node paragraph = d_->clearCell(*cell, runProperties, keep);
    const QByteArray bytes = drawing.toUtf8();
    paragraph.append_buffer(bytes.constData(), size_t(bytes.size()));
    return {};
}

Result<double> DocxDocument::cellWidthMm(int table, int row, int column) const {
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    const pugi::xml_node width = child(child(*cell, "tcPr"), "tcW");
    const QString type = QString::fromUtf8(attribute(width, "type").value());
    const int twips = attribute(width, "w").as_int();
    if (width && (type.isEmpty() || type == u"dxa") && twips > 0) {
        return twips / kTwipsPerMm;
    }
    const pugi::xml_node rowNode = cell->parent();
    int start = attribute(child(child(rowNode, "trPr"), "gridBefore"), "val").as_int();
    int span = 1;
    for (const pugi::xml_node& item : wrapped(rowNode, "tc")) {
        const int itemSpan =
            std::max(1, attribute(child(child(item, "tcPr"), "gridSpan"), "val").as_int());
        if (item == *cell) {
            span = itemSpan;
            break;
        }
        start += itemSpan;
    }
    const std::vector<pugi::xml_node> grid =
        children(child(tableOf(rowNode), "tblGrid"), "gridCol");
    if (start + span > int(grid.size())) {
        return Failure{kNoWidth.arg(name()).arg(table).arg(row).arg(column), {}};
    }
    int total = 0;
    for (int i = start; i < start + span; ++i) {
        total += attribute(grid[size_t(i)], "w").as_int();
    }
    if (total <= 0) {
        return Failure{kNoWidth.arg(name()).arg(table).arg(row).arg(column), {}};
    }
    return total / kTwipsPerMm;
}

Result<double> DocxDocument::cellHeightMm(int table, int row, int column) const {
    Result<pugi::xml_node> cell = d_->cell(table, row, column);
    if (!cell) {
        return cell.failure();
    }
    const pugi::xml_node height = child(child(cell->parent(), "trPr"), "trHeight");
    const int twips = attribute(height, "val").as_int();
    if (!height || twips <= 0 || std::strcmp(attribute(height, "hRule").value(), "auto") == 0) {
        return Failure{kNoHeight.arg(name()).arg(table).arg(row), {}};
    }
    return twips / kTwipsPerMm;
}

Result<QByteArray> DocxDocument::toBytes() const {
    ZipPackage out = d_->package;
    out.setPart(d_->mainPart, serialise(*d_->document));
    return out.toBytes();
}

Result<void> DocxDocument::save(const QString& path) const {
    Result<QByteArray> bytes = toBytes();
    if (!bytes) {
        return bytes.failure();
    }
    return writeFileAtomically(path, *bytes);
}

}  // namespace office
