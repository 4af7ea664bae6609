#include "schema/FirstRunSetup.h"

#include "admin/Managers.h"
#include "admin/Modules.h"
#include "db/Database.h"

namespace schema {

namespace {

constexpr int kUniversity = 6;
constexpr int kSingleUnit = 7;

bool needsProvince(int type) {
    return type != kUniversity && type != kSingleUnit;
}
bool needsCity(int type) {
    return type >= 1 && type <= 5;
}
bool needsDistrict(int type) {
    return type >= 3 && type <= 5;
}

Result<void> failed(db::Database& db) {
    return Failure{{}, db.lastError()};
}

}  // namespace

QStringList userTypeNames() {
    return {QStringLiteral("省委组织部(人事厅)"), QStringLiteral("市委组织部(人事局)"),
            QStringLiteral("州委组织部(人事局)"), QStringLiteral("区委组织部(人事局)"),
            QStringLiteral("县委组织部(人事局)"), QStringLiteral("旗委组织部(人事局)"),
            QStringLiteral("高校组织部(人事处)"), QStringLiteral("单位用户")};
}

QStringList provinceNames() {
    return {QStringLiteral("北京市"),          QStringLiteral("天津市"),
            QStringLiteral("河北省"),          QStringLiteral("山西省"),
            QStringLiteral("内蒙古自治区"),    QStringLiteral("辽宁省"),
            QStringLiteral("吉林省"),          QStringLiteral("黑龙江省"),
            QStringLiteral("上海市"),          QStringLiteral("江苏省"),
            QStringLiteral("浙江省"),          QStringLiteral("安徽省"),
            QStringLiteral("福建省"),          QStringLiteral("江西省"),
            QStringLiteral("山东省"),          QStringLiteral("河南省"),
            QStringLiteral("湖北省"),          QStringLiteral("湖南省"),
            QStringLiteral("广东省"),          QStringLiteral("广西壮族自治区"),
            QStringLiteral("海南省"),          QStringLiteral("重庆市"),
            QStringLiteral("四川省"),          QStringLiteral("贵州省"),
            QStringLiteral("云南省"),          QStringLiteral("西藏自治区"),
            QStringLiteral("陕西省"),          QStringLiteral("甘肃省"),
            QStringLiteral("青海省"),          QStringLiteral("宁夏回族自治区"),
            QStringLiteral("新疆维吾尔自治区")};
}

QStringList cadreAndUnitTables() {
    // The four main tables first, in their order, then every other table that refers to cadres or
    // units: families, assessments, rewards and punishments, reports, files, plans and rosters
    // of cadres, quotas of units, trainees.
    return {QStringLiteral("tb_department"),
            QStringLiteral("tb_Cadre"),
            QStringLiteral("tb_Cadre_node"),
            QStringLiteral("tb_Cadre_zw"),
            QStringLiteral("tb_family"),
            QStringLiteral("tb_kc"),
            QStringLiteral("tb_jc"),
            QStringLiteral("E01"),
            QStringLiteral("A54"),
            QStringLiteral("A55"),
            QStringLiteral("A56"),
            QStringLiteral("tb_File"),
            QStringLiteral("tb_fileLink"),
            QStringLiteral("tb_department_zs"),
            QStringLiteral("tb_department_bz"),
            QStringLiteral("tb_rmmc"),
            QStringLiteral("tb_rmmc_detail"),
            QStringLiteral("tb_beadroll"),
            QStringLiteral("tb_beadroll_detail"),
            QStringLiteral("tb_beadroll_mirror"),
            QStringLiteral("tb_pxCadre"),
            QStringLiteral("tb_pxCadre2"),
            QStringLiteral("tb_tcid"),
            QStringLiteral("tb_check"),
            QStringLiteral("tb_bzkc")};
}

QStringList missingBasicData(const FirstRunChoices& choices) {
    const int type = choices.userType;
    const struct {
        bool needed;
        const QString& value;
        QString caption;
    } fields[] = {
        {needsProvince(type), choices.province, QStringLiteral("省")},
        {needsCity(type), choices.city, QStringLiteral("市（州）")},
        {needsDistrict(type), choices.district, QStringLiteral("区（县旗）")},
        {true, choices.name, QStringLiteral("单位名称")},
    };
    QStringList missing;
    for (const auto& field : fields) {
        if (field.needed && field.value.trimmed().isEmpty()) {
            missing << field.caption;
        }
    }
    return missing;
}

bool basicDataComplete(const FirstRunChoices& choices) {
    return missingBasicData(choices).isEmpty();
}

QString basicDataRefusal(const QStringList& missing) {
    return kEnterBasicData + u'\n' + kFillIn + missing.join(u'、');
}

QString proposedName(const FirstRunChoices& choices) {
    for (const QString& place : {choices.district, choices.city, choices.province}) {
        if (!place.trimmed().isEmpty()) {
            return place.trimmed() + QStringLiteral("委组织部");
        }
    }
    return {};
}

Result<void> applyFirstRun(db::Database& db, const FirstRunChoices& choices) {
    if (!choices.wipeSampleData) {
        return {};
    }
    db::Transaction transaction(db);
    for (const QString& table : cadreAndUnitTables()) {
        if (db.hasTable(table) && !db.exec(QStringLiteral("delete * from ") + table)) {
            return failed(db);
        }
    }
    if (!db.exec(
            QStringLiteral("update tb_general set type=?, state=?, City=?, qx=?, name=?"),
            {choices.userType, choices.province, choices.city, choices.district, choices.name})) {
        return failed(db);
    }
    if (choices.loadUnitTree &&
        !db.exec(QStringLiteral("insert into tb_department (ID, parentID, dwOrder, name, dwjc, "
                                "dwLevel, isDep, dwxz, py1, py2, dwIndex) select ID, parentID, "
                                "dwOrder, name, dwjc, dwLevel, isDep, dwxz, py1, py2, dwIndex "
                                "from tb_model where mtype=? order by parentID, dworder"),
                 {choices.userType})) {
        return failed(db);
    }
    if (!choices.adminName.isEmpty()) {
        admin::ManagerSettings settings;
        settings.name = choices.adminName;
        for (const admin::Module& module : admin::kModules) {
            settings.granted.insert(module.codeText());
        }
        const Result<int> saved =
            admin::saveManager(db, 0, settings, {choices.adminPassword, choices.adminPassword});
        if (!saved) {
            return saved.failure();
        }
    }
    if (!transaction.commit()) {
        return failed(db);
    }
    return {};
}

}  // namespace schema
