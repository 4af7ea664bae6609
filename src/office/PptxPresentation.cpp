#include "office/PptxPresentation.h"

#include <QStringList>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "office/OoxmlParts.h"

namespace office {

namespace {

using namespace parts;

const QString kNotPowerPoint = QStringLiteral("文件“%1”不是PowerPoint演示文稿（.pptx）。");
const QString kNoSlide = QStringLiteral("文件“%1”中没有第%2张幻灯片。");
const QString kNoTable = QStringLiteral("文件“%1”第%2张幻灯片中没有第%3个表格。");
const QString kNoCell = QStringLiteral("文件“%1”第%2张幻灯片第%3个表格中没有第%4行第%5列。");

struct Slide {
    QString part;
    XmlDocument document;
    std::vector<pugi::xml_node> tables;
    bool changed = false;
};

// The relationship id of an element ("r:id"), which may sit beside a plain "id".
QString relationshipId(const pugi::xml_node& node) {
    for (pugi::xml_attribute attr : node.attributes()) {
        const char* colon = std::strchr(attr.name(), ':');
        if (colon && std::strcmp(colon + 1, "id") == 0 &&
            std::strncmp(attr.name(), "xmlns", 5) != 0) {
            return QString::fromUtf8(attr.value());
        }
    }
    return {};
}

QString paragraphText(const pugi::xml_node& paragraph) {
    QString text;
    for (pugi::xml_node item : paragraph.children()) {
        if (is(item, "r") || is(item, "fld")) {
            text += QString::fromUtf8(child(item, "t").child_value());
        } else if (is(item, "br")) {
            text += u'\n';
        }
    }
    return text;
}

// Splits text into paragraph lines; control characters that XML cannot hold are dropped.
QStringList lines(const QString& text) {
    QString clean;
    for (const QChar c : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))) {
        if (c == u'\r' || c == QChar(0x0b)) {
            clean += u'\n';
        } else if (c.unicode() >= 0x20 || c == u'\n' || c == u'\t') {
            clean += c;
        }
    }
    return clean.split(u'\n');
}

}  // namespace

struct PptxPresentation::Data {
    ZipPackage package;
    std::vector<Slide> slides;

    Result<pugi::xml_node> table(int slide, int number) const {
        if (slide < 1 || slide > int(slides.size())) {
            return Failure{kNoSlide.arg(package.name()).arg(slide), {}};
        }
        const std::vector<pugi::xml_node>& tables = slides[size_t(slide - 1)].tables;
        if (number < 1 || number > int(tables.size())) {
            return Failure{kNoTable.arg(package.name()).arg(slide).arg(number), {}};
        }
        return tables[size_t(number - 1)];
    }

    Result<pugi::xml_node> cell(int slide, int number, int row, int column) const {
        Result<pugi::xml_node> found = table(slide, number);
        if (!found) {
            return found;
        }
        const std::vector<pugi::xml_node> rows = children(*found, "tr");
        const std::vector<pugi::xml_node> cells = row >= 1 && row <= int(rows.size())
                                                      ? children(rows[size_t(row - 1)], "tc")
                                                      : std::vector<pugi::xml_node>();
        if (column < 1 || column > int(cells.size())) {
            return Failure{kNoCell.arg(package.name()).arg(slide).arg(number).arg(row).arg(column),
                           {}};
        }
        return cells[size_t(column - 1)];
    }
};

PptxPresentation::PptxPresentation(std::unique_ptr<Data> data) : d_(std::move(data)) {}
PptxPresentation::PptxPresentation(PptxPresentation&&) noexcept = default;
PptxPresentation& PptxPresentation::operator=(PptxPresentation&&) noexcept = default;
PptxPresentation::~PptxPresentation() = default;

Result<PptxPresentation> PptxPresentation::open(const QString& path) {
    return load(ZipPackage::open(path));
}

Result<PptxPresentation> PptxPresentation::fromBytes(const QByteArray& bytes, const QString& name) {
    return load(ZipPackage::fromBytes(bytes, name));
}

Result<PptxPresentation> PptxPresentation::load(Result<ZipPackage> package) {
    if (!package) {
        return package.failure();
    }
    auto d = std::make_unique<Data>();
    d->package = std::move(*package);
    Result<QString> main = mainPart(d->package, QStringLiteral("ppt/presentation.xml"));
    if (!main) {
        return main.failure();
    }
    if (!d->package.contains(*main)) {
        return Failure{kNotPowerPoint.arg(d->package.name()), {}};
    }
    Result<XmlDocument> presentation = parse(d->package, *main);
    if (!presentation) {
        return presentation.failure();
    }
    const pugi::xml_node root = (*presentation)->document_element();
    if (!is(root, "presentation")) {
        return Failure{kNotPowerPoint.arg(d->package.name()), {}};
    }
    Result<std::vector<Relationship>> related = relationships(d->package, *main);
    if (!related) {
        return related.failure();
    }
    std::map<QString, QString> targets;
    for (const Relationship& relationship : *related) {
        targets[relationship.id] = relationship.target;
    }
    for (const pugi::xml_node& entry : children(child(root, "sldIdLst"), "sldId")) {
        const auto chosen = targets.find(relationshipId(entry));
        if (chosen == targets.end()) {
            return Failure{malformed(d->package, *main, QStringLiteral("引用了不存在的幻灯片")),
                           {}};
        }
        Slide slide;
        slide.part = chosen->second;
        Result<XmlDocument> document = parse(d->package, slide.part);
        if (!document) {
            return document.failure();
        }
        slide.document = std::move(*document);
        for (pugi::xpath_node table : slide.document->select_nodes(
                 "//*[local-name()='graphicFrame']//*[local-name()='tbl']")) {
            slide.tables.push_back(table.node());
        }
        d->slides.push_back(std::move(slide));
    }
    return PptxPresentation(std::move(d));
}

