#include "documents/TemplateVocabulary.h"

#include <array>

namespace documents {

namespace {

constexpr ItemKind C = ItemKind::Cadre;
constexpr ItemKind F = ItemKind::Family;
constexpr ItemKind U = ItemKind::Unit;

constexpr std::array<Placeholder, 61> kPlaceholders{{
    {"<姓名>", C, "xm"},
    {"<性别>", C, "xb"},
    {"<出生年月>", C, "csnyStr"},
    {"<年龄>", C, "age"},
    {"<民族>", C, "mz"},
    {"<籍贯>", C, "jgsheng"},
    {"<出生地>", C, "cssheng"},
    {"<政治面貌>", C, "zzmm"},
    {"<入党时间>", C, "rdsjStr"},
    {"<工作时间>", C, "gzsjStr"},
    {"<健康状况>", C, "jkzk"},
    {"<专业技术职务>", C, "zyjszw"},
    {"<专业职务时间>", C, "zyzcTime"},
    {"<专长特长>", C, "zytc"},
    {"<全日制学历>", C, "qrzxl"},
    {"<全日制学位>", C, "qrzxw"},
    {"<全日制院校及专业>", C, "qrzxxzy"},
    {"<在职学历>", C, "zzxl"},
    {"<在职学位>", C, "zzxw"},
    {"<在职院校及专业>", C, "zzxxzy"},
    {"<最高学历>", C, "gxl"},
    {"<最高学位>", C, "gxw"},
    {"<最高学历院校及专业>", C, "gxlxx"},
    {"<现任职>", C, "xrz"},
    {"<任现职时间>", C, "allRzsjList"},
    {"<职务级别>", C, "zwjb"},
    {"<任职级时间>", C, "zwjbTimeStr"},
    {"<拟任职>", C, "nrz"},
    {"<拟免职>", C, "nmz"},
    {"<奖惩情况>", C, "jcNote"},
    {"<考核情况>", C, "khNote"},
    {"<任免理由>", C, "rmNote"},
    {"<备注>", C, "other"},
    {"<分管工作>", C, "fggz"},
    {"<照片>", C, "photo"},
    {"<简历>", C, "gzjl"},
    {"<简历-起止时间>", C, "n-gzjl"},
    {"<简历-开始时间>", C, "n-gzjl"},
    {"<简历-结束时间>", C, "--gzjl"},
    {"<简历-内容>", C, "- gzjl"},
    {"<简历-内容2>", C, "-gzjl"},
    {"<单位名称>", U, "name"},
    {"<单位名称(全)>", U, "name"},
    {"<单位名称-合并>", U, "-name"},
    {"<自定义1>", C, "res5"},
    {"<自定义2>", C, "res6"},
    {"<自定义3>", C, "res7"},
    {"<自定义4>", C, "res8"},
    {"<人员身份>", C, "rybz"},
    {"<身份证号>", C, "zjh"},
    {"<电话>", C, "tel2"},
    {"<住址>", C, "address"},
    {"<奖惩情况>", C, "jcNote"},
    {"<培训情况>", C, "pxjl"},
    {"<考核情况>", C, "khNote"},
    {"<家-称谓>", F, "cw"},
    {"<家-姓名>", F, "xm"},
    {"<家-出生年月>", F, "cssjStr"},
    {"<家-年龄>", F, "age"},
    {"<家-政治面貌>", F, "zzmm"},
    {"<家-工作单位>", F, "dw"},
}};

}  // namespace

std::span<const Placeholder> placeholders() {
    return kPlaceholders;
}

const Placeholder* findPlaceholder(const QString& token) {
    for (const Placeholder& placeholder : kPlaceholders) {
        if (token == QString::fromUtf8(placeholder.text)) {
            return &placeholder;
        }
    }
    return nullptr;
}

}  // namespace documents
