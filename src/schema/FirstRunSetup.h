#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// What the first-run wizard records in a database freshly made from the template: the sample
// organisation kept or wiped, the organisation's basic data, a ready-made unit tree and the first
// administrator.
namespace schema {

// The user types in the order of tb_general.type; tb_model holds one unit tree per type. Every
// window that offers the type (the first-run wizard, the settings dialog) shows these captions; a
// university's personnel office is a 人事处.
QStringList userTypeNames();

// The provincial-level divisions offered for "省：".
QStringList provinceNames();

// The tables that hold cadre or unit data: everything the sample organisation brings.
QStringList cadreAndUnitTables();

struct FirstRunChoices {
    bool wipeSampleData = false;  // "使用向导全新初始化数据"
    int userType = 1;
    QString province;
    QString city;
    QString district;
    QString name;
    bool loadUnitTree = true;  // "是，载入模版（推荐）。"
    QString adminName;         // empty: no account is made
    QString adminPassword;
};

// Refusals of the wizard's pages.
inline const QString kEnterBasicData = QStringLiteral("请输入基础信息!");
inline const QString kAdminPasswordWrong = QStringLiteral("管理员口令输入不正确!");
// Leads the list of the fields still to fill on the second line of kEnterBasicData's message.
inline const QString kFillIn = QStringLiteral("请填写：");

// The fields of the basic-data page that the user type needs and `choices` leave empty, by
// their captions ("省", "市（州）", "区（县旗）", "单位名称") in the page's order: the
// organisation name always; the province for every type but a university or a single unit,
// the city for the types below a province, the district for districts, counties and banners.
QStringList missingBasicData(const FirstRunChoices& choices);

// Whether nothing is missing (missingBasicData).
bool basicDataComplete(const FirstRunChoices& choices);

// The refusal of the basic-data page: kEnterBasicData, and on a second line kFillIn with the
// missing fields.
QString basicDataRefusal(const QStringList& missing);

// The organisation name proposed for an empty "单位名称：": the lowest of province, city and
// district that is filled, followed by "委组织部" ("" when none is).
QString proposedName(const FirstRunChoices& choices);

// Applies the choices: with test data kept nothing is changed. Otherwise, in one transaction:
// every row of the cadre and unit tables is deleted, the basic data go into tb_general, the
// unit tree of the user type is copied from tb_model (keeping its IDs) when chosen, and an
// account with every right (including "管理员设置") is made when a name was given. A failure
// writes nothing.
Result<void> applyFirstRun(db::Database& db, const FirstRunChoices& choices);

}  // namespace schema