const QString& PptxPresentation::name() const {
    return d_->package.name();
}

int PptxPresentation::slideCount() const {
    return int(d_->slides.size());
}

Result<int> PptxPresentation::tableCount(int slide) const {
    if (slide < 1 || slide > slideCount()) {
        return Failure{kNoSlide.arg(name()).arg(slide), {}};
    }
    return int(d_->slides[size_t(slide - 1)].tables.size());
}

Result<int> PptxPresentation::rowCount(int slide, int table) const {
    Result<pugi::xml_node> found = d_->table(slide, table);
    if (!found) {
        return found.failure();
    }
    return int(children(*found, "tr").size());
}

Result<int> PptxPresentation::columnCount(int slide, int table) const {
    Result<pugi::xml_node> found = d_->table(slide, table);
    if (!found) {
        return found.failure();
    }
    return int(children(child(*found, "tblGrid"), "gridCol").size());
}

Result<QString> PptxPresentation::cellText(int slide, int table, int row, int column) const {
    Result<pugi::xml_node> cell = d_->cell(slide, table, row, column);
    if (!cell) {
        return cell.failure();
    }
    QStringList paragraphs;
    for (const pugi::xml_node& paragraph : children(child(*cell, "txBody"), "p")) {
        paragraphs.append(paragraphText(paragraph));
    }
    return paragraphs.join(u'\n');
}

Result<void> PptxPresentation::setCellText(int slide, int table, int row, int column,
                                           const QString& text) {
    Result<pugi::xml_node> cell = d_->cell(slide, table, row, column);
    if (!cell) {
        return cell.failure();
    }
    const std::string a = prefixOf(*cell);
    const auto qn = [&a](const char* local) {
        return a.empty() ? std::string(local) : a + ':' + local;
    };
    pugi::xml_node body = child(*cell, "txBody");
    if (!body) {
        body = cell->prepend_child(qn("txBody").c_str());
        body.append_child(qn("bodyPr").c_str());
        body.append_child(qn("lstStyle").c_str());
    }
    // The formatting to keep, taken before the old paragraphs go.
    pugi::xml_document keep;
    const pugi::xml_node first = child(body, "p");
    const pugi::xml_node paragraphProperties =
        child(first, "pPr") ? keep.append_copy(child(first, "pPr")) : pugi::xml_node();
    const pugi::xml_node endProperties = child(first, "endParaRPr")
                                             ? keep.append_copy(child(first, "endParaRPr"))
                                             : pugi::xml_node();
    pugi::xml_node runProperties = child(child(first, "r"), "rPr");
    if (runProperties) {
        runProperties = keep.append_copy(runProperties);
    } else if (endProperties) {
        runProperties = keep.append_copy(endProperties);
        runProperties.set_name(qn("rPr").c_str());
    }
    for (pugi::xml_node paragraph : children(body, "p")) {
        body.remove_child(paragraph);
    }
    for (const QString& line : lines(text)) {
        pugi::xml_node paragraph = body.append_child(qn("p").c_str());
        if (paragraphProperties) {
            paragraph.append_copy(paragraphProperties);
        }
        if (!line.isEmpty()) {
            pugi::xml_node run = paragraph.append_child(qn("r").c_str());
            if (runProperties) {
                run.append_copy(runProperties);
            }
            run.append_child(qn("t").c_str()).text().set(line.toUtf8().constData());
        }
        if (endProperties) {
            paragraph.append_copy(endProperties);
        }
    }
    d_->slides[size_t(slide - 1)].changed = true;
    return {};
}

Result<void> PptxPresentation::insertRowCopies(int slide, int table, int row, int count) {
    Result<pugi::xml_node> cell = d_->cell(slide, table, row, 1);
    if (!cell) {
        return cell.failure();
    }
    const pugi::xml_node original = cell->parent();
    pugi::xml_node after = original;
    for (int i = 0; i < count; ++i) {
        after = original.parent().insert_copy_after(original, after);
    }
    d_->slides[size_t(slide - 1)].changed = d_->slides[size_t(slide - 1)].changed || count > 0;
    return {};
}

Result<QByteArray> PptxPresentation::toBytes() const {
    ZipPackage out = d_->package;
    for (const Slide& slide : d_->slides) {
        if (slide.changed) {
            out.setPart(slide.part, serialise(*slide.document));
        }
    }
    return out.toBytes();
}

Result<void> PptxPresentation::save(const QString& path) const {
    Result<QByteArray> bytes = toBytes();
    if (!bytes) {
        return bytes.failure();
    }
    return writeFileAtomically(path, *bytes);
}

}  // namespace office
