#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "db/Result.h"
#include "office/ZipPackage.h"

// What the .docx, .xlsx and .pptx classes share: parsing and writing XML parts,
// relationships, content types and embedded pictures of an Open Packaging Conventions package.
// Only the office classes use this file; it is not part of their interface.
namespace office::parts {

using XmlDocument = std::unique_ptr<pugi::xml_document>;

// Namespace and type names that the package parts use.
inline constexpr const char* kRelationshipsNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kOfficeDocumentType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr const char* kImageType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

// The message for a part that is present but not what its document needs.
QString malformed(const ZipPackage& package, const QString& part, const QString& why);

// Parses a part as XML; fails when the part is missing or not well-formed XML.
Result<XmlDocument> parse(const ZipPackage& package, const QString& part);

// Serialises a document as UTF-8 with an XML declaration, without added white space.
QByteArray serialise(const pugi::xml_document& document);

// The local name of an element ("w:tbl" -> "tbl"), so prefixes chosen by other writers match.
const char* localName(const pugi::xml_node& node);
bool is(const pugi::xml_node& node, const char* local);

// The namespace prefix of an element's name ("w" for "w:tbl"; empty when it has none).
std::string prefixOf(const pugi::xml_node& node);

// The first child element with the local name, or an empty node.
pugi::xml_node child(const pugi::xml_node& parent, const char* local);
// The child elements with the local name, in document order.
std::vector<pugi::xml_node> children(const pugi::xml_node& parent, const char* local);
// An attribute by local name ("w:val" found as "val" under any prefix).
pugi::xml_attribute attribute(const pugi::xml_node& node, const char* local);

// The child element named `qualified` ("w:sz") of `parent`; when missing it is created at its
// place in the schema's child sequence `order` (qualified names), before the first existing
// child that comes later in that sequence.
pugi::xml_node ensureChild(pugi::xml_node parent, const char* qualified,
                           const std::vector<const char*>& order);

// Sets an attribute, creating it when missing.
void setAttribute(pugi::xml_node node, const char* name, const QString& value);

// ---- Relationships ----------------------------------------------------------------------------

struct Relationship {
    QString id;
    QString type;
    QString target;  // resolved part name for internal targets, as written for external ones
    bool external = false;
};

// The relationships part of a part ("word/document.xml" -> "word/_rels/document.xml.rels";
// "" for the package's own "_rels/.rels").
QString relationshipsPart(const QString& source);

// The part a relative target names, seen from `source` ("media/a.png" from
// "word/document.xml" -> "word/media/a.png"; "/xl/x.xml" -> "xl/x.xml").
QString resolveTarget(const QString& source, const QString& target);

// The relationships of `source`; none when it has no relationships part.
Result<std::vector<Relationship>> relationships(const ZipPackage& package, const QString& source);

// The main part of the package (the officeDocument relationship of "_rels/.rels"), or
// `fallback` when the package names none.
Result<QString> mainPart(const ZipPackage& package, const QString& fallback);

// Adds a relationship from `source` to the part `targetPart` and returns its new id.
Result<QString> addRelationship(ZipPackage& package, const QString& source, const QString& type,
                                const QString& targetPart);

// Removes every relationship of `source` to `targetPart`.
Result<void> removeRelationshipsTo(ZipPackage& package, const QString& source,
                                   const QString& targetPart);

// ---- Content types ----------------------------------------------------------------------------

// Declares a default content type for a file extension unless one is declared.
Result<void> ensureDefaultType(ZipPackage& package, const QString& extension,
                               const QString& contentType);
// Declares the content type of one part (replacing an earlier declaration for it).
Result<void> setOverrideType(ZipPackage& package, const QString& part, const QString& contentType);
// Removes the declaration of one part.
Result<void> removeOverrideType(ZipPackage& package, const QString& part);

// A part name not yet in the package: stem + number + suffix ("word/media/image3.png").
QString unusedPartName(const ZipPackage& package, const QString& stem, const QString& suffix);

// ---- Pictures ---------------------------------------------------------------------------------

struct PictureKind {
    QString extension;    // "png" or "jpeg"
    QString contentType;  // "image/png" or "image/jpeg"
};

// The kind of a PNG or JPEG picture from its first bytes; nothing for anything else.
std::optional<PictureKind> pictureKind(const QByteArray& bytes);

// Adds the picture as a new media part under `mediaStem` ("word/media/image"), declares its
// type and relates it to `source`; returns the relationship id.
Result<QString> addPicture(ZipPackage& package, const QString& source, const QString& mediaStem,
                           const QByteArray& bytes);

// The refusal for picture bytes that are neither PNG nor JPEG.
extern const QString kNotAPicture;

// English Metric Units (the drawing unit of OOXML) in a millimetre.
constexpr double kEmuPerMm = 36000.0;

}  // namespace office::parts
