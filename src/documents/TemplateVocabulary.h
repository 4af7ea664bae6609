#pragma once

#include <QString>
#include <span>

// The placeholders an operator may type into a template's cells, each naming where its value
// comes from: a column of the cadre (kind 1, tb_cadre), of one of the cadre's family members
// (kind 2, tb_family) or of the units the cadre belongs to (kind 3, tb_cadre_node).
namespace documents {

enum class ItemKind { Cadre = 1, Family = 2, Unit = 3 };

struct Placeholder {
    const char* text;  // "<姓名>"
    ItemKind kind;
    const char* code;  // the column code stored as the item: "xm"
};

// The 61 placeholders in their fixed order (some texts and codes come twice; the first wins).
std::span<const Placeholder> placeholders();

// The placeholder whose text is exactly `token` (the first of equal texts); null when unknown.
const Placeholder* findPlaceholder(const QString& token);

// The codes that select parts of the resume text and of the unit names (see TemplateValues).
inline const QString kResumeCode = QStringLiteral("gzjl");
inline const QString kResumePeriodsCode = QStringLiteral("n-gzjl");
inline const QString kResumeEndsCode = QStringLiteral("--gzjl");
inline const QString kResumeContentsCode = QStringLiteral("- gzjl");
inline const QString kResumeRunningTextCode = QStringLiteral("-gzjl");
inline const QString kUnitNameCode = QStringLiteral("name");
inline const QString kMergedUnitNamesCode = QStringLiteral("-name");
inline const QString kPhotoCode = QStringLiteral("photo");
inline const QString kAgeCode = QStringLiteral("age");

}  // namespace documents
