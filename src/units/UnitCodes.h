#pragma once

#include <QString>

// The code sets of a unit's level (B0127) and affiliation (B0124), as the unit windows offer
// them.
namespace units {

struct UnitCode {
    const char* code;
    const char* name;
};

// Unit levels (B0127).
inline constexpr UnitCode kUnitLevels[] = {
    {"101", "中央、国家级（正）"},
    {"102", "中央、国家级（副）"},
    {"103", "省、部级"},
    {"104", "副省、副部级"},
    {"105", "地、厅、司、局级"},
    {"106", "副地、副厅、副司、副局级"},
    {"107", "县、处级"},
    {"108", "副县、副处级"},
    {"109", "乡、科级"},
    {"110", "副乡、副科级"},
    {"111", "股级"},
    {"800", "无级别"},
    {"999", "其他"},
};

// Affiliations (B0124).
inline constexpr UnitCode kUnitAffiliations[] = {
    {"1", "中央一级"},
    {"2", "省一级"},
    {"3", "副省市一级"},
    {"4", "市、地、州、盟一级"},
    {"5", "副省级市市辖区一级"},
    {"6", "县、市、区、旗一级"},
    {"7", "镇、乡一级"},
    {"8", "社区、建制村"},
    {"9", "其他"},
};

// The name of `code` in `codes`; a code not in the set is returned as it is.
template <class Codes>
QString unitCodeName(const Codes& codes, const QString& code) {
    for (const UnitCode& c : codes) {
        if (code == QLatin1String(c.code)) {
            return QString::fromUtf8(c.name);
        }
    }
    return code;
}

}  // namespace units
