#include "office/OoxmlParts.h"

#include <QDir>
#include <cstring>
#include <sstream>

namespace office::parts {

const QString kNotAPicture = QStringLiteral("图片不是PNG或JPEG格式，无法插入。");

namespace {

const QString kMalformed = QStringLiteral("文件“%1”已损坏：部件“%2”%3。");
const char* kContentTypesPart = "[Content_Types].xml";
const char* kPackageRelsNs = "http://schemas.openxmlformats.org/package/2006/relationships";

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

QString malformed(const ZipPackage& package, const QString& part, const QString& why) {
    return kMalformed.arg(package.name(), part, why);
}

Result<XmlDocument> parse(const ZipPackage& package, const QString& part) {
    Result<QByteArray> bytes = package.part(part);
    if (!bytes) {
        return bytes.failure();
    }
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result parsed = document->load_buffer(
        bytes->constData(), size_t(bytes->size()),
        pugi::parse_default | pugi::parse_ws_pcdata_single, pugi::encoding_auto);
    if (!parsed) {
        return Failure{malformed(package, part,
                                 QStringLiteral("不是有效的XML（%1，位置%2）")
                                     .arg(text(parsed.description()))
                                     .arg(parsed.offset)),
                       {}};
    }
    if (!document->document_element()) {
        return Failure{malformed(package, part, QStringLiteral("没有内容")), {}};
    }
    return document;
}

QByteArray serialise(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    const std::string written = out.str();
    return QByteArray(written.data(), qsizetype(written.size()));
}

const char* localName(const pugi::xml_node& node) {
    const char* name = node.name();
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

bool is(const pugi::xml_node& node, const char* local) {
    return node.type() == pugi::node_element && std::strcmp(localName(node), local) == 0;
}

std::string prefixOf(const pugi::xml_node& node) {
    const char* name = node.name();
    const char* colon = std::strchr(name, ':');
    return colon ? std::string(name, colon) : std::string();
}

pugi::xml_node child(const pugi::xml_node& parent, const char* local) {
    for (pugi::xml_node node : parent.children()) {
        if (is(node, local)) {
            return node;
        }
    }
    return {};
}

std::vector<pugi::xml_node> children(const pugi::xml_node& parent, const char* local) {
    std::vector<pugi::xml_node> found;
    for (pugi::xml_node node : parent.children()) {
        if (is(node, local)) {
            found.push_back(node);
        }
    }
    return found;
}

pugi::xml_attribute attribute(const pugi::xml_node& node, const char* local) {
    for (pugi::xml_attribute attr : node.attributes()) {
        const char* name = attr.name();
        const char* colon = std::strchr(name, ':');
        if (std::strcmp(colon ? colon + 1 : name, local) == 0) {
            return attr;
        }
    }
    return {};
}

pugi::xml_node ensureChild(pugi::xml_node parent, const char* qualified,
                           const std::vector<const char*>& order) {
    if (pugi::xml_node existing = parent.child(qualified)) {
        return existing;
    }
    size_t rank = order.size();
    for (size_t i = 0; i < order.size(); ++i) {
        if (std::strcmp(order[i], qualified) == 0) {
            rank = i;
        }
    }
    for (pugi::xml_node node : parent.children()) {
        for (size_t i = rank + 1; i < order.size(); ++i) {
            if (std::strcmp(node.name(), order[i]) == 0) {
                return parent.insert_child_before(qualified, node);
            }
        }
    }
    return parent.append_child(qualified);
}

void setAttribute(pugi::xml_node node, const char* name, const QString& value) {
    pugi::xml_attribute attr = node.attribute(name);
    if (!attr) {
        attr = node.append_attribute(name);
    }
    attr.set_value(value.toUtf8().constData());
}

QString relationshipsPart(const QString& source) {
    if (source.isEmpty()) {
        return QStringLiteral("_rels/.rels");
    }
    const qsizetype slash = source.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : source.left(slash + 1);
    return folder + QStringLiteral("_rels/") + source.mid(slash + 1) + QStringLiteral(".rels");
}

QString resolveTarget(const QString& source, const QString& target) {
    if (target.startsWith(u'/')) {
        return QDir::cleanPath(target).mid(1);
    }
    const qsizetype slash = source.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : source.left(slash + 1);
    QString resolved = QDir::cleanPath(folder + target);
    while (resolved.startsWith(QStringLiteral("../"))) {
        resolved = resolved.mid(3);
    }
    return resolved;
}

namespace {

// The relative target that names `targetPart` from `source`.
QString relativeTarget(const QString& source, const QString& targetPart) {
    const qsizetype slash = source.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : source.left(slash);
    if (folder.isEmpty()) {
        return targetPart;
    }
    return QDir(QStringLiteral("/") + folder).relativeFilePath(QStringLiteral("/") + targetPart);
}

Result<XmlDocument> relationshipsDocument(const ZipPackage& package, const QString& source) {
    const QString part = relationshipsPart(source);
    if (package.contains(part)) {
        return parse(package, part);
    }
    auto document = std::make_unique<pugi::xml_document>();
    pugi::xml_node root = document->append_child("Relationships");
    root.append_attribute("xmlns").set_value(kPackageRelsNs);
    return document;
}

Result<XmlDocument> contentTypes(const ZipPackage& package) {
    Result<XmlDocument> document = parse(package, text(kContentTypesPart));
    if (document && !is((*document)->document_element(), "Types")) {
        return Failure{
            malformed(package, text(kContentTypesPart), QStringLiteral("不是内容类型表")), {}};
    }
    return document;
}

}  // namespace

Result<std::vector<Relationship>> relationships(const ZipPackage& package, const QString& source) {
    std::vector<Relationship> found;
    if (!package.contains(relationshipsPart(source))) {
        return found;
    }
    Result<XmlDocument> document = parse(package, relationshipsPart(source));
    if (!document) {
        return document.failure();
    }
    for (pugi::xml_node node : children((*document)->document_element(), "Relationship")) {
        Relationship relationship;
        relationship.id = text(node.attribute("Id").value());
        relationship.type = text(node.attribute("Type").value());
        relationship.external = QString::fromUtf8(node.attribute("TargetMode").value())
                                    .compare(QStringLiteral("External"), Qt::CaseInsensitive) == 0;
        const QString target = text(node.attribute("Target").value());
        relationship.target = relationship.external ? target : resolveTarget(source, target);
        found.push_back(relationship);
    }
    return found;
}

Result<QString> mainPart(const ZipPackage& package, const QString& fallback) {
    Result<std::vector<Relationship>> found = relationships(package, QString());
    if (!found) {
        return found.failure();
    }
    for (const Relationship& relationship : *found) {
        if (relationship.type == text(kOfficeDocumentType) && !relationship.external) {
            return relationship.target;
        }
    }
    return fallback;
}

Result<QString> addRelationship(ZipPackage& package, const QString& source, const QString& type,
                                const QString& targetPart) {
    Result<XmlDocument> document = relationshipsDocument(package, source);
    if (!document) {
        return document.failure();
    }
    pugi::xml_node root = (*document)->document_element();
    QStringList ids;
    for (pugi::xml_node node : children(root, "Relationship")) {
        ids.append(text(node.attribute("Id").value()));
    }
    int number = int(ids.size()) + 1;
    while (ids.contains(QStringLiteral("rId%1").arg(number))) {
        ++number;
    }
    const QString id = QStringLiteral("rId%1").arg(number);
    pugi::xml_node node = root.append_child("Relationship");
    setAttribute(node, "Id", id);
    setAttribute(node, "Type", type);
    setAttribute(node, "Target", relativeTarget(source, targetPart));
    package.setPart(relationshipsPart(source), serialise(**document));
    return id;
}

Result<void> removeRelationshipsTo(ZipPackage& package, const QString& source,
                                   const QString& targetPart) {
    if (!package.contains(relationshipsPart(source))) {
        return {};
    }
    Result<XmlDocument> document = parse(package, relationshipsPart(source));
    if (!document) {
        return document.failure();
    }
    pugi::xml_node root = (*document)->document_element();
    for (pugi::xml_node node : children(root, "Relationship")) {
        if (resolveTarget(source, text(node.attribute("Target").value())) == targetPart) {
            root.remove_child(node);
        }
    }
    package.setPart(relationshipsPart(source), serialise(**document));
    return {};
}

Result<void> ensureDefaultType(ZipPackage& package, const QString& extension,
                               const QString& contentType) {
    Result<XmlDocument> document = contentTypes(package);
    if (!document) {
        return document.failure();
    }
    pugi::xml_node root = (*document)->document_element();
    for (pugi::xml_node node : children(root, "Default")) {
        if (text(node.attribute("Extension").value()).compare(extension, Qt::CaseInsensitive) ==
            0) {
            return {};
        }
    }
    pugi::xml_node node = root.prepend_child("Default");
    setAttribute(node, "Extension", extension);
    setAttribute(node, "ContentType", contentType);
    package.setPart(text(kContentTypesPart), serialise(**document));
    return {};
}

Result<void> setOverrideType(ZipPackage& package, const QString& part, const QString& contentType) {
    Result<void> removed = removeOverrideType(package, part);
    if (!removed) {
        return removed;
    }
    Result<XmlDocument> document = contentTypes(package);
    if (!document) {
        return document.failure();
    }
    pugi::xml_node node = (*document)->document_element().append_child("Override");
    setAttribute(node, "PartName", QStringLiteral("/") + part);
    setAttribute(node, "ContentType", contentType);
    package.setPart(text(kContentTypesPart), serialise(**document));
    return {};
}

Result<void> removeOverrideType(ZipPackage& package, const QString& part) {
    Result<XmlDocument> document = contentTypes(package);
    if (!document) {
        return document.failure();
    }
    pugi::xml_node root = (*document)->document_element();
    for (pugi::xml_node node : children(root, "Override")) {
        if (text(node.attribute("PartName").value())
                .compare(QStringLiteral("/") + part, Qt::CaseInsensitive) == 0) {
            root.remove_child(node);
        }
    }
    package.setPart(text(kContentTypesPart), serialise(**document));
    return {};
}

QString unusedPartName(const ZipPackage& package, const QString& stem, const QString& suffix) {
    for (int number = 1;; ++number) {
        const QString name = stem + QString::number(number) + suffix;
        if (!package.contains(name)) {
            return name;
        }
    }
}

std::optional<PictureKind> pictureKind(const QByteArray& bytes) {
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) {
        return PictureKind{QStringLiteral("png"), QStringLiteral("image/png")};
    }
    if (bytes.startsWith("\xff\xd8\xff")) {
        return PictureKind{QStringLiteral("jpeg"), QStringLiteral("image/jpeg")};
    }
    return std::nullopt;
}

Result<QString> addPicture(ZipPackage& package, const QString& source, const QString& mediaStem,
                           const QByteArray& bytes) {
    const std::optional<PictureKind> kind = pictureKind(bytes);
    if (!kind) {
        return Failure{kNotAPicture, {}};
    }
    Result<void> typed = ensureDefaultType(package, kind->extension, kind->contentType);
    if (!typed) {
        return typed.failure();
    }
    const QString media = unusedPartName(package, mediaStem, u'.' + kind->extension);
    package.setPart(media, bytes);
    return addRelationship(package, source, text(kImageType), media);
}

}  // namespace office::parts
