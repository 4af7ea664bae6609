#include <gtest/gtest.h>

#include "documents/TemplateScan.h"
#include "documents/TemplateVocabulary.h"
#include "support/QtPrinters.h"

using documents::ItemKind;
using documents::TemplateItem;

namespace {

TEST(TemplateVocabulary, HoldsTheSixtyOnePlaceholdersAndTheFirstOfEqualTextsWins) {
    EXPECT_EQ(documents::placeholders().size(), 61u);
    const documents::Placeholder* rewards =
        documents::findPlaceholder(QStringLiteral("<奖惩情况>"));
    ASSERT_NE(rewards, nullptr);
    EXPECT_EQ(rewards, &documents::placeholders()[29]);
    EXPECT_EQ(documents::findPlaceholder(QStringLiteral("<自定义4>"))->code, std::string("res8"));
    EXPECT_EQ(documents::findPlaceholder(QStringLiteral("<单位名称-合并>"))->kind, ItemKind::Unit);
    EXPECT_EQ(documents::findPlaceholder(QStringLiteral("<姓名> ")), nullptr);
}

struct ScanCase {
    const char* cell;
    bool hasPlaceholders;
    // item code, kind, ord, prefix, postfix of each recorded item
    std::vector<std::tuple<const char*, ItemKind, int, const char*, const char*>> items;
};

TEST(TemplateScan, RecordsEachKnownPlaceholderWithItsSurroundings) {
    const ScanCase cases[] = {
        {"<姓名>", true, {{"xm", ItemKind::Cadre, 0, "", ""}}},
        {"出生：<出生年月>（公历）", true, {{"csnyStr", ItemKind::Cadre, 0, "出生：", "（公历）"}}},
        {"  <年龄>岁  ", true, {{"age", ItemKind::Cadre, 0, "", "岁"}}},
        {"＜民族＞", true, {{"mz", ItemKind::Cadre, 0, "", ""}}},
        {"＜性别>", true, {{"xb", ItemKind::Cadre, 0, "", ""}}},
        {"<家-姓名-3>", true, {{"xm", ItemKind::Family, 3, "", ""}}},
        {"＜家-称谓-12＞", true, {{"cw", ItemKind::Family, 12, "", ""}}},
        {"<家-姓名>", true, {}},
        {"<家-姓名-x>", true, {}},
        {"<家-姓名-0>", true, {}},
        {"<未知>", true, {}},
        {"<单位名称-合并>", true, {{"-name", ItemKind::Unit, 0, "", ""}}},
        {"<性别>/<民族>族",
         true,
         {{"xb", ItemKind::Cadre, 0, "", ""}, {"mz", ItemKind::Cadre, 0, "/", "族"}}},
        {"<未知>甲<姓名>乙<也未知>丙", true, {{"xm", ItemKind::Cadre, 0, "甲", "丙"}}},
        {"姓名", false, {}},
        {"a < b", false, {}},
        {"", false, {}},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.cell);
        const documents::CellScan scan = documents::scanCell(QString::fromUtf8(c.cell));
        EXPECT_EQ(scan.hasPlaceholders, c.hasPlaceholders);
        ASSERT_EQ(scan.items.size(), qsizetype(c.items.size()));
        for (size_t i = 0; i < c.items.size(); ++i) {
            const auto& [code, kind, ord, prefix, postfix] = c.items[i];
            const TemplateItem& item = scan.items[qsizetype(i)];
            EXPECT_EQ(item.item, QString::fromUtf8(code));
            EXPECT_EQ(item.kind, kind);
            EXPECT_EQ(item.ord, ord);
            EXPECT_EQ(item.prefix, QString::fromUtf8(prefix));
            EXPECT_EQ(item.postfix, QString::fromUtf8(postfix));
        }
    }
}

TEST(TemplateScan, ComposedCellsSplitBackIntoTheirValues) {
    const struct {
        const char* cell;
        QStringList values;
    } cases[] = {
        {"<姓名>", {QStringLiteral("张三")}},
        {"出生：<出生年月>（公历）", {QStringLiteral("1968.01")}},
        {"<性别>/<民族>族", {QStringLiteral("男"), QStringLiteral("汉")}},
        {"<性别>/<民族>族", {QString(), QStringLiteral("汉")}},
        {"共<年龄>岁", {QString()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        const QList<TemplateItem> items = documents::scanCell(QString::fromUtf8(c.cell)).items;
        const QString filled = documents::composeCell(items, c.values);
        EXPECT_EQ(documents::splitCell(filled, items), c.values) << filled.toStdString();
    }
    // A cell whose surroundings were changed by hand gives its text as it stands.
    const QList<TemplateItem> items = documents::scanCell(QStringLiteral("姓名：<姓名>")).items;
    EXPECT_EQ(documents::splitCell(QStringLiteral("张三"), items),
              QStringList{QStringLiteral("张三")});
}

}  // namespace
