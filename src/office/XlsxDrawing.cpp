#include "office/XlsxDrawing.h"

#include <cmath>
#include <string>
#include <vector>

#include "office/OoxmlParts.h"

namespace office::xlsx {

namespace {

using namespace parts;

const char* kDrawingType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
const char* kDrawingContentType = "application/vnd.openxmlformats-officedocument.drawing+xml";
const char* kSpreadsheetDrawingNs =
    "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
const char* kMainDrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/main";

// The children of a worksheet in schema order, where its <drawing> reference goes.
const std::vector<const char*> kWorksheetOrder = {"sheetPr",
                                                  "dimension",
                                                  "sheetViews",
                                                  "sheetFormatPr",
                                                  "cols",
                                                  "sheetData",
                                                  "sheetCalcPr",
                                                  "sheetProtection",
                                                  "protectedRanges",
                                                  "scenarios",
                                                  "autoFilter",
                                                  "sortState",
                                                  "dataConsolidate",
                                                  "customSheetViews",
                                                  "mergeCells",
                                                  "phoneticPr",
                                                  "conditionalFormatting",
                                                  "dataValidations",
                                                  "hyperlinks",
                                                  "printOptions",
                                                  "pageMargins",
                                                  "pageSetup",
                                                  "headerFooter",
                                                  "rowBreaks",
                                                  "colBreaks",
                                                  "customProperties",
                                                  "cellWatches",
                                                  "ignoredErrors",
                                                  "smartTags",
                                                  "drawing",
                                                  "legacyDrawing",
                                                  "legacyDrawingHF",
                                                  "picture",
                                                  "oleObjects",
                                                  "controls",
                                                  "webPublishItems",
                                                  "tableParts",
                                                  "extLst"};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Column widths and row heights as Excel lays them out, for the size a picture is drawn at.
double columnWidthEmu(const pugi::xml_node& worksheet, int column) {
    double characters = -1;
    for (const pugi::xml_node& col : children(child(worksheet, "cols"), "col")) {
        if (attribute(col, "min").as_int() <= column && column <= attribute(col, "max").as_int()) {
            characters = attribute(col, "width").as_double(-1);
        }
    }
    if (characters < 0) {
        const pugi::xml_node format = child(worksheet, "sheetFormatPr");
        characters = attribute(format, "defaultColWidth")
                         .as_double(attribute(format, "baseColWidth").as_double(8) + 0.43);
    }
    constexpr double kEmuPerPixel = 9525;
    return std::floor(characters * 7 + 5) * kEmuPerPixel;
}

double rowHeightEmu(const pugi::xml_node& worksheet, int row) {
    constexpr double kEmuPerPoint = 12700;
    for (const pugi::xml_node& node : children(child(worksheet, "sheetData"), "row")) {
        if (attribute(node, "r").as_int() == row && attribute(node, "ht")) {
            return attribute(node, "ht").as_double() * kEmuPerPoint;
        }
    }
    const pugi::xml_node format = child(worksheet, "sheetFormatPr");
    return attribute(format, "defaultRowHeight").as_double(15) * kEmuPerPoint;
}

}  // namespace

Result<bool> anchorPicture(ZipPackage& package, const QString& sheetPart,
                           pugi::xml_document& worksheetDocument, const CellRange& area,
                           const QByteArray& picture) {
    if (!pictureKind(picture)) {
        return Failure{kNotAPicture, {}};
    }
    pugi::xml_node worksheet = worksheetDocument.document_element();
    ZipPackage changed = package;

    // The sheet's drawing part: the one it has, or a new one.
    QString drawingPart;
    XmlDocument drawing;
    const pugi::xml_node reference = child(worksheet, "drawing");
    if (reference) {
        Result<std::vector<Relationship>> related = relationships(changed, sheetPart);
        if (!related) {
            return related.failure();
        }
        for (const Relationship& relationship : *related) {
            if (relationship.id == utf8(attribute(reference, "id").value())) {
                drawingPart = relationship.target;
            }
        }
        Result<XmlDocument> parsed = parse(changed, drawingPart);
        if (!parsed) {
            return parsed.failure();
        }
        drawing = std::move(*parsed);
    } else {
        drawingPart =
            unusedPartName(changed, QStringLiteral("xl/drawings/drawing"), QStringLiteral(".xml"));
        drawing = std::make_unique<pugi::xml_document>();
        pugi::xml_node root = drawing->append_child("xdr:wsDr");
        root.append_attribute("xmlns:xdr").set_value(kSpreadsheetDrawingNs);
        root.append_attribute("xmlns:a").set_value(kMainDrawingNs);
    }
    Result<QString> image =
        addPicture(changed, drawingPart, QStringLiteral("xl/media/image"), picture);
    if (!image) {
        return image.failure();
    }
    QString sheetRelationship;
    if (!reference) {
        Result<QString> related =
            addRelationship(changed, sheetPart, utf8(kDrawingType), drawingPart);
        Result<void> typed = related
                                 ? setOverrideType(changed, drawingPart, utf8(kDrawingContentType))
                                 : Result<void>(related.failure());
        if (!typed) {
            return typed.failure();
        }
        sheetRelationship = *related;
    }

    pugi::xml_node root = drawing->document_element();
    int id = 0;
    for (pugi::xpath_node found : drawing->select_nodes("//*[local-name()='cNvPr']")) {
        id = std::max(id, found.node().attribute("id").as_int());
    }
    ++id;
    double width = 0;
    for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
        width += columnWidthEmu(worksheet, c);
    }
    double height = 0;
    for (int r = area.firstRow; r <= area.lastRow; ++r) {
        height += rowHeightEmu(worksheet, r);
    }
    const std::string x = prefixOf(root);
    const QString p = x.empty() ? QString() : QString::fromStdString(x) + u':';
    const QString anchor =
        QStringLiteral(
            "<%1twoCellAnchor editAs=\"oneCell\" xmlns:a=\"%2\" xmlns:r=\"%3\">"
            "<%1from><%1col>%4</%1col><%1colOff>0</%1colOff><%1row>%5</%1row>"
            "<%1rowOff>0</%1rowOff></%1from>"
            "<%1to><%1col>%6</%1col><%1colOff>0</%1colOff><%1row>%7</%1row>"
            "<%1rowOff>0</%1rowOff></%1to>"
            "<%1pic><%1nvPicPr><%1cNvPr id=\"%8\" name=\"Picture %8\"/><%1cNvPicPr/>"
            "</%1nvPicPr><%1blipFill><a:blip r:embed=\"%9\"/><a:stretch><a:fillRect/>"
            "</a:stretch></%1blipFill><%1spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
            "<a:ext cx=\"%10\" cy=\"%11\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/>"
            "</a:prstGeom></%1spPr></%1pic><%1clientData/></%1twoCellAnchor>")
            .arg(p, utf8(kMainDrawingNs), utf8(kRelationshipsNs))
            .arg(area.firstColumn - 1)
            .arg(area.firstRow - 1)
            .arg(area.lastColumn)
            .arg(area.lastRow)
            .arg(id)
            .arg(*image)
            .arg(qint64(width))
            .arg(qint64(height));
    const QByteArray bytes = anchor.toUtf8();
    root.append_buffer(bytes.constData(), size_t(bytes.size()));
    changed.setPart(drawingPart, serialise(*drawing));
    package = std::move(changed);
    if (reference) {
        return false;
    }

    if (!worksheet.attribute("xmlns:r")) {
        worksheet.append_attribute("xmlns:r").set_value(kRelationshipsNs);
    }
    const std::string prefix = prefixOf(worksheet);
    std::vector<std::string> names;
    for (const char* local : kWorksheetOrder) {
        names.push_back(prefix.empty() ? std::string(local) : prefix + ':' + local);
    }
    std::vector<const char*> order;
    for (const std::string& name : names) {
        order.push_back(name.c_str());
    }
    const std::string drawingName = prefix.empty() ? "drawing" : prefix + ":drawing";
    setAttribute(ensureChild(worksheet, drawingName.c_str(), order), "r:id", sheetRelationship);
    return true;
}

}  // namespace office::xlsx
